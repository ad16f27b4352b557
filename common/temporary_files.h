#pragma once
// The names of the manager's temporary files, in one place: the writers name their temporaries
// here and the clean-up at start recognises them here, so that the two cannot drift apart.
//   - a file replaced atomically is written first to "<file>.saving-XXXXXX" beside it (mkstemp);
//   - a download is received into the hidden ".<file>.download-<pid>-<serial>" beside its target.
// A run killed half-way leaves them behind; nothing else removes them. A download's target is often
// in a folder of the user's, where the clean-up never looks: while such a temporary exists, a record
// of it stands in the manager's own records folder, so that the next start removes exactly it.

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

// Records a download's temporary in the records folder (created when missing): the file
// "<file>.download-<pid>-<serial>.record" holding the temporary's absolute path. False when it
// cannot be written, or temporary is not of the download temporary's form.
bool record_download_temporary(const std::filesystem::path& records, const std::filesystem::path& temporary);
// Removes the record of a temporary, if any.
void forget_download_temporary(const std::filesystem::path& records, const std::filesystem::path& temporary);
// Removes the temporaries recorded in the records folder by processes that have ended: each
// recorded path of the name its record stands for, which is of the download temporary's form, and
// that is a regular file; then the records. A record of a process still running (a download under
// way in another window of the manager) is left. Returns the paths removed.
std::vector<std::filesystem::path> remove_recorded_downloads(const std::filesystem::path& records);

} // namespace kivo
