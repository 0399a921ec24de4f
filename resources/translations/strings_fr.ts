<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Strings</name>
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
        <source>Update Vordalis to version %s</source>
        <translation>Mettre à jour Vordalis vers la version %s</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>Nouvelle version disponible !</translation>
    </message>
    <message>
        <source>Rebar Locator</source>
        <translation>Détecteur d&apos;armatures</translation>
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
        <source>Cover</source>
        <translation>Enrobage</translation>
    </message>
    <message>
        <source>Limit: %d mm</source>
        <translation>Limite: %d mm</translation>
    </message>
    <message>
        <source>Bar diameter</source>
        <translation>Diamètre des barres</translation>
    </message>
    <message>
        <source>X grid width</source>
        <translation>Pas de grille X</translation>
    </message>
    <message>
        <source>Y grid width</source>
        <translation>Pas de grille Y</translation>
    </message>
    <message>
        <source>Number of measured covers</source>
        <translation>Nombre d&apos;enrobages mesurés</translation>
    </message>
    <message>
        <source>Total Area of measured grids</source>
        <translation>Surface totale mesurée</translation>
    </message>
    <message>
        <source>Set parameters</source>
        <translation>Paramètres réglés</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Statistique</translation>
    </message>
    <message>
        <source>Average measured cover</source>
        <translation>Enrobage moyen</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Écart type</translation>
    </message>
    <message>
        <source>Maximum of measured covers</source>
        <translation>Enrobage maximal</translation>
    </message>
    <message>
        <source>Minimum of measured covers</source>
        <translation>Enrobage minimal</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Étendue</translation>
    </message>
    <message>
        <source>Measured covers</source>
        <translation>Enrobages mesurés</translation>
    </message>
    <message>
        <source>Measured covers (continued)</source>
        <translation>Enrobages mesurés (suite)</translation>
    </message>
    <message>
        <source>Bar distance</source>
        <translation>Espacement des barres</translation>
    </message>
    <message>
        <source>Number of measured bars</source>
        <translation>Nombre de barres mesurées</translation>
    </message>
    <message>
        <source>Cover values below limit</source>
        <translation>Valeurs sous la limite</translation>
    </message>
    <message>
        <source>Limit value of covers</source>
        <translation>Limite d&apos;enrobage</translation>
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
        <source>Impact direction</source>
        <translation>Direction d&apos;impact</translation>
    </message>
    <message>
        <source>Eliminate outliers</source>
        <translation>Éliminer les valeurs aberrantes</translation>
    </message>
    <message>
        <source>Conversion curve</source>
        <translation>Courbe de conversion</translation>
    </message>
    <message>
        <source>Carbonation depth</source>
        <translation>Profondeur de carbonatation</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Facteur de temps</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>Facteur de forme</translation>
    </message>
    <message>
        <source>Mean compressive strength</source>
        <translation>Résistance moy. compression</translation>
    </message>
    <message>
        <source>Rebound value</source>
        <translation>Indice de rebond</translation>
    </message>
    <message>
        <source>Number of measurements</source>
        <translation>Nombre de mesures</translation>
    </message>
    <message>
        <source>Mean rebound value</source>
        <translation>Indice de rebond moyen</translation>
    </message>
    <message>
        <source>Maximum rebound value</source>
        <translation>Indice de rebond maximal</translation>
    </message>
    <message>
        <source>Minimum rebound value</source>
        <translation>Indice de rebond minimal</translation>
    </message>
    <message>
        <source>Measured rebound value</source>
        <translation>Indices de rebond mesurés</translation>
    </message>
    <message>
        <source>Concrete placing</source>
        <translation>Mise en place du béton</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>Béton pompé</translation>
    </message>
    <message>
        <source>With impact direction</source>
        <translation>Avec direction de frappe</translation>
    </message>
    <message>
        <source>With concrete placing</source>
        <translation>Avec mise en place</translation>
    </message>
    <message>
        <source>With carbonation depth</source>
        <translation>Avec profondeur de carbonatation</translation>
    </message>
    <message>
        <source>With pump concrete</source>
        <translation>Avec béton pompé</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dessous</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>Conversion générale</translation>
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
        <translation>Enregistrer les modifications dans le fichier d&apos;origine</translation>
    </message>
    <message>
        <source>Median rebound value</source>
        <translation>Indice de rebond médian</translation>
    </message>
    <message>
        <source>Title : mean rebound value [R]</source>
        <translation>Titre : valeur de rebond moyenne [R]</translation>
    </message>
    <message>
        <source>Title : mean value f2 [MPa]</source>
        <translation>Titre : valeur moyenne f2 [MPa]</translation>
    </message>
    <message>
        <source>Number of measurement series</source>
        <translation>Nombre de séries de mesures</translation>
    </message>
    <message>
        <source>Component strength</source>
        <translation>Résistance de l&apos;élément</translation>
    </message>
    <message>
        <source>Summary mean value</source>
        <translation>Valeur moyenne du résumé</translation>
    </message>
    <message>
        <source>Summary mean compr. strength</source>
        <translation>Résistance moyenne du résumé</translation>
    </message>
    <message>
        <source>Mean value</source>
        <translation>Valeur moyenne</translation>
    </message>
    <message>
        <source>Minimum value</source>
        <translation>Valeur minimale</translation>
    </message>
    <message>
        <source>Maximum value</source>
        <translation>Valeur maximale</translation>
    </message>
    <message>
        <source>Summary median value</source>
        <translation>Valeur médiane du résumé</translation>
    </message>
    <message>
        <source>Summary median compr. strength</source>
        <translation>Résistance médiane du résumé</translation>
    </message>
    <message>
        <source>Median compressive strength</source>
        <translation>Résistance méd. compression</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>Hors plage (&lt;10 MPa ou &gt;60MPa) </translation>
    </message>
    <message>
        <source>2 Layer correction</source>
        <translation>Correction 2 nappes</translation>
    </message>
    <message>
        <source>    1. Layer</source>
        <translation>    1re nappe</translation>
    </message>
    <message>
        <source>    2. Layer</source>
        <translation>    2e nappe</translation>
    </message>
    <message>
        <source>    Arrangement</source>
        <translation>    Disposition</translation>
    </message>
    <message>
        <source>Failed to launch tamlo!</source>
        <translation>Impossible de lancer tamlo !</translation>
    </message>
    <message>
        <source>Failed to launch ondralink!</source>
        <translation>Impossible de lancer ondralink !</translation>
    </message>
    <message>
        <source>It is not possible to run %s with a broken FTP connection.<byte value="xd"/>
