// Recognition over plain USB: the older headsets identified through their chip's persistent store
// (power table, write-back of a saved record, settings per chip), devices in firmware-management
// mode, the camera without its card, and products made of two devices.

#include <string>
#include <vector>

#include "device/products/settings_tabs.h"
#include "tests/recognition/recognition_fixture.h"
#include "tests/sim/camera_card.h"
#include "tests/sim/usb_headsets.h"

namespace {

constexpr int kAbove = 1, kAt = 0;

std::vector<uint16_t> keys_of(const std::vector<sim::PsWrite>& writes)
{
    std::vector<uint16_t> keys;
    for (const sim::PsWrite& w : writes)
        keys.push_back(w.key);
    return keys;
}

// Bytes written as hexadecimal pairs, spaces ignored: "0B00 0000" is 0B 00 00 00.
sim::Bytes hex_bytes(std::string_view text)
{
    sim::Bytes bytes;
    for (size_t at = 0; at < text.size();) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(text.substr(at, 2)), nullptr, 16)));
        at += 2;
    }
    return bytes;
}

// The on/off settings as 0/1 digits: handsfree VOX, intercom VOX, EDR, voice prompt, PLC, bitpool,
// microphone boost, sidetone, advanced noise control, automatic gain control.
std::string on_off(const KIVOBluetoothDeviceData& d)
{
    std::string digits;
    for (int v : {d.handsfreeVOX(), d.intercomVOX(), d.edr(), d.voicePrompt(), d.plc(), d.bitpoolRate(),
                  d.microphoneBoost(), d.sidetone(), d.advancedNoiseControl(), d.autoGainControl()})
        digits += static_cast<char>('0' + v);
    return digits;
}

std::vector<std::string> speed_dials(const KIVOBluetoothDeviceData& d)
{
    return {d.speedDialAt(0), d.speedDialAt(1), d.speedDialAt(2)};
}

} // namespace

class UsbRecognition : public RecognitionRunTest {
protected:
    std::shared_ptr<sim::Device> plug(const sim::UsbHeadsetPersona& persona)
    {
        return bus().plug(sim::make_usb_headset(persona));
    }
    // A headset of product_id, at the address given.
    static sim::UsbHeadsetPersona headset(uint16_t product_id, uint32_t lap = 0x3A1B2C)
    {
        sim::UsbHeadsetPersona persona = sim::usb_headset(product_id, "Trail Rider");
        persona.address.lap = lap;
        return persona;
    }
    // Requests the device answered with its persistent store, failed or not.
    static size_t store_requests(const sim::Device& device)
    {
        size_t n = 0;
        for (const sim::ControlRecord& r : device.usb.transcript())
            n += r.api == sim::UsbApi::Libusb1 && r.setup.request_type == 0x20 ? 1 : 0;
        return n;
    }
};

TEST_F(UsbRecognition, HeadsetIsIdentifiedThroughItsPersistentStore)
{
    auto device = plug(headset(0x4D10));

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);

    EXPECT_EQ(data.deviceRecognized(), 0x4D10);
    EXPECT_EQ(data.deviceName(), "Trail Rider");
    EXPECT_EQ(data.bdAddress(), "00195A[3A1B2C]") << "NAP and UAP, then the LAP in brackets";
    EXPECT_EQ(data.lastSixBDAddress(), "3A1B2C");
    EXPECT_EQ(data.deviceVersion(), (FirmwareQuad{5, 1, 0, 0}));
    EXPECT_EQ(data.managerVersionMajor(), 1);
    EXPECT_EQ(data.managerVersionMinor(), 2);
    EXPECT_EQ(on_off(data), "1001100100") << "word 0x0119, bits 0-6 and 8 taken at firmware 5.1";
    EXPECT_EQ(speed_dials(data), (std::vector<std::string>{"0123456789", "+4930123456", ""}));
    EXPECT_EQ(data.fmRadioMagicCode(), 0) << "no FM radio";

    const kivo::DeviceSession& c = run.session;
    EXPECT_EQ(c.deviceTarget, 0x4D10);
    EXPECT_TRUE(c.recognized);
    EXPECT_EQ(c.usbStatus, 0x4D10);
    const kivo::SettingsTabs tabs = kivo::settings_tabs_for(0x4D10, 5, 1, c.fmRadioShowAndHide);
    EXPECT_EQ(c.tabs.count, tabs.count);
    EXPECT_EQ(c.tabs.tabs, tabs.tabs);
    EXPECT_TRUE(run.goFirmwareUpgrade);
    EXPECT_FALSE(run.doWarn);
    EXPECT_EQ(run.strStatus[0], "Device recognized successfully. Ready for FIRMWARE UPDATE");
    EXPECT_EQ(run.strStatus[2], "Gerät erfolgreich erkannt. Bereit für FIRMWARE-AKTUALISIERUNG");
    EXPECT_FALSE(run.isFirst) << "the management probe opened it";
}

