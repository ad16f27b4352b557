// libFuzzer entry point: the multi-section firmware container check on arbitrary files. The first
// input byte picks the product the file is checked for (each product rule has one); the rest is
// the file. Beyond not crashing: a container that passes has every section of the table its
// product reads inside the file, and its sections add up to no more than the file, so no file
// makes the check hash more than its own size.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "link/firmware_container.h"

namespace {

using Layout = FirmwareContainer;

// Standard table, extended table, the held and unheld product ids, the version floor, the
// sister product, the product that always reads the extended table.
constexpr uint32_t kProducts[] = {0x6806, 0x6800, 0x4210, 0x4220, 0x3233, 0x3143, 0x5451, 0x3142};

uint32_t le32(std::span<const uint8_t> f, size_t at)
{
    return uint32_t{f[at]} | uint32_t{f[at + 1]} << 8 | uint32_t{f[at + 2]} << 16 | uint32_t{f[at + 3]} << 24;
}

// The sections of the table at table_start; false when one lies outside or all of them add up to
// more than the file.
bool sections_bounded(std::span<const uint8_t> file, uint64_t table_start, uint64_t entry_size, uint64_t count)
{
    uint64_t total = 0;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t entry = table_start + entry_size * i;
        if (entry + entry_size > file.size())
            return false;
        const uint64_t offset = le32(file, entry + Layout::kEntryOffsetField);
        const uint64_t length = le32(file, entry + Layout::kEntryLengthField);
        total += length;
        if (offset + length > file.size() || total > file.size())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint32_t product = kProducts[data[0] % std::size(kProducts)];
    const std::span<const uint8_t> file(data + 1, size - 1);
    if (!fw_image_intact(file, product))
        return 0;

    if (file.size() < Layout::kTableOffset)
        std::abort();
    const auto count = static_cast<int32_t>(le32(file, Layout::kSectionCountOffset));
    if (count < 1)
        return 0;
    const uint64_t entries = static_cast<uint64_t>(count);
    const uint64_t standard_end = Layout::kTableOffset + Layout::kEntrySize * entries;
    // Whichever table the product reads, it lies in the file with bounded sections.
    const bool standard = sections_bounded(file, Layout::kTableOffset, Layout::kEntrySize, entries);
    const bool extended = sections_bounded(file, standard_end, Layout::kExtendedEntrySize, entries);
    if (!standard && !extended)
        std::abort();
    return 0;
}
