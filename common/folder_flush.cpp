#include "common/folder_flush.h"

#include <cerrno>
#include <fcntl.h>

namespace kivo {

bool flush_folder(const std::filesystem::path& folder, const std::function<int(int)>& sync)
{
    const std::filesystem::path name = folder.empty() ? std::filesystem::path(".") : folder;
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = sync(fd) == 0 || errno == EINVAL;
    const int err = errno;
    ::close(fd);
    errno = err;
    return flushed;
}

} // namespace kivo
