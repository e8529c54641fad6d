// libFuzzer target: arbitrary bytes as a HID report descriptor. The parser must stay within the
// bytes, report emptiness truthfully, and the command-handle ID list is never empty.
#include <cstdlib>
#include <vector>

#include "device/command_frame.h"
#include "device/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mousecfg;
    std::vector<uint8_t> exact(data, data + size);  // a heap copy, so any over-read is caught
    const ParsedDescriptor d = parseReportDescriptor(exact.data(), exact.size());
    if ((d.status == DescriptorStatus::Empty) != (size == 0)) std::abort();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    if (commandInputIds(bytes, 1, 0, kReportId).empty()) std::abort();
    return 0;
}
