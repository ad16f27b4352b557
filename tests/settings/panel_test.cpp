// The settings page's fixed panel as data: which layout a product gets at its firmware, the frames
// a layout sets, the values its controls show, which rows show, and, over every product of the
// panel's sets at every firmware band, that placement, visibility, getters, keys and the handlers
// agree; the information buttons' boxes and the timeout field's reading.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/page_ids.h"
#include "device/products/classic_panel.h"
#include "device/products/product_catalogue.h"
#include "settings/panel_information.h"
#include "settings/panel_layout.h"
#include "settings/panel_visibility.h"
#include "settings/table/handlers.h"
#include "settings/timeout_field.h"
#include "tests/settings/panel_products.h"

using namespace kivo::settings;
using Record = KIVOBluetoothDeviceData;
using R = ClassicRow;

namespace {

Record recognized(int product, int major, int minor)
{
    Record record;
    record.setDeviceRecognized(product);
    record.setDeviceVersionMajor_Minor(major, minor);
    return record;
}

ClassicLayout layout_of(int product, int major, int minor)
{
    return classic_layout(product, recognized(product, major, minor));
}

std::map<std::string, Frame> frames_of(const ClassicLayout& layout)
{
    std::map<std::string, Frame> frames;
    for (const OutletFrame& placed : layout.frames)
        frames[std::string(placed.outlet)] = placed.frame;
    return frames;
}

std::string hex(int id)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", id);
    return text;
}

} // namespace

TEST(PanelLayout, ProductAndFirmwareChooseTheLayout)
{
    struct Case {
        int product, major, minor, layout;
    };
    for (const Case c : {Case{0x4D10, 3, 9, 1},  Case{0x4D10, 4, 0, 2},  Case{0x4D10, 4, 1, 3},  Case{0x4D10, 4, 2, 5},
                         Case{0x4D10, 5, 0, 6},  Case{0x5020, 4, 1, 4},  Case{0x5020, 5, 3, 7},  Case{0x5010, 4, 9, 7},
                         Case{0x5010, 5, 3, 8},  Case{0x2020, 1, 0, 8},  Case{0x2020, 1, 1, 9},  Case{0x4D76, 0, 0, 10},
                         Case{0x4D05, 1, 1, 11}, Case{0x4D05, 1, 2, 12}, Case{0x4D05, 2, 0, 13}, Case{0x2010, 9, 9, 12},
                         Case{0x4D85, 1, 0, 13}, Case{0x4D06, 1, 1, 34}, Case{0x4D86, 1, 2, 15}, Case{0x2120, 1, 0, 16},
                         Case{0x4D21, 1, 0, 18}, Case{0x4210, 1, 0, 26}, Case{0x4210, 1, 1, 25}, Case{0x4210, 1, 2, 24},
                         Case{0x4610, 1, 0, 24}, Case{0x3110, 1, 0, 27}, Case{0x5622, 1, 0, 28}, Case{0x5536, 1, 0, 29},
                         Case{0x3060, 1, 0, 30}, Case{0x5210, 1, 0, 31}, Case{0x3142, 1, 0, 32}, Case{0x3560, 1, 1, 32},
                         Case{0x6320, 1, 0, 32}, Case{0x1234, 1, 0, 33}, Case{0x6600, 1, 0, 33}})
        EXPECT_EQ(layout_of(c.product, c.major, c.minor).number, c.layout)
            << hex(c.product) << " at " << c.major << "." << c.minor;
}

