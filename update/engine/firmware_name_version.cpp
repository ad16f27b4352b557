#include "update/engine/firmware_name_version.h"

#include <string>
#include <vector>

#include "device/device_data.h"

namespace kivo {
namespace {

constexpr std::string_view kImageSuffix = ".img";
constexpr size_t kShortSuffixLength = 3;

std::vector<std::string_view> split_at_dots(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t dot = text.find('.', start);
        parts.push_back(text.substr(start, dot == std::string_view::npos ? dot : dot - start));
        if (dot == std::string_view::npos)
            return parts;
        start = dot + 1;
    }
}

} // namespace

std::optional<FirmwareNameVersion> firmware_name_version(std::string_view path)
{
    const size_t slash = path.rfind('/');
    std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    if (const size_t image = name.find(kImageSuffix); image != std::string::npos)
        name.erase(image, kImageSuffix.size());
    const size_t suffix = name.size() > kShortSuffixLength ? name.size() - kShortSuffixLength : 0;
    if (name.find_first_of("_-", suffix) != std::string::npos)
        name.erase(suffix);
    const size_t v = name.find('v');
    if (v == std::string::npos || v + 1 == name.size())
        return std::nullopt;
    const std::vector<std::string_view> parts = split_at_dots(std::string_view(name).substr(v + 1));
    const auto part = [&](size_t i) { return KIVOBluetoothDeviceData::versionPartFromString(parts[i]); };
    if (parts.size() == 2)
        return FirmwareNameVersion{part(0), part(1), 0};
    if (parts.size() == 3)
        return FirmwareNameVersion{part(0), part(1), part(2)};
    return FirmwareNameVersion{};
}

} // namespace kivo
