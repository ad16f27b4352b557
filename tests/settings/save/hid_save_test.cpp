// The save over HID: the family a product takes, the identity checks before any write, the exact
// reports of each path, failures that a later success must not hide, and a headset that stops
// answering half-way.

#include <functional>
#include <memory>
#include <string>

#include "device/products/settings_save_families.h"
#include "tests/settings/save/save_fixture.h"

namespace {

using Record = KIVOBluetoothDeviceData;
using kivo::SettingsSaveFamily;
using namespace kivo::settings;

// Settings word i of the edited working copy.
uint16_t w(int i) { return static_cast<uint16_t>(0x1234 + 0x0101 * i); }
Words words_from_0(int n)
{
    Words words;
    for (int i = 0; i < n; ++i)
        words.push_back(w(i));
    return words;
}
constexpr uint16_t kVox = 0x0A0B;
constexpr uint16_t kSmart = 0x0C0D;
constexpr uint16_t kOemFlags = 0x0300; // FM radio and smartphone connection on
constexpr uint16_t kBackgroundVolume = 7;

uint16_t basic(const Record& c) { return c.getSettings40(); }
uint16_t second(const Record& c) { return c.getSettings40Second(); }

using Reports = std::vector<sim::Bytes>;
using Expected = std::function<Reports(const Record& current)>;

struct ReportCase {
    const char* name;
    uint16_t product;
    sim::VersionQuad version;
    Expected expected;
};

} // namespace

TEST_F(SaveTest, EachFamilyIsChosenByItsFirstListing)
{
    using enum SettingsSaveFamily;
    const std::vector<std::pair<int, SettingsSaveFamily>> cases = {
        {0x4210, F1}, {0x3560, F2}, {0x6800, F3},  {0x6510, F4},  {0x5630, F5},  {0x5552, F6},  {0x6038, F7},
        {0x6461, F8}, {0x3310, F9}, {0x3142, F10}, {0x5410, F11}, {0x5210, F12}, {0x4D10, F12}, {0x7777, F12},
    };
    for (const auto& [product, family] : cases)
        EXPECT_EQ(kivo::settings_save_family(product), family) << std::hex << product;
}

TEST_F(SaveTest, NothingIsWrittenToADeviceThatIsNotTheRecognizedOne)
{
    struct Case {
        const char* name;
        uint16_t on_bus;
        uint16_t recognized;
        std::function<void(sim::HeadsetPersona&, SettingsSaveInput&)> arrange;
        int result;
    };
    const Case cases[] = {
        {"nothing opens", 0x5630, 0x5630,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) { in.opener = open_product(0x5632); }, kSaveNotRecognized},
        {"no opener", 0x5630, 0x5630, [](sim::HeadsetPersona&, SettingsSaveInput& in) { in.opener = nullptr; },
         kSaveNotRecognized},
        {"another model plugged in since", 0x5632, 0x5630,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) { in.opener = hid_open_device; }, kSaveNotRecognized},
        {"another version", 0x3142, 0x3142,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion01({2, 0, 0, 0});
         },
         kSaveNotRecognized},
        {"another secondary version", 0x3310, 0x3310,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) {
             in.data.setDeviceVersion({2, 1, 2, 3});
         },
         kSaveNotRecognized},
        {"version not told", 0x3142, 0x3142,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingCommands = {0x01}; }, kSaveNotRecognized},
        {"readiness not told", 0x5630, 0x5630,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.failingCommands = {0x12}; }, kSaveWriteFailed},
        {"not ready", 0x6038, 0x6038, [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.readiness = 1; },
         kSaveWriteFailed},
        {"QCC headset not ready", 0x6510, 0x6510, [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.readiness = 1; },
         kSaveWriteFailed},
        {"other F4 products are not asked", 0x4D76, 0x4D76,
         [](sim::HeadsetPersona& p, SettingsSaveInput&) { p.readiness = 1; }, kSaveSucceeded},
        {"F1 with its second interface missing", 0x4210, 0x4210, [](sim::HeadsetPersona&, SettingsSaveInput&) {},
         kSaveNotRecognized},
        {"F1 through hid_open_device", 0x4210, 0x4210,
         [](sim::HeadsetPersona&, SettingsSaveInput& in) { in.opener = hid_open_device; }, kSaveNotRecognized},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        sim::HeadsetPersona persona = save_headset(c.on_bus, {2, 1, 0, 0});
        SettingsSaveInput input = hid_input(save_headset(c.recognized, {2, 1, 0, 0}));
        c.arrange(persona, input);
        const sim::PluggedHeadset headset = sim::plug_headset(persona);

        EXPECT_EQ(save(input), c.result);
        if (c.result != kSaveSucceeded) {
            EXPECT_TRUE(record_reports(headset.hid()).empty());
        }
    }
}

