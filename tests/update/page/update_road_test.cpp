// The road of a firmware update, end to end through the window of the whole application, offscreen:
// the OEM headset (with its module and settings of its own) at 2.1, a local firmware server with the
// demo firmware, the update to 2.2 offered by the sheet and downloaded through the save panel, then
// the restore to the backed-up 2.1 with the settings written back; and two failures on the road.

#include <filesystem>

#include "device/backup_archive.h"
#include "link/hid_reports.h"
#include "tests/app/file_text.h"
#include "tests/app/net/demo_firmware.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/page/page_shots.h"
#include "tests/update/page/road_fixture.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"

namespace {

constexpr char kLatestPath[] = "/kivobluetoothmanager/VARGO_Zeltra_v2.2.img";

// What recognition read of the settings the backup keeps: the settings words of record 0x04 and
// the FM block of record 0x15.
std::vector<int> read_settings(const KIVOBluetoothDeviceData& data)
{
    std::vector<int> values;
    for (int i = 0; i < 4; ++i)
        values.push_back(data.basicSettingBrisko(i));
    values.insert(values.end(),
                  {data.fmRadioRegion(), data.fmRadioMagicCode(), data.fmRadioCurrentFrequency(),
                   data.fmRadioCurrentPreset(), data.fmRadioRDS()});
    for (int i = 0; i < KIVOBluetoothDeviceData::kFmPresetCount; ++i)
        values.push_back(data.fmRadioPresetsAt(i));
    return values;
}

// Commands that change a headset's firmware or settings.
bool changes_the_headset(uint8_t command)
{
    switch (command) {
    case COMMAND_WRITE_SETTINGS:
    case COMMAND_ERASE:
    case COMMAND_WRITE_BLOCK:
    case COMMAND_VERIFY:
    case RUN_LOADER:
    case COMMAND_ENTER_DNLD_MODE:
    case MESH_DFU_COMMAND_QCC:
    case COMMAND_STORE_SETTINGS:
    case COMMAND_RESTART_LOADER:
    case MESH_DFU_COMMAND_VANTOR: return true;
    default: return false;
    }
}

} // namespace

class UpdateRoad : public RoadTest {
protected:
    void SetUp() override
    {
        RoadTest::SetUp();
        headset = sim::plug_headset(persona());
    }

    // The headset on the bus when the application starts.
    virtual sim::HeadsetPersona persona() { return sim::oem_headset_with_settings(); }

    // The offer accepted into target, and the update that follows to its end, pictured on the way.
    void updateThroughTheOffer(const std::filesystem::path& target, const std::string& shot)
    {
        startRun(update(), [&] { acceptTheOffer(target); });
        grabTheProgress(update(), shot);
        run_events_until([&] { return !update().runActive() && app().mode() == kModeUpdate && !app().onProcessing(); });
        settled(update());
    }

    // A picture of the window for people to look at (KIVO_PAGE_SHOTS), once the page shows some
    // progress; a run too quick to show any is pictured as it is.
    void grabTheProgress(UpdateViewController& page, const std::string& name)
    {
        run_events_until([&] { return !page.runActive() || page.updateProcessed() > 0; });
        grab_page(window(), name);
    }

    std::vector<uint8_t> commandsSince(size_t first) const
    {
        const std::vector<uint8_t> all = sim::commands_sent(headset.hid());
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(first, all.size())), all.end()};
    }

    sim::PluggedHeadset headset;
};

