#include "app/net/curl_get.h"

#include <mutex>
#include <string>

#include "app/net/http_fetch.h"

namespace kivo::curl_get {

Easy new_easy()
{
    // libcurl's global set-up is not safe to race with other threads' first transfer; do it once.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    return Easy(curl_easy_init());
}

Headers no_cache_headers()
{
    return Headers(curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));
}

void set_get_options(CURL* c, const std::string& url, std::string_view base, curl_slist* headers)
{
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, redirect_protocols_for(base).c_str());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L); // signals would reach other threads
}

} // namespace kivo::curl_get
