<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Gallery</name>
    <message>
        <source>Widget gallery</source>
        <translation>Widget gallery</translation>
    </message>
    <message>
        <source>Push buttons: normal, hover, pressed, disabled, selected while disabled</source>
        <translation>Push buttons: normal, hover, pressed, disabled, selected while disabled</translation>
    </message>
    <message>
        <source>Title bar, profile bar and drop-down buttons</source>
        <translation>Title bar, profile bar and drop-down buttons</translation>
    </message>
    <message>
        <source>Drawing variants</source>
        <translation>Drawing variants</translation>
    </message>
    <message>
        <source>Slider, labels and line edit</source>
        <translation>Slider, labels and line edit</translation>
    </message>
    <message>
        <source>Battery gauge and delay rows</source>
        <translation>Battery gauge and delay rows</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icons</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>A caption far too long for this button</source>
        <translation>A caption far too long for this button</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>hover</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>pressed</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>disabled</translation>
    </message>
    <message>
        <source>selected, disabled</source>
        <translation>selected, disabled</translation>
    </message>
    <message>
        <source>one image, pressed</source>
        <translation>one image, pressed</translation>
    </message>
    <message>
        <source>elided caption</source>
        <translation>elided caption</translation>
    </message>
    <message>
        <source>profile bar</source>
        <translation>profile bar</translation>
    </message>
    <message>
        <source>up / down</source>
        <translation>up / down</translation>
    </message>
    <message>
        <source>language</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>profile selector</source>
        <translation>profile selector</translation>
    </message>
    <message>
        <source>round</source>
        <translation>round</translation>
    </message>
    <message>
        <source>square</source>
        <translation>square</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>VERTICAL</translation>
    </message>
    <message>
        <source>vertical text</source>
        <translation>vertical text</translation>
    </message>
    <message>
        <source>Label with a fill</source>
        <translation>Label with a fill</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <source>value bubble while dragging</source>
        <translation>value bubble while dragging</translation>
    </message>
    <message>
        <source>line edit</source>
        <translation>line edit</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
    <message>
        <source>battery</source>
        <translation>battery</translation>
    </message>
    <message>
        <source>mouse off</source>
        <translation>mouse off</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cable</translation>
    </message>
    <message>
        <source>delay rows</source>
        <translation>delay rows</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this profile?</source>
        <translation>Are you sure you want to delete this profile?</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
    <message>
        <source>Add profile</source>
        <translation>Add profile</translation>
    </message>
    <message>
        <source>Please enter the profile name:</source>
        <translation>Please enter the profile name:</translation>
    </message>
    <message>
        <source>My profile</source>
        <translation>My profile</translation>
    </message>
</context>
<context>
    <name>mousecfg::BatteryGauge</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>MOUSE OFF</translation>
    </message>
</context>
<context>
    <name>mousecfg::CustomizeTab</name>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>CUSTOMIZE</translation>
    </message>
</context>
<context>
    <name>mousecfg::LightingTab</name>
    <message>
        <source>LIGHTING</source>
        <translation>LIGHTING</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroTab</name>
    <message>
        <source>MACRO</source>
        <translation>MACRO</translation>
    </message>
</context>
<context>
    <name>mousecfg::MousecfgWidget</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Dongle Disconnect!</translation>
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
        <translation>Profile</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Press Enter To Apply</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>COPY</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Reset All</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LOAD1</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAVE</translation>
    </message>
</context>
<context>
    <name>mousecfg::ProfileManager</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profile is Already Used!</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profile Exist!</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>The default Profile cannot be deleted or renamed.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Are you sure you want delete this profile?</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>AT LEAST ONE PROFILE TO BE RETAINED.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Are you sure you want reset this profile?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Are you sure you want reset all profiles?</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>The file is not match current mouse!</translation>
    </message>
    <message>
        <source>The name is not valid: it must not be empty, &quot;.&quot; or &quot;..&quot;, nor contain / or \.</source>
        <translation>The name is not valid: it must not be empty, &quot;.&quot; or &quot;..&quot;, nor contain / or \.</translation>
    </message>
</context>
<context>
    <name>mousecfg::SkinnedDialog</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>POINTER SPEED</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLL SPEED</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>REPORT RATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Lift off Distance</translation>
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
        <translation>Link XY</translation>
    </message>
</context>
<context>
    <name>mousecfg::Tray</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Load Config</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>mousecfg::WindowSession</name>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Mouse is sleeping or not connected.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Send data failed, please try again.</translation>
    </message>
</context>
</TS>