TEST_F(UpdateRoad, UpdateToTheLatestThenRestoreTheBackedUpVersionWithItsSettings)
{
    const auto factory = *sim::oem_headset_with_settings().factoryRecords;
    const std::vector<uint16_t> own04 = headset.record(0x04);
    const std::vector<uint16_t> own15 = headset.record(0x15);
    ASSERT_NE(own04, factory.at(0x04));

    reachTheUpdatePage();
    const std::vector<int> settings_before = read_settings(app().data());
    EXPECT_EQ(sheet().ui.tfCurrentVersion->text().toStdString(), "v2.1");
    EXPECT_EQ(sheet().ui.tfNewVersion->text().toStdString(), "v2.2");
    grab_page(sheet(), "road-1-sheet");

    // The update: downloaded into the chosen file, then written.
    const std::filesystem::path target = chosen.path() / "VARGO_Zeltra_v2.2.img";
    ASSERT_NO_FATAL_FAILURE(updateThroughTheOffer(target, "road-2-update-progress"));
    EXPECT_EQ(read_text(target), read_text(firmware.path() / demo_firmware::kLatestImage));
    EXPECT_EQ(statusLine(), "Firmware updated successfully");
    EXPECT_FALSE(app().statusWithWarning());
    EXPECT_EQ(app().data().deviceVersion(), (FirmwareQuad{2, 2, 0, 0})) << "recognition reads 2.2";
    EXPECT_EQ(headset.moduleVersion(), (sim::VersionQuad{1, 3, 0, 0}));
    EXPECT_EQ(headset.record(0x04), factory.at(0x04)) << "the update brought the factory records";
    EXPECT_EQ(headset.record(0x15), factory.at(0x15));
    EXPECT_FALSE(sheet().isVisible()) << "2.2 is not newer than 2.2";

    // The restore page shows the backup of 2.1. (The column keeps its button hidden; Ctrl+E is
    // the same command.)
    ui().btnFirmwareRestore->click();
    ASSERT_EQ(app().mode(), kModeRestore);
    settled(restore());
    EXPECT_EQ(restore().restoreUi().tfRestoredVersion->text().toStdString(), "v2.1");
    EXPECT_FALSE(restore().restoreUi().tfRestoredDate->text().isEmpty());
    EXPECT_EQ(statusLine(), "Press the [RESTORE] button");
    ASSERT_TRUE(restore().restoreUi().btnRestore->isEnabled());
    grab_page(window(), "road-3-restore-page");

    // The restore: the backup's image into the restore image, written, the settings written back.
    const size_t before_restore = headset.hid().outputs().size();
    startRun(restore(), [&] { restore().restoreUi().btnRestore->click(); });
    grabTheProgress(restore(), "road-4-restore-progress");
    run_events_until([&] { return !restore().runActive() && app().mode() == kModeRestore && !app().onProcessing(); });
    settled(restore());
    EXPECT_EQ(read_text(archiveFolder() / "VARGO_Zeltra.img"),
              read_text(firmware.path() / demo_firmware::kEarlierImage));
    EXPECT_EQ(statusLine(), "Firmware restored successfully");
    EXPECT_EQ(app().data().deviceVersion(), (FirmwareQuad{2, 1, 0, 0}));
    EXPECT_EQ(headset.version(), (sim::VersionQuad{2, 1, 0, 0}));
    EXPECT_EQ(headset.record(0x04), own04) << "the backed-up settings are back";
    EXPECT_EQ(headset.record(0x15), own15);
    EXPECT_EQ(read_settings(app().data()), settings_before) << "and recognition reads what it read before";
    // The restore image's name carries no language: the headset is sent language code 0.
    std::vector<uint8_t> languages;
    const std::vector<sim::Bytes> written = headset.hid().outputs();
    for (size_t i = before_restore; i < written.size(); ++i)
        if (written[i].size() > 2 && written[i][1] == COMMAND_UNIT_LANGUAGE_QUERY)
            languages.push_back(written[i][2]);
    EXPECT_EQ(languages, std::vector<uint8_t>{0});
}

TEST_F(UpdateRoad, AnImageWithAWrongDigestChangesNothing)
{
    // An earlier backup, which the failed update must leave as it is.
    KIVOBluetoothDeviceData earlier;
    earlier.setDeviceRecognized(0x3142);
    earlier.setDeviceVersionMajor(2);
    earlier.setDeviceVersionMinor(0);
    earlier.setManagerVersionMajor(3);
    std::filesystem::create_directories(archiveFolder());
    const std::filesystem::path backup = kivo::backup_archive_file(archiveFolder(), 0x3142);
    ASSERT_TRUE(kivo::write_backup_archive(earlier, backup));
    const std::string backup_bytes = read_text(backup);

    fwfile::Bytes corrupted = demo_firmware::container("2.2");
    corrupted[corrupted.size() - 100] ^= 0x5A; // inside the last block: its digest no longer matches
    server.serve(kLatestPath, testnet::Reply{200, std::string(corrupted.begin(), corrupted.end())});

    reachTheUpdatePage();
    const size_t sent = sim::commands_sent(headset.hid()).size();
    // Downloaded over the user's earlier file, it is refused before it takes that file's place.
    const std::filesystem::path target = chosen.path() / "latest.img";
    write_text(target, "the user's earlier image");
    acceptTheOffer(target);
    settled(update());
    EXPECT_EQ(statusLine(), "Failed to download latest firmware. Cannot download firmware");
    EXPECT_EQ(read_text(target), "the user's earlier image");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(chosen.path()), {}), 1) << "no temporary left";
    EXPECT_FALSE(update().runActive());
    EXPECT_EQ(commandsSince(sent), std::vector<uint8_t>{}) << "no update started";

    // Picked by the user, the update's loader refuses it.
    const std::filesystem::path picked = chosen.path() / "picked.img";
    write_text(picked, std::string(corrupted.begin(), corrupted.end()));
    runToItsEnd(update(), [&] { updateWithAPickedFile(picked); });
    ASSERT_TRUE(box().isVisible());
    EXPECT_EQ(statusLine(), "Failed to update firmware. Firmware corrupted");
    EXPECT_EQ(app().messageBoxStatus(), kBoxQuit);
    EXPECT_NE(box().messageText().toStdString().find("will restart"), std::string::npos);
    for (uint8_t command : commandsSince(sent))
        EXPECT_FALSE(changes_the_headset(command)) << std::hex << int(command);
    EXPECT_EQ(read_text(backup), backup_bytes) << "the earlier backup is untouched";
    EXPECT_EQ(headset.version(), (sim::VersionQuad{2, 1, 0, 0}));

    // The box's OK does what it says: the manager quits and starts again, on its home page, with
    // nothing to recover.
    bool quit = false;
    QObject::connect(&app(), &KIVOBluetoothManagerAppController::quitRequested, [&] { quit = true; });
    box().okButton()->click();
    EXPECT_TRUE(quit);
    EXPECT_FALSE(app().restartToRecover());
    EXPECT_EQ(relaunches(), 0) << "the new run starts once this one has ended";
    delegate().applicationWillTerminate();
    EXPECT_EQ(relaunches(), 1);
    startAgain();
    EXPECT_EQ(app().mode(), kModeHome);
    EXPECT_FALSE(app().restartToRecover());
    EXPECT_FALSE(app().onProcessing()) << "no recognition started by itself";
}

