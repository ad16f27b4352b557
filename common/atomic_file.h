#pragma once
// Files the user cannot afford to lose are replaced atomically: the new contents go to a temporary
// file in the same folder, which is then renamed over the old one. A reader sees the old file or
// the new one, never half of either.

#include <filesystem>
#include <string>
#include <string_view>

namespace kivo {

// Replaces path with contents. On failure the old file (if any) is untouched, no temporary file is
// left behind, false is returned and, when error is given, it receives a short English reason.
// The folder must exist.
bool write_file_atomically(const std::filesystem::path& path, std::string_view contents, std::string* error = nullptr);

// Writes all of contents to the open descriptor fd, again after a signal cut a write short; false
// on a write error.
bool write_all(int fd, std::string_view contents);

} // namespace kivo