TEST(PanelLayout, LayoutsSetTheFramesOfTheirGridsAndButtons)
{
    // The EDR note grid: PLC below the note at 4.0; at 4.1 slot 6 is placed, and the note row
    // stands a row lower, clear of it.
    auto frames = frames_of(layout_of(0x4D10, 4, 0));
    EXPECT_EQ(frames["lblNoteEDR"], (Frame{50, 140, 424, 34}));
    EXPECT_EQ(frames["lblPLC"], (Frame{50, 115, 207, 17}));
    EXPECT_EQ(frames["btnPLC"], (Frame{257, 113, 19, 17}));
    EXPECT_EQ(frames["radioPLC"], (Frame{289, 113, 182, 18}));
    EXPECT_EQ(frames.count("lblBitpoolRate"), 0u);
    EXPECT_EQ(frames["lblNoteApply"], (Frame{50, 58, 424, 17}));
    EXPECT_EQ(frames["btnNoteApply"], (Frame{465, 56, 20, 17}));
    frames = frames_of(layout_of(0x4D10, 4, 1));
    EXPECT_EQ(frames["radioMicrophoneBoost"], (Frame{289, 64, 182, 18}));
    EXPECT_EQ(frames["lblMicrophoneBoost"], (Frame{50, 65, 207, 17}));
    EXPECT_EQ(frames["lblNoteApply"], (Frame{50, 40, 424, 17}));
    EXPECT_EQ(frames["btnNoteApply"], (Frame{465, 38, 20, 17}));
    // The radio grid from 4.2; sidetone joins in slot 5 at 5.0 and microphone boost moves to slot 6.
    frames = frames_of(layout_of(0x4D10, 4, 2));
    EXPECT_EQ(frames["radioBitpoolRate"], (Frame{289, 148, 182, 18}));
    EXPECT_EQ(frames["lblMicrophoneBoost"], (Frame{50, 126, 207, 17}));
    frames = frames_of(layout_of(0x4D10, 5, 0));
    EXPECT_EQ(frames["lblSidetone"], (Frame{50, 126, 207, 17}));
    EXPECT_EQ(frames["lblMicrophoneBoost"], (Frame{50, 101, 207, 17}));
    EXPECT_EQ(frames["btnBack"], (Frame{7, 7, 140, 19}));
    EXPECT_EQ(frames["btnDefault"], (Frame{282, 243, 109, 19}));
    // The early note grid.
    frames = frames_of(layout_of(0x4D05, 1, 1));
    EXPECT_EQ(frames["lblNoteEDR"], (Frame{50, 165, 424, 34}));
    EXPECT_EQ(frames["radioPLC"], (Frame{289, 138, 182, 18}));
    // Pop-up grid, and the All Settings button only from 1.2.
    frames = frames_of(layout_of(0x4210, 1, 2));
    EXPECT_EQ(frames["popUpMotionSensorSensitivity"], (Frame{289, 171, 182, 23}));
    EXPECT_EQ(frames["btnAllSettings"], (Frame{137, 76, 250, 19}));
    EXPECT_EQ(frames["btnSave"], (Frame{185, 7, 155, 19}));
    EXPECT_EQ(layout_of(0x4210, 1, 1).placed.size(), 6u);
    EXPECT_EQ(frames_of(layout_of(0x4210, 1, 1)).count("btnAllSettings"), 0u);
    EXPECT_EQ(layout_of(0x4210, 1, 0).placed.size(), 4u);
    // The All Settings button at the label frame after the last row.
    EXPECT_EQ(frames_of(layout_of(0x5622, 1, 0))["btnAllSettings"], (Frame{50, 101, 207, 17}));
    EXPECT_EQ(frames_of(layout_of(0x5536, 1, 0))["btnAllSettings"], (Frame{50, 151, 207, 17}));
    EXPECT_EQ(frames_of(layout_of(0x3060, 1, 0))["btnAllSettings"], (Frame{50, 176, 207, 17}));
    // Slot 1 left empty.
    frames = frames_of(layout_of(0x2120, 1, 0));
    EXPECT_EQ(frames["lblHandsfreeVOX"], (Frame{50, 201, 207, 17}));
    EXPECT_EQ(layout_of(0x2120, 1, 0).placed, std::vector<ClassicRow>{R::HandsfreeVOX});
    EXPECT_EQ(frames_of(layout_of(0x4D21, 1, 0))["lblSidetone"], (Frame{50, 201, 207, 17}));
    // Only the bar, and the All Settings button; nothing at all outside every set.
    std::set<std::string> names;
    for (const auto& [name, frame] : frames_of(layout_of(0x3142, 1, 0)))
        names.insert(name);
    EXPECT_EQ(
        names,
        (std::set<std::string>{"btnBack", "btnCancel", "btnDefault", "btnNewDevice", "btnSave", "btnAllSettings"}));
    EXPECT_TRUE(layout_of(0x3142, 1, 0).filled.empty());
    EXPECT_TRUE(layout_of(0x1234, 1, 0).frames.empty());
    EXPECT_TRUE(layout_of(0x1234, 1, 0).filled.empty());
}

TEST(PanelLayout, EveryFrameLiesInsideThePageArea)
{
    for (int product : panel_products())
        for (auto [major, minor] : kPanelVersions)
            for (const OutletFrame& placed : layout_of(product, major, minor).frames) {
                const Frame frame = top_left(placed.frame);
                EXPECT_TRUE(frame.x >= 0 && frame.y >= 0 && frame.x + frame.width <= kPanelWidth &&
                            frame.y + frame.height <= kPanelHeight)
                    << hex(product) << " " << placed.outlet;
            }
    EXPECT_EQ(top_left(Frame{7, 7, 140, 19}), (Frame{7, 244, 140, 19}));
}

