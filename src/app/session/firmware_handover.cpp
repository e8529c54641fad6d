#include "app/session/firmware_handover.h"

#include <QFileInfo>
#include <QProcess>

#include "app/session/app_log.h"
#include "app/session/app_services.h"
#include "device/device_link.h"
#include "device/status_reporter.h"
#include "storage/paths.h"

namespace mousecfg::firmware {

QString updaterPath(const Paths& paths, int languageIndex) {
    return paths.skinFile(languageIndex == 0 ? QStringLiteral("mouse/bin/R540-8812-20230727-en.exe")
                                             : QStringLiteral("mouse/bin/R540-8812-20230727.exe"));
}

bool cableConnected(const DeviceLink& link) {
    const std::vector<DeviceEntry>& list = link.deviceList();
    return !list.empty() && list.front().paths[DeviceEntry::kCable].mouse.present;
}

Start startUpdater(AppServices& services, int languageIndex) {
    const QString updater = updaterPath(services.paths, languageIndex);
    if (!QFileInfo(updater).isFile()) {
        qCDebug(lcApp).noquote() << "no firmware updater at" << updater;
        return Start::NoUpdater;
    }
    if (services.status) services.status->stop();
    const bool started =
        services.startDetached ? services.startDetached(updater) : QProcess::startDetached(updater, {});
    if (started) return Start::Started;
    qCWarning(lcApp).noquote() << "the firmware updater did not start:" << updater;
    if (services.status) services.status->start();
    return Start::Failed;
}

}  // namespace mousecfg::firmware
