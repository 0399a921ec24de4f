<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>vordalis::CAboutDlg</name>
    <message>
        <source>About Vordalis</source>
        <translation>О программе Vordalis</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Viewer for cover meter and rebound hammer measurements</source>
        <translation>Просмотр измерений измерителя защитного слоя и склерометра</translation>
    </message>
</context>
<context>
    <name>vordalis::CBorderSetup</name>
    <message>
        <source>Pageborder Printer</source>
        <translation>Поля страницы принтера</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>vordalis::CHelpDlg</name>
    <message>
        <source>Vordalis Help</source>
        <translation>Справка Vordalis</translation>
    </message>
    <message>
        <source>Ctrl+Wheel</source>
        <translation>Ctrl+колесо мыши</translation>
    </message>
    <message>
        <source>Zoom in or out about the mouse</source>
        <translation>Увеличить или уменьшить относительно указателя мыши</translation>
    </message>
    <message>
        <source>Arrow keys, Page Up, Page Down</source>
        <translation>Стрелки, Page Up, Page Down</translation>
    </message>
    <message>
        <source>Scroll the page</source>
        <translation>Прокрутить страницу</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>Scroll to the left or right end; with Ctrl to the top or bottom</source>
        <translation>Прокрутить к левому или правому краю; с Ctrl — к началу или концу</translation>
    </message>
    <message>
        <source>Vordalis shows the measurements of cover meters and rebound hammers. Each object file (.vdo) is shown as one page: a header with title, date and remarks, a chart, the parameters and statistics, and the table of values.</source>
        <translation>Vordalis показывает измерения измерителей защитного слоя и склерометров. Каждый файл объекта (.vdo) показан одной страницей: заголовок с названием, датой и примечаниями, диаграмма, параметры и статистика, таблица значений.</translation>
    </message>
    <message>
        <source>Open a file with File &gt; Open, by dropping it on the window, or fetch it from the instrument with File &gt; Load. The status bar shows the position and value under the mouse. Double-click the header to edit title and remarks, the limits to change limit and range, and a value to change it once Edit &gt; Enable value change is ticked.</source>
        <translation>Откройте файл командой Файл &gt; Открыть, перетащив его в окно, или загрузите его с прибора командой Файл &gt; Загрузить. Строка состояния показывает положение и значение под указателем мыши. Двойной щелчок по заголовку изменяет название и примечания, по пределам — предел и диапазон, по значению — само значение, если отмечено Правка &gt; Разрешить изменение значений.</translation>
    </message>
    <message>
        <source>Copy puts the page on the clipboard as a picture and its table of values as text, which a spreadsheet pastes as columns.</source>
        <translation>Копирование помещает страницу в буфер обмена как рисунок, а её таблицу значений — как текст, который электронная таблица вставляет по столбцам.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>The language, the data folder, the display options, the page borders, the zoom, the window placement and the recent files are kept in %1. The transfer programs Ondralink and Tamlo read the same file.</source>
        <translation>Язык, папка данных, параметры отображения, поля страницы, масштаб, положение окна и последние файлы хранятся в %1. Программы передачи Ondralink и Tamlo читают тот же файл.</translation>
    </message>
