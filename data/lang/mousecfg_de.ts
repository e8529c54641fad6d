<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Gallery</name>
    <message>
        <source>Widget gallery</source>
        <translation>Steuerelement-Galerie</translation>
    </message>
    <message>
        <source>Push buttons: normal, hover, pressed, disabled, selected while disabled</source>
        <translation>Schaltflächen: normal, Hover, gedrückt, deaktiviert, ausgewählt und deaktiviert</translation>
    </message>
    <message>
        <source>Title bar, profile bar and drop-down buttons</source>
        <translation>Titelleiste, Profilleiste und Auswahlknöpfe</translation>
    </message>
    <message>
        <source>Drawing variants</source>
        <translation>Zeichenvarianten</translation>
    </message>
    <message>
        <source>Slider, labels and line edit</source>
        <translation>Schieberegler, Beschriftungen und Eingabefeld</translation>
    </message>
    <message>
        <source>Battery gauge and delay rows</source>
        <translation>Akkuanzeige und Verzögerungszeilen</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>ANPASSEN</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>A caption far too long for this button</source>
        <translation>Eine viel zu lange Beschriftung für diese Schaltfläche</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>hover</source>
        <translation>Hover</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>gedrückt</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>selected, disabled</source>
        <translation>ausgewählt, deaktiviert</translation>
    </message>
    <message>
        <source>one image, pressed</source>
        <translation>ein Bild, gedrückt</translation>
    </message>
    <message>
        <source>elided caption</source>
        <translation>gekürzte Beschriftung</translation>
    </message>
    <message>
        <source>profile bar</source>
        <translation>Profilleiste</translation>
    </message>
    <message>
        <source>up / down</source>
        <translation>auf / ab</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>profile selector</source>
        <translation>Profilauswahl</translation>
    </message>
    <message>
        <source>round</source>
        <translation>rund</translation>
    </message>
    <message>
        <source>square</source>
        <translation>eckig</translation>
    </message>
    <message>
        <source>VERTICAL</source>
        <translation>SENKRECHT</translation>
    </message>
    <message>
        <source>vertical text</source>
        <translation>senkrechter Text</translation>
    </message>
    <message>
        <source>Label with a fill</source>
        <translation>Beschriftung mit Füllung</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>value bubble while dragging</source>
        <translation>Wertanzeige beim Ziehen</translation>
    </message>
    <message>
        <source>line edit</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
    <message>
        <source>battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>mouse off</source>
        <translation>Maus aus</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>delay rows</source>
        <translation>Verzögerungszeilen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this profile?</source>
        <translation>Soll dieses Profil wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profil existiert bereits!</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Senden der Daten fehlgeschlagen, bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Add profile</source>
        <translation>Profil hinzufügen</translation>
    </message>
    <message>
        <source>Please enter the profile name:</source>
        <translation>Bitte den Profilnamen eingeben:</translation>
    </message>
    <message>
        <source>My profile</source>
        <translation>Mein Profil</translation>
    </message>
</context>
<context>
    <name>mousecfg::BatteryGauge</name>
    <message>
        <source>MOUSE OFF</source>
        <translation>MAUS AUS</translation>
    </message>
</context>
<context>
    <name>mousecfg::CustomizeTab</name>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>MINDESTENS EINE KLICKFUNKTION MUSS BLEIBEN.</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>TASTEN</translation>
    </message>
</context>
<context>
    <name>mousecfg::LightingTab</name>
    <message>
        <source>LIGHTING</source>
        <translation>BELEUCHTUNG</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroTab</name>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>Empfänger getrennt!</translation>
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
        <translation>Profil</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>Eingabetaste zum Übernehmen</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>HINZUFÜGEN</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
</context>
<context>
    <name>mousecfg::ProfileManager</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>Profil wird bereits verwendet!</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>Profil existiert bereits!</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>Das Standardprofil kann nicht gelöscht oder umbenannt werden.</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>MINDESTENS EIN PROFIL MUSS ERHALTEN BLEIBEN.</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>Möchten Sie wirklich alle Profile zurücksetzen?</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>Die Datei passt nicht zur aktuellen Maus!</translation>
    </message>
    <message>
        <source>The name is not valid: it must not be empty, &quot;.&quot; or &quot;..&quot;, nor contain / or \.</source>
        <translation>Ungültiger Name: Er darf nicht leer, „.“ oder „..“ sein und weder / noch \ enthalten.</translation>
    </message>
</context>
<context>
    <name>mousecfg::SkinnedDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>ZEIGERTEMPO</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>SCROLLTEMPO</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>ABFRAGERATE</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>Abhebehöhe</translation>
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
        <translation>XY koppeln</translation>
    </message>
</context>
<context>
    <name>mousecfg::Tray</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>&amp;Fenster zeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>mousecfg::WindowSession</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>Die Maus schläft oder ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>Senden fehlgeschlagen, bitte erneut versuchen.</translation>
    </message>
</context>
</TS>
