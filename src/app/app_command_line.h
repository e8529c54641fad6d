#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "sim/fault_plan.h"

namespace mousecfg {

// The main program's own arguments. --help and --version are answered before the GUI
// application object exists (earlyExit), so they work without a display; everything else is
// read from the application's arguments once Qt has taken its own options (-platform ...).
struct AppCommandLine {
    static constexpr int kUsageError = 64;

    QString dataDir;  // --data-dir, empty for the default
    bool simulate = false;
    FaultPlan faults;  // --simulate-fault, only with --simulate
    // Set when the program is done after reading its arguments (help, version or a usage error);
    // exitCode is then what it returns.
    bool finished = false;
    int exitCode = 0;

    // `arguments` starts with the program's name. Help and version go to `out`, a usage error as
    // one line to `err`.
    static AppCommandLine parse(const QStringList& arguments, QTextStream& out, QTextStream& err);
    static AppCommandLine parse(const QStringList& arguments);  // standard output and error
    // Answers --help and --version straight from the process arguments (finished is then set);
    // any other command line is left for parse.
    static AppCommandLine earlyExit(int argc, char* argv[]);
};

}  // namespace mousecfg
