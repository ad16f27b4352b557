// The FM radio save against the simulated bus: the reports each family sends, written out here
// from the block's layout; the identity checks before any write; failures of writes, commits and
// keys; a device that stops answering. The fixture checks after every run that nothing is left open.

#include <functional>

#include "settings/save/fm_save.h"
#include "tests/settings/save/save_fixture.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim/usb_headsets.h"

namespace {

using Record = KIVOBluetoothDeviceData;
using namespace kivo::settings;
using Reports = std::vector<sim::Bytes>;

// The working copy every case saves: Europe, 95.1 MHz on preset 2, presets 1, 2, 4, 7 and 10 set, RDS off.
constexpr uint16_t kRegion = 4, kCurrent = 9510, kCurrentPreset = 2, kRds = 0;
const Words kPresets = {8750, 9990, 0, 10170, 0, 0, 9000, 0, 0, 10800};

Record with_fm_edits(Record record)
{
    record.setFmRadioRegion(kRegion);
    record.setFmRadioCurrentFrequency(kCurrent);
    record.setFmRadioCurrentPreset(kCurrentPreset);
    for (size_t i = 0; i < kPresets.size(); ++i)
        record.setFmRadioPresetsAt_with(static_cast<int>(i), kPresets[i]);
    record.setFmRadioRDS(kRds);
    return record;
}

// The block as the device must get it: magic, current frequency and preset, the first `presets`
// presets, RDS, region.
Words block(uint16_t magic, size_t presets = 10)
{
    Words words = {magic, kCurrent, kCurrentPreset};
    words.insert(words.end(), kPresets.begin(), kPresets.begin() + static_cast<long>(presets));
    words.push_back(kRds);
    words.push_back(kRegion);
    return words;
}

// The 62-byte write of the block: 01, 60, write, sub-record 8, the words least significant byte first.
sim::Bytes short_block_report(const Words& words)
{
    sim::Bytes report = short_write_report(0x08);
    put_words(report, 4, words, false);
    return report;
}

SettingsSaveInput fm_input(const sim::HeadsetPersona& persona)
{
    SettingsSaveInput input = hid_input(persona);
    input.dataCurrent = with_fm_edits(input.data);
    return input;
}

SettingsSaveInput fm_usb_input(const sim::UsbHeadsetPersona& persona)
{
    SettingsSaveInput input = usb_input_as_recognized(persona);
    input.dataCurrent = with_fm_edits(input.data);
    return input;
}

int fm_save(const SettingsSaveInput& input) { return fm_radio::threadMethodSave(input).result; }

} // namespace

TEST_F(SaveTest, FmSaveSendsEachFamilysBlock)
{
    struct Case {
        const char* name;
        uint16_t product;
        Arrange arrange;
        Reports expected;
    };
    const Case cases[] = {
        {"0x5416: fifteen words with the unread magic, then their commit",
         0x5416,
         as_recognized,
         {write_report(0x15, block(0x56E9)), commit_report(0x15, block(0x56E9))}},
        {"six presets: eleven words, then their commit",
         0x6010,
         as_recognized,
         {write_report(0x15, block(0x56E9, 6)), commit_report(0x15, block(0x56E9, 6))}},
        {"record 0x44 without a version check",
         0x5440,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion({7, 7, 0, 0});
         },
         {write_report(0x44, block(0x66E9))}},
        {"0x6510 ready", 0x6510, as_recognized, {write_report(0x44, block(0x66E9))}},
        {"the 62-byte write",
         0x6806,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.shortReports = true; },
         {short_block_report(block(0x66E9))}},
        {"the OEM headset answers for its module",
         0x3142,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion({7, 7, 0, 0});
         },
         {write_report(0x15, block(0x66E9))}},
        {"0x5424 answers for itself",
         0x5424,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion01({7, 7, 0, 0});
         },
         {write_report(0x15, block(0x66E9))}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [headset, input] = plug_arranged(c.product, fm_input, c.arrange);

        EXPECT_EQ(fm_save(input), kPageSaveSucceeded);
        EXPECT_EQ(record_reports(headset.hid()), c.expected);
    }
}

TEST_F(SaveTest, FmSaveOfTheTwoModuleHeadsetsNeedsTheSecondInterface)
{
    // The opener of the application fills slot 0 only: the second module cannot answer.
    const sim::PluggedHeadset first = sim::plug_headset(save_headset(0x4210, {1, 2, 0, 0}));
    const sim::PluggedHeadset second = sim::plug_headset(save_headset(0x4210, {3, 3, 0, 0}));
    SettingsSaveInput input = fm_input(save_headset(0x4210, {1, 2, 0, 0}));
    input.data.setDeviceVersion02({3, 3, 0, 0});
    EXPECT_EQ(fm_save(input), kPageSaveNotRecognized);
    EXPECT_TRUE(record_reports(first.hid()).empty());
    EXPECT_TRUE(record_reports(second.hid()).empty());

    // With both interfaces open the block goes to the second.
    input.opener = open_product_in_two_slots(0x4210);
    EXPECT_EQ(fm_save(input), kPageSaveSucceeded);
    EXPECT_TRUE(record_reports(first.hid()).empty());
    EXPECT_EQ(record_reports(second.hid()), Reports{write_report(0x15, block(0x66E9))});
}

