#pragma once
// A firmware image downloaded from the firmware server into a file: the body goes block by block
// into a temporary file beside the target, which takes the target's place only once the whole body
// has arrived. A failure removes the temporary file and leaves an earlier file at the target as it
// was. While the temporary exists it is recorded in the manager's own records folder, so that the
// start after a killed run removes it (common/temporary_files.h). The page creates and opens the
// file on the main thread; the transfer runs on its worker.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "app/net/http_stream.h"

namespace kivo {

class DownloadFile {
public:
    DownloadFile() = default;
    // Removes the temporary file when it is still there.
    ~DownloadFile();
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;

    // Creates an empty temporary file beside target, recorded first in records (none: not
    // recorded); false when the folder does not take one. A record that cannot be written is
    // logged: the download goes on, only a killed run would then leave its temporary.
    bool create(const std::filesystem::path& target, const std::filesystem::path& records = {});
    // Opens the temporary file for writing; -1 when it cannot be. The transfer that is handed the
    // descriptor closes it.
    int openForWriting();
    // Renames the temporary file over the target, then forgets its record; false (and the
    // temporary file removed) when that fails.
    bool commit();
    // Removes the temporary file, if any, and its record.
    void discard();

    const std::filesystem::path& target() const { return target_; }
    const std::filesystem::path& temporary() const { return temporary_; }

private:
    void forget();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::filesystem::path records_;
};

struct DownloadOutcome {
    bool ok = false;
    // The file could not keep what arrived (a write, the flush or the close failed: no space, a
    // disk that fails): the failure is the file's, not the network's.
    bool notKept = false;
    std::uint64_t bytes = 0;
    std::string error; // a short English reason when not ok
};

// Appends one received block to the open file: all of it, or false.
bool connection_didReceiveData(int descriptor, std::span<const char> block);

// The transfer, on the page's worker: GETs base + file_name within limits and appends the body to
// descriptor as it arrives, gathering blocks into writes of 1 MiB. An empty body is a failure: it is
// never an image, and taking it would replace the user's file with nothing. Closes descriptor in
// every case, after flushing the file to the disk when the whole body arrived.
DownloadOutcome download_into(int descriptor, const std::string& base, const std::string& file_name,
                              const HttpStreamLimits& limits = {});

} // namespace kivo
