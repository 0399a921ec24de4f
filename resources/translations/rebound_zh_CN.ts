<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>Strings</name>
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
      <source>Median rebound value</source>
      <translation>回弹值中位数</translation>
    </message>
    <message>
      <source>Median compressive strength</source>
      <translation>抗压强度中位数</translation>
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
      <source>Unit</source>
      <translation>单位</translation>
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
      <source>Median</source>
      <translation>中位数</translation>
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
