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
        <source>The %1 translation cannot be loaded.</source>
        <translation>无法加载“%1”翻译。</translation>
    </message>
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
    <message>
        <source>Battery critically low</source>
        <translation>电池电量严重不足</translation>
    </message>
    <message>
        <source>Battery low</source>
        <translation>电池电量低</translation>
    </message>
    <message>
        <source>%1 will switch off soon. Please charge it now.</source>
        <translation>%1 即将关机，请立即充电。</translation>
    </message>
    <message>
        <source>%1 is down to %2 %. Please charge it soon.</source>
        <translation>%1 的电量只剩 %2 %，请尽快充电。</translation>
    </message>
    <message>
        <source>Battery %1 %</source>
        <translation>电量 %1 %</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>要更新固件，请用数据线将鼠标连接到电脑。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>是否要升级固件？</translation>
    </message>
    <message>
        <source>No firmware updater is installed with this program. Please update the firmware with the updater from the mouse&apos;s maker.</source>
        <translation>本程序未附带固件升级工具，请使用鼠标厂商提供的升级工具更新固件。</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>无法启动固件升级工具。</translation>
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
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Add a profile</source>
        <translation>添加配置文件</translation>
    </message>
    <message>
        <source>Copy this profile</source>
        <translation>复制此配置文件</translation>
    </message>
    <message>
        <source>Delete this profile</source>
        <translation>删除此配置文件</translation>
    </message>
    <message>
        <source>Reset this profile</source>
        <translation>重置此配置文件</translation>
    </message>
    <message>
        <source>Export this profile to a file</source>
        <translation>将此配置文件导出到文件</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>从文件导入配置文件</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>已保存的配置文件</translation>
    </message>
    <message>
        <source>The profile the mouse uses</source>
        <translation>鼠标正在使用的配置文件</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>配置文件 %1：%2</translation>
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
    <message>
        <source>Saving failed:</source>
        <translation>保存失败：</translation>
    </message>
    <message>
        <source>This configuration file belongs to another mouse.</source>
        <translation>此配置文件属于另一款鼠标。</translation>
    </message>
    <message>
        <source>This file does not hold a complete configuration, so nothing was loaded.</source>
        <translation>此文件不包含完整的配置，因此未加载任何内容。</translation>
    </message>
    <message>
        <source>This file cannot be read, so nothing was loaded.</source>
        <translation>无法读取此文件，因此未加载任何内容。</translation>
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
    <message>
        <source>These files of the data folder cannot be used: their settings read as defaults, and saving over them fails.</source>
        <translation>数据文件夹中的以下文件无法使用：其设置按默认值读取，且无法覆盖保存。</translation>
    </message>
    <message>
        <source>The settings could not be saved, so nothing was sent to the mouse. Your changes are kept.</source>
        <translation>无法保存设置，因此未向鼠标发送任何内容。您的更改已保留。</translation>
    </message>
    <message>
        <source>Another program has changed the saved settings. Load them and drop the changes not yet applied here?</source>
        <translation>另一个程序已更改了保存的设置。是否加载这些设置并放弃此处尚未应用的更改？</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroCommandTree</name>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标命令</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>弹起</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroDialog</name>
    <message>
        <source>START</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>在后面录制</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延时</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>录制动作间的延时</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延时</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复执行直到再次按键</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>ONLY KEYS TYPED INTO THIS WINDOW ARE RECORDED.</source>
        <translation>仅录制在本窗口中输入的按键。</translation>
    </message>
    <message>
        <source>Macro name, at most 20 characters</source>
        <translation>宏名称，最多 20 个字符</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法再创建！</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>INVALID MACRO NAME: %1</source>
        <translation>无效的宏名称：%1</translation>
    </message>
    <message>
        <source>THE FILE OF MACRO %1 IS MISSING.</source>
        <translation>宏 %1 的文件不存在。</translation>
    </message>
    <message>
        <source>THE MACRO FILES COULD NOT BE WRITTEN. NOTHING WAS CHANGED.</source>
        <translation>无法写入宏文件，未做任何更改。</translation>
    </message>
    <message>
        <source>THE MACRO %1 COULD NOT BE SAVED. CHECK THAT THE MACRO FOLDER CAN BE WRITTEN.</source>
        <translation>无法保存宏 %1，请检查宏文件夹是否可写。</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>加载宏文件</translation>
    </message>
    <message>
        <source>NOT IMPORTED: %1</source>
        <translation>未导入：%1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>THE FILE %1 COULD NOT BE WRITTEN.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>NOT EXPORTED (A FILE OF THAT NAME EXISTS OR THE FOLDER CANNOT BE WRITTEN): %1</source>
        <translation>未导出（同名文件已存在或文件夹不可写）：%1</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键未释放。</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST %1 ACTIONS.</source>
        <translation>一个宏最多包含 %1 个动作。</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroRowEditor</name>
    <message>
        <source>TYPE THE NEW KEY</source>
        <translation>请按下新的按键</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延时</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroTexts</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>向上移动</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>向下移动</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>释放</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnGunsetDialog</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>枪械文件名</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>DOWN(+)/UP(-)</source>
        <translation>下(+)/上(-)</translation>
    </message>
    <message>
        <source>RIGHT(+)/LEFT(-)</source>
        <translation>右(+)/左(-)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnColorArea</name>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnColorWindow</name>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪无痕</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪无痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>触发</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
    <message>
        <source>%1 MINUTE</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>灯效</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关闭灯光</translation>
    </message>
</context>
<context>
    <name>mousecfg::ButtonDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Keys are captured only while this window has the focus.</source>
        <translation>仅在此窗口获得焦点时才能捕获按键。</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnBtnWindow</name>
    <message>
        <source>%1 (missing)</source>
        <comment>a macro no longer in the library</comment>
        <translation>%1（缺失）</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows 功能</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设置为压枪功能。</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>选择压枪文件</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯光开关</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>老板键</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切换</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置文件 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置文件 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>配置文件切换</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>回报率切换</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>压枪文件管理</translation>
    </message>
    <message>
        <source>This mouse has no buttons to set in this view.</source>
        <translation>此视图中没有可设置的按键。</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>function: its key or value</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Press the modifier keys and the key together.</source>
        <translation>请同时按下修饰键和按键。</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>按键：</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>间隔：</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>毫秒</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnMacroSelect</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数（1-255）</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Press the key the button should send.</source>
        <translation>请按下此按键要发送的键。</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击键设置</translation>
    </message>
    <message>
        <source>DPI while the button is held:</source>
        <translation>按住按键时的 DPI：</translation>
    </message>
</context>
</TS>
