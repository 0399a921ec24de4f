<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vordalis::CDetailview</name>
    <message>
        <source>Detail view</source>
        <translation>详细视图</translation>
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
    <name>vordalis::CTorvFenster</name>
    <message>
        <source>Torvihammer Settings</source>
        <translation>Torvihammer 设置</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>换算</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>初始设置</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>中位数</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>形状系数</translation>
    </message>
    <message>
        <source>Time factor</source>
        <translation>龄期系数</translation>
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
        <source>Impact direction</source>
        <translation>回弹方向</translation>
    </message>
    <message>
        <source>Special conversion Fx</source>
        <translation>专用换算 Fx</translation>
    </message>
    <message>
        <source>fc(R)   =   a R² + b R + c</source>
        <translation>fc(R)   =   a R² + b R + c</translation>
    </message>
    <message>
        <source>a =</source>
        <translation>a =</translation>
    </message>
    <message>
        <source>b =</source>
        <translation>b =</translation>
    </message>
    <message>
        <source>c =</source>
        <translation>c =</translation>
    </message>
    <message>
        <source>fc(R) =</source>
        <translation>fc(R) =</translation>
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
    <message>
        <source>Pump concrete</source>
        <translation>泵送混凝土</translation>
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
</context>
<context>
    <name>vordalis::CTorvLimits</name>
    <message>
        <source>Limit</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Display mean line</source>
        <translation>显示平均线</translation>
    </message>
    <message>
        <source>Display limits</source>
        <translation>显示限值</translation>
    </message>
    <message>
        <source>Initial settings</source>
        <translation>初始设置</translation>
    </message>
</context>
</TS>
