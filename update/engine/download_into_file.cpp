#include "update/engine/download_into_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "common/system_log.h"

namespace kivo {
namespace {

// Tried names before creation gives up: a name is taken only by a download still going.
constexpr int kNameAttempts = 16;

std::filesystem::path temporary_beside(const std::filesystem::path& target, int attempt)
{
    static std::atomic<unsigned> counter{0};
    const std::string suffix =
        std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1)) + "-" + std::to_string(attempt);
    return target.parent_path() / ("." + target.filename().string() + ".download-" + suffix);
}

} // namespace

DownloadFile::~DownloadFile() { discard(); }

bool DownloadFile::create(const std::filesystem::path& target)
{
    discard();
    target_ = target;
    if (target.filename().empty())
        return false;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path candidate = temporary_beside(target, attempt);
        const int fd = ::open(candidate.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            temporary_ = candidate;
            return true;
        }
        if (errno != EEXIST)
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
    temporary_.clear();
    return true;
}

void DownloadFile::discard()
{
    if (temporary_.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
}

bool connection_didReceiveData(int descriptor, std::span<const char> block)
{
    while (!block.empty()) {
        const ssize_t written = ::write(descriptor, block.data(), block.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        block = block.subspan(static_cast<size_t>(written));
    }
    return true;
}

DownloadOutcome download_into(int descriptor, const std::string& base, const std::string& file_name,
                              std::chrono::milliseconds idle_timeout)
{
    const HttpStreamResult result = http_get_stream(
        base, file_name,
        [descriptor](std::span<const char> block) { return connection_didReceiveData(descriptor, block); },
        idle_timeout);
    DownloadOutcome outcome{result.ok, result.bytes, result.error};
    // Kept only once it is on the disk: the rename that follows must not publish a hollow file.
    if (outcome.ok && ::fsync(descriptor) != 0) {
        outcome.ok = false;
        outcome.error = "the file could not be written to the disk";
    }
    if (::close(descriptor) != 0 && outcome.ok) {
        outcome.ok = false;
        outcome.error = "the file could not be closed";
    }
    return outcome;
}

} // namespace kivo
