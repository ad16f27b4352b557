#include "common/temporary_files.h"

#include <unistd.h>

#include <algorithm>

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

} // namespace kivo
