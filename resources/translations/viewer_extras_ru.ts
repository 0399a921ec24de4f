<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
  <context>
    <name>vordalis::CMainFrame</name>
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
      <source>Zoom %1 %</source>
      <translation>Масштаб %1 %</translation>
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
