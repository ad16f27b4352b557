#include "common/temporary_files.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <utility>

#include "common/atomic_file.h"
#include "common/system_log.h"

namespace kivo {
namespace {

constexpr std::string_view kSavingMark = ".saving-";
constexpr std::string_view kDownloadMark = ".download-";
// mkstemp replaces the template's last six characters with letters and digits.
constexpr std::string_view kRandomPart = "XXXXXX";

bool letters_and_digits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

bool number(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A record is named for its temporary, not hidden and with a mark of its own: of neither
// temporary's form, so that the clean-up of stale temporaries never takes it for one.
constexpr std::string_view kRecordMark = ".record";
// A record holds one path; anything longer is not one of ours.
constexpr std::streamsize kLongestRecord = 4096;

// Whether the process whose id a download temporary's name carries may still be running. An id
// that no process can have is no process.
bool owner_running(std::string_view file_name)
{
    const std::string_view suffix = file_name.substr(file_name.rfind(kDownloadMark) + kDownloadMark.size());
    const std::string_view digits = suffix.substr(0, suffix.find('-'));
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (error != std::errc() || end != digits.data() + digits.size() || pid <= 0)
        return false;
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

std::string record_name(const std::filesystem::path& temporary)
{
    return temporary.filename().string().substr(1) + std::string(kRecordMark);
}

// The name of the temporary a record's name stands for; empty when the name is no record's.
std::string recorded_name(std::string_view record)
{
    if (record.size() <= kRecordMark.size() || !record.ends_with(kRecordMark))
        return {};
    std::string name = "." + std::string(record.substr(0, record.size() - kRecordMark.size()));
    return is_download_temporary(name) ? name : std::string();
}

// The path a record holds; empty when the record is not of the form record_download_temporary
// writes for the temporary of that name.
std::filesystem::path recorded_path(const std::filesystem::path& record, const std::string& name)
{
    std::ifstream in(record, std::ios::binary);
    std::string text(static_cast<size_t>(kLongestRecord) + 1, '\0');
    in.read(text.data(), kLongestRecord + 1);
    text.resize(static_cast<size_t>(in.gcount()));
    if (text.size() > static_cast<size_t>(kLongestRecord) || text.empty() || text.back() != '\n')
        return {};
    text.pop_back();
    const std::filesystem::path path(text);
    if (!path.is_absolute() || path.filename() != name || text.find('\n') != std::string::npos)
        return {};
    return path;
}

} // namespace

std::string atomic_temporary_template(const std::filesystem::path& target)
{
    return target.string() + std::string(kSavingMark) + std::string(kRandomPart);
}

std::filesystem::path download_temporary(const std::filesystem::path& target, unsigned serial)
{
    std::string name = ".";
    name += target.filename().string();
    name += kDownloadMark;
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(serial);
    return target.parent_path() / name;
}

bool is_atomic_temporary(std::string_view file_name)
{
    // "<file>.saving-XXXXXX" with a file name before the mark.
    const size_t tail = kSavingMark.size() + kRandomPart.size();
    if (file_name.size() <= tail)
        return false;
    const std::string_view mark = file_name.substr(file_name.size() - tail, kSavingMark.size());
    return mark == kSavingMark && letters_and_digits(file_name.substr(file_name.size() - kRandomPart.size()));
}

bool is_download_temporary(std::string_view file_name)
{
    // ".<file>.download-<pid>-<serial>" with a file name between the dot and the mark.
    const size_t mark = file_name.rfind(kDownloadMark);
    if (file_name.empty() || file_name.front() != '.' || mark == std::string_view::npos || mark < 2)
        return false;
    const std::string_view suffix = file_name.substr(mark + kDownloadMark.size());
    const size_t dash = suffix.find('-');
    return dash != std::string_view::npos && number(suffix.substr(0, dash)) && number(suffix.substr(dash + 1));
}

std::vector<std::string> remove_stale_temporaries(const std::filesystem::path& folder,
                                                  std::filesystem::file_time_type before)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> stale;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!is_atomic_temporary(name) && !is_download_temporary(name))
            continue;
        std::error_code ignored;
        // A link or a folder of that name is not one of ours.
        if (!fs::is_regular_file(entry->symlink_status(ignored)))
            continue;
        const fs::file_time_type written = entry->last_write_time(ignored);
        if (!ignored && written < before)
            stale.push_back(entry->path());
    }
    std::vector<std::string> removed;
    for (const fs::path& file : stale) {
        std::error_code ignored;
        if (fs::remove(file, ignored)) {
            system_log("removed a temporary file an earlier run left: " + file.string());
            removed.push_back(file.filename().string());
        }
    }
    return removed;
}

bool record_download_temporary(const std::filesystem::path& records, const std::filesystem::path& temporary)
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(temporary, error);
    if (error || !is_download_temporary(path.filename().string()))
        return false;
    std::filesystem::create_directories(records, error);
    return write_file_atomically(records / record_name(path), path.string() + "\n");
}

void forget_download_temporary(const std::filesystem::path& records, const std::filesystem::path& temporary)
{
    std::error_code ignored;
    if (is_download_temporary(temporary.filename().string()))
        std::filesystem::remove(records / record_name(temporary), ignored);
}

std::vector<std::filesystem::path> remove_recorded_downloads(const std::filesystem::path& records)
{
    namespace fs = std::filesystem;
    std::vector<std::pair<fs::path, std::string>> ended;
    std::error_code error;
    for (fs::directory_iterator entry(records, error), end; !error && entry != end; entry.increment(error)) {
        std::string name = recorded_name(entry->path().filename().string());
        std::error_code ignored;
        if (!name.empty() && fs::is_regular_file(entry->symlink_status(ignored)) && !owner_running(name))
            ended.emplace_back(entry->path(), std::move(name));
    }
    std::vector<fs::path> removed;
    for (const auto& [record, name] : ended) {
        const fs::path temporary = recorded_path(record, name);
        std::error_code ignored;
        // Only a file of the temporary's own name and form, never a link or a folder so named.
        if (!temporary.empty() && fs::is_regular_file(fs::symlink_status(temporary, ignored)) &&
            fs::remove(temporary, ignored)) {
            system_log("removed a download an earlier run left: " + temporary.string());
            removed.push_back(temporary);
        }
        fs::remove(record, ignored);
    }
    return removed;
}

} // namespace kivo