// A person plugs a second headset in while the OEM headset updates (the application's opener finds
// both, the second one first): the update goes on to the OEM headset and ends as it would without it;
// the second headset is sent nothing that changes it.
TEST_F(UpdateRoad, AHeadsetPluggedInWhileAnotherUpdatesKeepsItsFirmware)
{
    sim::HeadsetPersona persona;
    persona.product_id = 0x6038;
    persona.version = {1, 2, 0, 0};
    const sim::PluggedHeadset other = sim::plug_headset(persona);
    sim::bus().unplug(*other.headset);

    reachTheUpdatePage();
    // Plugged in once the module is written, when the headset holds its power while the module
    // restarts: the headset searches, its Bluetooth blocks and its restart are still to come.
    sim::AnswerGate& gate = headset.headset->gate;
    const sim::GateRelease release(gate);
    gate.hold(sim::hid_command(COMMAND_POWER_HOLD));
    acceptTheOffer(chosen.path() / "VARGO_Zeltra_v2.2.img");
    run_events_until([&] { return gate.held(); });
    sim::bus().plug_ahead(other.headset);
    gate.release();
    run_events_until([&] { return !update().runActive() && app().mode() == kModeUpdate && !app().onProcessing(); });
    EXPECT_EQ(statusLine(), "Firmware updated successfully");
    EXPECT_EQ(headset.version(), (sim::VersionQuad{2, 2, 0, 0}));
    EXPECT_EQ(other.version(), (sim::VersionQuad{1, 2, 0, 0}));
    for (uint8_t command : sim::commands_sent(other.hid()))
        EXPECT_FALSE(changes_the_headset(command)) << std::hex << int(command);
}

TEST_F(UpdateRoad, AMissingImageStartsNothing)
{
    server.serve(kLatestPath, testnet::Reply{404, "not here"});
    reachTheUpdatePage();
    const size_t sent = sim::commands_sent(headset.hid()).size();
    const std::filesystem::path target = chosen.path() / "latest.img";
    acceptTheOffer(target);
    settled(update());
    EXPECT_EQ(statusLine(), "Failed to download latest firmware. Cannot download firmware");
    EXPECT_TRUE(app().statusWithWarning());
    EXPECT_EQ(update().state(), kStateIdle);
    EXPECT_TRUE(commandsSince(sent).empty()) << "nothing started";
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(std::filesystem::is_empty(chosen.path())) << "nothing written beside it either";
    EXPECT_FALSE(box().isVisible());
}

// The headset that takes an intermediate image, at 1.2: the demo server offers 1.4, and the update
// fetches the intermediate image from the global server, writes it, then the file's images.
class IntermediateRoad : public UpdateRoad {
protected:
    sim::HeadsetPersona persona() override { return sim::intermediate_image_headset(); }
};

TEST_F(IntermediateRoad, UpdateThroughTheIntermediateImage)
{
    reachTheUpdatePage();
    EXPECT_EQ(app().deviceTarget(), demo_firmware::kIntermediateProduct);
    EXPECT_EQ(sheet().ui.tfCurrentVersion->text().toStdString(), "v1.2");
    EXPECT_EQ(sheet().ui.tfNewVersion->text().toStdString(), "v1.4");

    const std::filesystem::path target = chosen.path() / demo_firmware::kIntermediateProductImage;
    ASSERT_NO_FATAL_FAILURE(updateThroughTheOffer(target, "road-5-intermediate-progress"));
    grab_page(window(), "road-6-intermediate-done");

    const std::string intermediate = "/kivobluetoothmanager/" + std::string(demo_firmware::kIntermediateImage.fileName);
    EXPECT_EQ(server.requestCount(intermediate), 1);
    std::vector<uint8_t> erased;
    for (const sim::Bytes& out : headset.hid().outputs())
        if (out[1] == COMMAND_ERASE)
            erased.push_back(out[2]);
    EXPECT_EQ(erased, (std::vector<uint8_t>{0, 0, 0, 1})) << "two intermediate images as image 0, then the file's";
    EXPECT_EQ(statusLine(), "Firmware updated successfully");
    EXPECT_EQ(app().data().deviceVersion(), (FirmwareQuad{1, 4, 0, 0})) << "recognition reads 1.4";
}