TEST_F(SaveTest, EachPathSendsItsReportsInOrder)
{
    const ReportCase cases[] = {
        {"OEM headset: flags least significant byte first, then four words",
         0x3142,
         {2, 1, 0, 0},
         [](const Record&) {
             return Reports{unswapped_write_report(0x09, {kOemFlags}), write_report(0x04, words_from_0(4))};
         }},
        {"0x3110 at 2.0",
         0x3110,
         {2, 0, 0, 0},
         [](const Record&) { return Reports{write_report(0x04, words_from_0(2))}; }},
        {"0x3110 at 3.4",
         0x3110,
         {3, 4, 0, 0},
         [](const Record&) { return Reports{write_report(0x04, words_from_0(4))}; }},
        {"0x3110 at 3.5",
         0x3110,
         {3, 5, 0, 0},
         [](const Record&) { return Reports{write_report(0x04, words_from_0(5))}; }},
        {"0x3124 at 1.0",
         0x3124,
         {1, 0, 0, 0},
         [](const Record&) { return Reports{write_report(0x04, words_from_0(4))}; }},
        {"0x3124 at 1.1",
         0x3124,
         {1, 1, 0, 0},
         [](const Record&) { return Reports{write_report(0x04, words_from_0(5))}; }},
        {"F9", 0x3310, {1, 0, 0, 0}, [](const Record&) { return Reports{write_report(0x04, words_from_0(4))}; }},
        {"0x3560 at 1.4.2",
         0x3560,
         {1, 4, 0, 2},
         [](const Record&) {
             return Reports{write_report(0x20, {w(0)}), write_report(0x1F, {w(1)})};
         }},
        {"0x3560 at 1.4.3",
         0x3560,
         {1, 4, 0, 3},
         [](const Record&) {
             return Reports{write_report(0x20, {w(0)}), write_report(0x1F, {w(1)}), write_report(0x1E, {w(2)})};
         }},
        {"0x3570 at 1.4.2", 0x3570, {1, 4, 0, 2}, [](const Record&) { return Reports{write_report(0x20, {w(0)})}; }},
        {"0x3570 at 1.4.3",
         0x3570,
         {1, 4, 0, 3},
         [](const Record&) {
             return Reports{write_report(0x20, {w(0)}), write_report(0x1F, {w(1)}), write_report(0x1E, {w(2)})};
         }},
        {"62-byte write", 0x6800, {1, 0, 0, 0}, [](const Record&) { return Reports{airoha_report(words_from_0(3))}; }},
        {"F4", 0x4D76, {1, 0, 0, 0}, [](const Record&) { return Reports{write_report(0x36, words_from_0(2))}; }},
        {"F5",
         0x5630,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x36, {basic(c), w(1), w(2), w(3), w(4)})};
         }},
        {"F6",
         0x5552,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x36, {basic(c), w(1), w(2)})};
         }},
        {"F7: VOX in 0x17, committed as 0x14",
         0x6038,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x36, {basic(c), second(c)}), write_report(0x17, {kVox}),
                            commit_report(0x14, {kVox})};
         }},
        {"F8",
         0x5590,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x36, {basic(c), w(1)})};
         }},
        {"F8 with background volume",
         0x6461,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x36, {basic(c), w(1)}), read_request(0x3F, 8),
                            write_report(0x3F, {0, 0, 0, 0, 0, 0, 0, kBackgroundVolume})};
         }},
        {"0x3070: basic word and word 1",
         0x3070,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), w(1)})};
         }},
        {"0x5576: both basic words",
         0x5576,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)})};
         }},
        {"0x5424: VOX and smart volume",
         0x5424,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), w(1)}), write_report(0x14, {kVox}),
                            write_report(0x03, {kSmart})};
         }},
        {"0x5410: each record committed",
         0x5410,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), 0}), commit_report(0x04, {basic(c), 0}),
                            write_report(0x14, {kVox}),        commit_report(0x14, {kVox}),
                            write_report(0x03, {kSmart}),      commit_report(0x03, {kSmart})};
         }},
        {"0x5510 at 1.9",
         0x5510,
         {1, 9, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)}), write_report(0x07, {0x2100, 0x2101})};
         }},
        {"0x5510 at 2.0",
         0x5510,
         {2, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)}), write_report(0x07, {0x2100, 0x2101}),
                            write_report(0x1C, {0x2102, 0x2103})};
         }},
        {"0x5520: VOX",
         0x5520,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)}), write_report(0x14, {kVox})};
         }},
        {"0x5622 at 1.0",
         0x5622,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)}), write_report(0x03, {kSmart})};
         }},
        {"0x5622 at 1.1",
         0x5622,
         {1, 1, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)}), write_report(0x03, {kSmart}),
                            write_report(0x14, {kVox})};
         }},
        {"0x5623 at 1.0",
         0x5623,
         {1, 0, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)})};
         }},
        {"0x5623 at 1.1",
         0x5623,
         {1, 1, 0, 0},
         [](const Record& c) {
             return Reports{write_report(0x04, {basic(c), second(c)}), write_report(0x14, {kVox})};
         }},
        {"0x6010: VOX in 0x14",
         0x6010,
         {1, 0, 0, 0},
         [](const Record& c) {
             const Words four = {basic(c), 0, w(2), 0};
             return Reports{write_report(0x04, four), commit_report(0x04, four), write_report(0x14, {kVox}),
                            commit_report(0x14, {kVox})};
         }},
        {"0x6020: VOX in 0x12",
         0x6020,
         {1, 0, 0, 0},
         [](const Record& c) {
             const Words four = {basic(c), 0, 0, 0};
             return Reports{write_report(0x04, four), commit_report(0x04, four), write_report(0x12, {kVox}),
                            commit_report(0x12, {kVox})};
         }},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        sim::HeadsetPersona persona = save_headset(c.product, c.version);
        persona.shortReports = c.product == 0x6800;
        const sim::PluggedHeadset headset = sim::plug_headset(persona);
        const SettingsSaveInput input = hid_input(persona);

        EXPECT_EQ(save(input), kSaveSucceeded);
        EXPECT_EQ(record_reports(headset.hid()), c.expected(input.dataCurrent));
    }
}

