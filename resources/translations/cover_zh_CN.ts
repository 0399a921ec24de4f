<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>vordalis::CCoverAcceptanceDlg</name>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Cover acceptance</source>
        <translation>保护层厚度验收</translation>
    </message>
    <message>
        <source>&amp;Design cover:</source>
        <translation>设计保护层(&amp;D):</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>梁类构件</translation>
    </message>
    <message>
        <source>Slab</source>
        <translation>板类构件</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>&amp;Member:</source>
        <translation>构件类型(&amp;M):</translation>
    </message>
    <message>
        <source>Tolerance:</source>
        <translation>允许偏差:</translation>
    </message>
    <message>
        <source>Add cover files</source>
        <translation>添加保护层文件</translation>
    </message>
    <message>
        <source>Object files (*.vdo);;All files (*)</source>
        <translation>对象文件 (*.vdo);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Further files of this sample</source>
        <translation>本次抽样的其他文件</translation>
    </message>
    <message>
        <source>Second sample</source>
        <translation>第二次抽样</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>These files are no cover objects and were left out:</source>
        <translation>以下文件不是保护层对象，已忽略：</translation>
    </message>
    <message>
        <source>No cover to judge</source>
        <translation>没有可评定的保护层</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Second sample required</source>
        <translation>需第二次抽样</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>结论：</translation>
    </message>
    <message>
        <source>Design cover</source>
        <translation>设计保护层厚度</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>构件类型</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>允许偏差</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>检测点数</translation>
    </message>
    <message>
        <source>Within tolerance</source>
        <translation>合格点数</translation>
    </message>
    <message>
        <source>Pass rate</source>
        <translation>合格率</translation>
    </message>
    <message>
        <source>Largest deviation below</source>
        <translation>最大负偏差</translation>
    </message>
    <message>
        <source>Largest deviation above</source>
        <translation>最大正偏差</translation>
    </message>
    <message>
        <source>Beyond 1.5 times the tolerance</source>
        <translation>超过1.5倍允许偏差</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Both samples: </source>
        <translation>两次抽样合计：</translation>
    </message>
</context>
<context>
    <name>vordalis::CLimitDlg</name>
    <message>
        <source>Limit and Range</source>
        <translation>限值和范围</translation>
    </message>
    <message>
        <source>&amp;Tolerance limit</source>
        <translation>容差限值(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Initial setting</source>
        <translation>初始设置(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Minimum cover</source>
        <translation>最小保护层(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Range of level chart</source>
        <translation>分级图范围(&amp;R)</translation>
    </message>
    <message>
        <source>I&amp;nitial settings</source>
        <translation>初始设置(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Lower threshold</source>
        <translation>下阈值(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Upper threshold</source>
        <translation>上阈值(&amp;U)</translation>
    </message>
</context>
<context>
    <name>vordalis::CModifyDlg</name>
    <message>
        <source>Modify value</source>
        <translation>修改数值</translation>
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
        <translation>数值(&amp;V)</translation>
    </message>
    <message>
        <source>WARNING: Modified values cannot be restored 
automatically</source>
        <translation>警告：修改后的数值无法
自动恢复</translation>
    </message>
</context>
</TS>
