<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Strings</name>
    <message>
        <source>Concrete placing</source>
        <translation>Укладка бетона</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Пересчёт</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>Бетон, подаваемый насосом</translation>
    </message>
    <message>
        <source>With impact direction</source>
        <translation>С учётом направления удара</translation>
    </message>
    <message>
        <source>With concrete placing</source>
        <translation>С учётом укладки</translation>
    </message>
    <message>
        <source>With carbonation depth</source>
        <translation>С учётом карбонизации</translation>
    </message>
    <message>
        <source>With pump concrete</source>
        <translation>С учётом подачи насосом</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Боковая</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Верхняя</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Нижняя</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>Общий пересчёт</translation>
    </message>
    <message>
        <source>Title : mean rebound value [R]</source>
        <translation>Название : среднее значение отскока [R]</translation>
    </message>
    <message>
        <source>Title : mean value f2 [MPa]</source>
        <translation>Название : среднее значение f2 [MPa]</translation>
    </message>
    <message>
        <source>Number of measurement series</source>
        <translation>Количество серий измерений</translation>
    </message>
    <message>
        <source>Component strength</source>
        <translation>Прочность элемента</translation>
    </message>
    <message>
        <source>Summary mean value</source>
        <translation>Среднее значение сводки</translation>
    </message>
    <message>
        <source>Summary mean compr. strength</source>
        <translation>Средняя прочность сводки</translation>
    </message>
    <message>
        <source>Mean value</source>
        <translation>Среднее значение</translation>
    </message>
    <message>
        <source>Minimum value</source>
        <translation>Минимальное значение</translation>
    </message>
    <message>
        <source>Maximum value</source>
        <translation>Максимальное значение</translation>
    </message>
    <message>
        <source>Summary median value</source>
        <translation>Медиана сводки</translation>
    </message>
    <message>
        <source>Summary median compr. strength</source>
        <translation>Медианная прочность сводки</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>Вне диапазона (&lt;10 MPa или &gt;60MPa) </translation>
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
    <message>
        <source>Pump concrete</source>
        <translation>Бетон, подаваемый насосом</translation>
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
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>Подробный вид</translation>
    </message>
</context>
</TS>
