#pragma once
// A rename, a new file or a removal lives in the folder's own entries, which the disk may keep for
// a while after the file's data: flushing the folder makes the new name survive a power cut.

#include <filesystem>
#include <functional>

#include <unistd.h>

namespace kivo {

// Flushes folder's entries to the disk with sync (fsync, or a test's stand-in). True when they are
// flushed, and when the file system has no folder entries to flush (it refuses fsync on a folder
// as invalid); false, with errno set, when the folder cannot be opened or the flush fails.
bool flush_folder(const std::filesystem::path& folder, const std::function<int(int)>& sync = ::fsync);

} // namespace kivo
