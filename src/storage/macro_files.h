#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace mousecfg {

class Paths;
class SaveBatch;

// One macro event: Map (kind in bits 0-6, 0x80 = press), DataH, DataL.
struct MacroEvent {
    std::uint8_t map = 0;
    std::uint8_t dataH = 0;
    std::uint8_t dataL = 0;
    friend bool operator==(const MacroEvent& a, const MacroEvent& b) {
        return a.map == b.map && a.dataH == b.dataH && a.dataL == b.dataL;
    }
    friend bool operator!=(const MacroEvent& a, const MacroEvent& b) { return !(a == b); }
};

namespace macroevent {
constexpr std::uint8_t kMouseButton = 0x01;
constexpr std::uint8_t kMove = 0x02;
constexpr std::uint8_t kKey = 0x04;
constexpr std::uint8_t kDelay = 0x06;
constexpr std::uint8_t kPress = 0x80;
}  // namespace macroevent

// Everything a macro file holds.
struct MacroFileData {
    int defaultDelay = 0;
    int delayType = 0;
    int loopType = 0;
    int loopTime = 0;
    QVector<MacroEvent> events;
};

// "Setting/Count" is read from a file that anyone may have edited: readers never take more
// events than this (nor more than their caller can use), so a huge or negative count costs
// nothing.
constexpr int kMacroFileEventLimit = 1024;

// Configs/MacroDB/<name>.MSMACRO; empty when the name could leave the macro folder (a path
// separator, "..", empty), so such a name never reaches a file.
QString macroFilePath(const Paths& paths, const QString& name);

// The macro list "MACRO_LIST/0..49" of Config.ini.
int countMacros(const Paths& paths);
QStringList macroNames(const Paths& paths);                  // the non-empty slots, in slot order
int firstFreeMacroSlot(const Paths& paths);                  // -1 when all 50 are taken
bool addMacroName(const Paths& paths, const QString& name);  // false when the list is full

// Reads at most maxEvents events (clamped to 0..kMacroFileEventLimit). A missing or refused file
// (a link, not a regular file, too large) or an unsafe name reads as no events and all settings 0.
MacroFileData readMacroFile(const Paths& paths, const QString& name, int maxEvents = kMacroFileEventLimit);
QVector<MacroEvent> readMacroEvents(const Paths& paths, const QString& name,
                                    int maxEvents = kMacroFileEventLimit);

// How a writer marks the file for the next apply's change detection.
enum class MacroWriteSign {
    Set,    // the editor's save: "Setting/WriteSign" = 1, written last
    Leave,  // a generated file (gun file): no "Setting/WriteSign" key is written
};
// Writes the whole file (whole or not at all, see SaveBatch). Returns false for an unsafe name,
// more than kMacroFileEventLimit events or a failed save (nothing is written then).
bool writeMacroFile(const Paths& paths, const QString& name, const MacroFileData& data,
                    MacroWriteSign sign = MacroWriteSign::Set);
// Adds the whole file to `batch`, so it can land together with other files (the macro list).
// False, and nothing added, for an unsafe name or more than kMacroFileEventLimit events.
bool stageMacroFile(SaveBatch& batch, const Paths& paths, const QString& name, const MacroFileData& data,
                    MacroWriteSign sign = MacroWriteSign::Set);

int readMacroWriteSign(const Paths& paths, const QString& name);
// Writes "Setting/WriteSign" = 0 into an existing macro file; false when there is none or the
// save failed.
bool clearMacroWriteSign(const Paths& paths, const QString& name);

}  // namespace mousecfg
