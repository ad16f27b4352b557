// Round trips through recognition: a device is recognized, a setting the product shows is changed
// in the working copy through the catalogue, the working copy is saved with the application's
// opener, and a second recognition on the same bus reads the change back.

#include <functional>
#include <string>

#include "recognition/recognition_run.h"
#include "settings/change_detection.h"
#include "settings/table/setting_catalogue.h"
#include "tests/settings/save/save_fixture.h"
#include "tests/sim/usb_headsets.h"

namespace {

using Record = KIVOBluetoothDeviceData;
using namespace kivo::settings;

struct RoundTrip {
    const char* name;
    int product;
    std::function<void()> plug;
    std::vector<SettingKey> changed;
};

void plug_hid(sim::HeadsetPersona persona) { sim::plug_headset(persona); }

sim::HeadsetPersona ready_headset(uint16_t product)
{
    sim::HeadsetPersona persona = save_headset(product, {2, 1, 0, 0});
    persona.shortReports = product == 0x6800;
    persona.readiness = product == 0x4D76 ? 1 : 0; // recognition asks it to say "ready" so
    return persona;
}

void plug_usb(uint16_t product, uint16_t version_tenths)
{
    sim::UsbHeadsetPersona persona = sim::usb_headset(product, "Aldero");
    persona.version_tenths = version_tenths;
    persona.intercom_vox = 0;
    persona.phone_vox = 0;
    persona.edr_off = false;
    sim::bus().plug(sim::make_usb_headset(persona));
}

// A value of the setting's domain other than the one the record holds.
int another_value(SettingKey key, const Record& record, const AccessContext& context)
{
    const int now = read(key, record, context);
    for (int value : domain_values(setting(key).domain))
        if (value != now)
            return value;
    return now;
}

} // namespace

TEST_F(SaveTest, ASavedChangeIsWhatTheNextRecognitionReads)
{
    const RoundTrip cases[] = {
        {"OEM headset: flags record and settings words",
         0x3142,
         [] { plug_hid(sim::oem_headset()); },
         {SettingKey::VARGOFMRadio, SettingKey::VantorVoicePrompt, SettingKey::VantorVoxSensitivity}},
        {"F4", 0x4D76, [] { plug_hid(ready_headset(0x4D76)); }, {SettingKey::EDR, SettingKey::VantorVoxSensitivity}},
        {"F3, 62-byte reports",
         0x6800,
         [] { plug_hid(ready_headset(0x6800)); },
         {SettingKey::AirohaVoicePrompt, SettingKey::AirohaUnitLanguage}},
        {"F5",
         0x5630,
         [] { plug_hid(ready_headset(0x5630)); },
         {SettingKey::VoicePrompt, SettingKey::BriskoVoicePrompt}},
        {"F6", 0x5552, [] { plug_hid(ready_headset(0x5552)); }, {SettingKey::VoicePrompt, SettingKey::Sidetone}},
        {"F7",
         0x6038,
         [] { plug_hid(ready_headset(0x6038)); },
         {SettingKey::VoicePrompt, SettingKey::PintraVOXSensitivity}},
        {"F7, the second basic word and smart navigation",
         0x6038,
         [] { plug_hid(ready_headset(0x6038)); },
         {SettingKey::AutoOff, SettingKey::SimpleUI, SettingKey::GrennikLanguage, SettingKey::SmartNaviSystem2}},
        {"F8 with background volume",
         0x6461,
         [] { plug_hid(ready_headset(0x6461)); },
         {SettingKey::VoicePrompt, SettingKey::BackgroundVolume}},
        {"persistent store, group A at 3.9",
         0x4D10,
         [] { plug_usb(0x4D10, 39); },
         {SettingKey::IntercomVOX, SettingKey::HandsfreeVOX, SettingKey::Edr}},
        {"persistent store, group A at 5.1", 0x4D10, [] { plug_usb(0x4D10, 51); }, {SettingKey::VoicePrompt}},
        {"persistent store, radio gain and channel timeout",
         0x5210,
         [] { plug_usb(0x5210, 10); },
         {SettingKey::RadioTransmitGain, SettingKey::AudioChannelTimeout}},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        start_over();
        c.plug();
        kivo::RecognitionRun first;
        first.session.deviceTarget = c.product;
        first.isFirst = false;
        Record data;
        ASSERT_EQ(kivo::recognize_device(first, data), kivo::kRecognitionSucceeded);

        Record current = data;
        const AccessContext context{c.product, data.devicelanguagePackType()};
        std::vector<int> written;
        for (SettingKey key : c.changed) {
            written.push_back(another_value(key, current, context));
            write(key, current, written.back(), context);
        }
        ASSERT_TRUE(settings_changed(c.product, data, current)) << "the page would offer to save it";
        ASSERT_EQ(save(settings_save_input(first.session, data, current)), kSaveSucceeded);

        kivo::RecognitionRun second;
        second.session.deviceTarget = c.product;
        second.isFirst = false;
        Record read_back;
        ASSERT_EQ(kivo::recognize_device(second, read_back), kivo::kRecognitionSucceeded);
        for (size_t i = 0; i < c.changed.size(); ++i)
            EXPECT_EQ(read(c.changed[i], read_back, context), written[i]) << setting(c.changed[i]).name;
    }
}
