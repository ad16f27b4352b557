#pragma once
// A synchronous HTTP GET for the firmware server's small files (lists and indexes). Called from
// worker threads; it blocks for at most the timeout it is given.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace kivo {

struct HttpResult {
    bool ok = false; // a 2xx answer whose whole body arrived within the size limit
    long status = 0; // the HTTP status; 0 when no answer came
    std::string body; // only when ok
    std::string error; // a short English reason when not ok
};

// GETs base followed by path (base ends in "/"), bypassing every cache, following at most a few
// redirects over http and https only, and from an https base over https only. A body longer than
// max_body bytes, a status outside 200 to 299, no connection or no complete answer within timeout:
// not ok. On a thread that watches a stop flag (common/clock.h), raising it ends the transfer
// within about a second, as not ok.
HttpResult http_get(std::string_view base, std::string_view path, std::chrono::milliseconds timeout,
                    std::size_t max_body);

// The protocols a redirect of a read from base may lead to: never from https down to http.
std::string redirect_protocols_for(std::string_view base);

} // namespace kivo
