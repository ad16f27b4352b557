#pragma once
// A streaming HTTP GET for firmware images: every block of the body goes to a sink as it arrives,
// so an image is never held whole in memory. Called from worker threads.

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace kivo {

// How long a download may go without receiving data before it fails.
inline constexpr std::chrono::milliseconds kDownloadIdleTimeout{30000};
// The largest body a download accepts. The manager's firmware images are a few MiB: a body past
// this is a server that never stops, not an image.
inline constexpr std::uint64_t kLargestDownload = std::uint64_t{256} << 20;
// A download slower than kDownloadLowSpeed bytes a second for kDownloadLowSpeedTime fails: a server
// that trickles a byte now and then would otherwise never end.
inline constexpr long kDownloadLowSpeed = 1024;
inline constexpr std::chrono::seconds kDownloadLowSpeedTime{30};

// The bounds of one transfer; the defaults are the firmware download's.
struct HttpStreamLimits {
    // No data for this long (connecting included) ends the transfer.
    std::chrono::milliseconds idleTimeout = kDownloadIdleTimeout;
    // A larger body, announced or received, ends it; 0: no bound.
    std::uint64_t largestBody = kLargestDownload;
    // Fewer than lowSpeed bytes a second over lowSpeedTime ends it; a time of 0: no bound.
    long lowSpeed = kDownloadLowSpeed;
    std::chrono::seconds lowSpeedTime = kDownloadLowSpeedTime;
    // The whole transfer, connecting included, taking longer ends it; 0: no bound.
    std::chrono::seconds wholeTime{0};
};

struct HttpStreamResult {
    bool ok = false; // a 2xx answer whose whole body the sink took
    long status = 0; // the HTTP status; 0 when no answer came
    std::uint64_t bytes = 0; // body bytes the sink took
    std::string error; // a short English reason when not ok
};

// Takes one block of the body; false refuses it and ends the transfer.
using HttpSink = std::function<bool(std::span<const char>)>;

// GETs base followed by path with the protocols, no-cache headers and redirect rule of http_get.
// Fails when the status is not 2xx (the sink sees nothing of that answer), when the sink refuses a
// block, when the body ends short of its announced length, and when a bound of limits is passed;
// the whole transfer has no time limit unless limits give one. On a thread that watches a stop flag (common/clock.h),
// raising it ends the transfer within about a second, as not ok.
HttpStreamResult http_get_stream(std::string_view base, std::string_view path, const HttpSink& sink,
                                 const HttpStreamLimits& limits = {});

} // namespace kivo
