// libFuzzer entry point: the DFU image check on arbitrary files. The first input byte picks the
// product name the image must carry and whether the file gets a correct suffix CRC (so that the
// name check is reached); the rest is the file. Beyond not crashing: the text always ends inside
// its buffer, an accepted image is the file less its suffix with a CRC that checks, and a refused
// one says why with one of the loader's texts.

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "link/dfu_file.h"

namespace {

constexpr std::string_view kNames[] = {"Nimbra X#0A21", "Aldero S#4D10", "", "A#1"};

void give_correct_crc(std::vector<uint8_t>& file)
{
    if (file.size() < DfuFileSuffix::kCrcSize)
        return;
    const size_t at = file.size() - DfuFileSuffix::kCrcSize;
    const uint32_t crc = dfu_suffix_crc({file.data(), at});
    for (size_t i = 0; i < DfuFileSuffix::kCrcSize; ++i)
        file[at + i] = static_cast<uint8_t>(crc >> (8 * i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view name = kNames[data[0] % std::size(kNames)];
    std::vector<uint8_t> file(data + 1, data + size);
    if ((data[0] & 0x80) != 0)
        give_correct_crc(file);

    char text[64];
    std::memset(text, 'x', sizeof text);
    const size_t image = dfu_image_check(file, text, name);
    if (strnlen(text, sizeof text) == sizeof text)
        std::abort(); // the text must end inside its buffer
    const std::string_view said(text);
    if (image != 0) {
        if (image + DfuFileSuffix::kSize != file.size() || said != kDfuChecked)
            std::abort();
        const size_t at = file.size() - DfuFileSuffix::kCrcSize;
        const uint32_t stored = uint32_t{file[at]} | uint32_t{file[at + 1]} << 8 | uint32_t{file[at + 2]} << 16 |
            uint32_t{file[at + 3]} << 24;
        if (stored != ~static_cast<uint32_t>(crc32_z(0, file.data(), at)))
            std::abort();
    } else if (said != kFirmwareCorrupted && !said.starts_with("Firmware not for ")) {
        std::abort();
    }
    return 0;
}
