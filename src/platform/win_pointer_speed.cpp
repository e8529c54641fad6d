// Windows: the pointer-speed service on top of SystemParametersInfoW.
#include "platform/pointer_speed.h"

#ifdef Q_OS_WIN

#include <QLoggingCategory>

#include "platform/win32_pointer_speed.h"

Q_DECLARE_LOGGING_CATEGORY(lcPointer)

namespace mousecfg {

namespace {

class WinPointerSpeed : public PointerSpeedService {
public:
    std::optional<int> read() override { return win32::readPointerSpeed(); }
    bool apply(int speed) override {
        if (win32::writePointerSpeed(speed)) return true;
        qCWarning(lcPointer) << "SystemParametersInfoW(SPI_SETMOUSESPEED) failed for speed" << speed;
        return false;
    }
    QString name() const override { return QStringLiteral("windows"); }
};

}  // namespace

std::unique_ptr<PointerSpeedService> makeWindowsPointerSpeed() {
    return std::make_unique<WinPointerSpeed>();
}

}  // namespace mousecfg

#endif  // Q_OS_WIN
