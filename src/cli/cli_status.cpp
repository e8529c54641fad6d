#include "cli/cli_command.h"
#include "device/dpi_scale.h"
#include "device/report_rate.h"
#include "device/status_query.h"
#include "storage/app_settings.h"
#include "storage/config_state.h"
#include "storage/settings_file.h"

namespace mousecfg {

namespace {

QString rateText(uint8_t code) {
    const int hz = reportRateHz(code);
    return hz ? QStringLiteral("%1 Hz").arg(hz) : QStringLiteral("unknown (code %1)").arg(code);
}

// The DPI of stage `stage` of profile `profile` in the saved settings; 0 when not known.
int savedStageDpi(const Paths& paths, int profile, int stage) {
    if (profile < 0 || profile >= kProfileCount || stage < 0 || stage >= kDpiStageSlots) return 0;
    ConfigState state;
    loadConfigState(paths, state);
    const DpiStage& s = state.profiles[static_cast<size_t>(profile)].dpiStages[static_cast<size_t>(stage)];
    return dpiscale::dpiOfLevel(s.x, appsettings::loadSensorId(paths));
}

}  // namespace

// mousecfg-cli status: one status request, answered by the battery and the status report.
// Profile and DPI stage are shown counted from 1, as the window shows them.
int runStatusCommand(CliContext& context, const QCommandLineParser&) {
    if (context.openDevice() != TxOk) {
        context.error(QStringLiteral("no mouse found (receiver or cable command interface)"));
        return TxNoDevice;
    }
    const StatusSnapshot s = queryStatus(*context.link);
    if (s.result == TxWriteError) {
        context.error(QStringLiteral("the status request could not be sent"));
        return s.result;
    }
    if (s.result != TxOk) {
        context.error(QStringLiteral("the mouse did not answer the status request"));
        return s.result;
    }
    QTextStream& out = *context.out;
    if (context.simulate) out << "device: simulated mouse\n";
    if (s.battery.mouseOff()) {
        out << "battery: mouse off\n";
        return kCliOk;
    }
    const int mv = batteryMillivolts(s.battery.lowByte, s.battery.hiByte);
    out << "battery: " << batteryPercent(mv, appsettings::loadBatteryFull(context.paths)) << " % (" << mv
        << " mV)\n";
    out << "charging: " << (s.battery.charge ? "yes" : "no") << '\n';
    if (!s.haveStatus) {
        out << "profile: unknown\n";
        return kCliOk;
    }
    out << "profile: " << s.status.profile + 1 << '\n';
    out << "dpi stage: " << s.status.dpiStage + 1 << '\n';
    const int dpi = savedStageDpi(context.paths, s.status.profile, s.status.dpiStage);
    out << "dpi: " << (dpi > 0 ? QString::number(dpi) : QStringLiteral("unknown")) << '\n';
    out << "rate: " << rateText(s.status.rate) << '\n';
    return kCliOk;
}

}  // namespace mousecfg
