// The settings page's Default rule on the defaults copy, against its table written out here: for
// each product and firmware, the words carried from the recognized record, in order, then the
// settings forced, in order; nothing for a product in no row or a row whose firmware fails.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/default_rule.h"

using namespace kivo::settings;
using Record = KIVOBluetoothDeviceData;

namespace {

struct Forced {
    void (Record::*setter)(int);
    int value;
};

// Every word of the recognized record differs from the same word of the defaults.
Record recognized_at(int major, int minor)
{
    Record record;
    record.setDeviceVersionMajor_Minor(major, minor);
    for (int word = 0; word < Record::kBriskoWordCount; ++word)
        record.setBasicSettingBriskoAt_with(word, 0x1111 * (word + 1));
    return record;
}

Record factory_defaults()
{
    Record record;
    for (int word = 0; word < Record::kBriskoWordCount; ++word)
        record.setBasicSettingBriskoAt_with(word, 0x8000 | (word * 0x0101));
    record.setBackgroundVolume(9);
    return record;
}

// The speaker select the recognized record holds: the low four bits of word 4 (0x5555).
constexpr int kRecognizedSelect = 5;

} // namespace

TEST(DefaultRule, CarriesThenForcesByProductAndFirmware)
{
    using R = Record;
    const std::vector<Forced> hd_voice_all = {{&R::SetBasicSettingHeronyxHDVoice, 1},
                                              {&R::SetBasicSettingEgranoEqualizer, 0},
                                              {&R::SetBasicSettingVoiceAssistant, 1},
                                              {&R::SetBasicSettingVantorAudioBoost, 0},
                                              {&R::SetBasicSettingMeshReachOut, 1}};
    const std::vector<Forced> vantor_hd_speaker = {{&R::SetBasicSettingVantorHDSpeakerAccessory, 0},
                                                   {&R::SetBasicSettingVantorEqualizer, 0}};
    struct Case {
        const char* name;
        int product;
        int major;
        int minor;
        std::vector<int> carried;
        std::vector<Forced> forced;
    };
    const Case cases[] = {
        {"0x2030: in no row", 0x2030, 2, 0, {}, {}},
        {"0x3214 at 2.4: word 3 only", 0x3214, 2, 4, {3}, {}},
        {"0x3214 at 2.5",
         0x3214,
         2,
         5,
         {3},
         {{&R::SetBasicSettingVoiceAssistant, 1}, {&R::SetBasicSettingMeshReachOut, 1}}},
        {"0x3132 at 1.0: word 4", 0x3132, 1, 0, {3, 4}, hd_voice_all},
        {"0x3132 at 1.1: word 5", 0x3132, 1, 1, {3, 5}, hd_voice_all},
        {"0x3112 at 2.9: nothing, not even word 3", 0x3112, 2, 9, {}, {}},
        {"0x3112 at 3.0", 0x3112, 3, 0, {3}, vantor_hd_speaker},
        {"0x3110 at 3.0: word 3 only", 0x3110, 3, 0, {3}, {}},
        {"0x3110 at 3.1",
         0x3110,
         3,
         1,
         {3},
         {{&R::SetBasicSettingVantorEqualizer, 0}, {&R::SetBasicSettingVantorMeshReachOut, 0}}},
        {"0x321A: the speaker select passes over",
         0x321A,
         1,
         0,
         {3, 5},
         {{&R::SetBasicSettingVoiceAssistant, 1},
          {&R::SetBasicSettingVantorAudioBoost, 0},
          {&R::SetBasicSettingMeshReachOut, 1},
          {&R::SetBasicSettingVantorAudioOverlayVolumeManagement, 0},
          {&R::SetBasicSettingVantorAudioOverlaySensitivity, 3},
          {&R::SetBasicSettingEgranoSpeakerAccessorySelect, kRecognizedSelect - 8}}},
        {"0x3215: HD voice, which is its HD speaker accessory bit",
         0x3215,
         1,
         0,
         {3, 4},
         {{&R::SetBasicSettingHeronyxHDVoice, 1},
          {&R::SetBasicSettingEgranoEqualizer, 0},
          {&R::SetBasicSettingMeshReachOut, 1}}},
        {"0x3142: the OEM flags", 0x3142, 1, 0, {3}, {{&R::setVARGOFMRadio, 1}, {&R::setVARGOSmartphoneConnet, 1}}},
        {"0x4D16: words 0 and 1",
         0x4D16,
         1,
         0,
         {0, 1},
         {{&R::SetBasicSettingVantorVOXPhone, 1},
          {&R::SetBasicSettingEDR, 0},
          {&R::SetBasicSettingVantorHighQulityA2DP, 1},
          {&R::SetBasicSettingVantorSidetone, 0}}},
        {"0x3223: words 3 and 4", 0x3223, 1, 0, {3, 4}, hd_voice_all},
        {"group Y: 0x5590", 0x5590, 1, 0, {1}, {{&R::SetBasicSettingYarloEqualizer, 0}}},
        {"0x5440, beside group Y",
         0x5440,
         1,
         0,
         {1},
         {{&R::SetBasicSettingYarloEqualizer, 0}, {&R::SetBasicSettingJUNOVAVOXSensitivity, 3}}},
        {"0x5595: word 2", 0x5595, 1, 0, {2}, {{&R::SetBasicSettingYarloEqualizer, 0}}},
        {"0x6491: background volume", 0x6491, 1, 0, {1}, {{&R::setBackgroundVolume, 4}}},
        {"0x4210: word 4", 0x4210, 1, 0, {4}, {}},
        {"group R: 0x6A03", 0x6A03, 1, 0, {2}, {}},
        {"0x683A",
         0x683A,
         1,
         0,
         {2},
         {{&R::SetBasicSettingAirohaVoicePrompt, 1},
          {&R::SetBasicSettingAirohaVOXPhone, 1},
          {&R::SetBasicSettingAirohaIntercomAudioOverlaySensitivity, 2},
          {&R::SetBasicSettingAirohaVoxSensitivity, 2},
          {&R::SetBasicSettingAirohaMeshReachOut, 0},
          {&R::SetBasicSettingAirohaAutoOff, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Record recognized = recognized_at(c.major, c.minor);
        Record expected = factory_defaults();
        for (int word : c.carried)
            expected.setBasicSettingBriskoAt_with(word, recognized.basicSettingBrisko(word));
        for (const Forced& forced : c.forced)
            (expected.*forced.setter)(forced.value);

        Record defaults = factory_defaults();
        apply_default_rule(c.product, recognized, defaults);
        for (int word = 0; word < Record::kBriskoWordCount; ++word)
            EXPECT_EQ(defaults.basicSettingBrisko(word), expected.basicSettingBrisko(word)) << "word " << word;
        EXPECT_TRUE(defaults == expected);
    }
}

TEST(DefaultRule, PinnedEffects)
{
    // 0x321A: the device's speaker select is the default's.
    Record defaults = factory_defaults();
    apply_default_rule(0x321A, recognized_at(1, 0), defaults);
    EXPECT_EQ(defaults.GetBasicSettingEgranoSpeakerAccessorySelect(), kRecognizedSelect);

    // 0x3215 shows an HD speaker accessory row over the bit HD voice is forced into: Default
    // switches it on.
    defaults = factory_defaults();
    defaults.SetBasicSettingVantorHDSpeakerAccessory(0);
    Record recognized = recognized_at(1, 0);
    recognized.SetBasicSettingVantorHDSpeakerAccessory(0);
    apply_default_rule(0x3215, recognized, defaults);
    EXPECT_EQ(defaults.GetBasicSettingVantorHDSpeakerAccessory(), 1);
}

TEST(DefaultRule, TracesTheFirstWordsForTwoProducts)
{
    for (const auto& [product, traced] : {std::pair{0x5595, true}, std::pair{0x5596, true}, std::pair{0x5590, false}}) {
        Record defaults = factory_defaults();
        testing::internal::CaptureStderr();
        apply_default_rule(product, recognized_at(1, 0), defaults);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_EQ(log.find("ARABIC 1111 2222") != std::string::npos, traced) << std::hex << product << ": " << log;
    }
}
