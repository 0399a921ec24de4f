<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Strings</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Update Vordalis to version %s</source>
        <translation>Vordalis auf Version %s aktualisieren</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>Neue Version verfügbar!</translation>
    </message>
    <message>
        <source>Rebar Locator</source>
        <translation>Bewehrungssuchgerät</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Remarks:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Überdeckung</translation>
    </message>
    <message>
        <source>Limit: %d mm</source>
        <translation>Grenzwert: %d mm</translation>
    </message>
    <message>
        <source>Bar diameter</source>
        <translation>Stabdurchmesser</translation>
    </message>
    <message>
        <source>X grid width</source>
        <translation>Rasterweite X</translation>
    </message>
    <message>
        <source>Y grid width</source>
        <translation>Rasterweite Y</translation>
    </message>
    <message>
        <source>Number of measured covers</source>
        <translation>Anzahl gemessener Überdeckungen</translation>
    </message>
    <message>
        <source>Total Area of measured grids</source>
        <translation>Gesamtfläche der gemessenen Raster</translation>
    </message>
    <message>
        <source>Set parameters</source>
        <translation>Eingestellte Parameter</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Average measured cover</source>
        <translation>Mittlere Überdeckung</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>Maximum of measured covers</source>
        <translation>Maximale Überdeckung</translation>
    </message>
    <message>
        <source>Minimum of measured covers</source>
        <translation>Minimale Überdeckung</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Spannweite</translation>
    </message>
    <message>
        <source>Measured covers</source>
        <translation>Gemessene Überdeckungen</translation>
    </message>
    <message>
        <source>Measured covers (continued)</source>
        <translation>Gemessene Überdeckungen (Fortsetzung)</translation>
    </message>
    <message>
        <source>Bar distance</source>
        <translation>Stababstand</translation>
    </message>
    <message>
        <source>Number of measured bars</source>
        <translation>Anzahl gemessener Stäbe</translation>
    </message>
    <message>
        <source>Cover values below limit</source>
        <translation>Werte unter dem Grenzwert</translation>
    </message>
    <message>
        <source>Limit value of covers</source>
        <translation>Überdeckungsgrenze</translation>
    </message>
    <message>
        <source>%s:
Object empty or not valid</source>
        <translation>%s:
Objekt leer oder ungültig</translation>
    </message>
    <message>
        <source>Double click to modify value</source>
        <translation>Doppelklick, um den Wert zu ändern</translation>
    </message>
    <message>
        <source>Double click to modify title/remarks</source>
        <translation>Doppelklick, um Titel/Bemerkungen zu ändern</translation>
    </message>
    <message>
        <source>Double click to modify limit/range</source>
        <translation>Doppelklick, um Grenzwert/Bereich zu ändern</translation>
    </message>
    <message>
        <source>Impact direction</source>
        <translation>Schlagrichtung</translation>
    </message>
    <message>
        <source>Eliminate outliers</source>
        <translation>Ausreißer eliminieren</translation>
    </message>
    <message>
        <source>Conversion curve</source>
        <translation>Umrechnungskurve</translation>
    </message>
    <message>
        <source>Carbonation depth</source>
        <translation>Karbonatisierungstiefe</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Zeitfaktor</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>Formfaktor</translation>
    </message>
    <message>
        <source>Mean compressive strength</source>
        <translation>Mittlere Druckfestigkeit</translation>
    </message>
    <message>
        <source>Rebound value</source>
        <translation>Rückprallwert</translation>
    </message>
    <message>
        <source>Number of measurements</source>
        <translation>Anzahl Messungen</translation>
    </message>
    <message>
        <source>Mean rebound value</source>
        <translation>Mittlerer Rückprallwert</translation>
    </message>
    <message>
        <source>Maximum rebound value</source>
        <translation>Maximaler Rückprallwert</translation>
    </message>
    <message>
        <source>Minimum rebound value</source>
        <translation>Minimaler Rückprallwert</translation>
    </message>
    <message>
        <source>Measured rebound value</source>
        <translation>Gemessene Rückprallwerte</translation>
    </message>
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
        <source>Double click to modify settings</source>
        <translation>Doppelklick, um die Einstellungen zu ändern</translation>
    </message>
    <message>
        <source>Double click to detail view</source>
        <translation>Doppelklick für die Detailansicht</translation>
    </message>
    <message>
        <source>Save changes to original file</source>
        <translation>Änderungen in der Originaldatei speichern</translation>
    </message>
    <message>
        <source>Median rebound value</source>
        <translation>Median-Rückprallwert</translation>
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
        <source>Median compressive strength</source>
        <translation>Median-Druckfestigkeit</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>Außerhalb des Bereichs (&lt;10 MPa oder &gt;60MPa) </translation>
    </message>
    <message>
        <source>2 Layer correction</source>
        <translation>2-Lagen-Korrektur</translation>
    </message>
    <message>
        <source>    1. Layer</source>
        <translation>    1. Lage</translation>
    </message>
    <message>
        <source>    2. Layer</source>
        <translation>    2. Lage</translation>
    </message>
    <message>
        <source>    Arrangement</source>
        <translation>    Anordnung</translation>
    </message>
    <message>
        <source>Failed to launch tamlo!</source>
        <translation>tamlo konnte nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Failed to launch ondralink!</source>
        <translation>ondralink konnte nicht gestartet werden!</translation>
    </message>
    <message>
        <source>It is not possible to run %s with a broken FTP connection.<byte value="xd"/>
Press [Finish] or [Cancel] to terminate %s.</source>
        <translation>%s kann mit einer unterbrochenen FTP-Verbindung nicht ausgeführt werden.<byte value="xd"/>
Drücken Sie [Fertig stellen] oder [Abbrechen], um %s zu beenden.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>There is no update available. <byte value="xd"/>
You are already using the most recent version of %s.</source>
        <translation>Es ist kein Update verfügbar. <byte value="xd"/>
Sie verwenden bereits die neueste Version von %s.</translation>
    </message>
    <message>
        <source>Found a newer version of %s on the server. <byte value="xd"/>
 Server version: %s <byte value="xd"/>
 Your version: %s</source>
        <translation>Auf dem Server wurde eine neuere Version von %s gefunden. <byte value="xd"/>
 Server-Version: %s <byte value="xd"/>
 Ihre Version: %s</translation>
    </message>
    <message>
        <source>Downloading %s</source>
        <translation>%s wird heruntergeladen</translation>
    </message>
    <message>
        <source>%s MB downloaded</source>
        <translation>%s MB heruntergeladen</translation>
    </message>
    <message>
        <source>Unknown error while downloading.</source>
        <translation>Unbekannter Fehler beim Herunterladen.</translation>
    </message>
    <message>
        <source>Receiving update information...</source>
        <translation>Update-Informationen werden empfangen...</translation>
    </message>
    <message>
        <source>Searching update for %s</source>
        <translation>Suche nach Update für %s</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Member %s: %s</source>
        <translation>Mitglied %s: %s</translation>
    </message>
</context>
</TS>
