// The frame of a run: its first status, the checks before any transfer, the settings backup and
// its question, and the ending; driven with paths of the tests' own against the OEM headset.

#include <algorithm>
#include <fstream>

#include "device/backup_archive.h"
#include "link/hid_slots.h"
#include "tests/link/test_opener.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/engine/update_fixture.h"
#include "text/app_text.h"
#include "text/instruction_texts.h"
#include "text/update_texts.h"
#include "update/engine/device_identity.h"
#include "update/engine/family_paths.h"
#include "update/engine/paths/paths.h"
#include "update/engine/steps.h"

using kivo::AppText;
using kivo::UpdateTexts;

namespace {

const fwfile::Bytes kImage = fwfile::pattern(3000, 7);

std::filesystem::path backup_of_oem_headset(const kivo::UpdateInputs& in)
{
    return in.archiveFolder / "VARGO_Zeltra.tavkarch";
}

} // namespace

class Frame : public UpdateRunTest {
protected:
    void SetUp() override
    {
        UpdateRunTest::SetUp();
        inputs.path = &kSharedStepsPath;
        headset = sim::plug_headset(sim::oem_headset());
    }
    std::vector<uint8_t> commands() const { return sim::commands_sent(headset.hid()); }

    sim::PluggedHeadset headset;
};

TEST_F(Frame, FirstStatusSaysWhatIsChecked)
{
    useFirmware({kImage});
    run();
    EXPECT_EQ(first_status_seen()[0], "On updating firmware. Checking firmware");
    EXPECT_EQ(progress().updateProcessed, 100);

    inputs.mode = kModeRestore;
    run();
    for (int language : {0, 2})
        EXPECT_EQ(first_status_seen()[static_cast<size_t>(language)],
                  AppText::tavk_status_processing_usb_in(kModeRestore, 0x3142, language) + " " +
                      UpdateTexts::tavk_string_checking_backup_firmware_in(language));
}

TEST_F(Frame, SucceedsThroughTheSharedSteps)
{
    useFirmware({kImage});
    run();
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 99}));
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(progress().updateRestoreError, 0);
    EXPECT_TRUE(shared.updateFinished());
    EXPECT_EQ(status(), "On updating firmware.");
    EXPECT_EQ(commands(), std::vector<uint8_t>{COMMAND_GET_VERSION});
}

TEST_F(Frame, AnotherDeviceOrNoneEndsAsNotTheRecognizedOne)
{
    struct Case {
        const char* what;
        bool plugged;
        uint16_t recognizedAs;
    };
    for (const Case c : {Case{"nothing opens", false, 0x3142}, Case{"another product id", true, 0x3143}}) {
        SCOPED_TRACE(c.what);
        bus().reset();
        headset = sim::plug_headset(sim::oem_headset());
        if (!c.plugged)
            bus().unplug(*headset.headset);
        inputs.session.usbStatus = c.recognizedAs;
        useFirmware({kImage});
        run();
        EXPECT_EQ(progress().updateRestoreError, 2);
        EXPECT_EQ(status(), "Failed to update firmware. Not the recognized device");
        EXPECT_TRUE(commands().empty());
        EXPECT_FALSE(std::filesystem::exists(backup_of_oem_headset(inputs)));
        EXPECT_EQ(bus().open_hid_handles(), 0);
    }
}

// The last guard of every reopen: an opener that takes a device whatever the filter says.
TEST_F(Frame, AReopenClosesADeviceOfAnotherIdThatTheOpenerTookAllTheSame)
{
    const kivo::HidOpener careless = [](uint32_t& product_id, std::span<char> text, const kivo::ProductFilter&) {
        return open_product(0x3142)(product_id, text, {});
    };
    struct Case {
        const char* what;
        uint32_t sought;
        bool opened;
    };
    for (const Case c : {Case{"another product", 0x5440, false}, Case{"the one sought", 0x3142, true}}) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(kivo::open_sought(kivo::SoughtDevice{"headset", careless, {c.sought}}), c.opened);
        EXPECT_EQ(hid_slot(0) != nullptr, c.opened);
        EXPECT_EQ(bus().open_hid_handles(), c.opened ? 1 : 0);
        EXPECT_TRUE(headset.hid().transcript().empty()) << "nothing sent";
        hid_close_devices();
    }
}

TEST_F(Frame, RejectedFileWritesTheLoaderMessageInEveryLanguage)
{
    inputs.firmwareFile = (folder.path() / "missing.img").string();
    run();
    const auto loaded = std::find_if(changes.begin(), changes.end(), [](auto& p) { return p.addUpdateProcessed == 1; });
    const auto rejected =
        std::find_if(changes.begin(), changes.end(), [](auto& p) { return p.updateRestoreError == 3; });
    ASSERT_NE(loaded, changes.end());
    EXPECT_LT(loaded - changes.begin(), rejected - changes.begin()) << "marker 1 comes first";
    EXPECT_EQ(progress().updateRestoreError, 3);
    EXPECT_EQ(status(), "Failed to update firmware. " + UpdateTexts::tavk_string_cannot_access_firmware_in(0));
    EXPECT_EQ(status(kivo::kGerman),
              AppText::tavk_status_failure_usb_in(kModeUpdate, 0x3142, kivo::kGerman) + ". " +
                  UpdateTexts::tavk_string_cannot_access_firmware_in(kivo::kGerman));
    EXPECT_TRUE(commands().empty());
}

