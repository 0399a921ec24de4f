<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vordalis::CCoverAcceptanceDlg</name>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>Abnahme der Betondeckung</translation>
    </message>
    <message>
        <source>&amp;Design cover:</source>
        <translation>&amp;Solldeckung:</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Slab</source>
        <translation>Platte</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>&amp;Member:</source>
        <translation>&amp;Bauteil:</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>Toleranz:</translation>
    </message>
    <message>
        <source>Add cover files</source>
        <translation>Deckungsdateien hinzufügen</translation>
    </message>
    <message>
        <source>Object files (*.vdo);;All files (*)</source>
        <translation>Objektdateien (*.vdo);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Further files of this sample</source>
        <translation>Weitere Dateien dieser Stichprobe</translation>
    </message>
    <message>
        <source>Second sample</source>
        <translation>Zweite Stichprobe</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>These files are no cover objects and were left out:</source>
        <translation>Diese Dateien sind keine Deckungsobjekte und wurden ausgelassen:</translation>
    </message>
    <message>
        <source>No cover to judge</source>
        <translation>Keine Deckung zu beurteilen</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Second sample required</source>
        <translation>Zweite Stichprobe erforderlich</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Design cover</source>
        <translation>Solldeckung</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Bauteil</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Within tolerance</source>
        <translation>Innerhalb der Toleranz</translation>
    </message>
    <message>
        <source>Pass rate</source>
        <translation>Anteil in Toleranz</translation>
    </message>
    <message>
        <source>Largest deviation below</source>
        <translation>Größte Abweichung nach unten</translation>
    </message>
    <message>
        <source>Largest deviation above</source>
        <translation>Größte Abweichung nach oben</translation>
    </message>
    <message>
        <source>Beyond 1.5 times the tolerance</source>
        <translation>Über dem 1,5-fachen der Toleranz</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Both samples: </source>
        <translation>Beide Stichproben: </translation>
    </message>
</context>
<context>
    <name>vordalis::CLimitDlg</name>
    <message>
        <source>Limit and Range</source>
        <translation>Grenzwert und Bereich</translation>
    </message>
    <message>
        <source>&amp;Tolerance limit</source>
        <translation>&amp;Toleranzgrenze</translation>
    </message>
    <message>
        <source>&amp;Initial setting</source>
        <translation>&amp;Grundeinstellung</translation>
    </message>
    <message>
        <source>&amp;Minimum cover</source>
        <translation>&amp;Mindestüberdeckung</translation>
    </message>
    <message>
        <source>&amp;Range of level chart</source>
        <translation>&amp;Bereich der Stufenkarte</translation>
    </message>
    <message>
        <source>I&amp;nitial settings</source>
        <translation>G&amp;rundeinstellungen</translation>
    </message>
    <message>
        <source>&amp;Lower threshold</source>
        <translation>&amp;Untere Schwelle</translation>
    </message>
    <message>
        <source>&amp;Upper threshold</source>
        <translation>&amp;Obere Schwelle</translation>
    </message>
</context>
<context>
    <name>vordalis::CModifyDlg</name>
    <message>
        <source>Modify value</source>
        <translation>Wert ändern</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>WARNING: Modified values cannot be restored 
automatically</source>
        <translation>ACHTUNG: Geänderte Werte können nicht 
automatisch wiederhergestellt werden</translation>
    </message>
</context>
</TS>
