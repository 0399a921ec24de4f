<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>vordalis::CCoverAcceptanceDlg</name>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Добавить...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>Приёмка защитного слоя</translation>
    </message>
    <message>
        <source>&amp;Design cover:</source>
        <translation>&amp;Проектный слой:</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Балка</translation>
    </message>
    <message>
        <source>Slab</source>
        <translation>Плита</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своё</translation>
    </message>
    <message>
        <source>&amp;Member:</source>
        <translation>&amp;Элемент:</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>Допуск:</translation>
    </message>
    <message>
        <source>Add cover files</source>
        <translation>Добавить файлы защитного слоя</translation>
    </message>
    <message>
        <source>Object files (*.vdo);;All files (*)</source>
        <translation>Файлы объектов (*.vdo);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Further files of this sample</source>
        <translation>Другие файлы этой выборки</translation>
    </message>
    <message>
        <source>Second sample</source>
        <translation>Вторая выборка</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>These files are no cover objects and were left out:</source>
        <translation>Эти файлы не являются объектами защитного слоя и пропущены:</translation>
    </message>
    <message>
        <source>No cover to judge</source>
        <translation>Нет значений для оценки</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Соответствует</translation>
    </message>
    <message>
        <source>Second sample required</source>
        <translation>Требуется вторая выборка</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Не соответствует</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>Заключение:</translation>
    </message>
    <message>
        <source>Design cover</source>
        <translation>Проектный защитный слой</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Within tolerance</source>
        <translation>В допуске</translation>
    </message>
    <message>
        <source>Pass rate</source>
        <translation>Доля в допуске</translation>
    </message>
    <message>
        <source>Largest deviation below</source>
        <translation>Наибольшее отклонение вниз</translation>
    </message>
    <message>
        <source>Largest deviation above</source>
        <translation>Наибольшее отклонение вверх</translation>
    </message>
    <message>
        <source>Beyond 1.5 times the tolerance</source>
        <translation>Более 1,5 допуска</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Both samples: </source>
        <translation>Обе выборки: </translation>
    </message>
</context>
<context>
    <name>vordalis::CLimitDlg</name>
    <message>
        <source>Limit and Range</source>
        <translation>Предел и диапазон</translation>
    </message>
    <message>
        <source>&amp;Tolerance limit</source>
        <translation>&amp;Допуск</translation>
    </message>
    <message>
        <source>&amp;Initial setting</source>
        <translation>&amp;Исходная настройка</translation>
    </message>
    <message>
        <source>&amp;Minimum cover</source>
        <translation>&amp;Минимальный слой</translation>
    </message>
    <message>
        <source>&amp;Range of level chart</source>
        <translation>&amp;Диапазон карты</translation>
    </message>
    <message>
        <source>I&amp;nitial settings</source>
        <translation>Ис&amp;ходные настройки</translation>
    </message>
    <message>
        <source>&amp;Lower threshold</source>
        <translation>&amp;Нижний порог</translation>
    </message>
    <message>
        <source>&amp;Upper threshold</source>
        <translation>&amp;Верхний порог</translation>
    </message>
</context>
<context>
    <name>vordalis::CModifyDlg</name>
    <message>
        <source>Modify value</source>
        <translation>Изменить значение</translation>
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
        <translation>&amp;Значение</translation>
    </message>
    <message>
        <source>WARNING: Modified values cannot be restored 
automatically</source>
        <translation>ВНИМАНИЕ: изменённые значения нельзя 
восстановить автоматически</translation>
    </message>
</context>
</TS>
