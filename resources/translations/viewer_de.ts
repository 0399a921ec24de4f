<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vordalis::CAboutDlg</name>
    <message>
        <source>About Vordalis</source>
        <translation>Info über Vordalis</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Viewer for cover meter and rebound hammer measurements</source>
        <translation>Anzeige für Messungen von Bewehrungssuchgeräten und Rückprallhämmern</translation>
    </message>
</context>
<context>
    <name>vordalis::CBorderSetup</name>
    <message>
        <source>Pageborder Printer</source>
        <translation>Seitenränder Drucker</translation>
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
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>vordalis::CHelpDlg</name>
    <message>
        <source>Vordalis Help</source>
        <translation>Vordalis-Hilfe</translation>
    </message>
    <message>
        <source>Ctrl+Wheel</source>
        <translation>Strg+Mausrad</translation>
    </message>
    <message>
        <source>Zoom in or out about the mouse</source>
        <translation>Um die Mausposition vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>Arrow keys, Page Up, Page Down</source>
        <translation>Pfeiltasten, Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Die Seite rollen</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>Scroll to the left or right end; with Ctrl to the top or bottom</source>
        <translation>Zum linken oder rechten Rand rollen; mit Strg zum Anfang oder Ende</translation>
    </message>
    <message>
        <source>Vordalis shows the measurements of cover meters and rebound hammers. Each object file (.vdo) is shown as one page: a header with title, date and remarks, a chart, the parameters and statistics, and the table of values.</source>
        <translation>Vordalis zeigt die Messungen von Bewehrungssuchgeräten und Rückprallhämmern. Jede Objektdatei (.vdo) erscheint als eine Seite: ein Kopf mit Titel, Datum und Bemerkungen, ein Diagramm, die Parameter und die Statistik sowie die Tabelle der Werte.</translation>
    </message>
    <message>
        <source>Open a file with File &gt; Open, by dropping it on the window, or fetch it from the instrument with File &gt; Load. The status bar shows the position and value under the mouse. Double-click the header to edit title and remarks, the limits to change limit and range, and a value to change it once Edit &gt; Enable value change is ticked.</source>
        <translation>Öffnen Sie eine Datei mit Datei &gt; Öffnen, indem Sie sie auf das Fenster ziehen, oder holen Sie sie mit Datei &gt; Laden vom Gerät. Die Statusleiste zeigt Position und Wert unter der Maus. Ein Doppelklick auf den Kopf ändert Titel und Bemerkungen, auf die Grenzwerte Grenzwert und Bereich, und auf einen Wert diesen Wert, sobald Bearbeiten &gt; Wertänderung erlauben angehakt ist.</translation>
    </message>
    <message>
        <source>Copy puts the page on the clipboard as a picture and its table of values as text, which a spreadsheet pastes as columns.</source>
        <translation>Kopieren legt die Seite als Bild und ihre Wertetabelle als Text in die Zwischenablage; eine Tabellenkalkulation fügt sie in Spalten ein.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The language, the data folder, the display options, the page borders, the zoom, the window placement and the recent files are kept in %1. The transfer programs Ondralink and Tamlo read the same file.</source>
        <translation>Sprache, Datenordner, Anzeigeoptionen, Seitenränder, Zoom, Fensterposition und die zuletzt geöffneten Dateien stehen in %1. Die Übertragungsprogramme Ondralink und Tamlo lesen dieselbe Datei.</translation>
    </message>
