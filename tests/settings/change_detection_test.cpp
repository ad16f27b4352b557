// Change detection: each product compares the stored values of its row and nothing else, an edit
// set back is no change, and the firmware splits choose the values.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "settings/change_detection.h"

using namespace kivo::settings;
using Record = KIVOBluetoothDeviceData;
using Edit = std::function<void(Record&)>;

namespace {

Record device_record(int product, int major, int minor)
{
    Record record;
    record.setDeviceRecognized(product);
    record.setDeviceVersionMajor_Minor(major, minor);
    return record;
}

bool changed_by(int product, int major, int minor, const Edit& edit)
{
    const Record device = device_record(product, major, minor);
    Record current = device;
    edit(current);
    return settings_changed(product, device, current);
}

// One edit per stored value. The sidetone sits at the same bit of the first basic word for every
// product; the second word's edits are the products' own.
const Edit kBasicWord = [](Record& r) { r.setSidetone(1); };
const Edit kSettingsWords = [](Record& r) { r.setBasicSettingBriskoAt_with(5, 0x40); };
const Edit kPintraWords = [](Record& r) { r.setBasicSettingPintraVOXSensitivity_with(1, 3); };
const Edit kTavelWords = [](Record& r) { r.setBasicSettingTavelSmartVolumeControl_with(1, 2); };
const Edit kCameraWords = [](Record& r) { r.setBasicSettingWispenCamera_with(0, 4); };
const Edit kOemWord = [](Record& r) { r.setVARGOFMRadio(1); };
const Edit kAutoOffWord = [](Record& r) { r.setAutoOff(1); };
const Edit kRecordingWord = [](Record& r) { r.setAutoStartRecording(1); };
const Edit kIntercomVox = [](Record& r) { r.setIntercomVOX(2); }; // whole value, outside the basic word
const Edit kGain = [](Record& r) { r.setRadioTransmitGain(15); };
const Edit kTimeout = [](Record& r) { r.setAudioChannelTimeout(20); };
const Edit kBackground = [](Record& r) { r.setBackgroundVolume(3); };

} // namespace

TEST(ChangeDetection, EachRowSeesItsValuesAndNothingElse)
{
    const struct {
        int product;
        int major;
        int minor;
        const Edit* edit;
        bool changed;
    } cases[] = {
        {0x4D10, 3, 9, &kIntercomVox, true},    {0x4D10, 3, 9, &kBasicWord, false},
        {0x4D10, 4, 0, &kBasicWord, true},      {0x4D10, 4, 0, &kIntercomVox, false},
        {0x2010, 1, 0, &kBasicWord, true},      {0x2010, 1, 0, &kSettingsWords, false},
        {0x5210, 1, 0, &kGain, true},           {0x5210, 1, 0, &kTimeout, true},
        {0x5210, 1, 0, &kBasicWord, false},     {0x5210, 1, 0, &kSettingsWords, false},
        {0x5424, 1, 0, &kTavelWords, true},     {0x5424, 1, 0, &kCameraWords, false},
        {0x6038, 1, 0, &kAutoOffWord, true},    {0x6038, 1, 0, &kPintraWords, true},
        {0x6038, 1, 0, &kTavelWords, false},    {0x6461, 1, 0, &kBackground, true},
        {0x6461, 1, 0, &kPintraWords, false},   {0x3052, 1, 0, &kSettingsWords, true},
        {0x3052, 1, 0, &kPintraWords, false},   {0x3070, 1, 0, &kSettingsWords, true},
        {0x3070, 1, 0, &kPintraWords, false},   {0x3142, 1, 0, &kOemWord, true},
        {0x3142, 1, 0, &kSettingsWords, true},  {0x3142, 1, 0, &kBasicWord, false},
        {0x3110, 1, 0, &kSettingsWords, true},  {0x3110, 1, 0, &kBasicWord, false},
        {0x3150, 1, 0, &kSettingsWords, true},  {0x5623, 1, 0, &kPintraWords, false},
        {0x5623, 1, 1, &kPintraWords, true},    {0x5622, 1, 0, &kTavelWords, true},
        {0x5622, 1, 0, &kPintraWords, false},   {0x5624, 1, 1, &kPintraWords, true},
        {0x5510, 1, 0, &kCameraWords, true},    {0x5510, 1, 0, &kSettingsWords, false},
        {0x5576, 1, 0, &kRecordingWord, true},  {0x5576, 1, 0, &kSettingsWords, false},
        {0x6010, 1, 0, &kPintraWords, true},    {0x6010, 1, 0, &kTavelWords, false},
        {0x5520, 1, 0, &kPintraWords, true},    {0x5520, 1, 0, &kSettingsWords, false},
        {0x5410, 1, 0, &kTavelWords, true},     {0x5410, 1, 0, &kSettingsWords, false},
        {0x1234, 1, 0, &kSettingsWords, false}, {0x1234, 1, 0, &kBasicWord, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(changed_by(c.product, c.major, c.minor, *c.edit), c.changed)
            << std::hex << "0x" << c.product << std::dec << " at " << c.major << "." << c.minor;
}

TEST(ChangeDetection, AnEditSetBackIsNoChange)
{
    const Record device = device_record(0x3110, 2, 0);
    Record current = device;
    current.setBasicSettingBriskoAt_with(0, 0x100);
    EXPECT_TRUE(settings_changed(0x3110, device, current));
    current.setBasicSettingBriskoAt_with(0, 0);
    EXPECT_FALSE(settings_changed(0x3110, device, current));
}

TEST(ChangeDetection, RowsListTheirValuesInOrderAndSplitByFirmware)
{
    using enum StoredValue;
    const struct {
        int product;
        int major;
        int minor;
        std::vector<StoredValue> values;
    } cases[] = {
        {0x4D10, 3, 9, {IntercomVox, HandsfreeVox, Edr}},
        {0x4D10, 4, 0, {BasicWord}},
        {0x5623, 1, 0, {BasicWord}},
        {0x5623, 1, 1, {BasicWord, PintraWords}},
        {0x5622, 1, 0, {BasicWord, TavelWords}},
        {0x5624, 1, 1, {BasicWord, TavelWords, PintraWords}},
        {0x6038, 1, 0, {BasicWord, SecondBasicWord, SettingsWords, PintraWords}},
        {0x3143, 1, 0, {OemWord, SettingsWords}},
        {0x5210, 1, 0, {RadioTransmitGain, AudioChannelTimeout}},
        {0x6620, 1, 0, {BasicWord, SettingsWords, BackgroundVolume}},
        {0x1234, 1, 0, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compared_values(c.product, device_record(c.product, c.major, c.minor)), c.values)
            << std::hex << "0x" << c.product;
}

TEST(ChangeDetection, TheQccRowTracesBothBasicWordsFirst)
{
    const Record device = device_record(0x5630, 1, 0);
    Record current = device;
    current.setSidetone(1);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(settings_changed(0x5630, device, current));
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("QCC SettingChanged 100 0\n"), std::string::npos) << log;
}
