#pragma once
// Makes firmware containers and DFU images in memory, and writes them to files, for the loader
// tests and the benchmark.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/firmware_file.h"

namespace fwfile {

using Bytes = std::vector<uint8_t>;

// What a loader handed back.
struct Loaded {
    size_t size = 0;
    std::string text;
    FirmwareBuffer buffer;
};

// The fields of an extended-table entry beside offset, length and MD5.
struct BlockFields {
    uint32_t number = 0;
    uint32_t type = 0;
    std::array<uint32_t, 5> versions{};
};

struct ContainerRecipe {
    std::string header; // the first 24 bytes; may hold bytes after its NUL
    uint32_t product_id = 0;
    bool extended = false; // also write the extended table
    std::vector<Bytes> sections;
    // The extended-table entries' block fields, by section; zeros where none is given.
    std::vector<BlockFields> blocks = {};
};

// Header, standard table (and extended table), then the sections in order, every entry with the
// section's offset, length and MD5.
Bytes make_container(const ContainerRecipe& recipe);
// Where entry index of a container with count sections starts.
size_t entry_position(size_t count, bool extended, size_t index);

// Sixteen header bytes, the name at offset 16, payload_size bytes of pattern, the DFU suffix.
Bytes make_dfu_image(std::string_view name, size_t payload_size, uint16_t product_id);
// The image followed by a USB DFU 1.1 suffix (bcdDevice 0xFFFF, this product, the maker's vendor
// id, bcdDFU 0x0100, "UFD", bLength 16) and its CRC.
Bytes with_dfu_suffix(Bytes image, uint16_t product_id);
// Writes the CRC of every byte before the last 4 into them (after a test changed the file).
void put_dfu_crc(Bytes& file);

// The bytes in a buffer of the kind the loaders hand back.
FirmwareBuffer buffer_of(std::span<const uint8_t> bytes);

// Deterministic filler that differs from section to section.
Bytes pattern(size_t size, uint32_t seed);
void put_le32(Bytes& bytes, size_t offset, uint32_t value);
void write_file(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes bytes into a file of that name in the folder and returns its path.
    std::string put(const std::string& name, std::span<const uint8_t> bytes) const;

private:
    std::filesystem::path path_;
};

} // namespace fwfile
