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
        <source>The %1 translation cannot be loaded.</source>
        <translation>Die Übersetzung „%1“ kann nicht geladen werden.</translation>
    </message>
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
    <message>
        <source>Battery critically low</source>
        <translation>Akku fast leer</translation>
    </message>
    <message>
        <source>Battery low</source>
        <translation>Akku schwach</translation>
    </message>
    <message>
        <source>%1 will switch off soon. Please charge it now.</source>
        <translation>%1 schaltet sich bald ab. Bitte jetzt aufladen.</translation>
    </message>
    <message>
        <source>%1 is down to %2 %. Please charge it soon.</source>
        <translation>%1 hat nur noch %2 %. Bitte bald aufladen.</translation>
    </message>
    <message>
        <source>Battery %1 %</source>
        <translation>Akku %1 %</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>Zum Aktualisieren der Firmware die Maus bitte per Kabel mit dem Computer verbinden.</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>No firmware updater is installed with this program. Please update the firmware with the updater from the mouse&apos;s maker.</source>
        <translation>Mit diesem Programm ist kein Firmware-Updater installiert. Bitte aktualisieren Sie die Firmware mit dem Updater des Mausherstellers.</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>Der Firmware-Updater konnte nicht gestartet werden.</translation>
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
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LADEN</translation>
    </message>
    <message>
        <source>Add a profile</source>
        <translation>Profil hinzufügen</translation>
    </message>
    <message>
        <source>Copy this profile</source>
        <translation>Dieses Profil kopieren</translation>
    </message>
    <message>
        <source>Delete this profile</source>
        <translation>Dieses Profil löschen</translation>
    </message>
    <message>
        <source>Reset this profile</source>
        <translation>Dieses Profil zurücksetzen</translation>
    </message>
    <message>
        <source>Export this profile to a file</source>
        <translation>Dieses Profil in eine Datei exportieren</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>Profil aus einer Datei importieren</translation>
    </message>
    <message>
        <source>Stored profiles</source>
        <translation>Gespeicherte Profile</translation>
    </message>
    <message>
        <source>The profile the mouse uses</source>
        <translation>Das Profil, das die Maus verwendet</translation>
    </message>
    <message>
        <source>Profile %1: %2</source>
        <translation>Profil %1: %2</translation>
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
    <message>
        <source>Saving failed:</source>
        <translation>Speichern fehlgeschlagen:</translation>
    </message>
    <message>
        <source>This configuration file belongs to another mouse.</source>
        <translation>Diese Konfigurationsdatei gehört zu einer anderen Maus.</translation>
    </message>
    <message>
        <source>This file does not hold a complete configuration, so nothing was loaded.</source>
        <translation>Diese Datei enthält keine vollständige Konfiguration, daher wurde nichts geladen.</translation>
    </message>
    <message>
        <source>This file cannot be read, so nothing was loaded.</source>
        <translation>Diese Datei kann nicht gelesen werden, daher wurde nichts geladen.</translation>
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
    <message>
        <source>These files of the data folder cannot be used: their settings read as defaults, and saving over them fails.</source>
        <translation>Diese Dateien des Datenordners sind nicht verwendbar: Ihre Einstellungen werden als Standardwerte gelesen, und Speichern darüber schlägt fehl.</translation>
    </message>
    <message>
        <source>The settings could not be saved, so nothing was sent to the mouse. Your changes are kept.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden, daher wurde nichts an die Maus gesendet. Ihre Änderungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>Another program has changed the saved settings. Load them and drop the changes not yet applied here?</source>
        <translation>Ein anderes Programm hat die gespeicherten Einstellungen geändert. Diese laden und die hier noch nicht übernommenen Änderungen verwerfen?</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroCommandTree</name>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>MAUSBEFEHL</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>DRÜCKEN</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>LOSLASSEN</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroDialog</name>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>DANACH AUFN.</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>BEARBEITEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>UMBENENNEN</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>EXPORT</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>SCHUSSFOLGE</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>MAUSAKTION</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>PAUSE EINFÜGEN</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>ANFANG</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>KOPIEREN</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>AUSSCHN.</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>EINFÜGEN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>MAKRONAME</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>PAUSEN MIT AUFZEICHNEN</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>STANDARDPAUSE</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>DURCHLÄUFE(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERH. SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>WIEDERH. BIS ERNEUT GEDRÜCKT</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>STAPEL</translation>
    </message>
    <message>
        <source>ONLY KEYS TYPED INTO THIS WINDOW ARE RECORDED.</source>
        <translation>NUR TASTEN IN DIESEM FENSTER WERDEN AUFGEZEICHNET.</translation>
    </message>
    <message>
        <source>Macro name, at most 20 characters</source>
        <translation>Makroname, höchstens 20 Zeichen</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>AKTION</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>PAUSE(ms)</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>Makrodatei(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>ZU VIELE MAKROS, KEIN WEITERES MÖGLICH!</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>Makro existiert bereits!</translation>
    </message>
    <message>
        <source>INVALID MACRO NAME: %1</source>
        <translation>UNGÜLTIGER MAKRONAME: %1</translation>
    </message>
    <message>
        <source>THE FILE OF MACRO %1 IS MISSING.</source>
        <translation>DIE DATEI DES MAKROS %1 FEHLT.</translation>
    </message>
    <message>
        <source>THE MACRO FILES COULD NOT BE WRITTEN. NOTHING WAS CHANGED.</source>
        <translation>DIE MAKRODATEIEN KONNTEN NICHT GESCHRIEBEN WERDEN. NICHTS WURDE GEÄNDERT.</translation>
    </message>
    <message>
        <source>THE MACRO %1 COULD NOT BE SAVED. CHECK THAT THE MACRO FOLDER CAN BE WRITTEN.</source>
        <translation>DAS MAKRO %1 KONNTE NICHT GESICHERT WERDEN. IST DER MAKROORDNER BESCHREIBBAR?</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>Makrodatei laden</translation>
    </message>
    <message>
        <source>NOT IMPORTED: %1</source>
        <translation>NICHT IMPORTIERT: %1</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>Makrodatei sichern</translation>
    </message>
    <message>
        <source>THE FILE %1 COULD NOT BE WRITTEN.</source>
        <translation>DIE DATEI %1 KONNTE NICHT GESCHRIEBEN WERDEN.</translation>
    </message>
    <message>
        <source>NOT EXPORTED (A FILE OF THAT NAME EXISTS OR THE FOLDER CANNOT BE WRITTEN): %1</source>
        <translation>NICHT EXPORTIERT (DATEI GLEICHEN NAMENS VORHANDEN ODER ORDNER NICHT BESCHREIBBAR): %1</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>EINE ODER MEHRERE TASTEN WURDEN NICHT LOSGELASSEN.</translation>
    </message>
    <message>
        <source>A MACRO HOLDS AT MOST %1 ACTIONS.</source>
        <translation>EIN MAKRO FASST HÖCHSTENS %1 AKTIONEN.</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroRowEditor</name>
    <message>
        <source>TYPE THE NEW KEY</source>
        <translation>NEUE TASTE DRÜCKEN</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>DISTANZ</translation>
    </message>
    <message>
        <source>MOVEMENT</source>
        <translation>BEWEGUNG</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
</context>
<context>
    <name>mousecfg::MacroTexts</name>
    <message>
        <source>LEFT CLICK</source>
        <translation>LINKSKLICK</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>RECHTSKLICK</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>MITTELKLICK</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>VORWÄRTS</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>RÜCKWÄRTS</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>NACH OBEN</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>NACH UNTEN</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnGunsetDialog</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>Schussfolge</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>SCHUSSFOLGE</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>DATEINAME</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>SCHÜSSE</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>PAUSE(MS)</translation>
    </message>
    <message>
        <source>DOWN(+)/UP(-)</source>
        <translation>AB+/AUF-</translation>
    </message>
    <message>
        <source>RIGHT(+)/LEFT(-)</source>
        <translation>RECHTS+/LINKS-</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>Bitte einen Dateinamen eingeben.</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnColorArea</name>
    <message>
        <source>Color Edit</source>
        <translation>Farbe bearbeiten</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>ANWENDEN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnColorWindow</name>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>DAUERLICHT</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>ATMEN</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>7-FARBEN-ATMEN</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>REGENBOGEN</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>BLITZ</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>Horizontale WELLE</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>Horizontal SPURLOS</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>Regentropfen</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>WELLE</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>SPURLOS</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>REAKTIV</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>Jo-Jo</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
    <message>
        <source>%1 MINUTE</source>
        <translation>%1 MIN.</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>EFFEKT</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>HELLIGKEIT</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>FARBE</translation>
    </message>
    <message>
        <source>SLEEP TIME</source>
        <translation>RUHEZEIT</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>BEI BEWEGUNG LICHT AUS</translation>
    </message>
</context>
<context>
    <name>mousecfg::ButtonDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keys are captured only while this window has the focus.</source>
        <translation>Tasten werden nur erfasst, solange dieses Fenster den Fokus hat.</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnBtnWindow</name>
    <message>
        <source>%1 (missing)</source>
        <comment>a macro no longer in the library</comment>
        <translation>%1 (fehlt)</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Grundfunktionen</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Wheel up</source>
        <translation>Rad hoch</translation>
    </message>
    <message>
        <source>Wheel down</source>
        <translation>Rad runter</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>Die linke Taste kann keine Gun-Funktion erhalten.</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>GUN-DATEI WÄHLEN</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>MAKRO WÄHLEN</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>Makroverwaltung</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>LED ein/aus</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>Taste aus</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles markieren</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>PC sperren</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>Browser: Startseite</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>Browser: Zurück</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>Browser: Vorwärts</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>Browser: Stopp</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>Browser: Neu laden</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>Browser: Suche</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>Browser: Favoriten</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Boss Key</source>
        <translation>Boss-Taste</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>EINZELTASTE</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>TASTENKOMBINATION</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>FEUERTASTE</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>SNIPER</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI umschalten</translation>
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
        <translation>Profil +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>Profil -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>Profil umschalten</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>Rate +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>Rate -</translation>
    </message>
    <message>
        <source>Rate Switch</source>
        <translation>Rate umschalten</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>Gun-Dateien</translation>
    </message>
    <message>
        <source>This mouse has no buttons to set in this view.</source>
        <translation>In dieser Ansicht gibt es keine Tasten zum Einstellen.</translation>
    </message>
    <message>
        <source>%1 DPI</source>
        <translation>%1 DPI</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>function: its key or value</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Press the modifier keys and the key together.</source>
        <translation>Drücken Sie die Umschalttasten und die Taste zusammen.</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>Feuertaste einstellen</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>Tastaturtaste</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Pause:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnMacroSelect</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>WIEDERHOLUNGEN (1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>WIEDERHOLEN, SOLANGE GEDRÜCKT</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>WIEDERHOLEN BIS ZUM NÄCHSTEN DRUCK</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Press the key the button should send.</source>
        <translation>Drücken Sie die Taste, die die Maustaste senden soll.</translation>
    </message>
</context>
<context>
    <name>mousecfg::TarnSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>Sniper einstellen</translation>
    </message>
    <message>
        <source>DPI while the button is held:</source>
        <translation>DPI, solange die Taste gehalten wird:</translation>
    </message>
</context>
</TS>
