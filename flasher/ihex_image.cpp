#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <new>
#include <unistd.h>

#include "flasher/image_reader.h"

struct IhexImageState {
    IhexImage image;
    size_t read_position = 0;
};

namespace {

constexpr int kEnd = -1;
constexpr int kError = -2;

class BufferSource {
public:
    explicit BufferSource(std::span<const uint8_t> text)
        : text_(text)
    { }
    int get() { return position_ < text_.size() ? text_[position_++] : kEnd; }

private:
    std::span<const uint8_t> text_;
    size_t position_ = 0;
};

// Reads the file in large chunks; the parser stops reading at the end record.
class FileSource {
public:
    explicit FileSource(int fd)
        : fd_(fd)
    { }
    int get()
    {
        if (position_ == filled_ && !refill())
            return failed_ ? kError : kEnd;
        return buffer_[position_++];
    }

private:
    bool refill()
    {
        const ssize_t n = ::read(fd_, buffer_, sizeof buffer_);
        failed_ = n < 0;
        position_ = 0;
        filled_ = n > 0 ? static_cast<size_t>(n) : 0;
        return n > 0;
    }

    int fd_;
    uint8_t buffer_[64 * 1024];
    size_t position_ = 0;
    size_t filled_ = 0;
    bool failed_ = false;
};

int hex_digit(int c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Two hexadecimal digits, nothing else: no blanks, signs or "0x".
template <class Source> ImageResult read_byte(Source& source, uint8_t& byte)
{
    int value = 0;
    for (int i = 0; i < 2; ++i) {
        const int c = source.get();
        if (c == kError)
            return IMG_SYSTEM_ERROR;
        const int digit = hex_digit(c);
        if (digit < 0)
            return IMG_INVALID_FILE;
        value = value << 4 | digit;
    }
    byte = static_cast<uint8_t>(value);
    return IMG_OK;
}

// Puts a data record at its absolute address. Records must come in ascending order: one that
// lands below the end of what is loaded would overwrite it.
ImageResult place_data(IhexImage& image, uint64_t address, const uint8_t* data, uint32_t count)
{
    if (address < image.base || address + count > (uint64_t{1} << 32))
        return IMG_INVALID_FILE;
    const uint64_t offset = address - image.base;
    if (offset + count > kIhexImageLimit)
        return IMG_INVALID_FILE;
    if (count == 0) {
        if (offset > image.bytes.size())
            image.bytes.resize(offset, 0xFF);
        return IMG_OK;
    }
    if (offset < image.bytes.size())
        return IMG_INVALID_FILE;
    image.bytes.resize(offset, 0xFF);
    image.bytes.insert(image.bytes.end(), data, data + count);
    if (!image.extents.empty() && image.extents.back().offset + image.extents.back().length == offset)
        image.extents.back().length += count;
    else
        image.extents.push_back({static_cast<uint32_t>(offset), count});
    return IMG_OK;
}

// An address record: the first one sets the image base while nothing is loaded; a later one
// may not go below it, and the image grows with 0xFF up to a higher one.
ImageResult set_segment(IhexImage& image, uint32_t new_base)
{
    if (image.base == 0 && image.bytes.empty()) {
        image.base = new_base;
        return IMG_OK;
    }
    if (new_base < image.base)
        return IMG_INVALID_FILE;
    const uint32_t length = new_base - image.base;
    if (length > kIhexImageLimit)
        return IMG_INVALID_FILE;
    if (image.bytes.size() < length)
        image.bytes.resize(length, 0xFF);
    return IMG_OK;
}

template <class Source> ImageResult parse(Source& source, IhexImage& image)
{
    uint32_t segment = 0;
    for (;;) {
        const int c = source.get();
        if (c == kError)
            return IMG_SYSTEM_ERROR;
        if (c == kEnd)
            return IMG_OK; // an end record is not required
        if (c == '\n' || c == '\r')
            continue;
        if (c != ':')
            return IMG_INVALID_FILE;

        uint8_t header[4];
        uint8_t data[255];
        uint8_t checksum = 0;
        for (uint8_t& byte : header)
            if (const ImageResult r = read_byte(source, byte); r != IMG_OK)
                return r;
        const uint8_t count = header[0];
        const uint32_t address = uint32_t{header[1]} << 8 | header[2];
        const uint8_t type = header[3];
        for (uint8_t i = 0; i < count; ++i)
            if (const ImageResult r = read_byte(source, data[i]); r != IMG_OK)
                return r;
        if (const ImageResult r = read_byte(source, checksum); r != IMG_OK)
            return r;
        unsigned sum = checksum;
        for (const uint8_t byte : header)
            sum += byte;
        for (uint8_t i = 0; i < count; ++i)
            sum += data[i];
        if ((sum & 0xFF) != 0)
            return IMG_INVALID_FILE;

        switch (type) {
        case 0:
            if (const ImageResult r = place_data(image, uint64_t{segment} + address, data, count); r != IMG_OK)
                return r;
            break;
        case 1: return IMG_OK; // the rest of the file is not read
        case 2:
        case 4: {
            if (count != 2)
                return IMG_INVALID_FILE;
            const uint32_t value = uint32_t{data[0]} << 8 | data[1];
            segment = type == 2 ? value << 4 : value << 16;
            if (const ImageResult r = set_segment(image, segment); r != IMG_OK)
                return r;
            break;
        }
        default: break; // start addresses and unknown types carry nothing for the image
        }
    }
}

} // namespace

ImageResult ihex_parse(std::span<const uint8_t> text, IhexImage& image)
{
    BufferSource source(text);
    return parse(source, image);
}

IhexImageState* ihex_image_init() { return new (std::nothrow) IhexImageState; }

ImageResult ihex_image_load(IhexImageState* state, const char* file_name, bool for_writing)
{
    if (for_writing)
        return IMG_NOT_WRITABLE;
    if (file_name == nullptr)
        return IMG_INVALID_FILE;
    const int fd = ::open(file_name, O_RDONLY);
    if (fd < 0)
        return IMG_SYSTEM_ERROR;
    state->image = IhexImage{};
    state->read_position = 0;
    auto source = std::make_unique<FileSource>(fd);
    const ImageResult result = parse(*source, state->image);
    ::close(fd);
    return result;
}

ImageResult ihex_image_close(IhexImageState* state)
{
    delete state;
    return IMG_OK;
}

uint32_t ihex_image_size(IhexImageState* state) { return static_cast<uint32_t>(state->image.bytes.size()); }

ImageResult ihex_image_read(IhexImageState* state, uint8_t* buffer, uint32_t* count)
{
    const size_t left = state->image.bytes.size() - state->read_position;
    const size_t n = std::min<size_t>(*count, left);
    std::copy_n(state->image.bytes.begin() + static_cast<std::ptrdiff_t>(state->read_position), n, buffer);
    state->read_position += n;
    *count = static_cast<uint32_t>(n);
    return IMG_OK;
}

ImageResult ihex_image_write(IhexImageState*, const uint8_t*, uint32_t) { return IMG_NOT_WRITABLE; }

uint32_t ihex_image_base(IhexImageState* state) { return state->image.base; }

std::vector<ImageExtent> ihex_image_extents(IhexImageState* state) { return state->image.extents; }

namespace {
IhexImageState* ihex(void* state) { return static_cast<IhexImageState*>(state); }
} // namespace

const ImageReader intel_hex_reader = {
    "Intel HEX",
    [] { return static_cast<void*>(ihex_image_init()); },
    [](void* s, const char* name, bool for_writing) { return ihex_image_load(ihex(s), name, for_writing); },
    [](void* s) { return ihex_image_close(ihex(s)); },
    [](void* s) { return ihex_image_size(ihex(s)); },
    [](void* s, uint8_t* buffer, uint32_t* count) { return ihex_image_read(ihex(s), buffer, count); },
    [](void* s, const uint8_t* data, uint32_t count) { return ihex_image_write(ihex(s), data, count); },
    [](void* s) { return ihex_image_base(ihex(s)); },
    [](void* s) { return ihex_image_extents(ihex(s)); },
};
