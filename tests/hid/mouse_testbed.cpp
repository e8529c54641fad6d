#include "mouse_testbed.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <umockdev.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <cstring>

namespace mousecfg::test {

namespace descriptor {

namespace {
QByteArray hex(const char* text, uint8_t reportId = 0) {
    QByteArray h(text);
    h.replace("ID", QByteArray::number(reportId, 16).rightJustified(2, '0'));
    return QByteArray::fromHex(h.replace(' ', ""));
}
}  // namespace

QByteArray mouse(uint8_t reportId) {
    return hex(
        "05010902a101 85ID 0901a100 0509 1901 2905 1500 2501 9505 7501 8102 9501 7503 8101"
        " 0501 0930 0931 160180 26ff7f 7510 9502 8106 0938 1581 257f 7508 9501 8106 c0 c0",
        reportId);
}

QByteArray consumer(uint8_t reportId) {
    return hex("050c0901a101 85ID 1900 2a3c02 1500 263c02 9501 7510 8100 c0", reportId);
}

QByteArray systemControl(uint8_t reportId) {
    return hex("05010980a101 85ID 1981 2983 1500 2501 7501 9503 8102 9505 8101 c0", reportId);
}

QByteArray command(const std::vector<uint8_t>& inputIds) {
    QByteArray d = hex("05010900a101");
    for (uint8_t id : inputIds) d += hex("85ID 0900 1500 26ff00 7508 9520 8102", id);
    return d + hex("85ID 0900 1500 26ff00 7508 9520 9102 c0", kReportId);
}

QByteArray keyboard() {
    return hex(
        "05010906a101 0507 19e0 29e7 1500 2501 7501 9508 8102 9501 7508 8101"
        " 9506 7508 1500 2565 0507 1900 2965 8100 c0");
}

QByteArray receiver() {
    return mouse() + consumer() + systemControl() + command();
}

QByteArray cable() {
    return mouse() + command();
}

}  // namespace descriptor

// One emulated hidraw node. umockdev calls the handlers on its worker thread; the test thread
// only touches the atomics.
class MouseTestbed::Node {
public:
    // path -1: a node nobody answers (reads find nothing, writes fail).
    Node(SimulatedMouse& mouse, int path, QByteArray devnode, QByteArray descriptor)
        : mouse_(mouse),
          path_(path),
          devnode_(std::move(devnode)),
          descriptor_(std::move(descriptor)),
          handler_(umockdev_ioctl_base_new()) {
        g_signal_connect(handler_, "client-connected", G_CALLBACK(&Node::onConnected), this);
        g_signal_connect(handler_, "handle-ioctl", G_CALLBACK(&Node::onIoctl), this);
        g_signal_connect(handler_, "handle-read", G_CALLBACK(&Node::onRead), this);
        g_signal_connect(handler_, "handle-write", G_CALLBACK(&Node::onWrite), this);
    }
    ~Node() {
        g_signal_handlers_disconnect_by_data(handler_, this);
        g_object_unref(handler_);
    }
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    UMockdevIoctlBase* handler() const { return handler_; }
    const QByteArray& devnode() const { return devnode_; }
    void pull() { pulled_ = true; }
    void failAfterWrites(int frames) { failAfter_ = frames; }
    int writes() const { return writes_; }

private:
    static constexpr const char* kHandleKey = "mousecfg-handle";

    // Every open of the node is one handle on the simulated mouse, freed with the client.
    static void onConnected(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        Node& n = *static_cast<Node*>(self);
        if (n.path_ < 0 || n.pulled_) return;
        const auto path = static_cast<SimulatedMouse::Path>(n.path_);
        HidHandle* handle = n.mouse_.open(n.mouse_.commandPath(path)).release();
        if (!handle) return;
        g_object_set_data_full(G_OBJECT(client), kHandleKey, handle,
                               [](gpointer h) { delete static_cast<HidHandle*>(h); });
    }

    static HidHandle* handleOf(UMockdevIoctlClient* client) {
        return static_cast<HidHandle*>(g_object_get_data(G_OBJECT(client), kHandleKey));
    }

    // The part of the ioctl argument the call points at, copied here; written back on completion.
    static UMockdevIoctlData* resolve(UMockdevIoctlClient* client, size_t size) {
        return umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, nullptr);
    }