TEST(PanelLayout, ControlsShowTheWorkingCopysValues)
{
    const kivo::settings::AccessContext context{0x4D10, 0};
    struct Case {
        ClassicRow row;
        void (Record::*set)(int);
        int stored;
        int shown;
    };
    for (const Case c :
         {Case{R::EDR, &Record::setEdr, 1, 1}, Case{R::EDR, &Record::setEdr, 0, 0},
          Case{R::HandsfreeVOX, &Record::setHandsfreeVOX, 1, 0}, Case{R::HandsfreeVOX, &Record::setHandsfreeVOX, 0, 1},
          Case{R::AdvancedNoiseControl, &Record::setAdvancedNoiseControl, 1, 1},
          Case{R::RadioTransmitGain, &Record::setRadioTransmitGain, 12, 0},
          Case{R::RadioTransmitGain, &Record::setRadioTransmitGain, 14, 1},
          Case{R::RadioTransmitGain, &Record::setRadioTransmitGain, 15, 1},
          Case{R::RadioTransmitGain, &Record::setRadioTransmitGain, 17, 2},
          Case{R::RadioTransmitGain, &Record::setRadioTransmitGain, 0, 1},
          Case{R::AudioChannelTimeout, &Record::setAudioChannelTimeout, 30, 30}}) {
        Record current;
        (current.*c.set)(c.stored);
        EXPECT_EQ(shown_value(c.row, GetterColumn::Generic, current, context), c.shown)
            << classic_row(c.row).name << " " << c.stored;
    }
    Record brisko;
    brisko.setBasicSettingBriskoMotionSensorSensitivity(3);
    brisko.setBasicSettingBriskoAudioMultitaskingSensitivity(7);
    EXPECT_EQ(shown_value(R::MotionSensorSensitivity, GetterColumn::Brisko, brisko, context), 2);
    EXPECT_EQ(shown_value(R::AudioMultitaskingSensitivity, GetterColumn::Brisko, brisko, context), 3);
    brisko.setBasicSettingBriskoMotionSensorSensitivity(0);
    EXPECT_EQ(shown_value(R::MotionSensorSensitivity, GetterColumn::Brisko, brisko, context), -1) << "no item";
    EXPECT_FALSE(shown_value(R::PLC, GetterColumn::Vantor, brisko, context));
    // Set D fills the intercom VOX control it does not place; the radio product fills gain and
    // timeout.
    const ClassicLayout d = layout_of(0x4D15, 1, 5);
    EXPECT_NE(std::find(d.filled.begin(), d.filled.end(), R::IntercomVOX), d.filled.end());
    EXPECT_EQ(std::find(d.placed.begin(), d.placed.end(), R::IntercomVOX), d.placed.end());
    EXPECT_EQ(layout_of(0x5210, 1, 0).filled, (std::vector<ClassicRow>{R::RadioTransmitGain, R::AudioChannelTimeout}));
}

