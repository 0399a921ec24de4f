<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
  <context>
    <name>Strings</name>
    <message>
      <source>Impact direction</source>
      <translation>Schlagrichtung</translation>
    </message>
    <message>
      <source>Eliminate outliers</source>
      <translation>Ausreißer eliminieren</translation>
    </message>
    <message>
      <source>Conversion curve</source>
      <translation>Umrechnungskurve</translation>
    </message>
    <message>
      <source>Carbonation depth</source>
      <translation>Karbonatisierungstiefe</translation>
    </message>
    <message>
      <source>Time factor</source>
      <translation>Zeitfaktor</translation>
    </message>
    <message>
      <source>Form factor</source>
      <translation>Formfaktor</translation>
    </message>
    <message>
      <source>Mean compressive strength</source>
      <translation>Mittlere Druckfestigkeit</translation>
    </message>
    <message>
      <source>Rebound value</source>
      <translation>Rückprallwert</translation>
    </message>
    <message>
      <source>Number of measurements</source>
      <translation>Anzahl Messungen</translation>
    </message>
    <message>
      <source>Mean rebound value</source>
      <translation>Mittlerer Rückprallwert</translation>
    </message>
    <message>
      <source>Maximum rebound value</source>
      <translation>Maximaler Rückprallwert</translation>
    </message>
    <message>
      <source>Minimum rebound value</source>
      <translation>Minimaler Rückprallwert</translation>
    </message>
    <message>
      <source>Measured rebound value</source>
      <translation>Gemessene Rückprallwerte</translation>
    </message>
    <message>
      <source>Median rebound value</source>
      <translation>Median-Rückprallwert</translation>
    </message>
    <message>
      <source>Median compressive strength</source>
      <translation>Median-Druckfestigkeit</translation>
    </message>
  </context>
  <context>
    <name>vordalis::CTorvFenster</name>
    <message>
      <source>Torvihammer Settings</source>
      <translation>Torvihammer Einstellungen</translation>
    </message>
    <message>
      <source>Conversion</source>
      <translation>Umrechnung</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Einheit</translation>
    </message>
    <message>
      <source>Initial settings</source>
      <translation>Anfangseinstellungen</translation>
    </message>
    <message>
      <source>Parameters</source>
      <translation>Parameter</translation>
    </message>
    <message>
      <source>Form factor</source>
      <translation>Formfaktor</translation>
    </message>
    <message>
      <source>Time factor</source>
      <translation>Zeitfaktor</translation>
    </message>
    <message>
      <source>Carbonation depth</source>
      <translation>Karbonatisierungstiefe</translation>
    </message>
    <message>
      <source>mm</source>
      <translation>mm</translation>
    </message>
    <message>
      <source>Impact direction</source>
      <translation>Schlagrichtung</translation>
    </message>
    <message>
      <source>Median</source>
      <translation>Median</translation>
    </message>
    <message>
      <source>Special conversion Fx</source>
      <translation>Spezielle Umrechnung Fx</translation>
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
      <translation>Grenzwert</translation>
    </message>
    <message>
      <source>Upper limit</source>
      <translation>Obere Grenze</translation>
    </message>
    <message>
      <source>Lower limit</source>
      <translation>Untere Grenze</translation>
    </message>
    <message>
      <source>Display mean line</source>
      <translation>Mittelwertlinie anzeigen</translation>
    </message>
    <message>
      <source>Display limits</source>
      <translation>Grenzen anzeigen</translation>
    </message>
    <message>
      <source>Initial settings</source>
      <translation>Anfangseinstellungen</translation>
    </message>
  </context>
</TS>