    static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        Node& n = *static_cast<Node*>(self);
        const gulong request = umockdev_ioctl_client_get_request(client);
        if (n.pulled_) {
            umockdev_ioctl_client_complete(client, -1, ENODEV);
            return TRUE;
        }
        // hidapi asks for the descriptor size to tell a hidraw node from other devices; nothing
        // else is needed.
        UMockdevIoctlData* size = nullptr;
        if (request == static_cast<gulong>(HIDIOCGRDESCSIZE) && (size = resolve(client, sizeof(int)))) {
            const int bytes = n.descriptor_.size();
            std::memcpy(size->data, &bytes, sizeof bytes);
            umockdev_ioctl_client_complete(client, 0, 0);
            g_object_unref(size);
        } else {
            umockdev_ioctl_client_complete(client, -1, ENOTTY);
        }
        return TRUE;
    }

    static gboolean onRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        Node& n = *static_cast<Node*>(self);
        UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
        HidHandle* handle = handleOf(client);
        if (n.pulled_ || !handle) {
            umockdev_ioctl_client_complete(client, -1, n.pulled_ ? EIO : EAGAIN);
            return TRUE;
        }
        const int got = handle->readTimeout(buffer->data, static_cast<size_t>(buffer->data_len), 0);
        if (got > 0)
            umockdev_ioctl_client_complete(client, got, 0);
        else
            umockdev_ioctl_client_complete(client, -1, got == 0 ? EAGAIN : EIO);  // nothing queued: no wait
        return TRUE;
    }

    static gboolean onWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
        Node& n = *static_cast<Node*>(self);
        UMockdevIoctlData* buffer = umockdev_ioctl_client_get_arg(client);
        HidHandle* handle = handleOf(client);
        if (n.pulled_ || !handle) {
            umockdev_ioctl_client_complete(client, -1, n.pulled_ ? ENODEV : EIO);
            return TRUE;
        }
        const int put = handle->write(buffer->data, static_cast<size_t>(buffer->data_len));
        if (put < 0) {
            umockdev_ioctl_client_complete(client, -1, EIO);
            return TRUE;
        }
        ++n.writes_;
        if (n.failAfter_ > 0 && --n.failAfter_ == 0) n.pulled_ = true;
        umockdev_ioctl_client_complete(client, put, 0);
        return TRUE;
    }

    SimulatedMouse& mouse_;
    const int path_;
    const QByteArray devnode_;
    const QByteArray descriptor_;
    UMockdevIoctlBase* handler_;
    std::atomic<bool> pulled_{false};
    std::atomic<int> failAfter_{0};
    std::atomic<int> writes_{0};
};

namespace {

// Without umockdev's preload library the tests would reach the machine's own devices.
class PreloadCheck : public ::testing::Environment {
    void SetUp() override {
        ASSERT_TRUE(MouseTestbed::preloaded()) << "run the test under umockdev-wrapper (ctest does)";
    }
};
[[maybe_unused]] const auto* const kPreloadCheck = ::testing::AddGlobalTestEnvironment(new PreloadCheck);

struct PathFacts {
    const char* usbName;  // below /sys/devices
    const char* port;     // the USB port the interfaces are named after
    uint16_t productId;
    const char* product;   // USB product string and HID name
    int firstNode;         // hidraw minor of interface 0
    int firstHidSequence;  // the kernel's HID device counter
};

const PathFacts kFacts[] = {
    {"usb1/1-1", "1-1", 0xFA02, "2.4G Wireless Receiver", 90, 1},
    {"usb1/1-2", "1-2", 0xFB01, "Wireless Mouse Cable", 92, 3},
};

const PathFacts& facts(MouseTestbed::Path path) {
    return kFacts[static_cast<int>(path)];
}

QByteArray hex4(unsigned value) {
    return QByteArray::number(value, 16).rightJustified(4, '0');
}

}  // namespace

namespace {
SimulatedMouse::Options unplugged() {
    SimulatedMouse::Options o;
    o.receiver = false;
    o.cable = false;
    return o;
}
}  // namespace

MouseTestbed::MouseTestbed() : mouse_(unplugged()) {
    bed_ = umockdev_testbed_new();
}

MouseTestbed::~MouseTestbed() {
    for (Path p : {Path::Receiver, Path::Cable}) unplug(p);
    nodes_.clear();
    g_object_unref(bed_);
}

bool MouseTestbed::preloaded() {
    return qgetenv("LD_PRELOAD").contains("libumockdev-preload");
}

QByteArray MouseTestbed::node(Path path) {
    return "/dev/hidraw" + QByteArray::number(facts(path).firstNode);
}

QByteArray MouseTestbed::keyboardNode() {
    return "/dev/hidraw" + QByteArray::number(facts(Path::Receiver).firstNode + 1);
}

bool MouseTestbed::plugged(Path path) const {
    return plugged_[static_cast<size_t>(path)] != nullptr;
}

int MouseTestbed::writesTo(Path path) const {
    const auto& p = plugged_[static_cast<size_t>(path)];
    return p ? p->nodes.front()->writes() : 0;
}

QByteArray MouseTestbed::addDevice(const char* subsystem, const QByteArray& name, const QByteArray& parent,
                                   const std::vector<QByteArray>& attributes,
                                   const std::vector<QByteArray>& properties) {
    auto list = [](const std::vector<QByteArray>& in) {
        std::vector<gchar*> out;
        for (const QByteArray& s : in) out.push_back(const_cast<gchar*>(s.constData()));
        out.push_back(nullptr);
        return out;
    };
    std::vector<gchar*> attrs = list(attributes), props = list(properties);
    gchar* syspath = umockdev_testbed_add_devicev(bed_, subsystem, name.constData(),
                                                  parent.isEmpty() ? nullptr : parent.constData(),
                                                  attrs.data(), props.data());
    const QByteArray out(syspath);
    g_free(syspath);
    return out;
}

