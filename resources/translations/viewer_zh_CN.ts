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
    <name>vordalis::CMainFrame</name>
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
      <source>Save As</source>
      <translation>另存为</translation>
    </message>
    <message>
      <source>Vordalis Object Files (*.vdo)</source>
      <translation>Vordalis 对象文件 (*.vdo)</translation>
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
      <source>&amp;Date</source>
      <translation>日期(&amp;D)</translation>
    </message>
    <message>
      <source>&amp;Name</source>
      <translation>名称(&amp;N)</translation>
    </message>
    <message>
      <source>&amp;Remarks</source>
      <translation>备注(&amp;R)</translation>
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
      <source>Time</source>
      <translation>时间</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>名称</translation>
    </message>
    <message>
      <source>Remarks</source>
      <translation>备注</translation>
    </message>
  </context>
  <context>
    <name>Strings</name>
    <message>
      <source>Rebar Locator</source>
      <translation>钢筋探测仪</translation>
    </message>
    <message>
      <source>Date:</source>
      <translation>日期：</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>名称：</translation>
    </message>
    <message>
      <source>Title:</source>
      <translation>标题：</translation>
    </message>
    <message>
      <source>Remarks:</source>
      <translation>备注：</translation>
    </message>
    <message>
      <source>%s:
Object empty or not valid</source>
      <translation>%s：
对象为空或无效</translation>
    </message>
    <message>
      <source>Double click to modify value</source>
      <translation>双击修改数值</translation>
    </message>
    <message>
      <source>Double click to modify title/remarks</source>
      <translation>双击修改标题/备注</translation>
    </message>
    <message>
      <source>Double click to modify limit/range</source>
      <translation>双击修改限值/范围</translation>
    </message>
    <message>
      <source>Double click to modify settings</source>
      <translation>双击修改设置</translation>
    </message>
    <message>
      <source>Double click to detail view</source>
      <translation>双击查看详细信息</translation>
    </message>
    <message>
      <source>Save changes to original file</source>
      <translation>将更改保存到原始文件</translation>
    </message>
    <message>
      <source>No such file or directory</source>
      <translation>没有那个文件或目录</translation>
    </message>
    <message>
      <source>Is a directory</source>
      <translation>是一个目录</translation>
    </message>
    <message>
      <source>Permission denied</source>
      <translation>权限不够</translation>
    </message>
    <message>
      <source>Member %s: %s</source>
      <translation>成员 %s：%s</translation>
    </message>
    <message>
      <source>Failed to launch tamlo!</source>
      <translation>无法启动 tamlo！</translation>
    </message>
    <message>
      <source>Failed to launch ondralink!</source>
      <translation>无法启动 ondralink！</translation>
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
</TS>
