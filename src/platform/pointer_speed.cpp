#include "platform/pointer_speed.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcPointer, "mousecfg.platform.pointer")

namespace mousecfg {

std::unique_ptr<PointerSpeedService> makeX11PointerSpeed();      // x11_pointer_speed.cpp
std::unique_ptr<PointerSpeedService> makeWindowsPointerSpeed();  // win_pointer_speed.cpp

namespace {
const QString kSchema = QStringLiteral("org.gnome.desktop.peripherals.mouse");
const QString kKey = QStringLiteral("speed");
}  // namespace

double pointerSpeedToDesktop(int speed) {
    speed = std::clamp(speed, 1, 20);
    return speed <= 10 ? (speed - 10) / 9.0 : (speed - 10) / 10.0;
}

int pointerSpeedFromDesktop(double value) {
    if (!std::isfinite(value)) return 10;
    value = std::clamp(value, -1.0, 1.0);
    const double speed = value <= 0 ? 10 + 9 * value : 10 + 10 * value;
    return std::clamp(static_cast<int>(std::lround(speed)), 1, 20);
}

CommandRunner processRunner() {
    return [](const QString& program, const QStringList& args, bool* ok) {
        *ok = false;
        if (QStandardPaths::findExecutable(program).isEmpty()) return QByteArray();
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished(1000);
            return QByteArray();
        }
        *ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        return p.readAllStandardOutput();
    };
}

GsettingsPointerSpeed::GsettingsPointerSpeed(CommandRunner run) : run_(std::move(run)) {}

bool GsettingsPointerSpeed::available() {
    bool ok = false;
    const QByteArray out =
        run_(QStringLiteral("gsettings"), {QStringLiteral("writable"), kSchema, kKey}, &ok);
    return ok && out.trimmed() == "true";
}

std::optional<int> GsettingsPointerSpeed::read() {
    bool ok = false;
    const QByteArray out = run_(QStringLiteral("gsettings"), {QStringLiteral("get"), kSchema, kKey}, &ok);
    if (!ok) return std::nullopt;
    bool isNumber = false;
    const double value = out.trimmed().toDouble(&isNumber);
    if (!isNumber) return std::nullopt;
    return pointerSpeedFromDesktop(value);
}

bool GsettingsPointerSpeed::apply(int speed) {
    bool ok = false;
    const QString value = QString::number(pointerSpeedToDesktop(speed), 'g', 17);
    run_(QStringLiteral("gsettings"), {QStringLiteral("set"), kSchema, kKey, value}, &ok);
    qCDebug(lcPointer) << "gsettings pointer speed" << speed << "->" << value << (ok ? "set" : "failed");
    return ok;
}

std::optional<int> NoPointerSpeed::read() {
    qCDebug(lcPointer) << "no desktop pointer speed setting is reachable; not read";
    return std::nullopt;
}

bool NoPointerSpeed::apply(int speed) {
    qCDebug(lcPointer) << "no desktop pointer speed setting is reachable; speed" << speed << "not applied";
    return false;
}

std::unique_ptr<PointerSpeedService> makePointerSpeedService() {
#ifdef Q_OS_WIN
    return makeWindowsPointerSpeed();
#endif
    auto gnome = std::make_unique<GsettingsPointerSpeed>();
    if (gnome->available()) return gnome;
    if (auto x11 = makeX11PointerSpeed()) return x11;
    return std::make_unique<NoPointerSpeed>();
}

}  // namespace mousecfg
