// The rows the restore page's backup summary writes, without a window: tables of (product, tab,
// backup, language) and the fields written, whole. Every backup holds distinct values in the
// getters its group reads, so that a swapped getter or polarity shows.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "update/state/backup_summary_rows.h"

using kivo::BackupSummaryRows;

namespace {

constexpr int kOther = 0;
constexpr int kSettings = 1;
constexpr int kSpeedDial = 2;
constexpr int kFm = 3;

using Setup = std::function<void(KIVOBluetoothDeviceData&)>;

KIVOBluetoothDeviceData backup_at(int major, int minor, const Setup& setup = {})
{
    KIVOBluetoothDeviceData record;
    record.setDeviceVersionMajor_Minor(major, minor);
    if (setup)
        setup(record);
    return record;
}

// A written row: 0 is the date row, 1 to 6 the data rows.
struct Written {
    int row;
    std::string label;
    std::string value;
};

BackupSummaryRows written(const std::vector<Written>& rows, bool left_aligned = false)
{
    BackupSummaryRows out;
    for (const Written& w : rows) {
        kivo::SummaryRowTexts& field = w.row == 0 ? out.date : out.data[static_cast<size_t>(w.row - 1)];
        field.label = w.label;
        field.value = w.value;
    }
    out.labelsLeftAligned = left_aligned;
    return out;
}

void expect_rows(const BackupSummaryRows& got, const BackupSummaryRows& want)
{
    auto show = [](const kivo::SummaryRowTexts& f) {
        return "[" + f.label.value_or("(left)") + "] [" + f.value.value_or("(left)") + "]";
    };
    EXPECT_EQ(show(got.date), show(want.date)) << "date row";
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(show(got.data[i]), show(want.data[i])) << "row " << i + 1;
    EXPECT_EQ(got.labelsLeftAligned, want.labelsLeftAligned);
}

// The getters of the headsets whose rows read the plain settings: each differs from its
// neighbours, and an inverted row shows the other text than a normal one would.
void plain_settings(KIVOBluetoothDeviceData& r)
{
    r.setAudioBoost(1);
    r.setHandsfreeVOX(1);
    r.setIntercomVOX(0);
    r.setBitpoolRate(1);
    r.setSidetone(0);
    r.setAdvancedNoiseControl(0);
    r.setFmStationGuide(0);
    r.setVoiceAssistant(1);
}

// The settings words of the first family: VOX phone on, sidetone off, multitasking on, navigation
// off, overlay sensitivity 3, motion 2; the plain getters the other way round.
void brisko_settings(KIVOBluetoothDeviceData& r)
{
    r.setBasicSettingBriskoVOXPhone(1);
    r.setBasicSettingBriskoSidetone(0);
    r.setBasicSettingBriskoAudioMultitasking(1);
    r.setBasicSettingBriskoNavigationAppOverlay(0);
    r.setBasicSettingBriskoAudioMultitaskingSensitivity(3);
    r.setBasicSettingBriskoMotionSensorSensitivity(2);
    r.setHandsfreeVOX(0);
    r.setSidetone(1);
}

const std::vector<Written> kPlainSixRows = {
    {1, "Audio Boost:", "Disabled"},      {2, "VOX Phone:", "Enabled"}, {3, "VOX Intercom:", "Disabled"},
    {4, "High Quality A2DP:", "Enabled"}, {5, "Sidetone:", "Disabled"}, {6, "Advanced Noise Control:", "Enabled"},
};

} // namespace

