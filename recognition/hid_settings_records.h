#pragma once
// The settings records of a device over HID, all in slot 0: protocol A records of 16-bit words
// (big-endian on the wire), protocol B sub-records (little-endian words), and the device forms of
// the FM block and of a speed-dial number.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "device/device_data.h"
#include "link/hid_reports.h"

namespace kivo {

// The words a protocol A reply can carry after its count byte.
inline constexpr size_t kReplyWordCapacity = (kHidStatusReportSize - 5) / 2;
// The data of a protocol B answer: answer bytes 4 to 61.
inline constexpr size_t kShortRecordBytes = kHidShortReportSize - 4;
using ShortRecordData = std::array<uint8_t, kShortRecordBytes>;

// The words of a protocol A reply, in host order: as many as it announces, at most what the
// report holds. A word past them reads 0.
struct RecordWords {
    std::vector<uint16_t> words;
    uint16_t at(size_t index) const { return index < words.size() ? words[index] : 0; }
};

// Protocol A record writes as they go on the wire: count in byte 3, the counted words from byte 4
// swapped into the device's order (most significant byte first). Words carried past the count
// stay in host order.
HidCommandReport record_write_report(uint8_t record, std::span<const uint16_t> words, size_t counted);
HidCommandReport record_write_report(uint8_t record, std::span<const uint16_t> words);
// The same without the swap: the words go least significant byte first, the order in which the
// OEM flags record (9) is kept.
HidCommandReport record_write_report_unswapped(uint8_t record, std::span<const uint16_t> words);
// The commit (store) of a written record: the write's report with the commit command and the
// record to commit; its count and words are swapped once more, so they travel least significant
// byte first.
HidCommandReport record_commit_report(HidCommandReport written, uint8_t record);
// One exchange of such a report on the slot; false when it fails.
bool send_record_report(const HidCommandReport& report, int slot = 0);

// Protocol A. Each returns false when the exchange fails.
bool write_record(uint8_t record, std::span<const uint16_t> words);
// A speed-dial number goes one character a word, the character in the low byte; an empty number
// goes as no words, or (on the families that want one) as one word 0.
enum class EmptySpeedDial { NoWords, OneZeroWord };
HidCommandReport speed_dial_write_report(uint8_t record, std::string_view number,
                                         EmptySpeedDial empty = EmptySpeedDial::NoWords);
bool write_speed_dial_record(uint8_t record, std::string_view number, EmptySpeedDial empty = EmptySpeedDial::NoWords);
// word_count goes into the request (byte 3) when it is not 0.
std::optional<RecordWords> read_record(uint8_t record, uint8_t word_count = 0);
// A speed-dial number; none when the read fails.
std::optional<std::string> read_speed_dial_record(uint8_t record);

// Protocol B: the words go little-endian from answer or report byte 4.
bool write_short_record(uint8_t sub_record, std::span<const uint16_t> words);
// A text from byte 4, zero padded (cut to the 58 bytes a report holds).
bool write_short_record_text(uint8_t sub_record, std::string_view text);
std::optional<ShortRecordData> read_short_record(uint8_t sub_record);
uint16_t short_record_word(const ShortRecordData& data, size_t index);
// The data as a UTF-8 C string (empty when it is not well formed).
std::string short_record_text(const ShortRecordData& data);

// The FM block: magic code, current frequency, current preset, presets 0 to 9, RDS, region.
inline constexpr size_t kFmBlockWords = 15;
using FmBlock = std::array<uint16_t, kFmBlockWords>;
inline constexpr uint16_t kFmMagicWritten = 0x66E9;
inline constexpr uint16_t kFmMagicUnread = 0x56E9;
// A record's block as a device takes it: the magic code given, current frequency, current preset,
// the first `presets` presets (6 or 10), RDS, region; presets + 5 words.
std::vector<uint16_t> fm_block_words(const KIVOBluetoothDeviceData& saved, uint16_t magic,
                                     int presets = KIVOBluetoothDeviceData::kFmPresetCount);
// A saved record's block as written: always with the written magic code.
FmBlock fm_block_to_write(const KIVOBluetoothDeviceData& saved);
void store_fm_block(KIVOBluetoothDeviceData& data, const FmBlock& block);

} // namespace kivo
