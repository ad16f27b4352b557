#include "common/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "common/temporary_files.h"

namespace kivo {
namespace {

bool fail(std::string* error, const std::string& what, int err)
{
    if (error)
        *error = what + ": " + std::strerror(err);
    return false;
}

} // namespace

bool write_all(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t n = ::write(fd, contents.data(), contents.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool write_file_atomically(const std::filesystem::path& path, std::string_view contents, std::string* error)
{
    // Same folder as the target, so the rename never crosses a file system.
    std::string temp = atomic_temporary_template(path);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(error, "cannot create a temporary file beside " + path.string(), errno);

    if (!write_all(fd, contents) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return fail(error, "cannot write " + temp, err);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return fail(error, "cannot write " + temp, err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return fail(error, "cannot replace " + path.string(), err);
    }
    return true;
}

} // namespace kivo
