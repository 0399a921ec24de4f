<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vordalis::CAboutDlg</name>
    <message>
        <source>About Vordalis</source>
        <translation>À propos de Vordalis</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Viewer for cover meter and rebound hammer measurements</source>
        <translation>Visualiseur des mesures de profomètre et de scléromètre</translation>
    </message>
</context>
<context>
    <name>vordalis::CBorderSetup</name>
    <message>
        <source>Pageborder Printer</source>
        <translation>Marges de page de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
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
        <translation>Défiler jusqu&apos;au bord gauche ou droit ; avec Ctrl jusqu&apos;en haut ou en bas</translation>
    </message>
    <message>
        <source>Vordalis shows the measurements of cover meters and rebound hammers. Each object file (.vdo) is shown as one page: a header with title, date and remarks, a chart, the parameters and statistics, and the table of values.</source>
        <translation>Vordalis affiche les mesures des détecteurs d&apos;armatures et des scléromètres. Chaque fichier objet (.vdo) est présenté sur une page : un en-tête avec titre, date et remarques, un graphique, les paramètres et les statistiques, et le tableau des valeurs.</translation>
    </message>
    <message>
        <source>Open a file with File &gt; Open, by dropping it on the window, or fetch it from the instrument with File &gt; Load. The status bar shows the position and value under the mouse. Double-click the header to edit title and remarks, the limits to change limit and range, and a value to change it once Edit &gt; Enable value change is ticked.</source>
        <translation>Ouvrez un fichier avec Fichier &gt; Ouvrir, en le déposant sur la fenêtre, ou chargez-le depuis l&apos;appareil avec Fichier &gt; Charger. La barre d&apos;état indique la position et la valeur sous la souris. Un double-clic sur l&apos;en-tête modifie le titre et les remarques, sur les limites la limite et la plage, et sur une valeur cette valeur, dès que Édition &gt; Autoriser la modification des valeurs est coché.</translation>
    </message>
    <message>
        <source>Copy puts the page on the clipboard as a picture and its table of values as text, which a spreadsheet pastes as columns.</source>
        <translation>Copier place la page dans le presse-papiers comme image et son tableau de valeurs comme texte, qu&apos;un tableur colle en colonnes.</translation>
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
        <translation>La langue, le dossier de données, les options d&apos;affichage, les marges, le zoom, la position de la fenêtre et les fichiers récents sont conservés dans %1. Les programmes de transfert Ondralink et Tamlo lisent le même fichier.</translation>
    </message>
