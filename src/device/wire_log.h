#pragma once

#include <QLoggingCategory>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "device/hid_backend.h"

// Every frame written to the mouse and every report read back, for bug reports. Off unless
// asked for: QT_LOGGING_RULES="mousecfg.wire.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcWire)

namespace mousecfg {

// Report bytes as the `frames` command prints them: two lowercase hex digits each, single
// spaces, report ID first.
QString frameHex(const uint8_t* data, size_t length);

// Wraps the command handle and logs what passes through it to mousecfg.wire: "write <bytes>"
// for every frame (with "failed" when hidapi refused it), "read <bytes>" for every report
// delivered, "read failed" for a read error; time-outs are not logged. Nothing is formatted
// while the category is off. The link's lock serialises its users, so the lines of one exchange
// stay together whichever thread (write thread, status thread) runs it.
class WireLogHandle : public HidHandle {
public:
    explicit WireLogHandle(std::unique_ptr<HidHandle> inner) : inner_(std::move(inner)) {}
    int write(const uint8_t* data, size_t length) override;
    int readTimeout(uint8_t* data, size_t length, int milliseconds) override;

private:
    std::unique_ptr<HidHandle> inner_;
};

}  // namespace mousecfg
