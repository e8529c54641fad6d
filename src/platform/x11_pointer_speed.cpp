// Pointer speed through the X server's libinput driver: the "libinput Accel Speed" property
// (one 32-bit float, -1..1) of every slave pointer that has it.
#include <QLoggingCategory>
#include <cstring>
#include <vector>

#include "platform/pointer_speed.h"

#ifdef MOUSECFG_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#endif

Q_DECLARE_LOGGING_CATEGORY(lcPointer)

namespace mousecfg {

#ifdef MOUSECFG_HAVE_X11
namespace {

class X11PointerSpeed : public PointerSpeedService {
public:
    explicit X11PointerSpeed(Display* d) : display_(d) {
        prop_ = XInternAtom(display_, "libinput Accel Speed", True);
        float_ = XInternAtom(display_, "FLOAT", True);
    }
    ~X11PointerSpeed() override { XCloseDisplay(display_); }

    bool usable() { return prop_ != None && float_ != None && !pointers().empty(); }

    std::optional<int> read() override {
        for (int id : pointers()) {
            if (auto v = readValue(id)) return pointerSpeedFromDesktop(*v);
        }
        return std::nullopt;
    }

    bool apply(int speed) override {
        const float value = static_cast<float>(pointerSpeedToDesktop(speed));
        bool any = false;
        for (int id : pointers()) {
            // Format 32 properties travel as longs on the client side.
            long data = 0;
            static_assert(sizeof(float) <= sizeof(long));
            std::memcpy(&data, &value, sizeof value);
            XIChangeProperty(display_, id, prop_, float_, 32, XIPropModeReplace,
                             reinterpret_cast<unsigned char*>(&data), 1);
            any = true;
        }
        XFlush(display_);
        qCDebug(lcPointer) << "X11 libinput accel speed" << speed << "->" << value
                           << (any ? "set" : "no pointer");
        return any;
    }

    QString name() const override { return QStringLiteral("x11-libinput"); }

private:
    std::vector<int> pointers() {
        std::vector<int> ids;
        int n = 0;
        XIDeviceInfo* info = XIQueryDevice(display_, XIAllDevices, &n);
        for (int i = 0; info && i < n; ++i) {
            if (info[i].use == XISlavePointer && readValue(info[i].deviceid)) ids.push_back(info[i].deviceid);
        }
        if (info) XIFreeDeviceInfo(info);
        return ids;
    }

    std::optional<float> readValue(int id) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<float> result;
        if (XIGetProperty(display_, id, prop_, 0, 1, False, float_, &type, &format, &items, &after, &data) ==
                Success &&
            type == float_ && format == 32 && items >= 1 && data) {
            float v;
            long raw = *reinterpret_cast<long*>(data);
            std::memcpy(&v, &raw, sizeof v);
            result = v;
        }
        if (data) XFree(data);
        return result;
    }

    Display* display_;
    Atom prop_ = None;
    Atom float_ = None;
};

}  // namespace

std::unique_ptr<PointerSpeedService> makeX11PointerSpeed() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return nullptr;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return nullptr;
    int opcode, event, error;
    if (!XQueryExtension(d, "XInputExtension", &opcode, &event, &error)) {
        XCloseDisplay(d);
        return nullptr;
    }
    auto service = std::make_unique<X11PointerSpeed>(d);
    if (!service->usable()) return nullptr;
    return service;
}
#else
std::unique_ptr<PointerSpeedService> makeX11PointerSpeed() {
    return nullptr;
}
#endif

}  // namespace mousecfg
