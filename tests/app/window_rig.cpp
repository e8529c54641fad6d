#include "window_rig.h"

#include <QSettings>

#include "device/command_frame.h"

namespace mousecfg::test {

void WindowRig::setConfig(const QString& key, const QVariant& value) const {
    QSettings s(paths.configFile(), QSettings::IniFormat);
    s.setValue(key, value);
}

QVariant WindowRig::config(const QString& key) const {
    QSettings s(paths.configFile(), QSettings::IniFormat);
    return s.value(key);
}

void WindowRig::plug(SimulatedMouse::Path path, bool in) {
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

std::vector<QByteArray> WindowRig::writeFrames() const {
    std::vector<QByteArray> out;
    for (const QByteArray& f : mouse.frameLog())
        if (f.size() > 3 && static_cast<uint8_t>(f.at(3)) != command::kStatusRequest) out.push_back(f);
    return out;
}

}  // namespace mousecfg::test
