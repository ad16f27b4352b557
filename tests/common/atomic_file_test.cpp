// Atomic writes as they run: the old file stays whole whatever fails on the way, the data is on the
// disk before its name, and the folder is flushed after the rename. Faults come from the write's
// own seam, so that these hold for root as for anyone.

#include <gtest/gtest.h>

#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "common/folder_flush.h"
#include "tests/app/file_text.h"
#include "tests/common/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// The file an open descriptor stands for.
std::string path_of(int fd)
{
    char target[PATH_MAX];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1);
    return n < 0 ? std::string() : std::string(target, static_cast<size_t>(n));
}

const std::string kOld = "the old contents, which must survive";
// Large enough to take more than one write when a write stops half-way.
const std::string kNew(100000, 'n');

} // namespace

TEST(AtomicFile, ReplacesTheFileWithoutWritingIntoTheOldOne)
{
    const ScratchFolder folder;
    const fs::path file = folder.path() / "settings.conf";
    write_text(file, kOld);
    // A second name of the old file's data: a write in place would change it too.
    fs::create_hard_link(file, folder.path() / "settings.link");

    std::string error;
    ASSERT_TRUE(kivo::write_file_atomically(file, kNew, &error)) << error;
    EXPECT_EQ(read_text(file), kNew);
    EXPECT_EQ(read_text(folder.path() / "settings.link"), kOld);
    EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"settings.conf", "settings.link"}));
}

TEST(AtomicFile, AWriteThatCannotFinishLeavesTheOldFileWholeAndNoTemporary)
{
    struct Case {
        const char* what;
        kivo::AtomicWriteCalls calls;
        bool targetIsFolder;
        const char* reason;
    };
    kivo::AtomicWriteCalls half_then_full;
    half_then_full.write = [calls = 0](int fd, const void* data, size_t size) mutable -> ssize_t {
        if (calls++ == 0)
            return ::write(fd, data, size / 2);
        errno = ENOSPC;
        return -1;
    };
    kivo::AtomicWriteCalls flush_fails;
    flush_fails.fsync = [](int) {
        errno = EIO;
        return -1;
    };
    kivo::AtomicWriteCalls rename_fails;
    rename_fails.rename = [](const char*, const char*) {
        errno = EXDEV;
        return -1;
    };
    const Case cases[] = {
        {"the disk fills half-way", half_then_full, false, "No space left on device"},
        {"the flush fails", flush_fails, false, "Input/output error"},
        {"the rename fails", rename_fails, false, "Invalid cross-device link"},
        {"a folder stands at the name", {}, true, "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScratchFolder folder;
        const fs::path file = folder.path() / "settings.conf";
        if (c.targetIsFolder) {
            fs::create_directory(file);
            write_text(file / "inside", kOld);
        } else {
            write_text(file, kOld);
        }

        std::string error;
        EXPECT_FALSE(kivo::write_file_atomically(file, kNew, &error, c.calls));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        if (c.targetIsFolder) {
            EXPECT_EQ(read_text(file / "inside"), kOld);
        } else {
            EXPECT_EQ(read_text(file), kOld);
        }
        EXPECT_EQ(names_in(folder.path()), std::vector<std::string>{"settings.conf"}) << "no .saving- file left";
    }
}

TEST(AtomicFile, TheDataIsFlushedBeforeTheRenameAndTheFolderAfterIt)
{
    const ScratchFolder folder;
    const fs::path file = folder.path() / "settings.conf";
    write_text(file, kOld);
    std::vector<std::string> calls;
    kivo::AtomicWriteCalls recording;
    recording.write = [&](int fd, const void* data, size_t size) {
        calls.push_back("write " + path_of(fd));
        return ::write(fd, data, size);
    };
    recording.fsync = [&](int fd) {
        calls.push_back("flush " + path_of(fd));
        return ::fsync(fd);
    };
    std::string temporary;
    recording.rename = [&](const char* from, const char* to) {
        temporary = from;
        calls.push_back(std::string("rename to ") + to);
        return ::rename(from, to);
    };

    ASSERT_TRUE(kivo::write_file_atomically(file, kNew, nullptr, recording));
    EXPECT_EQ(read_text(file), kNew);
    ASSERT_FALSE(temporary.empty());
    EXPECT_EQ(fs::path(temporary).parent_path(), folder.path()) << "beside the file, on its file system";
    const std::vector<std::string> expected = {"write " + temporary, "flush " + temporary, "rename to " + file.string(),
                                               "flush " + folder.path().string()};
    EXPECT_EQ(calls, expected);
}

TEST(FolderFlush, AFolderOfAFileSystemWithoutEntriesToFlushCountsAsFlushed)
{
    const ScratchFolder folder;
    struct Case {
        const char* what;
        fs::path folder;
        int error; // what the flush says; 0: it succeeds
        bool flushed;
    };
    const Case cases[] = {
        {"flushed", folder.path(), 0, true},
        {"nothing to flush there", folder.path(), EINVAL, true},
        {"the disk fails", folder.path(), EIO, false},
        {"no such folder", folder.path() / "missing", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int flushed_fd = -1;
        const auto sync = [&](int fd) {
            flushed_fd = fd;
            errno = c.error;
            return c.error == 0 ? 0 : -1;
        };
        EXPECT_EQ(kivo::flush_folder(c.folder, sync), c.flushed);
        if (fs::exists(c.folder)) {
            EXPECT_NE(flushed_fd, -1);
        }
    }
}
