// The streaming GET against a real server on 127.0.0.1: blocks as they arrive, the answers that
// fail (an error status, a body cut short, a stall, a refusing sink), the bounds on a body's size
// and speed, and the one rule for server paths.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/net/http_stream.h"
#include "app/net/server_path.h"
#include "tests/app/net/local_http_server.h"

using namespace std::chrono_literals;
using testnet::LocalHttpServer;
using testnet::Reply;

namespace {

std::string image(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

struct Received {
    std::string bytes;
    int blocks = 0;
    kivo::HttpSink sink()
    {
        return [this](std::span<const char> block) {
            bytes.append(block.data(), block.size());
            ++blocks;
            return true;
        };
    }
};

} // namespace

TEST(HttpStream, BlocksArriveInOrderAndAddUpToTheBody)
{
    LocalHttpServer server;
    const std::string body = image(300000);
    server.serve("/kivobluetoothmanager/fw.img", Reply{.body = body, .chunkSize = 65536, .chunkPause = 20ms});
    Received received;
    const kivo::HttpStreamResult result =
        kivo::http_get_stream(server.base(), "fw.img", received.sink(), {.idleTimeout = 5s});
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.bytes, body.size());
    EXPECT_EQ(received.bytes, body);
    EXPECT_GE(received.blocks, 5) << "paced blocks are handed over as they come";
    EXPECT_NE(server.lastRequest().find("Cache-Control: no-cache"), std::string::npos);
}

TEST(HttpStream, FailedTransfers)
{
    LocalHttpServer server;
    const std::string body = image(100000);
    struct Case {
        const char* what;
        Reply reply;
        bool sinkRefuses;
        long status;
    };
    const Case cases[] = {
        {"not found", Reply{.status = 404, .body = "no such file"}, false, 404},
        {"forbidden", Reply{.status = 403, .body = "go away"}, false, 403},
        {"error status without body", Reply{.status = 500}, false, 500},
        {"closed part-way", Reply{.body = body, .cutAfter = 40000}, false, 200},
        {"stall after some data", Reply{.body = body, .cutAfter = 1000, .stallAfterCut = true}, false, 200},
        {"silent server", Reply{.neverAnswer = true}, false, 0},
        {"sink refuses", Reply{.body = body}, true, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve("/kivobluetoothmanager/fw.img", c.reply);
        std::string received;
        const auto sink = [&](std::span<const char> block) {
            received.append(block.data(), block.size());
            return !c.sinkRefuses;
        };
        const kivo::HttpStreamResult result = kivo::http_get_stream(server.base(), "fw.img", sink, {.idleTimeout = 1s});
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.empty());
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.bytes, c.sinkRefuses ? 0u : received.size());
        if (c.status != 200) {
            EXPECT_TRUE(received.empty()) << "an error page never reaches the sink";
        }
    }
    EXPECT_FALSE(
        kivo::http_get_stream(testnet::closed_local_base(), "fw.img", [](auto) { return true; }, {.idleTimeout = 1s})
            .ok);
    EXPECT_FALSE(kivo::http_get_stream("file:///etc/", "hostname", [](auto) { return true; }, {.idleTimeout = 1s}).ok)
        << "http and https only";
}

