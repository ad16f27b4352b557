#include "app/net/http_fetch.h"

#include "app/net/curl_get.h"
#include "common/clock.h"

namespace kivo {
namespace {

struct Body {
    std::string text;
    std::size_t limit;
    bool too_long = false;
};

size_t append_body(char* data, size_t size, size_t count, void* user)
{
    auto* body = static_cast<Body*>(user);
    const size_t bytes = size * count;
    if (bytes > body->limit - body->text.size()) {
        body->too_long = true;
        return 0; // ends the transfer with a write error
    }
    body->text.append(data, bytes);
    return bytes;
}

// A run being stopped ends its transfer; libcurl asks often while data flows and about once a
// second while it waits.
int stop_transfer(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) { return stop_requested() ? 1 : 0; }

} // namespace

std::string redirect_protocols_for(std::string_view base)
{
    constexpr std::string_view kSecure = "https://";
    bool secure = base.size() >= kSecure.size();
    for (std::size_t i = 0; secure && i < kSecure.size(); ++i) {
        const char c = base[i];
        secure = (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == kSecure[i];
    }
    return secure ? "https" : "http,https";
}

HttpResult http_get(std::string_view base, std::string_view path, std::chrono::milliseconds timeout,
                    std::size_t max_body)
{
    HttpResult result;
    curl_get::Easy curl = curl_get::new_easy();
    if (!curl) {
        result.error = "cannot start an HTTP transfer";
        return result;
    }
    const std::string url = std::string(base) + std::string(path);
    Body body{{}, max_body};
    const curl_get::Headers headers = curl_get::no_cache_headers();
    const long timeout_ms = static_cast<long>(timeout.count());

    CURL* c = curl.get();
    curl_get::set_get_options(c, url, base, headers.get());
    curl_get::setopt(c, CURLOPT_TIMEOUT_MS, timeout_ms);
    curl_get::setopt(c, CURLOPT_CONNECTTIMEOUT_MS, timeout_ms);
    curl_get::setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(max_body));
    curl_get::setopt(c, CURLOPT_WRITEFUNCTION, append_body);
    curl_get::setopt(c, CURLOPT_WRITEDATA, &body);
    curl_get::setopt(c, CURLOPT_XFERINFOFUNCTION, stop_transfer);
    curl_get::setopt(c, CURLOPT_NOPROGRESS, 0L);

    const CURLcode code = curl_get::perform(c);
    curl_get::response_code(c, &result.status);
    if (body.too_long || code == CURLE_FILESIZE_EXCEEDED) {
        result.error = "the answer is longer than " + std::to_string(max_body) + " bytes";
    } else if (code != CURLE_OK) {
        result.error = curl_get::error_text(code);
    } else if (result.status < 200 || result.status > 299) {
        result.error = "HTTP status " + std::to_string(result.status);
    } else {
        result.ok = true;
        result.body = std::move(body.text);
    }
    return result;
}

} // namespace kivo