TEST_F(UsbRecognition, AddressThresholdChoosesThePowerTable)
{
    struct Case {
        uint16_t product;
        uint32_t lap;
        std::vector<uint16_t> keys;
        size_t key49_words;
    };
    const std::vector<uint16_t> full = {23, 33, 45, 49, 502, 521, 578};
    const Case cases[] = {
        {0x4D35, 0x2DD49E + kAbove, full, 15}, // group B
        {0x4D35, 0x2DD49E + kAt, {49}, 30}, // the low-address table instead
        {0x4D55, 0x000000, {49}, 30},
        {0x4D05, 0x2DD49E + kAt, {}, 0}, // no low-address table for it
        {0x4D15, 0x2DE43E + kAbove, {23, 33, 49}, 15}, // group A
        {0x4D85, 0x2E037E + kAbove, full, 15},
        {0x4D10, 0x2C9BD1 + kAbove, full, 30}, // group C
        {0x4D10, 0x2C9BD1 + kAt, {}, 0},
        {0x4D50, 0x2CAF59 + kAbove, full, 30},
        {0x6110, 0x34FD7D + kAbove, full, 25}, // group D
        {0x6120, 0x358E08 + kAbove, full, 19}, // group E
        {0x6120, 0xFFFFFF, full, 19},
        {0x4D21, 0xFFFFFF, {}, 0}, // no power table at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product << " LAP " << c.lap);
        start_over();
        auto device = plug(headset(c.product, c.lap));
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        const auto writes = sim::ps_writes(*device);
        EXPECT_EQ(keys_of(writes), c.keys);
        for (const sim::PsWrite& w : writes)
            EXPECT_EQ(w.words.size(), w.key == 49 ? c.key49_words : 1u) << "key " << w.key;
    }
}

TEST_F(UsbRecognition, PowerTableFramesCarryTheTableBytesAsSent)
{
    auto device = plug(headset(0x4D15, 0x2DE43F));
    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    const auto writes = sim::ps_writes(*device);
    ASSERT_EQ(keys_of(writes), (std::vector<uint16_t>{23, 33, 49}));

    // Key 23 holds the plain word 0x0010: a one-word SETREQ of 9 words, 22 bytes in all.
    const sim::Bytes& key23 = writes[0].frame;
    ASSERT_EQ(key23.size(), 22u);
    EXPECT_EQ(sim::Bytes(key23.begin(), key23.begin() + 8), hex_bytes("00FC 13 C2 0200 0900"))
        << "opcode, parameter length 19, channel, SETREQ, 9 words";
    EXPECT_EQ(sim::Bytes(key23.begin() + 10, key23.end()), hex_bytes("0370 0000 1700 0100 0100 1000"))
        << "varid, status, key 23, one word, store 1, the word";

    // Key 49's words go out byte for byte as the table lists them.
    const sim::Bytes& key49 = writes[2].frame;
    EXPECT_EQ(sim::Bytes(key49.begin() + 14, key49.begin() + 20), hex_bytes("3100 0F00 0100"));
    EXPECT_EQ(sim::Bytes(key49.begin() + 20, key49.end()),
              hex_bytes("0B00 0000 1100 0000 0000 1600 0000 1100 0000 0800 2700 0000 1600 0000 1000"));
}

