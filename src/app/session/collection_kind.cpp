#include "app/session/collection_kind.h"

#include "device/device_link.h"

namespace mousecfg {

int collectionKind(uint32_t usagePage, uint32_t usage) {
    if (usagePage != 1) return kNoCollection;
    if (usage == 2) return kMouseCollection;
    if (usage == 0) return kCommandCollection;
    return kNoCollection;
}

CollectionSlot* collectionSlot(DevicePath& path, int kind) {
    if (kind == kMouseCollection) return &path.mouse;
    if (kind == kCommandCollection) return &path.command;
    return nullptr;
}

}  // namespace mousecfg