void MouseTestbed::addNode(Plugged& plugged, const QByteArray& hidSyspath, const QByteArray& devnode,
                           const QByteArray& descriptor, int path) {
    nodes_.push_back(std::make_unique<Node>(mouse_, path, devnode, descriptor));
    Node* node = nodes_.back().get();
    // The node itself is a plain file of the testbed; its reads, writes and ioctls go to the node's
    // handler. It exists before its uevent goes out.
    gchar* root = umockdev_testbed_get_root_dir(bed_);
    const QString file = QString::fromUtf8(root) + QString::fromUtf8(devnode);
    g_free(root);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile(file).open(QIODevice::WriteOnly);
    umockdev_testbed_attach_ioctl(bed_, devnode.constData(), node->handler(), nullptr);

    const QByteArray name = devnode.mid(devnode.lastIndexOf('/') + 1);
    const QByteArray minor = name.mid(int(strlen("hidraw")));
    const QByteArray raw =
        addDevice("hidraw", "hidraw/" + name, hidSyspath, {"dev", "243:" + minor}, {"DEVNAME", devnode});
    const QByteArray hidName = hidSyspath.mid(hidSyspath.lastIndexOf('/') + 1);
    umockdev_testbed_set_attribute_link(bed_, raw.constData(), "device", ("../../../" + hidName).constData());
    plugged.syspaths.push_back(raw);
    plugged.nodes.push_back(node);
}

void MouseTestbed::plug(Path path) {
    plug(path, Plug());
}

void MouseTestbed::plug(Path path, const Plug& how) {
    unplug(path);
    const PathFacts& f = facts(path);
    auto plugged = std::make_unique<Plugged>();
    mouse_.setPresent(path, true);
    const QByteArray usb = addDevice(
        "usb", f.usbName, {},
        {"idVendor", "248a", "idProduct", hex4(f.productId), "bcdDevice", hex4(how.release), "manufacturer",
         "FARROW", "product", f.product, "busnum", "1", "devnum", QByteArray::number(f.firstNode)},
        {"DEVTYPE", "usb_device"});
    plugged->syspaths.push_back(usb);
    const int interfaces = path == Path::Receiver ? 2 : 1;
    for (int i = 0; i < interfaces; ++i) {
        const QByteArray intf =
            addDevice("usb", f.port + QByteArray(":1.") + QByteArray::number(i), usb,
                      {"bInterfaceNumber", "0" + QByteArray::number(i), "bInterfaceClass", "03"},
                      {"DEVTYPE", "usb_interface"});
        plugged->syspaths.push_back(intf);
        const QByteArray hidName = "0003:248A:" + hex4(f.productId).toUpper() + "." +
                                   QByteArray::number(f.firstHidSequence + i).rightJustified(4, '0');
        const QByteArray hid =
            addDevice("hid", hidName, intf, {},
                      {"HID_ID", "0003:0000248A:0000" + hex4(f.productId).toUpper(), "HID_NAME", f.product,
                       "HID_UNIQ", "", "HID_PHYS",
                       "usb-0000:00:14.0-" + QByteArray(f.port).mid(2) + "/input" + QByteArray::number(i)});
        plugged->syspaths.push_back(hid);
        QByteArray desc = i == 0 ? how.descriptor : descriptor::keyboard();
        if (desc.isEmpty()) desc = path == Path::Receiver ? descriptor::receiver() : descriptor::cable();
        umockdev_testbed_set_attribute_binary(bed_, hid.constData(), "report_descriptor",
                                              reinterpret_cast<guint8*>(desc.data()), desc.size());
        const QByteArray devnode = "/dev/hidraw" + QByteArray::number(f.firstNode + i);
        addNode(*plugged, hid, devnode, desc, i == 0 ? static_cast<int>(path) : -1);
    }
    plugged_[static_cast<size_t>(path)] = std::move(plugged);
}

void MouseTestbed::unplug(Path path) {
    std::unique_ptr<Plugged> plugged = std::move(plugged_[static_cast<size_t>(path)]);
    if (!plugged) return;
    for (Node* n : plugged->nodes) {
        n->pull();
        umockdev_testbed_detach_ioctl(bed_, n->devnode().constData(), nullptr);
    }
    mouse_.setPresent(path, false);
    // Children first, each announced while its sysfs entry still exists.
    std::sort(plugged->syspaths.begin(), plugged->syspaths.end(),
              [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
    for (const QByteArray& syspath : plugged->syspaths) {
        umockdev_testbed_uevent(bed_, syspath.constData(), "remove");
        umockdev_testbed_remove_device(bed_, syspath.constData());
    }
}

void MouseTestbed::failAfterWrites(Path path, int frames) {
    const auto& p = plugged_[static_cast<size_t>(path)];
    if (p) p->nodes.front()->failAfterWrites(frames);
}

}  // namespace mousecfg::test
