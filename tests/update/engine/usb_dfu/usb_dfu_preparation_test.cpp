// The USB DFU paths up to the detach: the download-mode prelude, the search, identification, the
// DFU image and the preparation, against simulated plain-USB headsets and loaders of either DFU
// mode, in virtual time (the detach and the wait for DFU mode are usb_dfu_test.cpp's).

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>

#include "tests/link/test_opener.h"
#include "tests/update/engine/usb_dfu_fixture.h"
#include "update/engine/usb_dfu/usb_dfu_preparation.h"

namespace {

using Event = FakeUpdateHost::Event;

} // namespace

class UsbDfuPreparation : public UsbDfuModeTest {
protected:
    // A download-mode headset on the HID link whose download mode is its plain-USB face (its
    // chip at 1.1, as the product's family runs).
    sim::PluggedHeadset plugDownloadModeHeadset(uint16_t product_id)
    {
        sim::HeadsetPersona persona;
        persona.product_id = product_id;
        persona.plainUsbDownloadMode = sim::PlainUsbDownloadMode{
            std::chrono::seconds(2), sim::usb_headset(static_cast<uint16_t>(product_id + 1), "Headset")};
        return sim::plug_headset(persona);
    }
    // How many image loads the run tried (each shows 1 %).
    int loadTries() const
    {
        return static_cast<int>(std::count_if(changes.begin(), changes.end(), [](const kivo::UpdateProgress& p) {
            return p.updateProcessed == 1 && p.updateRestoreError == 1;
        }));
    }
};

INSTANTIATE_TEST_SUITE_P(DfuModes, UsbDfuPreparation, kBothDfuModes, dfu_mode_name);

TEST_P(UsbDfuPreparation, SearchThatFindsNothingEndsAfterItsTwentyTries)
{
    run();
    EXPECT_EQ(progress().updateRestoreError, 2);
    EXPECT_EQ(status(), failed("Not the recognized device"));
    EXPECT_GE(virtualSeconds(), 19);
    EXPECT_LE(virtualSeconds(), 20);
}