TEST_F(SaveTest, TheTwoInterfaceHeadsetsWriteOnTheSecondAsManyWordsAsTheirFirmwareTakes)
{
    const std::vector<std::pair<sim::VersionQuad, size_t>> cases = {
        {{1, 0, 0, 0}, 3}, {{1, 1, 0, 0}, 4}, {{1, 2, 0, 0}, 10}};
    for (const auto& [version, counted] : cases) {
        SCOPED_TRACE(testing::Message() << int{version.major} << "." << int{version.minor});
        start_over();
        sim::HeadsetPersona second_interface = save_headset(0x4210, {3, 3, 0, 0});
        const sim::PluggedHeadset first = sim::plug_headset(save_headset(0x4210, version));
        const sim::PluggedHeadset second = sim::plug_headset(second_interface);
        SettingsSaveInput input = hid_input(save_headset(0x4210, version));
        input.data.setDeviceVersion02({3, 3, 0, 0});
        input.opener = open_product_in_two_slots(0x4210);

        EXPECT_EQ(save(input), kSaveSucceeded);
        EXPECT_TRUE(record_reports(first.hid()).empty());
        EXPECT_EQ(record_reports(second.hid()), Reports{write_report_carrying(0x04, words_from_0(10), counted)});
    }

    // The second interface runs another firmware than the record's second module.
    start_over();
    const sim::PluggedHeadset first = sim::plug_headset(save_headset(0x4210, {1, 2, 0, 0}));
    const sim::PluggedHeadset second = sim::plug_headset(save_headset(0x4210, {3, 2, 0, 0}));
    SettingsSaveInput input = hid_input(save_headset(0x4210, {1, 2, 0, 0}));
    input.data.setDeviceVersion02({3, 3, 0, 0});
    input.opener = open_product_in_two_slots(0x4210);
    EXPECT_EQ(save(input), kSaveNotRecognized);
    EXPECT_TRUE(record_reports(second.hid()).empty());
}

