#include "storage/macro_files.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>

#include "storage/app_settings.h"
#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/save_batch.h"

namespace mousecfg {

namespace {

QString eventKey(const char* kind, int i) {
    return QStringLiteral("Setting/%1_%2").arg(QLatin1String(kind)).arg(i);
}

std::uint8_t byteOf(const QVariant& v) {
    return static_cast<std::uint8_t>(v.toInt());
}

}  // namespace

QString macroFilePath(const Paths& paths, const QString& name) {
    if (!Paths::isSafeFileName(name)) return QString();
    return paths.macroDir() + QLatin1Char('/') + name + QStringLiteral(".MSMACRO");
}

int countMacros(const Paths& paths) {
    return macroNames(paths).size();
}

QStringList macroNames(const Paths& paths) {
    IniReader s(paths, paths.configFile());
    QStringList names;
    for (int i = 0; i < appsettings::kMacroListSize; ++i) {
        const QString n = s.value(QStringLiteral("MACRO_LIST/%1").arg(i)).toString();
        if (!n.isEmpty()) names << n;
    }
    return names;
}

int firstFreeMacroSlot(const Paths& paths) {
    IniReader s(paths, paths.configFile());
    for (int i = 0; i < appsettings::kMacroListSize; ++i)
        if (s.value(QStringLiteral("MACRO_LIST/%1").arg(i)).toString().isEmpty()) return i;
    return -1;
}

bool addMacroName(const Paths& paths, const QString& name) {
    const int slot = firstFreeMacroSlot(paths);
    if (slot < 0) return false;
    return appsettings::saveMacroListEntry(paths, slot, name).ok();
}

MacroFileData readMacroFile(const Paths& paths, const QString& name, int maxEvents) {
    MacroFileData data;
    const QString path = macroFilePath(paths, name);
    if (path.isEmpty()) return data;
    IniReader s(paths, path);
    if (!s.isOpen()) return data;
    data.defaultDelay = s.value(QStringLiteral("Setting/DefaultDelay")).toInt();
    data.delayType = s.value(QStringLiteral("Setting/DelayType")).toInt();
    data.loopType = s.value(QStringLiteral("Setting/LoopType")).toInt();
    data.loopTime = s.value(QStringLiteral("Setting/LoopTime")).toInt();
    const int limit = std::clamp(maxEvents, 0, kMacroFileEventLimit);
    // A count past the int range still means "more than we read", not "none".
    const int count = static_cast<int>(
        std::clamp<qlonglong>(s.value(QStringLiteral("Setting/Count")).toLongLong(), 0, limit));
    data.events.reserve(count);
    for (int i = 0; i < count; ++i) {
        MacroEvent e;
        e.map = byteOf(s.value(eventKey("Map", i)));
        e.dataH = byteOf(s.value(eventKey("DataH", i)));
        e.dataL = byteOf(s.value(eventKey("DataL", i)));
        data.events.push_back(e);
    }
    return data;
}

QVector<MacroEvent> readMacroEvents(const Paths& paths, const QString& name, int maxEvents) {
    return readMacroFile(paths, name, maxEvents).events;
}

bool stageMacroFile(SaveBatch& batch, const Paths& paths, const QString& name, const MacroFileData& data,
                    MacroWriteSign sign) {
    const QString path = macroFilePath(paths, name);
    if (path.isEmpty() || data.events.size() > kMacroFileEventLimit) return false;
    // A new file with only the macro's keys: events of a longer earlier version do not linger.
    batch.replaceIni(path, [path, data, sign](QSettings& s) {
        s.setValue(QStringLiteral("Setting/MacroFilePath"), QFileInfo(path).absoluteFilePath());
        s.setValue(QStringLiteral("Setting/DefaultDelay"), data.defaultDelay);
        s.setValue(QStringLiteral("Setting/DelayType"), data.delayType);
        s.setValue(QStringLiteral("Setting/LoopType"), data.loopType);
        s.setValue(QStringLiteral("Setting/LoopTime"), data.loopTime);
        s.setValue(QStringLiteral("Setting/Count"), data.events.size());
        for (int i = 0; i < data.events.size(); ++i) {
            // Event bytes are stored as decimal text, the way the editor's cells hold them.
            const MacroEvent& e = data.events[i];
            s.setValue(eventKey("Map", i), QString::number(e.map));
            s.setValue(eventKey("DataH", i), QString::number(e.dataH));
            s.setValue(eventKey("DataL", i), QString::number(e.dataL));
        }
        if (sign == MacroWriteSign::Set) s.setValue(QStringLiteral("Setting/WriteSign"), 1);
    });
    return true;
}

bool writeMacroFile(const Paths& paths, const QString& name, const MacroFileData& data, MacroWriteSign sign) {
    SaveBatch batch(paths);
    return stageMacroFile(batch, paths, name, data, sign) && batch.commit().ok();
}

int readMacroWriteSign(const Paths& paths, const QString& name) {
    const QString path = macroFilePath(paths, name);
    if (path.isEmpty()) return 0;
    return IniReader(paths, path).value(QStringLiteral("Setting/WriteSign")).toInt();
}

bool clearMacroWriteSign(const Paths& paths, const QString& name) {
    const QString path = macroFilePath(paths, name);
    if (path.isEmpty() || checkDataFile(paths.dataDir(), path) != FileIssue::None) return false;
    SaveBatch batch(paths);
    batch.editIni(path, [](QSettings& s) { s.setValue(QStringLiteral("Setting/WriteSign"), 0); });
    return batch.commit().ok();
}

}  // namespace mousecfg
