// The save over the persistent store: the open, a device in firmware-management mode, the three
// identity checks of each device, and the keys written only when the working copy differs from
// the record, each refusal named by its code.

#include <functional>

#include "tests/settings/save/save_fixture.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim/usb_headsets.h"

namespace {

using Record = KIVOBluetoothDeviceData;
using namespace kivo::settings;

sim::UsbHeadsetPersona csr_headset(uint16_t product, uint16_t version_tenths)
{
    sim::UsbHeadsetPersona persona = sim::usb_headset(product, "Aldero");
    persona.version_tenths = version_tenths;
    return persona;
}

// A save to the headset as recognition left it, with a transmit gain and a channel timeout.
SettingsSaveInput usb_input(const sim::UsbHeadsetPersona& persona)
{
    SettingsSaveInput input = usb_input_as_recognized(persona);
    input.data.setRadioTransmitGain(16);
    input.data.setAudioChannelTimeout(10);
    input.dataCurrent = input.data;
    return input;
}

const Words kEdrOff = {0xFEFF, 0xF88F, 0x1E18, 0x8359};
const Words kEdrOn = {0xFEFF, 0xFE8F, 0xFF98, 0x8359};

using Edit = std::function<void(Record& current)>;

void intercom_vox_on(Record& c) { c.setIntercomVOX(1); }
void phone_vox_on(Record& c) { c.setHandsfreeVOX(1); }
void voice_prompt_on(Record& c) { c.setVoicePrompt(1); }

} // namespace

