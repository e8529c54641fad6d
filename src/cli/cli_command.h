#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>
#include <vector>

#include "device/device_link.h"
#include "device/hid_backend.h"
#include "device/pacer.h"
#include "storage/data_lock.h"
#include "storage/paths.h"

namespace mousecfg {

class SimulatedMouse;

// Exit codes besides the device result codes (TxNoDevice, TxNoEcho, TxWriteError).
inline constexpr int kCliOk = 0;
inline constexpr int kCliUsageError = 64;
// A value or file refused by the settings' rules; nothing was changed.
inline constexpr int kCliRefused = 65;

// Everything one command may use. The link is built over the chosen backend but not yet opened.
struct CliContext {
    Paths paths;
    bool simulate = false;
    HidBackend* backend = nullptr;
    SimulatedMouse* sim = nullptr;  // the simulated mouse when --simulate, else null
    Pacer* pacer = nullptr;
    DeviceLink* link = nullptr;
    QTextStream* out = nullptr;
    QTextStream* err = nullptr;
    int lockWaitMs = DataFolderLock::kDefaultWaitMs;  // how long import and apply wait for a save

    // Device list from "Mouse_List/0", enumeration, open of that product. TxOk when a command
    // interface is open, else TxNoDevice.
    TxResult openDevice();
    // One line "mousecfg-cli: <message>" on stderr.
    void error(const QString& message) const;
};

// One command of the table: its options, then what it does with them.
struct CliCommand {
    const char* name;
    const char* summary;
    // Adds the command's own options and positional arguments (may be null).
    void (*addOptions)(QCommandLineParser& parser);
    // Returns the exit code.
    int (*run)(CliContext& context, const QCommandLineParser& parser);
    // Text --help prints after the options (may be null).
    QString (*helpTail)();
};

// The commands, in the order --help lists them.
const std::vector<CliCommand>& cliCommands();

// The command functions (one file each).
int runListCommand(CliContext& context, const QCommandLineParser& parser);
int runStatusCommand(CliContext& context, const QCommandLineParser& parser);
void addJsonOption(QCommandLineParser& parser);
void addShowOptions(QCommandLineParser& parser);
int runShowCommand(CliContext& context, const QCommandLineParser& parser);
void addGetOptions(QCommandLineParser& parser);
int runGetCommand(CliContext& context, const QCommandLineParser& parser);
QString getHelp();
void addSetOptions(QCommandLineParser& parser);
int runSetCommand(CliContext& context, const QCommandLineParser& parser);
QString setHelp();
int runProfilesCommand(CliContext& context, const QCommandLineParser& parser);
void addUseOptions(QCommandLineParser& parser);
int runUseCommand(CliContext& context, const QCommandLineParser& parser);

// What the program is run with; tests replace the backend and the pacer.
struct CliEnvironment {
    QString installDir;                               // default: the executable's folder
    HidBackend* backend = nullptr;                    // default: makeBackend(--simulate)
    Pacer* pacer = nullptr;                           // default: a sleeping pacer
    int lockWaitMs = DataFolderLock::kDefaultWaitMs;  // wait for the data folder's lock
};

// Parses `arguments` (program name first) and runs the command. Returns the exit code.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const CliEnvironment& environment = CliEnvironment());

}  // namespace mousecfg