TEST_P(UsbDfuPreparation, TwoDeviceProductTakesOneOrTwoDevicesAndComparesTheSecondInItsLoader)
{
    struct Case {
        const char* what;
        std::vector<uint16_t> normal; // plain-USB headsets, then loaders
        std::vector<uint16_t> loaders;
        int target;
        int usbStatus;
        bool accepted;
    };
    const Case cases[] = {
        {"one device", {0x5310}, {}, 0x5310, 0x5310, true},
        {"two devices", {0x5310, 0x5310}, {}, 0x5310, 0x5310, true},
        {"two loaders", {}, {0xD310, 0xD310}, 0x5310, 0xD310, true},
        {"second in its loader", {0x5310}, {0xD310}, 0x5310, 0xD310, true},
        {"second in its loader, the first compared", {0x5310}, {0xD310}, 0x5310, 0x5310, false},
        {"two devices for a one-device product", {0x5310, 0x5310}, {}, 0x4D10, 0x5310, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        for (uint16_t id : c.normal)
            plugHeadset(id);
        for (uint16_t id : c.loaders)
            plugLoader(id);
        target(static_cast<uint16_t>(c.target));
        inputs.data.setDeviceRecognized(0x5310);
        inputs.session.usbStatus = c.usbStatus;
        inputs.data.setDeviceVersion({1, 1, 0, 0});
        inputs.firmwareFile = (folder.path() / "missing.dfu").string();
        run();
        // Accepted devices reach the image, which is missing.
        EXPECT_EQ(progress().updateRestoreError, c.accepted ? 3 : 2);
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

TEST_P(UsbDfuPreparation, ChipOfAnotherProductOrVersionIsNotTheRecognizedDevice)
{
    struct Case {
        int recognized;
        FirmwareQuad version;
        int error;
    };
    for (const Case c : {Case{0x4D10, {5, 1, 0, 0}, 3}, Case{0x4D30, {5, 1, 0, 0}, 2}, Case{0x4D10, {5, 0, 0, 0}, 2},
                         Case{0x4D10, {5, 1, 2, 0}, 2}}) {
        SCOPED_TRACE(testing::Message() << std::hex << c.recognized << " " << c.version.minor);
        bus().reset();
        const auto headset = plugHeadset(0x4D10);
        inputs.data.setDeviceRecognized(c.recognized);
        inputs.data.setDeviceVersion(c.version);
        inputs.firmwareFile = (folder.path() / "missing.dfu").string();
        run();
        EXPECT_EQ(progress().updateRestoreError, c.error);
        EXPECT_TRUE(sim::ps_writes(*headset).empty());
        EXPECT_TRUE(dfuRequests(*headset).empty());
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

TEST_P(UsbDfuPreparation, ImageIsLoadedUnderEachModelTextTheProductMayCarry)
{
    struct Case {
        int recognized;
        int target;
        int usbStatus;
        std::string modelText;
        int tries;
        bool loaded;
    };
    const Case cases[] = {
        {0x5010, 0x5010, 0xD010, model(0x5010, 0x5010), 1, true},
        {0x5010, 0x5010, 0xD010, model(0x5010, 0x5061), 2, true},
        {0x5010, 0x5010, 0xD010, model(0x5010, 0x5060), 3, true},
        {0x5010, 0x5010, 0xD010, model(0x5010, 0x5011), 3, false},
        // Found as the selected product: the first text names the selected one.
        {0x4D45, 0x4D15, 0xCD15, model(0x4D45, 0x4D15), 1, true},
        // No internal name: no model text can be right, and "(null)" is never looked for.
        {0x4D11, 0x4D10, 0xCD10, "#4D11", 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modelText);
        bus().reset();
        changes.clear();
        const auto loader = plugLoader(static_cast<uint16_t>(c.usbStatus));
        target(static_cast<uint16_t>(c.target));
        inputs.data.setDeviceRecognized(c.recognized);
        inputs.session.usbStatus = c.usbStatus;
        const fwfile::Bytes file = useDfuFile(c.modelText);
        run();
        EXPECT_EQ(loadTries(), c.tries);
        if (c.loaded) {
            // The loader is idle: the image is written.
            EXPECT_EQ(progress().updateRestoreError, 0);
            EXPECT_EQ(status(), kProcessing);
            EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
        } else {
            EXPECT_EQ(progress().updateRestoreError, 3);
            EXPECT_EQ(
                status(),
                failed("Firmware not for " + kivo::ProductNames::tavk_product_name_for_internal(c.recognized, false)));
            EXPECT_TRUE(dfuRequests(*loader).empty());
            EXPECT_TRUE(loader->usb.dfu->downloads.empty());
        }
    }
    EXPECT_EQ(kivo::dfu_model_text(0x5010, 0x5061), "Elmora#5061");
    EXPECT_EQ(kivo::dfu_model_text(0x4D11, 0x4D11), "");
}

TEST_P(UsbDfuPreparation, DeviceInItsLoaderIsNeitherIdentifiedNorClearedNorBackedUp)
{
    const auto loader = plugLoader(0xCD10);
    recognized(0x4D10, 0xCD10);
    const fwfile::Bytes file = useDfuFile(model(0x4D10, 0x4D10));
    run();
    EXPECT_NE(std::find(statuses.begin(), statuses.end(), std::string(kProcessing) + " without backup firmware"),
              statuses.end());
    EXPECT_FALSE(std::filesystem::exists(inputs.archiveFolder)) << "no backup";
    EXPECT_TRUE(sim::ps_writes(*loader).empty());
    const std::vector<int> requests = dfuRequests(*loader);
    EXPECT_EQ(firstOf(requests, 3), (std::vector<int>{kGetStatus, kGetStatus, kDnload}));
    EXPECT_EQ(loader->usb.dfu->image(), imageOf(file));
    EXPECT_EQ(progress().updateRestoreError, 0);
}

TEST_P(UsbDfuPreparation, DownloadModeProductInItsLoaderSkipsThePreludeAndIsExpectedUnderItsLoaderId)
{
    struct Case {
        const char* what;
        std::vector<uint16_t> loaders;
        int error;
        int usbStatusFound; // the run's own, for the page to apply
        bool allTries;
    };
    const Case cases[] = {
        // Once the search has found a device, its own loader is opened and is the one expected: on
        // to the image, which is missing.
        {"beside another loader", {0xE020, 0xCD10}, 3, 0xE020, false},
        // Its loader id is not one the management-mode search takes.
        {"alone", {0xE020}, 2, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        for (uint16_t id : c.loaders)
            plugLoader(id);
        recognized(0x6020, 0xE020);
        inputs.opener = open_product(0x6020);
        inputs.firmwareFile = (folder.path() / "missing.dfu").string();
        run();
        EXPECT_TRUE(bus().hid_opens().empty());
        EXPECT_TRUE(host.events.empty());
        EXPECT_EQ(progress().updateRestoreError, c.error);
        EXPECT_EQ(shared.usbStatusFound(), c.usbStatusFound);
        EXPECT_EQ(virtualSeconds() >= 19, c.allTries);
        EXPECT_EQ(bus().open_usb_handles(), 0);
    }
}

TEST_P(UsbDfuPreparation, DownloadModePreludeSwitchesTheHeadsetWhileTheSpinnerTurns)
{
    const sim::PluggedHeadset headset = plugDownloadModeHeadset(0x6020);
    recognized(0x6020, 0x6020, {1, 1, 0, 0});
    inputs.opener = open_product(0x6020);
    std::vector<int> shownAtSpinner;
    host.onEvent = [&](const Event&) { shownAtSpinner.push_back(progress().updateProcessed); };
    run();

    EXPECT_EQ(sim::commands_sent(headset.hid()), std::vector<uint8_t>{0x0E});
    EXPECT_EQ(host.events, (std::vector<Event>{{Event::SpinnerStarted}, {Event::SpinnerStopped}}));
    EXPECT_EQ(shownAtSpinner, (std::vector<int>{0, 3}));
    std::vector<int> shown;
    for (const kivo::UpdateProgress& p : changes)
        if (shown.empty() || shown.back() != p.updateProcessed)
            shown.push_back(p.updateProcessed);
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3}));
    // Back on plain USB under the id the path expects of it ...
    EXPECT_EQ(headset.headset->product_id, 0x6021);
    EXPECT_TRUE(headset.headset->present());
    EXPECT_TRUE(headset.headset->hid.empty());
    // ... where the management-mode search, which looks for other products only, never finds it
    // alone: 10 s for the headset to switch, then the 20 tries of the search.
    EXPECT_GE(virtualSeconds(), 10 + 19);
    EXPECT_LE(virtualSeconds(), 10 + 20);
    EXPECT_EQ(progress().updateRestoreError, 2);
    EXPECT_EQ(status(), failed("Not the recognized device"));
    EXPECT_TRUE(dfuRequests(*headset.headset).empty());
}

// From the HID prelude to the image written: the switched headset is detached into its loader by a
// first run, and written by the run after, once recognition has found it there. The management-mode
// search needs a device it looks for on the bus: another of the maker's headsets, which neither run
// may change.
TEST_P(UsbDfuPreparation, DownloadModeHeadsetIsWrittenFromItsPrelude)
{
    struct Case {
        uint16_t product;
        uint16_t onPlainUsb;
        uint16_t loader;
    };
    for (const Case c : {Case{0x6020, 0x6021, 0xE020}, Case{0x6022, 0x6023, 0xE022}, Case{0x6024, 0x6025, 0xE024}}) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product);
        bus().reset();
        host.reset();
        const sim::PluggedHeadset headset = plugDownloadModeHeadset(c.product);
        const auto bystander = plugHeadset(0x6420);
        const uint64_t bystander_presence = bystander->generation();
        const fwfile::Bytes file = useDfuFile(model(c.product, c.product));

        recognized(c.product, c.product, {1, 1, 0, 0});
        inputs.opener = open_product(c.product);
        run();
        EXPECT_EQ(sim::commands_sent(headset.hid()), std::vector<uint8_t>{0x0E});
        EXPECT_EQ(shared.usbStatusFound(), c.onPlainUsb);
        EXPECT_EQ(dfuRequests(*headset.headset), (std::vector<int>{kGetStatus, kDetach, kGetStatus, kGetStatus}));
        EXPECT_EQ(headset.headset->product_id, c.loader);
        EXPECT_TRUE(headset.headset->usb.dfu->downloads.empty()) << "a detach run writes nothing";
        EXPECT_TRUE(host.boxes.empty());
        EXPECT_EQ(progress().updateProcessed, 5);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(status(), kProcessing);

        // Recognition finds it back in its loader meanwhile.
        kivo::sleep_ms(1000);
        recognized(c.product, c.loader);
        run();
        EXPECT_EQ(headset.headset->usb.dfu->image(), imageOf(file));
        EXPECT_EQ(headset.headset->product_id, c.onPlainUsb) << "running its new firmware";
        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(progress().updateRestoreError, 0);
        EXPECT_EQ(status(), kProcessing);

        EXPECT_TRUE(dfuRequests(*bystander).empty());
        EXPECT_EQ(bystander->generation(), bystander_presence) << "never reset";
    }
}

// The prelude's own failures: no headset to switch, or another product, ends the run before the
// pause and the search; a switch the headset refuses is only traced, and the run goes on.
TEST_P(UsbDfuPreparation, DownloadModePreludeEndsOnlyWhenTheHeadsetIsNotTheRecognizedOne)
{
    struct Case {
        const char* what;
        std::optional<uint16_t> plugged; // the HID headset, if any
        std::vector<sim::CommandFault> faults;
        const char* trace; // nullptr: the switch is not sent
    };
    const Case cases[] = {
        {"no headset", std::nullopt, {}, nullptr},
        {"another product", 0x6022, {}, nullptr},
        {"the switch refused", 0x6020, {{0x0E, 1}}, "COMMAND_ENTER_DNLD_MODE FAIL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        host.reset();
        sim::PluggedHeadset headset;
        if (c.plugged) {
            sim::HeadsetPersona persona;
            persona.product_id = *c.plugged;
            persona.commandFaults = c.faults;
            headset = sim::plug_headset(persona);
        }
        recognized(0x6020, 0x6020);
        inputs.opener = open_product(c.plugged.value_or(0x6020));
        testing::internal::CaptureStderr();
        run();
        const std::string trace = testing::internal::GetCapturedStderr();

        EXPECT_EQ(progress().updateRestoreError, 2);
        EXPECT_EQ(status(), failed("Not the recognized device"));
        EXPECT_EQ(bus().open_hid_handles(), 0);
        if (c.trace == nullptr) {
            EXPECT_TRUE(host.events.empty()) << "no spinner, no pause";
            EXPECT_EQ(virtualSeconds(), 0);
            if (c.plugged) {
                EXPECT_TRUE(sim::commands_sent(headset.hid()).empty());
            }
            continue;
        }
        // Switched or not, the pause with the spinner and the search follow (nothing found here).
        EXPECT_NE(trace.find(c.trace), std::string::npos) << trace;
        EXPECT_EQ(sim::commands_sent(headset.hid()), std::vector<uint8_t>{0x0E});
        EXPECT_EQ(host.events, (std::vector<Event>{{Event::SpinnerStarted}, {Event::SpinnerStopped}}));
        EXPECT_GE(virtualSeconds(), 10 + 19);
    }
}
