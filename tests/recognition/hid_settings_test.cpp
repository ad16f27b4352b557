// Recognition over HID, settings stage: a saved record written back in each group's records (every
// write checked), then the device's address and settings read into the shared record, with fixed
// values where a read fails.

#include <algorithm>
#include <string>
#include <vector>

#include "link/hid_discovery.h"
#include "recognition/hid_group_records.h"
#include "recognition/hid_reads.h"
#include "tests/recognition/recognition_fixture.h"

namespace {

using Words = std::vector<uint16_t>;

// A headset of the product that answers everything, as recognition finds it ready.
sim::HeadsetPersona group_headset(uint16_t product)
{
    sim::HeadsetPersona persona = test_headset(product);
    persona.shortReports = kivo::speaks_protocol_b(product);
    if (kivo::readiness_rule(product) == kivo::Readiness::ReadyWhenNonZero)
        persona.readiness = 1;
    return persona;
}

// The record saved before an update of the product. Its named settings lie in bits 0 to 9 of the
// basic settings word, which every product packs.
KIVOBluetoothDeviceData saved_record(int product)
{
    KIVOBluetoothDeviceData saved;
    saved.setDeviceRecognized(product);
    saved.setHandsfreeVOX(1);
    saved.setEdr(1);
    saved.setMicrophoneBoost(1);
    saved.setSidetone(1);
    saved.setAdvancedNoiseControl(1);
    for (int i = 0; i < 5; ++i)
        saved.setBasicSettingBriskoAt_with(i, 0x1101 * (i + 1));
    saved.setFmRadioMagicCode(0x1234);
    saved.setFmRadioCurrentFrequency(9350);
    saved.setFmRadioCurrentPreset(3);
    for (int i = 0; i < 10; ++i)
        saved.setFmRadioPresetsAt_with(i, 8750 + 100 * i);
    saved.setFmRadioRDS(1);
    saved.setFmRadioRegion(2);
    saved.setSpeedDialAt_with(0, "5551234");
    saved.setSpeedDialAt_with(1, "");
    saved.setSpeedDialAt_with(2, "+49 30 1234567");
    return saved;
}

// The FM block the saved record is written as: always with magic code 0x66E9.
const Words kWrittenFmBlock = {0x66E9, 9350, 3, 8750, 8850, 8950, 9050, 9150, 9250, 9350, 9450, 9550, 9650, 1, 2};

Words text_words(const std::string& text) { return Words(text.begin(), text.end()); }

// A settings write as the device must receive it: 1023 bytes, count in byte 3, big-endian words.
sim::Bytes long_write(uint8_t record, const Words& words)
{
    sim::Bytes report(1023, 0);
    report[0] = 0x01;
    report[1] = 0x04;
    report[2] = record;
    report[3] = static_cast<uint8_t>(words.size());
    for (size_t i = 0; i < words.size(); ++i) {
        report[4 + 2 * i] = static_cast<uint8_t>(words[i] >> 8);
        report[5 + 2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
    }
    return report;
}

// The same over 62-byte reports: little-endian words from byte 4.
sim::Bytes short_write(uint8_t sub_record, const Words& words)
{
    sim::Bytes report(62, 0);
    report[0] = 0x01;
    report[1] = 60;
    report[2] = 0x04;
    report[3] = sub_record;
    for (size_t i = 0; i < words.size(); ++i) {
        report[4 + 2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
        report[5 + 2 * i] = static_cast<uint8_t>(words[i] >> 8);
    }
    return report;
}

std::vector<sim::Bytes> speed_dial_writes(uint8_t first_record)
{
    return {long_write(first_record, text_words("5551234")), long_write(first_record + 1, {}),
            long_write(first_record + 2, text_words("+49 30 1234567"))};
}

std::vector<sim::Bytes> joined(std::vector<sim::Bytes> a, const std::vector<sim::Bytes>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The 21 named settings a settings read decides, in the basic settings word's order first.
std::vector<int> named_settings(const KIVOBluetoothDeviceData& d)
{
    return {d.handsfreeVOX(),         d.intercomVOX(),     d.edr(),       d.voicePrompt(),          d.plc(),
            d.bitpoolRate(),          d.microphoneBoost(), d.sidetone(),  d.advancedNoiseControl(), d.audioBoost(),
            d.hdIntercom(),           d.fmStationGuide(),  d.hdVoice(),   d.audioSourcePriority(),  d.audioOverlay(),
            d.autoGainControl(),      d.smartNaviSystem(), d.autoOnOff(), d.autoStartRecording(),   d.VARGOFMRadio(),
            d.VARGOSmartphoneConnet()};
}
const std::vector<int> kAllOff(21, 0);
// What a failed read of the basic settings word stands for.
const std::vector<int> kUnreadBasicWord = {1, 0, 0, 0, 1, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};

Words fm_block_of(const KIVOBluetoothDeviceData& d)
{
    Words block = {static_cast<uint16_t>(d.fmRadioMagicCode()), static_cast<uint16_t>(d.fmRadioCurrentFrequency()),
                   static_cast<uint16_t>(d.fmRadioCurrentPreset())};
    for (int i = 0; i < 10; ++i)
        block.push_back(static_cast<uint16_t>(d.fmRadioPresetsAt(i)));
    block.push_back(static_cast<uint16_t>(d.fmRadioRDS()));
    block.push_back(static_cast<uint16_t>(d.fmRadioRegion()));
    return block;
}

std::vector<std::string> speed_dials_of(const KIVOBluetoothDeviceData& d)
{
    return {d.speedDialAt(0), d.speedDialAt(1), d.speedDialAt(2)};
}

std::vector<int> settings_words_of(const KIVOBluetoothDeviceData& d, int count)
{
    std::vector<int> words;
    for (int i = 0; i < count; ++i)
        words.push_back(d.basicSettingBrisko(i));
    return words;
}

// The 62-byte data of a text and of little-endian words.
sim::Bytes short_text(const std::string& text) { return sim::Bytes(text.begin(), text.end()); }
sim::Bytes short_words(const Words& words)
{
    sim::Bytes data;
    for (uint16_t w : words) {
        data.push_back(static_cast<uint8_t>(w & 0xFF));
        data.push_back(static_cast<uint8_t>(w >> 8));
    }
    return data;
}

// Each 62-byte request as (command, sub-record), in order.
std::vector<std::pair<int, int>> short_requests(const sim::HidInterface& iface)
{
    std::vector<std::pair<int, int>> requests;
    for (const sim::Bytes& out : iface.outputs())
        if (out.size() == 62)
            requests.emplace_back(out[2], out[3]);
    return requests;
}

bool record_requested(const sim::HidInterface& iface, uint8_t record)
{
    const std::vector<sim::Bytes> outputs = iface.outputs();
    return std::any_of(outputs.begin(), outputs.end(), [record](const sim::Bytes& out) {
        return out.size() == 1023 && out[1] == 0x03 && out[2] == record;
    });
}

} // namespace

using HidSettings = RecognitionRunTest;

TEST_F(HidSettings, WriteBackSendsExactlyTheReportsOfTheDevicesGroup)
{
    // The saved record's basic settings word as the product packs it.
    auto basic = [](uint16_t product) { return saved_record(product).getSettings40(); };
    auto basic_fm_and_dials = [&](uint16_t product) {
        return joined({long_write(0x36, {basic(product), 0x2202}), long_write(0x44, kWrittenFmBlock)},
                      speed_dial_writes(0x37));
    };
    const std::vector<sim::Bytes> short_settings = {short_write(0x03, {0x1101, 0x2202, 0x3303})};
    struct Case {
        uint16_t product;
        std::vector<sim::Bytes> writes;
    };
    const Case cases[] = {
        {0x3052, basic_fm_and_dials(0x3052)},
        {0x3342, basic_fm_and_dials(0x3342)},
        {0x6038, basic_fm_and_dials(0x6038)},
        {0x3142, {long_write(0x04, {0x1101, 0x2202, 0x3303, 0x4404}), long_write(0x15, kWrittenFmBlock)}},
        {0x4D06, joined({long_write(0x36, {0x1101, 0x2202})}, speed_dial_writes(0x37))},
        {0x4D16,
         joined({long_write(0x36, {0x1101, 0x2202}), long_write(0x44, kWrittenFmBlock)}, speed_dial_writes(0x37))},
        {0x5552,
         joined({long_write(0x36, {basic(0x5552), 0x2202, 0x3303}), long_write(0x44, kWrittenFmBlock)},
                speed_dial_writes(0x37))},
        {0x5630, {long_write(0x36, {basic(0x5630), 0x2202, 0x3303, 0x4404, 0x5505})}},
        {0x6461, speed_dial_writes(0x37)},
        {0x6600, speed_dial_writes(0x37)},
        {0x6800, short_settings},
        {0x6801, short_settings},
        {0x6806, short_settings},
        {0x6829, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product);
        // Without a saved record nothing is written.
        start_over();
        sim::PluggedHeadset plugged = sim::plug_headset(group_headset(c.product));
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_TRUE(sim::settings_writes(plugged.hid()).empty());

        start_over();
        plugged = sim::plug_headset(group_headset(c.product));
        run.saved = saved_record(c.product);
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(sim::settings_writes(plugged.hid()), c.writes);
        EXPECT_FALSE(run.doWarn);
    }
}

TEST_F(HidSettings, WriteBackFollowedByTheReadShowsWhatTheDeviceNowHolds)
{
    enum class Named { FromSavedWord, AllOff, OemFlagsOn };
    enum class Fm { Written, DevicesOwn, Cleared };
    enum class Dials { Written, DevicesOwn };
    struct Case {
        uint16_t product;
        std::vector<int> settings_words; // the saved record's words 0 to n-1 come back (-1: not stored)
        Named named;
        Fm fm;
        Dials dials;
    };
    const Case cases[] = {
        {0x3052, {0, 0x2202, 0, 0, 0}, Named::FromSavedWord, Fm::Written, Dials::Written},
        {0x5552, {0, 0x2202, 0x3303, 0, 0}, Named::FromSavedWord, Fm::Written, Dials::Written},
        {0x5630, {0, 0x2202, 0x3303, 0, 0x5505}, Named::FromSavedWord, Fm::DevicesOwn, Dials::DevicesOwn},
        {0x3342, {0, 0x2202, 0, 0, 0}, Named::FromSavedWord, Fm::DevicesOwn, Dials::Written},
        {0x4D16, {0x1101, 0x2202, 0, 0, 0}, Named::AllOff, Fm::Written, Dials::Written},
        {0x3142, {0x1101, 0x2202, 0x3303, 0x4404, 0}, Named::OemFlagsOn, Fm::Written, Dials::DevicesOwn},
        {0x6800, {0x1101, 0x2202, 0x3303, 0, 0}, Named::AllOff, Fm::Cleared, Dials::DevicesOwn},
        {0x6806, {0x1101, 0x2202, 0x3303, 0, 0}, Named::AllOff, Fm::DevicesOwn, Dials::DevicesOwn},
    };
    const Words own_fm = {0x66E9, 10110, 1, 8800, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const std::vector<std::string> own_dials = {"0800 111", "0800 222", ""};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product);
        start_over();
        sim::HeadsetPersona persona = group_headset(c.product);
        // What the device holds in the records no write-back of its group reaches.
        persona.records[0x15] = own_fm;
        persona.records[0x09] = {0x0300};
        for (uint8_t i = 0; i < 3; ++i) {
            persona.records[static_cast<uint8_t>(0x5A + i)] = text_words(own_dials[i]);
            persona.shortRecords[static_cast<uint8_t>(0x05 + i)] = short_text(own_dials[i]);
        }
        persona.shortRecords[0x08] = short_words(own_fm);
        const sim::PluggedHeadset plugged = sim::plug_headset(persona);
        const KIVOBluetoothDeviceData saved = saved_record(c.product);
        run.saved = saved;

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);

        EXPECT_EQ(settings_words_of(data, 5), c.settings_words);
        switch (c.named) {
        case Named::FromSavedWord: EXPECT_EQ(named_settings(data), named_settings(saved)); break;
        case Named::AllOff: EXPECT_EQ(named_settings(data), kAllOff); break;
        case Named::OemFlagsOn: {
            std::vector<int> expected = kAllOff;
            expected[19] = expected[20] = 1;
            EXPECT_EQ(named_settings(data), expected);
            break;
        }
        }
        const Words fm = fm_block_of(data);
        switch (c.fm) {
        case Fm::Written: EXPECT_EQ(fm, kWrittenFmBlock); break;
        case Fm::DevicesOwn: EXPECT_EQ(fm, own_fm); break;
        case Fm::Cleared: EXPECT_EQ(fm, Words(15, 0)); break;
        }
        EXPECT_EQ(speed_dials_of(data), c.dials == Dials::Written ? speed_dials_of(saved) : own_dials);
    }
}

TEST_F(HidSettings, SecondFmRecordIsWrittenWhileTheReadTakesTheFirst)
{
    sim::HeadsetPersona persona = group_headset(0x3342);
    persona.records[0x15] = Words(15, 7);
    const sim::PluggedHeadset plugged = sim::plug_headset(persona);
    run.saved = saved_record(0x3342);

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(plugged.record(0x44), kWrittenFmBlock);
    EXPECT_EQ(plugged.record(0x15), Words(15, 7)) << "no write reaches the record that is read";
    EXPECT_EQ(data.fmRadioCurrentFrequency(), 7);
}

TEST_F(HidSettings, BasicSettingsWordAndAddressAreDecoded)
{
    struct Case {
        uint16_t product;
        uint8_t record;
        bool address_over_short_reports;
    };
    for (const Case c : {Case{0x6600, 0x04, false}, Case{0x6829, 0x04, true}, Case{0x3052, 0x36, false}}) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product);
        start_over();
        sim::HeadsetPersona persona = group_headset(c.product);
        // Every bit but 7, which carries no setting, and all but bits 1 and 14.
        persona.records[c.record] = {static_cast<uint16_t>(0xFFFF & ~(1u << 1) & ~(1u << 14))};
        persona.bdAddress = {0x00, 0x1B, 0xAC, 0x3D, 0x4E, 0x5F};
        const sim::PluggedHeadset plugged = sim::plug_headset(persona);
        data.setAutoGainControl(1);
        data.setVARGOFMRadio(1);

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        const std::vector<int> expected = {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(named_settings(data), expected);
        EXPECT_EQ(data.deviceBdAddress(), "001BAC3D4E5F");
        EXPECT_EQ(data.bdAddress(), "001BAC[3D4E5F]");
        const auto requests = short_requests(plugged.hid());
        EXPECT_EQ(std::count(requests.begin(), requests.end(), std::pair{0x02, 0x00}),
                  c.address_over_short_reports ? 1 : 0);
    }
}

