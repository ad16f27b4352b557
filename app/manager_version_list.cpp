#include "app/manager_version_list.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "app/net/http_fetch.h"
#include "app/net/server_path.h"
#include "common/system_log.h"

namespace kivo {
namespace {

std::vector<std::string_view> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A plain decimal number: digits only, within int.
std::optional<int> decimal(std::string_view text)
{
    int value = 0;
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<LatestManagerVersion> parse_manager_version_list(std::string_view body, std::string_view base)
{
    if (body.size() > kManagerVersionListMaxBytes)
        return std::nullopt;
    if (std::any_of(body.begin(), body.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; }))
        return std::nullopt;
    std::vector<std::string_view> lines = split(body, "\r\n");
    if (lines.size() < 2)
        lines = split(body, "\n");
    if (std::any_of(lines.begin(), lines.end(),
                    [](std::string_view line) { return line.size() > kManagerVersionListMaxLineBytes; }))
        return std::nullopt;

    LatestManagerVersion latest;
    bool found = false;
    for (std::string_view line : lines) {
        const std::vector<std::string_view> fields = split(line, ":");
        const bool ours = fields[0] == kManagerProductKey;
        if (fields.size() == 2 && ours) {
            const auto secondary = decimal(fields[1]);
            if (!secondary)
                return std::nullopt;
            latest.secondary = *secondary;
            if (found)
                break;
        } else if (fields.size() != 3 || !ours || found) {
            if (found)
                break;
        } else {
            // The version field starts with one letter ("v1.3").
            const std::string_view version = fields[1].empty() ? fields[1] : fields[1].substr(1);
            const std::vector<std::string_view> parts = split(version, ".");
            const auto major = parts.size() == 2 ? decimal(parts[0]) : std::nullopt;
            const auto minor = parts.size() == 2 ? decimal(parts[1]) : std::nullopt;
            latest.major = major && minor ? *major : 0;
            latest.minor = major && minor ? *minor : 0;
            if (!stays_below_base(fields[2]))
                return std::nullopt;
            latest.downloadAddress = std::string(base) + std::string(fields[2]);
            found = true;
        }
    }
    return latest;
}

std::optional<LatestManagerVersion> read_manager_version_list(std::string_view base, std::chrono::milliseconds timeout)
{
    const HttpResult answer = http_get(base, kManagerVersionListName, timeout, kManagerVersionListMaxBytes);
    if (!answer.ok) {
        system_logf("manager version list: %s", answer.error.c_str());
        return std::nullopt;
    }
    auto latest = parse_manager_version_list(answer.body, base);
    if (!latest)
        system_log("manager version list: not a list this manager can trust");
    return latest;
}

bool is_newer_manager_version(int major, int minor, int secondary)
{
    if (major != kManagerVersionMajor)
        return major > kManagerVersionMajor;
    if (minor != kManagerVersionMinor)
        return minor > kManagerVersionMinor;
    return secondary > kManagerSecondaryVersion;
}

} // namespace kivo