TEST(PanelVisibility, RowsShownByProductAndFirmware)
{
    struct Case {
        int product, major, minor;
        std::vector<ClassicRow> shown;
    };
    const std::vector<Case> cases = {
        {0x4D10, 4, 0, {R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::EDRNote, R::PLC}},
        {0x4D10,
         4,
         1,
         {R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::EDRNote, R::PLC, R::BitpoolRate, R::MicrophoneBoost}},
        {0x4D10, 4, 2, {R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::MicrophoneBoost}},
        {0x4D10, 5, 0, {R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::MicrophoneBoost, R::Sidetone}},
        {0x5020, 5, 0, {R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::BitpoolRate}},
        {0x4D05, 1, 1, {R::HandsfreeVOX, R::EDR, R::EDRNote, R::PLC}},
        {0x4D05, 1, 2, {R::HandsfreeVOX, R::EDR, R::BitpoolRate}},
        {0x2020, 1, 0, {R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::Sidetone}},
        {0x2020, 1, 1, {R::IntercomVOX, R::HandsfreeVOX, R::EDR, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl}},
        {0x4120, 1, 0, {R::EDR, R::BitpoolRate, R::Sidetone, R::AdvancedNoiseControl, R::AutoGainControl}},
        {0x6430, 1, 0, {R::HandsfreeVOX}},
        {0x4D21, 1, 0, {R::Sidetone}},
        {0x5210, 1, 0, {R::RadioTransmitGain, R::AudioChannelTimeout}},
        {0x3142, 1, 0, {}},
        {0x4210, 1, 2, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rows_of(classic_visibility(c.product, recognized(c.product, c.major, c.minor))), c.shown)
            << hex(c.product) << " at " << c.major << "." << c.minor;
    EXPECT_EQ(classic_visibility(0x1234, recognized(0x1234, 1, 0)).count(), static_cast<std::size_t>(kClassicRowCount))
        << "a product outside every set shows every row and the note";
}

// Over every product of the panel's sets at every band: the rows a layout places are the rows that
// show, every row filled and shown has a getter in the layout's column, and no key acts on two
// controls shown and enabled together.
TEST(PanelData, PlacementVisibilityGettersAndKeysAgree)
{
    for (int product : panel_products())
        for (auto [major, minor] : kPanelVersions) {
            SCOPED_TRACE(hex(product) + " at " + std::to_string(major) + "." + std::to_string(minor));
            const Record device = recognized(product, major, minor);
            const ClassicLayout layout = classic_layout(product, device);
            const ClassicRows shown = classic_visibility(product, device);
            ASSERT_NE(layout.number, 33);
            const bool vantor_four = kivo::product_in(kivo::kPanelVantorFourRowProducts, product);
            std::vector<ClassicRow> placed = layout.placed;
            std::sort(placed.begin(), placed.end());
            // The table families hide every row a layout places: only the buttons' frames count.
            if (!kivo::shows_all_settings_table(product)) {
                // The one disagreement of the two tables: from 1.2 to 2.0 layout 15 places a
                // sidetone row that the row set does not show.
                const bool mismatch = vantor_four && major == 1 && minor >= 2;
                if (layout.number == 31) {
                    EXPECT_EQ(layout.filled, rows_of(shown)) << "filled, never placed";
                } else if (!mismatch) {
                    EXPECT_EQ(placed, rows_of(shown));
                } else {
                    std::erase(placed, R::Sidetone);
                    EXPECT_EQ(placed, rows_of(shown));
                }
            }
            for (ClassicRow row : layout.filled) {
                // The Vantor settings words hold no PLC: that row, shown below 1.2, is not filled.
                const bool unread = vantor_four && row == R::PLC;
                if (!unread && (shown.test(row_bit(row)) || kivo::shows_all_settings_table(product))) {
                    EXPECT_TRUE(row_getter(row, layout.getters)) << classic_row(row).name;
                }
            }

            std::vector<std::string_view> keys = {"[C]-\u25C0", "[C]-\u25B6", "[O][C]-S", "[C]-D", "[C]-C"};
            if (kivo::shows_all_settings_table(product))
                keys.push_back("[S][C]-M");
            for (ClassicRow row : rows_of(shown)) {
                const ClassicRowOutlets& outlets = classic_row(row);
                if (!outlets.infoHint.empty())
                    keys.push_back(outlets.infoHint);
                for (std::string_view hint : outlets.cellHints)
                    if (!hint.empty())
                        keys.push_back(hint);
            }
            std::sort(keys.begin(), keys.end());
            EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end()) << "a key acts on two controls";
        }
}

// Over every product of the panel's sets at every band and every row it shows and fills: the
// handler of the row's control writes the setting the row reads (or one with the same bits), and
// each column or item written shows that column or item again.
TEST(PanelData, TheHandlerOfEachRowWritesWhatTheRowReads)
{
    for (int product : panel_products())
        for (auto [major, minor] : kPanelVersions) {
            const Record device = recognized(product, major, minor);
            const ClassicLayout layout = classic_layout(product, device);
            const ClassicRows shown = classic_visibility(product, device);
            const AccessContext context{product, 0};
            for (ClassicRow row : layout.filled) {
                const std::optional<SettingKey> getter = row_getter(row, layout.getters);
                if (!shown.test(row_bit(row)) || !getter)
                    continue;
                SCOPED_TRACE(hex(product) + " at " + std::to_string(major) + "." + std::to_string(minor) + " " +
                             std::string(classic_row(row).name));
                const HandlerId id = *classic_row(row).handler;
                const Writer& writer = writer_for(id, product);
                ASSERT_TRUE(writer.key);
                EXPECT_TRUE(*writer.key == *getter || same_setting(*writer.key, *getter, context))
                    << setting(*writer.key).name << " written, " << setting(*getter).name << " read";
                const HandlerControl control = handler(id).control;
                const std::vector<int> values = control == HandlerControl::Seconds ? std::vector<int>{3, 30, 60}
                    : control == HandlerControl::GainCells                         ? std::vector<int>{0, 1, 2}
                    : row == ClassicRow::MotionSensorSensitivity                   ? std::vector<int>{0, 1, 2}
                    : row == ClassicRow::AudioMultitaskingSensitivity ? std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
                                                                      : std::vector<int>{0, 1};
                for (int value : values) {
                    Record working;
                    EXPECT_TRUE(apply_change(id, value, context, working));
                    EXPECT_EQ(shown_value(row, layout.getters, working, context), value);
                }
            }
        }
}

