#pragma once
// What every GET from the firmware server shares: libcurl set up once, and the options of a GET
// (no cache, http and https only, at most five redirects and never from https down to http, no
// signals). Internal to net.

#include <curl/curl.h>

#include <memory>
#include <string_view>

namespace kivo::curl_get {

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using Headers = std::unique_ptr<curl_slist, ListDeleter>;

// A new handle (null when libcurl cannot make one), after libcurl's global set-up.
Easy new_easy();
Headers no_cache_headers();
// Sets the URL base + path and the shared options; url and headers must outlive the transfer.
void set_get_options(CURL* curl, const std::string& url, std::string_view base, curl_slist* headers);

} // namespace kivo::curl_get
