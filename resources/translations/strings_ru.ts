<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Strings</name>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или каталога</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это каталог</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <source>Update Vordalis to version %s</source>
        <translation>Обновить Vordalis до версии %s</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>Доступна новая версия!</translation>
    </message>
    <message>
        <source>Rebar Locator</source>
        <translation>Локатор арматуры</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Заголовок:</translation>
    </message>
    <message>
        <source>Remarks:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Защитный слой</translation>
    </message>
    <message>
        <source>Limit: %d mm</source>
        <translation>Предел: %d mm</translation>
    </message>
    <message>
        <source>Bar diameter</source>
        <translation>Диаметр арматуры</translation>
    </message>
    <message>
        <source>X grid width</source>
        <translation>Шаг сетки X</translation>
    </message>
    <message>
        <source>Y grid width</source>
        <translation>Шаг сетки Y</translation>
    </message>
    <message>
        <source>Number of measured covers</source>
        <translation>Число измерений</translation>
    </message>
    <message>
        <source>Total Area of measured grids</source>
        <translation>Общая площадь измерений</translation>
    </message>
    <message>
        <source>Set parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Average measured cover</source>
        <translation>Среднее значение</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Стандартное отклонение</translation>
    </message>
    <message>
        <source>Maximum of measured covers</source>
        <translation>Максимальное значение</translation>
    </message>
    <message>
        <source>Minimum of measured covers</source>
        <translation>Минимальное значение</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>Размах</translation>
    </message>
    <message>
        <source>Measured covers</source>
        <translation>Измеренные значения</translation>
    </message>
    <message>
        <source>Measured covers (continued)</source>
        <translation>Измеренные значения (продолжение)</translation>
    </message>
    <message>
        <source>Bar distance</source>
        <translation>Шаг арматуры</translation>
    </message>
    <message>
        <source>Number of measured bars</source>
        <translation>Число стержней</translation>
    </message>
    <message>
        <source>Cover values below limit</source>
        <translation>Значения ниже предела</translation>
    </message>
    <message>
        <source>Limit value of covers</source>
        <translation>Предельное значение</translation>
    </message>
    <message>
        <source>%s:
Object empty or not valid</source>
        <translation>%s:
Объект пуст или недействителен</translation>
    </message>
    <message>
        <source>Double click to modify value</source>
        <translation>Дважды щёлкните, чтобы изменить значение</translation>
    </message>
    <message>
        <source>Double click to modify title/remarks</source>
        <translation>Дважды щёлкните, чтобы изменить заголовок/примечания</translation>
    </message>
    <message>
        <source>Double click to modify limit/range</source>
        <translation>Дважды щёлкните, чтобы изменить предел/диапазон</translation>
    </message>
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
        <source>Double click to modify settings</source>
        <translation>Дважды щёлкните, чтобы изменить настройки</translation>
    </message>
    <message>
        <source>Double click to detail view</source>
        <translation>Дважды щёлкните для подробного просмотра</translation>
    </message>
    <message>
        <source>Save changes to original file</source>
        <translation>Сохранить изменения в исходном файле</translation>
    </message>
    <message>
        <source>Median rebound value</source>
        <translation>Медиана значений отскока</translation>
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
        <source>Median compressive strength</source>
        <translation>Медианная прочность</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>Вне диапазона (&lt;10 MPa или &gt;60MPa) </translation>
    </message>
    <message>
        <source>2 Layer correction</source>
        <translation>Коррекция 2 слоёв</translation>
    </message>
    <message>
        <source>    1. Layer</source>
        <translation>    1-й слой</translation>
    </message>
    <message>
        <source>    2. Layer</source>
        <translation>    2-й слой</translation>
    </message>
    <message>
        <source>    Arrangement</source>
        <translation>    Расположение</translation>
    </message>
    <message>
        <source>Failed to launch tamlo!</source>
        <translation>Не удалось запустить tamlo!</translation>
    </message>
    <message>
        <source>Failed to launch ondralink!</source>
        <translation>Не удалось запустить ondralink!</translation>
    </message>
    <message>
        <source>It is not possible to run %s with a broken FTP connection.<byte value="xd"/>
Press [Finish] or [Cancel] to terminate %s.</source>
        <translation>Невозможно запустить %s при разорванном FTP-соединении.<byte value="xd"/>
Нажмите [Готово] или [Отмена], чтобы завершить %s.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>There is no update available. <byte value="xd"/>
You are already using the most recent version of %s.</source>
        <translation>Обновлений нет. <byte value="xd"/>
Вы уже используете самую последнюю версию %s.</translation>
    </message>
    <message>
        <source>Found a newer version of %s on the server. <byte value="xd"/>
 Server version: %s <byte value="xd"/>
 Your version: %s</source>
        <translation>На сервере найдена более новая версия %s. <byte value="xd"/>
 Версия на сервере: %s <byte value="xd"/>
 Ваша версия: %s</translation>
    </message>
    <message>
        <source>Downloading %s</source>
        <translation>Загрузка %s</translation>
    </message>
    <message>
        <source>%s MB downloaded</source>
        <translation>Загружено %s МБ</translation>
    </message>
    <message>
        <source>Unknown error while downloading.</source>
        <translation>Неизвестная ошибка при загрузке.</translation>
    </message>
    <message>
        <source>Receiving update information...</source>
        <translation>Получение информации об обновлении...</translation>
    </message>
    <message>
        <source>Searching update for %s</source>
        <translation>Поиск обновления для %s</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Далее &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Member %s: %s</source>
        <translation>Элемент %s: %s</translation>
    </message>
</context>
</TS>
