<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vordalis::CCoverAcceptanceDlg</name>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>Réception de l&apos;enrobage</translation>
    </message>
    <message>
        <source>&amp;Design cover:</source>
        <translation>Enrobage &amp;nominal :</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Poutre</translation>
    </message>
    <message>
        <source>Slab</source>
        <translation>Dalle</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>&amp;Member:</source>
        <translation>&amp;Élément :</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>Tolérance :</translation>
    </message>
    <message>
        <source>Add cover files</source>
        <translation>Ajouter des fichiers d&apos;enrobage</translation>
    </message>
    <message>
        <source>Object files (*.vdo);;All files (*)</source>
        <translation>Fichiers objet (*.vdo);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Further files of this sample</source>
        <translation>Autres fichiers de cet échantillon</translation>
    </message>
    <message>
        <source>Second sample</source>
        <translation>Second échantillon</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>These files are no cover objects and were left out:</source>
        <translation>Ces fichiers ne sont pas des objets d&apos;enrobage et ont été ignorés :</translation>
    </message>
    <message>
        <source>No cover to judge</source>
        <translation>Aucun enrobage à évaluer</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Conforme</translation>
    </message>
    <message>
        <source>Second sample required</source>
        <translation>Second échantillon nécessaire</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Non conforme</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>Verdict :</translation>
    </message>
    <message>
        <source>Design cover</source>
        <translation>Enrobage nominal</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Within tolerance</source>
        <translation>Dans la tolérance</translation>
    </message>
    <message>
        <source>Pass rate</source>
        <translation>Taux de conformité</translation>
    </message>
    <message>
        <source>Largest deviation below</source>
        <translation>Plus grand écart en moins</translation>
    </message>
    <message>
        <source>Largest deviation above</source>
        <translation>Plus grand écart en plus</translation>
    </message>
    <message>
        <source>Beyond 1.5 times the tolerance</source>
        <translation>Au-delà de 1,5 fois la tolérance</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Both samples: </source>
        <translation>Deux échantillons : </translation>
    </message>
</context>
<context>
    <name>vordalis::CLimitDlg</name>
    <message>
        <source>Limit and Range</source>
        <translation>Limite et plage</translation>
    </message>
    <message>
        <source>&amp;Tolerance limit</source>
        <translation>Limite de &amp;tolérance</translation>
    </message>
    <message>
        <source>&amp;Initial setting</source>
        <translation>Réglage &amp;initial</translation>
    </message>
    <message>
        <source>&amp;Minimum cover</source>
        <translation>Enrobage &amp;minimal</translation>
    </message>
    <message>
        <source>&amp;Range of level chart</source>
        <translation>&amp;Plage de la carte</translation>
    </message>
    <message>
        <source>I&amp;nitial settings</source>
        <translation>Réglages i&amp;nitiaux</translation>
    </message>
    <message>
        <source>&amp;Lower threshold</source>
        <translation>Seuil &amp;inférieur</translation>
    </message>
    <message>
        <source>&amp;Upper threshold</source>
        <translation>Seuil &amp;supérieur</translation>
    </message>
</context>
<context>
    <name>vordalis::CModifyDlg</name>
    <message>
        <source>Modify value</source>
        <translation>Modifier la valeur</translation>
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
        <translation>&amp;Valeur</translation>
    </message>
    <message>
        <source>WARNING: Modified values cannot be restored 
automatically</source>
        <translation>ATTENTION : les valeurs modifiées ne peuvent pas être 
restaurées automatiquement</translation>
    </message>
</context>
</TS>
