#pragma once
// The names of the manager's temporary files, in one place: the writers name their temporaries
// here and the clean-up at start recognises them here, so that the two cannot drift apart.
//   - a file replaced atomically is written first to "<file>.saving-XXXXXX" beside it (mkstemp);
//   - a download is received into the hidden ".<file>.download-<pid>-<serial>" beside its target.
// A run killed half-way leaves them behind; nothing else removes them.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kivo {

// The mkstemp template of the temporary that replaces target atomically, in target's folder.
std::string atomic_temporary_template(const std::filesystem::path& target);
// The temporary a download of target is received into, in target's folder; serial tells apart
// the downloads of one process.
std::filesystem::path download_temporary(const std::filesystem::path& target, unsigned serial);

// Whether a file name is exactly of one of the two forms above.
bool is_atomic_temporary(std::string_view file_name);
bool is_download_temporary(std::string_view file_name);

// Removes the regular files directly in folder (not below it) whose names are of either form and
// that were last written before `before`; a missing folder is nothing to do. Only for the
// manager's own folders. Returns the names removed.
std::vector<std::string> remove_stale_temporaries(const std::filesystem::path& folder,
                                                  std::filesystem::file_time_type before);

} // namespace kivo
