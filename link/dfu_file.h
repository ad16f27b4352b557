#pragma once
// DFU images: the image proper closed by the 16-byte USB DFU 1.1 file suffix, whose last 4 bytes
// (little-endian) hold the CRC-32 of every byte before them. The image carries the product's name
// string at file offset 16.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "link/firmware_file.h"

// The USB DFU 1.1 file suffix; of its fields only the CRC is checked.
struct DfuFileSuffix {
    static constexpr size_t kSize = 16;
    static constexpr size_t kCrcSize = 4;
};
inline constexpr size_t kDfuNameOffset = 16;
// Images of this family may carry a space where the name belongs.
inline constexpr std::string_view kDfuBlankNameFamily = "Aldero";

inline constexpr char kDfuChecked[] = "Finished checking firmware";
inline constexpr char kDfuNotForFormat[] = "Firmware not for %.*s";

// Loads the DFU image at path and checks its CRC and name; name is the product's name string, a
// "#" and the product id in four hex digits. Returns the image size without the suffix, with the
// file in buffer and "Finished checking firmware" in text, or 0 as the loaders' failure rules say:
// "Firmware corrupted" for a bad CRC or a file too short for its suffix and name, "Firmware not
// for <name up to its #>" for another product's image.
size_t dfu_file_load(const char* path, FirmwareBuffer& buffer, std::span<char> text, std::string_view name);

// The checks of dfu_file_load on an image already in memory: the image size without the suffix and
// "Finished checking firmware" in text, or 0 with the failure's text.
size_t dfu_image_check(std::span<const uint8_t> file, std::span<char> text, std::string_view name);

// The CRC a DFU suffix stores for these bytes: reflected CRC-32, initial value 0xFFFFFFFF, no final
// inversion (the complement of zlib's crc32).
uint32_t dfu_suffix_crc(std::span<const uint8_t> bytes);
