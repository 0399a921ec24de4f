<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>Подробный вид</translation>
    </message>
</context>
<context>
    <name>vordalis::CSelectSummery</name>
    <message>
        <source>Select summary</source>
        <translation>Выбор сводки</translation>
    </message>
    <message>
        <source>Torvihammer</source>
        <translation>Torvihammer</translation>
    </message>
    <message>
        <source>Torvihammer China</source>
        <translation>Torvihammer Китай</translation>
    </message>
    <message>
        <source>Single component evaluation</source>
        <translation>Оценка отдельного элемента</translation>
    </message>
    <message>
        <source>Batch component evaluation</source>
        <translation>Пакетная оценка элементов</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Файлы объектов Vordalis (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
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
        <source>Initial settings</source>
        <translation>Исходные настройки</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Медиана</translation>
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
    <name>vordalis::CTorvFensterChina</name>
    <message>
        <source>Torvihammer Settings</source>
        <translation>Настройки Torvihammer</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Пересчёт</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>Общий пересчёт</translation>
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
        <source>Top</source>
        <translation>Верхняя</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Боковая</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Нижняя</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>Бетон, подаваемый насосом</translation>
    </message>
    <message>
        <source>Impact direction</source>
        <translation>Направление удара</translation>
    </message>
    <message>
        <source>Concrete placing</source>
        <translation>Укладка бетона</translation>
    </message>
    <message>
        <source>Carbonation depth</source>
        <translation>Глубина карбонизации</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
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
