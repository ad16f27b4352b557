#include "app/net/http_stream.h"

#include "app/net/curl_get.h"
#include "common/clock.h"

namespace kivo {
namespace {

// libcurl's receive buffer, and so the largest block handed to the sink: larger than its default
// of 16 KiB, so that an image of many MiB takes fewer calls and fewer writes.
constexpr long kReceiveBufferSize = 512L * 1024;

struct Transfer {
    CURL* curl = nullptr;
    const HttpSink* sink = nullptr;
    std::uint64_t bytes = 0;
    bool refusedStatus = false;
    bool refusedBySink = false;
    // The network's own time: the transfer waits on real sockets, not on the clock seam.
    std::chrono::steady_clock::time_point lastData = std::chrono::steady_clock::now();
    curl_off_t lastCount = 0;
    std::chrono::milliseconds idleTimeout{0};
    bool idle = false;
    std::chrono::steady_clock::time_point began = std::chrono::steady_clock::now();
    std::chrono::seconds wholeTime{0};
    bool overTime = false;
    std::uint64_t largestBody = 0;
    bool tooLarge = false;
};

bool success_status(long status) { return status >= 200 && status <= 299; }

size_t take_block(char* data, size_t size, size_t count, void* user)
{
    auto* transfer = static_cast<Transfer*>(user);
    long status = 0;
    curl_get::response_code(transfer->curl, &status);
    if (!success_status(status)) {
        transfer->refusedStatus = true;
        return 0; // an error page never reaches the sink
    }
    const size_t bytes = size * count;
    // The announced length was checked before the body; a body without one is checked here.
    if (transfer->largestBody != 0 && transfer->bytes + bytes > transfer->largestBody) {
        transfer->tooLarge = true;
        return 0;
    }
    if (!(*transfer->sink)(std::span<const char>(data, bytes))) {
        transfer->refusedBySink = true;
        return 0;
    }
    transfer->bytes += bytes;
    return bytes;
}

// Called often while data flows and about once a second while the transfer waits.
int watch_transfer(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t)
{
    auto* transfer = static_cast<Transfer*>(user);
    if (stop_requested())
        return 1;
    const auto now = std::chrono::steady_clock::now();
    if (transfer->wholeTime.count() > 0 && now - transfer->began > transfer->wholeTime) {
        transfer->overTime = true;
        return 1;
    }
    if (received != transfer->lastCount) {
        transfer->lastCount = received;
        transfer->lastData = now;
    } else if (now - transfer->lastData > transfer->idleTimeout) {
        transfer->idle = true;
        return 1;
    }
    return 0;
}

} // namespace

HttpStreamResult http_get_stream(std::string_view base, std::string_view path, const HttpSink& sink,
                                 const HttpStreamLimits& limits)
{
    HttpStreamResult result;
    curl_get::Easy curl = curl_get::new_easy();
    if (!curl) {
        result.error = "cannot start an HTTP transfer";
        return result;
    }
    const std::string url = std::string(base) + std::string(path);
    const curl_get::Headers headers = curl_get::no_cache_headers();
    CURL* c = curl.get();
    Transfer transfer;
    transfer.curl = c;
    transfer.sink = &sink;
    transfer.idleTimeout = limits.idleTimeout;
    transfer.largestBody = limits.largestBody;
    transfer.wholeTime = limits.wholeTime;

    curl_get::set_get_options(c, url, base, headers.get());
    curl_get::setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.idleTimeout.count()));
    if (limits.largestBody != 0)
        curl_get::setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.largestBody));
    curl_get::setopt(c, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeed);
    curl_get::setopt(c, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.lowSpeedTime.count()));
    curl_get::setopt(c, CURLOPT_BUFFERSIZE, kReceiveBufferSize);
    curl_get::setopt(c, CURLOPT_WRITEFUNCTION, take_block);
    curl_get::setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_get::setopt(c, CURLOPT_XFERINFOFUNCTION, watch_transfer);
    curl_get::setopt(c, CURLOPT_XFERINFODATA, &transfer);
    curl_get::setopt(c, CURLOPT_NOPROGRESS, 0L);

    const CURLcode code = curl_get::perform(c);
    curl_get::response_code(c, &result.status);
    result.bytes = transfer.bytes;
    if (transfer.refusedStatus || (code == CURLE_OK && !success_status(result.status)))
        result.error = "HTTP status " + std::to_string(result.status);
    else if (transfer.tooLarge || code == CURLE_FILESIZE_EXCEEDED)
        result.error = "the body is larger than " + std::to_string(limits.largestBody) + " bytes";
    else if (transfer.refusedBySink)
        result.error = "the received data could not be kept";
    else if (transfer.idle)
        result.error = "no data for " + std::to_string(limits.idleTimeout.count()) + " ms";
    else if (transfer.overTime)
        result.error = "longer than " + std::to_string(limits.wholeTime.count()) + " seconds in all";
    else if (code == CURLE_OPERATION_TIMEDOUT && result.status != 0)
        result.error = "slower than " + std::to_string(limits.lowSpeed) + " bytes a second for " +
            std::to_string(limits.lowSpeedTime.count()) + " seconds";
    else if (code != CURLE_OK)
        result.error = curl_get::error_text(code);
    else
        result.ok = true;
    return result;
}

} // namespace kivo
