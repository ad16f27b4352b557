// The checked view of a firmware container over untrusted files: whatever the tables say, every
// entry it hands a transfer path lies inside the file.
//
// Input: byte 0 picks what the path reads (bit 0: section entry 0, bit 1: section entry 1, bit 2:
// block entries 0 and 1 where present, bit 3: block entry 2, bit 4: every block entry), then the
// file.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "update/engine/container_view.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    using kivo::ContainerTable;
    const uint8_t pick = data[0];
    std::vector<kivo::EntryNeed> needs;
    if (pick & 0x01)
        needs.push_back({ContainerTable::Section, 0});
    if (pick & 0x02)
        needs.push_back({ContainerTable::Section, 1});
    if (pick & 0x04) {
        needs.push_back({ContainerTable::Block, 0, false});
        needs.push_back({ContainerTable::Block, 1, false});
    }
    if (pick & 0x08)
        needs.push_back({ContainerTable::Block, 2});
    if (pick & 0x10)
        needs.push_back({ContainerTable::Block, kivo::kEveryEntry});

    const std::vector<uint8_t> file(data + 1, data + size);
    kivo::ContainerView view;
    if (!view.check(file, needs))
        return 0;
    auto inside = [&](const kivo::ContainerEntry* entry) {
        if (entry == nullptr)
            return;
        const uint8_t* begin = file.data();
        const uint8_t* end = begin + file.size();
        if (entry->data.size() != entry->length ||
            (entry->length > 0 && (entry->data.data() < begin || entry->data.data() + entry->length > end)))
            std::abort();
    };
    for (int i = 0; i < view.count() && i < 64; ++i) {
        inside(view.section(i));
        inside(view.block(i));
    }
    return 0;
}
