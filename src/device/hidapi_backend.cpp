#include "device/hidapi_backend.h"

#include <hidapi/hidapi.h>

#include <QFile>
#include <QRegularExpression>

namespace mousecfg {

namespace {

class HidapiHandle : public HidHandle {
public:
    explicit HidapiHandle(hid_device* device) : device_(device) {}
    ~HidapiHandle() override { hid_close(device_); }
    HidapiHandle(const HidapiHandle&) = delete;
    HidapiHandle& operator=(const HidapiHandle&) = delete;

    int write(const uint8_t* data, size_t length) override { return hid_write(device_, data, length); }
    int readTimeout(uint8_t* data, size_t length, int milliseconds) override {
        return hid_read_timeout(device_, data, length, milliseconds);
    }

private:
    hid_device* device_;
};

QString fromWide(const wchar_t* text) {
    return text ? QString::fromWCharArray(text) : QString();
}

}  // namespace

int HidapiBackend::init() {
    return hid_init() == 0 ? 0 : -1;
}

std::vector<HidDeviceInfo> HidapiBackend::enumerate() {
    std::vector<HidDeviceInfo> out;
    hid_device_info* list = hid_enumerate(0, 0);
    for (hid_device_info* d = list; d; d = d->next) {
        HidDeviceInfo info;
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        info.releaseNumber = d->release_number;
        info.interfaceNumber = d->interface_number;
        info.path = QByteArray(d->path ? d->path : "");
        info.serialNumber = fromWide(d->serial_number);
        out.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return out;
}

std::unique_ptr<HidHandle> HidapiBackend::open(const QByteArray& path) {
    hid_device* device = hid_open_path(path.constData());
    if (!device) return nullptr;
    return std::make_unique<HidapiHandle>(device);
}

QByteArray HidapiBackend::reportDescriptor(const QByteArray& path) {
#ifdef Q_OS_LINUX
    // The kernel keeps descriptors of at most 4096 bytes (HID_MAX_DESCRIPTOR_SIZE).
    constexpr qint64 kMaxDescriptorBytes = 4096;
    static const QRegularExpression hidraw(
        QRegularExpression::anchoredPattern(QStringLiteral("/dev/(hidraw[0-9]{1,6})")));
    const QRegularExpressionMatch m = hidraw.match(QString::fromLatin1(path));
    if (!m.hasMatch()) return QByteArray();
    QFile file(QStringLiteral("/sys/class/hidraw/%1/device/report_descriptor").arg(m.captured(1)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return QByteArray();
    return file.read(kMaxDescriptorBytes);
#else
    Q_UNUSED(path);
    return QByteArray();
#endif
}

int HidapiBackend::exit() {
    return hid_exit();
}

}  // namespace mousecfg
