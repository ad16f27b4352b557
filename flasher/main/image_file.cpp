#include "flasher/main/image_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "flasher/stop_request.h"

namespace {

constexpr uint32_t kChunk = 64 * 1024;

// Whether the file begins with a HEX record header. A raw image may begin with ':', but hardly
// with eight hexadecimal digits after it.
bool begins_with_hex_record(int fd)
{
    char head[9];
    size_t got = 0;
    while (got < sizeof head) {
        const ssize_t n = ::read(fd, head + got, sizeof head - got);
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    if (got < sizeof head || head[0] != ':')
        return false;
    for (size_t i = 1; i < sizeof head; ++i)
        if (std::strchr("0123456789abcdefABCDEF", head[i]) == nullptr || head[i] == '\0')
            return false;
    return true;
}

void report(ImageResult result, const std::string& name, bool hex)
{
    const char* file = name == "-" ? "(standard input)" : name.c_str();
    if (flasher_stop_requested())
        return;
    switch (result) {
    case IMG_SYSTEM_ERROR: std::fprintf(stderr, "Error: cannot read \"%s\": %s\n", file, std::strerror(errno)); break;
    case IMG_INVALID_FILE:
        if (hex)
            std::fprintf(stderr,
                         "Error: \"%s\" is not a valid Intel HEX file (use -f to write it as a raw binary image)\n",
                         file);
        else
            std::fprintf(stderr, "Error: cannot examine \"%s\": missing, or larger than 4 GiB\n", file);
        break;
    default: std::fprintf(stderr, "Error: cannot read \"%s\"\n", file); break;
    }
}

} // namespace

bool load_image(const std::string& file_name, bool force_binary, LoadedImage& image)
{
    image = LoadedImage{};
    const bool from_stdin = !file_name.empty() && file_name[0] == '-';
    if (!force_binary && !from_stdin) {
        const int fd = ::open(file_name.c_str(), O_RDONLY);
        if (fd < 0) {
            std::fprintf(stderr, "Error: cannot open \"%s\": %s\n", file_name.c_str(), std::strerror(errno));
            return false;
        }
        image.hex = begins_with_hex_record(fd);
        ::close(fd);
    }
    const ImageReader& reader = image.hex ? intel_hex_reader : raw_binary_reader;
    void* state = reader.init();
    if (state == nullptr) {
        std::fputs("Error: out of memory\n", stderr);
        return false;
    }
    ImageResult result = reader.open(state, file_name.c_str(), false);
    // A raw file gives its size up front and is read to it; standard input is read to its end.
    const uint32_t size = reader.size(state);
    while (result == IMG_OK) {
        const uint64_t left = size - std::min<uint64_t>(size, image.bytes.size());
        if (!from_stdin && left == 0)
            break;
        uint32_t count = from_stdin ? kChunk : static_cast<uint32_t>(std::min<uint64_t>(kChunk, left));
        const size_t before = image.bytes.size();
        image.bytes.resize(before + count);
        result = reader.read(state, image.bytes.data() + before, &count);
        image.bytes.resize(before + count);
        if (count == 0)
            break;
    }
    if (result == IMG_OK) {
        image.base = reader.base(state);
        image.extents = reader.extents(state);
    } else {
        report(result, file_name, image.hex);
    }
    reader.close(state);
    return result == IMG_OK;
}
