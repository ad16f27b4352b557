// libFuzzer entry point: the Intel HEX parser on arbitrary text. Beyond not crashing, a parse that
// succeeds must give an image within the limit, below 4 GiB, whose extents are ascending, apart,
// inside the image and made only of what the file gave.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "flasher/image_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IhexImage image;
    const ImageResult result = ihex_parse({data, size}, image);
    if (result != IMG_OK && result != IMG_INVALID_FILE)
        std::abort(); // a buffer has no system errors
    if (image.bytes.size() > kIhexImageLimit)
        std::abort();
    if (result != IMG_OK)
        return 0;
    if (uint64_t{image.base} + image.bytes.size() > (uint64_t{1} << 32))
        std::abort();
    uint64_t previous_end = 0;
    uint64_t data_bytes = 0;
    for (size_t i = 0; i < image.extents.size(); ++i) {
        const ImageExtent& e = image.extents[i];
        if (e.length == 0 || (i > 0 && e.offset <= previous_end) || uint64_t{e.offset} + e.length > image.bytes.size())
            std::abort();
        previous_end = uint64_t{e.offset} + e.length;
        data_bytes += e.length;
    }
    // Every data byte takes two characters of text.
    if (data_bytes * 2 > size)
        std::abort();
    return 0;
}
