// The start of the manager removes the temporaries that killed runs left in its own folders, and in
// the user's folders only the downloads it recorded.

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "app/data_folders.h"
#include "common/temporary_files.h"

#include "tests/app/app_fixture.h"
#include "tests/app/file_text.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST_F(AppTest, StartRemovesTheTemporariesEarlierRunsLeftInTheManagersFolders)
{
    const fs::path config = configurationFile().parent_path();
    const fs::path downloads = archiveFolder().parent_path() / "Downloads";
    struct File {
        fs::path path;
        bool earlier; // written before this run started
        bool removed;
    };
    // A download of a run that has ended, recorded while it ran.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const fs::path recorded = downloads / (".latest.img.download-" + std::to_string(ended) + "-0");
    const File files[] = {
        {recorded, false, true},
        {archiveFolder() / "VARGO_Zeltra.tavkarch.saving-a1B2c3", true, true},
        {archiveFolder() / ".VARGO_Zeltra.img.download-4242-0", true, true},
        {config / "VARGOZeltraDeviceManager.tavkconf.saving-Zz09aa", true, true},
        {archiveFolder() / "VARGO_Zeltra.tavkarch.saving-d4E5f6", false, false},
        {archiveFolder() / "VARGO_Zeltra.tavkarch", true, false},
        {archiveFolder() / "VARGO_Zeltra.img", true, false},
        {config / "VARGOZeltraDeviceManager.tavkconf", true, false},
        {downloads / ".latest.img.download-4242-1", true, false},
    };
    const fs::file_time_type now = fs::file_time_type::clock::now();
    for (const File& file : files) {
        write_text(file.path, "left");
        fs::last_write_time(file.path, file.earlier ? now - 1h : now);
    }

    ASSERT_TRUE(kivo::record_download_temporary(kivo::download_records_folder(), recorded));

    delegate().start();

    for (const File& file : files)
        EXPECT_EQ(fs::exists(file.path), !file.removed) << file.path;
    EXPECT_TRUE(fs::is_empty(kivo::download_records_folder())) << "its record goes with it";
}
