#pragma once
// The intermediate image an older headset takes before newer firmware: whether it needs one, and
// its fetch from the global firmware server into memory. The body is a firmware container whose
// block entries are checked like those of the user's file before any of it is written: each inside
// the body, its digest matching.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/net/http_stream.h"
#include "device/device_data.h"
#include "device/products/intermediate_images.h"
#include "update/engine/container_view.h"

namespace kivo {

// An intermediate image is a few MiB; a body past this is a server that never stops.
inline constexpr std::uint64_t kLargestIntermediateImage = std::uint64_t{64} << 20;

// The device is below the image's floor and the file's first block (its major and minor version,
// unsigned) is above it.
bool takes_intermediate_image(const IntermediateImage& image, const KIVOBluetoothDeviceData& data,
                              const ContainerEntry& first_block);

// The fetch's bounds: idle without data, and slower than kDownloadLowSpeed bytes a second for
// low_speed_time, as a firmware download, and longer than whole_time in all (the body's own bound
// is its sink's).
HttpStreamLimits intermediate_fetch_limits(std::chrono::milliseconds idle, std::chrono::seconds low_speed_time,
                                           std::chrono::seconds whole_time);

enum class IntermediateFetch {
    Fetched,
    // A transport error, a status other than 200, an empty body, a stall, a trickle, a fetch past
    // its whole time, a body over the bound.
    NotDownloaded,
    // A block entry outside the body, or its table, or a digest that does not match.
    Corrupted,
};

// GETs base + file_name within limits and checks every block entry of the body into view, which
// then holds the body. Writes the trace lines of a failed fetch.
IntermediateFetch fetch_intermediate_image(const std::string& base, std::string_view file_name,
                                           const HttpStreamLimits& limits, ContainerView& view);

} // namespace kivo