TEST_F(SaveTest, FmSaveFailuresOverHid)
{
    struct Case {
        const char* name;
        uint16_t product;
        Arrange arrange;
        int result;
        std::vector<uint8_t> commands; // (command, record) of every record report, in order
    };
    const Case cases[] = {
        {"another product plugged in",
         0x5440,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) { in.usbStatus = 0x5441; },
         kPageSaveNotRecognized,
         {}},
        {"another version",
         0x3142,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion01({2, 0, 0, 0});
         },
         kPageSaveNotRecognized,
         {}},
        {"version not told",
         0x5416,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingCommands = {0x01}; },
         kPageSaveNotRecognized,
         {}},
        {"0x6510 not ready",
         0x6510,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.readiness = 1; },
         kPageSaveNotSaved,
         {}},
        {"0x6500 readiness not told",
         0x6500,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingCommands = {0x12}; },
         kPageSaveNotSaved,
         {}},
        {"other products of record 0x44 are not asked",
         0x5440,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.readiness = 1; },
         kPageSaveSucceeded,
         {0x04, 0x44}},
        {"write refused",
         0x3142,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingWrites = {0x15}; },
         kPageSaveNotSaved,
         {0x04, 0x15}},
        {"commit refused",
         0x5416,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingCommands = {0x11}; },
         kPageSaveNotSaved,
         {0x04, 0x15, 0x11, 0x15}},
        {"62-byte write unanswered",
         0x6806,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) {
             p.shortReports = true;
             p.failingWrites = {0x08};
         },
         kPageSaveNotSaved,
         {0x04, 0x08}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [headset, input] = plug_arranged(c.product, fm_input, c.arrange);

        EXPECT_EQ(fm_save(input), c.result);
        std::vector<uint8_t> commands;
        for (const sim::Bytes& report : record_reports(headset.hid())) {
            const bool short_report = report.size() == 62;
            commands.push_back(short_report ? report[2] : report[1]);
            commands.push_back(short_report ? report[3] : report[2]);
        }
        EXPECT_EQ(commands, c.commands);
    }
}

TEST_F(SaveTest, FmSaveOfASilentHeadsetEndsInVirtualTime)
{
    const struct {
        uint8_t command;
        int result;
    } cases[] = {{0x01, kPageSaveNotRecognized}, {0x04, kPageSaveNotSaved}, {0x11, kPageSaveNotSaved}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "silent on " << int{c.command});
        start_over();
        sim::HeadsetPersona persona = save_headset(0x5416, {2, 1, 0, 0});
        persona.commandFaults = {{c.command, 1, sim::CommandFault::Silent}};
        sim::plug_headset(persona);
        const long long before = virtual_seconds();
        EXPECT_EQ(fm_save(fm_input(persona)), c.result);
        EXPECT_LT(virtual_seconds() - before, 60);
    }
}

TEST_F(SaveTest, FmSaveOverThePersistentStore)
{
    // One of the six products that keep the block in key 671.
    const sim::UsbHeadsetPersona persona = sim::usb_headset(0x4D15, "Aldero");
    auto device = bus().plug(sim::make_usb_headset(persona));
    SettingsSaveInput input = fm_usb_input(persona);
    EXPECT_EQ(fm_save(input), kPageSaveSucceeded);
    EXPECT_EQ(key_writes(*device), (std::vector<KeyWrite>{{671, block(0x66E9)}}));

    // The key refused, or not kept: nothing saved.
    for (const auto& [how, fault] : kKeyWriteFaults) {
        SCOPED_TRACE(how);
        start_over();
        device = bus().plug(sim::make_usb_headset(persona));
        device->usb.ps_store->faults.*fault = {671};
        EXPECT_EQ(fm_save(input), kPageSaveNotSaved);
    }

    // Another firmware than the record's: nothing written.
    start_over();
    device = bus().plug(sim::make_usb_headset(persona));
    SettingsSaveInput other_firmware = input;
    other_firmware.data.setDeviceVersion({9, 9, 0, 0});
    EXPECT_EQ(fm_save(other_firmware), kPageSaveNotRecognized);
    EXPECT_TRUE(key_writes(*device).empty());

    // A device the path has no key for has nothing saved, and says so.
    start_over();
    const sim::UsbHeadsetPersona keyless = sim::usb_headset(0x4D10, "Aldero");
    device = bus().plug(sim::make_usb_headset(keyless));
    EXPECT_EQ(fm_save(fm_usb_input(keyless)), kPageSaveNotSaved);
    EXPECT_TRUE(key_writes(*device).empty());

    // No device, and a device in firmware-management mode.
    start_over();
    EXPECT_EQ(fm_save(input), kPageSaveUsbOpenFailed);
    bus().plug(sim::make_dfu_device(0xCD15));
    EXPECT_EQ(fm_save(input), kPageSaveManagementMode);
}

TEST(PageSaveStatus, EachResultNamesItsCause)
{
    const std::vector<std::pair<PageSaveResult, std::string>> cases = {
        {kPageSaveSucceeded, "Device setting saved successfully"},
        {kPageSaveUsbOpenFailed, "Failed to save device setting. Cannot open USB"},
        {kPageSaveManagementMode, "Failed to save device setting. Firmware management mode"},
        {kPageSaveNotSaved, "Failed to save device setting. Cannot save FM Radio Setting"},
        {kPageSaveNotRecognized, "Failed to save device setting. Not the recognized device"},
    };
    for (const auto& [result, english] : cases) {
        const kivo::StatusTextSet texts = page_save_status_set(result, 8, 0x3142, 671);
        EXPECT_EQ(texts[0], english);
        EXPECT_NE(texts[2], english) << "German is its own";
    }
}
