#include "app/net/curl_get.h"

#include <dlfcn.h>

#include <optional>
#include <string>

#include "app/net/http_fetch.h"
#include "common/system_log.h"

namespace kivo::curl_get {
namespace {

// The soname of the libcurl the build was made against (ABI 4).
constexpr char kLibraryName[] = "libcurl.so.4";

template <typename Function> bool take(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

std::optional<Library> open_library()
{
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error = dlerror();
        system_logf("cannot open %s: %s", kLibraryName, error != nullptr ? error : "");
        return std::nullopt;
    }
    Library lib{};
    const bool complete = take(handle, "curl_global_init", lib.global_init) &&
        take(handle, "curl_easy_init", lib.easy_init) && take(handle, "curl_easy_setopt", lib.easy_setopt) &&
        take(handle, "curl_easy_perform", lib.easy_perform) && take(handle, "curl_easy_getinfo", lib.easy_getinfo) &&
        take(handle, "curl_easy_cleanup", lib.easy_cleanup) && take(handle, "curl_easy_strerror", lib.easy_strerror) &&
        take(handle, "curl_slist_append", lib.slist_append) && take(handle, "curl_slist_free_all", lib.slist_free_all);
    if (!complete) {
        system_logf("%s lacks a function the manager calls", kLibraryName);
        return std::nullopt; // the handle stays open: nothing of it is called
    }
    // libcurl's global set-up is not safe to race with other threads' first transfer: done here,
    // once, before any handle is made.
    lib.global_init(CURL_GLOBAL_DEFAULT);
    return lib;
}

} // namespace

const Library* library()
{
    // Kept for the whole run: handles may live until the program ends.
    static const std::optional<Library> opened = open_library();
    return opened ? &*opened : nullptr;
}

Easy new_easy()
{
    const Library* lib = library();
    return Easy(lib != nullptr ? lib->easy_init() : nullptr);
}

Headers no_cache_headers()
{
    const Library* lib = library();
    if (lib == nullptr)
        return Headers();
    return Headers(lib->slist_append(lib->slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));
}

void set_get_options(CURL* c, const std::string& url, std::string_view base, curl_slist* headers)
{
    setopt(c, CURLOPT_URL, url.c_str());
    setopt(c, CURLOPT_HTTPGET, 1L);
    setopt(c, CURLOPT_HTTPHEADER, headers);
    setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, redirect_protocols_for(base).c_str());
    setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    setopt(c, CURLOPT_MAXREDIRS, 5L);
    setopt(c, CURLOPT_NOSIGNAL, 1L); // signals would reach other threads
}

} // namespace kivo::curl_get
