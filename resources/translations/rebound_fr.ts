<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>Vue détaillée</translation>
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
        <translation>Évaluation d&apos;un élément isolé</translation>
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
    <name>vordalis::CTorvFenster</name>
    <message>
        <source>Torvihammer Settings</source>
        <translation>Réglages Torvihammer</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>Réglages initiaux</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>Facteur de forme</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>Facteur de temps</translation>
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
        <source>Impact direction</source>
        <translation>Direction d&apos;impact</translation>
    </message>
    <message>
        <source>Special conversion Fx</source>
        <translation>Conversion spéciale Fx</translation>
    </message>
    <message>
        <source>fc(R)   =   a R² + b R + c</source>
        <translation>fc(R)   =   a R² + b R + c</translation>
    </message>
    <message>
        <source>a =</source>
        <translation>a =</translation>
    </message>
    <message>
        <source>b =</source>
        <translation>b =</translation>
    </message>
    <message>
        <source>c =</source>
        <translation>c =</translation>
    </message>
    <message>
        <source>fc(R) =</source>
        <translation>fc(R) =</translation>
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
    <message>
        <source>Pump concrete</source>
        <translation>Béton pompé</translation>
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
</context>
<context>
    <name>vordalis::CTorvLimits</name>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Limite supérieure</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Limite inférieure</translation>
    </message>
    <message>
        <source>Display mean line</source>
        <translation>Afficher la ligne moyenne</translation>
    </message>
    <message>
        <source>Display limits</source>
        <translation>Afficher les limites</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>Réglages initiaux</translation>
    </message>
</context>
</TS>
