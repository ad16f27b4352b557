#include "tests/link/firmware_file_builder.h"

#include <algorithm>
#include <fstream>
#include <new>
#include <stdexcept>
#include <stdlib.h>

#include "link/dfu_file.h"
#include "link/firmware_container.h"
#include "link/hid_reports.h"
#include "link/md5.h"

namespace fwfile {

using Layout = FirmwareContainer;

size_t entry_position(size_t count, bool extended, size_t index)
{
    if (!extended)
        return Layout::kTableOffset + Layout::kEntrySize * index;
    return Layout::kTableOffset + Layout::kEntrySize * count + Layout::kExtendedEntrySize * index;
}

Bytes make_container(const ContainerRecipe& recipe)
{
    const size_t count = recipe.sections.size();
    size_t offset = entry_position(count, recipe.extended, count);
    Bytes file(offset);
    std::copy_n(recipe.header.begin(), std::min(recipe.header.size(), Layout::kHeaderTextSize), file.begin());
    put_le32(file, Layout::kProductIdOffset, recipe.product_id);
    put_le32(file, Layout::kSectionCountOffset, static_cast<uint32_t>(count));

    for (size_t i = 0; i < count; ++i) {
        const Bytes& section = recipe.sections[i];
        const Md5Digest digest = md5_digest(section);
        auto put_entry = [&](size_t entry, size_t digest_offset) {
            put_le32(file, entry + Layout::kEntryOffsetField, static_cast<uint32_t>(offset));
            put_le32(file, entry + Layout::kEntryLengthField, static_cast<uint32_t>(section.size()));
            std::copy(digest.begin(), digest.end(), file.begin() + static_cast<std::ptrdiff_t>(entry + digest_offset));
        };
        put_entry(entry_position(count, false, i), Layout::kEntryDigestOffset);
        if (recipe.extended) {
            const size_t entry = entry_position(count, true, i);
            put_entry(entry, Layout::kExtendedEntryDigestOffset);
            if (i < recipe.blocks.size()) {
                const BlockFields& block = recipe.blocks[i];
                put_le32(file, entry + Layout::kBlockNumberField, block.number);
                put_le32(file, entry + Layout::kBlockTypeField, block.type);
                for (size_t v = 0; v < block.versions.size(); ++v)
                    put_le32(file, entry + Layout::kBlockVersionField + 4 * v, block.versions[v]);
            }
        }
        file.insert(file.end(), section.begin(), section.end());
        offset += section.size();
    }
    return file;
}

FirmwareBuffer buffer_of(std::span<const uint8_t> bytes)
{
    FirmwareBuffer buffer(static_cast<uint8_t*>(std::malloc(std::max<size_t>(bytes.size(), 1))));
    if (!buffer)
        throw std::bad_alloc();
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    return buffer;
}

Bytes make_dfu_image(std::string_view name, size_t payload_size, uint16_t product_id)
{
    Bytes image = pattern(kDfuNameOffset + name.size() + payload_size, 0xD0);
    std::copy(name.begin(), name.end(), image.begin() + kDfuNameOffset);
    return with_dfu_suffix(std::move(image), product_id);
}

Bytes with_dfu_suffix(Bytes image, uint16_t product_id)
{
    // USB DFU 1.1 suffix: bcdDevice, idProduct, idVendor, bcdDFU, "UFD", bLength, then dwCRC.
    const uint8_t suffix[DfuFileSuffix::kSize] = {0xFF,
                                                  0xFF,
                                                  static_cast<uint8_t>(product_id),
                                                  static_cast<uint8_t>(product_id >> 8),
                                                  static_cast<uint8_t>(DEVICE_VENDOR_ID),
                                                  static_cast<uint8_t>(DEVICE_VENDOR_ID >> 8),
                                                  0x00,
                                                  0x01,
                                                  'U',
                                                  'F',
                                                  'D',
                                                  DfuFileSuffix::kSize};
    image.insert(image.end(), std::begin(suffix), std::end(suffix));
    put_dfu_crc(image);
    return image;
}

void put_dfu_crc(Bytes& file)
{
    const size_t crc_at = file.size() - DfuFileSuffix::kCrcSize;
    put_le32(file, crc_at, dfu_suffix_crc({file.data(), crc_at}));
}

Bytes pattern(size_t size, uint32_t seed)
{
    Bytes bytes(size);
    uint32_t state = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(state >> 24);
    }
    return bytes;
}

void put_le32(Bytes& bytes, size_t offset, uint32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

void write_file(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

TempFolder::TempFolder()
{
    std::string name = (std::filesystem::temp_directory_path() / "kivo-fw-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    path_ = name;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::put(const std::string& name, std::span<const uint8_t> bytes) const
{
    const auto file = path_ / name;
    write_file(file, bytes);
    return file.string();
}

} // namespace fwfile