</context>
<context>
    <name>vordalis::CMainFrame</name>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Загрузить...</translation>
    </message>
    <message>
        <source>Load an object from the instrument</source>
        <translation>Загрузить объект из прибора</translation>
    </message>
    <message>
        <source>Load from instrument</source>
        <translation>Загрузить из прибора</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open an existing object file</source>
        <translation>Открыть существующий файл объекта</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Close the object; prompts to save it</source>
        <translation>Закрыть объект; предлагает сохранить его</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Create S&amp;ummary...</source>
        <translation>Создать с&amp;водку...</translation>
    </message>
    <message>
        <source>Create a summary of several rebound files</source>
        <translation>Создать сводку нескольких файлов склерометра</translation>
    </message>
    <message>
        <source>Create Summary</source>
        <translation>Создать сводку</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save the object</source>
        <translation>Сохранить объект</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save the object under a new name</source>
        <translation>Сохранить объект под новым именем</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy the page to the clipboard</source>
        <translation>Копировать страницу в буфер обмена</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>Export the readings or statistics as CSV for spreadsheets</source>
        <translation>Экспортировать показания или статистику в CSV для электронных таблиц</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Repor&amp;t...</source>
        <translation>&amp;Отчёт...</translation>
    </message>
    <message>
        <source>Show one report over several object files</source>
        <translation>Показать один отчёт по нескольким файлам объектов</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print the object</source>
        <translation>Печать объекта</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Пред&amp;варительный просмотр</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>Показать печатаемые страницы</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Настройка п&amp;ринтера...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Изменить принтер и параметры печати</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Настройка принтера</translation>
    </message>
    <message>
        <source>Page&amp;border...</source>
        <translation>&amp;Поля страницы...</translation>
    </message>
    <message>
        <source>Set the page borders of the printer</source>
        <translation>Задать поля страницы принтера</translation>
    </message>
    <message>
        <source>Pageborder</source>
        <translation>Поля страницы</translation>
    </message>
    <message>
        <source>Run O&amp;ndralink</source>
        <translation>Запустить O&amp;ndralink</translation>
    </message>
    <message>
        <source>Start the transfer tool Ondralink</source>
        <translation>Запустить программу передачи Ondralink</translation>
    </message>
    <message>
        <source>Run Ondralink</source>
        <translation>Запустить Ondralink</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the object</source>
        <translation>Выйти из программы; предлагает сохранить объект</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Title and remarks...</source>
        <translation>&amp;Заголовок и примечания...</translation>
    </message>
    <message>
        <source>Edit title, date, name and remarks</source>
        <translation>Изменить заголовок, дату, имя и примечания</translation>
    </message>
    <message>
        <source>Title and remarks</source>
        <translation>Заголовок и примечания</translation>
    </message>
    <message>
        <source>&amp;Limit and range...</source>
        <translation>&amp;Предел и диапазон...</translation>
    </message>
    <message>
        <source>Edit the limit and the chart range</source>
        <translation>Изменить предел и диапазон диаграммы</translation>
    </message>
    <message>
        <source>Limit and range</source>
        <translation>Предел и диапазон</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>Edit the conversion settings</source>
        <translation>Изменить параметры пересчёта</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Cover &amp;acceptance...</source>
        <translation>&amp;Приёмка защитного слоя...</translation>
    </message>
    <message>
        <source>Judge the covers against the design cover</source>
        <translation>Оценить защитный слой по проектному значению</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>Приёмка защитного слоя</translation>
    </message>
    <message>
        <source>&amp;Enable value change</source>
        <translation>&amp;Разрешить изменение значений</translation>
    </message>
    <message>
        <source>Allow single values to be changed by double click</source>
        <translation>Разрешить изменять отдельные значения двойным щелчком</translation>
    </message>
    <message>
        <source>Enable value change</source>
        <translation>Разрешить изменение значений</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Диаграмма</translation>
    </message>
    <message>
        <source>Show or hide the chart</source>
        <translation>Показать или скрыть диаграмму</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <translation>&amp;Значения</translation>
    </message>
    <message>
        <source>Show or hide the values in the chart</source>
        <translation>Показать или скрыть значения на диаграмме</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Значения</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Статистика</translation>
    </message>
    <message>
        <source>Show or hide the statistics</source>
        <translation>Показать или скрыть статистику</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Таблица</translation>
    </message>
    <message>
        <source>Show or hide the table of values</source>
        <translation>Показать или скрыть таблицу значений</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>&amp;Grayscale</source>
        <translation>&amp;Оттенки серого</translation>
    </message>
    <message>
        <source>Draw the chart in shades of gray</source>
        <translation>Рисовать диаграмму в оттенках серого</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Оттенки серого</translation>
    </message>
    <message>
        <source>&amp;Inverted grayscale</source>
        <translation>&amp;Инвертированные оттенки серого</translation>
    </message>
    <message>
        <source>Draw the chart in inverted shades of gray</source>
        <translation>Рисовать диаграмму в инвертированных оттенках серого</translation>
    </message>
    <message>
        <source>Inverted grayscale</source>
        <translation>Инвертированные оттенки серого</translation>
    </message>
    <message>
        <source>Green/&amp;red shades</source>
        <translation>Оттенки зелёного/&amp;красного</translation>
    </message>
    <message>
        <source>Draw the chart in green and red shades</source>
        <translation>Рисовать диаграмму в зелёных и красных оттенках</translation>
    </message>
    <message>
        <source>Green/red shades</source>
        <translation>Оттенки зелёного/красного</translation>
    </message>
    <message>
        <source>S&amp;pectral colors</source>
        <translation>С&amp;пектральные цвета</translation>
    </message>
    <message>
        <source>Draw the chart in spectral colors</source>
        <translation>Рисовать диаграмму в спектральных цветах</translation>
    </message>
    <message>
        <source>Spectral colors</source>
        <translation>Спектральные цвета</translation>
    </message>
    <message>
        <source>&amp;Axis</source>
        <translation>&amp;Оси</translation>
    </message>
    <message>
        <source>Draw the chart with axes</source>
        <translation>Рисовать диаграмму с осями</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Оси</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>&amp;Рамка</translation>
    </message>
    <message>
        <source>Draw the chart in a frame</source>
        <translation>Рисовать диаграмму в рамке</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>&amp;Сетка</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>Показать или скрыть сетку</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>T&amp;oolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Строка &amp;состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>&amp;mm Scale</source>
        <translation>Шкала в &amp;мм</translation>
    </message>
    <message>
        <source>Show positions in mm instead of m</source>
        <translation>Показывать положения в мм вместо м</translation>
    </message>
    <message>
        <source>mm Scale</source>
        <translation>Шкала в мм</translation>
    </message>
    <message>
        <source>Zoom I&amp;n</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>Показать страницу крупнее</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>&amp;Zoom Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>Показать страницу мельче</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Act&amp;ual Size</source>
        <translation>&amp;Исходный размер</translation>
    </message>
    <message>
        <source>Show the page at its normal size</source>
        <translation>Показать страницу в обычном размере</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>По &amp;ширине</translation>
    </message>
    <message>
        <source>Fit the width of the page into the window</source>
        <translation>Вписать ширину страницы в окно</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>Fit Pag&amp;e</source>
        <translation>Страница &amp;целиком</translation>
    </message>
    <message>
        <source>Fit the whole page into the window</source>
        <translation>Вписать всю страницу в окно</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Страница целиком</translation>
    </message>
    <message>
        <source>Show the user interface in English</source>
        <translation>Показать интерфейс на английском</translation>
    </message>
    <message>
        <source>Show the user interface in French</source>
        <translation>Показать интерфейс на французском</translation>
    </message>
    <message>
        <source>Show the user interface in German</source>
        <translation>Показать интерфейс на немецком</translation>
    </message>
    <message>
        <source>Show the user interface in Chinese</source>
        <translation>Показать интерфейс на китайском</translation>
    </message>
    <message>
        <source>Show the user interface in Russian</source>
        <translation>Показать интерфейс на русском</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Show what the viewer does, its keys and where its settings live</source>
        <translation>Показать, что делает программа, её клавиши и где хранятся настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>&amp;About Vordalis...</source>
        <translation>&amp;О программе Vordalis...</translation>
    </message>
    <message>
        <source>Show the program name and version</source>
        <translation>Показать название и версию программы</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Масштаб %1 %</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Файлы объектов Vordalis (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message numerus="yes">
        <source>Only the first dropped file is opened; %n other file(s) ignored.</source>
        <translation>
            <numerusform>Открыт только первый перетащенный файл; %n другой файл пропущен.</numerusform>
            <numerusform>Открыт только первый перетащенный файл; %n других файла пропущено.</numerusform>
            <numerusform>Открыт только первый перетащенный файл; %n других файлов пропущено.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vordalis::CNexoloDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Не удалось сохранить файл %1.</translation>
    </message>
    <message>
        <source>There is no object to save.</source>
        <translation>Нет объекта для сохранения.</translation>
    </message>
    <message>
        <source>The object cannot be written in the file format.</source>
        <translation>Объект не может быть записан в формате файла.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
</context>
<context>
    <name>vordalis::CTitleDlg</name>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Введите не более %1 символов.</translation>
    </message>
    <message>
        <source>Title and Remarks</source>
        <translation>Заголовок и примечания</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Заголовок</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Дата</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>&amp;Remarks</source>
        <translation>&amp;Примечания</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Примечания</translation>
    </message>
</context>
<context>
    <name>vordalis::ReportCommands</name>
    <message>
        <source>Date of the report</source>
        <translation>Дата отчёта</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Стр.</translation>
    </message>
    <message>
        <source>Skipped files</source>
        <translation>Пропущенные файлы</translation>
    </message>
    <message>
        <source>Cover list</source>
        <translation>Список защитных слоёв</translation>
    </message>
    <message>
        <source>Bar scan</source>
        <translation>Линейное сканирование</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>Растр</translation>
    </message>
    <message>
        <source>Rebound series</source>
        <translation>Серия отскоков</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>JGJ/T 23 series</source>
        <translation>Серия JGJ/T 23</translation>
    </message>
    <message>
        <source>Readings, CSV (*.csv)</source>
        <translation>Показания, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV (*.csv)</source>
        <translation>Статистика, CSV (*.csv)</translation>
    </message>
    <message>
        <source>Readings, CSV for spreadsheets (*.csv)</source>
        <translation>Показания, CSV для электронных таблиц (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV for spreadsheets (*.csv)</source>
        <translation>Статистика, CSV для электронных таблиц (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Подготовка отчёта...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
    <name>vordalis::SaveAsName</name>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Файлы объектов Vordalis (*.vdo)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>The name %1 does not end in .vdo.
File &gt; Open and dropped files take only files ending in .vdo. Save under this name anyway?</source>
        <translation>Имя %1 не оканчивается на .vdo.
Файл &gt; Открыть и перетаскивание принимают только файлы с окончанием .vdo. Всё равно сохранить под этим именем?</translation>
    </message>
</context>
</TS>