// The loader checks one table of a container by its product's rule; the path reads section entry
// 0, which must lie inside the file all the same.
TEST_F(Frame, EntriesThePathReadsMustLieInsideTheFile)
{
    struct Case {
        const char* what;
        std::function<fwfile::Bytes()> file;
    };
    const Case cases[] = {
        {"no entries", [&] { return useFirmware({}); }},
        {"entry 0 beyond the end",
         [&] {
             fwfile::Bytes file = useFirmware({kImage});
             fwfile::put_le32(file, fwfile::entry_position(1, false, 0) + FirmwareContainer::kEntryOffsetField,
                              0xFFFFFF00);
             return file;
         }},
        {"entry 0 length past 4 GiB in 64 bits",
         [&] {
             fwfile::Bytes file = useFirmware({kImage});
             fwfile::put_le32(file, fwfile::entry_position(1, false, 0) + FirmwareContainer::kEntryLengthField,
                              0xFFFFFFFF);
             return file;
         }},
    };
    std::filesystem::create_directories(inputs.archiveFolder);
    const fwfile::Bytes earlier_backup = {'o', 'l', 'd'};
    fwfile::write_file(backup_of_oem_headset(inputs), earlier_backup);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        useFile(c.file());
        run();
        EXPECT_EQ(progress().updateRestoreError, 3);
        EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
        EXPECT_TRUE(commands().empty());
        std::ifstream kept(backup_of_oem_headset(inputs), std::ios::binary);
        EXPECT_EQ(fwfile::Bytes(std::istreambuf_iterator<char>(kept), {}), earlier_backup);
    }
}

TEST_F(Frame, BackupHoldsTheSettingsAndReplacesAnOlderOne)
{
    inputs.data.setDeviceName("Trail Rider");
    inputs.data.setDeviceVersion({2, 1, 0, 3});
    inputs.data.setDeviceVersion01({1, 3, 0, 0});
    inputs.data.setHandsfreeVOX(1);
    inputs.data.setFmRadioRegion(4);
    inputs.data.setSpeedDialAt_with(1, "5551234");
    std::filesystem::create_directories(inputs.archiveFolder);
    fwfile::write_file(backup_of_oem_headset(inputs), fwfile::Bytes{'o', 'l', 'd'});
    useFirmware({kImage});
    run();

    const std::optional<KIVOBluetoothDeviceData> backup = kivo::read_backup_archive(backup_of_oem_headset(inputs));
    ASSERT_TRUE(backup.has_value());
    EXPECT_EQ(backup->deviceRecognized(), 0x3142);
    EXPECT_EQ(backup->deviceName(), "Trail Rider");
    EXPECT_EQ(backup->deviceVersion(), (FirmwareQuad{2, 1, 0, 3}));
    EXPECT_EQ(backup->deviceVersion01(), FirmwareQuad{}) << "module versions are no part of a backup";
    EXPECT_EQ(backup->handsfreeVOX(), 1);
    EXPECT_EQ(backup->fmRadioRegion(), 4);
    EXPECT_EQ(backup->speedDialAt(1), "5551234");
    EXPECT_EQ(backup->managerVersionMajor(), 1);
    EXPECT_EQ(backup->managerVersionMinor(), 2);
    EXPECT_TRUE(backup->dateArchived().has_value());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Frame, RestoreWritesNoBackup)
{
    inputs.mode = kModeRestore;
    useFirmware({kImage});
    run();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_FALSE(std::filesystem::exists(inputs.archiveFolder));
}

