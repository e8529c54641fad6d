#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_command.h"
#include "device/dpi_scale.h"
#include "device/report_rate.h"
#include "device/status_query.h"
#include "storage/app_settings.h"
#include "storage/config_state.h"
#include "storage/settings_file.h"

namespace mousecfg {

namespace {

// The DPI of stage `stage` of profile `profile` in the saved settings; 0 when not known.
int savedStageDpi(const Paths& paths, int profile, int stage) {
    if (profile < 0 || profile >= kProfileCount || stage < 0 || stage >= kDpiStageSlots) return 0;
    ConfigState state;
    loadConfigState(paths, state);
    const DpiStage& s = state.profiles[static_cast<size_t>(profile)].dpiStages[static_cast<size_t>(stage)];
    return dpiscale::dpiOfLevel(s.x, appsettings::loadSensorId(paths));
}

// What `status` prints, as JSON; the text is rendered from it. Absent facts are null.
// {"device": "mouse"|"simulated mouse", "connection": "cable"|"receiver", "link_mode": number,
//  "mouse_off": bool, "battery_percent": number|null, "battery_mv": number|null,
//  "charging": bool|null, "profile": 1..5|null, "stage": 1..8|null, "dpi": number|null,
//  "rate_hz": number|null, "rate_code": number|null}
QJsonObject statusView(const CliContext& context, const StatusSnapshot& s) {
    const QJsonValue null(QJsonValue::Null);
    QJsonObject v{
        {QStringLiteral("device"),
         context.simulate ? QStringLiteral("simulated mouse") : QStringLiteral("mouse")},
        {QStringLiteral("connection"),
         context.link->isOpen(HandleId::CableCommand) ? QStringLiteral("cable") : QStringLiteral("receiver")},
        {QStringLiteral("link_mode"), s.battery.linkMode},
        {QStringLiteral("mouse_off"), s.battery.mouseOff()},
        {QStringLiteral("battery_percent"), null},
        {QStringLiteral("battery_mv"), null},
        {QStringLiteral("charging"), null},
        {QStringLiteral("profile"), null},
        {QStringLiteral("stage"), null},
        {QStringLiteral("dpi"), null},
        {QStringLiteral("rate_hz"), null},
        {QStringLiteral("rate_code"), null},
    };
    if (s.battery.mouseOff()) return v;
    const int mv = batteryMillivolts(s.battery.lowByte, s.battery.hiByte);
    v[QStringLiteral("battery_percent")] = batteryPercent(mv, appsettings::loadBatteryFull(context.paths));
    v[QStringLiteral("battery_mv")] = mv;
    v[QStringLiteral("charging")] = s.battery.charge != 0;
    if (!s.haveStatus) return v;
    v[QStringLiteral("profile")] = s.status.profile + 1;
    v[QStringLiteral("stage")] = s.status.dpiStage + 1;
    const int dpi = savedStageDpi(context.paths, s.status.profile, s.status.dpiStage);
    if (dpi > 0) v[QStringLiteral("dpi")] = dpi;
    const int hz = reportRateHz(s.status.rate);
    if (hz > 0) v[QStringLiteral("rate_hz")] = hz;
    v[QStringLiteral("rate_code")] = s.status.rate;
    return v;
}

QString text(const QJsonValue& v, const QString& unknown = QStringLiteral("unknown")) {
    return v.isNull() ? unknown : QString::number(v.toInt());
}

void printStatusText(QTextStream& out, const QJsonObject& v) {
    if (v[QStringLiteral("device")].toString() == QLatin1String("simulated mouse"))
        out << "device: simulated mouse\n";
    out << "link: " << v[QStringLiteral("connection")].toString() << ", mode "
        << text(v[QStringLiteral("link_mode")]) << '\n';
    if (v[QStringLiteral("mouse_off")].toBool()) {
        out << "battery: mouse off\n";
        return;
    }
    out << "battery: " << text(v[QStringLiteral("battery_percent")]) << " % ("
        << text(v[QStringLiteral("battery_mv")]) << " mV)\n";
    out << "charging: " << (v[QStringLiteral("charging")].toBool() ? "yes" : "no") << '\n';
    if (v[QStringLiteral("profile")].isNull()) {
        out << "profile: unknown\n";
        return;
    }
    out << "profile: " << text(v[QStringLiteral("profile")]) << '\n';
    out << "dpi stage: " << text(v[QStringLiteral("stage")]) << '\n';
    out << "dpi: " << text(v[QStringLiteral("dpi")]) << '\n';
    const QJsonValue hz = v[QStringLiteral("rate_hz")];
    out << "rate: "
        << (hz.isNull() ? QStringLiteral("unknown (code %1)").arg(text(v[QStringLiteral("rate_code")]))
                        : text(hz) + QStringLiteral(" Hz"))
        << '\n';
}

}  // namespace

void addJsonOption(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(QStringLiteral("json"), QStringLiteral("Print JSON (see README).")));
}

// mousecfg-cli status: one status request, answered by the battery and the status report.
// Profile and DPI stage are shown counted from 1, as the window shows them.
int runStatusCommand(CliContext& context, const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty()) {
        context.error(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
        return kCliUsageError;
    }
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
    const QJsonObject view = statusView(context, s);
    if (parser.isSet(QStringLiteral("json")))
        *context.out << QJsonDocument(view).toJson(QJsonDocument::Indented);
    else
        printStatusText(*context.out, view);
    return kCliOk;
}

}  // namespace mousecfg
