// A download into a file against a real server on 127.0.0.1: a body of many MiB, received in odd
// blocks and written in large ones, arrives whole and in order.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/app/net/local_http_server.h"
#include "update/server/download_into_file.h"

namespace fs = std::filesystem;

TEST(FirmwareDownloadFile, ALargeBodyArrivesWholeAndInOrder)
{
    std::string name = (fs::temp_directory_path() / "kivo-download-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    const fs::path folder(name);
    // Past several writes and several writeback steps, ending part-way through a write.
    std::string body((size_t{17} << 20) + 12345, '\0');
    for (size_t i = 0; i < body.size(); ++i)
        body[i] = static_cast<char>(i * 131 + i / 65521);
    testnet::LocalHttpServer server;
    server.serve("/kivobluetoothmanager/fw.img", testnet::Reply{.body = body, .chunkSize = 65537});

    kivo::DownloadFile file;
    ASSERT_TRUE(file.create(folder / "fw.img"));
    const kivo::DownloadOutcome outcome = kivo::download_into(file.openForWriting(), server.base(), "fw.img");
    ASSERT_TRUE(outcome.ok) << outcome.error;
    EXPECT_EQ(outcome.bytes, body.size());
    ASSERT_TRUE(file.commit());

    std::ifstream in(folder / "fw.img", std::ios::binary);
    std::ostringstream written;
    written << in.rdbuf();
    EXPECT_TRUE(written.str() == body) << "every byte, in order";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}
