#include "settings/fm_radio.h"

#include <cstdint>

#include "device/products/fm_radio_save.h"

namespace kivo::settings {
namespace {

using Record = KIVOBluetoothDeviceData;

// Integer digits an entry may have: 999999 MHz is far beyond any band and far inside an int.
constexpr size_t kMaxEntryDigits = 6;

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool holds_station(int region, int frequency) { return frequency > 0 && fm_preset_accepted(region, frequency); }

} // namespace

int fm_shown_presets(int product) { return fm_preset_count(product); }

std::string fm_mhz_text(int frequency)
{
    const bool negative = frequency < 0;
    const int64_t hundredths = negative ? -static_cast<int64_t>(frequency) : frequency;
    const int64_t tenths = (hundredths + 5) / 10;
    std::string text = negative ? "-" : "";
    text += std::to_string(tenths / 10);
    text += '.';
    text += std::to_string(tenths % 10);
    return text;
}

FmPresetView fm_preset_view(int region, int frequency, std::string_view empty_word)
{
    if (!holds_station(region, frequency))
        return {false, 0, std::string(empty_word)};
    return {true, frequency, fm_mhz_text(frequency)};
}

void fm_change_region(Record& current, int region, int shown)
{
    current.setFmRadioRegion(region);
    for (int i = 0; i < shown; ++i)
        if (!fm_preset_accepted(current.fmRadioRegion(), current.fmRadioPresetsAt(i)))
            current.setFmRadioPresetsAt_with(i, 0);
}

// A neighbour that shows "Empty" (a frequency the region rejects) is no station to copy: the box
// checked would stay off.
int fm_checked_preset_value(const Record& current, int index, int shown)
{
    const int region = current.fmRadioRegion();
    for (int i = index - 1; i >= 0; --i)
        if (holds_station(region, current.fmRadioPresetsAt(i)))
            return current.fmRadioPresetsAt(i);
    for (int i = index + 1; i < shown; ++i)
        if (holds_station(region, current.fmRadioPresetsAt(i)))
            return current.fmRadioPresetsAt(i);
    return Record::fmPresetBandOfRegion(region).minimum;
}

void fm_check_preset(Record& current, int index, bool on, int shown)
{
    current.setFmRadioPresetsAt_with(index, on ? fm_checked_preset_value(current, index, shown) : 0);
}

int fm_preset_entry(std::string_view text)
{
    text = trimmed(text);
    int64_t whole = 0;
    size_t digits = 0, at = 0;
    for (; at < text.size() && is_digit(text[at]); ++at, ++digits) {
        if (digits == kMaxEntryDigits)
            return 0;
        whole = whole * 10 + (text[at] - '0');
    }
    int64_t fraction = 0; // hundredths
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        for (int place = 0; at < text.size() && is_digit(text[at]); ++at, ++digits, ++place)
            if (place < 2)
                fraction += (text[at] - '0') * (place == 0 ? 10 : 1);
    }
    if (digits == 0 || at != text.size())
        return 0;
    const int64_t hundredths = whole * 100 + fraction;
    const int64_t remainder = hundredths % 10;
    return static_cast<int>(hundredths - remainder + (remainder >= 5 ? 10 : 0));
}

bool fm_preset_accepted(int region, int frequency)
{
    return Record::checkFMPresetValidWithRegion_FMRadioPreset(region, frequency) == 0;
}

bool fm_settings_changed(int product, const Record& device, const Record& current)
{
    if (!fm_radio_product(product))
        return false;
    if (current.fmRadioRegion() != device.fmRadioRegion() || current.fmRadioMagicCode() != device.fmRadioMagicCode() ||
        current.fmRadioCurrentFrequency() != device.fmRadioCurrentFrequency() ||
        current.fmRadioCurrentPreset() != device.fmRadioCurrentPreset())
        return true;
    for (int i = 0; i < fm_preset_count(product); ++i)
        if (current.fmRadioPresetsAt(i) != device.fmRadioPresetsAt(i))
            return true;
    return current.fmRadioRDS() != device.fmRadioRDS();
}

} // namespace kivo::settings
