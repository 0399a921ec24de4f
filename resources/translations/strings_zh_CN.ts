<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Strings</name>
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
        <source>Update Vordalis to version %s</source>
        <translation>将 Vordalis 更新到版本 %s</translation>
    </message>
    <message>
        <source>New version available!</source>
        <translation>有新版本可用！</translation>
    </message>
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
        <source>Cover</source>
        <translation>保护层</translation>
    </message>
    <message>
        <source>Limit: %d mm</source>
        <translation>限值: %d mm</translation>
    </message>
    <message>
        <source>Bar diameter</source>
        <translation>钢筋直径</translation>
    </message>
    <message>
        <source>X grid width</source>
        <translation>X 网格宽度</translation>
    </message>
    <message>
        <source>Y grid width</source>
        <translation>Y 网格宽度</translation>
    </message>
    <message>
        <source>Number of measured covers</source>
        <translation>测量点数量</translation>
    </message>
    <message>
        <source>Total Area of measured grids</source>
        <translation>测量网格总面积</translation>
    </message>
    <message>
        <source>Set parameters</source>
        <translation>设置参数</translation>
    </message>
    <message>
        <source>Statistic</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Average measured cover</source>
        <translation>平均保护层厚度</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>标准差</translation>
    </message>
    <message>
        <source>Maximum of measured covers</source>
        <translation>最大保护层厚度</translation>
    </message>
    <message>
        <source>Minimum of measured covers</source>
        <translation>最小保护层厚度</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>极差</translation>
    </message>
    <message>
        <source>Measured covers</source>
        <translation>保护层测量值</translation>
    </message>
    <message>
        <source>Measured covers (continued)</source>
        <translation>保护层测量值（续）</translation>
    </message>
    <message>
        <source>Bar distance</source>
        <translation>钢筋间距</translation>
    </message>
    <message>
        <source>Number of measured bars</source>
        <translation>测量钢筋数量</translation>
    </message>
    <message>
        <source>Cover values below limit</source>
        <translation>低于限值的比例</translation>
    </message>
    <message>
        <source>Limit value of covers</source>
        <translation>保护层限值</translation>
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
        <source>Impact direction</source>
        <translation>回弹方向</translation>
    </message>
    <message>
        <source>Eliminate outliers</source>
        <translation>剔除异常值</translation>
    </message>
    <message>
        <source>Conversion curve</source>
        <translation>换算曲线</translation>
    </message>
    <message>
        <source>Carbonation depth</source>
        <translation>碳化深度</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>龄期系数</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>形状系数</translation>
    </message>
    <message>
        <source>Mean compressive strength</source>
        <translation>平均抗压强度</translation>
    </message>
    <message>
        <source>Rebound value</source>
        <translation>回弹值</translation>
    </message>
    <message>
        <source>Number of measurements</source>
        <translation>测量次数</translation>
    </message>
    <message>
        <source>Mean rebound value</source>
        <translation>平均回弹值</translation>
    </message>
    <message>
        <source>Maximum rebound value</source>
        <translation>最大回弹值</translation>
    </message>
    <message>
        <source>Minimum rebound value</source>
        <translation>最小回弹值</translation>
    </message>
    <message>
        <source>Measured rebound value</source>
        <translation>回弹测量值</translation>
    </message>
    <message>
        <source>Concrete placing</source>
        <translation>混凝土浇筑面</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>换算</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>泵送混凝土</translation>
    </message>
    <message>
        <source>With impact direction</source>
        <translation>角度修正后</translation>
    </message>
    <message>
        <source>With concrete placing</source>
        <translation>浇筑面修正后</translation>
    </message>
    <message>
        <source>With carbonation depth</source>
        <translation>碳化深度修正后</translation>
    </message>
    <message>
        <source>With pump concrete</source>
        <translation>泵送修正后</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>表面</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底面</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>通用换算</translation>
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
        <source>Median rebound value</source>
        <translation>回弹值中位数</translation>
    </message>
    <message>
        <source>Title : mean rebound value [R]</source>
        <translation>标题 : 平均回弹值 [R]</translation>
    </message>
    <message>
        <source>Title : mean value f2 [MPa]</source>
        <translation>标题 : 平均值 f2 [MPa]</translation>
    </message>
    <message>
        <source>Number of measurement series</source>
        <translation>测区数</translation>
    </message>
    <message>
        <source>Component strength</source>
        <translation>构件强度推定值</translation>
    </message>
    <message>
        <source>Summary mean value</source>
        <translation>汇总平均值</translation>
    </message>
    <message>
        <source>Summary mean compr. strength</source>
        <translation>汇总平均抗压强度</translation>
    </message>
    <message>
        <source>Mean value</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Minimum value</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum value</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Summary median value</source>
        <translation>汇总中位值</translation>
    </message>
    <message>
        <source>Summary median compr. strength</source>
        <translation>汇总中位抗压强度</translation>
    </message>
    <message>
        <source>Median compressive strength</source>
        <translation>抗压强度中位数</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>超出范围 (&lt;10 MPa 或 &gt;60MPa) </translation>
    </message>
    <message>
        <source>2 Layer correction</source>
        <translation>双层修正</translation>
    </message>
    <message>
        <source>    1. Layer</source>
        <translation>    第1层</translation>
    </message>
    <message>
        <source>    2. Layer</source>
        <translation>    第2层</translation>
    </message>
    <message>
        <source>    Arrangement</source>
        <translation>    布置</translation>
    </message>
    <message>
        <source>Failed to launch tamlo!</source>
        <translation>无法启动 tamlo！</translation>
    </message>
    <message>
        <source>Failed to launch ondralink!</source>
        <translation>无法启动 ondralink！</translation>
    </message>
    <message>
        <source>It is not possible to run %s with a broken FTP connection.<byte value="xd"/>
Press [Finish] or [Cancel] to terminate %s.</source>
        <translation>FTP 连接中断，无法运行 %s。<byte value="xd"/>
请按 [完成] 或 [取消] 退出 %s。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>There is no update available. <byte value="xd"/>
You are already using the most recent version of %s.</source>
        <translation>没有可用的更新。 <byte value="xd"/>
您使用的已经是 %s 的最新版本。</translation>
    </message>
    <message>
        <source>Found a newer version of %s on the server. <byte value="xd"/>
 Server version: %s <byte value="xd"/>
 Your version: %s</source>
        <translation>在服务器上找到 %s 的更新版本。 <byte value="xd"/>
 服务器版本：%s <byte value="xd"/>
 您的版本：%s</translation>
    </message>
    <message>
        <source>Downloading %s</source>
        <translation>正在下载 %s</translation>
    </message>
    <message>
        <source>%s MB downloaded</source>
        <translation>已下载 %s MB</translation>
    </message>
    <message>
        <source>Unknown error while downloading.</source>
        <translation>下载时发生未知错误。</translation>
    </message>
    <message>
        <source>Receiving update information...</source>
        <translation>正在接收更新信息...</translation>
    </message>
    <message>
        <source>Searching update for %s</source>
        <translation>正在搜索 %s 的更新</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>下一步 &gt;</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 上一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Member %s: %s</source>
        <translation>成员 %s：%s</translation>
    </message>
</context>
</TS>
