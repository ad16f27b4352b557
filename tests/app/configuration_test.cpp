// The configuration archive across a quit and the next start: its keys, the pending restart
// firmware, the relaunch, and files that are missing, corrupt or crafted.

#include <nlohmann/json.hpp>

#include "tests/app/app_fixture.h"
#include "tests/app/file_text.h"
#include "tests/app/spy_pages.h"
#include "text/localized.h"

namespace {

std::vector<std::string> keys_of(const std::filesystem::path& file)
{
    std::vector<std::string> keys;
    const auto archive = nlohmann::ordered_json::parse(read_text(file));
    for (const auto& [key, value] : archive.items())
        keys.push_back(key);
    return keys;
}

const std::vector<std::string> kAlwaysWritten = {"$class",
                                                 "keyEncrypted",
                                                 "keyStrManagerVersion",
                                                 "keyStrLanguageManager",
                                                 "keyApplyToLanguageFirmware",
                                                 "keyDeviceTarget",
                                                 "keyRestartToRecover",
                                                 "keyModeRestartToRecover",
                                                 "keyStrLanguageFirmware"};
const std::vector<std::string> kRestartFirmwareKeys = {"keyStrRestartDFUFirmwareFile",
                                                       "keyIndexRestartDFUFirmwareLanguage",
                                                       "keyDeviceVersionMajorRestartDFU",
                                                       "keyDeviceVersionMinorRestartDFU",
                                                       "keyDeviceSecondaryVersionTypeRestartDFU",
                                                       "keyDeviceSecondaryVersionRestartDFU"};

} // namespace

class Configuration : public AppTest {
protected:
    PageFactory pages() override { return spies.factory(); }
    // A quit, then the next start reading what it wrote (with the controller's fields scrambled
    // in between, so only the file can bring them back).
    void quitAndStartAgain()
    {
        delegate().applicationWillTerminate();
        app().setStrRestartDFUFirmwareFile("");
        app().setDeviceVersionMajorRestartDFU(0);
        app().setLanguageManager(0);
        app().initializeObject();
    }
    SpyPages spies;
};

TEST_F(Configuration, QuitWritesTheKeysInOrderAndTheNextStartReadsThem)
{
    EXPECT_FALSE(std::filesystem::exists(configurationFile())) << "a first run starts without one";
    app().setStrLanguageManager("German");
    app().setApplyToLanguageFirmware(false);
    app().setDeviceTarget(0x5010);
    app().setStrLanguageFirmware("French");

    quitAndStartAgain();
    EXPECT_EQ(keys_of(configurationFile()), kAlwaysWritten) << "no restart-firmware keys without a pending file";
    EXPECT_EQ(relaunches(), 0);
    EXPECT_EQ(app().languageManager(), kivo::kGerman);
    EXPECT_EQ(app().strLanguageManager(), "German");
    EXPECT_FALSE(app().applyToLanguageFirmware());
    EXPECT_EQ(app().strLanguageFirmware(), "French");
    EXPECT_EQ(app().strManagerVersion(), "v1.0");
    EXPECT_FALSE(app().isRestartDFU());
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_EQ(app().deviceSelectionViewController()->deviceTargetSelected(), 0x5010);

    // A quit that changed nothing leaves the file as it was; a change is written.
    startAgain();
    const auto written = std::filesystem::last_write_time(configurationFile());
    startAgain();
    EXPECT_EQ(std::filesystem::last_write_time(configurationFile()), written);
    app().setDeviceTarget(0x5020);
    startAgain();
    EXPECT_NE(std::filesystem::last_write_time(configurationFile()), written);
    EXPECT_EQ(app().deviceSelectionViewController()->deviceTargetSelected(), 0x5020);
}