</context>
<context>
    <name>vordalis::CMainFrame</name>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message>
        <source>Load an object from the instrument</source>
        <translation>Charger un objet depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>Load from instrument</source>
        <translation>Charger depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open an existing object file</source>
        <translation>Ouvrir un fichier objet existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close the object; prompts to save it</source>
        <translation>Fermer l&apos;objet ; propose de l&apos;enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Create S&amp;ummary...</source>
        <translation>Créer une s&amp;ynthèse...</translation>
    </message>
    <message>
        <source>Create a summary of several rebound files</source>
        <translation>Créer une synthèse de plusieurs fichiers de scléromètre</translation>
    </message>
    <message>
        <source>Create Summary</source>
        <translation>Créer une synthèse</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the object</source>
        <translation>Enregistrer l&apos;objet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save the object under a new name</source>
        <translation>Enregistrer l&apos;objet sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the page to the clipboard</source>
        <translation>Copier la page dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Export the readings or statistics as CSV for spreadsheets</source>
        <translation>Exporter les mesures ou les statistiques en CSV pour tableur</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Repor&amp;t...</source>
        <translation>Ra&amp;pport...</translation>
    </message>
    <message>
        <source>Show one report over several object files</source>
        <translation>Afficher un rapport sur plusieurs fichiers objets</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the object</source>
        <translation>Imprimer l&apos;objet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>Afficher les pages imprimées</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configuration de l&apos;imp&amp;rimante...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Changer l&apos;imprimante et les options d&apos;impression</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Page&amp;border...</source>
        <translation>&amp;Marges de page...</translation>
    </message>
    <message>
        <source>Set the page borders of the printer</source>
        <translation>Définir les marges de page de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Pageborder</source>
        <translation>Marges de page</translation>
    </message>
    <message>
        <source>Run O&amp;ndralink</source>
        <translation>Lancer O&amp;ndralink</translation>
    </message>
    <message>
        <source>Start the transfer tool Ondralink</source>
        <translation>Lancer l&apos;outil de transfert Ondralink</translation>
    </message>
    <message>
        <source>Run Ondralink</source>
        <translation>Lancer Ondralink</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the object</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer l&apos;objet</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Title and remarks...</source>
        <translation>&amp;Titre et remarques...</translation>
    </message>
    <message>
        <source>Edit title, date, name and remarks</source>
        <translation>Modifier le titre, la date, le nom et les remarques</translation>
    </message>
    <message>
        <source>Title and remarks</source>
        <translation>Titre et remarques</translation>
    </message>
    <message>
        <source>&amp;Limit and range...</source>
        <translation>&amp;Limite et plage...</translation>
    </message>
    <message>
        <source>Edit the limit and the chart range</source>
        <translation>Modifier la limite et la plage du graphique</translation>
    </message>
    <message>
        <source>Limit and range</source>
        <translation>Limite et plage</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <source>Edit the conversion settings</source>
        <translation>Modifier les paramètres de conversion</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Cover &amp;acceptance...</source>
        <translation>Réception de l&apos;&amp;enrobage...</translation>
    </message>
    <message>
        <source>Judge the covers against the design cover</source>
        <translation>Évaluer les enrobages par rapport à l&apos;enrobage nominal</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>Réception de l&apos;enrobage</translation>
    </message>
    <message>
        <source>&amp;Enable value change</source>
        <translation>&amp;Autoriser la modification des valeurs</translation>
    </message>
    <message>
        <source>Allow single values to be changed by double click</source>
        <translation>Permettre de modifier une valeur par double-clic</translation>
    </message>
    <message>
        <source>Enable value change</source>
        <translation>Autoriser la modification des valeurs</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>Show or hide the chart</source>
        <translation>Afficher ou masquer le graphique</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <translation>&amp;Valeurs</translation>
    </message>
    <message>
        <source>Show or hide the values in the chart</source>
        <translation>Afficher ou masquer les valeurs dans le graphique</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>Show or hide the statistics</source>
        <translation>Afficher ou masquer les statistiques</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>Show or hide the table of values</source>
        <translation>Afficher ou masquer le tableau des valeurs</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>&amp;Grayscale</source>
        <translation>&amp;Niveaux de gris</translation>
    </message>
    <message>
        <source>Draw the chart in shades of gray</source>
        <translation>Dessiner le graphique en niveaux de gris</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>&amp;Inverted grayscale</source>
        <translation>Niveaux de gris &amp;inversés</translation>
    </message>
    <message>
        <source>Draw the chart in inverted shades of gray</source>
        <translation>Dessiner le graphique en niveaux de gris inversés</translation>
    </message>
    <message>
        <source>Inverted grayscale</source>
        <translation>Niveaux de gris inversés</translation>
    </message>
    <message>
        <source>Green/&amp;red shades</source>
        <translation>Nuances &amp;vert/rouge</translation>
    </message>
    <message>
        <source>Draw the chart in green and red shades</source>
        <translation>Dessiner le graphique en nuances de vert et de rouge</translation>
    </message>
    <message>
        <source>Green/red shades</source>
        <translation>Nuances vert/rouge</translation>
    </message>
    <message>
        <source>S&amp;pectral colors</source>
        <translation>Couleurs s&amp;pectrales</translation>
    </message>
    <message>
        <source>Draw the chart in spectral colors</source>
        <translation>Dessiner le graphique en couleurs spectrales</translation>
    </message>
    <message>
        <source>Spectral colors</source>
        <translation>Couleurs spectrales</translation>
    </message>
    <message>
        <source>&amp;Axis</source>
        <translation>&amp;Axes</translation>
    </message>
    <message>
        <source>Draw the chart with axes</source>
        <translation>Dessiner le graphique avec des axes</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Cadre</translation>
    </message>
    <message>
        <source>Draw the chart in a frame</source>
        <translation>Dessiner le graphique dans un cadre</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>&amp;Quadrillage</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>Afficher ou masquer le quadrillage</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Quadrillage</translation>
    </message>
    <message>
        <source>T&amp;oolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;mm Scale</source>
        <translation>Échelle en &amp;mm</translation>
    </message>
    <message>
        <source>Show positions in mm instead of m</source>
        <translation>Afficher les positions en mm au lieu de m</translation>
    </message>
    <message>
        <source>mm Scale</source>
        <translation>Échelle en mm</translation>
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
        <source>Show the user interface in English</source>
        <translation>Afficher l&apos;interface en anglais</translation>
    </message>
    <message>
        <source>Show the user interface in French</source>
        <translation>Afficher l&apos;interface en français</translation>
    </message>
    <message>
        <source>Show the user interface in German</source>
        <translation>Afficher l&apos;interface en allemand</translation>
    </message>
    <message>
        <source>Show the user interface in Chinese</source>
        <translation>Afficher l&apos;interface en chinois</translation>
    </message>
    <message>
        <source>Show the user interface in Russian</source>
        <translation>Afficher l&apos;interface en russe</translation>
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
        <source>&amp;About Vordalis...</source>
        <translation>À &amp;propos de Vordalis...</translation>
    </message>
    <message>
        <source>Show the program name and version</source>
        <translation>Afficher le nom et la version du programme</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
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
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Fichiers objet Vordalis (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
    <name>vordalis::CNexoloDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Le fichier %1 n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>There is no object to save.</source>
        <translation>Il n&apos;y a aucun objet à enregistrer.</translation>
    </message>
    <message>
        <source>The object cannot be written in the file format.</source>
        <translation>L&apos;objet ne peut pas être écrit dans le format de fichier.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>vordalis::CTitleDlg</name>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Ne saisissez pas plus de %1 caractères.</translation>
    </message>
    <message>
        <source>Title and Remarks</source>
        <translation>Titre et remarques</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Remarks</source>
        <translation>&amp;Remarques</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
</context>
<context>
    <name>vordalis::ReportCommands</name>
    <message>
        <source>Date of the report</source>
        <translation>Date du rapport</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Skipped files</source>
        <translation>Fichiers ignorés</translation>
    </message>
    <message>
        <source>Cover list</source>
        <translation>Liste d&apos;enrobages</translation>
    </message>
    <message>
        <source>Bar scan</source>
        <translation>Balayage linéaire</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>Trame</translation>
    </message>
    <message>
        <source>Rebound series</source>
        <translation>Série de rebonds</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>JGJ/T 23 series</source>
        <translation>Série JGJ/T 23</translation>
    </message>
    <message>
        <source>Readings, CSV (*.csv)</source>
        <translation>Mesures, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV (*.csv)</source>
        <translation>Statistiques, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Readings, CSV for spreadsheets (*.csv)</source>
        <translation>Mesures, CSV pour tableur (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV for spreadsheets (*.csv)</source>
        <translation>Statistiques, CSV pour tableur (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Préparation du rapport...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Fichiers objet Vordalis (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
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
Fichier &gt; Ouvrir et le glisser-déposer n&apos;acceptent que les fichiers se terminant par .vdo. Enregistrer quand même sous ce nom ?</translation>
    </message>
</context>
</TS>
