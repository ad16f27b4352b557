// The fetcher against a real server on 127.0.0.1: answers, HTTP errors, size limit, silence.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

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
    const auto silent = kivo::http_get(server.base(), "silent", 1s, 1024);
    EXPECT_FALSE(silent.ok);
    EXPECT_EQ(silent.status, 0);
    EXPECT_EQ(silent.error, "Timeout was reached") << "the time-out ended it, in libcurl's words";

    const auto absent = kivo::http_get(testnet::closed_local_base(), "Software", 1s, 1024);
    EXPECT_FALSE(absent.ok);
    EXPECT_FALSE(absent.error.empty());

    EXPECT_FALSE(kivo::http_get("file:///etc/", "hostname", 1s, 1024).ok) << "http and https only";
}

TEST(HttpFetch, RedirectsFollowTheBasesScheme)
{
    struct Case {
        const char* base;
        const char* protocols;
    };
    const Case cases[] = {
        {"https://firmware.example.com/kivobluetoothmanager/", "https"},
        {"HTTPS://firmware.example.com/", "https"},
        {"http://127.0.0.1:8080/kivobluetoothmanager/", "http,https"},
        {"http", "http,https"},
        {"", "http,https"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kivo::redirect_protocols_for(c.base), c.protocols) << c.base;
}

TEST(LocalServer, ServesTheFilesOfAFolderAndNothingOutsideIt)
{
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "kivo-fwserver-test";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "inner");
    std::ofstream(root / "Firmware") << "Zel:v2.1:z.img\r\n";
    std::ofstream(root / "inner" / "secret") << "no";
    LocalHttpServer server;
    server.serveFolder("/kivobluetoothmanager/", root);
    server.serve("/kivobluetoothmanager/Revisions", Reply{200, "from the table"});
    std::ofstream(root / "Revisions") << "from the folder";

    EXPECT_EQ(kivo::http_get(server.base(), "Firmware", 5s, 1024).body, "Zel:v2.1:z.img\r\n");
    EXPECT_EQ(kivo::http_get(server.base(), "Revisions", 5s, 1024).body, "from the table");
    for (const char* outside : {"inner/secret", "inner", "../kivo-fwserver-test/Firmware", "", "missing"})
        EXPECT_EQ(kivo::http_get(server.base(), outside, 5s, 1024).status, 404) << outside;
    std::filesystem::remove_all(root);
}
