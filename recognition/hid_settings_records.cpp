#include "recognition/hid_settings_records.h"

#include <algorithm>
#include <cstring>

#include "common/utf8_text.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"

namespace kivo {
namespace {

constexpr size_t kWordsAt = 4; // of a protocol A write, and of a protocol B answer or write
constexpr size_t kReplyWordsAt = 5; // of a protocol A reply

using SpeedDialUnits = std::array<uint16_t, KIVOBluetoothDeviceData::kSpeedDialUnitCount>;

} // namespace

HidCommandReport record_write_report_unswapped(uint8_t record, std::span<const uint16_t> words)
{
    HidCommandReport report = hid_request(COMMAND_WRITE_SETTINGS, record);
    const size_t count = std::min(words.size(), (report.size() - kWordsAt) / 2);
    report[3] = static_cast<uint8_t>(count);
    for (size_t i = 0; i < count; ++i) {
        report[kWordsAt + 2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
        report[kWordsAt + 2 * i + 1] = static_cast<uint8_t>(words[i] >> 8);
    }
    return report;
}

HidCommandReport record_write_report(uint8_t record, std::span<const uint16_t> words, size_t counted)
{
    // Host order first; the swap puts the counted words into the device's order.
    HidCommandReport report = record_write_report_unswapped(record, words);
    report[3] = static_cast<uint8_t>(std::min<size_t>(counted, report[3]));
    hid_swap_words_a(report);
    return report;
}

HidCommandReport record_write_report(uint8_t record, std::span<const uint16_t> words)
{
    return record_write_report(record, words, words.size());
}

HidCommandReport record_commit_report(HidCommandReport written, uint8_t record)
{
    written[1] = COMMAND_STORE_SETTINGS;
    written[2] = record;
    hid_swap_words_a(written);
    return written;
}

bool send_record_report(const HidCommandReport& report, int slot)
{
    HidStatusReport status{};
    return hid_command(slot, report, status) != 0;
}

bool write_record(uint8_t record, std::span<const uint16_t> words)
{
    return send_record_report(record_write_report(record, words));
}

HidCommandReport speed_dial_write_report(uint8_t record, std::string_view number, EmptySpeedDial empty)
{
    SpeedDialUnits units{};
    const int bytes = KIVOBluetoothDeviceData::getSpeedDialArray_FromString(units, number);
    size_t counted = static_cast<size_t>(bytes / 2);
    if (counted == 0 && empty == EmptySpeedDial::OneZeroWord)
        counted = 1;
    return record_write_report(record, std::span<const uint16_t>(units).first(counted));
}

bool write_speed_dial_record(uint8_t record, std::string_view number, EmptySpeedDial empty)
{
    return send_record_report(speed_dial_write_report(record, number, empty));
}

std::optional<RecordWords> read_record(uint8_t record, uint8_t word_count)
{
    HidCommandReport request = hid_request(COMMAND_READ_SETTINGS, record);
    request[3] = word_count;
    HidStatusReport status{};
    if (hid_command(0, request, status) == 0)
        return std::nullopt;
    hid_swap_words_b(status);
    // The count is the device's: only the words the report holds are taken.
    const size_t count = std::min<size_t>(status[4], kReplyWordCapacity);
    RecordWords reply;
    for (size_t i = 0; i < count; ++i)
        reply.words.push_back(
            static_cast<uint16_t>(status[kReplyWordsAt + 2 * i] | (status[kReplyWordsAt + 2 * i + 1] << 8)));
    return reply;
}

std::optional<std::string> read_speed_dial_record(uint8_t record)
{
    const std::optional<RecordWords> reply = read_record(record);
    if (!reply)
        return std::nullopt;
    SpeedDialUnits units{};
    std::copy_n(reply->words.begin(), std::min(reply->words.size(), units.size()), units.begin());
    std::string number;
    KIVOBluetoothDeviceData::getSpeedDialString_FromArray(number, units);
    return number;
}

bool write_short_record(uint8_t sub_record, std::span<const uint16_t> words)
{
    HidShortCommandReport report = hid_short_request(COMMAND_WRITE_SETTINGS, sub_record);
    const size_t count = std::min(words.size(), kShortRecordBytes / 2);
    for (size_t i = 0; i < count; ++i) {
        report[kWordsAt + 2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
        report[kWordsAt + 2 * i + 1] = static_cast<uint8_t>(words[i] >> 8);
    }
    std::array<uint8_t, kHidShortReportSize> answer{};
    return hid_command_by_table(0, report, answer) != 0;
}

bool write_short_record_text(uint8_t sub_record, std::string_view text)
{
    HidShortCommandReport report = hid_short_request(COMMAND_WRITE_SETTINGS, sub_record);
    std::copy_n(text.begin(), std::min(text.size(), kShortRecordBytes), report.begin() + kWordsAt);
    std::array<uint8_t, kHidShortReportSize> answer{};
    return hid_command_by_table(0, report, answer) != 0;
}

std::optional<ShortRecordData> read_short_record(uint8_t sub_record)
{
    HidShortCommandReport request = hid_short_request(COMMAND_READ_SETTINGS, sub_record);
    std::array<uint8_t, kHidShortReportSize> answer{};
    if (hid_command_by_table(0, request, answer) == 0)
        return std::nullopt;
    ShortRecordData data{};
    std::copy_n(answer.begin() + kWordsAt, data.size(), data.begin());
    return data;
}

uint16_t short_record_word(const ShortRecordData& data, size_t index)
{
    if (2 * index + 1 >= data.size())
        return 0;
    return static_cast<uint16_t>(data[2 * index] | (data[2 * index + 1] << 8));
}

std::string short_record_text(const ShortRecordData& data)
{
    const auto* bytes = reinterpret_cast<const char*>(data.data());
    const std::string_view text(bytes, strnlen(bytes, data.size()));
    return is_utf8(text) ? std::string(text) : std::string();
}

std::vector<uint16_t> fm_block_words(const KIVOBluetoothDeviceData& saved, uint16_t magic, int presets)
{
    presets = std::clamp(presets, 0, KIVOBluetoothDeviceData::kFmPresetCount);
    std::vector<uint16_t> words = {magic, static_cast<uint16_t>(saved.fmRadioCurrentFrequency()),
                                   static_cast<uint16_t>(saved.fmRadioCurrentPreset())};
    for (int i = 0; i < presets; ++i)
        words.push_back(static_cast<uint16_t>(saved.fmRadioPresetsAt(i)));
    words.push_back(static_cast<uint16_t>(saved.fmRadioRDS()));
    words.push_back(static_cast<uint16_t>(saved.fmRadioRegion()));
    return words;
}

FmBlock fm_block_to_write(const KIVOBluetoothDeviceData& saved)
{
    const std::vector<uint16_t> words = fm_block_words(saved, kFmMagicWritten);
    FmBlock block{};
    std::copy(words.begin(), words.end(), block.begin());
    return block;
}

void store_fm_block(KIVOBluetoothDeviceData& data, const FmBlock& block)
{
    data.setFmRadioMagicCode(block[0]);
    data.setFmRadioCurrentFrequency(block[1]);
    data.setFmRadioCurrentPreset(block[2]);
    for (int i = 0; i < KIVOBluetoothDeviceData::kFmPresetCount; ++i)
        data.setFmRadioPresetsAt_with(i, block[static_cast<size_t>(3 + i)]);
    data.setFmRadioRDS(block[13]);
    data.setFmRadioRegion(block[14]);
}

} // namespace kivo
