#include "common/atomic_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "common/folder_flush.h"
#include "common/system_log.h"
#include "common/temporary_files.h"

namespace kivo {
namespace {

bool fail(std::string* error, const std::string& what, int err)
{
    if (error)
        *error = what + ": " + std::strerror(err);
    return false;
}

bool write_all_with(const AtomicWriteCalls& calls, int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t n = calls.write(fd, contents.data(), contents.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            // A write that takes nothing and names no error would loop for good.
            errno = EIO;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

bool write_all(int fd, std::string_view contents) { return write_all_with(AtomicWriteCalls{}, fd, contents); }

bool write_file_atomically(const std::filesystem::path& path, std::string_view contents, std::string* error,
                           const AtomicWriteCalls& calls)
{
    // Same folder as the target, so the rename never crosses a file system.
    std::string temp = atomic_temporary_template(path);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(error, "cannot create a temporary file beside " + path.string(), errno);

    // The data is on the disk before the name points at it: a power cut never leaves an empty or
    // half file under the name.
    if (!write_all_with(calls, fd, contents) || calls.fsync(fd) != 0) {
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
    if (calls.rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return fail(error, "cannot replace " + path.string(), err);
    }
    if (!flush_folder(path.parent_path(), calls.fsync))
        system_log("the folder of " + path.string() + " could not be flushed: " + std::strerror(errno));
    return true;
}

} // namespace kivo
