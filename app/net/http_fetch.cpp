#include "app/net/http_fetch.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "common/clock.h"

namespace kivo {
namespace {

// libcurl's global set-up is not safe to race with other threads' first transfer; do it once.
void init_curl_once()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

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

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

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
    init_curl_once();
    HttpResult result;
    std::unique_ptr<CURL, EasyDeleter> curl(curl_easy_init());
    if (!curl) {
        result.error = "cannot start an HTTP transfer";
        return result;
    }
    const std::string url = std::string(base) + std::string(path);
    Body body{{}, max_body};
    std::unique_ptr<curl_slist, ListDeleter> headers(
        curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));
    const long timeout_ms = static_cast<long>(timeout.count());

    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    const std::string redirect_protocols = redirect_protocols_for(base);
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, redirect_protocols.c_str());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, timeout_ms);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, timeout_ms);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L); // signals would reach other threads
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(max_body));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, append_body);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, stop_transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);

    const CURLcode code = curl_easy_perform(c);
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.status);
    if (body.too_long || code == CURLE_FILESIZE_EXCEEDED) {
        result.error = "the answer is longer than " + std::to_string(max_body) + " bytes";
    } else if (code != CURLE_OK) {
        result.error = curl_easy_strerror(code);
    } else if (result.status < 200 || result.status > 299) {
        result.error = "HTTP status " + std::to_string(result.status);
    } else {
        result.ok = true;
        result.body = std::move(body.text);
    }
    return result;
}

} // namespace kivo
