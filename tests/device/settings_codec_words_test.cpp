// The accessors of the unit languages, the ESS and microphone gains and the camera words against
// their device layouts.

#include "tests/device/settings_codec_check.h"

namespace {

using namespace codec_check;

// The unit languages that shift by the language pack go by the product id the page passes and the
// record's pack type.
using LanguageSet = void (R::*)(int, int);
using LanguageGet = int (R::*)(int) const;

Accessor shifted_language(std::string name, int word, LanguageSet set, LanguageGet get, int device, int packType,
                          std::vector<SetCase> sets, std::vector<GetCase> gets)
{
    return {name + " " + std::to_string(device) + " pack " + std::to_string(packType),
            S,
            word,
            0,
            4,
            [set, device](R& r, int v) { (r.*set)(v, device); },
            [get, device](const R& r) { return (r.*get)(device); },
            std::move(sets),
            std::move(gets),
            [packType](R& r) { r.setDevicelanguagePackType(packType); }};
}

TEST(SettingsCodec, UnitLanguagesShiftedByTheLanguagePack)
{
    const LanguageSet kelporSet = &R::SetBasicSettingKelporUnitLanguage_device;
    const LanguageGet kelporGet = &R::GetBasicSettingKelporUnitLanguage;
    const LanguageSet yarloSet = &R::SetBasicSettingYarloUnitLanguage_device;
    const LanguageGet yarloGet = &R::GetBasicSettingyarloUnitLanguage;
    const LanguageSet voskaSet = &R::SetBasicSettingVOSKAUnitLanguage_device;
    const LanguageGet voskaGet = &R::GetBasicSettingVOSKAUnitLanguage;
    check_all({
        // Shifted: stores only results 0 to 11; codes 12 to 15 read as 0 before the shift.
        shifted_language("Kelpor", 3, kelporSet, kelporGet, 0x3310, 0, {{5, 5}, {6, 7}, {10, 11}, {11, U}, {-1, U}},
                         {{5, 5}, {6, 5}, {7, 6}, {11, 10}, {12, 0}, {15, 0}}),
        shifted_language("Kelpor", 3, kelporSet, kelporGet, 0x3330, 1, {{6, 6}, {11, 11}, {12, U}},
                         {{7, 7}, {11, 11}, {12, 0}}),
        shifted_language("Kelpor", 3, kelporSet, kelporGet, 0x3340, 0, {{6, 6}, {11, 11}, {12, U}}, {{7, 7}, {12, 0}}),
        shifted_language("Yarlo", 1, yarloSet, yarloGet, 0x3420, 0,
                         {{5, 5}, {6, 7}, {11, 12}, {12, U}, {-1, U}, {INT32_MAX, U}},
                         {{5, 5}, {7, 6}, {12, 11}, {15, 14}}),
        shifted_language("Yarlo", 1, yarloSet, yarloGet, 0x3310, 0, {{6, 6}, {12, 12}, {13, U}}, {{7, 7}, {15, 15}}),
        shifted_language("VOSKA", 2, voskaSet, voskaGet, 0x3343, 0, {{6, 7}, {11, 12}, {12, U}}, {{7, 6}, {12, 11}}),
        shifted_language("VOSKA", 2, voskaSet, voskaGet, 0x3343, 1, {{6, 6}, {12, 12}, {13, U}}, {{7, 7}}),
    });
}

TEST(SettingsCodec, UnitLanguagesOfTheOtherFamilies)
{
    check_all({
        {"RUSKANUnitLanguage",
         S,
         4,
         0,
         4,
         [](R& r, int v) { r.SetBasicSettingRUSKANUnitLanguage_device(v, 0x3310); },
         [](const R& r) { return r.GetBasicSettingRUSKANUnitLanguage(0x3310); },
         {{0, 0}, {14, 14}, {15, U}, {-1, U}},
         {{14, 14}, {15, 15}}},
        {"VantorUnitLanguage",
         S,
         3,
         0,
         4,
         &R::SetBasicSettingVantorUnitLanguage,
         &R::GetBasicSettingVantorUnitLanguage,
         {{0, 0}, {12, 12}, {13, U}, {-1, U}},
         {{12, 12}, {15, 15}}},
        // Languages 9 and 10 are kept at codes 11 and 12.
        {"ZaffreUnitLanguage",
         S,
         3,
         0,
         4,
         &R::SetBasicSettingZaffreUnitLanguage,
         &R::GetBasicSettingZaffreUnitLanguage,
         {{8, 8}, {9, 11}, {10, 12}, {11, 11}, {12, 12}, {13, U}, {-1, U}},
         {{8, 8}, {9, 9}, {11, 9}, {12, 10}, {13, 13}}},
        {"YorbitUnitLanguage",
         S,
         1,
         4,
         4,
         &R::SetBasicSettingYorbitUnitLanguage,
         &R::GetBasicSettingYorbitUnitLanguage,
         {{0, 0}, {10, 10}, {11, U}, {-1, U}},
         {{10, 10}, {11, 0}, {15, 0}}},
        // Two languages: the second is code 14; the setter always writes.
        {"PellonUnitLanguage",
         S,
         1,
         0,
         4,
         [](R& r, int v) { r.SetBasicSettingPellonUnitLanguage_device(v, 0); },
         [](const R& r) { return r.GetBasicSettingPellonUnitLanguage(0); },
         {{1, 14}, {0, 0}, {2, 0}, {14, 0}},
         {{14, 1}, {1, 0}, {0, 0}, {15, 0}}},
        {"UlmeckUnitLanguage (read)",
         S,
         2,
         4,
         12,
         nullptr,
         [](const R& r) { return r.GetBasicSettingUlmeckUnitLanguage(0); },
         {},
         {{0, 0}, {1, 2}, {2, 4}, {3, 1}, {4, 3}, {5, 5}, {6, 0}, {16, 6}, {22, 7}, {0xFFF, 0}}},
    });
}

// The Ulmeck unit's language is written through the second basic settings word, not word 2.
TEST(SettingsCodec, UlmeckLanguageIsKeptForTheSecondBasicWord)
{
    const R base = background_record(0xFFFFFFFF);
    R r = base;
    r.SetBasicSettingUlmeckUnitLanguage_device(5, 0x6038);
    R expected = base;
    expected.setGrennikLanguage(5);
    EXPECT_TRUE(r == expected);
}

TEST(SettingsCodec, EssAndMicrophoneGain)
{
    check_all({
        {"EssStatus",
         S,
         2,
         0,
         2,
         &R::setEssStatus,
         &R::getEssStatus,
         {{1, 1}, {3, 3}, {0, 0}, {4, 0}, {-1, 0}},
         {{0, 0}, {2, 2}, {3, 3}}},
        {"EssSensitivity",
         S,
         2,
         2,
         2,
         &R::setEssSensitivity,
         &R::getEssSensitivity,
         {{1, 1}, {3, 3}, {2, 2}, {0, 2}, {7, 2}},
         {{0, 2}, {1, 1}, {2, 2}, {3, 3}}},
        // Levels 1..5 are codes 1, 3, 3, 3, 5; anything else is 3. Codes 1 and 5 alone have bit 5
        // set and bit 6 clear.
        {"MicGain",
         S,
         2,
         5,
         3,
         &R::setMicGain,
         &R::getMicGain,
         {{1, 1}, {2, 3}, {4, 3}, {5, 5}, {0, 3}, {6, 3}, {-1, 3}},
         {{0, 3}, {1, 1}, {2, 3}, {3, 3}, {4, 3}, {5, 5}, {6, 3}, {7, 3}}},
    });
}

void camera_version(R& r, int major, int minor) { r.setDeviceVersionMajor_Minor(major, minor); }

TEST(SettingsCodec, CameraWords)
{
    check_all({
        on_off("PhotoMode", C, 0, 0, &R::getBasicSettingWispenCameraPhotoMode,
               &R::setBasicSettingWispenCameraPhotoMode),
        {"VideoResolution",
         C,
         0,
         2,
         2,
         &R::setBasicSettingWispenCameraVideoResolution,
         &R::getBasicSettingWispenCameraVideoResolution,
         {{0, 0}, {2, 2}, {3, U}, {-1, U}},
         {{2, 2}, {3, 0}}},
        on_off("TimelapseInterval", C, 0, 4, &R::getBasicSettingWispenCameraTimelapseInterval,
               &R::setBasicSettingWispenCameraTimelapseInterval),
        on_off("DateCaption", C, 0, 5, &R::getBasicSettingWispenCameraDateCaption,
               &R::setBasicSettingWispenCameraDateCaption),
        on_off("SpeakerSoundRecording", C, 0, 6, &R::getBasicSettingWispenCameraSpeakerSoundRecording,
               &R::setBasicSettingWispenCameraSpeakerSoundRecording),
        on_off("AutoCameraSleep", C, 0, 7, &R::getBasicSettingWispenCameraAutoCameraSleep,
               &R::setBasicSettingWispenCameraAutoCameraSleep),
        on_off("SpeakerSoundRecordingMusic", C, 0, 8, &R::getBasicSettingWispenCameraSpeakerSoundRecordingMusic,
               &R::setBasicSettingWispenCameraSpeakerSoundRecordingMusic),
        on_off("SpeakerSoundRecordingFMRadio", C, 0, 9, &R::getBasicSettingWispenCameraSpeakerSoundRecordingFMRadio,
               &R::setBasicSettingWispenCameraSpeakerSoundRecordingFMRadio),
        on_off("SpeakerSoundRecordingIntercom", C, 0, 10, &R::getBasicSettingWispenCameraSpeakerSoundRecordingIntercom,
               &R::setBasicSettingWispenCameraSpeakerSoundRecordingIntercom),
        on_off("SpeakerSoundRecordingPhone", C, 0, 11, &R::getBasicSettingWispenCameraSpeakerSoundRecordingPhone,
               &R::setBasicSettingWispenCameraSpeakerSoundRecordingPhone),
        {"VideoTaggingInterval",
         C,
         2,
         0,
         2,
         &R::setBasicSettingWispenCameraVideoTaggingInterval,
         &R::getBasicSettingWispenCameraVideoTaggingInterval,
         {{0, 0}, {2, 2}, {3, U}, {-1, U}},
         {{2, 2}, {3, 0}}},
        {"LoopRecordingInterval",
         C,
         2,
         2,
         2,
         &R::setBasicSettingWispenCameraLoopRecordingInterval,
         &R::getBasicSettingWispenCameraLoopRecordingInterval,
         {{0, 0}, {2, 2}, {3, U}, {-1, U}},
         {{2, 2}, {3, 0}}},
        {"VideoMicrophoneGain",
         C,
         2,
         4,
         2,
         &R::setBasicSettingWispenCameraVideoMicrophoneGain,
         &R::getBasicSettingWispenCameraVideoMicrophoneGain,
         {{0, 0}, {2, 2}, {3, U}, {-1, U}},
         {{2, 2}, {3, 0}}},
        // The video mode is a switch in word 0 before firmware 2.0 and a mode in word 2 from 2.0.
        {"VideoMode 1.9", C, 0, 1, 1, &R::setBasicSettingWispenCameraVideoMode,
         &R::getBasicSettingWispenCameraVideoMode, kSwitchSets, kSwitchGets, [](R& r) { camera_version(r, 1, 9); }},
        {"VideoMode 2.0",
         C,
         2,
         6,
         2,
         &R::setBasicSettingWispenCameraVideoMode,
         &R::getBasicSettingWispenCameraVideoMode,
         {{0, 0}, {2, 2}, {3, U}, {-1, U}},
         {{1, 1}, {2, 2}, {3, 0}},
         [](R& r) { camera_version(r, 2, 0); }},
    });
}

TEST(SettingsCodec, EmptySoundRecordingCheckLooksAtTheFourSourcesOnly)
{
    R r;
    r.setBasicSettingWispenCamera_with(0, ~0xF00); // every bit but the four sources
    EXPECT_TRUE(r.emptyCheckSpeakerSoundRecording());
    for (int source = 8; source <= 11; ++source) {
        r.setBasicSettingWispenCamera_with(0, 1 << source);
        EXPECT_FALSE(r.emptyCheckSpeakerSoundRecording()) << source;
    }
}

} // namespace
