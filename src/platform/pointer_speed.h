#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace mousecfg {

// The host's pointer speed on the 1..20 scale the profiles keep (10 is the neutral middle).
// Desktops keep it as an acceleration offset in -1..1; the mapping puts 10 on 0, 1 on -1 and 20
// on 1, linear on each side, so 1..20 -> desktop -> 1..20 gives back the same number.
double pointerSpeedToDesktop(int speed);
int pointerSpeedFromDesktop(double value);

class PointerSpeedService {
public:
    virtual ~PointerSpeedService() = default;
    // The current speed 1..20, or nothing when no desktop setting is reachable.
    virtual std::optional<int> read() = 0;
    // Sets the speed (clamped to 1..20); false when nothing could be changed.
    virtual bool apply(int speed) = 0;
    virtual QString name() const = 0;
};

// Runs a command and gives its standard output; ok is false when it could not run or failed.
using CommandRunner = std::function<QByteArray(const QString& program, const QStringList& args, bool* ok)>;
CommandRunner processRunner();

// GNOME (and desktops that share its schema): org.gnome.desktop.peripherals.mouse speed.
class GsettingsPointerSpeed : public PointerSpeedService {
public:
    explicit GsettingsPointerSpeed(CommandRunner run = processRunner());
    // True when the schema and key exist and can be written.
    bool available();
    std::optional<int> read() override;
    bool apply(int speed) override;
    QString name() const override { return QStringLiteral("gsettings"); }

private:
    CommandRunner run_;
};

// Nothing reachable: says so in the debug log and changes nothing.
class NoPointerSpeed : public PointerSpeedService {
public:
    std::optional<int> read() override;
    bool apply(int speed) override;
    QString name() const override { return QStringLiteral("none"); }
};

// GNOME's setting where it exists, else the X11 libinput "Accel Speed" of every pointer, else none.
std::unique_ptr<PointerSpeedService> makePointerSpeedService();

}  // namespace mousecfg
