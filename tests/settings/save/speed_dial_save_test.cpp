// The speed-dial save against the simulated bus: the records, 62-byte reports and keys of each
// path, written out here from their layouts; the identity checks before any write; a failed write
// that later writes must not hide; a refused key; a device that stops answering. The fixture checks
// after every run that nothing is left open.

#include <functional>
#include <string>

#include "settings/save/fm_save.h"
#include "settings/save/speed_dial_save.h"
#include "settings/texts/save_texts.h"
#include "tests/settings/save/save_fixture.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim/usb_headsets.h"

namespace {

using Record = KIVOBluetoothDeviceData;
using namespace kivo::settings;
using Reports = std::vector<sim::Bytes>;

const std::string kFirst = "+4930123#*";
const std::string kThird = "0123456789";

Record with_numbers(Record record, const std::string& second = "")
{
    record.setSpeedDialAt_with(0, kFirst);
    record.setSpeedDialAt_with(1, second);
    record.setSpeedDialAt_with(2, kThird);
    return record;
}

Words characters(const std::string& number) { return Words(number.begin(), number.end()); }

// A number's record: one word a character, high byte 0; the count of words in byte 3.
sim::Bytes number_record(uint8_t record, const std::string& number) { return write_report(record, characters(number)); }

// The 62-byte write of a number: 01, 60, write, the index, the text zero padded.
sim::Bytes number_short_report(uint8_t index, const std::string& number)
{
    sim::Bytes report = short_write_report(index);
    std::copy(number.begin(), number.end(), report.begin() + 4);
    return report;
}

SettingsSaveInput speed_dial_input(const sim::HeadsetPersona& persona)
{
    SettingsSaveInput input = hid_input(persona);
    input.dataCurrent = with_numbers(input.data);
    return input;
}

Words twenty_words(const std::string& number)
{
    Words words = characters(number);
    words.resize(20, 0);
    return words;
}

int speed_dial_save(const SettingsSaveInput& input) { return speed_dial::threadMethodSave(input).result; }

} // namespace

TEST_F(SaveTest, SpeedDialSaveSendsEachPathsRecords)
{
    struct Case {
        const char* name;
        uint16_t product;
        Arrange arrange;
        Reports expected;
    };
    const Case cases[] = {
        {"C: an empty number is one word 0",
         0x5440,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion({7, 7, 0, 0});
         },
         {number_record(0x37, kFirst), write_report(0x38, {0}), number_record(0x39, kThird)}},
        {"C: 0x6510 ready",
         0x6510,
         as_recognized,
         {number_record(0x37, kFirst), write_report(0x38, {0}), number_record(0x39, kThird)}},
        {"B: 62-byte reports",
         0x6806,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.shortReports = true; },
         {number_short_report(5, kFirst), number_short_report(6, ""), number_short_report(7, kThird)}},
        {"D1: the first module's version",
         0x3110,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion({7, 7, 0, 0});
         },
         {number_record(0x5A, kFirst), write_report(0x5B, {0}), number_record(0x5C, kThird)}},
        {"D2: the device's version",
         0x5410,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion01({7, 7, 0, 0});
         },
         {number_record(0x5A, kFirst), write_report(0x5B, {0}), number_record(0x5C, kThird)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [headset, input] = plug_arranged(c.product, speed_dial_input, c.arrange);

        EXPECT_EQ(speed_dial_save(input), kPageSaveSucceeded);
        EXPECT_EQ(record_reports(headset.hid()), c.expected);
    }
}

TEST_F(SaveTest, SpeedDialSaveOfTheTwoModuleHeadsetsNeedsTheSecondInterface)
{
    const sim::PluggedHeadset first = sim::plug_headset(save_headset(0x4210, {1, 2, 0, 0}));
    const sim::PluggedHeadset second = sim::plug_headset(save_headset(0x4210, {3, 3, 0, 0}));
    SettingsSaveInput input = speed_dial_input(save_headset(0x4210, {1, 2, 0, 0}));
    input.data.setDeviceVersion02({3, 3, 0, 0});
    EXPECT_EQ(speed_dial_save(input), kPageSaveNotRecognized);
    EXPECT_TRUE(record_reports(first.hid()).empty());

    // Both modules answer: the records go to the first, an empty number without words.
    input.opener = open_product_in_two_slots(0x4210);
    EXPECT_EQ(speed_dial_save(input), kPageSaveSucceeded);
    EXPECT_EQ(record_reports(first.hid()),
              (Reports{number_record(0x5A, kFirst), long_report(0x04, 0x5B, 0), number_record(0x5C, kThird)}));
    EXPECT_TRUE(record_reports(second.hid()).empty());
}

