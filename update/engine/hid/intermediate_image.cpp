#include "update/engine/hid/intermediate_image.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/system_log.h"

namespace kivo {
namespace {

constexpr EntryNeed kEveryBlock[] = {{ContainerTable::Block, kEveryEntry}};

// The body in a buffer of the kind the loaders hand back, which the view takes.
FirmwareBuffer buffer_of(const std::vector<uint8_t>& body)
{
    FirmwareBuffer buffer(static_cast<uint8_t*>(std::malloc(body.size())));
    if (buffer)
        std::memcpy(buffer.get(), body.data(), body.size());
    return buffer;
}

} // namespace

bool takes_intermediate_image(const IntermediateImage& image, const KIVOBluetoothDeviceData& data,
                              const ContainerEntry& first_block)
{
    const bool old = data.compareVersionUpToMinorWithMajor_Minor(kIntermediateFloorMajor, image.floorMinor) < 0;
    const uint32_t major = first_block.versions[0];
    const uint32_t minor = first_block.versions[1];
    const auto floor_major = static_cast<uint32_t>(kIntermediateFloorMajor);
    const bool file_above =
        major > floor_major || (major == floor_major && minor > static_cast<uint32_t>(image.floorMinor));
    return old && file_above;
}

HttpStreamLimits intermediate_fetch_limits(std::chrono::milliseconds idle, std::chrono::seconds low_speed_time,
                                           std::chrono::seconds whole_time)
{
    return {.idleTimeout = idle,
            .largestBody = 0,
            .lowSpeed = kDownloadLowSpeed,
            .lowSpeedTime = low_speed_time,
            .wholeTime = whole_time};
}

IntermediateFetch fetch_intermediate_image(const std::string& base, std::string_view file_name,
                                           const HttpStreamLimits& limits, ContainerView& view)
{
    std::vector<uint8_t> body;
    bool too_large = false;
    const auto keep = [&](std::span<const char> block) {
        if (body.size() + block.size() > kLargestIntermediateImage) {
            too_large = true;
            return false;
        }
        body.insert(body.end(), block.begin(), block.end());
        return true;
    };
    const HttpStreamResult result = http_get_stream(base, file_name, keep, limits);
    if (!result.ok && (result.status == 0 || result.status == 200)) {
        const std::string error = too_large
            ? "the body is larger than " + std::to_string(kLargestIntermediateImage) + " bytes"
            : result.error;
        system_logf("Error on load = %s", error.c_str());
        return IntermediateFetch::NotDownloaded;
    }
    if (result.status != 200)
        return IntermediateFetch::NotDownloaded;
    if (body.empty()) {
        system_log("File Down Load Error");
        return IntermediateFetch::NotDownloaded;
    }
    FirmwareBuffer buffer = buffer_of(body);
    if (!buffer) {
        system_log("Error on load = cannot allocate the body");
        return IntermediateFetch::NotDownloaded;
    }
    if (!view.check(std::move(buffer), body.size(), kEveryBlock)) {
        system_log("intermediate image: a block entry missing, outside the body or not matching its digest");
        return IntermediateFetch::Corrupted;
    }
    return IntermediateFetch::Fetched;
}

} // namespace kivo
