<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
  <context>
    <name>Strings</name>
    <message>
      <source>Cover</source>
      <translation>Überdeckung</translation>
    </message>
    <message>
      <source>Limit: %d mm</source>
      <translation>Grenzwert: %d mm</translation>
    </message>
    <message>
      <source>Bar diameter</source>
      <translation>Stabdurchmesser</translation>
    </message>
    <message>
      <source>X grid width</source>
      <translation>Rasterweite X</translation>
    </message>
    <message>
      <source>Y grid width</source>
      <translation>Rasterweite Y</translation>
    </message>
    <message>
      <source>Number of measured covers</source>
      <translation>Anzahl gemessener Überdeckungen</translation>
    </message>
    <message>
      <source>Total Area of measured grids</source>
      <translation>Gesamtfläche der gemessenen Raster</translation>
    </message>
    <message>
      <source>Set parameters</source>
      <translation>Eingestellte Parameter</translation>
    </message>
    <message>
      <source>Statistic</source>
      <translation>Statistik</translation>
    </message>
    <message>
      <source>Average measured cover</source>
      <translation>Mittlere Überdeckung</translation>
    </message>
    <message>
      <source>Standard deviation</source>
      <translation>Standardabweichung</translation>
    </message>
    <message>
      <source>Maximum of measured covers</source>
      <translation>Maximale Überdeckung</translation>
    </message>
    <message>
      <source>Minimum of measured covers</source>
      <translation>Minimale Überdeckung</translation>
    </message>
    <message>
      <source>Span</source>
      <translation>Spannweite</translation>
    </message>
    <message>
      <source>Measured covers</source>
      <translation>Gemessene Überdeckungen</translation>
    </message>
    <message>
      <source>Measured covers (continued)</source>
      <translation>Gemessene Überdeckungen (Fortsetzung)</translation>
    </message>
    <message>
      <source>Bar distance</source>
      <translation>Stababstand</translation>
    </message>
    <message>
      <source>Number of measured bars</source>
      <translation>Anzahl gemessener Stäbe</translation>
    </message>
    <message>
      <source>Cover values below limit</source>
      <translation>Werte unter dem Grenzwert</translation>
    </message>
    <message>
      <source>Limit value of covers</source>
      <translation>Grenzwert der Überdeckung</translation>
    </message>
    <message>
      <source>2 Layer correction</source>
      <translation>2-Lagen-Korrektur</translation>
    </message>
    <message>
      <source>    1. Layer</source>
      <translation>    1. Lage</translation>
    </message>
    <message>
      <source>    2. Layer</source>
      <translation>    2. Lage</translation>
    </message>
    <message>
      <source>    Arrangement</source>
      <translation>    Anordnung</translation>
    </message>
  </context>
  <context>
    <name>vordalis::CLimitDlg</name>
    <message>
      <source>Limit and Range</source>
      <translation>Grenzwert und Bereich</translation>
    </message>
    <message>
      <source>&amp;Tolerance limit</source>
      <translation>&amp;Toleranzgrenze</translation>
    </message>
    <message>
      <source>&amp;Initial setting</source>
      <translation>&amp;Grundeinstellung</translation>
    </message>
    <message>
      <source>&amp;Minimum cover</source>
      <translation>&amp;Mindestüberdeckung</translation>
    </message>
    <message>
      <source>&amp;Range of level chart</source>
      <translation>&amp;Bereich der Stufenkarte</translation>
    </message>
    <message>
      <source>I&amp;nitial settings</source>
      <translation>G&amp;rundeinstellungen</translation>
    </message>
    <message>
      <source>&amp;Lower threshold</source>
      <translation>&amp;Untere Schwelle</translation>
    </message>
    <message>
      <source>&amp;Upper threshold</source>
      <translation>&amp;Obere Schwelle</translation>
    </message>
  </context>
  <context>
    <name>vordalis::CModifyDlg</name>
    <message>
      <source>Modify value</source>
      <translation>Wert ändern</translation>
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
      <translation>&amp;Wert</translation>
    </message>
    <message>
      <source>WARNING: Modified values cannot be restored 
automatically</source>
      <translation>ACHTUNG: Geänderte Werte können nicht 
automatisch wiederhergestellt werden</translation>
    </message>
  </context>
</TS>
