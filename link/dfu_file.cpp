#include "link/dfu_file.h"

#include <cstring>
#include <zlib.h>

#include "common/bounded_text.h"

namespace {

uint32_t stored_crc(std::span<const uint8_t> file)
{
    const uint8_t* crc = file.data() + file.size() - DfuFileSuffix::kCrcSize;
    return uint32_t{crc[0]} | uint32_t{crc[1]} << 8 | uint32_t{crc[2]} << 16 | uint32_t{crc[3]} << 24;
}

bool name_matches(std::span<const uint8_t> file, std::string_view name)
{
    if (std::memcmp(file.data() + kDfuNameOffset, name.data(), name.size()) == 0)
        return true;
    return file[kDfuNameOffset] == ' ' && name.starts_with(kDfuBlankNameFamily);
}

} // namespace

uint32_t dfu_suffix_crc(std::span<const uint8_t> bytes)
{
    return ~static_cast<uint32_t>(crc32_z(0, bytes.data(), bytes.size()));
}

size_t dfu_image_check(std::span<const uint8_t> file, std::span<char> text, std::string_view name)
{
    // An image with nothing before its suffix would report success as size 0.
    const bool intact = file.size() > DfuFileSuffix::kSize && file.size() >= kDfuNameOffset + name.size() &&
        dfu_suffix_crc(file.first(file.size() - DfuFileSuffix::kCrcSize)) == stored_crc(file);
    if (!intact) {
        kivo::copy_text(text, kFirmwareCorrupted);
        return 0;
    }
    if (!name_matches(file, name)) {
        const std::string_view product = name.substr(0, name.find('#'));
        kivo::format_text(text, kDfuNotForFormat, static_cast<int>(product.size()), product.data());
        return 0;
    }
    kivo::copy_text(text, kDfuChecked);
    return file.size() - DfuFileSuffix::kSize;
}

size_t dfu_file_load(const char* path, FirmwareBuffer& buffer, std::span<char> text, std::string_view name)
{
    size_t size = 0;
    if (!firmware_file_read(path, buffer, size, text))
        return 0;
    const size_t image_size = dfu_image_check({buffer.get(), size}, text, name);
    if (image_size == 0)
        buffer.reset();
    return image_size;
}
