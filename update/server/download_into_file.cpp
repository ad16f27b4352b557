#include "update/server/download_into_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

#include "common/atomic_file.h"
#include "common/folder_flush.h"
#include "common/system_log.h"
#include "common/temporary_files.h"

namespace kivo {
namespace {

// Tried names before creation gives up: a name is taken only by a download still going.
constexpr int kNameAttempts = 16;

std::filesystem::path temporary_beside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> serial{0};
    return download_temporary(target, serial.fetch_add(1));
}

// The size of one write to the file: received blocks are gathered up to it.
constexpr size_t kWriteSize = size_t{1} << 20;
// How much is written before the system is asked to start putting it on the disk.
constexpr off_t kWritebackStep = off_t{8} << 20;

// Writes the received body in large writes and starts the disk's writeback as the download goes,
// so that the flush before the rename finds little left to wait for.
class BodyWriter {
public:
    explicit BodyWriter(int descriptor)
        : descriptor_(descriptor)
    {
        gathered_.reserve(kWriteSize);
    }

    bool take(std::span<const char> block)
    {
        if (gathered_.size() + block.size() > kWriteSize && !writeGathered())
            return false;
        gathered_.insert(gathered_.end(), block.begin(), block.end());
        return true;
    }

    // Writes what is still gathered.
    bool finish() { return writeGathered(); }

private:
    bool writeGathered()
    {
        if (!connection_didReceiveData(descriptor_, gathered_))
            return false;
        written_ += static_cast<off_t>(gathered_.size());
        gathered_.clear();
        if (written_ - writebackFrom_ >= kWritebackStep) {
            // Only a hint: the flush at the end is what counts.
            ::sync_file_range(descriptor_, writebackFrom_, written_ - writebackFrom_, SYNC_FILE_RANGE_WRITE);
            writebackFrom_ = written_;
        }
        return true;
    }

    int descriptor_;
    std::vector<char> gathered_;
    off_t written_ = 0;
    off_t writebackFrom_ = 0;
};

} // namespace

DownloadFile::~DownloadFile() { discard(); }

bool DownloadFile::create(const std::filesystem::path& target, const std::filesystem::path& records)
{
    discard();
    target_ = target;
    records_ = records;
    if (target.filename().empty())
        return false;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary_ = temporary_beside(target);
        // Recorded before the file exists: a run killed at any moment after leaves it found.
        if (!records_.empty() && !record_download_temporary(records_, temporary_))
            system_log("download not recorded in " + records_.string() + ": " + temporary_.string());
        const int fd = ::open(temporary_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        const int err = errno;
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        forget();
        if (err != EEXIST)
            return false;
    }
    return false;
}

int DownloadFile::openForWriting()
{
    if (temporary_.empty())
        return -1;
    return ::open(temporary_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
}

bool DownloadFile::commit()
{
    if (temporary_.empty())
        return false;
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        system_log("download not kept: " + error.message());
        discard();
        return false;
    }
    // The new name survives a power cut; failing that, the file is in place all the same.
    if (!flush_folder(target_.parent_path()))
        system_log("the folder of a download could not be flushed: " + target_.string());
    forget();
    return true;
}

void DownloadFile::discard()
{
    if (temporary_.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    forget();
}

void DownloadFile::forget()
{
    if (!records_.empty())
        forget_download_temporary(records_, temporary_);
    temporary_.clear();
}

bool connection_didReceiveData(int descriptor, std::span<const char> block)
{
    return write_all(descriptor, std::string_view(block.data(), block.size()));
}

DownloadOutcome download_into(int descriptor, const std::string& base, const std::string& file_name,
                              const HttpStreamLimits& limits)
{
    BodyWriter writer(descriptor);
    int write_error = 0;
    HttpStreamResult result = http_get_stream(
        base, file_name,
        [&](std::span<const char> block) {
            if (writer.take(block))
                return true;
            write_error = errno;
            return false;
        },
        limits);
    if (result.ok && !writer.finish()) {
        result.ok = false;
        write_error = errno;
    }
    DownloadOutcome outcome{result.ok, write_error != 0, result.bytes, result.error};
    if (outcome.notKept)
        outcome.error = std::string("the received data could not be kept: ") + std::strerror(write_error);
    if (outcome.ok && outcome.bytes == 0) {
        outcome.ok = false;
        outcome.error = "the server sent an empty body";
    }
    // Kept only once it is on the disk: the rename that follows must not publish a hollow file.
    if (outcome.ok && ::fsync(descriptor) != 0) {
        outcome.ok = false;
        outcome.notKept = true;
        outcome.error = "the file could not be written to the disk";
    }
    if (::close(descriptor) != 0 && outcome.ok) {
        outcome.ok = false;
        outcome.notKept = true;
        outcome.error = "the file could not be closed";
    }
    return outcome;
}

} // namespace kivo
