// A download into a file against a real server on 127.0.0.1: a body of many MiB, received in odd
// blocks and written in large ones, arrives whole and in order; a file that cannot keep the body is
// told from a network that fails; and the temporary of a run killed half-way is found again.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/temporary_files.h"
#include "tests/app/file_text.h"
#include "tests/app/net/local_http_server.h"
#include "tests/common/scratch_folder.h"
#include "update/server/download_into_file.h"

namespace fs = std::filesystem;

TEST(FirmwareDownloadFile, ALargeBodyArrivesWholeAndInOrder)
{
    const ScratchFolder scratch;
    const fs::path& folder = scratch.path();
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
}

TEST(FirmwareDownloadFile, AFileThatCannotKeepTheBodyIsTheFilesFailure)
{
    testnet::LocalHttpServer server;
    struct Case {
        const char* what;
        testnet::Reply reply;
        bool diskFull;
        bool notKept;
    };
    const std::string body(3 << 20, 'b');
    const Case cases[] = {
        // /dev/full refuses every write for lack of space, as a full disk does.
        {"a full disk at the last write", testnet::Reply{.body = body.substr(0, 200000)}, true, true},
        {"a full disk part-way", testnet::Reply{.body = body}, true, true},
        {"the network fails", testnet::Reply{.body = body, .cutAfter = 100000}, false, false},
        {"nothing fails", testnet::Reply{.body = body}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        server.serve("/kivobluetoothmanager/fw.img", c.reply);
        std::string file = (fs::temp_directory_path() / "kivo-download-XXXXXX").string();
        const int descriptor = c.diskFull ? ::open("/dev/full", O_WRONLY | O_CLOEXEC) : ::mkstemp(file.data());
        ASSERT_GE(descriptor, 0);
        if (!c.diskFull)
            ::unlink(file.c_str());
        const kivo::DownloadOutcome outcome = kivo::download_into(descriptor, server.base(), "fw.img");
        EXPECT_EQ(outcome.ok, std::string(c.what) == "nothing fails") << outcome.error;
        EXPECT_EQ(outcome.notKept, c.notKept) << outcome.error;
        if (c.notKept) {
            EXPECT_NE(outcome.error.find("No space left on device"), std::string::npos) << outcome.error;
        }
    }
}

TEST(FirmwareDownloadFile, ItsTemporaryIsRecordedWhileItExists)
{
    const ScratchFolder scratch;
    const fs::path& folder = scratch.path();
    const fs::path records = folder / "records";
    for (const bool kept : {true, false}) {
        SCOPED_TRACE(kept ? "kept" : "discarded");
        kivo::DownloadFile file;
        ASSERT_TRUE(file.create(folder / "fw.img", records));
        const std::vector<std::string> recorded = names_in(records);
        ASSERT_EQ(recorded.size(), 1u);
        EXPECT_EQ(read_text(records / recorded[0]), file.temporary().string() + "\n");
        if (kept) {
            ASSERT_TRUE(file.commit());
        } else {
            file.discard();
        }
        EXPECT_TRUE(fs::is_empty(records));
    }
}

// A run killed while the body arrives leaves its hidden temporary beside the user's file; the next
// start removes exactly that one, and nothing else of the user's folder.
TEST(FirmwareDownloadFile, TheTemporaryOfARunKilledHalfWayIsRemovedAtTheNextStart)
{
    const ScratchFolder scratch;
    const fs::path& home = scratch.path();
    const fs::path user = home / "Downloads";
    const fs::path records = home / "manager" / "records";
    fs::create_directories(user);
    std::ofstream(user / "fw.img") << "the user's earlier image";
    std::ofstream(user / ".notes.txt.download-1-1") << "the user's own file of that form";

    const pid_t run = ::fork();
    if (run == 0) {
        kivo::DownloadFile file;
        if (file.create(user / "fw.img", records)) {
            const int descriptor = file.openForWriting();
            const std::string half(100000, 'h');
            kivo::connection_didReceiveData(descriptor, half);
        }
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(run, &status, 0), run);
    ASSERT_TRUE(WIFSIGNALED(status));
    std::vector<std::string> left = names_in(user);
    ASSERT_EQ(left.size(), 3u) << "the killed run left its temporary";
    const std::string temporary = left[0];
    EXPECT_EQ(temporary.rfind(".fw.img.download-" + std::to_string(run) + "-", 0), 0u) << temporary;
    EXPECT_EQ(fs::file_size(user / temporary), 100000u);

    EXPECT_EQ(kivo::remove_recorded_downloads(records), std::vector<fs::path>{user / temporary});
    EXPECT_EQ(names_in(user), (std::vector<std::string>{".notes.txt.download-1-1", "fw.img"}));
    EXPECT_EQ(read_text(user / "fw.img"), "the user's earlier image");
    EXPECT_TRUE(fs::is_empty(records));
}