TEST(BackupSummaryRows, SettingsRowsByGroupTabAndFirmware)
{
    struct Case {
        const char* what;
        int product;
        int tab;
        KIVOBluetoothDeviceData backup;
        int language;
        BackupSummaryRows rows;
    };
    auto station_guide = [](int value) {
        return backup_at(2, 0, [=](KIVOBluetoothDeviceData& r) {
            plain_settings(r);
            r.setFmStationGuide(value);
            r.setAdvancedNoiseControl(1);
        });
    };
    auto g6 = kPlainSixRows;
    g6[5] = {6, "Advanced Noise Control:", "Disabled"};
    const Case cases[] = {
        {"a row on every tab, the speed-dial tab too", 0x4021, kSpeedDial, backup_at(1, 0, plain_settings), 0,
         written({{1, "VOX Phone:", "Enabled"}})},
        {"its partner on tab kind 0", 0x2110, kOther, backup_at(1, 0, plain_settings), 0,
         written({{1, "VOX Phone:", "Enabled"}})},
        {"gain and timeout", 0x5210, kSettings,
         backup_at(1, 0, [](auto& r) { r.setRadioTransmitGain(12), r.setAudioChannelTimeout(30); }), 0,
         written({{1, "Radio Transmit Gain:", "Low"}, {2, "Audio Channel Timeout:", "30 seconds"}})},
        {"gain and timeout in German, on the FM tab", 0x5210, kFm,
         backup_at(1, 0, [](auto& r) { r.setRadioTransmitGain(17), r.setAudioChannelTimeout(45); }), 2,
         written({{1, "Radio-Übertragungsr.:", "Hoch"}, {2, "Audiokanal Time-out:", "45 Sekunden"}})},
        {"below 1.1: four rows", 0x4210, kSettings, backup_at(1, 0, brisko_settings), 0,
         written({{1, "VOX Phone:", "Enabled"},
                  {2, "Sidetone:", "Disabled"},
                  {3, "Audio Multitasking:", "Enabled"},
                  {4, "Intercom-audio Overlay Sensi...:", "8"}})},
        {"from 1.1: six rows", 0x4210, kSettings, backup_at(1, 1, brisko_settings), 0,
         written({{1, "VOX Phone:", "Enabled"},
                  {2, "Sidetone:", "Disabled"},
                  {3, "Motion Sensor Sensitivity:", "Low"},
                  {4, "Audio Multitasking:", "Enabled"},
                  {5, "Intercom-audio Overlay Sensi...:", "8"},
                  {6, "Navigation App Support:", "Disabled"}})},
        {"six rows of the plain settings", 0x3142, kSettings, backup_at(2, 1, plain_settings), 0,
         written(kPlainSixRows)},
        {"value 6 again from the voice assistant", 0x3232, kSettings, backup_at(2, 1, plain_settings), 0, written(g6)},
        {"three rows", 0x5524, kSettings,
         backup_at(1, 0, [](auto& r) { r.setAudioBoost(0), r.setBitpoolRate(0), r.setAdvancedNoiseControl(1); }), 0,
         written({{1, "Audio Boost:", "Enabled"},
                  {2, "High Quality A2DP:", "Disabled"},
                  {3, "Advanced Noise Control:", "Disabled"}})},
        {"station guide 1 under the audio boost's title", 0x3030, kSettings, station_guide(1), 0,
         written({{1, "Audio Boost:", "Enabled"}, {2, "Advanced Noise Control:", "Disabled"}})},
        {"station guide 2", 0x3030, kSettings, station_guide(2), 0,
         written({{1, "Audio Boost:", "Disabled"}, {2, "Advanced Noise Control:", "Disabled"}})},
        {"the six-preset family's settings", 0x6010, kSettings, backup_at(1, 0, plain_settings), 0,
         written(kPlainSixRows)},
        {"no settings rows", 0x3340, kSettings, backup_at(1, 0, plain_settings), 0, written({})},
        {"a tabbed group on tab kind 0", 0x3142, kOther, backup_at(2, 1, plain_settings), 0, written({})},
        {"a product in no group", 0x3020, kSettings, backup_at(1, 0, plain_settings), 0, written({})},
        {"... on the speed-dial tab", 0x3020, kSpeedDial, backup_at(1, 0, plain_settings), 0, written({})},
        {"... on the FM tab", 0x3020, kFm, backup_at(1, 0, plain_settings), 0, written({})},
        {"a language outside the table", 0x5524, kSettings, backup_at(1, 0, plain_settings), 13,
         written({{1, "Audio Boost:", "Disabled"},
                  {2, "High Quality A2DP:", "Enabled"},
                  {3, "Advanced Noise Control:", "Enabled"}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expect_rows(kivo::backup_summary_rows(c.backup, c.product, c.tab, c.language), c.rows);
    }
}

// The named settings of the older headsets: each on/off getter differs from the ones its rows stand
// beside, and EDR and noise control read inverted against their neighbours.
void usb_settings(KIVOBluetoothDeviceData& r)
{
    r.setHandsfreeVOX(1);
    r.setIntercomVOX(0);
    r.setEdr(1);
    r.setPlc(0);
    r.setBitpoolRate(1);
    r.setMicrophoneBoost(0);
    r.setSidetone(1);
    r.setAdvancedNoiseControl(0);
    r.setAutoGainControl(1);
}

// The rows usb_settings gives, by the row they stand in.
Written vox_phone(int row) { return {row, "VOX Phone:", "Enabled"}; }
Written vox_intercom(int row) { return {row, "VOX Intercom:", "Disabled"}; }
Written edr(int row) { return {row, "EDR (Enhanced Data Rate):", "Disabled"}; }
Written early_edr(int row) { return {row, "EDR (Enhanced Data Rate):", "Enabled"}; }
Written plc(int row) { return {row, "PLC (Packet Loss Concealment):", "Disabled"}; }
Written a2dp(int row) { return {row, "High Quality A2DP:", "Enabled"}; }
Written microphone(int row) { return {row, "Microphone Boosting:", "Disabled"}; }
Written sidetone(int row) { return {row, "Sidetone:", "Enabled"}; }
Written noise_control(int row) { return {row, "Advanced Noise Control:", "Enabled"}; }
// The gain control row reads the backup's own setting (on: inverted, the disabled text), not the
// noise control beside it.
Written gain_control(int row) { return {row, "Auto Gain Control:", "Disabled"}; }

TEST(BackupSummaryRows, TheOlderUsbHeadsetsByGroupTabAndFirmware)
{
    struct Case {
        int product;
        int tab;
        int major;
        int minor;
        std::vector<Written> rows;
    };
    const Case cases[] = {
        // The first family: its first three products and the nine others, band by band.
        {0x4D10, kSettings, 3, 9, {vox_phone(1), vox_intercom(2), early_edr(3)}},
        {0x4D10, kSettings, 4, 0, {vox_phone(1), vox_intercom(2), edr(3), plc(4)}},
        {0x4D10, kSettings, 4, 1, {vox_phone(1), vox_intercom(2), edr(3), plc(4), a2dp(5), microphone(6)}},
        {0x4D10, kSettings, 4, 2, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), microphone(5)}},
        {0x4D30, kSettings, 4, 9, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), microphone(5)}},
        {0x4D40, kSettings, 5, 0, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5), microphone(6)}},
        {0x5060, kSettings, 3, 9, {vox_phone(1), vox_intercom(2), early_edr(3)}},
        {0x4D50, kSettings, 4, 0, {vox_phone(1), vox_intercom(2), edr(3), plc(4)}},
        {0x4D20, kSettings, 4, 1, {vox_phone(1), vox_intercom(2), edr(3), plc(4), a2dp(5)}},
        {0x5010, kSettings, 4, 2, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4)}},
        {0x5050, kSettings, 5, 0, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5)}},
        {0x4D20,
         kSpeedDial,
         4,
         1,
         {{1, "Speed Dial 1: ", "Empty"}, {2, "Speed Dial 2: ", "Empty"}, {3, "Speed Dial 3: ", "Empty"}}},
        {0x6000, kSettings, 1, 0, {vox_phone(1), edr(2), a2dp(3), sidetone(4)}},
        {0x6000, kFm, 1, 0, {}},
        {0x4D21, kSettings, 1, 0, {sidetone(1)}},
        {0x4D75, kSettings, 1, 0, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5)}},
        {0x5011, kSettings, 1, 0, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5)}},
        {0x5020, kSettings, 3, 9, {vox_phone(1), vox_intercom(2), early_edr(3)}},
        {0x5070, kSettings, 4, 0, {vox_phone(1), vox_intercom(2), edr(3), plc(4)}},
        {0x5020, kSettings, 4, 1, {vox_phone(1), vox_intercom(2), edr(3), plc(4), a2dp(5)}},
        {0x5020, kSettings, 4, 2, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4)}},
        {0x5020, kSettings, 6, 0, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4)}},
        // Tab 1 only: no speed dial.
        {0x4040, kSettings, 1, 0, {sidetone(1)}},
        {0x4040, kSpeedDial, 1, 0, {}},
        {0x2020, kSettings, 1, 0, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5)}},
        {0x2020, kSettings, 1, 1, {vox_phone(1), vox_intercom(2), edr(3), a2dp(4), sidetone(5), noise_control(6)}},
        {0x6110, kSettings, 1, 0, {edr(1), a2dp(2), sidetone(3), noise_control(4)}},
        {0x6121, kSettings, 1, 0, {edr(1), a2dp(2), sidetone(3), noise_control(4)}},
        {0x4110, kSettings, 1, 0, {edr(1), a2dp(2)}},
        {0x4113, kSettings, 1, 0, {edr(1), a2dp(2)}},
        {0x4111, kSettings, 1, 0, {edr(1), a2dp(2)}},
        {0x4112, kSettings, 1, 0, {edr(1), a2dp(2)}},
        // Noise control and gain control: each its own setting.
        {0x4120, kSettings, 1, 0, {edr(1), a2dp(2), sidetone(3), noise_control(4), gain_control(5)}},
        {0x6420, kSettings, 1, 0, {vox_phone(1), edr(2)}},
        {0x6470, kSettings, 1, 0, {vox_phone(1), edr(2)}},
        {0x6480, kSettings, 1, 0, {vox_phone(1), edr(2)}},
        {0x6450, kSettings, 1, 0, {vox_phone(1), edr(2)}},
        {0x6430, kSettings, 1, 0, {vox_phone(1)}},
        {0x4D45, kSettings, 1, 1, {vox_phone(1), edr(2), plc(3)}},
        {0x4D05, kSettings, 1, 2, {vox_phone(1), edr(2), a2dp(3)}},
        {0x4D45, kSettings, 1, 9, {vox_phone(1), edr(2), a2dp(3)}},
        {0x4D45, kSettings, 2, 0, {vox_phone(1), edr(2), a2dp(3), sidetone(4)}},
        {0x4D85, kSettings, 1, 0, {vox_phone(1), edr(2), a2dp(3), sidetone(4)}},
        // Every tab: no speed dial, no FM page.
        {0x2010, kSpeedDial, 1, 0, {vox_phone(1), edr(2), a2dp(3)}},
        {0x4010, kFm, 1, 0, {vox_phone(1), edr(2), a2dp(3)}},
        {0x2120, kOther, 1, 0, {vox_phone(1), edr(2), a2dp(3)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << c.product << std::dec << " tab " << c.tab << " at "
                                        << c.major << "." << c.minor);
        expect_rows(kivo::backup_summary_rows(backup_at(c.major, c.minor, usb_settings), c.product, c.tab, 0),
                    written(c.rows));
    }
}

