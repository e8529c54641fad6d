#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <cstdio>

#include "cli/cli_command.h"

int main(int argc, char* argv[]) {
    // Standard error carries the one-line messages only; QT_LOGGING_RULES still turns debug on.
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return mousecfg::runCli(QCoreApplication::arguments(), out, err);
}
