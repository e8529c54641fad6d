<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Gallery</name>
    <message>
        <source>Widget gallery</source>
        <translation>控件一览</translation>
    </message>
    <message>
        <source>Push buttons: normal, hover, pressed, disabled, selected while disabled</source>
        <translation>按钮：常规、悬停、按下、禁用、禁用时保持选中</translation>
    </message>
    <message>
        <source>Title bar, profile bar and drop-down buttons</source>
        <translation>标题栏、配置栏与下拉按钮</translation>
    </message>
    <message>
        <source>Drawing variants</source>
        <translation>绘制样式</translation>
    </message>
    <message>
        <source>Slider, labels and line edit</source>
        <translation>滑块、标签与输入框</translation>
    </message>
    <message>
        <source>Battery gauge and delay rows</source>
        <translation>电量表与延时行</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>A caption far too long for this button</source>
        <translation>这个按钮放不下的一段很长的标题文字</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>悬停</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>selected, disabled</source>
        <translation>选中且禁用</translation>
    </message>
    <message>
        <source>one image, pressed</source>
        <translation>单图按钮按下</translation>
    </message>
    <message>
        <source>elided caption</source>
        <translation>省略的标题</translation>
    </message>
    <message>
        <source>profile bar</source>
        <translation>配置栏</translation>
    </message>
    <message>
        <source>up / down</source>
        <translation>上 / 下</translation>
    </message>
    <message>
        <source>language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>profile selector</source>
        <translation>配置选择</translation>
    </message>
    <message>
        <source>round</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>square</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>竖排</translation>
    </message>
    <message>
        <source>vertical text</source>
        <translation>竖排文字</translation>
    </message>
    <message>
        <source>Label with a fill</source>
        <translation>带底色的标签</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>配置名称</translation>
    </message>
    <message>
        <source>value bubble while dragging</source>
        <translation>拖动时显示数值</translation>
    </message>
    <message>
        <source>line edit</source>
        <translation>输入框</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标已关闭</translation>
    </message>
    <message>
        <source>battery</source>
        <translation>电量</translation>
    </message>
    <message>
        <source>mouse off</source>
        <translation>鼠标关闭</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>有线</translation>
    </message>
    <message>
        <source>delay rows</source>
        <translation>延时行</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this profile?</source>
        <translation>确定要删除此配置吗？</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置已存在！</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个单击功能。</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开！</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>发送数据失败，请重试。</translation>
    </message>
    <message>
        <source>Add profile</source>
        <translation>添加配置</translation>
    </message>
    <message>
        <source>Please enter the profile name:</source>
        <translation>请输入配置名称：</translation>
    </message>
    <message>
        <source>My profile</source>
        <translation>我的配置</translation>
    </message>
</context>
<context>
    <name>mousecfg::BatteryGauge</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>鼠标关闭</translation>
    </message>
</context>
<context>
    <name>mousecfg::CustomizeTab</name>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少保留一个左键功能。</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按键设置</translation>
    </message>
</context>
<context>
    <name>mousecfg::LightingTab</name>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroTab</name>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
</context>
<context>
    <name>mousecfg::MousecfgWidget</name>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开！</translation>
    </message>
</context>
<context>
    <name>mousecfg::PerformanceTab</name>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
</context>
<context>
    <name>mousecfg::ProfileBar</name>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>mousecfg::ProfileManager</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>配置文件已被使用！</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置文件已存在！</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置文件不能删除或重命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置文件吗？</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少保留一个配置文件。</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置文件吗？</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>The name is not valid: it must not be empty, &quot;.&quot; or &quot;..&quot;, nor contain / or \.</source>
        <translation>名称无效：不能为空、“.”或“..”，也不能包含 / 或 \。</translation>
    </message>
</context>
<context>
    <name>mousecfg::SkinnedDialog</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnDPIWindow</name>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnPointSpeed</name>
    <message>
        <source>POINTER SPEED</source>
        <translation>指针速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚动速度</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 mm</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 mm</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnSingleDPI</name>
    <message>
        <source>Link XY</source>
        <translation>联动XY</translation>
    </message>
</context>
<context>
    <name>mousecfg::Tray</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>显示窗口(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>mousecfg::WindowSession</name>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>发送数据失败，请重试。</translation>
    </message>
</context>
</TS>