TEST_F(SaveTest, SpeedDialSaveFailuresOverHid)
{
    struct Case {
        const char* name;
        uint16_t product;
        Arrange arrange;
        int result;
        std::vector<uint8_t> records; // the record of every write, in order
    };
    const Case cases[] = {
        {"the first write refused: the others still go",
         0x5440,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingWrites = {0x37}; },
         kPageSaveNotSaved,
         {0x37, 0x38, 0x39}},
        {"the last write refused",
         0x3110,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingWrites = {0x5C}; },
         kPageSaveNotSaved,
         {0x5A, 0x5B, 0x5C}},
        {"0x6510 not ready",
         0x6510,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.readiness = 1; },
         kPageSaveNotSaved,
         {}},
        {"another product plugged in",
         0x5440,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) { in.usbStatus = 0x5441; },
         kPageSaveNotRecognized,
         {}},
        {"another version",
         0x5410,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion({2, 0, 0, 0});
         },
         kPageSaveNotRecognized,
         {}},
        {"version not told",
         0x3110,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingCommands = {0x01}; },
         kPageSaveNotRecognized,
         {}},
        {"a number unanswered over 62-byte reports",
         0x6806,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) {
             p.shortReports = true;
             p.failingWrites = {0x06};
         },
         kPageSaveNotSaved,
         {0x05, 0x06, 0x07}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [headset, input] = plug_arranged(c.product, speed_dial_input, c.arrange);

        EXPECT_EQ(speed_dial_save(input), c.result);
        std::vector<uint8_t> records;
        for (const sim::Bytes& report : record_reports(headset.hid()))
            records.push_back(report.size() == 62 ? report[3] : report[2]);
        EXPECT_EQ(records, c.records);
    }
}

TEST_F(SaveTest, SpeedDialSaveOfASilentHeadsetEndsInVirtualTime)
{
    const struct {
        uint16_t product;
        uint8_t command;
        int result;
    } cases[] = {{0x3110, 0x01, kPageSaveNotRecognized}, {0x5440, 0x04, kPageSaveNotSaved}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product);
        start_over();
        sim::HeadsetPersona persona = save_headset(c.product, {2, 1, 0, 0});
        persona.commandFaults = {{c.command, 1, sim::CommandFault::Silent}};
        sim::plug_headset(persona);
        const long long before = virtual_seconds();
        EXPECT_EQ(speed_dial_save(speed_dial_input(persona)), c.result);
        EXPECT_LT(virtual_seconds() - before, 60);
    }
}

TEST_F(SaveTest, SpeedDialSaveOverThePersistentStore)
{
    const sim::UsbHeadsetPersona persona = sim::usb_headset(0x4D10, "Aldero");
    auto device = bus().plug(sim::make_usb_headset(persona));
    SettingsSaveInput input = usb_input_as_recognized(persona);
    input.dataCurrent = with_numbers(input.data);

    EXPECT_EQ(speed_dial_save(input), kPageSaveSucceeded);
    EXPECT_EQ(key_writes(*device),
              (std::vector<KeyWrite>{
                  {0x2280, twenty_words(kFirst)}, {0x2281, twenty_words("")}, {0x2282, twenty_words(kThird)}}));

    // The second key refused, or not kept: the third is not tried.
    for (const auto& [how, fault] : kKeyWriteFaults) {
        SCOPED_TRACE(how);
        start_over();
        device = bus().plug(sim::make_usb_headset(persona));
        device->usb.ps_store->faults.*fault = {0x2281};
        EXPECT_EQ(speed_dial_save(input), kPageSaveNotSaved);
        std::vector<uint16_t> tried;
        for (const KeyWrite& write : key_writes(*device))
            tried.push_back(write.key);
        EXPECT_EQ(tried, (std::vector<uint16_t>{0x2280, 0x2281}));
    }

    // Another chip than the record's: nothing written.
    start_over();
    device = bus().plug(sim::make_usb_headset(persona));
    SettingsSaveInput other_chip = input;
    other_chip.data.setDeviceRecognized(0x4D30);
    EXPECT_EQ(speed_dial_save(other_chip), kPageSaveNotRecognized);
    EXPECT_TRUE(key_writes(*device).empty());

    // No device, and a device in firmware-management mode.
    start_over();
    EXPECT_EQ(speed_dial_save(input), kPageSaveUsbOpenFailed);
    bus().plug(sim::make_dfu_device(0xCD10));
    EXPECT_EQ(speed_dial_save(input), kPageSaveManagementMode);
}

TEST(PageSaveStatus, AFailedSpeedDialWriteNamesTheSpeedDialSetting)
{
    EXPECT_EQ(page_save_status_set(kPageSaveNotSaved, 9, 0x5440, 0x2280)[0],
              "Failed to save device setting. Cannot save Speed Dial Setting");
    EXPECT_EQ(SaveTexts::tavk_string_cannot_save_in(0x2282, kivo::kGerman),
              "Kurzwahl-Einstellung kann nicht gespeichert werden");
}

TEST_F(SaveTest, PageSavesCloseWhatAnEarlierRunLeftOpen)
{
    // Paths that ask no close before their open in the original order still find both slots free.
    const struct {
        const char* name;
        uint16_t product;
        std::function<int(const SettingsSaveInput&)> save;
    } cases[] = {
        {"FM family E", 0x3142, [](const SettingsSaveInput& in) { return fm_radio::threadMethodSave(in).result; }},
        {"speed-dial path D", 0x3110, speed_dial_save},
        {"speed-dial path C", 0x5440, speed_dial_save},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        const sim::HeadsetPersona persona = save_headset(c.product, {2, 1, 0, 0});
        sim::plug_headset(persona);
        SettingsSaveInput input = speed_dial_input(persona);
        uint32_t opened = 0;
        std::array<char, 256> text{};
        ASSERT_EQ(input.opener(opened, text, {}), 0) << "slot 0 filled before the save";
        EXPECT_EQ(c.save(input), kPageSaveSucceeded);
    }
}