TEST_F(UsbRecognition, SettingsAreReadByChipAndFirmware)
{
    struct Case {
        const char* what;
        uint16_t product;
        uint16_t version;
        uint16_t word; // key 654 word 0
        bool short_word; // key 654 answers one word instead of two
        const char* on_off;
        bool dials;
    };
    const Case cases[] = {
        {"5.0 takes sidetone", 0x4D10, 50, 0xFFFF, false, "1111111100", true},
        {"4.2 without sidetone, no dials yet", 0x4D10, 42, 0xFFFF, false, "1111111000", false},
        {"4.3 reads the dials", 0x4D10, 43, 0x0000, false, "0000000000", true},
        {"unread word turns the defaults on", 0x4D10, 50, 0, true, "1000111000", true},
        {"only sidetone, on when unread", 0x4D21, 11, 0, true, "0000000100", true},
        {"only sidetone", 0x4D21, 11, 0xFEFF, false, "0000000000", true},
        {"no handsfree VOX bit", 0x6110, 11, 0, true, "0000111000", true},
        {"bits 2-6, 8, 9", 0x6120, 11, 0xFFFF, false, "0011111110", true},
        {"noise control from 1.1", 0x2020, 10, 0xFFFF, false, "1111111100", true},
        {"noise control from 1.1", 0x2020, 11, 0xFFFF, false, "1111111110", true},
        {"gain control", 0x4120, 11, 0xFFFF, false, "1111111111", true},
        {"bits 0, 2, 3", 0x6460, 11, 0xFFFF, false, "1011000000", true},
        {"bit 0 only", 0x6430, 11, 0, true, "1000000000", true},
        {"bits 0-5, no dials", 0x2310, 11, 0xFFFF, false, "1111110000", false},
        {"bits 0-5 below 2.0, dials above 1.2", 0x4D05, 13, 0xFFFF, false, "1111110000", true},
        {"sidetone from 2.0", 0x4D05, 20, 0xFFFF, false, "1111110100", true},
        {"1.2 has no dials", 0x4D35, 12, 0xFFFF, false, "1111110000", false},
        {"a chip without settings", 0x3010, 11, 0xFFFF, false, "0000000000", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << " " << std::hex << c.product << std::dec << " v" << c.version);
        start_over();
        sim::UsbHeadsetPersona persona = headset(c.product);
        persona.version_tenths = c.version;
        persona.basic_word = c.word;
        auto device = plug(persona);
        if (c.short_word)
            device->usb.ps_store->keys[sim::kKeyBasicSettings] = {c.word};

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(on_off(data), c.on_off);
        const std::vector<std::string> none = {"", "", ""};
        EXPECT_EQ(speed_dials(data), c.dials ? persona.speed_dials : none);
    }
}

TEST_F(UsbRecognition, OlderFirmwareKeepsItsVoxSettingsInKeysOfTheirOwn)
{
    struct Case {
        std::optional<uint16_t> intercom, phone;
        std::optional<bool> edr_off;
        const char* on_off;
    };
    for (const Case& c : {Case{1, 0, true, "0110000000"}, Case{0, 1, false, "1000000000"},
                          Case{std::nullopt, std::nullopt, std::nullopt, "0000000000"}}) {
        start_over();
        sim::UsbHeadsetPersona persona = headset(0x5040);
        persona.version_tenths = 32;
        persona.basic_word = 0xFFFF;
        persona.intercom_vox = c.intercom;
        persona.phone_vox = c.phone;
        persona.edr_off = c.edr_off;
        plug(persona);

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(on_off(data), c.on_off) << "EDR reads 1 when the chip announces EDR off";
        EXPECT_EQ(speed_dials(data), (std::vector<std::string>{"", "", ""}));
        EXPECT_EQ(data.fmRadioMagicCode(), 0x56E9) << "the FM block is read at any version";
    }
}

