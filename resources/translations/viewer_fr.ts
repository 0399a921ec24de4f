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
      <translation>Marges de page de l'imprimante</translation>
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
    <name>vordalis::CMainFrame</name>
    <message>
      <source>Cover &amp;acceptance...</source>
      <translation>Réception de l'&amp;enrobage...</translation>
    </message>
    <message>
      <source>Judge the covers against the design cover</source>
      <translation>Évaluer les enrobages par rapport à l'enrobage nominal</translation>
    </message>
    <message>
      <source>Cover acceptance</source>
      <translation>Réception de l'enrobage</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>&amp;Charger...</translation>
    </message>
    <message>
      <source>Load an object from the instrument</source>
      <translation>Charger un objet depuis l'appareil</translation>
    </message>
    <message>
      <source>Load from instrument</source>
      <translation>Charger depuis l'appareil</translation>
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
      <translation>Enregistrer l'objet</translation>
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
      <translation>Enregistrer l'objet sous un nouveau nom</translation>
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
      <source>&amp;Print...</source>
      <translation>&amp;Imprimer...</translation>
    </message>
    <message>
      <source>Print the object</source>
      <translation>Imprimer l'objet</translation>
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
      <translation>Configuration de l'imp&amp;rimante...</translation>
    </message>
    <message>
      <source>Change the printer and printing options</source>
      <translation>Changer l'imprimante et les options d'impression</translation>
    </message>
    <message>
      <source>Print Setup</source>
      <translation>Configuration de l'imprimante</translation>
    </message>
    <message>
      <source>Page&amp;border...</source>
      <translation>&amp;Marges de page...</translation>
    </message>
    <message>
      <source>Set the page borders of the printer</source>
      <translation>Définir les marges de page de l'imprimante</translation>
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
      <translation>Lancer l'outil de transfert Ondralink</translation>
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
      <translation>Quitter l'application ; propose d'enregistrer l'objet</translation>
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
      <translation>&amp;Barre d'outils</translation>
    </message>
    <message>
      <source>Show or hide the toolbar</source>
      <translation>Afficher ou masquer la barre d'outils</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Barre d'outils</translation>
    </message>
    <message>
      <source>Status &amp;Bar</source>
      <translation>Barre d'é&amp;tat</translation>
    </message>
    <message>
      <source>Show or hide the status bar</source>
      <translation>Afficher ou masquer la barre d'état</translation>
    </message>
    <message>
      <source>Status Bar</source>
      <translation>Barre d'état</translation>
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
      <source>Show the user interface in English</source>
      <translation>Afficher l'interface en anglais</translation>
    </message>
    <message>
      <source>Show the user interface in French</source>
      <translation>Afficher l'interface en français</translation>
    </message>
    <message>
      <source>Show the user interface in German</source>
      <translation>Afficher l'interface en allemand</translation>
    </message>
    <message>
      <source>Show the user interface in Chinese</source>
      <translation>Afficher l'interface en chinois</translation>
    </message>
    <message>
      <source>Show the user interface in Russian</source>
      <translation>Afficher l'interface en russe</translation>
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
  </context>
  <context>
    <name>vordalis::CNexoloDoc</name>
    <message>
      <source>Untitled</source>
      <translation>Sans titre</translation>
    </message>
    <message>
      <source>The file %1 could not be saved.</source>
      <translation>Le fichier %1 n'a pas pu être enregistré.</translation>
    </message>
    <message>
      <source>There is no object to save.</source>
      <translation>Il n'y a aucun objet à enregistrer.</translation>
    </message>
    <message>
      <source>The object cannot be written in the file format.</source>
      <translation>L'objet ne peut pas être écrit dans le format de fichier.</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Enregistrer sous</translation>
    </message>
    <message>
      <source>Vordalis Object Files (*.vdo)</source>
      <translation>Fichiers objet Vordalis (*.vdo)</translation>
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
      <source>&amp;Date</source>
      <translation>&amp;Date</translation>
    </message>
    <message>
      <source>&amp;Name</source>
      <translation>&amp;Nom</translation>
    </message>
    <message>
      <source>&amp;Remarks</source>
      <translation>&amp;Remarques</translation>
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
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nom</translation>
    </message>
    <message>
      <source>Remarks</source>
      <translation>Remarques</translation>
    </message>
  </context>
  <context>
    <name>Strings</name>
    <message>
      <source>Rebar Locator</source>
      <translation>Détecteur d'armatures</translation>
    </message>
    <message>
      <source>Date:</source>
      <translation>Date :</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Nom :</translation>
    </message>
    <message>
      <source>Title:</source>
      <translation>Titre :</translation>
    </message>
    <message>
      <source>Remarks:</source>
      <translation>Remarques :</translation>
    </message>
    <message>
      <source>%s:
Object empty or not valid</source>
      <translation>%s :
Objet vide ou non valide</translation>
    </message>
    <message>
      <source>Double click to modify value</source>
      <translation>Double-cliquer pour modifier la valeur</translation>
    </message>
    <message>
      <source>Double click to modify title/remarks</source>
      <translation>Double-cliquer pour modifier le titre/les remarques</translation>
    </message>
    <message>
      <source>Double click to modify limit/range</source>
      <translation>Double-cliquer pour modifier la limite/la plage</translation>
    </message>
    <message>
      <source>Double click to modify settings</source>
      <translation>Double-cliquer pour modifier les paramètres</translation>
    </message>
    <message>
      <source>Double click to detail view</source>
      <translation>Double-cliquer pour la vue détaillée</translation>
    </message>
    <message>
      <source>Save changes to original file</source>
      <translation>Enregistrer les modifications dans le fichier d'origine</translation>
    </message>
    <message>
      <source>No such file or directory</source>
      <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
      <source>Is a directory</source>
      <translation>Est un dossier</translation>
    </message>
    <message>
      <source>Permission denied</source>
      <translation>Permission refusée</translation>
    </message>
    <message>
      <source>Member %s: %s</source>
      <translation>Membre %s : %s</translation>
    </message>
    <message>
      <source>Failed to launch tamlo!</source>
      <translation>Impossible de lancer tamlo !</translation>
    </message>
    <message>
      <source>Failed to launch ondralink!</source>
      <translation>Impossible de lancer ondralink !</translation>
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
      <translation>Liste d'enrobages</translation>
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
</TS>
