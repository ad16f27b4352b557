// The setting change handlers: each product reaches one writer per handler, which stores the
// control's column or index as the handler's table says (read back with the record's own accessors),
// the couplings, and what a control outside its cells stores (nothing).

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "settings/table/handlers.h"
#include "tests/settings/table/table_device.h"

using namespace kivo::settings;
using Record = KIVOBluetoothDeviceData;

namespace {

bool bit(const Record& record, int word, int bit_index) { return (record.basicSettingBrisko(word) >> bit_index) & 1; }

// Every stored word and named setting, to tell whether anything changed.
bool same_settings(const Record& a, const Record& b)
{
    for (int word = 0; word < Record::kBriskoWordCount; ++word)
        if (a.basicSettingBrisko(word) != b.basicSettingBrisko(word))
            return false;
    for (const Setting& row : catalogue())
        if (row.get(a, {0x1234, 0}) != row.get(b, {0x1234, 0}))
            return false;
    return true;
}

} // namespace

TEST(Handlers, StoreWhatTheTableSaysForTheProduct)
{
    struct Case {
        const char* what;
        int product;
        HandlerId id;
        int column_or_index;
        std::function<bool(const Record&)> stored;
    };
    const Case cases[] = {
        {"OEM overlay volume management column 0 clears word 1 bit 6", 0x3142,
         HandlerId::changeAudioOverlayVolumeManagement, 0, [](const Record& r) { return !bit(r, 1, 6); }},
        {"other overlay volume management column 0 sets word 1 bit 6", 0x3110,
         HandlerId::changeAudioOverlayVolumeManagement, 0, [](const Record& r) { return bit(r, 1, 6); }},
        {"others' overlay sensitivity index 0 is 10", 0x1234, HandlerId::changeAudioMultitaskingSensitivity, 0,
         [](const Record& r) { return r.getBasicSettingBriskoAudioMultitaskingSensitivity() == 10; }},
        {"others' overlay sensitivity index 9 is 1", 0x1234, HandlerId::changeAudioMultitaskingSensitivity, 9,
         [](const Record& r) { return r.getBasicSettingBriskoAudioMultitaskingSensitivity() == 1; }},
        {"voice assistant column 0 sets word 4 bit 8", 0x3142, HandlerId::changeVoiceAssistant, 0,
         [](const Record& r) { return bit(r, 4, 8); }},
        {"remote PTT column 0 sets word 1 bit 10", 0x3161, HandlerId::changeRemoteUIPTT, 0,
         [](const Record& r) { return bit(r, 1, 10); }},
        {"others' mesh reach-out column 0 sets word 4 bit 9", 0x1234, HandlerId::changeMeshReachOut, 0,
         [](const Record& r) { return bit(r, 4, 9); }},
        {"Vantor intercom VOX for 0x4D76", 0x4D76, HandlerId::changeIVOX, 0,
         [](const Record& r) { return r.GetBasicSettingVantorVOXIntercom() == 1 && r.intercomVOX() == 0; }},
        {"EDR 0/1 for the CSR setting family", 0x4D06, HandlerId::changeEDR, 1,
         [](const Record& r) { return r.GetBasicSettingEDR() == 1; }},
        {"Airoha sidetone for a wide Airoha model", 0x6816, HandlerId::changeSidetone, 0,
         [](const Record& r) { return r.GetBasicSettingAirohaSidetone() == 1; }},
        // The rows of these products read these settings; the handlers once stored beside them.
        {"Airoha VOX phone for a wide Airoha model", 0x6814, HandlerId::changeHVOX, 0,
         [](const Record& r) { return r.GetBasicSettingAirohaVOXPhone() == 1 && r.handsfreeVOX() == 0; }},
        {"Tavel smart volume for 0x5424", 0x5424, HandlerId::changeSmartVolumeControl, 2,
         [](const Record& r) {
             return r.basicSettingTavelSmartVolumeControlAt(0) == 2 && r.getBasicSettingBriskoSmartVolumeControl() == 0;
         }},
        {"motion sensor index 2 is 3", 0x4210, HandlerId::changeMotionSensorSensitivity, 2,
         [](const Record& r) { return r.getBasicSettingBriskoMotionSensorSensitivity() == 3; }},
        {"Linkbay volume index 1 is 9", 0x1234, HandlerId::changeVolume, 1,
         [](const Record& r) { return r.basicSettingLinkbayVolumeAt(1) == 9; }},
        {"gain cell 1 is 15", 0x5210, HandlerId::changeRTG, 1,
         [](const Record& r) { return r.radioTransmitGain() == 15; }},
        {"timeout in seconds", 0x5210, HandlerId::changeACT, 42,
         [](const Record& r) { return r.audioChannelTimeout() == 42; }},
    };
    for (const Case& c : cases) {
        Record working;
        EXPECT_TRUE(apply_change(c.id, c.column_or_index, {c.product, 0}, working)) << c.what;
        EXPECT_TRUE(c.stored(working)) << c.what;
    }
}

