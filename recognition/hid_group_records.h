#pragma once
// How the settings of a device found over HID are written back and read: the products fall into
// fourteen groups (device/products/hid_settings_groups.h), each with its own records. The records
// of each group, for the write-back and for the read, are data here; the code that walks them is in
// hid_settings_write_back.cpp and hid_settings_read.cpp.

#include <array>
#include <cstdint>
#include <optional>

#include "device/products/hid_settings_groups.h"

namespace kivo {

// Protocol A record ids of the settings stage.
inline constexpr uint8_t kRecordBasicSettings = 0x04; // the basic settings word, or settings words 0 to 3 (G4)
inline constexpr uint8_t kRecordOemFlags = 0x09; // bit 8 FM radio, bit 9 smartphone connection
inline constexpr uint8_t kRecordFmBlock = 0x15;
inline constexpr uint8_t kRecordVoxSensitivity = 0x17;
inline constexpr uint8_t kRecordSettings = 0x36; // word 0 the basic settings word, then words 1 to 4
inline constexpr uint8_t kRecordSpeedDial = 0x37; // 0x37 to 0x39: speed-dial numbers 1 to 3
inline constexpr uint8_t kRecordExtendedSettings = 0x3F; // 8 words; word 7 the background volume
inline constexpr uint8_t kRecordFmBlockSecond = 0x44;
inline constexpr uint8_t kRecordSpeedDialSecond = 0x5A; // 0x5A to 0x5C
// The extended record is asked for with its word count.
inline constexpr uint8_t kExtendedSettingsWords = 8;

// Protocol B sub-records of the read (0x03) and write (0x04) commands.
inline constexpr uint8_t kShortRecordSettings = 0x03; // settings words 0 to 2
inline constexpr uint8_t kShortRecordSpeedDial = 0x05; // 0x05 to 0x07
inline constexpr uint8_t kShortRecordFmBlock = 0x08;

// What one group writes back from a saved record, in this order: its settings words, its FM
// block, its three speed-dial numbers. A record of 0 is not written.
struct SettingsWriteBack {
    SettingsGroup group = SettingsGroup::None;
    uint8_t settingsRecord = 0;
    bool settingsOverShortReports = false; // protocol B sub-record instead of a protocol A record
    bool startsWithBasicWord = false; // word 0 the packed basic settings word, else settings word 0
    int settingsWords = 0; // the words from word 0; the others are settings words 1, 2, ...
    uint8_t fmRecord = 0;
    uint8_t speedDialRecord = 0; // the first of three
};

inline constexpr std::array<SettingsWriteBack, 14> kSettingsWriteBacks{{
    {.group = SettingsGroup::G1,
     .settingsRecord = kRecordSettings,
     .startsWithBasicWord = true,
     .settingsWords = 2,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G2,
     .settingsRecord = kRecordSettings,
     .startsWithBasicWord = true,
     .settingsWords = 2,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G3,
     .settingsRecord = kRecordSettings,
     .startsWithBasicWord = true,
     .settingsWords = 2,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G4,
     .settingsRecord = kRecordBasicSettings,
     .settingsWords = 4,
     .fmRecord = kRecordFmBlock},
    {.group = SettingsGroup::G5,
     .settingsRecord = kRecordSettings,
     .settingsWords = 2,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G6,
     .settingsRecord = kRecordSettings,
     .settingsWords = 2,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G7,
     .settingsRecord = kRecordSettings,
     .startsWithBasicWord = true,
     .settingsWords = 3,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G8, .settingsRecord = kRecordSettings, .startsWithBasicWord = true, .settingsWords = 5},
    {.group = SettingsGroup::G9, .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G10, .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G11,
     .settingsRecord = kShortRecordSettings,
     .settingsOverShortReports = true,
     .settingsWords = 3},
    {.group = SettingsGroup::G12,
     .settingsRecord = kShortRecordSettings,
     .settingsOverShortReports = true,
     .settingsWords = 3},
    {.group = SettingsGroup::G13,
     .settingsRecord = kShortRecordSettings,
     .settingsOverShortReports = true,
     .settingsWords = 3},
    {.group = SettingsGroup::G14},
}};

// How a group's settings record is read.
enum class SettingsReadKind {
    // Protocol A: word 0 the basic settings word (the named settings), some settings words beside.
    BasicWord,
    // Protocol A: every word the reply carries to the settings words; the named settings off.
    SettingsWords,
    // As SettingsWords, then the OEM flags record for the FM radio and smartphone switches.
    OemSettingsWords,
    // Protocol B: answer words 0 to 2 to settings words 0 to 2; the named settings off.
    ShortReportWords,
};

// Where a group's FM block comes from.
enum class FmSource { RecordA, ShortReport, Cleared };

// A settings word set to a fixed value when the settings read fails.
struct FixedSettingsWord {
    int index = -1; // -1: none
    uint16_t value = 0;
};

// What one group reads, in this order: its settings record (and the records that follow it), its
// FM block, its three speed-dial numbers.
struct SettingsRead {
    SettingsGroup group = SettingsGroup::None;
    SettingsReadKind kind = SettingsReadKind::BasicWord;
    uint8_t settingsRecord = 0;
    // BasicWord: the reply words 1 to 4 also stored into the same settings word.
    std::array<bool, 5> takesWord{};
    // Stored when the settings read fails.
    std::array<FixedSettingsWord, 2> onFailure{};
    bool readsVoxSensitivity = false; // after the settings, and only when they were read
    bool readsBackgroundVolume = false; // after the settings
    FmSource fmSource = FmSource::RecordA;
    uint8_t fmRecord = 0;
    uint8_t speedDialRecord = 0; // the first of three; 0: none
    bool speedDialsOverShortReports = false;
};

inline constexpr std::array<bool, 5> kTakesWord1{false, true, false, false, false};
// A failed basic settings read leaves settings word 1 at its usual value.
inline constexpr std::array<FixedSettingsWord, 2> kBasicWordFailure{{{1, 0x0020}, {}}};

inline constexpr std::array<SettingsRead, 14> kSettingsReads{{
    {.group = SettingsGroup::G1,
     .settingsRecord = kRecordSettings,
     .takesWord = kTakesWord1,
     .onFailure = kBasicWordFailure,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G2,
     .settingsRecord = kRecordSettings,
     .takesWord = kTakesWord1,
     .onFailure = kBasicWordFailure,
     .fmRecord = kRecordFmBlock,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G3,
     .settingsRecord = kRecordSettings,
     .takesWord = kTakesWord1,
     .onFailure = kBasicWordFailure,
     .readsVoxSensitivity = true,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G4,
     .kind = SettingsReadKind::OemSettingsWords,
     .settingsRecord = kRecordBasicSettings,
     .onFailure = {{{0, 0x1D21}, {1, 0x0183}}},
     .fmRecord = kRecordFmBlock,
     .speedDialRecord = kRecordSpeedDialSecond},
    {.group = SettingsGroup::G5,
     .kind = SettingsReadKind::SettingsWords,
     .settingsRecord = kRecordSettings,
     .onFailure = {{{0, 0x1421}, {1, 0x0200}}},
     .fmRecord = kRecordFmBlock,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G6,
     .kind = SettingsReadKind::SettingsWords,
     .settingsRecord = kRecordSettings,
     .onFailure = {{{0, 0x1421}, {1, 0x0200}}},
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G7,
     .settingsRecord = kRecordSettings,
     .takesWord = {false, true, true, false, false},
     .onFailure = kBasicWordFailure,
     .fmRecord = kRecordFmBlockSecond,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G8,
     .settingsRecord = kRecordSettings,
     .takesWord = {false, true, true, false, true},
     .onFailure = kBasicWordFailure,
     .fmRecord = kRecordFmBlock,
     .speedDialRecord = kRecordSpeedDialSecond},
    {.group = SettingsGroup::G9,
     .settingsRecord = kRecordSettings,
     .takesWord = kTakesWord1,
     .onFailure = kBasicWordFailure,
     .readsBackgroundVolume = true,
     .fmRecord = kRecordFmBlock,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G10,
     .settingsRecord = kRecordBasicSettings,
     .fmRecord = kRecordFmBlock,
     .speedDialRecord = kRecordSpeedDial},
    {.group = SettingsGroup::G11,
     .kind = SettingsReadKind::ShortReportWords,
     .settingsRecord = kShortRecordSettings,
     .onFailure = {{{0, 0x0003}, {1, 0x2200}}},
     .fmSource = FmSource::Cleared,
     .speedDialRecord = kShortRecordSpeedDial,
     .speedDialsOverShortReports = true},
    {.group = SettingsGroup::G12,
     .kind = SettingsReadKind::ShortReportWords,
     .settingsRecord = kShortRecordSettings,
     .onFailure = {{{0, 0x0003}, {1, 0x2200}}},
     .fmSource = FmSource::Cleared},
    {.group = SettingsGroup::G13,
     .kind = SettingsReadKind::ShortReportWords,
     .settingsRecord = kShortRecordSettings,
     .onFailure = {{{0, 0x0003}, {1, 0x2200}}},
     .fmSource = FmSource::ShortReport,
     .fmRecord = kShortRecordFmBlock,
     .speedDialRecord = kShortRecordSpeedDial,
     .speedDialsOverShortReports = true},
    {.group = SettingsGroup::G14,
     .settingsRecord = kRecordBasicSettings,
     .fmRecord = kRecordFmBlock,
     .speedDialRecord = kRecordSpeedDialSecond},
}};

// The group's rows; none for a product outside every group.
std::optional<SettingsWriteBack> settings_write_back_of(int product_id);
std::optional<SettingsRead> settings_read_of(int product_id);

} // namespace kivo