TEST_F(Frame, BackupThatCannotBeWrittenAsksWhetherToGoOn)
{
    struct Case {
        const char* what;
        bool answerOk;
        uint16_t product;
    };
    for (const Case c : {Case{"OK goes on", true, 0x3142}, Case{"Cancel ends the run", false, 0x3142},
                         Case{"a product without an internal name", true, 0x7E57}}) {
        SCOPED_TRACE(c.what);
        bus().reset();
        host.reset();
        sim::HeadsetPersona persona = sim::oem_headset();
        persona.product_id = c.product;
        headset = sim::plug_headset(persona);
        target(c.product);
        inputs.opener = open_product(c.product);
        // A regular file where the folder should be: the backup fails even for root.
        inputs.archiveFolder = folder.path() / "not-a-folder";
        fwfile::write_file(inputs.archiveFolder, fwfile::Bytes{1});
        if (c.product != 0x3142)
            inputs.archiveFolder = folder.path() / "archive";
        host.answerOk = c.answerOk;
        useFirmware({kImage});
        run();

        ASSERT_EQ(host.boxes.size(), 1u);
        const FakeUpdateHost::Box& box = host.boxes[0];
        EXPECT_EQ(box.purpose, kBoxSkipRestoreBackup);
        EXPECT_EQ(box.size, 3);
        EXPECT_TRUE(box.warning);
        EXPECT_EQ(box.cancel, std::nullopt);
        EXPECT_EQ(box.ok, "YES");
        EXPECT_EQ(box.message, kivo::InstructionTexts::getMessageBoxFileCreationFailed(0));
        EXPECT_FALSE(host.skipRestoreBackupFile()) << "the answer is used once";
        EXPECT_FALSE(host.openedMessageBox());
        if (c.answerOk) {
            EXPECT_EQ(progress().updateProcessed, 100);
            EXPECT_EQ(sim::commands_sent(headset.hid()), std::vector<uint8_t>{COMMAND_GET_VERSION});
        } else {
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(status(), "Failed to update firmware. Cannot make backup firmware");
            EXPECT_TRUE(sim::commands_sent(headset.hid()).empty());
        }
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "archive" / "(null).tavkarch"));
        EXPECT_TRUE(!std::filesystem::exists(folder.path() / "archive") ||
                    std::filesystem::is_empty(folder.path() / "archive"));
    }
}

TEST_F(Frame, EndingClosesEverythingBeforeItSaysFinished)
{
    inputs.path = &kBoxLeftOpenPath;
    useFirmware({kImage});
    int handles_at_close = -1;
    bool finished_at_close = true;
    host.onClose = [&] {
        handles_at_close = bus().open_hid_handles();
        finished_at_close = shared.updateFinished();
    };
    run();
    EXPECT_EQ(host.closes, std::vector<int>{1}) << "the box the worker opened";
    EXPECT_EQ(handles_at_close, 0) << "the link is closed first";
    EXPECT_FALSE(finished_at_close) << "updateFinished comes last";
    EXPECT_TRUE(shared.updateFinished());
    EXPECT_FALSE(host.openedMessageBox());
}

// The boxes the worker opens and closes itself: one at a time, and a flag set without a box never
// closes a box someone else opened.
TEST_F(Frame, InstructionBoxesOpenOnceAndCloseOnlyTheirOwnBox)
{
    kivo::UpdateRun run(inputs, shared, host);
    kivo::open_instruction_box(run, "Press the button", 0);
    kivo::open_instruction_box(run, "a second text while the first is up", 1);
    ASSERT_EQ(host.boxes.size(), 1u);
    const FakeUpdateHost::Box& box = host.boxes[0];
    EXPECT_EQ(box.message, "Press the button");
    EXPECT_TRUE(box.warning);
    EXPECT_FALSE(box.cancel);
    EXPECT_FALSE(box.ok);
    EXPECT_EQ(box.size, 0);
    EXPECT_EQ(box.purpose, kBoxInstruction);
    EXPECT_TRUE(host.openedMessageBox());

    kivo::close_instruction_box(run);
    EXPECT_EQ(host.closes, std::vector<int>{1});
    EXPECT_FALSE(host.openedMessageBox());
    kivo::close_instruction_box(run);
    EXPECT_EQ(host.closes.size(), 1u) << "closed twice";

    kivo::mark_box_without_box(run);
    EXPECT_TRUE(host.openedMessageBox());
    kivo::open_instruction_box(run, "not while the flag is set");
    EXPECT_EQ(host.boxes.size(), 1u);
    kivo::close_instruction_box(run);
    EXPECT_EQ(host.closes.size(), 1u) << "the flag alone closed a box";
    EXPECT_FALSE(host.openedMessageBox());

    // A box the worker left up is closed before the flag stands alone: nothing else would close it.
    kivo::open_instruction_box(run, "Plug it in again", 1);
    ASSERT_EQ(host.boxes.size(), 2u);
    kivo::mark_box_without_box(run);
    EXPECT_EQ(host.closes, (std::vector<int>{1, 2}));
    EXPECT_TRUE(host.openedMessageBox());
}

TEST_F(Frame, TheEndingClosesTheWorkersBoxButNeverOneItOnlyMarked)
{
    static const kivo::TransferPath kOpensABox{
        "opens a box", [](kivo::UpdateRun& run) { kivo::open_instruction_box(run, "wait"); }, {}};
    static const kivo::TransferPath kMarksOnly{"marks only", kivo::mark_box_without_box, {}};
    for (const auto& [path, closes] : {std::pair{&kOpensABox, 1u}, std::pair{&kMarksOnly, 0u}}) {
        SCOPED_TRACE(path->name);
        host.reset();
        inputs.path = path;
        run();
        EXPECT_EQ(host.closes.size(), closes);
        EXPECT_FALSE(host.openedMessageBox());
        EXPECT_TRUE(shared.updateFinished());
    }
}