TEST_F(UsbRecognition, FmBlockWithAStrangeMagicIsSetUpAfreshKeepingThePresets)
{
    struct Case {
        std::optional<std::array<uint16_t, 15>> block;
        bool truncated;
        std::optional<std::array<uint16_t, 15>> rewritten;
        std::array<uint16_t, 15> shown;
    };
    const std::array<uint16_t, 15> strange = {0x1234, 9510, 2, 8750, 9510, 10170, 0, 0, 0, 0, 0, 0, 10800, 1, 3};
    const std::array<uint16_t, 15> repaired = {0x56E9, 0, 0, 8750, 9510, 10170, 0, 0, 0, 0, 0, 0, 10800, 0, 0};
    const std::array<uint16_t, 15> other_magic = {0x66E9, 9510, 2, 8750, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3};
    const std::array<uint16_t, 15> empty = {0x56E9};
    const Case cases[] = {
        {strange, false, repaired, repaired},
        {other_magic, false, std::nullopt, other_magic},
        {sim::kFactoryFmBlock, true, std::nullopt, empty},
        {std::nullopt, false, std::nullopt, empty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << (c.block ? (*c.block)[0] : 0) << (c.truncated ? " cut" : ""));
        start_over();
        sim::UsbHeadsetPersona persona = headset(0x4D85, 0x000001);
        persona.fm_block = c.block;
        auto device = plug(persona);
        if (c.truncated)
            device->usb.ps_store->keys[sim::kKeyFmBlock].resize(14);

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        const auto writes = sim::ps_writes(*device);
        if (c.rewritten) {
            ASSERT_EQ(keys_of(writes), (std::vector<uint16_t>{671}));
            EXPECT_EQ(writes[0].words, std::vector<uint16_t>(c.rewritten->begin(), c.rewritten->end()));
        } else {
            EXPECT_TRUE(writes.empty());
        }
        EXPECT_EQ(data.fmRadioMagicCode(), c.shown[0]);
        EXPECT_EQ(data.fmRadioCurrentFrequency(), c.shown[1]);
        EXPECT_EQ(data.fmRadioCurrentPreset(), c.shown[2]);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(data.fmRadioPresetsAt(i), c.shown[3 + static_cast<size_t>(i)]) << "preset " << i;
        EXPECT_EQ(data.fmRadioRDS(), c.shown[13]);
        EXPECT_EQ(data.fmRadioRegion(), c.shown[14]);
    }
}

TEST_F(UsbRecognition, RadioTransmitGainAndChannelTimeoutFromTheirKeys)
{
    struct Case {
        std::optional<uint16_t> gain;
        std::optional<uint16_t> timeout_ms;
        int shown_gain;
        int shown_timeout;
    };
    for (const Case c : {Case{13, 2500, 12, 5}, Case{14, 3000, 15, 3}, Case{16, 45000, 15, 45}, Case{17, 60999, 17, 60},
                         Case{0xFFFF, 61000, 17, 5}, Case{0, 0, 12, 5}, Case{std::nullopt, std::nullopt, 15, 5}}) {
        SCOPED_TRACE(testing::Message() << c.shown_gain << "/" << c.shown_timeout);
        start_over();
        sim::UsbHeadsetPersona persona = headset(0x5210);
        persona.transmit_gain = c.gain;
        persona.channel_timeout_ms = c.timeout_ms;
        persona.basic_word = 0xFFFF;
        plug(persona);

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        EXPECT_EQ(data.radioTransmitGain(), c.shown_gain);
        EXPECT_EQ(data.audioChannelTimeout(), c.shown_timeout);
        EXPECT_EQ(on_off(data), "0000000000");
    }
}