TEST_F(SaveTest, PersistentStoreKeysAreWrittenOnlyWhereTheWorkingCopyDiffers)
{
    struct Case {
        const char* name;
        uint16_t product;
        uint16_t version_tenths;
        Edit edit;
        std::vector<KeyWrite> written;
        int recognizedEdr = 0; // 1: EDR off as recognized
    };
    // The basic settings word with voice prompt on (bit 3) and nothing else.
    constexpr uint16_t kVoicePromptWord = 0x0008;
    const Case cases[] = {
        {"nothing changed", 0x4D10, 51, [](Record&) {}, {}},
        {"group A at 3.9: intercom VOX", 0x4D10, 39, intercom_vox_on, {{664, {1}}}},
        {"group A at 3.9: phone VOX", 0x4D10, 39, phone_vox_on, {{665, {1}}}},
        {"group A at 3.9: both VOX",
         0x4D10,
         39,
         [](Record& c) {
             intercom_vox_on(c);
             phone_vox_on(c);
         },
         {{664, {1}}, {665, {1}}}},
        {"group A at 3.9: no basic word key yet", 0x4D10, 39, voice_prompt_on, {}},
        {"group A at 4.0: the basic word", 0x5060, 40, voice_prompt_on, {{654, {kVoicePromptWord, 0}}}},
        {"group B", 0x4D05, 12, voice_prompt_on, {{654, {kVoicePromptWord, 0}}}},
        {"EDR off", 0x4D10, 51, [](Record& c) { c.setEdr(1); }, {{239, kEdrOff}, {654, {0x0004, 0}}}},
        {"EDR on", 0x4D10, 39, [](Record& c) { c.setEdr(0); }, {{239, kEdrOn}}, 1},
        {"radio transmit gain", 0x5210, 10, [](Record& c) { c.setRadioTransmitGain(17); }, {{684, {17}}}},
        {"channel timeout 60 s", 0x5210, 10, [](Record& c) { c.setAudioChannelTimeout(60); }, {{682, {60000}}}},
        {"channel timeout 3 s", 0x5210, 10, [](Record& c) { c.setAudioChannelTimeout(3); }, {{682, {3000}}}},
        {"channel timeout past the longest",
         0x5210,
         10,
         [](Record& c) { c.setAudioChannelTimeout(100); },
         {{682, {60000}}}},
        {"channel timeout below the shortest",
         0x5210,
         10,
         [](Record& c) { c.setAudioChannelTimeout(0); },
         {{682, {3000}}}},
        {"a product in no group: EDR only",
         0x5310,
         10,
         [](Record& c) {
             c.setEdr(1);
             voice_prompt_on(c);
         },
         {{239, kEdrOff}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        const sim::UsbHeadsetPersona persona = csr_headset(c.product, c.version_tenths);
        auto device = bus().plug(sim::make_usb_headset(persona));
        SettingsSaveInput input = usb_input(persona);
        input.data.setEdr(c.recognizedEdr);
        input.dataCurrent = input.data;
        c.edit(input.dataCurrent);

        EXPECT_EQ(save(input), kSaveSucceeded);
        EXPECT_EQ(key_writes(*device), c.written);
    }
}

TEST_F(SaveTest, ARefusedKeyNamesItselfAndTheKeysBeforeItStayWritten)
{
    struct Case {
        uint16_t product;
        uint16_t version_tenths;
        uint16_t refused;
        int result;
        std::vector<uint16_t> tried;
    };
    const Case cases[] = {
        {0x4D10, 39, 664, kSaveIntercomVoxKeyFailed, {239, 664}},
        {0x4D10, 39, 665, kSavePhoneVoxKeyFailed, {239, 664, 665}},
        {0x4D10, 39, 239, kSaveFeaturesKeyFailed, {239}},
        {0x4D10, 51, 654, kSaveWriteFailed, {239, 654}},
        {0x5210, 10, 684, kSaveRadioGainKeyFailed, {239, 684}},
        {0x5210, 10, 682, kSaveChannelTimeoutKeyFailed, {239, 684, 682}},
    };
    for (const Case& c : cases)
        for (const auto& [how, fault] : kKeyWriteFaults) {
            SCOPED_TRACE(testing::Message() << std::hex << c.product << ": " << std::dec << c.refused << " " << how);
            start_over();
            const sim::UsbHeadsetPersona persona = csr_headset(c.product, c.version_tenths);
            auto device = bus().plug(sim::make_usb_headset(persona));
            device->usb.ps_store->faults.*fault = {c.refused};
            SettingsSaveInput input = usb_input(persona);
            // Everything a key holds changed.
            input.dataCurrent.setEdr(1);
            input.dataCurrent.setIntercomVOX(1);
            input.dataCurrent.setHandsfreeVOX(1);
            input.dataCurrent.setRadioTransmitGain(12);
            input.dataCurrent.setAudioChannelTimeout(30);

            EXPECT_EQ(save(input), c.result);
            std::vector<uint16_t> tried;
            for (const KeyWrite& write : key_writes(*device))
                tried.push_back(write.key);
            EXPECT_EQ(tried, c.tried);
        }
}

TEST_F(SaveTest, NoKeyIsWrittenToADeviceThatIsNotTheRecognizedOne)
{
    struct Case {
        const char* name;
        std::function<void(sim::Device&, SettingsSaveInput&)> arrange;
        int result;
    };
    const Case cases[] = {
        {"another model on the bus", [](sim::Device&, SettingsSaveInput& in) { in.usbStatus = 0x4D20; },
         kSaveNotRecognized},
        {"another chip", [](sim::Device&, SettingsSaveInput& in) { in.data.setDeviceRecognized(0x4D30); },
         kSaveNotRecognized},
        {"another firmware",
         [](sim::Device&, SettingsSaveInput& in) {
             in.data.setDeviceVersion({5, 1, 0, 1});
         },
         kSaveNotRecognized},
        {"a chip that does not tell is taken for 0x4D10",
         [](sim::Device& d, SettingsSaveInput&) {
             d.usb.ps_store->keys.erase(sim::kKeyChipProductId);
             d.usb.ps_store->keys.erase(sim::kKeyDeviceName);
         },
         kSaveSucceeded},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        const sim::UsbHeadsetPersona persona = csr_headset(0x4D10, 51);
        auto device = bus().plug(sim::make_usb_headset(persona));
        SettingsSaveInput input = usb_input(persona);
        input.dataCurrent.setEdr(1);
        c.arrange(*device, input);

        EXPECT_EQ(save(input), c.result);
        EXPECT_EQ(key_writes(*device).empty(), c.result != kSaveSucceeded);
    }
}

TEST_F(SaveTest, PersistentStoreOpenAndManagementMode)
{
    // Nothing to open: code 1, nothing was opened to close.
    SettingsSaveInput input = usb_input(csr_headset(0x4D10, 51));
    input.dataCurrent.setEdr(1);
    EXPECT_EQ(save(input), kSaveUsbOpenFailed);

    // A device running its firmware-management loader is closed again untouched.
    start_over();
    bus().plug(sim::make_dfu_device(0xCD10));
    EXPECT_EQ(save(input), kSaveManagementMode);
}

TEST_F(SaveTest, TheSecondDeviceOfAPairFailingLeavesTheFirstWritten)
{
    const sim::UsbHeadsetPersona persona = csr_headset(0x5310, 10);
    const auto pair = sim::plug_usb_pair(persona);
    SettingsSaveInput input = usb_input(persona);
    input.dataCurrent.setEdr(1);

    EXPECT_EQ(save(input), kSaveSucceeded);
    EXPECT_EQ(key_writes(*pair[0]), (std::vector<KeyWrite>{{239, kEdrOff}}));
    EXPECT_EQ(key_writes(*pair[1]), (std::vector<KeyWrite>{{239, kEdrOff}}));

    start_over();
    const auto second_differs = sim::plug_usb_pair(persona);
    second_differs[1]->usb.ps_store->keys[sim::kKeyChipProductId] = {0x4D20};
    EXPECT_EQ(save(input), kSaveNotRecognized);
    EXPECT_EQ(key_writes(*second_differs[0]), (std::vector<KeyWrite>{{239, kEdrOff}}));
    EXPECT_TRUE(key_writes(*second_differs[1]).empty());
}

TEST_F(SaveTest, APairIsSavedOnlyWhenBothStoresHoldWhatTheyWereSent)
{
    struct Case {
        const char* name;
        size_t failing; // the device whose store does not keep the key
        std::vector<KeyWrite> sent_to_second;
    };
    const Case cases[] = {
        {"the first", 0, {}},
        {"the second", 1, {{239, kEdrOff}}},
    };
    const sim::UsbHeadsetPersona persona = csr_headset(0x5310, 10);
    SettingsSaveInput input = usb_input(persona);
    input.dataCurrent.setEdr(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        const auto pair = sim::plug_usb_pair(persona);
        pair[c.failing]->usb.ps_store->faults.unkept = {239};

        EXPECT_EQ(save(input), kSaveFeaturesKeyFailed);
        EXPECT_EQ(key_writes(*pair[0]), (std::vector<KeyWrite>{{239, kEdrOff}}));
        EXPECT_EQ(key_writes(*pair[1]), c.sent_to_second);
        for (size_t i = 0; i < pair.size(); ++i)
            EXPECT_EQ(pair[i]->usb.ps_store->keys.contains(239), i < c.failing) << "device " << i;
    }
}
