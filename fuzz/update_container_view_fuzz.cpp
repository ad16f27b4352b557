// The checked view of a firmware container over untrusted files: whatever the tables say, every
// entry it hands a transfer path lies inside the file and its data match the digest of its entry,
// and a path that writes every block entry is never handed a file without any.
//
// Input: byte 0 picks what the path reads (bit 0: section entry 0, bit 1: section entry 1, bit 2:
// block entries 0 and 1 where present, bit 3: block entry 2, bit 4: every block entry), then the
// file.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "link/firmware_container.h"
#include "link/md5.h"
#include "tests/link/firmware_file_builder.h"
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
    if (!view.check(fwfile::buffer_of(file), file.size(), needs))
        return 0;
    using Layout = FirmwareContainer;
    const uint64_t count = static_cast<uint64_t>(view.count());
    if ((pick & 0x10) != 0 && count == 0)
        std::abort();
    auto intact = [&](const kivo::ContainerEntry* entry, uint64_t digest_at) {
        if (entry == nullptr)
            return;
        if (entry->data.size() != entry->length || uint64_t{entry->offset} + entry->length > file.size() ||
            digest_at + kMd5DigestSize > file.size() ||
            !std::equal(entry->data.begin(), entry->data.end(), file.begin() + entry->offset))
            std::abort();
        const Md5Digest digest = md5_digest(entry->data);
        if (!std::equal(digest.begin(), digest.end(), file.begin() + static_cast<std::ptrdiff_t>(digest_at)))
            std::abort();
    };
    for (uint64_t i = 0; i < count && i < 64; ++i) {
        const auto index = static_cast<int>(i);
        intact(view.section(index), Layout::kTableOffset + Layout::kEntrySize * i + Layout::kEntryDigestOffset);
        intact(view.block(index),
               Layout::kTableOffset + Layout::kEntrySize * count + Layout::kExtendedEntrySize * i +
                   Layout::kExtendedEntryDigestOffset);
    }
    return 0;
}
