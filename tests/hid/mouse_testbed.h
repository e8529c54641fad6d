#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "device/command_frame.h"
#include "sim/simulated_mouse.h"

typedef struct _UMockdevTestbed UMockdevTestbed;

namespace mousecfg::test {

// Report descriptors of the mouse's USB interfaces, built from their top-level collections.
namespace descriptor {
QByteArray mouse(uint8_t reportId = SimulatedMouse::kMotionReportId);  // page 1 usage 2
QByteArray consumer(uint8_t reportId = 0x03);                          // page 0x0C usage 1
QByteArray systemControl(uint8_t reportId = 0x04);                     // page 1 usage 0x80
// Page 1 usage 0: 32 data bytes in on each of `inputIds`, 32 out on the command report ID.
QByteArray command(const std::vector<uint8_t>& inputIds = {kReportId});
QByteArray keyboard();  // a boot keyboard, no report IDs
// Interface 0 of the receiver (its four collections, "col01" to "col04" on Windows) and of the
// cable (mouse and command).
QByteArray receiver();
QByteArray cable();
}  // namespace descriptor

// A umockdev testbed in which the mouse's receiver (248a:fa02) and cable (248a:fb01) can be
// plugged in and pulled out: USB device, interfaces, HID devices with their report descriptors
// and hidraw nodes, announced by uevents. The unmodified hidapi-hidraw and libudev of the process
// (and of the processes it starts) find them through umockdev's preload library, so the test
// program must run under umockdev-wrapper.
//
// The interface-0 node of each path is answered by the simulated mouse's firmware: every open of
// the node is one handle on the simulated mouse, so each open receives every input report of the
// interface, as a hidraw node does. The emulated node is always ready: a read with nothing queued
// returns at once as a time-out would (no test waits out a real time-out). A pulled node answers
// like a removed hidraw node: ENODEV on write, EIO on read.
class MouseTestbed {
public:
    using Path = SimulatedMouse::Path;
    struct Plug {
        QByteArray descriptor;  // interface 0; empty: the path's usual one
        uint16_t release = 0x0100;
    };

    MouseTestbed();
    ~MouseTestbed();
    MouseTestbed(const MouseTestbed&) = delete;
    MouseTestbed& operator=(const MouseTestbed&) = delete;

    // Whether umockdev's preload library is loaded (the process runs under umockdev-wrapper).
    static bool preloaded();

    // The receiver also brings a keyboard interface (interface 1) with a node of its own.
    void plug(Path path, const Plug& how);
    void plug(Path path);
    // Remove uevents, then the devices and nodes; handles open on the node fail from now on.
    void unplug(Path path);
    // The node stops answering after accepting `frames` more writes, as if the plug were pulled
    // there; unplug() then removes what is left.
    void failAfterWrites(Path path, int frames);
    bool plugged(Path path) const;

    static QByteArray node(Path path);          // interface 0: /dev/hidraw90 (receiver), 92 (cable)
    static QByteArray keyboardNode();           // the receiver's interface 1: /dev/hidraw91
    int writesTo(Path path) const;              // reports the node accepted since it was plugged
    SimulatedMouse& mouse() { return mouse_; }  // the firmware behind both paths

private:
    class Node;
    struct Plugged {
        std::vector<QByteArray> syspaths;  // parents first
        std::vector<Node*> nodes;
    };

    QByteArray addDevice(const char* subsystem, const QByteArray& name, const QByteArray& parent,
                         const std::vector<QByteArray>& attributes,
                         const std::vector<QByteArray>& properties);
    void addNode(Plugged& plugged, const QByteArray& hidSyspath, const QByteArray& devnode,
                 const QByteArray& descriptor, int path);

    UMockdevTestbed* bed_ = nullptr;
    SimulatedMouse mouse_;
    std::array<std::unique_ptr<Plugged>, 2> plugged_;
    std::vector<std::unique_ptr<Node>> nodes_;  // kept until the end: a closed client may outlive a plug
};

}  // namespace mousecfg::test
