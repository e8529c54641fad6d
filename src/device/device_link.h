#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "device/command_frame.h"
#include "device/hid_backend.h"

namespace mousecfg {

class Pacer;
class Paths;

// Result codes of a checked transaction.
using TxResult = uint8_t;
inline constexpr TxResult TxOk = 0;          // written, echo accepted (or none expected)
inline constexpr TxResult TxNoDevice = 1;    // no command interface open
inline constexpr TxResult TxNoEcho = 2;      // retries exhausted
inline constexpr TxResult TxWriteError = 4;  // the write itself failed

// Outcomes of CompareEcho.
inline constexpr int EchoMatch = 0;
inline constexpr int EchoHeaderDiffers = 1;
inline constexpr int EchoDataDiffers = 2;

// Compares an echo with the frame that was sent: header bytes 1, 3..7 (not the checksum, not
// the phase), then, with checkData, the data bytes the frame announced in byte 7 (never past
// the 33 bytes that went on the wire).
int CompareEcho(const CommandFrame& sent, const CommandFrame& answer, bool checkData);

// One collection of one path: the mouse itself or the command collection.
struct CollectionSlot {
    uint32_t usage = 0;
    uint32_t usagePage = 0;
    QByteArray path;
    bool present = false;
};

// One way to reach the mouse: the receiver (index 0) or the charging cable (index 1).
struct DevicePath {
    uint32_t vendorId = 0;
    uint32_t productId = 0;
    uint32_t lowestRelease = 0;
    uint32_t highestRelease = 0;  // 0: any release
    CollectionSlot mouse;         // first collection (usage page 1, usage 2)
    CollectionSlot command;       // second collection (usage page 1, usage 0)

    bool acceptsRelease(uint32_t release) const {
        return highestRelease == 0 || (lowestRelease <= release && release <= highestRelease);
    }
    bool connected() const { return mouse.present && command.present; }
};

struct DeviceEntry {
    static constexpr int kReceiver = 0;
    static constexpr int kCable = 1;
    std::array<DevicePath, 2> paths;
    QByteArray productName;  // Latin-1, at most 255 bytes
};

inline constexpr uint16_t kVendorId = 0x248A;
inline constexpr uint16_t kReceiverProductId = 0xFA02;
inline constexpr uint16_t kCableProductId = 0xFB01;
inline constexpr int kMaxDeviceEntries = 200;
inline constexpr int kMaxPathBytes = 254;  // a path stays NUL-terminated within 255 bytes

enum class HandleId { ReceiverMouse = 0, ReceiverCommand = 1, CableMouse = 2, CableCommand = 3 };

// The device list, the four open handles and the checked transaction.
//
// Threads: the device list and open/close belong to the GUI thread. The handles are shared by
// the GUI thread (profile switch), the write thread and the status thread; every use of the
// command handle (one transaction, or one request/read of the status thread) holds the link's
// lock, so two threads never drive the handle at the same time. Stopping the status thread
// additionally waits for it (see StatusReporter), so a profile write never has its echoes
// taken by a status read.
//
// Linux discovery relies on three facts of hidapi-hidraw and the kernel:
//  - One hidraw node per USB interface carries all its top-level collections. hidapi lists one
//    record per collection that a Usage precedes in the interface's report descriptor (nested
//    ones too, like the mouse's pointer collection), each with the node's path, the USB device's
//    bcdDevice as release number and the interface number. No path names a collection, so a
//    collection is recognised by its usage pair (mouse 1/2, command 1/0) and release number, in
//    whatever order the descriptor declares them; the receiver's "col04" path test applies only
//    to Windows-style collection paths.
//  - The mouse and the command handle are two opens of that one node, and every open receives
//    every input report of the interface (mouse motion included).
//  - The node's report descriptor is readable from sysfs. The command handle passes on only the
//    input report IDs it gives the command collection, plus 0x05 unless another collection
//    claims it (see commandInputIds); just 0x05 when it cannot be read or parsed.
// tests/hid proves these against umockdev testbeds running the unmodified hidapi-hidraw and
// libudev: the records listed for a receiver and a cable in both descriptor orders, open, write,
// read, close, a node removed in the middle of a transaction, the report IDs taken from the
// descriptor, and hot-plug through the udev monitor. What it cannot prove without a mouse: the
// kernel's own queueing and timing on a real node, and the real receiver's descriptor.
class DeviceLink {
public:
    DeviceLink(HidBackend& backend, Pacer& pacer);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Discovery and open.
    void InitDeviceList(const Paths& paths);  // reads "Mouse_List/0"
    int EnumerateDevices();                   // 0, or -1 when the backend fails to initialise
    void OpenDevice(const QByteArray& productName);
    void OpenDevice(const QString& productName) { OpenDevice(productName.toLatin1()); }
    void CloseDevice();
    void ExitHid();

    // The checked transaction. `length` is the number of bytes on the wire (33); lengths outside
    // 8..63 are refused with TxWriteError.
    TxResult WriteAndVerify(const CommandFrame& frame, int length = kFrameLength);

    std::vector<DeviceEntry>& deviceList() { return entries_; }
    const std::vector<DeviceEntry>& deviceList() const { return entries_; }
    QString currentProductName() const { return currentProductName_; }
    void setCurrentProductName(const QString& name) { currentProductName_ = name; }
    uint16_t cableReleaseNumber() const { return cableRelease_; }
    // Release number of a path from the last enumeration; -1 when unknown.
    int releaseNumber(const QByteArray& path) const;

    bool isOpen(HandleId id) const;
    bool hasCommandHandle() const;

    // Byte 11 of the last battery report (read by the DPI encoder).
    uint8_t linkMode() const { return linkMode_.load(); }
    void setLinkMode(uint8_t mode) { linkMode_.store(mode); }

    // Exclusive use of the command handle (cable preferred) for as long as the object lives;
    // handle() is null when none is open. Keep it short: transactions wait for it.
    class CommandAccess {
    public:
        HidHandle* handle() const { return handle_; }

    private:
        friend class DeviceLink;
        CommandAccess(std::unique_lock<std::mutex> lock, HidHandle* handle)
            : lock_(std::move(lock)), handle_(handle) {}
        std::unique_lock<std::mutex> lock_;
        HidHandle* handle_;
    };
    CommandAccess lockCommand();

    Pacer& pacer() const { return pacer_; }
    HidBackend& backend() const { return backend_; }

    // The transaction's step-by-step trace (discarded unless a hook is set). Set it before any
    // thread sends commands; it is called with the link's lock held.
    using TraceHook = std::function<void(const QString&)>;
    void setTraceHook(TraceHook hook) { trace_ = std::move(hook); }

    // Windows collection paths name their collection ("...&col04..."); hidraw paths do not.
    static bool isWindowsCollectionPath(const QByteArray& path);

private:
    HidHandle* commandHandleLocked() const;
    void trace(const QString& line) const;
    TxResult transactLocked(HidHandle& handle, const CommandFrame& frame, int length);

    HidBackend& backend_;
    Pacer& pacer_;
    std::vector<DeviceEntry> entries_;
    std::vector<HidDeviceInfo> lastEnumeration_;
    QString currentProductName_;
    uint16_t cableRelease_ = 0;
    std::atomic<uint8_t> linkMode_{0};
    mutable std::mutex mutex_;
    std::array<std::unique_ptr<HidHandle>, 4> handles_;
    TraceHook trace_;
};

}  // namespace mousecfg
