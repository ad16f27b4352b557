#pragma once
// The multi-section firmware container: a header, a table with one entry per section and, for
// some products, a second table with larger entries. Each entry holds the section's offset in the
// file, its length and the MD5 of its bytes. All integers are little-endian.
//
//   0   24   header text, NUL-terminated when shorter
//   28   4   product id of the container
//   32   4   section count N (signed)
//   36       standard table, N entries of 32 bytes
//            extended table, N entries of 312 bytes (extended-table products only)

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/firmware_file.h"

struct FirmwareContainer {
    static constexpr size_t kHeaderTextSize = 24;
    static constexpr size_t kProductIdOffset = 28;
    static constexpr size_t kSectionCountOffset = 32;
    static constexpr size_t kTableOffset = 36;

    static constexpr size_t kEntrySize = 32;
    static constexpr size_t kEntryDigestOffset = 16;
    static constexpr size_t kExtendedEntrySize = 312;
    static constexpr size_t kExtendedEntryDigestOffset = 296;
    // Both entry forms keep the section's offset and length at the same place.
    static constexpr size_t kEntryOffsetField = 8;
    static constexpr size_t kEntryLengthField = 12;
    // Standard entry: section type and image id (its low byte is what an erase names).
    static constexpr size_t kEntryTypeField = 0;
    static constexpr size_t kEntryImageIdField = 4;
    // Extended (block) entry: block number, block type (its low byte serves as image id) and five
    // version numbers.
    static constexpr size_t kBlockNumberField = 0;
    static constexpr size_t kBlockTypeField = 4;
    static constexpr size_t kBlockVersionField = 16;
    static constexpr size_t kBlockVersionCount = 5;

    // A product 0x3233 accepts a 0x3232 container only from this version on (1.2.3.1).
    static constexpr uint64_t kVersionFloor = 1'020'301;
};

// Loads the container at path and checks it for product_id. Returns the file size with the file
// in buffer and no text written, or 0 as the loaders' failure rules say ("Firmware corrupted"
// for every check that fails).
size_t fw_image_load(const char* path, FirmwareBuffer& buffer, std::span<char> text, uint32_t product_id);

// The checks of fw_image_load on a container already in memory: true when it is for product_id and
// every section of its table is inside it and matches its digest.
bool fw_image_intact(std::span<const uint8_t> file, uint32_t product_id);

// Whether containers of this product carry the extended section table.
bool fw_uses_extended_table(uint32_t product_id);
