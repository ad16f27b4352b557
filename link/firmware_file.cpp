#include "link/firmware_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/bounded_text.h"

namespace {

// Large images go into huge pages when the system offers them: faulting a 64 MiB buffer in 4 KiB
// pages costs more than checking it.
constexpr size_t kHugePageSize = size_t{2} << 20;

uint8_t* allocate_file_buffer(size_t size)
{
    if (size < kHugePageSize)
        return static_cast<uint8_t*>(std::malloc(size == 0 ? 1 : size));
    void* bytes = nullptr;
    if (posix_memalign(&bytes, kHugePageSize, size) != 0)
        return nullptr;
    madvise(bytes, size, MADV_HUGEPAGE); // only a hint: without huge pages it is a plain buffer
    return static_cast<uint8_t*>(bytes);
}

// Reads until size bytes are in or the file ends early; read() moves at most about 2 GiB a call.
bool read_whole(int fd, uint8_t* bytes, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool firmware_file_read(const char* path, FirmwareBuffer& buffer, size_t& size, std::span<char> text)
{
    struct stat info { };
    if (stat(path, &info) != 0) {
        kivo::copy_text(text, kFirmwareCannotAccess);
        return false;
    }
    size = static_cast<size_t>(info.st_size);
    buffer.reset(allocate_file_buffer(size));
    if (!buffer) {
        kivo::copy_text(text, kFirmwareCannotAllocate);
        return false;
    }
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        buffer.reset();
        kivo::copy_text(text, kFirmwareCannotOpen);
        return false;
    }
    const bool loaded = read_whole(fd, buffer.get(), size);
    close(fd);
    if (!loaded) {
        buffer.reset();
        kivo::copy_text(text, kFirmwareCannotLoad);
        return false;
    }
    return true;
}
