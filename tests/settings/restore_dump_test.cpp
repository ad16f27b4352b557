// The catalogue dump's restore table, as reviewers read it: the count, then per row its index,
// kind code, title and value, blank rows as "-"; its options and its refusals.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "device/backup_archive.h"
#include "settings/table/restore_rows.h"

namespace {

std::string run(const std::string& arguments, int& status)
{
    std::string out;
    FILE* pipe = popen((std::string(SETTINGS_CATALOGUE_DUMP) + " " + arguments + " 2>&1").c_str(), "r");
    if (!pipe)
        return out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    status = WEXITSTATUS(pclose(pipe));
    return out;
}

} // namespace

TEST(RestoreDump, RowsOfABackupInALanguageWithItsValues)
{
    int status = -1;
    EXPECT_EQ(run("restore 0x3032 1.4 fm=4", status), "2\n0\tVP\tVoice Prompt\tEnabled\n1\t-\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(run("restore 0x3142 2.1 lang=2 values=1,1,0,0,3", status),
              "7\n"
              "0\tUL-v\tGer\u00E4tesprache\tFranz\u00F6sisch\n"
              "1\tST-v\tEigenecho\tAktiviert\n"
              "2\tFSG-v\tUKW-Senderansage\tDeaktiviert\n"
              "3\tOVM-vi\tLautst\u00E4rkeregelung f\u00FCr Audio-Overlay\tDeaktiviert\n"
              "4\tIOS-v\tEmpfindlichkeit der ...\t3\n"
              "5\tFMR-c\tUKW-Radio\t\n"
              "6\tSPC-c\tSmartphone-Verbindung\t\n");
    EXPECT_EQ(run("restore 0x4210 none values=1", status).substr(0, 3), "13\n");
    EXPECT_EQ(run("restore 0x1234 1.0", status), "0\n");
    EXPECT_EQ(status, 0);
    for (const char* refused : {"restore 0x3142", "restore 0x3142 2", "restore 0x3142 2.1 fm=x", "restore x 2.1",
                                "restore 0x3142 2.1 colour=2", "restore 0x3142 2.1 values=1,,2"}) {
        run(refused, status);
        EXPECT_EQ(status, 2) << refused;
    }
}

TEST(RestoreDump, WritesABackupThePageReads)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "restore-dump-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    int status = -1;
    const std::string path = run("backup 0x3142 2.1 " + (folder / "archive").string() + " values=2,1", status);
    ASSERT_EQ(status, 0) << path;
    const auto backup = kivo::read_backup_archive(path.substr(0, path.size() - 1));
    ASSERT_TRUE(backup.has_value());
    EXPECT_GT(backup->managerVersionMajor() + backup->managerVersionMinor(), 0);
    EXPECT_TRUE(backup->dateArchived().has_value());
    EXPECT_EQ(kivo::settings::restore_row(0x3142, backup, 0, 0, 0)->value, "Spanish");
    EXPECT_EQ(kivo::settings::restore_row(0x3142, backup, 0, 1, 0)->value, "Enabled");
    for (const char* refused : {"backup 0x3142 2.1", "backup 0x3142 none /tmp", "backup 0x1234 1.0 /tmp"}) {
        run(refused, status);
        EXPECT_EQ(status, 2) << refused;
    }
    std::filesystem::remove_all(folder);
}

TEST(RestoreDump, ABackupsSpeedDialNumbersAndItsVersionOnTheRevisionsList)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "restore-dump-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::string archive = (folder / "archive").string();
    const std::string server = (folder / "server").string();
    int status = -1;
    const std::string path = run("backup 0x5440 2.1 " + archive + " 'dials=123,+49*30#1,' revisions=" + server, status);
    ASSERT_EQ(status, 0) << path;
    const auto backup = kivo::read_backup_archive(path.substr(0, path.size() - 1));
    ASSERT_TRUE(backup.has_value());
    EXPECT_EQ(backup->speedDialAt(0), "123");
    EXPECT_EQ(backup->speedDialAt(1), "+49*30#1");
    EXPECT_EQ(backup->speedDialAt(2), "");
    // A second backup adds its line to the same list.
    run("backup 0x5210 1.3 " + archive + " revisions=" + server, status);
    ASSERT_EQ(status, 0);
    // Both lists name each version, so that the update page reads its index and RESTORE finds the
    // version, and the server holds the image of each.
    for (const char* leaf : {"Revisions", "Firmware"}) {
        std::ostringstream list;
        list << std::ifstream(folder / "server" / leaf, std::ios::binary).rdbuf();
        EXPECT_EQ(list.str(), "Ostler_JunovaGo:v2.1:Ostler_JunovaGo.img\r\nYewdel:v1.3:Yewdel.img\r\n") << leaf;
    }
    for (const char* image : {"Ostler_JunovaGo.img", "Yewdel.img"})
        EXPECT_GT(std::filesystem::file_size(folder / "server" / image), 0u) << image;
    const std::string refusals[] = {"backup 0x5440 2.1 " + archive + " dials=1,2,3,4", "restore 0x5440 2.1 dials=1",
                                    "restore 0x5440 2.1 revisions=/tmp"};
    for (const std::string& refused : refusals) {
        run(refused, status);
        EXPECT_EQ(status, 2) << refused;
    }
    std::filesystem::remove_all(folder);
}