TEST_F(SaveTest, AFailedWriteIsNotHiddenByALaterSuccess)
{
    struct Case {
        const char* name;
        uint16_t product;
        sim::VersionQuad version;
        std::function<void(sim::HeadsetPersona&)> arrange;
        int result;
        std::vector<uint8_t> records; // (command, record) of every record report, in order
    };
    const Case cases[] = {
        {"0x3560: first of three refused",
         0x3560,
         {1, 4, 0, 3},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x20}; },
         kSaveWriteFailed,
         {0x04, 0x20, 0x04, 0x1F, 0x04, 0x1E}},
        {"F7: record 0x36 refused",
         0x6038,
         {1, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x36}; },
         kSaveWriteFailed,
         {0x04, 0x36, 0x04, 0x17, 0x11, 0x14}},
        {"F8: record 0x36 refused before the background volume",
         0x6461,
         {1, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x36}; },
         kSaveWriteFailed,
         {0x04, 0x36, 0x03, 0x3F, 0x04, 0x3F}},
        {"0x5510: first camera record refused",
         0x5510,
         {2, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x07}; },
         kSaveWriteFailed,
         {0x04, 0x04, 0x04, 0x07, 0x04, 0x1C}},
        {"OEM flags refused: record 4 still written",
         0x3142,
         {2, 1, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x09}; },
         kSaveWriteFailed,
         {0x04, 0x09, 0x04, 0x04}},
        {"commits refused",
         0x6020,
         {1, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingCommands = {0x11}; },
         kSaveWriteFailed,
         {0x04, 0x04, 0x11, 0x04, 0x04, 0x12, 0x11, 0x12}},
        {"a write that ends the path",
         0x5410,
         {1, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x14}; },
         kSaveWriteFailed,
         {0x04, 0x04, 0x11, 0x04, 0x04, 0x14}},
        {"background volume unread: no write, the first write's code",
         0x6481,
         {1, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingRecords = {0x3F}; },
         kSaveSucceeded,
         {0x04, 0x36, 0x03, 0x3F}},
        {"background volume refused",
         0x6481,
         {1, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x3F}; },
         kSaveWriteFailed,
         {0x04, 0x36, 0x03, 0x3F, 0x04, 0x3F}},
        {"62-byte write unanswered",
         0x6800,
         {1, 0, 0, 0},
         [](sim::HeadsetPersona& p) { p.failingWrites = {0x03}; },
         kSaveWriteFailed,
         {0x04, 0x03}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        sim::HeadsetPersona persona = save_headset(c.product, c.version);
        persona.shortReports = c.product == 0x6800;
        c.arrange(persona);
        const sim::PluggedHeadset headset = sim::plug_headset(persona);
        const SettingsSaveInput input = hid_input(persona);
        const Record recognized = input.data;

        EXPECT_EQ(save(input), c.result);
        std::vector<uint8_t> records;
        for (const sim::Bytes& out : record_reports(headset.hid())) {
            records.push_back(out.size() == 62 ? out[2] : out[1]);
            records.push_back(out.size() == 62 ? out[3] : out[2]);
        }
        EXPECT_EQ(records, c.records);
        EXPECT_EQ(input.data, recognized) << "the recognized record still says what the device holds";
    }
}

TEST_F(SaveTest, AHeadsetThatStopsAnsweringEndsTheSaveWithinTheLinkBounds)
{
    struct Case {
        const char* name;
        uint16_t product;
        int answered; // reports answered before the headset falls silent
        long long at_least_s;
        long long at_most_s;
    };
    const Case cases[] = {
        // Two writes, each waiting out one status report.
        {"1023/67-byte reports", 0x3142, 1, 60, 2 * 300},
        // One write polled 10,000 times 1 ms apart.
        {"62-byte reports", 0x6800, 0, 10, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        sim::HeadsetPersona persona = save_headset(c.product, {2, 1, 0, 0});
        persona.shortReports = c.product == 0x6800;
        const sim::PluggedHeadset headset = sim::plug_headset(persona);
        sim::HidInterface& iface = headset.hid();
        auto answered = std::make_shared<int>(0);
        iface.handler = [inner = iface.handler, answered, limit = c.answered](const sim::Bytes& out) {
            return (*answered)++ < limit ? inner(out) : sim::HidReply{};
        };
        const long long start = virtual_seconds();

        EXPECT_EQ(save(hid_input(persona)), kSaveWriteFailed);
        EXPECT_GE(virtual_seconds() - start, c.at_least_s);
        EXPECT_LE(virtual_seconds() - start, c.at_most_s);
    }
}