// A server that accepts and then sends nothing (or nothing more) ends at the idle bound and says
// so, before a longer low-speed bound; one that sends no byte at all says so also when the
// low-speed bound is as long, as the download's defaults are. (Once some data came, a bound as
// long may fire first: both then describe the same stall.)
TEST(HttpStream, SilenceEndsAtTheIdleBoundWithItsReason)
{
    LocalHttpServer server;
    const std::string body = image(100000);
    struct Case {
        const char* what;
        Reply reply;
        kivo::HttpStreamLimits limits;
    };
    const Case cases[] = {
        {"no answer", Reply{.neverAnswer = true}, {.idleTimeout = 1s}},
        {"no answer, bounds as long", Reply{.neverAnswer = true}, {.idleTimeout = 1s, .lowSpeedTime = 1s}},
        {"stall after some data", Reply{.body = body, .cutAfter = 1000, .stallAfterCut = true}, {.idleTimeout = 1s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve("/kivobluetoothmanager/fw.img", c.reply);
        const kivo::HttpStreamResult result = kivo::http_get_stream(
            server.base(), "fw.img", [](auto) { return true; }, c.limits);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, "no data for 1000 ms");
    }
}

TEST(HttpStream, BoundsOnSizeAndSpeed)
{
    LocalHttpServer server;
    const std::string body = image(200000);
    // Short bounds, so that passing one takes about a second; the idle timeout is longer than the
    // time a case may take, so only the bound under test can end it.
    const kivo::HttpStreamLimits small{.idleTimeout = 10s, .largestBody = 100000, .lowSpeed = 1024, .lowSpeedTime = 1s};
    const kivo::HttpStreamLimits defaults{.idleTimeout = 10s};
    struct Case {
        const char* what;
        Reply reply;
        kivo::HttpStreamLimits limits;
        const char* failure; // a word of the reason; none: the whole body arrives
    };
    const Case cases[] = {
        {"announced past the largest body", Reply{.body = body}, small, "larger"},
        {"announced past the largest body, then silent", Reply{.body = body, .cutAfter = 10, .stallAfterCut = true},
         small, "larger"},
        {"announced past the default largest body, then silent",
         Reply{.body = "x", .cutAfter = 1, .stallAfterCut = true, .announcedLength = kivo::kLargestDownload + 1},
         defaults, "larger"},
        {"no length, past the largest body", Reply{.body = body, .noLength = true}, small, "larger"},
        {"no length, exactly the largest body", Reply{.body = body.substr(0, 100000), .noLength = true}, small,
         nullptr},
        {"no length and no bound",
         Reply{.body = body, .noLength = true},
         {.idleTimeout = 10s, .largestBody = 0},
         nullptr},
        {"a trickle that never stalls", Reply{.body = body.substr(0, 50000), .chunkSize = 16, .chunkPause = 50ms},
         small, "slower"},
        // Ten KiB a second, well above the low speed, for about five seconds.
        {"fast enough, but longer than the whole time",
         Reply{.body = body.substr(0, 50000), .chunkSize = 2048, .chunkPause = 200ms},
         {.idleTimeout = 10s, .largestBody = 0, .lowSpeed = 1024, .lowSpeedTime = 1s, .wholeTime = 1s},
         "in all"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve("/kivobluetoothmanager/fw.img", c.reply);
        Received received;
        const kivo::HttpStreamResult result = kivo::http_get_stream(server.base(), "fw.img", received.sink(), c.limits);
        EXPECT_EQ(result.ok, c.failure == nullptr) << result.error;
        EXPECT_EQ(result.bytes, received.bytes.size());
        if (c.failure != nullptr) {
            // The reason names the bound that ended it; the idle time-out would say "no data".
            EXPECT_NE(result.error.find(c.failure), std::string::npos) << result.error;
            if (c.limits.largestBody != 0) {
                EXPECT_LE(result.bytes, c.limits.largestBody) << "no byte past the bound reaches the sink";
            }
        } else {
            EXPECT_EQ(received.bytes, c.reply.body);
        }
    }
}

TEST(ServerPath, OnlyPlainPathsBelowTheBase)
{
    struct Case {
        const char* path;
        bool below;
    };
    const Case cases[] = {
        {"VARGO_Zeltra_v2.2.img", true},
        {"fw/2.2/en.img", true},
        {"a-b~c+d", true},
        {"", false},
        {"..", false},
        {".", false},
        {"fw/../x.img", false},
        {"/etc/passwd", false},
        {"fw//x.img", false},
        {"fw/", false},
        {"x%2e%2e", false},
        {"a b", false},
        {"a\\b", false},
        {"http://elsewhere/x", false},
        {"x?y=1", false},
        {"x#y", false},
        {"caf\xC3\xA9", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kivo::stays_below_base(c.path), c.below) << c.path;
}
