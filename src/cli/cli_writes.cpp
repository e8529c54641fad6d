#include "cli/cli_writes.h"

#include <QFileInfo>

#include "cli/cli_command.h"
#include "device/apply_worker.h"
#include "device/profile_writer.h"
#include "device/status_query.h"
#include "sim/simulated_mouse.h"
#include "storage/data_lock.h"
#include "storage/settings_export.h"
#include "storage/settings_file.h"

namespace mousecfg {

namespace {

QString maskText(ChangeMask mask) {
    QStringList parts;
    if (mask & change::kBasic) parts << QStringLiteral("settings");
    if (mask & change::kDpi) parts << QStringLiteral("dpi");
    if (mask & change::kButtons) parts << QStringLiteral("buttons+macros");
    if (mask & change::kLighting) parts << QStringLiteral("lighting");
    return parts.join(QLatin1Char(' '));
}

// Runs the window's apply work on `working` against `stored` and reports the outcome.
int applyAndReport(CliContext& context, ConfigState& working, ConfigState& stored, bool writeAll) {
    bool mouseOff = false;
    if (context.openDevice() == TxOk) {
        const StatusSnapshot s = queryStatus(*context.link);
        mouseOff = s.haveBattery && s.battery.mouseOff();
    }
    ProfileWriter writer(*context.link, context.paths);
    const ApplyOutcome outcome = runApply(context.paths, writer, working, stored, writeAll, mouseOff);
    if (outcome.result == kApplySaveFailed) {
        context.error(outcome.save.message() + QStringLiteral("; nothing was sent to the mouse"));
        return kCliFileRefused;
    }
    if (outcome.result == kApplyMouseOff) {
        context.error(QStringLiteral("Mouse is sleeping or not connected. The settings are saved."));
        return kCliMouseOff;
    }
    if (outcome.result != TxOk) {
        context.error(QStringLiteral("Send data failed, please try again. (result %1; the next apply writes "
                                     "everything)")
                          .arg(outcome.result));
        return outcome.result;
    }
    QTextStream& out = *context.out;
    if (outcome.mask == change::kNone)
        out << "nothing to write: the mouse has the saved settings\n";
    else
        out << "written: " << maskText(outcome.mask) << '\n';
    return kCliOk;
}

bool parseNumber(const QString& text, int low, int high, int& value) {
    bool ok = false;
    value = text.toInt(&ok, 0);  // decimal, 0x.. hex or 0.. octal
    return ok && value >= low && value <= high;
}

QString hexLine(const QByteArray& frame) {
    QStringList bytes;
    for (char c : frame) bytes << QStringLiteral("%1").arg(static_cast<uint8_t>(c), 2, 16, QLatin1Char('0'));
    return bytes.join(QLatin1Char(' '));
}

// Import and apply hold the data folder from the first read to the last write, so that another
// program's save cannot change the files in between.
bool lockDataFolder(CliContext& context, std::unique_ptr<DataFolderLock>& lock) {
    lock = std::make_unique<DataFolderLock>(context.paths, context.lockWaitMs);
    if (lock->isLocked()) return true;
    context.error(lock->status().message());
    return false;
}

QString fileArgument(CliContext& context, const QCommandLineParser& parser) {
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        context.error(QStringLiteral("expected exactly one FILE (see --help)"));
        return QString();
    }
    return args.first();
}

}  // namespace

void addApplyOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(QStringLiteral("all"), QStringLiteral("Write every section, not only "
                                                                              "the changed ones.")));
}

// mousecfg-cli apply: the saved settings are the edited set; the stored set they are compared
// with is the same files, so only "Config/Diff" (a failed or unknown write) and changed macro
// files make sections differ; --all writes everything.
int runApplyCommand(CliContext& context, const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty()) {
        context.error(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return kCliUsageError;
    }
    std::unique_ptr<DataFolderLock> lock;
    if (!lockDataFolder(context, lock)) return kCliFileRefused;
    ConfigState stored;
    loadConfigState(context.paths, stored);
    ConfigState working = stored;
    return applyAndReport(context, working, stored, parser.isSet(QStringLiteral("all")));
}

void addFramesOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(QStringLiteral("mask"),
                                        QStringLiteral("Sections to write: 1 settings, 2 DPI, 4 buttons and "
                                                       "macros, 8 lighting (default 15). The tables are the "
                                                       "active profile's (button changes write all five "
                                                       "button tables)."),
                                        QStringLiteral("N"), QStringLiteral("15")));
    parser.addOption(QCommandLineOption(QStringLiteral("all-profiles"),
                                        QStringLiteral("Write the tables of --mask for all five profiles, "
                                                       "each into its own bank (with the default mask: "
                                                       "what 'apply --all' sends).")));
    parser.addOption(QCommandLineOption(QStringLiteral("link-mode"),
                                        QStringLiteral("Link mode the mouse last reported (byte 11 of its "
                                                       "battery report; default 0)."),
                                        QStringLiteral("M"), QStringLiteral("0")));
}

// mousecfg-cli frames: writes the saved settings to a simulated mouse of its own and prints what
// reached it, one 33-byte report per line. Nothing is written to the settings or a device.
int runFramesCommand(CliContext& context, const QCommandLineParser& parser) {
    int mask = 0;
    int linkMode = 0;
    if (!parseNumber(parser.value(QStringLiteral("mask")), 0, change::kAll, mask)) {
        context.error(QStringLiteral("--mask takes a number from 0 to 15"));
        return kCliUsageError;
    }
    if (!parseNumber(parser.value(QStringLiteral("link-mode")), 0, 255, linkMode)) {
        context.error(QStringLiteral("--link-mode takes a number from 0 to 255"));
        return kCliUsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        context.error(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return kCliUsageError;
    }
    ConfigState state;
    loadConfigState(context.paths, state);

    SimulatedMouse sim;
    sim.setLinkMode(static_cast<uint8_t>(linkMode));
    InstantPacer pacer;
    DeviceLink link(sim, pacer);
    link.InitDeviceList(context.paths);
    link.EnumerateDevices();
    link.OpenDevice(link.currentProductName());
    link.setLinkMode(static_cast<uint8_t>(linkMode));
    ProfileWriter writer(link, context.paths);
    sim.clearFrameLog();
    ProfileChanges changes = ProfileChanges::forProfile(currentProfileIndex(state), mask);
    if (parser.isSet(QStringLiteral("all-profiles"))) changes.perProfile.fill(mask & change::kTables);
    const TxResult r = writer.WriteProfileSet(state, changes);
    for (const QByteArray& frame : sim.frameLog()) *context.out << hexLine(frame) << '\n';
    link.CloseDevice();
    if (r != TxOk) {
        context.error(QStringLiteral("the simulated write failed with result %1").arg(r));
        return r;
    }
    return kCliOk;
}

void addFileArgument(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Settings file (*.conf)."));
}

int runExportCommand(CliContext& context, const QCommandLineParser& parser) {
    const QString file = fileArgument(context, parser);
    if (file.isEmpty()) return kCliUsageError;
    ConfigState state;
    loadConfigState(context.paths, state);
    const SaveStatus saved = exportSettingsFile(context.paths, file, state);
    if (!saved.ok()) {
        context.error(saved.message());
        return kCliFileRefused;
    }
    *context.out << "exported the saved settings to " << file << '\n';
    return kCliOk;
}

// mousecfg-cli import: the file's settings become the edited set and go through the apply work
// against the saved settings (the set the mouse has), as "load configuration" in the window does.
int runImportCommand(CliContext& context, const QCommandLineParser& parser) {
    const QString file = fileArgument(context, parser);
    if (file.isEmpty()) return kCliUsageError;
    std::unique_ptr<DataFolderLock> lock;
    if (!lockDataFolder(context, lock)) return kCliFileRefused;
    ConfigState stored;
    loadConfigState(context.paths, stored);
    ConfigState working = stored;
    QString detail;
    const ImportResult imported = importSettingsFile(context.paths, file, working, &detail);
    if (imported == ImportResult::WrongProduct) {
        context.error(QStringLiteral("The file is not match current mouse!"));
        return kCliFileRefused;
    }
    if (imported != ImportResult::Imported) {
        context.error(QStringLiteral("cannot import '%1': it %2; nothing was changed").arg(file, detail));
        return kCliFileRefused;
    }
    // Export files carry no profile names; the slots keep their names (and files) then.
    for (int i = 0; i < kProfileCount; ++i)
        if (working.profileNames[static_cast<size_t>(i)].isEmpty())
            working.profileNames[static_cast<size_t>(i)] = stored.profileNames[static_cast<size_t>(i)];
    *context.out << "imported " << file << '\n';
    return applyAndReport(context, working, stored, false);
}

}  // namespace mousecfg
