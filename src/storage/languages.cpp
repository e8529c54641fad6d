#include "storage/languages.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "storage/paths.h"

namespace mousecfg::languages {

namespace {
const QString kFontList = QStringLiteral("FONT_LIST/");
}  // namespace

int LanguageTable::usableCount() const {
    return qBound(0, count, kMaxLanguages);
}

int loadLanguageId(const Paths& p) {
    QSettings s(p.langConfigFile(), QSettings::IniFormat);
    return s.value(QStringLiteral("Config/LangID"), 0).toInt();
}

void saveLanguageId(const Paths& p, int id) {
    // QSettings does not create missing folders on every platform; make sure Configs/ exists so
    // the choice survives even on a fresh data folder.
    QDir().mkpath(QFileInfo(p.langConfigFile()).absolutePath());
    QSettings s(p.langConfigFile(), QSettings::IniFormat);
    s.setValue(QStringLiteral("Config/LangID"), id);
}

LanguageTable loadLanguageTable(const Paths& p) {
    QSettings s(p.configFile(), QSettings::IniFormat);
    LanguageTable t;
    t.count = s.value(kFontList + QStringLiteral("LANGNUM"), 0).toInt();
    for (int n = 0; n < kMaxLanguages; ++n) {
        t.names[n] = s.value(kFontList + QStringLiteral("LangName_") + QString::number(n)).toString();
        t.files[n] = s.value(kFontList + QStringLiteral("LangFile_") + QString::number(n)).toString();
    }
    return t;
}

int effectiveLanguageId(int storedId, const LanguageTable& table) {
    return (storedId >= 0 && storedId < table.usableCount()) ? storedId : 0;
}

QString translationFile(const Paths& p, const LanguageTable& table, int id) {
    if (id < 0 || id >= kMaxLanguages) return QString();
    const QString& base = table.files[id];
    // The file name comes from an editable INI file: never let it leave the lang folder.
    if (!Paths::isSafeFileName(base)) return QString();
    return p.langDir() + QLatin1Char('/') + base + QStringLiteral(".qm");
}

LanguageFont loadLanguageFont(const Paths& p, int id) {
    LanguageFont f;
    if (id < 0) return f;
    QSettings s(p.configFile(), QSettings::IniFormat);
    f.family = s.value(kFontList + QStringLiteral("FONT_%1").arg(id)).toString();
    f.pixelSize = static_cast<int>(s.value(kFontList + QStringLiteral("FONT_SIZE_%1").arg(id), 0).toUInt());
    return f;
}

}  // namespace mousecfg::languages
