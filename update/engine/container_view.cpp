#include "update/engine/container_view.h"

#include <algorithm>
#include <utility>

#include "link/firmware_container.h"
#include "link/md5.h"

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

bool ContainerView::check(FirmwareBuffer file, size_t size, std::span<const EntryNeed> needs)
{
    clear();
    if (!file || size < Layout::kTableOffset)
        return false;
    file_ = std::move(file);
    bytes_ = {file_.get(), size};
    const auto signed_count = static_cast<int32_t>(read_le32(bytes_, Layout::kSectionCountOffset));
    const int count = signed_count > 0 ? signed_count : 0;
    for (const EntryNeed& need : needs) {
        if (need.index == kEveryEntry && need.required && count == 0) {
            clear();
            return false;
        }
        const int first = need.index == kEveryEntry ? 0 : need.index;
        const int last = need.index == kEveryEntry ? count - 1 : need.index;
        if (need.index != kEveryEntry && (need.index < 0 || need.index >= count)) {
            if (need.required) {
                clear();
                return false;
            }
            continue;
        }
        for (int index = first; index <= last; ++index) {
            if (!take(need.table, index)) {
                clear();
                return false;
            }
        }
    }
    count_ = count;
    productId_ = read_le32(bytes_, Layout::kProductIdOffset);
    return true;
}

bool ContainerView::take(ContainerTable table, int index)
{
    const bool block = table == ContainerTable::Block;
    std::map<int, ContainerEntry>& entries = block ? blocks_ : sections_;
    if (entries.contains(index))
        return true;

    const auto signed_count = static_cast<int32_t>(read_le32(bytes_, Layout::kSectionCountOffset));
    const uint64_t count = static_cast<uint64_t>(signed_count);
    const uint64_t sections_end = Layout::kTableOffset + Layout::kEntrySize * count;
    const uint64_t table_start = block ? sections_end : Layout::kTableOffset;
    const uint64_t entry_size = block ? Layout::kExtendedEntrySize : Layout::kEntrySize;
    if (table_start + entry_size * count > bytes_.size())
        return false;

    const uint64_t at = table_start + entry_size * static_cast<uint64_t>(index);
    ContainerEntry entry;
    entry.number = read_le32(bytes_, at + (block ? Layout::kBlockNumberField : Layout::kEntryTypeField));
    entry.type = read_le32(bytes_, at + (block ? Layout::kBlockTypeField : Layout::kEntryImageIdField));
    entry.offset = read_le32(bytes_, at + Layout::kEntryOffsetField);
    entry.length = read_le32(bytes_, at + Layout::kEntryLengthField);
    if (uint64_t{entry.offset} + entry.length > bytes_.size())
        return false;
    // The sections of a real container lie apart, so a table's entries together never exceed the
    // file. A table that names one large section again and again would have it hashed once per
    // entry: refuse it instead.
    uint64_t& hashed = hashed_[block ? 1 : 0];
    hashed += entry.length;
    if (hashed > bytes_.size())
        return false;
    entry.data = bytes_.subspan(entry.offset, entry.length);
    const Md5Digest digest = md5_digest(entry.data);
    const auto stored = bytes_.subspan(static_cast<size_t>(at) +
                                           (block ? Layout::kExtendedEntryDigestOffset : Layout::kEntryDigestOffset),
                                       digest.size());
    if (!std::equal(digest.begin(), digest.end(), stored.begin()))
        return false;
    entry.digest = digest;
    if (block)
        for (size_t v = 0; v < Layout::kBlockVersionCount; ++v)
            entry.versions[v] = read_le32(bytes_, at + Layout::kBlockVersionField + 4 * v);
    entries[index] = entry;
    return true;
}

const ContainerEntry* ContainerView::find(const std::map<int, ContainerEntry>& entries, int index)
{
    const auto it = entries.find(index);
    return it == entries.end() ? nullptr : &it->second;
}

} // namespace kivo
