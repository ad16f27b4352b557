#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#include "flasher/image_reader.h"

struct RawImageState {
    int fd = -1;
    bool for_writing = false;
    bool from_stdin = false;
    // The file size read at open; when writing, the count of bytes written.
    uint64_t size = 0;
    // Bytes handed out so far: the only measure of a standard-input image.
    uint64_t bytes_read = 0;
};

RawImageState* raw_image_init() { return new (std::nothrow) RawImageState; }

ImageResult raw_image_open(RawImageState* state, const char* file_name, bool for_writing)
{
    if (file_name == nullptr)
        return IMG_INVALID_FILE;
    state->for_writing = for_writing;
    state->size = 0;
    if (for_writing) {
        state->fd = file_name[0] == '-' ? 1 : ::open(file_name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    } else if (file_name[0] == '-') {
        state->from_stdin = true;
        state->fd = 0;
    } else {
        struct stat status { };
        if (::stat(file_name, &status) != 0)
            return IMG_INVALID_FILE;
        // The image size is a 32-bit count: a larger file would wrap it.
        if (static_cast<uint64_t>(status.st_size) > UINT32_MAX)
            return IMG_INVALID_FILE;
        state->size = static_cast<uint64_t>(status.st_size);
        state->fd = ::open(file_name, O_RDONLY);
    }
    return state->fd < 0 ? IMG_SYSTEM_ERROR : IMG_OK;
}

ImageResult raw_image_close(RawImageState* state)
{
    if (state->fd > 0)
        ::close(state->fd);
    delete state;
    return IMG_OK;
}

uint32_t raw_image_size(RawImageState* state) { return static_cast<uint32_t>(state->size); }

ImageResult raw_image_read(RawImageState* state, uint8_t* buffer, uint32_t* count)
{
    if (state->for_writing)
        return IMG_NOT_READABLE;
    uint32_t done = 0;
    while (done < *count) {
        const ssize_t n = ::read(state->fd, buffer + done, *count - done);
        if (n < 0)
            return IMG_SYSTEM_ERROR;
        if (n == 0) {
            // A pipe's length is unknown up front, so its last call comes up short; a file's
            // caller asks for at most what remains, so a short file is an error.
            if (done == 0 || state->from_stdin) {
                *count = done;
                break;
            }
            return IMG_SYSTEM_ERROR;
        }
        done += static_cast<uint32_t>(n);
    }
    state->bytes_read += *count;
    return IMG_OK;
}

ImageResult raw_image_write(RawImageState* state, const uint8_t* data, uint32_t count)
{
    if (!state->for_writing)
        return IMG_NOT_WRITABLE;
    uint32_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(state->fd, data + done, count - done);
        if (n < 1)
            return IMG_SYSTEM_ERROR;
        done += static_cast<uint32_t>(n);
        state->size += static_cast<uint64_t>(n);
    }
    return IMG_OK;
}

namespace {

uint32_t raw_image_base(RawImageState*) { return 0; }

std::vector<ImageExtent> raw_image_extents(RawImageState* state)
{
    const uint64_t length = state->from_stdin ? state->bytes_read : state->size;
    if (length == 0)
        return {};
    return {ImageExtent{0, static_cast<uint32_t>(length)}};
}

RawImageState* raw(void* state) { return static_cast<RawImageState*>(state); }

} // namespace

const ImageReader raw_binary_reader = {
    "Raw BINARY",
    [] { return static_cast<void*>(raw_image_init()); },
    [](void* s, const char* name, bool for_writing) { return raw_image_open(raw(s), name, for_writing); },
    [](void* s) { return raw_image_close(raw(s)); },
    [](void* s) { return raw_image_size(raw(s)); },
    [](void* s, uint8_t* buffer, uint32_t* count) { return raw_image_read(raw(s), buffer, count); },
    [](void* s, const uint8_t* data, uint32_t count) { return raw_image_write(raw(s), data, count); },
    [](void* s) { return raw_image_base(raw(s)); },
    [](void* s) { return raw_image_extents(raw(s)); },
};
