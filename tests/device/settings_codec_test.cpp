// Every settings-word accessor of the settings layouts (Brisko, Vantor, QCC, Junova, Airoha)
// against its device layout.

#include "tests/device/settings_codec_check.h"

namespace {

using namespace codec_check;

TEST(SettingsCodec, BriskoFamily)
{
    check_all({
        on_off("BriskoVoiceCommand", S, 2, 0, &R::GetBasicSettingBriskoVoiceCommand,
               &R::SetBasicSettingBriskoVoiceCommand),
        {"BriskoSmartVolumeControl",
         S,
         2,
         1,
         4,
         &R::setBasicSettingBriskoSmartVolumeControl,
         &R::getBasicSettingBriskoSmartVolumeControl,
         // Levels go to bits 1-2 and clear bits 3-4.
         {{0, 0}, {3, 3}, {4, U}, {-1, U}},
         // Either of bits 3-4 set reads as 0.
         {{0, 0}, {2, 2}, {3, 3}, {4, 0}, {7, 0}, {8, 0}, {15, 0}}},
        on_off("BriskoFMStationGuide", S, 2, 5, &R::getBasicSettingBriskoFMStationGuide,
               &R::setBasicSettingBriskoFMStationGuide),
        on_off("BriskoEightWayIntercom", S, 2, 6, &R::getBasicSettingBriskoEightWayIntercom,
               &R::setBasicSettingBriskoEightWayIntercom),
        on_off("BriskoAudioBoost", S, 2, 7, &R::getBasicSettingBriskoAudioBoost, &R::setBasicSettingBriskoAudioBoost),
        on_off("BriskoAdvancedNoiseControl", S, 2, 8, &R::getBasicSettingBriskoAdvancedNoiseControl,
               &R::setBasicSettingBriskoAdvancedNoiseControl),
        on_off("BriskoNavigationAppOverlay", S, 2, 9, &R::getBasicSettingBriskoNavigationAppOverlay,
               &R::setBasicSettingBriskoNavigationAppOverlay),
        on_off("BriskoVoicePrompt", S, 2, 10, &R::getBasicSettingBriskoVoicePrompt,
               &R::setBasicSettingBriskoVoicePrompt),
        on_off("BriskoAudioMultitasking", S, 2, 11, &R::getBasicSettingBriskoAudioMultitasking,
               &R::setBasicSettingBriskoAudioMultitasking),
        on_off("BriskoSidetone", S, 2, 12, &R::getBasicSettingBriskoSidetone, &R::setBasicSettingBriskoSidetone),
        on_off("BriskoHDIntercom", S, 2, 13, &R::getBasicSettingBriskoHDIntercom, &R::setBasicSettingBriskoHDIntercom),
        on_off("BriskoVOXPhone", S, 2, 15, &R::getBasicSettingBriskoVOXPhone, &R::setBasicSettingBriskoVOXPhone),
        {"BriskoDuvaneSpeakerAccessorySelect",
         S,
         4,
         10,
         2,
         &R::SetBasicSettingBriskoDuvaneSpeakerAccessorySelect,
         &R::GetBasicSettingBriskoDuvaneSpeakerAccessorySelect,
         {{0, 0}, {3, 3}, {4, U}, {-1, U}},
         {{0, 0}, {3, 3}}},
        {"BriskoAudioEqualizer",
         S,
         4,
         12,
         3,
         &R::setBasicSettingBriskoAudioEqualizer,
         &R::getBasicSettingBriskoAudioEqualizer,
         {{0, 0}, {4, 4}, {5, U}, {-1, U}},
         {{4, 4}, {5, 0}, {7, 0}}},
        on_off("BriskoHDSpeakerAccessory", S, 4, 15, &R::getBasicSettingBriskoHDSpeakerAccessory,
               &R::setBasicSettingBriskoHDSpeakerAccessory),
        on_off("BriskoLEDControl", S, 4, 15, &R::getBasicSettingBriskoLEDControl, &R::setBasicSettingBriskoLEDControl),
        on_off("HIDOneModuleHDSpeakerAccessory", S, 1, 9, &R::getBasicSettingHIDOneModuleHDSpeakerAccessory,
               &R::setBasicSettingHIDOneModuleHDSpeakerAccessory),
    });
}

TEST(SettingsCodec, BriskoWholeWordsAndSharedBits)
{
    R r = background_record(0x11111111);
    r.setBasicSettingBriskoAudioMultitaskingSensitivity(-2);
    r.setBasicSettingBriskoMotionSensorSensitivity(0x12345678);
    EXPECT_EQ(r.basicSettingBrisko(0), -2);
    EXPECT_EQ(r.basicSettingBrisko(3), 0x12345678);
    EXPECT_EQ(r.getBasicSettingBriskoAudioMultitaskingSensitivity(), -2);
    EXPECT_EQ(r.getBasicSettingBriskoMotionSensorSensitivity(), 0x12345678);
    EXPECT_EQ(r.basicSettingBrisko(1), 0x11111111);

    // The LED control and the HD speaker accessory are one bit.
    r.setBasicSettingBriskoHDSpeakerAccessory(0);
    r.setBasicSettingBriskoLEDControl(1);
    EXPECT_EQ(r.getBasicSettingBriskoHDSpeakerAccessory(), 1);
}

TEST(SettingsCodec, VantorLayoutWord0And1)
{
    check_all({
        on_off("VantorVOXPhone", S, 0, 0, &R::GetBasicSettingVantorVOXPhone, &R::SetBasicSettingVantorVOXPhone),
        on_off("VantorVOXIntercom", S, 0, 1, &R::GetBasicSettingVantorVOXIntercom,
               &R::SetBasicSettingVantorVOXIntercom),
        on_off("EDR", S, 0, 2, &R::GetBasicSettingEDR, &R::SetBasicSettingEDR),
        on_off("VantorVoicePrompt", S, 0, 3, &R::GetBasicSettingVantorVoicePrompt,
               &R::SetBasicSettingVantorVoicePrompt),
        on_off("VantorHighQulityA2DP", S, 0, 5, &R::GetBasicSettingVantorHighQulityA2DP,
               &R::SetBasicSettingVantorHighQulityA2DP),
        on_off("VantorSidetone", S, 0, 8, &R::GetBasicSettingVantorSidetone, &R::SetBasicSettingVantorSidetone),
        on_off("FMRadioOnVargo", S, 0, 8, &R::GetBasicSettingFMRadioOnVargo, &R::SetBasicSettingFMRadioOnVargo),
        on_off("VantorAdvancedNoiseControl", S, 0, 9, &R::GetBasicSettingVantorAdvancedNoiseControl,
               &R::SetBasicSettingVantorAdvancedNoiseControl),
        on_off("PhoneOnVargo", S, 0, 9, &R::GetBasicSettingPhoneOnVargo, &R::SetBasicSettingPhoneOnVargo),
        on_off("VantorAudioBoost", S, 0, 10, &R::GetBasicSettingVantorAudioBoost, &R::SetBasicSettingVantorAudioBoost),
        on_off("VantorHDIntercom", S, 0, 11, &R::GetBasicSettingVantorHDIntercom, &R::SetBasicSettingVantorHDIntercom),
        on_off("VantorFMStationGuide", S, 0, 12, &R::GetBasicSettingVantorFMStationGuide,
               &R::SetBasicSettingVantorFMStationGuide),
        {"VantorMeshMode",
         S,
         0,
         13,
         2,
         &R::SetBasicSettingVantorMeshMode,
         &R::GetBasicSettingVantorMeshMode,
         {{0, 0}, {2, 2}, {3, U}, {-1, U}},
         {{1, 1}, {2, 2}, {3, 0}}},
        on_off("QCCHDVoice", S, 0, 13, &R::GetBasicSettingQCCHDVoice, &R::SetBasicSettingQCCHDVoice),
        on_off("VantorMeshGuestMode", S, 0, 15, &R::GetBasicSettingVantorMeshGuestMode,
               &R::SetBasicSettingVantorMeshGuestMode),

        {"VantorVoxSensitivity",
         S,
         1,
         0,
         3,
         &R::SetBasicSettingVantorVoxSensitivity,
         &R::GetBasicSettingVantorVoxSensitivity,
         {{0, 0}, {5, 5}, {6, U}, {-1, U}},
         {{0, 0}, {5, 5}, {6, 3}, {7, 3}}},
        // Only the low 4 bits of the argument are taken: a large channel cannot spill upwards.
        {"TresselMeshPublicChannel",
         S,
         1,
         0,
         4,
         &R::SetBasicSettingTresselMeshPublicChannel,
         &R::GetBasicSettingTresselMeshPublicChannel,
         {{0, 0}, {8, 8}, {15, 15}, {0x31, 1}, {-1, 15}},
         {{0, 0}, {8, 8}, {9, 0}, {15, 0}}},
        {"VantorAGCSensitivity",
         S,
         1,
         3,
         3,
         &R::SetBasicSettingVantorAGCSensitivity,
         &R::GetBasicSettingVantorAGCSensitivity,
         {{0, 0}, {3, 3}, {4, U}, {-1, U}},
         {{0, 0}, {3, 3}, {4, 3}, {7, 3}}},
        stored_inverted("VantorAudioOverlayVolumeManagement", 1, 6,
                        &R::GetBasicSettingVantorAudioOverlayVolumeManagement,
                        &R::SetBasicSettingVantorAudioOverlayVolumeManagement),
        {"VantorAudioOverlaySensitivity",
         S,
         1,
         7,
         3,
         &R::SetBasicSettingVantorAudioOverlaySensitivity,
         &R::GetBasicSettingVantorAudioOverlaySensitivity,
         {{0, 0}, {5, 5}, {6, U}, {-1, U}},
         {{5, 5}, {6, 3}, {7, 3}}},
        on_off("VantorVoiceCommand", S, 1, 10, &R::GetBasicSettingVantorVoiceCommand,
               &R::SetBasicSettingVantorVoiceCommand),
        read_inverted("TresselRemoteUIPTT", 1, 10, &R::GetBasicSettingTresselRemoteUIPTT,
                      &R::SetBasicSettingTresselRemoteUIPTT),
        on_off("VantorAudioOverlay", S, 1, 11, &R::GetBasicSettingVantorAudioOverlay,
               &R::SetBasicSettingVantorAudioOverlay),
        on_off("UILayer", S, 1, 12, &R::GetBasicSettingUILayer, &R::SetBasicSettingUILayer),
        on_off("QccAutoOff", S, 1, 12, &R::GetBasicSettingQccAutoOff, &R::SetBasicSettingQccAutoOff),
        on_off("KelporHDSpeakerAccessory", S, 1, 13, &R::GetBasicSettingKelporHDSpeakerAccessory,
               &R::SetBasicSettingKelporHDSpeakerAccessory),
    });
}

TEST(SettingsCodec, VantorLayoutWord3And4)
{
    check_all({
        {"VantorMeshPublicChannel",
         S,
         3,
         6,
         4,
         &R::SetBasicSettingVantorMeshPublicChannel,
         &R::GetBasicSettingVantorMeshPublicChannel,
         {{0, 0}, {5, 5}, {6, U}, {-1, U}},
         {{5, 5}, {6, 0}, {15, 0}}},
        {"MossraMeshPublicChannel",
         S,
         3,
         6,
         4,
         &R::SetBasicSettingMossraMeshPublicChannel,
         &R::GetBasicSettingMossraMeshPublicChannel,
         {{1, 1}, {9, 9}, {0, U}, {10, U}},
         {{0, 0}, {9, 9}, {10, 0}, {15, 0}}},
        on_off("HeronyxHDVoice", S, 3, 10, &R::GetBasicSettingHeronyxHDVoice, &R::SetBasicSettingHeronyxHDVoice),
        on_off("VantorHDSpeakerAccessory", S, 3, 10, &R::GetBasicSettingVantorHDSpeakerAccessory,
               &R::SetBasicSettingVantorHDSpeakerAccessory),
        on_off("MeshReachOutLarnex", S, 3, 10, &R::GetBasicSettingMeshReachOutLarnex,
               &R::SetBasicSettingMeshReachOutLarnex),
        {"VantorEqualizer",
         S,
         3,
         11,
         3,
         &R::SetBasicSettingVantorEqualizer,
         &R::GetBasicSettingVantorEqualizer,
         {{0, 0}, {4, 4}, {5, U}, {-1, U}},
         {{4, 4}, {5, 0}, {7, 0}}},
        // The Egrano equalizer's field reaches bit 14: a write clears it, a set bit 14 reads 0.
        {"EgranoEqualizer",
         S,
         3,
         11,
         4,
         &R::SetBasicSettingEgranoEqualizer,
         &R::GetBasicSettingEgranoEqualizer,
         {{0, 0}, {4, 4}, {5, U}, {-1, U}},
         {{4, 4}, {5, 0}, {8, 0}, {12, 0}}},
        on_off("VantorMeshReachOut", S, 3, 14, &R::GetBasicSettingVantorMeshReachOut,
               &R::SetBasicSettingVantorMeshReachOut),
        {"DuvaneSpeakerAccessorySelect",
         S,
         3,
         14,
         2,
         &R::SetBasicSettingDuvaneSpeakerAccessorySelect,
         &R::GetBasicSettingDuvaneSpeakerAccessorySelect,
         {{0, 0}, {3, 3}, {4, U}, {-1, U}},
         {{0, 0}, {3, 3}}},

        // The selects store value + 8 and read back the stored code.
        {"EgranoSpeakerAccessorySelect",
         S,
         4,
         0,
         4,
         &R::SetBasicSettingEgranoSpeakerAccessorySelect,
         &R::GetBasicSettingEgranoSpeakerAccessorySelect,
         {{-8, 0}, {0, 8}, {4, 12}, {5, U}, {-9, U}, {INT32_MAX, U}},
         {{0, 0}, {8, 8}, {15, 15}}},
        {"EgranoMicAccessorySelect",
         S,
         4,
         4,
         4,
         &R::SetBasicSettingEgranoMicAccessorySelect,
         &R::GetBasicSettingEgranoMicAccessorySelect,
         {{-8, 0}, {0, 8}, {4, 12}, {5, U}, {-9, U}},
         {{0, 0}, {12, 12}, {13, 13}}},
        read_inverted("VoiceAssistant", 4, 8, &R::GetBasicSettingVoiceAssistant, &R::SetBasicSettingVoiceAssistant),
        stored_inverted("MeshReachOut", 4, 9, &R::GetBasicSettingMeshReachOut, &R::SetBasicSettingMeshReachOut),
    });
}

TEST(SettingsCodec, QccLayoutAndYarloEqualizer)
{
    check_all({
        {"YarloEqualizer",
         S,
         1,
         5,
         4,
         &R::SetBasicSettingYarloEqualizer,
         &R::GetBasicSettingYarloEqualizer,
         {{0, 0}, {4, 4}, {5, U}, {-1, U}},
         {{4, 4}, {5, 0}, {15, 0}}},
        {"QCCAudioEqualizer",
         S,
         1,
         4,
         3,
         &R::SetBasicSettingQCCAudioEqualizer,
         &R::GetBasicSettingQCCAudioEqualizer,
         {{0, 0}, {5, 5}, {6, U}, {-1, U}},
         {{5, 5}, {6, 0}, {7, 0}}},
        {"QCCVOXSensitivity",
         S,
         1,
         7,
         3,
         &R::SetBasicSettingQCCVOXSensitivity,
         &R::GetBasicSettingQCCVOXSensitivity,
         {{0, 0}, {5, 5}, {6, U}, {-1, U}},
         {{5, 5}, {6, 3}, {7, 3}}},
        stored_inverted("QCCAudioOverlayVolumeManagement", 1, 10, &R::GetBasicSettingQCCAudioOverlayVolumeManagement,
                        &R::SetBasicSettingQCCAudioOverlayVolumeManagement),
        {"QCCAudioOverlaySensitivity",
         S,
         1,
         11,
         3,
         &R::SetBasicSettingQCCAudioOverlaySensitivity,
         &R::GetBasicSettingQCCAudioOverlaySensitivity,
         {{0, 0}, {5, 5}, {6, U}, {-1, U}},
         {{5, 5}, {6, 3}, {7, 3}}},
        {"QCCIntercomAudioOverlaySensitivity",
         S,
         1,
         11,
         3,
         &R::SetBasicSettingQCCIntercomAudioOverlaySensitivity,
         &R::GetBasicSettingQCCIntercomAudioOverlaySensitivity,
         {{0, 0}, {5, 5}, {6, U}, {-1, U}},
         {{5, 5}, {6, 3}, {7, 3}}},
        // The level is read from bits 9-11 alone; bit 7 (written by the setter) does not count.
        {"JUNOVAVOXSensitivity (read)",
         S,
         1,
         9,
         3,
         nullptr,
         &R::GetBasicSettingJUNOVAVOXSensitivity,
         {},
         {{0, 0}, {4, 4}, {5, 5}, {6, 3}, {7, 3}}},
    });
}

// The device's own patterns for this setting also set bit 7 at the two highest levels.
TEST(SettingsCodec, JunovaVoxSensitivityWritesTheDevicesPatterns)
{
    constexpr uint32_t kMask = 0x0E80; // bits 7, 9, 10 and 11
    const uint32_t patterns[] = {0x000, 0x200, 0x400, 0x600, 0x880, 0xA80};
    for (const uint32_t background : kBackgrounds) {
        const R base = background_record(background);
        for (int level = 0; level < 6; ++level) {
            R r = base;
            r.SetBasicSettingJUNOVAVOXSensitivity(level);
            EXPECT_EQ(static_cast<uint32_t>(r.basicSettingBrisko(1)), (background & ~kMask) | patterns[level]) << level;
            EXPECT_EQ(r.GetBasicSettingJUNOVAVOXSensitivity(), level);
        }
        for (const int bad : {6, -1, 100}) {
            R r = base;
            r.SetBasicSettingJUNOVAVOXSensitivity(bad);
            EXPECT_TRUE(r == base) << bad;
        }
    }
}

TEST(SettingsCodec, AirohaLayout)
{
    testing::internal::CaptureStderr(); // the unit-language getters trace to the system log
    check_all({
        on_off("AirohaVOXPhone", S, 0, 0, &R::GetBasicSettingAirohaVOXPhone, &R::SetBasicSettingAirohaVOXPhone),
        on_off("AirohaVoicePrompt", S, 0, 1, &R::GetBasicSettingAirohaVoicePrompt,
               &R::SetBasicSettingAirohaVoicePrompt),
        on_off("AirohaSidetone", S, 0, 2, &R::GetBasicSettingAirohaSidetone, &R::SetBasicSettingAirohaSidetone),
        on_off("AirohaFMStation", S, 0, 3, &R::GetBasicSettingAirohaFMStation, &R::SetBasicSettingAirohaFMStation),
        on_off("AirohaAudioOverlayVolumeManagement", S, 0, 4, &R::GetBasicSettingAirohaAudioOverlayVolumeManagement,
               &R::SetBasicSettingAirohaAudioOverlayVolumeManagement),
        on_off("AirohaMeshReachOut", S, 0, 5, &R::GetBasicSettingAirohaMeshReachOut,
               &R::SetBasicSettingAirohaMeshReachOut),
        on_off("AirohaAdaptiveLight", S, 0, 6, &R::GetBasicSettingAirohaAdaptiveLight,
               &R::SetBasicSettingAirohaAdaptiveLight),
        on_off("AirohaAudioBoost", S, 0, 7, &R::GetBasicSettingAirohaAudioBoost, &R::SetBasicSettingAirohaAudioBoost),
        on_off("AirohaAutoOnOff", S, 0, 8, &R::GetBasicSettingAirohaAutoOnOff, &R::SetBasicSettingAirohaAutoOnOff),
        on_off("AirohaAutoOff", S, 0, 9, &R::GetBasicSettingAirohaAutoOff, &R::SetBasicSettingAirohaAutoOff),
        // The 4-bit codes take the low 4 bits of any argument.
        {"AirohaMeshPublicChannel",
         S,
         1,
         0,
         4,
         &R::SetBasicSettingAirohaMeshPublicChannel,
         &R::GetBasicSettingAirohaMeshPublicChannel,
         {{0, 0}, {15, 15}, {0x1F, 15}, {-2, 14}},
         {{0, 0}, {15, 15}}},
        {"AirohaAudioEqualizer",
         S,
         1,
         4,
         4,
         &R::SetBasicSettingAirohaAudioEqualizer,
         &R::GetBasicSettingAirohaAudioEqualizer,
         {{3, 3}, {0x23, 3}},
         {{9, 9}}},
        {"AirohaVoxSensitivity",
         S,
         1,
         8,
         4,
         &R::SetBasicSettingAirohaVoxSensitivity,
         &R::GetBasicSettingAirohaVoxSensitivity,
         {{3, 3}, {0x23, 3}},
         {{9, 9}}},
        {"AirohaIntercomAudioOverlaySensitivity",
         S,
         1,
         12,
         4,
         &R::SetBasicSettingAirohaIntercomAudioOverlaySensitivity,
         &R::GetBasicSettingAirohaIntercomAudioOverlaySensitivity,
         {{3, 3}, {0x23, 3}},
         {{9, 9}, {15, 15}}},
        {"AirohaUnitLanguage",
         S,
         2,
         0,
         16,
         &R::SetBasicSettingAirohaUnitLanguage,
         &R::GetBasicSettingAirohaUnitLanguage,
         {{5, 5}, {0x12345, 0x2345}},
         {{0, 0}, {0xFFFF, 0xFFFF}}},
        {"AirohaQIXAUnitLanguage",
         S,
         2,
         0,
         16,
         &R::SetBasicSettingAirohaQIXAUnitLanguage,
         &R::GetBasicSettingAirohaQIXAUnitLanguage,
         {{1, 7}, {0, 0}, {7, 0}, {2, 0}},
         {{7, 1}, {1, 0}, {0, 0}, {0x107, 0}}},
        // Pack type 0 lacks a language: indexes from 6 on are kept one higher.
        {"AirohaUnitLanguageKELPOR8R pack 0",
         S,
         2,
         0,
         16,
         [](R& r, int v) { r.SetBasicSettingAirohaUnitLanguageKELPOR8R_PackType(v, 0); },
         [](const R& r) { return r.GetBasicSettingAirohaUnitLanguageKELPOR8R(0); },
         {{5, 5}, {6, 7}, {12, 13}, {0xFFFF, 0}},
         {{5, 5}, {6, 6}, {7, 6}, {13, 12}}},
        {"AirohaUnitLanguageKELPOR8R pack 1",
         S,
         2,
         0,
         16,
         [](R& r, int v) { r.SetBasicSettingAirohaUnitLanguageKELPOR8R_PackType(v, 1); },
         [](const R& r) { return r.GetBasicSettingAirohaUnitLanguageKELPOR8R(1); },
         {{6, 6}, {12, 12}},
         {{7, 7}, {13, 13}}},
    });
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("GetBasicSettingAirohaUnitLanguage[65535]\n"), std::string::npos);
}

} // namespace
