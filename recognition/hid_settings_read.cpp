#include "recognition/hid_settings_read.h"

#include <array>
#include <cstdio>
#include <optional>

#include "link/hid_protocol.h"
#include "recognition/hid_group_records.h"
#include "recognition/hid_requests.h"
#include "recognition/hid_settings_records.h"

namespace kivo {
namespace {

using Record = KIVOBluetoothDeviceData;
using NamedSetter = void (Record::*)(int);

// The named settings of the basic settings word, by bit (bit 7 carries none) ...
struct BasicWordBit {
    int bit;
    NamedSetter set;
};
constexpr std::array<BasicWordBit, 15> kBasicWordBits{{
    {0, &Record::setHandsfreeVOX},
    {1, &Record::setIntercomVOX},
    {2, &Record::setEdr},
    {3, &Record::setVoicePrompt},
    {4, &Record::setPlc},
    {5, &Record::setBitpoolRate},
    {6, &Record::setMicrophoneBoost},
    {8, &Record::setSidetone},
    {9, &Record::setAdvancedNoiseControl},
    {10, &Record::setAudioBoost},
    {11, &Record::setHdIntercom},
    {12, &Record::setFmStationGuide},
    {13, &Record::setHdVoice},
    {14, &Record::setAudioSourcePriority},
    {15, &Record::setAudioOverlay},
}};
// ... the other named settings a settings read decides (off unless a record says otherwise) ...
constexpr std::array<NamedSetter, 4> kOtherNamedSettings = {&Record::setAutoGainControl, &Record::setSmartNaviSystem,
                                                            &Record::setAutoOnOff, &Record::setAutoStartRecording};
// ... and the two the OEM flags record carries.
constexpr uint16_t kOemFmRadioBit = 1u << 8;
constexpr uint16_t kOemSmartphoneBit = 1u << 9;

// A failed read of the basic settings word stands for handsfree VOX, PLC, bitpool rate,
// microphone boost, audio boost, HD intercom and FM station guide on.
constexpr uint16_t kBasicWordWhenUnread = 0x1C71;

// Background volume runs 0 to 9; anything else shows the middle.
constexpr int kBackgroundVolumeLevels = 10;
constexpr int kBackgroundVolumeFallback = 4;
constexpr size_t kBackgroundVolumeWord = 7;

constexpr size_t kAddressBytes = 6;
constexpr size_t kAddressAtA = 3; // of the protocol A reply
constexpr size_t kAddressAtB = 4; // of the protocol B answer
static_assert(kAddressAtA + kAddressBytes <= kHidStatusReportSize &&
              kAddressAtB + kAddressBytes <= kHidShortReportSize);

void set_named_settings_off(Record& data)
{
    for (const BasicWordBit& b : kBasicWordBits)
        (data.*b.set)(0);
    for (const NamedSetter set : kOtherNamedSettings)
        (data.*set)(0);
}

void set_oem_flags(Record& data, uint16_t word)
{
    data.setVARGOFMRadio((word & kOemFmRadioBit) != 0 ? 1 : 0);
    data.setVARGOSmartphoneConnet((word & kOemSmartphoneBit) != 0 ? 1 : 0);
}

void decode_basic_word(Record& data, uint16_t word)
{
    for (const BasicWordBit& b : kBasicWordBits)
        (data.*b.set)((word >> b.bit) & 1);
    for (const NamedSetter set : kOtherNamedSettings)
        (data.*set)(0);
    set_oem_flags(data, 0);
}

void store_address(Record& data, const uint8_t* a)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%02X%02X%02X%02X%02X%02X", a[0], a[1], a[2], a[3], a[4], a[5]);
    data.setDeviceBdAddress(text.data());
    std::snprintf(text.data(), text.size(), "%02X%02X%02X[%02X%02X%02X]", a[0], a[1], a[2], a[3], a[4], a[5]);
    data.setBdAddress(text.data());
}

void read_address(bool over_short_reports, Record& data)
{
    bool read = false;
    if (over_short_reports) {
        HidShortCommandReport request = hid_short_request(COMMAND_GET_INFO, 0);
        std::array<uint8_t, kHidShortReportSize> answer{};
        read = hid_command_by_table(0, request, answer) != 0;
        if (read)
            store_address(data, &answer[kAddressAtB]);
    } else {
        HidStatusReport reply{};
        read = hid_command(0, hid_request(COMMAND_GET_INFO), reply) != 0;
        if (read)
            store_address(data, &reply[kAddressAtA]);
    }
    // The device's own address stays as it was.
    if (!read)
        data.setBdAddress("");
}

void store_fixed_words(Record& data, const SettingsRead& row)
{
    for (const FixedSettingsWord& fixed : row.onFailure)
        if (fixed.index >= 0)
            data.setBasicSettingBriskoAt_with(fixed.index, fixed.value);
}

// Every word the reply carries, as far as the record has settings words.
void store_settings_words(Record& data, const RecordWords& reply)
{
    for (size_t i = 0; i < reply.words.size() && i < static_cast<size_t>(Record::kBriskoWordCount); ++i)
        data.setBasicSettingBriskoAt_with(static_cast<int>(i), reply.words[i]);
}

void read_vox_sensitivity(Record& data)
{
    const std::optional<RecordWords> reply = read_record(kRecordVoxSensitivity);
    if (!reply)
        return;
    for (size_t i = 0; i < reply->words.size() && i < static_cast<size_t>(Record::kPintraWordCount); ++i)
        data.setBasicSettingPintraVOXSensitivity_with(static_cast<int>(i), reply->words[i]);
}

void read_background_volume(Record& data)
{
    const std::optional<RecordWords> reply = read_record(kRecordExtendedSettings, kExtendedSettingsWords);
    if (!reply)
        return;
    const int volume = reply->at(kBackgroundVolumeWord);
    data.setBackgroundVolume(volume < kBackgroundVolumeLevels ? volume : kBackgroundVolumeFallback);
}

void read_basic_word(Record& data, int product_id, const SettingsRead& row)
{
    const std::optional<RecordWords> reply = read_record(row.settingsRecord);
    if (!reply) {
        decode_basic_word(data, kBasicWordWhenUnread);
        store_fixed_words(data, row);
        return;
    }
    decode_basic_word(data, reply->at(0));
    // What a save packs beyond the shared bits comes back too, so the next save keeps it.
    data.takeSettings40Extras(product_id, reply->at(0), reply->at(1));
    for (size_t i = 1; i < row.takesWord.size(); ++i)
        if (row.takesWord[i])
            data.setBasicSettingBriskoAt_with(static_cast<int>(i), reply->at(i));
    if (row.readsVoxSensitivity)
        read_vox_sensitivity(data);
}

void read_settings_words(Record& data, const SettingsRead& row)
{
    set_named_settings_off(data);
    if (const std::optional<RecordWords> reply = read_record(row.settingsRecord))
        store_settings_words(data, *reply);
    else
        store_fixed_words(data, row);
    if (row.kind != SettingsReadKind::OemSettingsWords) {
        set_oem_flags(data, 0);
        return;
    }
    const std::optional<RecordWords> flags = read_record(kRecordOemFlags);
    set_oem_flags(data, flags ? flags->at(0) : 0);
}

constexpr int kShortRecordSettingsWords = 3;

void read_short_report_words(Record& data, const SettingsRead& row)
{
    set_named_settings_off(data);
    set_oem_flags(data, 0);
    const std::optional<ShortRecordData> answer = read_short_record(row.settingsRecord);
    if (!answer) {
        store_fixed_words(data, row);
        return;
    }
    for (int i = 0; i < kShortRecordSettingsWords; ++i)
        data.setBasicSettingBriskoAt_with(i, short_record_word(*answer, static_cast<size_t>(i)));
}

void read_settings(Record& data, int product_id, const SettingsRead& row)
{
    switch (row.kind) {
    case SettingsReadKind::BasicWord: read_basic_word(data, product_id, row); break;
    case SettingsReadKind::SettingsWords:
    case SettingsReadKind::OemSettingsWords: read_settings_words(data, row); break;
    case SettingsReadKind::ShortReportWords: read_short_report_words(data, row); break;
    }
    if (row.readsBackgroundVolume)
        read_background_volume(data);
}

void read_fm_block(Record& data, const SettingsRead& row)
{
    FmBlock block{};
    switch (row.fmSource) {
    case FmSource::Cleared: break;
    case FmSource::RecordA:
        if (const std::optional<RecordWords> reply = read_record(row.fmRecord))
            for (size_t i = 0; i < block.size(); ++i)
                block[i] = reply->at(i);
        else
            block[0] = kFmMagicUnread;
        break;
    case FmSource::ShortReport:
        if (const std::optional<ShortRecordData> answer = read_short_record(row.fmRecord))
            for (size_t i = 0; i < block.size(); ++i)
                block[i] = short_record_word(*answer, i);
        else
            block[0] = kFmMagicUnread;
        break;
    }
    store_fm_block(data, block);
}

void read_speed_dials(Record& data, const SettingsRead& row)
{
    if (row.speedDialRecord == 0)
        return;
    for (int i = 0; i < Record::kSpeedDialCount; ++i) {
        const auto record = static_cast<uint8_t>(row.speedDialRecord + i);
        std::optional<std::string> number;
        if (row.speedDialsOverShortReports) {
            if (const std::optional<ShortRecordData> answer = read_short_record(record))
                number = short_record_text(*answer);
        } else {
            number = read_speed_dial_record(record);
        }
        data.setSpeedDialAt_with(i, number.value_or(""));
    }
}

} // namespace

void read_hid_settings(int product_id, KIVOBluetoothDeviceData& data)
{
    const std::optional<SettingsRead> row = settings_read_of(product_id);
    if (!row)
        return;
    read_address(speaks_protocol_b(product_id), data);
    read_settings(data, product_id, *row);
    read_fm_block(data, *row);
    read_speed_dials(data, *row);
}

} // namespace kivo
