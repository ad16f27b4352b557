// Every settings-word accessor against its device layout: a setter writes exactly its own bits
// (nothing else in the word or the record moves, and out-of-range values write nothing), and a
// getter maps each stored code as the device means it, whatever the neighbouring bits hold.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device/device_data.h"

namespace {

using R = KIVOBluetoothDeviceData;

enum class Block { Settings, Camera };

// The code a setter leaves in its field; kUnchanged: the record must not change at all.
constexpr int kUnchanged = -1;

struct SetCase {
    int argument;
    int code;
};
struct GetCase {
    int code;
    int expected;
};

struct Accessor {
    std::string name;
    Block block;
    int word;
    int shift;
    int width;
    std::function<void(R&, int)> set;
    std::function<int(const R&)> get;
    std::vector<SetCase> sets;
    std::vector<GetCase> gets;
    std::function<void(R&)> prepare = [](R&) {};
};

uint32_t mask_of(const Accessor& a) { return ((uint32_t{1} << a.width) - 1) << a.shift; }

int word_of(const R& r, Block block, int index)
{
    return block == Block::Settings ? r.basicSettingBrisko(index) : r.basicSettingWispenCameraAt(index);
}

void set_word(R& r, Block block, int index, int value)
{
    if (block == Block::Settings)
        r.setBasicSettingBriskoAt_with(index, value);
    else
        r.setBasicSettingWispenCamera_with(index, value);
}

// Every settings and camera word filled with the same background, so that a write to the wrong
// word or the wrong bits shows.
R background_record(uint32_t background)
{
    R r;
    for (int i = 0; i < R::kBriskoWordCount; ++i)
        r.setBasicSettingBriskoAt_with(i, static_cast<int>(background));
    for (int i = 0; i < R::kCameraWordCount; ++i)
        r.setBasicSettingWispenCamera_with(i, static_cast<int>(background));
    return r;
}

constexpr uint32_t kBackgrounds[] = {0x00000000, 0xFFFFFFFF, 0xA5A55A5A};

void check(const Accessor& a)
{
    const uint32_t mask = mask_of(a);
    for (const uint32_t background : kBackgrounds) {
        R base = background_record(background);
        a.prepare(base);

        for (const SetCase& c : a.sets) {
            R r = base;
            a.set(r, c.argument);
            R expected = base;
            if (c.code != kUnchanged) {
                const uint32_t field = (static_cast<uint32_t>(c.code) << a.shift) & mask;
                set_word(expected, a.block, a.word, static_cast<int>((background & ~mask) | field));
            }
            EXPECT_EQ(static_cast<uint32_t>(word_of(r, a.block, a.word)),
                      static_cast<uint32_t>(word_of(expected, a.block, a.word)))
                << a.name << " set " << c.argument << " on background " << std::hex << background;
            EXPECT_TRUE(r == expected) << a.name << " set " << c.argument << " changed another word";
        }

        for (const GetCase& c : a.gets) {
            R r = base;
            const uint32_t field = static_cast<uint32_t>(c.code) << a.shift;
            ASSERT_EQ(field & ~mask, 0u) << a.name << ": code " << c.code << " outside the field";
            set_word(r, a.block, a.word, static_cast<int>((background & ~mask) | field));
            EXPECT_EQ(a.get(r), c.expected)
                << a.name << " code " << c.code << " on background " << std::hex << background;
        }
    }
}

// On/off: any non-zero value stores 1.
const std::vector<SetCase> kSwitchSets = {{0, 0}, {1, 1}, {2, 1}, {-7, 1}};
const std::vector<GetCase> kSwitchGets = {{0, 0}, {1, 1}};

template <typename Get, typename Set>
Accessor on_off(std::string name, Block block, int word, int bit, Get get, Set set)
{
    return {std::move(name), block, word, bit, 1, set, get, kSwitchSets, kSwitchGets};
}

// Stored inverted (0 stores 1), read back as stored.
template <typename Get, typename Set> Accessor stored_inverted(std::string name, int word, int bit, Get get, Set set)
{
    return {std::move(name), Block::Settings, word, bit, 1, set, get, {{0, 1}, {1, 0}, {5, 0}}, kSwitchGets};
}

// Stored as given, read back inverted.
template <typename Get, typename Set> Accessor read_inverted(std::string name, int word, int bit, Get get, Set set)
{
    return {std::move(name), Block::Settings, word, bit, 1, set, get, kSwitchSets, {{0, 1}, {1, 0}}};
}

constexpr Block S = Block::Settings;
constexpr Block C = Block::Camera;
constexpr int U = kUnchanged;

void check_all(const std::vector<Accessor>& accessors)
{
    for (const Accessor& a : accessors)
        check(a);
}

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