Press [Finish] or [Cancel] to terminate %s.</source>
        <translation>Impossible d&apos;exécuter %s avec une connexion FTP interrompue.<byte value="xd"/>
Appuyez sur [Terminer] ou [Annuler] pour quitter %s.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>There is no update available. <byte value="xd"/>
You are already using the most recent version of %s.</source>
        <translation>Aucune mise à jour disponible. <byte value="xd"/>
Vous utilisez déjà la version la plus récente de %s.</translation>
    </message>
    <message>
        <source>Found a newer version of %s on the server. <byte value="xd"/>
 Server version: %s <byte value="xd"/>
 Your version: %s</source>
        <translation>Une version plus récente de %s a été trouvée sur le serveur. <byte value="xd"/>
 Version du serveur : %s <byte value="xd"/>
 Votre version : %s</translation>
    </message>
    <message>
        <source>Downloading %s</source>
        <translation>Téléchargement de %s</translation>
    </message>
    <message>
        <source>%s MB downloaded</source>
        <translation>%s Mo téléchargés</translation>
    </message>
    <message>
        <source>Unknown error while downloading.</source>
        <translation>Erreur inconnue lors du téléchargement.</translation>
    </message>
    <message>
        <source>Receiving update information...</source>
        <translation>Réception des informations de mise à jour...</translation>
    </message>
    <message>
        <source>Searching update for %s</source>
        <translation>Recherche d&apos;une mise à jour pour %s</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Member %s: %s</source>
        <translation>Membre %s : %s</translation>
    </message>
</context>
</TS>
