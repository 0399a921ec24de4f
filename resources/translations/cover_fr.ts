<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>Strings</name>
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
      <translation>Nombre d'enrobages mesurés</translation>
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
      <translation>Valeur limite de l'enrobage</translation>
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
