#include "device/report_descriptor.h"

#include <algorithm>

namespace mousecfg {

namespace {

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr size_t kMaxPushDepth = 32;  // far beyond any real descriptor; bounds a hostile one

// Item prefixes with the size bits cleared.
namespace item {
constexpr uint8_t kInput = 0x80;
constexpr uint8_t kOutput = 0x90;
constexpr uint8_t kFeature = 0xB0;
constexpr uint8_t kCollection = 0xA0;
constexpr uint8_t kEndCollection = 0xC0;
constexpr uint8_t kUsagePage = 0x04;
constexpr uint8_t kReportId = 0x84;
constexpr uint8_t kPush = 0xA4;
constexpr uint8_t kPop = 0xB4;
constexpr uint8_t kUsage = 0x08;
}  // namespace item

void addId(std::vector<uint8_t>& ids, uint8_t id) {
    const auto at = std::lower_bound(ids.begin(), ids.end(), id);
    if (at == ids.end() || *at != id) ids.insert(at, id);
}

bool hasId(const std::vector<uint8_t>& ids, uint8_t id) {
    return std::binary_search(ids.begin(), ids.end(), id);
}

struct GlobalState {
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
};

}  // namespace

ParsedDescriptor parseReportDescriptor(const uint8_t* bytes, size_t size) {
    ParsedDescriptor out;
    if (!bytes || size == 0) return out;

    GlobalState global;
    std::vector<GlobalState> pushed;
    bool haveUsage = false;
    uint16_t usage = 0;
    uint16_t usagePage = 0;  // of an extended usage
    bool extendedUsage = false;
    size_t depth = 0;
    HidTopCollection current;

    auto fail = [&out](DescriptorStatus status) {
        out.status = status;
        return out;
    };

    size_t pos = 0;
    while (pos < size) {
        const uint8_t prefix = bytes[pos];
        const size_t left = size - pos - 1;  // bytes after the prefix
        if (prefix == kLongItemPrefix) {
            // Long item: prefix, data size, tag, data. No tag of it is defined; skip it whole.
            if (left < 2 || left - 2 < bytes[pos + 1]) return fail(DescriptorStatus::Truncated);
            pos += 3 + bytes[pos + 1];
            continue;
        }
        const size_t length = (prefix & 0x03) == 3 ? 4 : (prefix & 0x03);
        if (left < length) return fail(DescriptorStatus::Truncated);
        uint32_t value = 0;
        for (size_t i = 0; i < length; ++i) value |= static_cast<uint32_t>(bytes[pos + 1 + i]) << (8 * i);
        pos += 1 + length;

        const uint8_t tag = prefix & 0xFC;
        bool clearsLocals = false;
        switch (tag) {
            case item::kInput:
            case item::kOutput:
            case item::kFeature:
                if (depth > 0) {
                    std::vector<uint8_t>& ids = tag == item::kInput    ? current.inputIds
                                                : tag == item::kOutput ? current.outputIds
                                                                       : current.featureIds;
                    addId(ids, global.reportId);
                }
                clearsLocals = true;
                break;
            case item::kCollection:
                if (depth == 0) {
                    current = HidTopCollection();
                    current.usagePage = extendedUsage ? usagePage : global.usagePage;
                    current.usage = haveUsage ? usage : 0;
                }
                ++depth;
                clearsLocals = true;
                break;
            case item::kEndCollection:
                if (depth == 0) return fail(DescriptorStatus::Malformed);
                if (--depth == 0) out.collections.push_back(current);
                clearsLocals = true;
                break;
            case item::kUsagePage:
                global.usagePage = static_cast<uint16_t>(value);
                break;
            case item::kReportId:
                if (value == 0 || value > 0xFF) return fail(DescriptorStatus::Malformed);
                global.reportId = static_cast<uint8_t>(value);
                break;
            case item::kPush:
                if (pushed.size() >= kMaxPushDepth) return fail(DescriptorStatus::Malformed);
                pushed.push_back(global);
                break;
            case item::kPop:
                if (pushed.empty()) return fail(DescriptorStatus::Malformed);
                global = pushed.back();
                pushed.pop_back();
                break;
            case item::kUsage:
                haveUsage = true;
                extendedUsage = length == 4;
                usage = static_cast<uint16_t>(value & 0xFFFF);
                usagePage = static_cast<uint16_t>(value >> 16);
                break;
            default:
                break;  // items that do not bear on collections or report IDs
        }
        if (clearsLocals) haveUsage = extendedUsage = false;
    }
    if (depth > 0) return fail(DescriptorStatus::Truncated);
    out.status = DescriptorStatus::Ok;
    return out;
}

std::vector<uint8_t> commandInputIds(const QByteArray& descriptor, uint16_t usagePage, uint16_t usage,
                                     uint8_t commandId) {
    const std::vector<uint8_t> fallback{commandId};
    const ParsedDescriptor parsed = parseReportDescriptor(descriptor);
    if (parsed.status != DescriptorStatus::Ok) return fallback;
    const auto& all = parsed.collections;
    const auto command = std::find_if(all.begin(), all.end(), [&](const HidTopCollection& c) {
        return c.usagePage == usagePage && c.usage == usage;
    });
    if (command == all.end()) return fallback;
    std::vector<uint8_t> ids;
    for (uint8_t id : command->inputIds)
        if (id != 0) ids.push_back(id);
    if (ids.empty()) return fallback;
    const bool claimed = std::any_of(all.begin(), all.end(), [&](const HidTopCollection& c) {
        return &c != &*command && hasId(c.inputIds, commandId);
    });
    if (!claimed) addId(ids, commandId);
    return ids;
}

}  // namespace mousecfg