TEST_F(Configuration, PendingRestartFirmwareIsKeptAndTheRelaunchRecognizesOnce)
{
    app().setDeviceTarget(0x3142);
    app().setRestartToRecover(true);
    app().setModeRestartToRecover(kModeRestore);
    app().setStrRestartDFUFirmwareFile("/tmp/recover.img");
    app().setIndexRestartDFUFirmwareLanguage(3);
    app().setDeviceVersionMajorRestartDFU(2);
    app().setDeviceVersionMinorRestartDFU(1);
    app().setDeviceSecondaryVersionTypeRestartDFU(4);
    app().setDeviceSecondaryVersionRestartDFU(7);

    quitAndStartAgain();
    std::vector<std::string> expected = kAlwaysWritten;
    expected.insert(expected.end(), kRestartFirmwareKeys.begin(), kRestartFirmwareKeys.end());
    EXPECT_EQ(keys_of(configurationFile()), expected);
    EXPECT_EQ(relaunches(), 1);
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(spies.recognition->recognitions, 1);
    EXPECT_EQ(spies.recognition->lastCaller, kModeRestore);
    EXPECT_EQ(app().strRestartDFUFirmwareFile(), "/tmp/recover.img");
    EXPECT_EQ(app().indexRestartDFUFirmwareLanguage(), 3);
    EXPECT_EQ(app().deviceVersionMajorRestartDFU(), 2);
    EXPECT_EQ(app().deviceVersionMinorRestartDFU(), 1);
    EXPECT_EQ(app().deviceSecondaryVersionTypeRestartDFU(), 4);
    EXPECT_EQ(app().deviceSecondaryVersionRestartDFU(), 7);
    EXPECT_FALSE(app().restartToRecover()) << "consumed by this start";
}

TEST_F(Configuration, UnusableFilesGiveTheDefaults)
{
    const std::string german_then_bad =
        R"({"$class":"KIVOBluetoothManagerAppController","keyStrLanguageManager":"German","keyDeviceTarget":"x"})";
    const std::string other_class = R"({"$class":"KIVOBluetoothDeviceData","keyDeviceTarget":20496})";
    const std::vector<std::pair<const char*, std::string>> files = {
        {"empty", ""},
        {"not json", "\x01\x02 garbage {"},
        {"json of another class", other_class},
        {"a value of the wrong type after a good one", german_then_bad},
        {"too big", std::string(200 * 1024, ' ')},
    };
    for (const auto& [what, contents] : files) {
        SCOPED_TRACE(what);
        write_text(configurationFile(), contents);
        app().setLanguageManager(kivo::kFrench);
        app().initializeObject();
        EXPECT_EQ(app().languageManager(), kivo::kEnglish);
        EXPECT_EQ(app().strLanguageManager(), "English");
        EXPECT_TRUE(app().applyToLanguageFirmware());
        EXPECT_EQ(app().deviceTarget(), 0);
        EXPECT_EQ(app().mode(), kModeHome);
    }
    std::filesystem::remove(configurationFile());
    std::filesystem::create_directories(configurationFile());
    app().initializeObject();
    EXPECT_EQ(app().mode(), kModeHome) << "a folder where the file should be";
}

// A configuration made by hand (flags as numbers, keys missing) that asks for a restart to recover.
TEST_F(Configuration, CraftedRestartToRecoverOpensRecognitionOnce)
{
    write_text(configurationFile(),
               R"({"$class":"KIVOBluetoothManagerAppController","keyDeviceTarget":12610,)"
               R"("keyRestartToRecover":1,"keyModeRestartToRecover":5,)"
               R"("keyStrLanguageManager":"korean"})");
    app().initializeObject();
    EXPECT_EQ(app().mode(), kModeRecognition);
    EXPECT_EQ(app().deviceTarget(), 0x3142);
    EXPECT_EQ(spies.recognition->recognitions, 1);
    EXPECT_EQ(spies.recognition->lastCaller, kModeUpdate);
    EXPECT_EQ(app().languageManager(), kivo::kKorean) << "names match regardless of case";
    EXPECT_FALSE(app().applyToLanguageFirmware()) << "stored with the language, absent reads as off";
}
