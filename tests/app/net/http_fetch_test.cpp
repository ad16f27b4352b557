// The fetcher against a real server on 127.0.0.1: answers, HTTP errors, size limit, silence.

#include <gtest/gtest.h>

#include <chrono>

#include "app/net/http_fetch.h"
#include "tests/app/net/local_http_server.h"

using namespace std::chrono_literals;
using testnet::LocalHttpServer;
using testnet::Reply;

TEST(HttpFetch, AnswersAndErrors)
{
    LocalHttpServer server;
    server.serve("/kivobluetoothmanager/list", Reply{200, "a:b\r\nc:d\r\n"});
    server.serve("/kivobluetoothmanager/empty", Reply{200, ""});
    server.serve("/kivobluetoothmanager/broken", Reply{500, "oops"});
    server.serve("/kivobluetoothmanager/big", Reply{200, std::string(101, 'x')});
    server.serve("/kivobluetoothmanager/fits", Reply{200, std::string(100, 'x')});

    struct Case {
        const char* path;
        bool ok;
        long status;
        size_t bodySize;
    };
    const Case cases[] = {
        {"list", true, 200, 10},   {"empty", true, 200, 0}, {"missing", false, 404, 0},
        {"broken", false, 500, 0}, {"big", false, 200, 0},  {"fits", true, 200, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const auto result = kivo::http_get(server.base(), c.path, 5s, 100);
        EXPECT_EQ(result.ok, c.ok) << result.error;
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.body.size(), c.bodySize);
        EXPECT_EQ(result.error.empty(), c.ok);
    }
    EXPECT_NE(server.lastRequest().find("Cache-Control: no-cache"), std::string::npos) << "no cached copy";
}

TEST(HttpFetch, SilentOrAbsentServerEndsWithinTheTimeout)
{
    LocalHttpServer server;
    server.serve("/kivobluetoothmanager/silent", Reply{200, "", true});
    const auto start = std::chrono::steady_clock::now();
    const auto silent = kivo::http_get(server.base(), "silent", 1s, 1024);
    EXPECT_FALSE(silent.ok);
    EXPECT_EQ(silent.status, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);

    const auto absent = kivo::http_get(testnet::closed_local_base(), "Software", 1s, 1024);
    EXPECT_FALSE(absent.ok);
    EXPECT_FALSE(absent.error.empty());

    EXPECT_FALSE(kivo::http_get("file:///etc/", "hostname", 1s, 1024).ok) << "http and https only";
}
