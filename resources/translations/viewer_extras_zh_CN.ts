<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>vordalis::CMainFrame</name>
    <message>
      <source>&amp;Close</source>
      <translation>关闭(&amp;C)</translation>
    </message>
    <message>
      <source>Close the object; prompts to save it</source>
      <translation>关闭对象；提示保存</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>关闭</translation>
    </message>
    <message>
      <source>Zoom I&amp;n</source>
      <translation>放大(&amp;N)</translation>
    </message>
    <message>
      <source>Show the page larger</source>
      <translation>放大显示页面</translation>
    </message>
    <message>
      <source>Zoom In</source>
      <translation>放大</translation>
    </message>
    <message>
      <source>&amp;Zoom Out</source>
      <translation>缩小(&amp;Z)</translation>
    </message>
    <message>
      <source>Show the page smaller</source>
      <translation>缩小显示页面</translation>
    </message>
    <message>
      <source>Zoom Out</source>
      <translation>缩小</translation>
    </message>
    <message>
      <source>Act&amp;ual Size</source>
      <translation>实际大小(&amp;U)</translation>
    </message>
    <message>
      <source>Show the page at its normal size</source>
      <translation>以正常大小显示页面</translation>
    </message>
    <message>
      <source>Actual Size</source>
      <translation>实际大小</translation>
    </message>
    <message>
      <source>Fit &amp;Width</source>
      <translation>适合宽度(&amp;W)</translation>
    </message>
    <message>
      <source>Fit the width of the page into the window</source>
      <translation>使页面宽度适合窗口</translation>
    </message>
    <message>
      <source>Fit Width</source>
      <translation>适合宽度</translation>
    </message>
    <message>
      <source>Fit Pag&amp;e</source>
      <translation>适合页面(&amp;E)</translation>
    </message>
    <message>
      <source>Fit the whole page into the window</source>
      <translation>使整个页面适合窗口</translation>
    </message>
    <message>
      <source>Fit Page</source>
      <translation>适合页面</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>帮助(&amp;H)</translation>
    </message>
    <message>
      <source>Show what the viewer does, its keys and where its settings live</source>
      <translation>显示本程序的功能、快捷键以及设置的保存位置</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>帮助</translation>
    </message>
    <message>
      <source>Zoom %1 %</source>
      <translation>缩放 %1 %</translation>
    </message>
    <message numerus="yes">
      <source>Only the first dropped file is opened; %n other file(s) ignored.</source>
      <translation>
        <numerusform>只打开拖放的第一个文件；忽略了其他 %n 个文件。</numerusform>
      </translation>
    </message>
  </context>
  <context>
    <name>vordalis::CHelpDlg</name>
    <message>
      <source>Vordalis Help</source>
      <translation>Vordalis 帮助</translation>
    </message>
    <message>
      <source>Ctrl+Wheel</source>
      <translation>Ctrl+滚轮</translation>
    </message>
    <message>
      <source>Zoom in or out about the mouse</source>
      <translation>以鼠标位置为中心放大或缩小</translation>
    </message>
    <message>
      <source>Arrow keys, Page Up, Page Down</source>
      <translation>方向键、Page Up、Page Down</translation>
    </message>
    <message>
      <source>Scroll the page</source>
      <translation>滚动页面</translation>
    </message>
    <message>
      <source>Home, End</source>
      <translation>Home、End</translation>
    </message>
    <message>
      <source>Scroll to the left or right end; with Ctrl to the top or bottom</source>
      <translation>滚动到左端或右端；按住 Ctrl 滚动到顶部或底部</translation>
    </message>
    <message>
      <source>Vordalis shows the measurements of cover meters and rebound hammers. Each object file (.vdo) is shown as one page: a header with title, date and remarks, a chart, the parameters and statistics, and the table of values.</source>
      <translation>Vordalis 显示钢筋保护层测定仪和回弹仪的测量结果。每个对象文件（.vdo）显示为一页：包含标题、日期和备注的页眉、图表、参数和统计以及数值表。</translation>
    </message>
    <message>
      <source>Open a file with File &gt; Open, by dropping it on the window, or fetch it from the instrument with File &gt; Load. The status bar shows the position and value under the mouse. Double-click the header to edit title and remarks, the limits to change limit and range, and a value to change it once Edit &gt; Enable value change is ticked.</source>
      <translation>通过“文件 &gt; 打开”、将文件拖放到窗口上，或通过“文件 &gt; 加载”从仪器获取文件。状态栏显示鼠标所指的位置和数值。双击页眉可编辑标题和备注，双击限值可更改限值和范围；勾选“编辑 &gt; 允许修改数值”后，双击数值可修改该值。</translation>
    </message>
    <message>
      <source>Copy puts the page on the clipboard as a picture and its table of values as text, which a spreadsheet pastes as columns.</source>
      <translation>“复制”将页面作为图片、将其数值表作为文本放入剪贴板，电子表格粘贴时会分成各列。</translation>
    </message>
    <message>
      <source>Keys</source>
      <translation>快捷键</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>设置</translation>
    </message>
    <message>
      <source>The language, the data folder, the display options, the page borders, the zoom, the window placement and the recent files are kept in %1. The transfer programs Ondralink and Tamlo read the same file.</source>
      <translation>语言、数据文件夹、显示选项、页边距、缩放、窗口位置和最近使用的文件保存在 %1 中。传输程序 Ondralink 和 Tamlo 读取同一文件。</translation>
    </message>
  </context>
  <context>
    <name>vordalis::SaveAsName</name>
    <message>
      <source>Save As</source>
      <translation>另存为</translation>
    </message>
    <message>
      <source>Vordalis Object Files (*.vdo)</source>
      <translation>Vordalis 对象文件 (*.vdo)</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
      <source>The name %1 does not end in .vdo.
File &gt; Open and dropped files take only files ending in .vdo. Save under this name anyway?</source>
      <translation>名称 %1 不以 .vdo 结尾。
“文件 &gt; 打开”和拖放只接受以 .vdo 结尾的文件。仍然以此名称保存吗？</translation>
    </message>
  </context>
</TS>
