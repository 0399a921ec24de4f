<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Strings</name>
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
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Out of Range (&lt;10 MPa or &gt;60MPa) </source>
        <translation>超出范围 (&lt;10 MPa 或 &gt;60MPa) </translation>
    </message>
</context>
<context>
    <name>vordalis::CTorvFensterChina</name>
    <message>
        <source>Torvihammer Settings</source>
        <translation>Torvihammer 设置</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>换算</translation>
    </message>
    <message>
        <source>General conversion</source>
        <translation>通用换算</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>初始设置</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Impact direction</source>
        <translation>回弹角度</translation>
    </message>
    <message>
        <source>Concrete placing</source>
        <translation>混凝土浇筑面</translation>
    </message>
    <message>
        <source>Carbonation depth</source>
        <translation>碳化深度</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Pump concrete</source>
        <translation>泵送混凝土</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>表面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>底面</translation>
    </message>
</context>
<context>
    <name>vordalis::CSelectSummery</name>
    <message>
        <source>Select summary</source>
        <translation>选择汇总</translation>
    </message>
    <message>
        <source>Torvihammer</source>
        <translation>Torvihammer</translation>
    </message>
    <message>
        <source>Torvihammer China</source>
        <translation>Torvihammer 中国</translation>
    </message>
    <message>
        <source>Single component evaluation</source>
        <translation>单个构件检测</translation>
    </message>
    <message>
        <source>Batch component evaluation</source>
        <translation>批量构件检测</translation>
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
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>详细视图</translation>
    </message>
</context>
</TS>
