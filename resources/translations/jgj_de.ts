<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Strings</name>
    <message>
        <source>Concrete placing</source>
        <translation>Betoniervorgang</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>Pumpbeton</translation>
    </message>
    <message>
        <source>With impact direction</source>
        <translation>Mit Schlagrichtung</translation>
    </message>
    <message>
        <source>With concrete placing</source>
        <translation>Mit Betoniervorgang</translation>
    </message>
    <message>
        <source>With carbonation depth</source>
        <translation>Mit Karbonatisierungstiefe</translation>
    </message>
    <message>
        <source>With pump concrete</source>
        <translation>Mit Pumpbeton</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>Allgemeine Umrechnung</translation>
    </message>
    <message>
        <source>Title : mean rebound value [R]</source>
        <translation>Titel : mittlerer Rückprallwert [R]</translation>
    </message>
    <message>
        <source>Title : mean value f2 [MPa]</source>
        <translation>Titel : Mittelwert f2 [MPa]</translation>
    </message>
    <message>
        <source>Number of measurement series</source>
        <translation>Anzahl Messreihen</translation>
    </message>
    <message>
        <source>Component strength</source>
        <translation>Bauteilfestigkeit</translation>
    </message>
    <message>
        <source>Summary mean value</source>
        <translation>Mittelwert der Zusammenfassung</translation>
    </message>
    <message>
        <source>Summary mean compr. strength</source>
        <translation>Gesamt: mittl. Druckfestigkeit</translation>
    </message>
    <message>
        <source>Mean value</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Minimum value</source>
        <translation>Minimalwert</translation>
    </message>
    <message>
        <source>Maximum value</source>
        <translation>Maximalwert</translation>
    </message>
    <message>
        <source>Summary median value</source>
        <translation>Median der Zusammenfassung</translation>
    </message>
    <message>
        <source>Summary median compr. strength</source>
        <translation>Gesamt: Median-Druckfestigkeit</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>Außerhalb des Bereichs (&lt;10 MPa oder &gt;60MPa) </translation>
    </message>
</context>
<context>
    <name>vordalis::CTorvFensterChina</name>
    <message>
        <source>Torvihammer Settings</source>
        <translation>Torvihammer-Einstellungen</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>Allgemeine Umrechnung</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>Ausgangseinstellungen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Impact direction</source>
        <translation>Schlagrichtung</translation>
    </message>
    <message>
        <source>Concrete placing</source>
        <translation>Betoniervorgang</translation>
    </message>
    <message>
        <source>Carbonation depth</source>
        <translation>Karbonatisierungstiefe</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>Pumpbeton</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
</context>
<context>
    <name>vordalis::CSelectSummery</name>
    <message>
        <source>Select summary</source>
        <translation>Zusammenfassung wählen</translation>
    </message>
    <message>
        <source>Torvihammer</source>
        <translation>Torvihammer</translation>
    </message>
    <message>
        <source>Torvihammer China</source>
        <translation>Torvihammer China</translation>
    </message>
    <message>
        <source>Single component evaluation</source>
        <translation>Einzelbauteilbewertung</translation>
    </message>
    <message>
        <source>Batch component evaluation</source>
        <translation>Losweise Bauteilbewertung</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Vordalis-Objektdateien (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>Detailansicht</translation>
    </message>
</context>
</TS>
