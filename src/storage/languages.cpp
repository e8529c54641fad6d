#include "storage/languages.h"

#include <QSettings>

#include "storage/ini_file.h"
#include "storage/paths.h"
#include "storage/save_batch.h"

namespace mousecfg::languages {

namespace {
const QString kFontList = QStringLiteral("FONT_LIST/");
}  // namespace

int LanguageTable::usableCount() const {
    return qBound(0, count, kMaxLanguages);
}

int loadLanguageId(const Paths& p) {
    return IniReader(p, p.langConfigFile()).value(QStringLiteral("Config/LangID"), 0).toInt();
}

SaveStatus saveLanguageId(const Paths& p, int id) {
    // The save creates Configs/ when it is missing, so the choice survives on a fresh data folder.
    SaveBatch batch(p);
    batch.editIni(p.langConfigFile(),
                  [id](QSettings& s) { s.setValue(QStringLiteral("Config/LangID"), id); });
    return batch.commit();
}

LanguageTable loadLanguageTable(const Paths& p) {
    IniReader s(p, p.configFile());
    LanguageTable t;
    t.count = s.value(kFontList + QStringLiteral("LANGNUM"), 0).toInt();
    for (int n = 0; n < kMaxLanguages; ++n) {
        t.names[n] = s.value(kFontList + QStringLiteral("LangName_") + QString::number(n)).toString();
        t.files[n] = s.value(kFontList + QStringLiteral("LangFile_") + QString::number(n)).toString();
    }
    return t;
}

int clampFontPixelSize(uint stored) {
    if (stored == 0) return 0;
    return static_cast<int>(qBound<uint>(kMinFontPixelSize, stored, kMaxFontPixelSize));
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
    IniReader s(p, p.configFile());
    f.family = s.value(kFontList + QStringLiteral("FONT_%1").arg(id)).toString();
    f.pixelSize = clampFontPixelSize(s.value(kFontList + QStringLiteral("FONT_SIZE_%1").arg(id), 0).toUInt());
    return f;
}

}  // namespace mousecfg::languages
