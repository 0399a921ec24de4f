<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Strings</name>
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
        <translation>Résistance de l'élément</translation>
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
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>Hors plage (&lt;10 MPa ou &gt;60MPa) </translation>
    </message>
</context>
<context>
    <name>vordalis::CTorvFensterChina</name>
    <message>
        <source>Torvihammer Settings</source>
        <translation>Réglages Torvihammer</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>Conversion générale</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>Réglages initiaux</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Impact direction</source>
        <translation>Direction de frappe</translation>
    </message>
    <message>
        <source>Concrete placing</source>
        <translation>Mise en place du béton</translation>
    </message>
    <message>
        <source>Carbonation depth</source>
        <translation>Profondeur de carbonatation</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>Béton pompé</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Dessus</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dessous</translation>
    </message>
</context>
<context>
    <name>vordalis::CSelectSummery</name>
    <message>
        <source>Select summary</source>
        <translation>Choisir le résumé</translation>
    </message>
    <message>
        <source>Torvihammer</source>
        <translation>Torvihammer</translation>
    </message>
    <message>
        <source>Torvihammer China</source>
        <translation>Torvihammer Chine</translation>
    </message>
    <message>
        <source>Single component evaluation</source>
        <translation>Évaluation d'un élément isolé</translation>
    </message>
    <message>
        <source>Batch component evaluation</source>
        <translation>Évaluation par lot</translation>
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
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>Vue détaillée</translation>
    </message>
</context>
</TS>