TEST(Handlers, MicrophoneGainIsOneThreeOrFiveAndTracesTheIndex)
{
    for (const auto& [index, level] : {std::pair{0, 1}, std::pair{1, 3}, std::pair{2, 5}}) {
        Record working;
        testing::internal::CaptureStderr();
        EXPECT_TRUE(apply_change(HandlerId::changeMicGain, index, {0x6600, 0}, working));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "send Num[" + std::to_string(index) + "]\n");
        EXPECT_EQ(working.getMicGain(), level);
    }
    Record working;
    const Record before = working;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(apply_change(HandlerId::changeMicGain, 3, {0x6600, 0}, working));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "send Num[3]\n");
    EXPECT_TRUE(same_settings(working, before));
}

TEST(Handlers, HDSpeakerAccessorySwitchedOnTurnsAudioBoostOffForTheUser)
{
    Record brisko;
    brisko.setBasicSettingBriskoAudioBoost(1);
    EXPECT_TRUE(apply_change(HandlerId::changeHDSpeakerAccessory, 0, {0x4210, 0}, brisko));
    EXPECT_EQ(brisko.getBasicSettingBriskoHDSpeakerAccessory(), 1);
    EXPECT_EQ(brisko.getBasicSettingBriskoAudioBoost(), 0);

    Record vantor;
    EXPECT_EQ(vantor.GetBasicSettingVantorAudioBoost(), 0);
    EXPECT_TRUE(apply_change(HandlerId::changeHDSpeakerAccessory, 0, {0x3110, 0}, vantor));
    EXPECT_EQ(vantor.GetBasicSettingVantorAudioBoost(), 1);

    Record one_module;
    EXPECT_TRUE(apply_change(HandlerId::changeHDSpeakerAccessory, 0, {0x5570, 0}, one_module));
    EXPECT_EQ(one_module.getBasicSettingHIDOneModuleHDSpeakerAccessory(), 1);
    EXPECT_EQ(one_module.audioBoost(), 1);

    // Switched off, the boost stays as it was.
    Record off;
    off.setBasicSettingBriskoAudioBoost(1);
    EXPECT_TRUE(apply_change(HandlerId::changeHDSpeakerAccessory, 1, {0x4210, 0}, off));
    EXPECT_EQ(off.getBasicSettingBriskoHDSpeakerAccessory(), 0);
    EXPECT_EQ(off.getBasicSettingBriskoAudioBoost(), 1);
}

TEST(Handlers, UnitLanguageOfThePackTypeTheDeviceWasRecognizedWith)
{
    const AccessContext recognized{0x6811, 0};
    Record working;
    working.setDevicelanguagePackType(2);
    for (int index : {0, 3, 7}) {
        Record expected = working;
        write(SettingKey::AirohaUnitLanguageKELPOR8R, expected, index, recognized);
        EXPECT_TRUE(apply_change(HandlerId::changeUnitLanguage, index, recognized, working));
        EXPECT_EQ(working.basicSettingBrisko(2), expected.basicSettingBrisko(2)) << index;
    }
    EXPECT_EQ(writer_for(HandlerId::changeUnitLanguage, 0x6811).key, SettingKey::AirohaUnitLanguageKELPOR8R);
}

TEST(Handlers, NothingStoredOutsideTheListsOrTheControlsCells)
{
    struct Case {
        HandlerId id;
        int product;
        int column_or_index;
    };
    for (const Case c :
         {Case{HandlerId::changeAudioEqualizer, 0x1234, 0}, Case{HandlerId::changeAdaptiveLight, 0x1234, 0},
          Case{HandlerId::changeLEDControl, 0x1234, 0}, Case{HandlerId::changeHDSpeakerAccessory, 0x1234, 0},
          Case{HandlerId::changeUnitLanguage, 0x1234, 0}, Case{HandlerId::changeSidetone, 0x4D10, 2},
          Case{HandlerId::changeSidetone, 0x4D10, -1}, Case{HandlerId::changeMotionSensorSensitivity, 0x4210, -1},
          Case{HandlerId::changeRTG, 0x5210, 3}, Case{HandlerId::changeRTG, 0x5210, -1}}) {
        Record working;
        working.setSidetone(1);
        working.setRadioTransmitGain(12);
        const Record before = working;
        EXPECT_FALSE(apply_change(c.id, c.column_or_index, {c.product, 0}, working))
            << handler(c.id).name << " " << hex(c.product) << " " << c.column_or_index;
        EXPECT_TRUE(same_settings(working, before)) << handler(c.id).name;
    }
}

TEST(Handlers, EachHandlersListsAreDisjoint)
{
    for (const Handler& h : handlers()) {
        std::set<int> seen;
        for (const Writer& w : h.writers)
            for (int product : w.products)
                EXPECT_TRUE(seen.insert(product).second) << h.name << " lists " << hex(product) << " twice";
        EXPECT_TRUE(h.writers.back().products.empty()) << h.name << " ends with Others";
    }
    EXPECT_EQ(handler(HandlerId::changeMeshReachOut).name, "changeMeshReachOut");
}