TEST(PanelInformation, EachButtonsBoxWithItsTextButtonsSizeAndAnswer)
{
    struct Case {
        ClassicRow row;
        const char* heading;
        bool sendEmail;
        int size;
        int purpose;
    };
    for (const Case c :
         {Case{R::PLC, "[Packet Loss Concealment]\n", false, 4, kBoxStatus},
          Case{R::BitpoolRate, "[High Quality A2DP]\n", false, 2, kBoxStatus},
          Case{R::MicrophoneBoost, "[Microphone Boosting]\n", false, 3, kBoxStatus},
          Case{R::Sidetone, "[Sidetone]\n", false, 2, kBoxStatus},
          Case{R::AdvancedNoiseControl, "[Advanced Noise Control]\n", false, 2, kBoxStatus},
          Case{R::AutoGainControl, "[Auto Gain Control]\n", false, 4, kBoxStatus},
          Case{R::AudioBoost, "[Audio Boost]\n", false, 2, kBoxStatus},
          Case{R::MotionSensorSensitivity, "[Motion Sensor Sensitivity]\n", false, 2, kBoxStatus},
          Case{R::AudioMultitasking, "[Audio Multitasking]\nAudio Multitasking enables", false, 6, kBoxStatus},
          Case{R::AudioMultitaskingSensitivity,
               "[Intercom-audio Overlay Sensitivity]\nWhen the Audio Multitasking setting", false, 4, kBoxStatus},
          Case{R::NavigationAppOverlay, "[Navigation App Support]\nWhen Audio Multitasking is", false, 2, kBoxStatus},
          Case{R::RadioTransmitGain, "[Radio Transmit Gain]\n", false, 3, kBoxStatus},
          Case{R::EDR, "[Enhanced Data Rate]\n", true, 3, kBoxSupportMail},
          Case{R::AudioChannelTimeout, "[Audio Channel Timeout]\n", false, 3, kBoxStatus},
          Case{R::IntercomVOX, "[Audio Channel Timeout]\n", false, 3, kBoxStatus}}) {
        const InformationBox box = information_box(c.row, 0, "Aldero", "help@example.com");
        EXPECT_TRUE(box.text.starts_with(c.heading)) << box.text;
        EXPECT_EQ(box.text.find("%@"), std::string::npos) << box.text;
        EXPECT_EQ(box.sendEmail, c.sendEmail) << c.heading;
        EXPECT_EQ(box.size, c.size) << c.heading;
        EXPECT_EQ(box.purpose, c.purpose) << c.heading;
    }
    EXPECT_EQ(information_box(R::MicrophoneBoost, kivo::kJapanese, "", "").size, 4);
    EXPECT_NE(
        information_box(R::RadioTransmitGain, 0, "Yewdel", "").text.find("from Yewdel to connected two-way radio"),
        std::string::npos);
    EXPECT_NE(information_box(R::EDR, 0, "", "help@example.com").text.find("(help@example.com)"), std::string::npos);
    EXPECT_NE(information_box(R::AudioMultitasking, 0, "", "").text.find("music, FM Radio, or GPS"), std::string::npos);
}

TEST(TimeoutField, ReadsTheLeadingIntegerAndAcceptsThreeToSixty)
{
    for (const auto& [text, value] :
         {std::pair{"30", 30}, std::pair{"7.9", 7}, std::pair{" 12x", 12}, std::pair{"abc", 0}, std::pair{"", 0},
          std::pair{"-5", -5}, std::pair{"+60", 60}, std::pair{"\t3", 3}, std::pair{"99999999999", INT_MAX},
          std::pair{"-99999999999", INT_MIN}, std::pair{"2147483648", INT_MAX}})
        EXPECT_EQ(timeout_field_value(text), value) << text;
    for (const auto& [seconds, acceptable] : {std::pair{2, false}, std::pair{3, true}, std::pair{60, true},
                                              std::pair{61, false}, std::pair{0, false}, std::pair{INT_MAX, false}})
        EXPECT_EQ(timeout_acceptable(seconds), acceptable) << seconds;
}
