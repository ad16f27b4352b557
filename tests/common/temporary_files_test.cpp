// The temporaries of atomic writes and downloads: the names the writers make are the ones the
// clean-up at start removes once an earlier run left them, and nothing else goes.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/temporary_files.h"
#include "tests/app/file_text.h"
#include "tests/common/scratch_folder.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The name mkstemp makes of the atomic writer's template, the file left as a killed write leaves it.
std::string atomic_temporary_in(const fs::path& folder, const std::string& target)
{
    std::string name = kivo::atomic_temporary_template(folder / target);
    const int fd = ::mkstemp(name.data());
    if (fd >= 0)
        ::close(fd);
    return fs::path(name).filename().string();
}

} // namespace

TEST(TemporaryFiles, TheCleanUpRemovesOnlyTemporariesEarlierRunsLeft)
{
    const ScratchFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const fs::file_time_type start = fs::file_time_type::clock::now();
    struct Case {
        std::string name;
        bool earlier; // written before the start
        bool removed;
    };
    const Case cases[] = {
        {atomic_temporary_in(folder.path(), "VARGO_Zeltra.tavkarch"), true, true},
        {kivo::download_temporary(folder.path() / "VARGO_Zeltra.img", 0).filename().string(), true, true},
        {".fw v2.2.img.download-77-12", true, true},
        // The same forms written since the start belong to this run.
        {atomic_temporary_in(folder.path(), "VARGOZeltraDeviceManager.tavkconf"), false, false},
        {kivo::download_temporary(folder.path() / "VARGO_Zeltra.img", 1).filename().string(), false, false},
        // The manager's own files, and names that only look alike.
        {"VARGO_Zeltra.tavkarch", true, false},
        {"VARGO_Zeltra.img", true, false},
        {"notes.backup", true, false},
        {"x.tavkarch.saving-abc12", true, false},
        {"x.tavkarch.saving-abc1!2", true, false},
        {"x.saving-abc123.txt", true, false},
        {".saving-abc123", true, false},
        {"fw.img.download-77-12", true, false},
        {"..download-77-12", true, false},
        {".fw.img.download-77", true, false},
        {".fw.img.download-77-", true, false},
        {".fw.img.download-77-1x", true, false},
        {".fw.img.download--12", true, false},
        {".fw.img.part", true, false},
    };
    for (const Case& c : cases) {
        const fs::path file = folder.path() / c.name;
        std::ofstream(file) << "left";
        fs::last_write_time(file, c.earlier ? start - 1h : start + 1s);
    }
    // A folder and a link of a temporary's name are not files the writers made.
    fs::create_directory(folder.path() / "old.tavkarch.saving-Dir123");
    fs::create_symlink(folder.path() / "VARGO_Zeltra.img", folder.path() / ".VARGO_Zeltra.img.download-1-2");

    const std::vector<std::string> removed = kivo::remove_stale_temporaries(folder.path(), start);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fs::exists(folder.path() / c.name), !c.removed);
        EXPECT_EQ(std::count(removed.begin(), removed.end(), c.name), c.removed ? 1 : 0);
    }
    EXPECT_TRUE(fs::is_directory(folder.path() / "old.tavkarch.saving-Dir123"));
    EXPECT_TRUE(fs::is_symlink(folder.path() / ".VARGO_Zeltra.img.download-1-2"));
    EXPECT_TRUE(kivo::remove_stale_temporaries(folder.path() / "missing", start).empty());
}

namespace {

// The id of a process that has ended (and been waited for).
pid_t ended_process()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(TemporaryFiles, ARecordNamesTheDownloadsTemporaryUntilItIsForgotten)
{
    const ScratchFolder folder;
    const fs::path records = folder.path() / "records";
    const fs::path temporary = kivo::download_temporary(folder.path() / "fw.img", 3);
    ASSERT_TRUE(kivo::record_download_temporary(records, temporary));
    const std::string record = "fw.img.download-" + std::to_string(::getpid()) + "-3.record";
    EXPECT_EQ(read_text(records / record), temporary.string() + "\n");
    EXPECT_FALSE(kivo::is_atomic_temporary(record) || kivo::is_download_temporary(record))
        << "the clean-up of stale temporaries leaves records alone";
    kivo::forget_download_temporary(records, temporary);
    EXPECT_TRUE(fs::is_empty(records));
}

TEST(TemporaryFiles, TheCleanUpRemovesExactlyTheRecordedTemporariesOfEndedRuns)
{
    const ScratchFolder folder;
    const fs::path records = folder.path() / "records";
    const fs::path user = folder.path() / "Downloads";
    fs::create_directories(user);
    const std::string ended = std::to_string(ended_process());
    const std::string running = std::to_string(::getpid());
    struct Case {
        const char* what;
        std::string name;
        bool recorded;
        bool removed;
    };
    const Case cases[] = {
        {"recorded by an ended run", ".fw.img.download-" + ended + "-0", true, true},
        {"a name of that form, not recorded", ".fw.img.download-" + ended + "-1", false, false},
        {"recorded by a run still going", ".fw.img.download-" + running + "-2", true, false},
        {"the user's own file", "fw.img", false, false},
    };
    for (const Case& c : cases) {
        std::ofstream(user / c.name) << "left";
        if (c.recorded) {
            ASSERT_TRUE(kivo::record_download_temporary(records, user / c.name));
        }
    }
    // Records that do not name a temporary of their own name are never followed.
    const auto plant = [&](const std::string& record, const std::string& text) {
        std::ofstream(records / record) << text;
    };
    const fs::path precious = user / "precious.doc";
    std::ofstream(precious) << "keep";
    plant("a.img.download-" + ended + "-7.record", precious.string() + "\n");
    plant("precious.doc.download-" + ended + "-8.record", "Downloads/.precious.doc.download-" + ended + "-8\n");
    plant("precious.doc", precious.string() + "\n");
    const fs::path link = user / (".link.img.download-" + ended + "-9");
    fs::create_symlink(precious, link);
    ASSERT_TRUE(kivo::record_download_temporary(records, link));

    const std::vector<fs::path> removed = kivo::remove_recorded_downloads(records);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fs::exists(user / c.name), !c.removed);
        EXPECT_EQ(std::count(removed.begin(), removed.end(), user / c.name), c.removed ? 1 : 0);
    }
    EXPECT_EQ(read_text(precious), "keep");
    EXPECT_TRUE(fs::is_symlink(link)) << "a link of that name is not a file the download made";
    EXPECT_EQ(names_in(records), (std::vector<std::string>{"fw.img.download-" + running + "-2.record", "precious.doc"}))
        << "the records of ended runs go; a running one's stays, and a file of another form is not a record";
    EXPECT_TRUE(kivo::remove_recorded_downloads(folder.path() / "missing").empty());
}