TEST_F(HidSettings, FailedReadsLeaveFixedValues)
{
    struct Case {
        const char* what;
        uint16_t product;
        std::vector<uint8_t> failing_records;
        std::vector<int> settings_words;
        std::vector<int> named;
    };
    const Case cases[] = {
        {"basic word", 0x3052, {0x36}, {0, 0x0020, 0}, kUnreadBasicWord},
        {"basic word with VOX sensitivity after it", 0x6038, {0x36}, {0, 0x0020, 0}, kUnreadBasicWord},
        {"basic word alone", 0x6600, {0x04}, {0, 0, 0}, kUnreadBasicWord},
        {"OEM words and flags", 0x3142, {0x04, 0x09}, {0x1D21, 0x0183, 0}, kAllOff},
        {"settings words", 0x4D06, {0x36}, {0x1421, 0x0200, 0}, kAllOff},
        {"62-byte settings words", 0x6800, {0x03}, {0x0003, 0x2200, 0}, kAllOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start_over();
        sim::HeadsetPersona persona = group_headset(c.product);
        persona.failingRecords = c.failing_records;
        persona.records[0x17] = {3, 4};
        const sim::PluggedHeadset plugged = sim::plug_headset(persona);
        data.setBasicSettingBriskoAt_with(2, 0);
        data.setVARGOFMRadio(1);

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(settings_words_of(data, 3), c.settings_words);
        EXPECT_EQ(named_settings(data), c.named);
        EXPECT_FALSE(record_requested(plugged.hid(), 0x17)) << "VOX sensitivity only after settings that were read";
    }
}

TEST_F(HidSettings, FailedFmSpeedDialAddressAndVolumeReads)
{
    sim::HeadsetPersona persona = group_headset(0x6461);
    persona.failingRecords = {0x15, 0x37, 0x3F};
    persona.failingCommands = {0x02};
    persona.records[0x38] = text_words("112");
    sim::plug_headset(persona);
    data.setDeviceBdAddress("AABBCCDDEEFF");
    data.setBdAddress("AABBCC[DDEEFF]");
    data.setBackgroundVolume(6);
    data.setSpeedDialAt_with(0, "999");

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    Words unread_fm(15, 0);
    unread_fm[0] = 0x56E9;
    EXPECT_EQ(fm_block_of(data), unread_fm);
    EXPECT_EQ(speed_dials_of(data), (std::vector<std::string>{"", "112", ""}));
    EXPECT_EQ(data.bdAddress(), "");
    EXPECT_EQ(data.deviceBdAddress(), "AABBCCDDEEFF") << "the device's own address stays";
    EXPECT_EQ(data.backgroundVolume(), 6);

    // Over 62-byte reports: the FM block and the speed dials.
    start_over();
    persona = group_headset(0x6806);
    persona.failingRecords = {0x08, 0x06};
    persona.shortRecords[0x05] = short_text("0700 1");
    sim::plug_headset(persona);
    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(fm_block_of(data), unread_fm);
    EXPECT_EQ(speed_dials_of(data), (std::vector<std::string>{"0700 1", "", ""}));
}

TEST_F(HidSettings, BackgroundVolumeIsWordSevenOfItsRecordBelowTen)
{
    for (const auto& [word, volume] : {std::pair{7, 7}, std::pair{9, 9}, std::pair{10, 4}, std::pair{0xFFFF, 4}}) {
        SCOPED_TRACE(word);
        start_over();
        sim::HeadsetPersona persona = group_headset(0x6620);
        persona.records[0x3F] = {0, 0, 0, 0, 0, 0, 0, static_cast<uint16_t>(word)};
        const sim::PluggedHeadset plugged = sim::plug_headset(persona);
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(data.backgroundVolume(), volume);
        for (const sim::Bytes& out : plugged.hid().outputs()) {
            if (out.size() == 1023 && out[1] == 0x03 && out[2] == 0x3F) {
                EXPECT_EQ(out[3], 8) << "the request names the record's word count";
            }
        }
    }
}

TEST_F(HidSettings, DeviceWordCountsTakeOnlyWhatFits)
{
    // Counts past what the record keeps, then past what a report can carry.
    for (const int claimed : {-1, 200}) {
        SCOPED_TRACE(claimed);
        start_over();
        sim::HeadsetPersona persona = group_headset(0x3142);
        Words words;
        for (uint16_t i = 1; i <= 12; ++i)
            words.push_back(i);
        persona.records[0x04] = words;
        persona.records[0x5A] = text_words(std::string(25, '7'));
        if (claimed > 0)
            persona.recordWordCount = claimed;
        sim::plug_headset(persona);
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(settings_words_of(data, 10), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(data.speedDialAt(0), std::string(20, '7'));
    }

    start_over();
    sim::HeadsetPersona persona = group_headset(0x6039);
    persona.records[0x17] = {5, 6, 7, 8};
    persona.recordWordCount = 255;
    sim::plug_headset(persona);
    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(data.basicSettingPintraVOXSensitivityAt(0), 5);
    EXPECT_EQ(data.basicSettingPintraVOXSensitivityAt(1), 6);
}

TEST_F(HidSettings, FailedWriteEndsTheWriteBackWithWhatWasLost)
{
    struct Case {
        uint16_t product;
        uint8_t failing;
        size_t writes_sent;
        std::string english;
        std::string german;
    };
    const Case cases[] = {
        {0x3052, 0x44, 2, "Cannot restore FM Radio Setting",
         "UKW-Radio-Einstellung kann nicht wiederhergestellt werden"},
        {0x3142, 0x04, 1, "Cannot restore Device Setting", "Geräteeinstellung kann nicht wiederhergestellt werden"},
        {0x4D06, 0x38, 3, "Cannot restore Speed Dial", "Kurzwahl kann nicht wiederhergestellt werden"},
        {0x5630, 0x36, 1, "Cannot restore Device Setting", "Geräteeinstellung kann nicht wiederhergestellt werden"},
        {0x6806, 0x03, 1, "Cannot restore Device Setting", "Geräteeinstellung kann nicht wiederhergestellt werden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product);
        start_over();
        sim::HeadsetPersona persona = group_headset(c.product);
        persona.failingRecords = {c.failing};
        const sim::PluggedHeadset plugged = sim::plug_headset(persona);
        run.saved = saved_record(c.product);
        run.session.deviceTarget = c.product;
        run.callerMode = 6;

        EXPECT_EQ(recognize(), kivo::kRecognitionFailed);
        EXPECT_TRUE(run.doWarn);
        EXPECT_FALSE(run.goFirmwareUpgrade);
        EXPECT_EQ(run.session.usbStatus, 0);
        EXPECT_FALSE(run.session.recognized);
        EXPECT_EQ(run.strStatus[0], c.english);
        EXPECT_EQ(run.strStatus[2], c.german);

        const std::vector<sim::Bytes> writes = sim::settings_writes(plugged.hid());
        EXPECT_EQ(writes.size(), c.writes_sent);
        EXPECT_EQ(plugged.hid().outputs().back(), writes.back()) << "nothing is sent after the failed write";
    }
}

TEST_F(HidSettings, ShortReportFamiliesAskVersionThenLanguagePackEachOnItsOwn)
{
    sim::HeadsetPersona persona = group_headset(0x6831);
    persona.name = "";
    persona.languagePackType = 2;
    persona.languagePackMajor = 4;
    persona.languagePackMinor = 1;
    persona.shortRecords[0x03] = short_words({0x0A0B, 0x0C0D, 0x0E0F});
    const sim::PluggedHeadset plugged = sim::plug_headset(persona);

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(data.deviceName(), "") << "no default name for this product";
    EXPECT_EQ(data.deviceVersion(), (FirmwareQuad{3, 2, 1, 4}));
    EXPECT_EQ(data.devicelanguagePackType(), 2);
    EXPECT_EQ(data.devicelanguagePackTypeVerMajor(), 4);
    EXPECT_EQ(data.devicelanguagePackTypeVerMinor(), 1);
    EXPECT_EQ(settings_words_of(data, 3), (std::vector<int>{0x0A0B, 0x0C0D, 0x0E0F}));
    // The language-pack answer is longer than the short version answer: asked again for the long.
    const std::vector<std::pair<int, int>> expected = {{0x03, 0x02}, {0x01, 0x00}, {0x01, 0x01},
                                                       {0x01, 0x01}, {0x02, 0x00}, {0x03, 0x03}};
    EXPECT_EQ(short_requests(plugged.hid()), expected) << "and no speed dials in this family";
}

TEST(HidSettingsGroups, EveryProductOpenedOverHidIsInExactlyOneGroup)
{
    for (int id = 0; id <= 0xFFFF; ++id) {
        const bool opened = hid_device_product(static_cast<uint32_t>(id));
        const bool grouped = kivo::settings_group(id) != kivo::SettingsGroup::None;
        EXPECT_EQ(opened, grouped) << std::hex << id;
        // The sets of the groups do not overlap.
        const int sets = kivo::product_in(kivo::kSettingsGroupG1Products, id) +
            kivo::product_in(kivo::kSettingsGroupG2Products, id) + kivo::product_in(kivo::kGrennikProducts, id) +
            kivo::product_in(kivo::kOemHeadsetProducts, id) + kivo::product_in(kivo::kSettingsGroupG5Products, id) +
            kivo::product_in(kivo::kSettingsGroupG6Products, id) +
            kivo::product_in(kivo::kSettingsGroupG7Products, id) +
            kivo::product_in(kivo::kSettingsGroupG8Products, id) +
            kivo::product_in(kivo::kBackgroundVolumeProducts, id) +
            kivo::product_in(kivo::kSettingsGroupG10Products, id) + kivo::speaks_protocol_b(id);
        EXPECT_LE(sets, 1) << std::hex << id;
    }
}
