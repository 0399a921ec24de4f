<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>Detailansicht</translation>
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
    <name>vordalis::CTorvFenster</name>
    <message>
        <source>Torvihammer Settings</source>
        <translation>Torvihammer Einstellungen</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>Anfangseinstellungen</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>Formfaktor</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Zeitfaktor</translation>
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
        <source>Impact direction</source>
        <translation>Schlagrichtung</translation>
    </message>
    <message>
        <source>Special conversion Fx</source>
        <translation>Spezielle Umrechnung Fx</translation>
    </message>
    <message>
        <source>fc(R)   =   a R² + b R + c</source>
        <translation>fc(R)   =   a R² + b R + c</translation>
    </message>
    <message>
        <source>a =</source>
        <translation>a =</translation>
    </message>
    <message>
        <source>b =</source>
        <translation>b =</translation>
    </message>
    <message>
        <source>c =</source>
        <translation>c =</translation>
    </message>
    <message>
        <source>fc(R) =</source>
        <translation>fc(R) =</translation>
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
    <message>
        <source>Pump concrete</source>
        <translation>Pumpbeton</translation>
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
</context>
<context>
    <name>vordalis::CTorvLimits</name>
    <message>
        <source>Limit</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>Display mean line</source>
        <translation>Mittelwertlinie anzeigen</translation>
    </message>
    <message>
        <source>Display limits</source>
        <translation>Grenzen anzeigen</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>Anfangseinstellungen</translation>
    </message>
</context>
</TS>
