#include "update/engine/container_view.h"

#include "link/firmware_container.h"

namespace kivo {
namespace {

using Layout = FirmwareContainer;

uint32_t read_le32(std::span<const uint8_t> bytes, uint64_t offset)
{
    const size_t at = static_cast<size_t>(offset);
    return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
        uint32_t{bytes[at + 3]} << 24;
}

} // namespace

bool ContainerView::check(std::span<const uint8_t> file, std::span<const EntryNeed> needs)
{
    *this = {};
    if (file.size() < Layout::kTableOffset)
        return false;
    const auto signed_count = static_cast<int32_t>(read_le32(file, Layout::kSectionCountOffset));
    const int count = signed_count > 0 ? signed_count : 0;
    for (const EntryNeed& need : needs) {
        const int first = need.index == kEveryEntry ? 0 : need.index;
        const int last = need.index == kEveryEntry ? count - 1 : need.index;
        if (need.index != kEveryEntry && (need.index < 0 || need.index >= count)) {
            if (need.required) {
                *this = {};
                return false;
            }
            continue;
        }
        for (int index = first; index <= last; ++index) {
            if (!take(file, need.table, index)) {
                *this = {};
                return false;
            }
        }
    }
    count_ = count;
    return true;
}

bool ContainerView::take(std::span<const uint8_t> file, ContainerTable table, int index)
{
    const auto signed_count = static_cast<int32_t>(read_le32(file, Layout::kSectionCountOffset));
    const uint64_t count = static_cast<uint64_t>(signed_count);
    const uint64_t sections_end = Layout::kTableOffset + Layout::kEntrySize * count;
    const bool block = table == ContainerTable::Block;
    const uint64_t table_start = block ? sections_end : Layout::kTableOffset;
    const uint64_t entry_size = block ? Layout::kExtendedEntrySize : Layout::kEntrySize;
    if (table_start + entry_size * count > file.size())
        return false;

    const uint64_t at = table_start + entry_size * static_cast<uint64_t>(index);
    ContainerEntry entry;
    entry.number = read_le32(file, at + (block ? Layout::kBlockNumberField : Layout::kEntryTypeField));
    entry.type = read_le32(file, at + (block ? Layout::kBlockTypeField : Layout::kEntryImageIdField));
    entry.offset = read_le32(file, at + Layout::kEntryOffsetField);
    entry.length = read_le32(file, at + Layout::kEntryLengthField);
    if (uint64_t{entry.offset} + entry.length > file.size())
        return false;
    if (block)
        for (size_t v = 0; v < Layout::kBlockVersionCount; ++v)
            entry.versions[v] = read_le32(file, at + Layout::kBlockVersionField + 4 * v);
    entry.data = file.subspan(entry.offset, entry.length);
    (block ? blocks_ : sections_)[index] = entry;
    return true;
}

const ContainerEntry* ContainerView::find(const std::map<int, ContainerEntry>& entries, int index)
{
    const auto it = entries.find(index);
    return it == entries.end() ? nullptr : &it->second;
}

} // namespace kivo
