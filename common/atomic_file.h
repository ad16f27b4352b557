#pragma once
// Files the user cannot afford to lose are replaced atomically: the new contents go to a temporary
// file in the same folder, are flushed to the disk, and the file is then renamed over the old one,
// whose folder is flushed in turn. A reader sees the old file or the new one, never half of either,
// and a power cut after the write cannot take the new name back.

#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <unistd.h>

namespace kivo {

// The system calls of an atomic write that can fail half-way or must come in order: the system's
// own, or a test's that fail one or note their order.
struct AtomicWriteCalls {
    std::function<ssize_t(int fd, const void* data, size_t size)> write = ::write;
    std::function<int(int fd)> fsync = ::fsync;
    std::function<int(const char* from, const char* to)> rename = ::rename;
};

// Replaces path with contents. On failure the old file (if any) is untouched, no temporary file is
// left behind, false is returned and, when error is given, it receives a short English reason.
// The folder must exist. A folder flush that fails after the rename is logged: the new file is in
// place then, and a power cut could at worst bring back the old one whole.
bool write_file_atomically(const std::filesystem::path& path, std::string_view contents, std::string* error = nullptr,
                           const AtomicWriteCalls& calls = {});

// Writes all of contents to the open descriptor fd, again after a signal cut a write short; false
// on a write error.
bool write_all(int fd, std::string_view contents);

} // namespace kivo
