#pragma once
// What every GET from the firmware server shares: libcurl loaded and set up once, when the first
// GET needs it, and the options of a GET (no cache, http and https only, at most five redirects and
// never from https down to http, no signals). Internal to net.
//
// The library is opened at its first use rather than linked: it and the two dozen libraries it
// brings (TLS, Kerberos, LDAP, SSH) would otherwise be loaded and relocated before the manager's
// first window, which needs none of them.

#include <curl/curl.h>

#include <memory>
#include <string_view>
#include <utility>

namespace kivo::curl_get {

// The functions of libcurl the manager calls.
struct Library {
    CURLcode (*global_init)(long flags);
    CURL* (*easy_init)();
    CURLcode (*easy_setopt)(CURL* curl, CURLoption option, ...);
    CURLcode (*easy_perform)(CURL* curl);
    CURLcode (*easy_getinfo)(CURL* curl, CURLINFO info, ...);
    void (*easy_cleanup)(CURL* curl);
    const char* (*easy_strerror)(CURLcode code);
    curl_slist* (*slist_append)(curl_slist* list, const char* text);
    void (*slist_free_all)(curl_slist* list);
};

// The library, opened and globally set up once; nullptr when it cannot be opened. Any thread.
const Library* library();

struct EasyDeleter {
    void operator()(CURL* curl) const { library()->easy_cleanup(curl); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { library()->slist_free_all(list); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using Headers = std::unique_ptr<curl_slist, ListDeleter>;

// A new handle (null when libcurl cannot be opened or cannot make one), after libcurl's global
// set-up.
Easy new_easy();
Headers no_cache_headers();
// Sets the URL base + path and the shared options; url and headers must outlive the transfer.
void set_get_options(CURL* curl, const std::string& url, std::string_view base, curl_slist* headers);

// The calls of a transfer, on a handle new_easy made (so the library is open).
template <typename Value> void setopt(CURL* curl, CURLoption option, Value value)
{
    library()->easy_setopt(curl, option, value);
}
inline CURLcode perform(CURL* curl) { return library()->easy_perform(curl); }
inline void response_code(CURL* curl, long* status) { library()->easy_getinfo(curl, CURLINFO_RESPONSE_CODE, status); }
inline const char* error_text(CURLcode code) { return library()->easy_strerror(code); }

} // namespace kivo::curl_get
