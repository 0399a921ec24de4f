<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
  <context>
    <name>vordalis::CMainFrame</name>
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
      <source>Zoom %1 %</source>
      <translation>Zoom %1 %</translation>
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
