#pragma once
// The entries of a loaded firmware container that a transfer path reads, checked before the path
// sees them. The loader checks only one of the two tables, by a rule of its own per product; a path
// may read the other, so every entry it names must exist, its table must lie inside the file, and
// so must its data (offset + length in 64 bits). Bounds only: digests stay the loader's.

#include <array>
#include <cstdint>
#include <map>
#include <span>

namespace kivo {

enum class ContainerTable { Section, Block };

// An entry a path will read. Required entries must exist; the others are read where present.
struct EntryNeed {
    ContainerTable table;
    // The entry's index, or kEveryEntry for all entries of the table.
    int index;
    bool required = true;
};

inline constexpr int kEveryEntry = -1;

// One checked entry: its fields, and its data inside the loaded file.
struct ContainerEntry {
    // Section entry: section type; block entry: block number.
    uint32_t number = 0;
    // Section entry: image id; block entry: block type. The low byte is the image id an erase names.
    uint32_t type = 0;
    uint32_t offset = 0;
    uint32_t length = 0;
    // Block entries only.
    std::array<uint32_t, 5> versions{};
    std::span<const uint8_t> data;

    uint8_t imageId() const { return static_cast<uint8_t>(type & 0xFF); }
};

class ContainerView {
public:
    // Checks the needs against file; false when one fails (the view then holds nothing).
    bool check(std::span<const uint8_t> file, std::span<const EntryNeed> needs);

    // The entry count of the file, 0 when it is 0 or less.
    int count() const { return count_; }
    // A checked entry; nullptr when it was not asked for or is not present.
    const ContainerEntry* section(int index) const { return find(sections_, index); }
    const ContainerEntry* block(int index) const { return find(blocks_, index); }

private:
    static const ContainerEntry* find(const std::map<int, ContainerEntry>& entries, int index);
    bool take(std::span<const uint8_t> file, ContainerTable table, int index);

    int count_ = 0;
    std::map<int, ContainerEntry> sections_;
    std::map<int, ContainerEntry> blocks_;
};

} // namespace kivo
