#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

namespace mousecfg {

class Paths;

constexpr int kDescriptorButtons = 16;  // button defaults and matrix entries in the descriptor
constexpr int kMatrixHidden = 255;      // "Matrix2" entry of a slot the button page does not show

// Result of the loaders that need the descriptor file.
enum class DescriptorStatus { Loaded = 0, Missing = -1 };

struct DescriptorButton {
    int32_t ID = 0;
    int32_t Fun = 0;
    int32_t LoopNumber = 0;
    int32_t KeyNumber = 0;
    uint8_t Res1 = 0;
    uint8_t Res2 = 0;
    uint8_t Res3 = 0;
    uint8_t Res4 = 0;
};

struct DescriptorLed {
    QColor RGB;
    int32_t bright = 0;
    int32_t breath = 0;
};

// The product's factory defaults, read together from DefaultProfile.bin to build a default
// profile. Only dpi, stageCodes, pollrate, LedMode, ledDefaults and buttonDefaults are used.
struct ProductDescriptor {
    uint8_t dpi = 0;
    std::array<int32_t, 8> stageCodes{};
    int32_t pollrate = 0;
    uint8_t LedMode = 0;
    uint8_t Style = 0;
    std::array<uint8_t, 4> FontSize{};
    uint8_t ButtonCount = 0;  // raw coded value, truncated
    std::array<QString, 4> FontName{};
    QColor Font_RGB;
    QString BackPic;
    QString CompanyName;
    QString ProductName;
    QString FolderPath;
    std::array<uint8_t, 4> Lang{};
    std::array<DescriptorLed, 14> ledDefaults{};
    std::array<DescriptorButton, kDescriptorButtons> buttonDefaults{};
};

// Reads the whole record. Missing file: Missing, and `out` is left untouched.
DescriptorStatus loadProductDescriptor(const Paths& paths, ProductDescriptor& out);

// Single keys of the descriptor; each call opens the file, reads one key and closes it. A missing
// file or key gives the default named here.
QString loadProductName(const Paths& paths);   // empty
QString loadVersion(const Paths& paths);       // empty
int loadButtonCountCode(const Paths& paths);   // raw "ButtonCount", 0
int loadMouseDpi(const Paths& paths);          // mask of the coded counts, 0
int loadDpiCountCode(const Paths& paths);      // raw "DPICount", 0
int loadDisableMacro(const Paths& paths);      // 0
int loadLedDisable(const Paths& paths);        // 0
int loadShowSleep(const Paths& paths);         // 1
int loadSleepMin(const Paths& paths);          // 1
int loadSleepMax(const Paths& paths);          // 9
int loadScrollRev(const Paths& paths);         // 0
int loadMinDelay(const Paths& paths);          // 10 (ms per delay unit of macro events)
int loadExtendedDpiRange(const Paths& paths);  // "33254": 1 = extended DPI code range, 0
int loadColorMode(const Paths& paths);         // 0

// Decoded counts: ButtonCount ^ MouseDpi, and ButtonCount ^ MouseDpi ^ DPICount.
int decodeButtonCount(int buttonCountCode, int mouseDpi);
int decodeDpiStageCount(int buttonCountCode, int mouseDpi, int dpiCountCode);
int buttonCount(const Paths& paths);
int dpiStageCount(const Paths& paths);

// Device button number of each UI button slot ("Matrix"). The table lives in this object, which
// its owner (the device link) reloads on every load of the stored settings.
struct ButtonMatrix {
    std::array<uint8_t, kDescriptorButtons> deviceButton{};
};
DescriptorStatus loadButtonMatrix(const Paths& paths, ButtonMatrix& out);

// Display entry of each UI button slot on the button page ("Matrix2"); kMatrixHidden hides a
// slot. Returns the decoded button count, or -1 (kMatrix2Missing) when the file does not exist.
constexpr int kMatrix2Missing = -1;
int loadButtonMatrix2(const Paths& paths, std::array<uint8_t, kDescriptorButtons>& out);
// Slots shown on the button page: count minus the hidden entries among the first count slots.
int shownButtonCount(const std::array<uint8_t, kDescriptorButtons>& matrix2, int buttonCount);

}  // namespace mousecfg
