// The basic settings words packed from the named settings, and the word compares.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "device/device_data.h"

namespace {

using R = KIVOBluetoothDeviceData;

// Every named setting that a basic settings word can carry, at the same value.
R named_all(int product, int major, int minor, int value)
{
    R r;
    r.setDeviceRecognized(product);
    r.setDeviceVersionMajor_Minor(major, minor);
    for (auto set : {&R::setHandsfreeVOX,
                     &R::setIntercomVOX,
                     &R::setEdr,
                     &R::setVoicePrompt,
                     &R::setPlc,
                     &R::setBitpoolRate,
                     &R::setMicrophoneBoost,
                     &R::setSidetone,
                     &R::setAdvancedNoiseControl,
                     &R::setAutoGainControl,
                     &R::setAudioBoost,
                     &R::setHdIntercom,
                     &R::setFmStationGuide,
                     &R::setHdVoice,
                     &R::setAudioSourcePriority,
                     &R::setAudioOverlay,
                     &R::setAutoOnOff,
                     &R::setAutoStartRecording,
                     &R::setSmartNaviSystem,
                     &R::setSmartNaviSystem2,
                     &R::setAutoOff,
                     &R::setSimpleUI,
                     &R::setVARGOFMRadio,
                     &R::setVARGOSmartphoneConnet})
        (r.*set)(value);
    return r;
}

// Bits 0 to 6, 8 and 9 are the same for every product; bit 7 is never set.
constexpr uint16_t kCommonBits = 0x037F;

TEST(SettingsPackers, FirstBasicWordTakesTheUpperBitsByProduct)
{
    struct Case {
        int product, major, minor;
        uint16_t expected;
    };
    const Case cases[] = {
        {0x1234, 1, 0, kCommonBits | 0x0400}, // unlisted: bit 10 is automatic gain control
        {0x3030, 1, 0, kCommonBits | 0x1400},
        {0x3085, 1, 0, kCommonBits | 0x0C00},
        {0x5410, 1, 0, 0xFF7F},
        {0x5440, 1, 0, 0xFF7F},
        {0x5445, 1, 0, 0xFF7F},
        {0x3340, 1, 0, kCommonBits | 0xEC00},
        {0x5597, 1, 0, kCommonBits | 0xEC00},
        {0x5524, 1, 0, kCommonBits | 0xF400},
        {0x5532, 1, 0, kCommonBits | 0x3C00},
        {0x6020, 1, 0, kCommonBits | 0x2400},
        {0x6030, 1, 0, 0xEF7F},
        {0x6038, 1, 0, kCommonBits | 0x4C00},
        {0x6335, 1, 0, kCommonBits | 0x2C00},
        // HD intercom joins these products' word only from firmware 1.1.
        {0x5510, 1, 0, 0xF77F},
        {0x5510, 1, 1, 0xFF7F},
        {0x5621, 0, 9, 0xF77F},
        {0x5621, 2, 0, 0xFF7F},
        {0x5622, 1, 0, 0xFF7F},
    };
    for (const Case& c : cases)
        EXPECT_EQ(named_all(c.product, c.major, c.minor, 1).getSettings40(), c.expected)
            << std::hex << c.product << " at " << std::dec << c.major << "." << c.minor;
}

TEST(SettingsPackers, ASettingCountsOnlyWhenExactlyOne)
{
    EXPECT_EQ(named_all(0x5410, 2, 0, 2).getSettings40(), 0);
    EXPECT_EQ(named_all(0x5410, 2, 0, -1).getSettings40(), 0);

    R r;
    r.setIntercomVOX(2);
    r.setHandsfreeVOX(1);
    EXPECT_EQ(r.getSettings40(), 0x0001);

    // Bit 10 is the audio boost for the products that name it, automatic gain control otherwise.
    R boost;
    boost.setAudioBoost(1);
    boost.setDeviceRecognized(0x5524);
    EXPECT_EQ(boost.getSettings40(), 0x0400);
    boost.setDeviceRecognized(0x3030);
    EXPECT_EQ(boost.getSettings40(), 0);
}

TEST(SettingsPackers, SecondBasicWordAndOemWord)
{
    R r;
    r.setDeviceRecognized(0x6038);
    r.setGrennikLanguage(5);
    r.setAutoOff(1);
    EXPECT_EQ(r.getSettings40Second(), 0x0850);
    r.setSimpleUI(1);
    r.setDeviceRecognized(0x6039);
    EXPECT_EQ(r.getSettings40Second(), 0x0C50);
    r.setGrennikLanguage(0x1001); // shifted out of the 16 bits but for the low part
    EXPECT_EQ(r.getSettings40Second(), 0x0C10);

    R all = named_all(0x5576, 1, 0, 1);
    EXPECT_EQ(all.getSettings40Second(), 0x0001);
    all.setAutoStartRecording(2);
    EXPECT_EQ(all.getSettings40Second(), 0);
    EXPECT_EQ(named_all(0x5410, 1, 0, 1).getSettings40Second(), 0);

    EXPECT_EQ(named_all(0x1234, 1, 0, 1).getSettingsVARGO(), 0x0300);
    EXPECT_EQ(named_all(0x3142, 1, 0, 2).getSettingsVARGO(), 0);
    R fmOnly;
    fmOnly.setVARGOFMRadio(1);
    EXPECT_EQ(fmOnly.getSettingsVARGO(), 0x0100);
}

TEST(SettingsPackers, ComparesReturnTheFirstDifference)
{
    R a;
    R b;
    EXPECT_EQ(a.compareBasicSettingBriskoWith(b), 0);
    a.setBasicSettingBriskoAt_with(9, 5);
    a.setBasicSettingBriskoAt_with(4, 10);
    b.setBasicSettingBriskoAt_with(4, 13);
    EXPECT_EQ(a.compareBasicSettingBriskoWith(b), -3);
    EXPECT_EQ(b.compareBasicSettingBriskoWith(a), 3);
    b.setBasicSettingBriskoAt_with(4, 10);
    EXPECT_EQ(a.compareBasicSettingBriskoWith(b), 5);

    // A difference past the 32-bit range wraps instead of overflowing; it is never 0.
    a.setBasicSettingPintraVOXSensitivity_with(1, INT_MIN);
    b.setBasicSettingPintraVOXSensitivity_with(1, 1);
    EXPECT_EQ(a.compareBasicSettingPintraVOXSensitivityWith(b), INT_MAX);
    EXPECT_EQ(a.compareBasicSettingTavelSmartVolumeControlWith(b), 0);
    b.setBasicSettingTavelSmartVolumeControl_with(1, 7);
    EXPECT_EQ(a.compareBasicSettingTavelSmartVolumeControlWith(b), -7);
}

TEST(SettingsPackers, CameraCompareCoversWordsTwoAndThreeFromFirmwareTwo)
{
    R a;
    R b;
    b.setBasicSettingWispenCamera_with(3, 4);
    a.setDeviceVersionMajor_Minor(1, 9);
    EXPECT_EQ(a.compareBasicSettingWispenCameraWith(b), 0);
    a.setDeviceVersionMajor_Minor(2, 0);
    EXPECT_EQ(a.compareBasicSettingWispenCameraWith(b), -4);
    // The receiver's firmware decides, not the other record's.
    EXPECT_EQ(b.compareBasicSettingWispenCameraWith(a), 0);
    b.setBasicSettingWispenCamera_with(1, 1);
    EXPECT_EQ(b.compareBasicSettingWispenCameraWith(a), 1);
}

} // namespace
