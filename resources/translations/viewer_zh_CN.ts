<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vordalis::CAboutDlg</name>
    <message>
        <source>About Vordalis</source>
        <translation>关于 Vordalis</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Viewer for cover meter and rebound hammer measurements</source>
        <translation>钢筋保护层测定仪和回弹仪测量数据查看器</translation>
    </message>
</context>
<context>
    <name>vordalis::CBorderSetup</name>
    <message>
        <source>Pageborder Printer</source>
        <translation>打印机页边距</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
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
    <name>vordalis::CMainFrame</name>
    <message>
        <source>&amp;Load...</source>
        <translation>加载(&amp;L)...</translation>
    </message>
    <message>
        <source>Load an object from the instrument</source>
        <translation>从仪器加载一个对象</translation>
    </message>
    <message>
        <source>Load from instrument</source>
        <translation>从仪器加载</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing object file</source>
        <translation>打开现有的对象文件</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
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
        <source>Create S&amp;ummary...</source>
        <translation>创建汇总(&amp;U)...</translation>
    </message>
    <message>
        <source>Create a summary of several rebound files</source>
        <translation>创建多个回弹文件的汇总</translation>
    </message>
    <message>
        <source>Create Summary</source>
        <translation>创建汇总</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the object</source>
        <translation>保存对象</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the object under a new name</source>
        <translation>以新名称保存对象</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the page to the clipboard</source>
        <translation>将页面复制到剪贴板</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>Export the readings or statistics as CSV for spreadsheets</source>
        <translation>将读数或统计导出为电子表格用的 CSV</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Repor&amp;t...</source>
        <translation>报告(&amp;O)...</translation>
    </message>
    <message>
        <source>Show one report over several object files</source>
        <translation>显示多个对象文件的汇总报告</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the object</source>
        <translation>打印对象</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Show the printed pages</source>
        <translation>显示打印页面</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>更改打印机和打印选项</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>Page&amp;border...</source>
        <translation>页边距(&amp;B)...</translation>
    </message>
    <message>
        <source>Set the page borders of the printer</source>
        <translation>设置打印机的页边距</translation>
    </message>
    <message>
        <source>Pageborder</source>
        <translation>页边距</translation>
    </message>
    <message>
        <source>Run O&amp;ndralink</source>
        <translation>运行 O&amp;ndralink</translation>
    </message>
    <message>
        <source>Start the transfer tool Ondralink</source>
        <translation>启动传输工具 Ondralink</translation>
    </message>
    <message>
        <source>Run Ondralink</source>
        <translation>运行 Ondralink</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the object</source>
        <translation>退出应用程序；提示保存对象</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Title and remarks...</source>
        <translation>标题和备注(&amp;T)...</translation>
    </message>
    <message>
        <source>Edit title, date, name and remarks</source>
        <translation>编辑标题、日期、名称和备注</translation>
    </message>
    <message>
        <source>Title and remarks</source>
        <translation>标题和备注</translation>
    </message>
    <message>
        <source>&amp;Limit and range...</source>
        <translation>限值和范围(&amp;L)...</translation>
    </message>
    <message>
        <source>Edit the limit and the chart range</source>
        <translation>编辑限值和图表范围</translation>
    </message>
    <message>
        <source>Limit and range</source>
        <translation>限值和范围</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>设置(&amp;S)...</translation>
    </message>
    <message>
        <source>Edit the conversion settings</source>
        <translation>编辑换算设置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Cover &amp;acceptance...</source>
        <translation>保护层验收(&amp;A)...</translation>
    </message>
    <message>
        <source>Judge the covers against the design cover</source>
        <translation>按设计保护层厚度评定检测结果</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>保护层厚度验收</translation>
    </message>
    <message>
        <source>&amp;Enable value change</source>
        <translation>允许修改数值(&amp;E)</translation>
    </message>
    <message>
        <source>Allow single values to be changed by double click</source>
        <translation>允许通过双击修改单个数值</translation>
    </message>
    <message>
        <source>Enable value change</source>
        <translation>允许修改数值</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>图表(&amp;C)</translation>
    </message>
    <message>
        <source>Show or hide the chart</source>
        <translation>显示或隐藏图表</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>&amp;Values</source>
        <translation>数值(&amp;V)</translation>
    </message>
    <message>
        <source>Show or hide the values in the chart</source>
        <translation>显示或隐藏图表中的数值</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>统计(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the statistics</source>
        <translation>显示或隐藏统计</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>表格(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the table of values</source>
        <translation>显示或隐藏数值表</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>&amp;Grayscale</source>
        <translation>灰度(&amp;G)</translation>
    </message>
    <message>
        <source>Draw the chart in shades of gray</source>
        <translation>以灰度绘制图表</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>灰度</translation>
    </message>
    <message>
        <source>&amp;Inverted grayscale</source>
        <translation>反转灰度(&amp;I)</translation>
    </message>
    <message>
        <source>Draw the chart in inverted shades of gray</source>
        <translation>以反转灰度绘制图表</translation>
    </message>
    <message>
        <source>Inverted grayscale</source>
        <translation>反转灰度</translation>
    </message>
    <message>
        <source>Green/&amp;red shades</source>
        <translation>绿/红色调(&amp;R)</translation>
    </message>
    <message>
        <source>Draw the chart in green and red shades</source>
        <translation>以绿色和红色调绘制图表</translation>
    </message>
    <message>
        <source>Green/red shades</source>
        <translation>绿/红色调</translation>
    </message>
    <message>
        <source>S&amp;pectral colors</source>
        <translation>光谱色(&amp;P)</translation>
    </message>
    <message>
        <source>Draw the chart in spectral colors</source>
        <translation>以光谱色绘制图表</translation>
    </message>
    <message>
        <source>Spectral colors</source>
        <translation>光谱色</translation>
    </message>
    <message>
        <source>&amp;Axis</source>
        <translation>坐标轴(&amp;A)</translation>
    </message>
    <message>
        <source>Draw the chart with axes</source>
        <translation>绘制带坐标轴的图表</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>坐标轴</translation>
    </message>
    <message>
        <source>&amp;Frame</source>
        <translation>边框(&amp;F)</translation>
    </message>
    <message>
        <source>Draw the chart in a frame</source>
        <translation>绘制带边框的图表</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>G&amp;rid</source>
        <translation>网格(&amp;R)</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>显示或隐藏网格</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>T&amp;oolbar</source>
        <translation>工具栏(&amp;O)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>状态栏(&amp;B)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>&amp;mm Scale</source>
        <translation>毫米刻度(&amp;M)</translation>
    </message>
    <message>
        <source>Show positions in mm instead of m</source>
        <translation>以毫米而不是米显示位置</translation>
    </message>
    <message>
        <source>mm Scale</source>
        <translation>毫米刻度</translation>
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
        <source>Show the user interface in English</source>
        <translation>以英语显示用户界面</translation>
    </message>
    <message>
        <source>Show the user interface in French</source>
        <translation>以法语显示用户界面</translation>
    </message>
    <message>
        <source>Show the user interface in German</source>
        <translation>以德语显示用户界面</translation>
    </message>
    <message>
        <source>Show the user interface in Chinese</source>
        <translation>以中文显示用户界面</translation>
    </message>
    <message>
        <source>Show the user interface in Russian</source>
        <translation>以俄语显示用户界面</translation>
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
        <source>&amp;About Vordalis...</source>
        <translation>关于 Vordalis(&amp;A)...</translation>
    </message>
    <message>
        <source>Show the program name and version</source>
        <translation>显示程序名称和版本</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>信息(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>缩放 %1 %</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Vordalis 对象文件 (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message numerus="yes">
        <source>Only the first dropped file is opened; %n other file(s) ignored.</source>
        <translation>
            <numerusform>只打开拖放的第一个文件；忽略了其他 %n 个文件。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vordalis::CNexoloDoc</name>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>无法保存文件 %1。</translation>
    </message>
    <message>
        <source>There is no object to save.</source>
        <translation>没有可保存的对象。</translation>
    </message>
    <message>
        <source>The object cannot be written in the file format.</source>
        <translation>无法以该文件格式写入对象。</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>保存对 %1 的更改吗？</translation>
    </message>
</context>
<context>
    <name>vordalis::CTitleDlg</name>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>最多输入 %1 个字符。</translation>
    </message>
    <message>
        <source>Title and Remarks</source>
        <translation>标题和备注</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>标题(&amp;T)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>日期(&amp;D)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>&amp;Remarks</source>
        <translation>备注(&amp;R)</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>vordalis::ReportCommands</name>
    <message>
        <source>Date of the report</source>
        <translation>报告日期</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Skipped files</source>
        <translation>跳过的文件</translation>
    </message>
    <message>
        <source>Cover list</source>
        <translation>保护层列表</translation>
    </message>
    <message>
        <source>Bar scan</source>
        <translation>线扫描</translation>
    </message>
    <message>
        <source>Raster</source>
        <translation>网格扫描</translation>
    </message>
    <message>
        <source>Rebound series</source>
        <translation>回弹测区</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>JGJ/T 23 series</source>
        <translation>JGJ/T 23 测区</translation>
    </message>
    <message>
        <source>Readings, CSV (*.csv)</source>
        <translation>读数，CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV (*.csv)</source>
        <translation>统计，CSV (*.csv)</translation>
    </message>
    <message>
        <source>Readings, CSV for spreadsheets (*.csv)</source>
        <translation>读数，电子表格用 CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistics, CSV for spreadsheets (*.csv)</source>
        <translation>统计，电子表格用 CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>正在准备报告...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Vordalis Object Files (*.vdo)</source>
        <translation>Vordalis 对象文件 (*.vdo)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
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
