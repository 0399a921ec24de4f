<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
  <context>
    <name>Strings</name>
    <message>
      <source>Impact direction</source>
      <translation>Направление удара</translation>
    </message>
    <message>
      <source>Eliminate outliers</source>
      <translation>Исключить выбросы</translation>
    </message>
    <message>
      <source>Conversion curve</source>
      <translation>Кривая пересчёта</translation>
    </message>
    <message>
      <source>Carbonation depth</source>
      <translation>Глубина карбонизации</translation>
    </message>
    <message>
      <source>Time factor</source>
      <translation>Коэффициент времени</translation>
    </message>
    <message>
      <source>Form factor</source>
      <translation>Коэффициент формы</translation>
    </message>
    <message>
      <source>Mean compressive strength</source>
      <translation>Средняя прочность</translation>
    </message>
    <message>
      <source>Rebound value</source>
      <translation>Значение отскока</translation>
    </message>
    <message>
      <source>Number of measurements</source>
      <translation>Число измерений</translation>
    </message>
    <message>
      <source>Mean rebound value</source>
      <translation>Среднее значение отскока</translation>
    </message>
    <message>
      <source>Maximum rebound value</source>
      <translation>Макс. значение отскока</translation>
    </message>
    <message>
      <source>Minimum rebound value</source>
      <translation>Мин. значение отскока</translation>
    </message>
    <message>
      <source>Measured rebound value</source>
      <translation>Измеренные значения отскока</translation>
    </message>
    <message>
      <source>Median rebound value</source>
      <translation>Медиана значений отскока</translation>
    </message>
    <message>
      <source>Median compressive strength</source>
      <translation>Медианная прочность</translation>
    </message>
  </context>
  <context>
    <name>vordalis::CTorvFenster</name>
    <message>
      <source>Torvihammer Settings</source>
      <translation>Настройки Torvihammer</translation>
    </message>
    <message>
      <source>Conversion</source>
      <translation>Пересчёт</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Единица</translation>
    </message>
    <message>
      <source>Initial settings</source>
      <translation>Исходные настройки</translation>
    </message>
    <message>
      <source>Parameters</source>
      <translation>Параметры</translation>
    </message>
    <message>
      <source>Form factor</source>
      <translation>Коэффициент формы</translation>
    </message>
    <message>
      <source>Time factor</source>
      <translation>Коэффициент времени</translation>
    </message>
    <message>
      <source>Carbonation depth</source>
      <translation>Глубина карбонизации</translation>
    </message>
    <message>
      <source>mm</source>
      <translation>мм</translation>
    </message>
    <message>
      <source>Impact direction</source>
      <translation>Направление удара</translation>
    </message>
    <message>
      <source>Median</source>
      <translation>Медиана</translation>
    </message>
    <message>
      <source>Special conversion Fx</source>
      <translation>Особый пересчёт Fx</translation>
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
      <translation>Предел</translation>
    </message>
    <message>
      <source>Upper limit</source>
      <translation>Верхний предел</translation>
    </message>
    <message>
      <source>Lower limit</source>
      <translation>Нижний предел</translation>
    </message>
    <message>
      <source>Display mean line</source>
      <translation>Показать линию среднего</translation>
    </message>
    <message>
      <source>Display limits</source>
      <translation>Показать пределы</translation>
    </message>
    <message>
      <source>Initial settings</source>
      <translation>Исходные настройки</translation>
    </message>
  </context>
</TS>
