#pragma once

#include <QString>
#include <array>

#include "storage/save_status.h"

namespace mousecfg {

class Paths;

// The languages the installation offers ("FONT_LIST" of Configs/Config.ini) and the user's choice
// ("Config/LangID" of Configs/LangConfig.ini). Core code: no widgets, no fonts, only strings.
namespace languages {

constexpr int kMaxLanguages = 10;

struct LanguageTable {
    int count = 0;  // "FONT_LIST/LANGNUM"; only the first `count` entries are offered
    std::array<QString, kMaxLanguages> names;  // "FONT_LIST/LangName_<n>"
    std::array<QString, kMaxLanguages> files;  // "FONT_LIST/LangFile_<n>" (base name, no .qm)

    // Entries really usable: count clamped to 0..kMaxLanguages.
    int usableCount() const;
};

// The font one language draws with: "FONT_LIST/FONT_<i>" and "FONT_LIST/FONT_SIZE_<i>" (pixels,
// before the interface scale factor).
struct LanguageFont {
    QString family;
    int pixelSize = 0;
};

// "Config/LangID" of LangConfig.ini; 0 when the file or the key is missing.
int loadLanguageId(const Paths& p);
// Writes "Config/LangID", creating LangConfig.ini (and Configs/) when missing.
SaveStatus saveLanguageId(const Paths& p, int id);

// Reads the count and all ten names and file names, whatever the count says.
LanguageTable loadLanguageTable(const Paths& p);

// A stored index that does not name one of the table's usable entries falls back to language 0,
// so a damaged or hand-edited LangConfig.ini never selects an empty slot.
int effectiveLanguageId(int storedId, const LanguageTable& table);

// "<install>/lang/<file>.qm" for language `id`; empty when `id` has no file name.
QString translationFile(const Paths& p, const LanguageTable& table, int id);

// Font sizes as stored are hand-editable: a size of 2147483647 would overflow once scaled and
// keep every text-fitting loop busy for hours. Stored sizes are brought into this range on load;
// 0 (no size stored) stays 0, which the widgets replace by their own default.
constexpr int kMinFontPixelSize = 6;
constexpr int kMaxFontPixelSize = 48;
int clampFontPixelSize(uint stored);

// Font family and size of language `id` (size clamped as above); a negative id reads nothing
// (empty family, size 0).
LanguageFont loadLanguageFont(const Paths& p, int id);

}  // namespace languages
}  // namespace mousecfg
