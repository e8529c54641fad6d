#pragma once

#include <QCommandLineParser>

namespace mousecfg {

struct CliContext;

// Exit codes of the settings-file commands besides 0, the device result codes and 64.
// Missing, unreadable, incomplete or another product's file; a save that failed; the data folder
// busy with another program's save.
inline constexpr int kCliFileRefused = 65;
inline constexpr int kCliMouseOff = 5;  // the mouse reports itself off: nothing was sent

// mousecfg-cli apply [--all]
void addApplyOptions(QCommandLineParser& parser);
int runApplyCommand(CliContext& context, const QCommandLineParser& parser);
// mousecfg-cli frames [--mask N] [--all-profiles] [--link-mode M]
void addFramesOptions(QCommandLineParser& parser);
int runFramesCommand(CliContext& context, const QCommandLineParser& parser);
// mousecfg-cli export FILE, mousecfg-cli import FILE
void addFileArgument(QCommandLineParser& parser);
int runExportCommand(CliContext& context, const QCommandLineParser& parser);
int runImportCommand(CliContext& context, const QCommandLineParser& parser);

}  // namespace mousecfg