TEST_F(UsbRecognition, SavedRecordIsWrittenBackBeforeTheSettingsAreRead)
{
    struct Case {
        const char* what;
        uint16_t product;
        FirmwareQuad saved_version;
        std::vector<uint16_t> keys;
    };
    const Case cases[] = {
        {"VOX keys before 4.0", 0x4D10, {3, 9, 0, 0}, {664, 665}},
        {"basic word from 4.0", 0x4D30, {4, 0, 0, 0}, {654}},
        {"then the FM block", 0x5050, {5, 1, 0, 0}, {654, 671}},
        {"VOX keys and the FM block", 0x5040, {3, 2, 0, 0}, {664, 665, 671}},
        {"basic word and FM block", 0x4D65, {1, 0, 0, 0}, {654, 671}},
        {"basic word", 0x6490, {1, 0, 0, 0}, {654}},
        {"gain and timeout", 0x5210, {1, 0, 0, 0}, {684, 682}},
        {"nothing to write back", 0x3010, {1, 0, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start_over();
        auto device = plug(headset(c.product, 0x000001));
        KIVOBluetoothDeviceData saved;
        saved.setDeviceRecognized(c.product);
        saved.setDeviceVersion(c.saved_version);
        saved.setIntercomVOX(1);
        saved.setHandsfreeVOX(0);
        saved.setPlc(1);
        saved.setSidetone(1);
        saved.setFmRadioMagicCode(0x56E9);
        saved.setFmRadioCurrentFrequency(10170);
        saved.setFmRadioPresetsAt_with(9, 8750);
        saved.setFmRadioRegion(2);
        saved.setRadioTransmitGain(17);
        saved.setAudioChannelTimeout(45);
        run.saved = saved;
        run.callerMode = 6;
        run.session.deviceTarget = c.product;

        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        const auto writes = sim::ps_writes(*device);
        ASSERT_EQ(keys_of(writes), c.keys);
        for (const sim::PsWrite& w : writes) {
            const std::vector<uint16_t> expected = w.key == 664 ? std::vector<uint16_t>{1}
                : w.key == 665                                  ? std::vector<uint16_t>{0}
                : w.key == 654                                  ? std::vector<uint16_t>{saved.getSettings40(), 0}
                : w.key == 684                                  ? std::vector<uint16_t>{17}
                : w.key == 682                                  ? std::vector<uint16_t>{45000}
                               : std::vector<uint16_t>{0x56E9, 10170, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8750, 0, 2};
            EXPECT_EQ(w.words, expected) << "key " << w.key;
        }
        if (c.product == 0x4D30 || c.product == 0x5050) {
            EXPECT_EQ(on_off(data), "0100100100") << "the device shows what was written";
        }
    }
}

TEST_F(UsbRecognition, ChannelTimeoutWrittenBackStaysInTheDevicesRange)
{
    for (const auto& [seconds, written] : {std::pair{0, 3000}, std::pair{90, 60000}, std::pair{-5, 3000}}) {
        SCOPED_TRACE(seconds);
        start_over();
        auto device = plug(headset(0x5210));
        KIVOBluetoothDeviceData saved;
        saved.setAudioChannelTimeout(seconds);
        run.saved = saved;
        run.callerMode = 6;
        run.session.deviceTarget = 0x5210;
        ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
        const auto writes = sim::ps_writes(*device);
        ASSERT_EQ(keys_of(writes), (std::vector<uint16_t>{684, 682}));
        EXPECT_EQ(writes[1].words, (std::vector<uint16_t>{static_cast<uint16_t>(written)}));
    }
}

TEST_F(UsbRecognition, WriteBackStopsAtTheKeyTheDeviceRefuses)
{
    struct Case {
        uint16_t product;
        FirmwareQuad saved_version;
        uint16_t refused;
        std::vector<uint16_t> tried;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {0x4D10, {3, 0, 0, 0}, 664, {664}, "Cannot restore VOX Intercom", nullptr},
        {0x4D10, {3, 0, 0, 0}, 665, {664, 665}, "Cannot restore VOX Phone", nullptr},
        {0x5040, {4, 1, 0, 0}, 671, {654, 671}, "Cannot restore FM Radio Setting", nullptr},
        {0x4D05, {1, 0, 0, 0}, 654, {654}, "Cannot restore Device Setting", nullptr},
        {0x5210, {1, 0, 0, 0}, 684, {684}, "Cannot restore Radio Transmit Gain", nullptr},
        {0x5210, {1, 0, 0, 0}, 682, {684, 682}, "Cannot restore Audio Channel Timeout", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product << " refusing " << std::dec << c.refused);
        start_over();
        auto device = plug(headset(c.product, 0x000001));
        device->usb.ps_store->faults.read_only = {c.refused};
        KIVOBluetoothDeviceData saved;
        saved.setDeviceVersion(c.saved_version);
        run.saved = saved;
        run.callerMode = 6;
        run.session.deviceTarget = c.product;
        run.session.usbStatus = c.product;

        EXPECT_EQ(recognize(), kivo::kRecognitionFailed);
        EXPECT_EQ(keys_of(sim::ps_writes(*device)), c.tried) << "nothing after the refused key";
        EXPECT_EQ(run.strStatus[0], c.english);
        EXPECT_TRUE(run.doWarn);
        EXPECT_FALSE(run.goFirmwareUpgrade);
        EXPECT_EQ(run.session.usbStatus, 0);
        EXPECT_EQ(data.deviceName(), "") << "no settings read, nothing stored";
    }
}

TEST_F(UsbRecognition, DeviceInFirmwareManagementModeIsRecognizedWithoutReadingIt)
{
    auto device = bus().plug(sim::make_dfu_device(0xCD35));
    run.callerMode = 5;
    run.session.deviceTarget = 0x4D05;

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_TRUE(run.doWarn) << "shown as a warning";
    EXPECT_TRUE(run.goFirmwareUpgrade);
    EXPECT_EQ(run.session.deviceTarget, 0x4D35);
    EXPECT_TRUE(run.session.recognized);
    EXPECT_EQ(run.session.usbStatus, 0xCD35);
    EXPECT_EQ(data.deviceRecognized(), 0x4D35);
    EXPECT_EQ(data.deviceVersion(), (FirmwareQuad{0, 0, 0, 0}));
    EXPECT_EQ(run.strStatus[0], "Firmware management mode. Ready for FIRMWARE UPDATE");
    EXPECT_EQ(store_requests(*device), 0u);
    EXPECT_FALSE(run.isFirst);
}

TEST_F(UsbRecognition, FirstRecognitionFindsProductsTheManagementProbeDoesNotTake)
{
    plug(headset(0x6110));
    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded) << "the probe found nothing, the normal open the headset";
    EXPECT_EQ(data.deviceRecognized(), 0x6110);
    EXPECT_TRUE(run.isFirst) << "the probe has still not succeeded";
    EXPECT_GE(virtual_seconds(), 3 + 19);

    // A probe that finds a device it cannot open is still a failure.
    start_over();
    auto device = plug(headset(0x4D10));
    device->usb.faults.fail_open = -1;
    EXPECT_EQ(recognize(), kivo::kRecognitionFailed);
    EXPECT_EQ(run.strStatus[0], "Cannot open USB [2]");
    EXPECT_TRUE(run.isFirst);
}

TEST_F(UsbRecognition, AcceptanceOfTheChipForTheSelectedProduct)
{
    struct Case {
        uint16_t on_bus;
        int selected; // 0: started from the recognition page
        int result;
        int target_after;
    };
    const Case cases[] = {
        {0x6021, 0, kivo::kRecognitionSucceeded, 0x6021}, // its chip says 0x6020
        {0x6025, 0, kivo::kRecognitionSucceeded, 0x6025},
        {0x4D30, 0x4D10, kivo::kRecognitionSucceeded, 0x4D10},
        {0x4D10, 0x4D05, kivo::kRecognitionOtherDevice, 0x4D05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.on_bus << " selected " << c.selected);
        start_over();
        plug(headset(c.on_bus));
        run.callerMode = c.selected == 0 ? 0 : 5;
        run.session.deviceTarget = c.selected;

        EXPECT_EQ(recognize(), c.result);
        EXPECT_EQ(run.session.deviceTarget, c.target_after);
        EXPECT_EQ(run.session.usbStatus, c.on_bus);
        EXPECT_EQ(data.deviceName(), "Trail Rider") << "the record holds the device found";
    }
}

TEST_F(UsbRecognition, DeviceOtherThanTheSelectedIsReadButNeverWritten)
{
    struct Case {
        uint16_t on_bus;
        int selected;
        int result;
        std::vector<uint16_t> written;
    };
    const Case cases[] = {
        {0x4D10, 0x4D05, kivo::kRecognitionOtherDevice, {}},
        {0x4D35, 0x4D10, kivo::kRecognitionOtherDevice, {}}, // at the selected one's threshold, below its own
        {0x4D30, 0x4D10, kivo::kRecognitionSucceeded, {23, 33, 45, 49, 502, 521, 578, 654}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.on_bus << " selected " << c.selected);
        start_over();
        auto device = plug(headset(c.on_bus, 0x2C9BD1 + kAbove));
        KIVOBluetoothDeviceData saved;
        saved.setDeviceVersion({5, 0, 0, 0});
        run.saved = saved;
        run.callerMode = 6;
        run.session.deviceTarget = c.selected;

        EXPECT_EQ(recognize(), c.result);
        EXPECT_EQ(keys_of(sim::ps_writes(*device)), c.written);
    }
}

TEST_F(UsbRecognition, CameraIsRecognizedOnlyWithItsCard)
{
    sim::CameraCard card(0x3020);
    for (const bool with_card : {false, true}) {
        SCOPED_TRACE(with_card);
        start_over();
        if (with_card)
            card.insert();
        plug(headset(0x3020));
        run.callerMode = 5;
        run.session.deviceTarget = 0x3020;
        run.session.usbStatus = 0x3020;

        if (with_card) {
            EXPECT_EQ(recognize(), kivo::kRecognitionSucceeded);
            EXPECT_EQ(data.deviceRecognized(), 0x3020);
        } else {
            EXPECT_EQ(recognize(), kivo::kRecognitionFailed);
            EXPECT_EQ(run.strStatus[0], "Check your SD Card [1000]");
            EXPECT_EQ(run.session.usbStatus, 0);
            EXPECT_TRUE(run.doWarn);
        }
    }
}

TEST_F(UsbRecognition, TwoHalvesOfOneProductShareOneRecord)
{
    sim::plug_usb_pair(headset(0x5310));

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(data.bdAddress(), "00195A[3A1B2C] _ 00195A[3A1B2D]");
    EXPECT_EQ(data.deviceRecognized(), 0x5310);
    EXPECT_EQ(data.managerVersionMajor(), 0) << "only a single device is stamped with the manager's version";
    EXPECT_EQ(run.session.tabs.count, 0) << "and given its tabs";
    EXPECT_EQ(run.session.usbStatus, 0x5310);
    EXPECT_EQ(run.session.deviceTarget, 0x5310);
}

TEST_F(UsbRecognition, SecondDeviceThatDiffersIsLeftOut)
{
    sim::UsbHeadsetPersona first = headset(0x5310);
    sim::UsbHeadsetPersona second = first;
    second.name = "Other Rider";
    second.address.lap = 0x3A1B2D;
    bus().plug(sim::make_usb_headset(first));
    bus().plug(sim::make_usb_headset(second));

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded) << "the first device's outcome";
    EXPECT_EQ(data.bdAddress(), "00195A[3A1B2C]");
    EXPECT_EQ(data.lastSixBDAddress(), "3A1B2C");
    EXPECT_EQ(data.deviceName(), "Trail Rider");
    EXPECT_EQ(run.session.deviceTarget, 0x5310) << "never a made-up product id";
}