</context>
<context>
    <name>vordalis::CMainFrame</name>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>Load an object from the instrument</source>
        <translation>Ein Objekt vom Gerät laden</translation>
    </message>
    <message>
        <source>Load from instrument</source>
        <translation>Vom Gerät laden</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing object file</source>
        <translation>Eine vorhandene Objektdatei öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Close the object; prompts to save it</source>
        <translation>Das Objekt schließen; fragt, ob es gespeichert werden soll</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Create S&amp;ummary...</source>
        <translation>&amp;Zusammenfassung erstellen...</translation>
    </message>
    <message>
        <source>Create a summary of several rebound files</source>
        <translation>Eine Zusammenfassung mehrerer Rückprall-Dateien erstellen</translation>
    </message>
    <message>
        <source>Create Summary</source>
        <translation>Zusammenfassung erstellen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the object</source>
        <translation>Das Objekt speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the object under a new name</source>
        <translation>Das Objekt unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the page to the clipboard</source>
        <translation>Die Seite in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Export the readings or statistics as CSV for spreadsheets</source>
        <translation>Messwerte oder Statistik als CSV für Tabellenkalkulationen exportieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Repor&amp;t...</source>
        <translation>&amp;Bericht...</translation>
    </message>
    <message>
        <source>Show one report over several object files</source>
        <translation>Einen Bericht über mehrere Objektdateien anzeigen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print the object</source>
        <translation>Das Objekt drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>Die gedruckten Seiten anzeigen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Page&amp;border...</source>
        <translation>Seiten&amp;ränder...</translation>
    </message>
    <message>
        <source>Set the page borders of the printer</source>
        <translation>Die Seitenränder des Druckers einstellen</translation>
    </message>
    <message>
        <source>Pageborder</source>
        <translation>Seitenränder</translation>
    </message>
    <message>
        <source>Run O&amp;ndralink</source>
        <translation>O&amp;ndralink starten</translation>
    </message>
    <message>
        <source>Start the transfer tool Ondralink</source>
        <translation>Das Übertragungsprogramm Ondralink starten</translation>
    </message>
    <message>
        <source>Run Ondralink</source>
        <translation>Ondralink starten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the object</source>
        <translation>Das Programm beenden; fragt, ob das Objekt gespeichert werden soll</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Title and remarks...</source>
        <translation>&amp;Titel und Bemerkungen...</translation>
    </message>
    <message>
        <source>Edit title, date, name and remarks</source>
        <translation>Titel, Datum, Name und Bemerkungen bearbeiten</translation>
    </message>
    <message>
        <source>Title and remarks</source>
        <translation>Titel und Bemerkungen</translation>
    </message>
    <message>
        <source>&amp;Limit and range...</source>
        <translation>&amp;Grenzwert und Bereich...</translation>
    </message>
    <message>
        <source>Edit the limit and the chart range</source>
        <translation>Grenzwert und Diagrammbereich bearbeiten</translation>
    </message>
    <message>
        <source>Limit and range</source>
        <translation>Grenzwert und Bereich</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Edit the conversion settings</source>
        <translation>Die Umrechnungseinstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Cover &amp;acceptance...</source>
        <translation>&amp;Abnahme der Deckung...</translation>
    </message>
    <message>
        <source>Judge the covers against the design cover</source>
        <translation>Die Deckungen mit der Solldeckung vergleichen</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>Abnahme der Betondeckung</translation>
    </message>
    <message>
        <source>&amp;Enable value change</source>
        <translation>&amp;Wertänderung erlauben</translation>
    </message>
    <message>
        <source>Allow single values to be changed by double click</source>
        <translation>Einzelne Werte per Doppelklick ändern lassen</translation>
    </message>
    <message>
        <source>Enable value change</source>
        <translation>Wertänderung erlauben</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>Show or hide the chart</source>
        <translation>Das Diagramm ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <translation>&amp;Werte</translation>
    </message>
    <message>
        <source>Show or hide the values in the chart</source>
        <translation>Die Werte im Diagramm ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Show or hide the statistics</source>
        <translation>Die Statistik ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>Show or hide the table of values</source>
        <translation>Die Wertetabelle ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>&amp;Grayscale</source>
        <translation>&amp;Graustufen</translation>
    </message>
    <message>
        <source>Draw the chart in shades of gray</source>
        <translation>Das Diagramm in Graustufen zeichnen</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>&amp;Inverted grayscale</source>
        <translation>&amp;Invertierte Graustufen</translation>
    </message>
    <message>
        <source>Draw the chart in inverted shades of gray</source>
        <translation>Das Diagramm in invertierten Graustufen zeichnen</translation>
    </message>
    <message>
        <source>Inverted grayscale</source>
        <translation>Invertierte Graustufen</translation>
    </message>
    <message>
        <source>Green/&amp;red shades</source>
        <translation>Grün/&amp;Rot-Töne</translation>
    </message>
    <message>
        <source>Draw the chart in green and red shades</source>
        <translation>Das Diagramm in Grün- und Rottönen zeichnen</translation>
    </message>
    <message>
        <source>Green/red shades</source>
        <translation>Grün/Rot-Töne</translation>
    </message>
    <message>
        <source>S&amp;pectral colors</source>
        <translation>S&amp;pektralfarben</translation>
    </message>
    <message>
        <source>Draw the chart in spectral colors</source>
        <translation>Das Diagramm in Spektralfarben zeichnen</translation>
    </message>
    <message>
        <source>Spectral colors</source>
        <translation>Spektralfarben</translation>
    </message>
    <message>
        <source>&amp;Axis</source>
        <translation>&amp;Achsen</translation>
    </message>
    <message>
        <source>Draw the chart with axes</source>
        <translation>Das Diagramm mit Achsen zeichnen</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Rahmen</translation>
    </message>
    <message>
        <source>Draw the chart in a frame</source>
        <translation>Das Diagramm in einem Rahmen zeichnen</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>&amp;Gitter</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>Das Gitter ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>T&amp;oolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>&amp;mm Scale</source>
        <translation>&amp;mm-Skala</translation>
    </message>
    <message>
        <source>Show positions in mm instead of m</source>
        <translation>Positionen in mm statt in m anzeigen</translation>
    </message>
    <message>
        <source>mm Scale</source>
        <translation>mm-Skala</translation>
    </message>
    <message>
        <source>Zoom I&amp;n</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>Die Seite größer zeigen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>Die Seite kleiner zeigen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Act&amp;ual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show the page at its normal size</source>
        <translation>Die Seite in normaler Größe zeigen</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>An &amp;Breite anpassen</translation>
    </message>
    <message>
        <source>Fit the width of the page into the window</source>
        <translation>Die Breite der Seite in das Fenster einpassen</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Fit Pag&amp;e</source>
        <translation>Ganze &amp;Seite</translation>
    </message>
    <message>
        <source>Fit the whole page into the window</source>
        <translation>Die ganze Seite in das Fenster einpassen</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Show the user interface in English</source>
        <translation>Die Benutzeroberfläche auf Englisch anzeigen</translation>
    </message>
    <message>
        <source>Show the user interface in French</source>
        <translation>Die Benutzeroberfläche auf Französisch anzeigen</translation>
    </message>
    <message>
        <source>Show the user interface in German</source>
        <translation>Die Benutzeroberfläche auf Deutsch anzeigen</translation>
    </message>
    <message>
        <source>Show the user interface in Chinese</source>
        <translation>Die Benutzeroberfläche auf Chinesisch anzeigen</translation>
    </message>
    <message>
        <source>Show the user interface in Russian</source>
        <translation>Die Benutzeroberfläche auf Russisch anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Show what the viewer does, its keys and where its settings live</source>
        <translation>Zeigen, was das Programm tut, seine Tasten und wo seine Einstellungen liegen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Vordalis...</source>
        <translation>&amp;Info über Vordalis...</translation>
    </message>
    <message>
        <source>Show the program name and version</source>
        <translation>Programmname und Version anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Vordalis-Objektdateien (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>Only the first dropped file is opened; %n other file(s) ignored.</source>
        <translation>
            <numerusform>Nur die erste abgelegte Datei wird geöffnet; %n weitere Datei ignoriert.</numerusform>
            <numerusform>Nur die erste abgelegte Datei wird geöffnet; %n weitere Dateien ignoriert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vordalis::CNexoloDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>There is no object to save.</source>
        <translation>Es gibt kein Objekt zum Speichern.</translation>
    </message>
    <message>
        <source>The object cannot be written in the file format.</source>
        <translation>Das Objekt kann nicht im Dateiformat geschrieben werden.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>vordalis::CTitleDlg</name>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Title and Remarks</source>
        <translation>Titel und Bemerkungen</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Remarks</source>
        <translation>&amp;Bemerkungen</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemerkungen</translation>
    </message>
</context>
<context>
    <name>vordalis::ReportCommands</name>
    <message>
        <source>Date of the report</source>
        <translation>Datum des Berichts</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Skipped files</source>
        <translation>Übersprungene Dateien</translation>
    </message>
    <message>
        <source>Cover list</source>
        <translation>Überdeckungsliste</translation>
    </message>
    <message>
        <source>Bar scan</source>
        <translation>Linienscan</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Rebound series</source>
        <translation>Rückprallserie</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>JGJ/T 23 series</source>
        <translation>JGJ/T 23-Serie</translation>
    </message>
    <message>
        <source>Readings, CSV (*.csv)</source>
        <translation>Messwerte, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV (*.csv)</source>
        <translation>Statistik, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Readings, CSV for spreadsheets (*.csv)</source>
        <translation>Messwerte, CSV für Tabellenkalkulation (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV for spreadsheets (*.csv)</source>
        <translation>Statistik, CSV für Tabellenkalkulation (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Bericht wird erstellt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
    <name>vordalis::SaveAsName</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Vordalis-Objektdateien (*.vdo)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The name %1 does not end in .vdo.
File &gt; Open and dropped files take only files ending in .vdo. Save under this name anyway?</source>
        <translation>Der Name %1 endet nicht auf .vdo.
Datei &gt; Öffnen und abgelegte Dateien nehmen nur Dateien mit der Endung .vdo. Trotzdem unter diesem Namen speichern?</translation>
    </message>
</context>
</TS>
