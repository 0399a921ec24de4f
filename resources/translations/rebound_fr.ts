<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>Strings</name>
    <message>
      <source>Impact direction</source>
      <translation>Direction d'impact</translation>
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
      <source>Median rebound value</source>
      <translation>Indice de rebond médian</translation>
    </message>
    <message>
      <source>Median compressive strength</source>
      <translation>Résistance méd. compression</translation>
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
      <source>Unit</source>
      <translation>Unité</translation>
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
      <translation>Direction d'impact</translation>
    </message>
    <message>
      <source>Median</source>
      <translation>Médiane</translation>
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