TEST(BackupSummaryRows, TheOlderHeadsetsFmPageOnEveryTabButSettingsAndSpeedDial)
{
    const KIVOBluetoothDeviceData backup = backup_at(4, 1, [](KIVOBluetoothDeviceData& r) {
        usb_settings(r);
        r.setFmRadioPresetsAt_with(0, 8750);
        r.setFmRadioRegion(2);
    });
    struct Case {
        int product;
        int tab;
        const char* regionLabel;
    };
    // The first family writes its label with a blank after the colon.
    const Case cases[] = {
        {0x4D10, kOther, "Radio Region: "}, {0x4D10, kFm, "Radio Region: "},   {0x5040, kFm, "Radio Region: "},
        {0x4D05, kFm, "Radio Region:"},     {0x4D15, kOther, "Radio Region:"}, {0x4D85, kFm, "Radio Region:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "0x" << c.product << std::dec << " tab " << c.tab);
        const BackupSummaryRows rows = kivo::backup_summary_rows(backup, c.product, c.tab, 0);
        EXPECT_EQ(rows.date, (kivo::SummaryRowTexts{c.regionLabel, "Asia"}));
        EXPECT_EQ(rows.data[0], (kivo::SummaryRowTexts{std::string(22, ' ') + "1:   87.5 MHz", "  2: Empty"}));
        EXPECT_EQ(rows.data[4].value, "10: Empty");
        EXPECT_EQ(rows.data[5], (kivo::SummaryRowTexts{"RDS AF (Alternative Frequencies):", "Disabled"}));
        EXPECT_TRUE(rows.labelsLeftAligned);
    }
}

TEST(BackupSummaryRows, TheOlderHeadsetsTitlesInTheirLanguages)
{
    const KIVOBluetoothDeviceData backup = backup_at(4, 1, usb_settings);
    struct Case {
        int language;
        const char* edr;
        const char* plc;
        const char* microphone;
        const char* gain;
    };
    const Case cases[] = {
        {1, "EDR (Débit de données amél...):", "PLC (Dissimulation de perte ...):", "Booster du Microphone:",
         "Contrôle Automatique du Gain:"},
        {8, "ПСПД (Повышенная Скорость...:", "СПП (Скрытие потери пакетов):", "Усиление Микрофона:",
         "Автоматическое Регулиров...:"},
        {12, "EDR (zwiększona szybkość danych):", "PLC (Packet Loss Concealment – ukrywanie utraty pakietów):",
         "Wzmocnienie mikrofonu:", "Automatyczna regulacja wzmocnienia:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        const BackupSummaryRows rows = kivo::backup_summary_rows(backup, 0x4D10, kSettings, c.language);
        EXPECT_EQ(rows.data[2].label, c.edr);
        EXPECT_EQ(rows.data[3].label, c.plc);
        EXPECT_EQ(rows.data[5].label, c.microphone);
        EXPECT_EQ(kivo::backup_summary_rows(backup, 0x4120, kSettings, c.language).data[4].label, c.gain);
    }
}

TEST(BackupSummaryRows, MotionAndOverlayValues)
{
    struct Case {
        int motion;
        int overlay;
        int language;
        const char* motionText;
        const char* overlayText;
    };
    const Case cases[] = {
        {1, 3, 0, "Disable", "8"}, {2, 0, 0, "Low", "11"},         {3, 11, 0, "High", "0"},   {5, 12, 0, "5", "-1"},
        {0, 3, 0, "0", "8"},       {1, 3, 2, "Deaktivieren", "8"}, {3, 3, 8, "высокий", "8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "motion " << c.motion << " overlay " << c.overlay << " language "
                                        << c.language);
        const KIVOBluetoothDeviceData backup = backup_at(1, 0, [&](KIVOBluetoothDeviceData& r) {
            r.setBasicSettingBriskoMotionSensorSensitivity(c.motion);
            r.setBasicSettingBriskoAudioMultitaskingSensitivity(c.overlay);
        });
        const BackupSummaryRows rows = kivo::backup_summary_rows(backup, 0x4310, kSettings, c.language);
        EXPECT_EQ(rows.data[2].value, c.motionText);
        EXPECT_EQ(rows.data[4].value, c.overlayText);
    }
}

TEST(BackupSummaryRows, FmPageOfPresetsRegionAndRds)
{
    const std::vector<int> presets = {8750, 0, 8910, 9010, 9550, 9990, 10000, 10110, 10420, 10800};
    const KIVOBluetoothDeviceData backup = backup_at(2, 1, [&](KIVOBluetoothDeviceData& r) {
        plain_settings(r);
        for (int i = 0; i < 10; ++i)
            r.setFmRadioPresetsAt_with(i, presets[static_cast<size_t>(i)]);
        r.setFmRadioRegion(4);
        r.setFmRadioRDS(1);
    });
    const std::string first(22, ' ');
    expect_rows(kivo::backup_summary_rows(backup, 0x3142, kFm, 0),
                written({{0, "Radio Region:", "Europe"},
                         {1, first + "1:   87.5 MHz", "  2: Empty"},
                         {2, first + "3:   89.1 MHz", "  4:   90.1 MHz"},
                         {3, first + "5:   95.5 MHz", "  6:   99.9 MHz"},
                         {4, first + "7: 100.0 MHz", "  8: 101.1 MHz"},
                         {5, first + "9: 104.2 MHz", "10: 108.0 MHz"},
                         {6, "RDS AF (Alternative Frequencies):", "Enabled"}},
                        true));
    // The six-preset family: rows 4 and 5 are not written.
    expect_rows(kivo::backup_summary_rows(backup, 0x6010, kFm, 0),
                written({{0, "Radio Region:", "Europe"},
                         {1, first + "1:   87.5 MHz", "  2: Empty"},
                         {2, first + "3:   89.1 MHz", "  4:   90.1 MHz"},
                         {3, first + "5:   95.5 MHz", "  6:   99.9 MHz"},
                         {6, "RDS AF (Alternative Frequencies):", "Enabled"}},
                        true));
    // Back on the settings tab the labels are right-aligned again and the date row is left to the header.
    const BackupSummaryRows settings = kivo::backup_summary_rows(backup, 0x3142, kSettings, 0);
    EXPECT_FALSE(settings.labelsLeftAligned);
    EXPECT_EQ(settings.date, kivo::SummaryRowTexts{});

    // In German, region 1 and an empty preset; RDS off.
    KIVOBluetoothDeviceData german = backup;
    german.setFmRadioRegion(1);
    german.setFmRadioRDS(0);
    const BackupSummaryRows rows = kivo::backup_summary_rows(german, 0x3142, kFm, 2);
    EXPECT_EQ(rows.date, (kivo::SummaryRowTexts{"Radioregion:", "Amerika"}));
    EXPECT_EQ(rows.data[0].value, "  2: Leer");
    EXPECT_EQ(rows.data[5], (kivo::SummaryRowTexts{"RDS AF (Alternative Frequenzen):", "Deaktiviert"}));
}

TEST(BackupSummaryRows, SpeedDialNumbersAsStored)
{
    struct Case {
        const char* what;
        std::vector<std::string> numbers;
        int language;
        std::vector<Written> rows;
    };
    const Case cases[] = {
        {"three empty numbers",
         {"", "", ""},
         0,
         {{1, "Speed Dial 1: ", "Empty"}, {2, "Speed Dial 2: ", "Empty"}, {3, "Speed Dial 3: ", "Empty"}}},
        {"numbers as stored, never read as formats",
         {"+49*123#", "%@%d%s%n", ""},
         0,
         {{1, "Speed Dial 1: ", "+49*123#"}, {2, "Speed Dial 2: ", "%@%d%s%n"}, {3, "Speed Dial 3: ", "Empty"}}},
        {"in German",
         {"", "0301234", ""},
         2,
         {{1, "Kurzwahl 1: ", "Leer"}, {2, "Kurzwahl 2: ", "0301234"}, {3, "Kurzwahl 3: ", "Leer"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const KIVOBluetoothDeviceData backup = backup_at(2, 1, [&](KIVOBluetoothDeviceData& r) {
            plain_settings(r);
            for (int i = 0; i < 3; ++i)
                r.setSpeedDialAt_with(i, c.numbers[static_cast<size_t>(i)]);
        });
        for (int product : {0x5440, 0x6800, 0x3142})
            expect_rows(kivo::backup_summary_rows(backup, product, kSpeedDial, c.language), written(c.rows));
    }
    // The groups that show their row on every tab have no speed dial.
    const KIVOBluetoothDeviceData backup = backup_at(1, 0, plain_settings);
    expect_rows(kivo::backup_summary_rows(backup, 0x5210, kSpeedDial, 0),
                written({{1, "Radio Transmit Gain:", "Medium"}, {2, "Audio Channel Timeout:", "0 seconds"}}));
}
