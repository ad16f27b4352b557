// The temporaries of atomic writes and downloads: the names the writers make are the ones the
// clean-up at start removes once an earlier run left them, and nothing else goes.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/temporary_files.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class Folder {
public:
    Folder()
    {
        std::string name = (fs::temp_directory_path() / "kivo-temporaries-XXXXXX").string();
        path_ = ::mkdtemp(name.data()) != nullptr ? fs::path(name) : fs::path();
    }
    ~Folder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

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
    const Folder folder;
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
