#include "session_rig.h"

#include <QSettings>

#include "device/command_frame.h"

namespace mousecfg::test {

SessionRig::SessionRig(SimulatedMouse::Options options, double dpi)
    : paths(QStringLiteral(MOUSECFG_BIN_DIR), data.root()),
      mouse(options),
      backend(mouse),
      link(backend, linkPacer),
      status(link, linkPacer),
      writer(link, paths, &status) {
    setConfig(QStringLiteral("Config/Diff"), 0);
    services.paths = paths;
    services.simulated = true;
    services.backend = &backend;
    services.pacer = &monitorPacer;
    services.link = &link;
    services.status = &status;
    services.writer = &writer;
    services.hotplug = &hotplug;
    services.pointerSpeed = &speed;
    services.keyCapture = &keys;
    services.scheduler = &scheduler;
    services.storage = &storage;
    services.logicalDpi = [dpi] { return dpi; };
    services.osd = osd.delivery.get();
}

SessionRig::~SessionRig() {
    session.reset();
    status.stop();
}

WindowSession& SessionRig::startSession() {
    session = std::make_unique<WindowSession>(services);
    session->start();
    return *session;
}

void SessionRig::setConfig(const QString& key, const QVariant& value) {
    storage.drain();
    QSettings s(paths.configFile(), QSettings::IniFormat);
    s.setValue(key, value);
}

QVariant SessionRig::config(const QString& key) const {
    QSettings s(paths.configFile(), QSettings::IniFormat);
    return s.value(key);
}

void SessionRig::plug(SimulatedMouse::Path path, bool in) {
    mouse.setPresent(path, in);
    for (int kind : {1, 4}) {
        HotplugEvent e;
        e.type = in ? HotplugEvent::Type::Arrival : HotplugEvent::Type::Removal;
        e.vendorId = kVendorId;
        e.productId = path == SimulatedMouse::Path::Receiver ? kReceiverProductId : kCableProductId;
        e.collection = kind;
        e.path = QString::fromUtf8(kind == 1 ? mouse.mousePath(path) : mouse.commandPath(path));
        e.releaseNumber = 0x0100;
        hotplug.send(e);
    }
}

int SessionRig::statusRequests() const {
    int n = 0;
    for (const QByteArray& f : mouse.frameLog())
        if (f.size() > 3 && static_cast<uint8_t>(f.at(3)) == command::kStatusRequest) ++n;
    return n;
}

std::vector<QByteArray> SessionRig::writeFrames() const {
    std::vector<QByteArray> out;
    for (const QByteArray& f : mouse.frameLog())
        if (f.size() > 3 && static_cast<uint8_t>(f.at(3)) != command::kStatusRequest) out.push_back(f);
    return out;
}

}  // namespace mousecfg::test
