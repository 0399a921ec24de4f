<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>vordalis::CMainFrame</name>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Fermer</translation>
    </message>
    <message>
      <source>Close the object; prompts to save it</source>
      <translation>Fermer l'objet ; propose de l'enregistrer</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fermer</translation>
    </message>
    <message>
      <source>Zoom I&amp;n</source>
      <translation>Zoom &amp;avant</translation>
    </message>
    <message>
      <source>Show the page larger</source>
      <translation>Afficher la page plus grande</translation>
    </message>
    <message>
      <source>Zoom In</source>
      <translation>Zoom avant</translation>
    </message>
    <message>
      <source>&amp;Zoom Out</source>
      <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
      <source>Show the page smaller</source>
      <translation>Afficher la page plus petite</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>Zoom arrière</translation>
    </message>
    <message>
      <source>Act&amp;ual Size</source>
      <translation>Taille &amp;réelle</translation>
    </message>
    <message>
      <source>Show the page at its normal size</source>
      <translation>Afficher la page à sa taille normale</translation>
    </message>
    <message>
      <source>Actual Size</source>
      <translation>Taille réelle</translation>
    </message>
    <message>
      <source>Fit &amp;Width</source>
      <translation>Ajuster à la &amp;largeur</translation>
    </message>
    <message>
      <source>Fit the width of the page into the window</source>
      <translation>Ajuster la largeur de la page à la fenêtre</translation>
    </message>
    <message>
      <source>Fit Width</source>
      <translation>Ajuster à la largeur</translation>
    </message>
    <message>
      <source>Fit Pag&amp;e</source>
      <translation>&amp;Page entière</translation>
    </message>
    <message>
      <source>Fit the whole page into the window</source>
      <translation>Ajuster la page entière à la fenêtre</translation>
    </message>
    <message>
      <source>Fit Page</source>
      <translation>Page entière</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Aide</translation>
    </message>
    <message>
      <source>Show what the viewer does, its keys and where its settings live</source>
      <translation>Afficher ce que fait le programme, ses touches et où se trouvent ses réglages</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Aide</translation>
    </message>
    <message>
      <source>Zoom %1 %</source>
      <translation>Zoom %1 %</translation>
    </message>
    <message numerus="yes">
      <source>Only the first dropped file is opened; %n other file(s) ignored.</source>
      <translation>
        <numerusform>Seul le premier fichier déposé est ouvert ; %n autre fichier ignoré.</numerusform>
        <numerusform>Seul le premier fichier déposé est ouvert ; %n autres fichiers ignorés.</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>vordalis::CHelpDlg</name>
    <message>
      <source>Vordalis Help</source>
      <translation>Aide de Vordalis</translation>
    </message>
    <message>
      <source>Ctrl+Wheel</source>
      <translation>Ctrl+molette</translation>
    </message>
    <message>
      <source>Zoom in or out about the mouse</source>
      <translation>Zoom avant ou arrière autour de la souris</translation>
    </message>
    <message>
      <source>Arrow keys, Page Up, Page Down</source>
      <translation>Flèches, Page préc., Page suiv.</translation>
    </message>
    <message>
      <source>Scroll the page</source>
      <translation>Faire défiler la page</translation>
    </message>
    <message>
      <source>Home, End</source>
      <translation>Début, Fin</translation>
    </message>
    <message>
      <source>Scroll to the left or right end; with Ctrl to the top or bottom</source>
      <translation>Défiler jusqu'au bord gauche ou droit ; avec Ctrl jusqu'en haut ou en bas</translation>
    </message>
    <message>
      <source>Vordalis shows the measurements of cover meters and rebound hammers. Each object file (.vdo) is shown as one page: a header with title, date and remarks, a chart, the parameters and statistics, and the table of values.</source>
      <translation>Vordalis affiche les mesures des détecteurs d'armatures et des scléromètres. Chaque fichier objet (.vdo) est présenté sur une page : un en-tête avec titre, date et remarques, un graphique, les paramètres et les statistiques, et le tableau des valeurs.</translation>
    </message>
    <message>
      <source>Open a file with File &gt; Open, by dropping it on the window, or fetch it from the instrument with File &gt; Load. The status bar shows the position and value under the mouse. Double-click the header to edit title and remarks, the limits to change limit and range, and a value to change it once Edit &gt; Enable value change is ticked.</source>
      <translation>Ouvrez un fichier avec Fichier &gt; Ouvrir, en le déposant sur la fenêtre, ou chargez-le depuis l'appareil avec Fichier &gt; Charger. La barre d'état indique la position et la valeur sous la souris. Un double-clic sur l'en-tête modifie le titre et les remarques, sur les limites la limite et la plage, et sur une valeur cette valeur, dès que Édition &gt; Autoriser la modification des valeurs est coché.</translation>
    </message>
    <message>
      <source>Copy puts the page on the clipboard as a picture and its table of values as text, which a spreadsheet pastes as columns.</source>
      <translation>Copier place la page dans le presse-papiers comme image et son tableau de valeurs comme texte, qu'un tableur colle en colonnes.</translation>
    </message>
    <message>
      <source>Keys</source>
      <translation>Touches</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Réglages</translation>
    </message>
    <message>
      <source>The language, the data folder, the display options, the page borders, the zoom, the window placement and the recent files are kept in %1. The transfer programs Ondralink and Tamlo read the same file.</source>
      <translation>La langue, le dossier de données, les options d'affichage, les marges, le zoom, la position de la fenêtre et les fichiers récents sont conservés dans %1. Les programmes de transfert Ondralink et Tamlo lisent le même fichier.</translation>
    </message>
  </context>
  <context>
    <name>vordalis::SaveAsName</name>
    <message>
      <source>Save As</source>
      <translation>Enregistrer sous</translation>
    </message>
    <message>
      <source>Vordalis Object Files (*.vdo)</source>
      <translation>Fichiers objet Vordalis (*.vdo)</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
      <source>The name %1 does not end in .vdo.
File &gt; Open and dropped files take only files ending in .vdo. Save under this name anyway?</source>
      <translation>Le nom %1 ne se termine pas par .vdo.
Fichier &gt; Ouvrir et le glisser-déposer n'acceptent que les fichiers se terminant par .vdo. Enregistrer quand même sous ce nom ?</translation>
    </message>
  </context>
</TS>
