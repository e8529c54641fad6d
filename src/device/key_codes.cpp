#include "device/key_codes.h"

#include <algorithm>
#include <iterator>

namespace mousecfg::keycodes {

namespace {

const char* nameOf(int code) {
    static const char* const kLow[] = {"",
                                       "Esc",
                                       "1",
                                       "2",
                                       "3",
                                       "4",
                                       "5",
                                       "6",
                                       "7",
                                       "8",
                                       "9",
                                       "0",
                                       "-",
                                       "=",
                                       "Backspace",
                                       "Tab",
                                       "Q",
                                       "W",
                                       "E",
                                       "R",
                                       "T",
                                       "Y",
                                       "U",
                                       "I",
                                       "O",
                                       "P",
                                       "[",
                                       "]",
                                       "Enter",
                                       "LCtr",
                                       "A",
                                       "S",
                                       "D",
                                       "F",
                                       "G",
                                       "H",
                                       "J",
                                       "K",
                                       "L",
                                       ";",
                                       "'",
                                       "`",
                                       "LShift",
                                       "\\",
                                       "Z",
                                       "X",
                                       "C",
                                       "V",
                                       "B",
                                       "N",
                                       "M",
                                       ",",
                                       ".",
                                       "/",
                                       "RShift",
                                       "Print Screen",
                                       "LAlt",
                                       "Space",
                                       "CapsLock",
                                       "F1",
                                       "F2",
                                       "F3",
                                       "F4",
                                       "F5",
                                       "F6",
                                       "F7",
                                       "F8",
                                       "F9",
                                       "F10",
                                       "Pause Break",
                                       "Scroll Lock",
                                       "Home",
                                       "Up",
                                       "Page Up",
                                       "Num -",
                                       "Left",
                                       "Num 5",
                                       "Right",
                                       "Num +",
                                       "End",
                                       "Down",
                                       "Page Down",
                                       "Insert",
                                       "Delete",
                                       "",
                                       "",
                                       "",
                                       "F11",
                                       "F12",
                                       "",
                                       "",
                                       "LWindows",
                                       "RWindows",
                                       "App"};
    static const char* const kHigh[] = {"Num De",    "Num Lock",    "Num /",        "Num *",        "Num 9",
                                        "Num Enter", "Num 1",       "Num 2",        "Num 3",        "Num 4",
                                        "Num 6",     "Num 7",       "Num 8",        "Num 0",        "RCtr",
                                        "RAlt",      "Left Button", "Right Button", "Middle Button"};
    constexpr int lowCount = sizeof(kLow) / sizeof(kLow[0]);
    constexpr int highCount = sizeof(kHigh) / sizeof(kHigh[0]);
    static_assert(lowCount == 94, "names for codes 0..93");
    static_assert(highCount == 19, "names for codes 224..242");
    if (code >= 0 && code < lowCount) return kLow[code];
    if (code >= 224 && code < 224 + highCount) return kHigh[code - 224];
    return "";
}

}  // namespace

QString keyName(int code) {
    return QString::fromLatin1(nameOf(code));
}

const std::array<KeyUsagePair, kKeyUsagePairCount>& keyUsagePairs() {
    static const std::array<KeyUsagePair, kKeyUsagePairCount> pairs = {{
        // Letters A..Z.
        {30, 4},
        {48, 5},
        {46, 6},
        {32, 7},
        {18, 8},
        {33, 9},
        {34, 10},
        {35, 11},
        {23, 12},
        {36, 13},
        {37, 14},
        {38, 15},
        {50, 16},
        {49, 17},
        {24, 18},
        {25, 19},
        {16, 20},
        {19, 21},
        {31, 22},
        {20, 23},
        {22, 24},
        {47, 25},
        {17, 26},
        {45, 27},
        {21, 28},
        {44, 29},
        // Digits 1..9, 0.
        {2, 30},
        {3, 31},
        {4, 32},
        {5, 33},
        {6, 34},
        {7, 35},
        {8, 36},
        {9, 37},
        {10, 38},
        {11, 39},
        // Enter, Esc, Backspace, Tab, Space.
        {28, 40},
        {1, 41},
        {14, 42},
        {15, 43},
        {57, 44},
        {12, 45},
        {13, 46},
        {26, 47},
        {27, 48},
        {43, 49},
        {39, 51},
        {40, 52},
        {41, 53},
        {51, 54},
        {52, 55},
        {53, 56},
        {58, 57},
        // F1..F12.
        {59, 58},
        {60, 59},
        {61, 60},
        {62, 61},
        {63, 62},
        {64, 63},
        {65, 64},
        {66, 65},
        {67, 66},
        {68, 67},
        {87, 68},
        {88, 69},
        // Print Screen, Scroll Lock, Pause; navigation block; arrows.
        {55, 70},
        {70, 71},
        {69, 72},
        {82, 73},
        {71, 74},
        {73, 75},
        {83, 76},
        {79, 77},
        {81, 78},
        {77, 79},
        {75, 80},
        {80, 81},
        {72, 82},
        // Keypad.
        {225, 83},
        {226, 84},
        {227, 85},
        {74, 86},
        {78, 87},
        {229, 88},
        {230, 89},
        {231, 90},
        {232, 91},
        {233, 92},
        {76, 93},
        {234, 94},
        {235, 95},
        {236, 96},
        {228, 97},
        {237, 98},
        {224, 99},
        {93, 101},
        // Modifiers, left then right.
        {42, 225},
        {29, 224},
        {91, 227},
        {56, 226},
        {239, 230},
        {92, 231},
        {238, 228},
        {54, 229},
    }};
    return pairs;
}

std::optional<std::uint8_t> usageOfKeyCode(int code) {
    const auto& pairs = keyUsagePairs();
    for (auto it = pairs.rbegin(); it != pairs.rend(); ++it)
        if (it->code == code) return it->usage;
    return std::nullopt;
}

std::optional<std::uint8_t> keyCodeOfUsage(int usage) {
    const auto& pairs = keyUsagePairs();
    for (auto it = pairs.rbegin(); it != pairs.rend(); ++it)
        if (it->usage == usage) return it->code;
    return std::nullopt;
}

std::uint8_t remapCapturedKey(std::uint8_t scanCode, unsigned flags) {
    const bool extendedOnly = flags == kFlagExtended || flags == (kFlagExtended | kFlagReleased);
    const bool plain = (flags & ~kFlagReleased) == 0;
    switch (scanCode) {
        case 28:
            return extendedOnly ? 229 : scanCode;
        case 29:
            return extendedOnly ? 238 : scanCode;
        case 53:
            return extendedOnly ? 226 : scanCode;
        case 69:
            return extendedOnly ? 225 : scanCode;
        case 56:
            return (extendedOnly || flags == (kFlagExtended | kFlagAltDown)) ? 239 : scanCode;
        case 55:
            return plain ? 227 : scanCode;
        case 71:
            return plain ? 235 : scanCode;
        case 72:
            return plain ? 236 : scanCode;
        case 73:
            return plain ? 228 : scanCode;
        case 75:
            return plain ? 233 : scanCode;
        case 77:
            return plain ? 234 : scanCode;
        case 79:
            return plain ? 230 : scanCode;
        case 80:
            return plain ? 231 : scanCode;
        case 81:
            return plain ? 232 : scanCode;
        case 82:
            return plain ? 237 : scanCode;
        case 83:
            return plain ? 224 : scanCode;
        default:
            return scanCode;
    }
}

std::uint8_t capturedKeyCode(std::uint8_t scanCode, unsigned flags) {
    if (flags & kFlagExtended) {
        // Enter, Ctrl, /, Print Screen, Alt, Num Lock, the navigation block, Windows and Menu.
        static constexpr std::uint8_t kExtendedKeys[] = {28, 29, 53, 55, 56, 69, 71, 72, 73, 75,
                                                         77, 79, 80, 81, 82, 83, 91, 92, 93};
        if (std::find(std::begin(kExtendedKeys), std::end(kExtendedKeys), scanCode) ==
            std::end(kExtendedKeys))
            return 0;
    }
    return remapCapturedKey(scanCode, flags);
}

}  // namespace mousecfg::keycodes
