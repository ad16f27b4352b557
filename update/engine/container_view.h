#pragma once
// The entries of a loaded firmware container that a transfer path reads, checked before the path
// sees them. The loader checks only one of the two tables, by a rule of its own per product; a path
// may read the other. So the view checks each entry it hands out itself, once: the entry must
// exist, its table must lie inside the file, so must its data (offset + length in 64 bits), and the
// MD5 of its data must be the entry's digest. The view holds the loaded file: a path reaches the
// firmware's bytes only through checked entries.

#include <array>
#include <cstdint>
#include <map>
#include <span>

#include "link/firmware_file.h"
#include "link/md5.h"

namespace kivo {

enum class ContainerTable { Section, Block };

// An entry a path will read. Required entries must exist; the others are read where present. Every
// entry of a table, required, means at least one: a file with nothing to write is no firmware.
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
    // The entry's MD5 digest of its data (checked against the data before the entry is handed out).
    Md5Digest digest{};
    std::span<const uint8_t> data;

    uint8_t imageId() const { return static_cast<uint8_t>(type & 0xFF); }
};

class ContainerView {
public:
    // Takes the loaded file (size bytes) and checks the needs against it; false when one fails (the
    // view then holds nothing: the file is freed).
    bool check(FirmwareBuffer file, size_t size, std::span<const EntryNeed> needs);
    // Frees the file: the view holds nothing.
    void clear() { *this = {}; }

    // The entry count of the file, 0 when it is 0 or less.
    int count() const { return count_; }
    // The product id the file is for (its header's); 0 while the view holds nothing.
    uint32_t productId() const { return productId_; }
    // A checked entry; nullptr when it was not asked for or is not present.
    const ContainerEntry* section(int index) const { return find(sections_, index); }
    const ContainerEntry* block(int index) const { return find(blocks_, index); }

private:
    static const ContainerEntry* find(const std::map<int, ContainerEntry>& entries, int index);
    bool take(ContainerTable table, int index);

    FirmwareBuffer file_;
    std::span<const uint8_t> bytes_;
    int count_ = 0;
    uint32_t productId_ = 0;
    // The bytes hashed so far, per table (section, block).
    std::array<uint64_t, 2> hashed_{};
    std::map<int, ContainerEntry> sections_;
    std::map<int, ContainerEntry> blocks_;
};

} // namespace kivo
