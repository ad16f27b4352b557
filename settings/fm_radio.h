#pragma once
// The FM radio page's rules, free of Qt: what a preset shows, what the region, check box, stepper
// and edit sheet do to the working copy, and whether the working copy differs from the device in
// what the FM save writes. Frequencies are in 10 kHz units throughout; a preset of 0 is empty.

#include <string>
#include <string_view>

#include "device/device_data.h"

namespace kivo::settings {

// The presets a product's page shows: 6 or 10.
int fm_shown_presets(int product);

// A frequency as the page writes it: MHz with one decimal ("87.5", "108.0"), made from the integer
// (hundredths rounded half up to tenths), never through floating point.
std::string fm_mhz_text(int frequency);

// What the row of a preset shows.
struct FmPresetView {
    bool checked = false; // the preset holds a frequency the region takes
    int stepperValue = 0; // that frequency, or 0
    std::string title; // its MHz text, or the empty word
};

FmPresetView fm_preset_view(int region, int frequency, std::string_view empty_word);

// Takes the region (0 to 5) and empties every shown preset the new region does not take.
void fm_change_region(KIVOBluetoothDeviceData& current, int region, int shown);

// The value a preset takes when its box is checked: the nearest earlier preset the region takes,
// else the nearest later shown one, else the region's lowest frequency.
int fm_checked_preset_value(const KIVOBluetoothDeviceData& current, int index, int shown);
// The check box of preset `index` turned on or off.
void fm_check_preset(KIVOBluetoothDeviceData& current, int index, bool on, int shown);

// The edit sheet's field read as a decimal number of MHz: blanks around it, digits, at most one
// decimal separator ('.' or ','), two fractional digits kept (the rest dropped), then brought to
// the nearest multiple of 10 kHz (a remainder of 5 or more goes up): "87.54" is 8750, "87.55" 8760.
// Any other text, or a number too large to be a frequency, reads 0.
int fm_preset_entry(std::string_view text);

// The region takes the frequency as a preset.
bool fm_preset_accepted(int region, int frequency);

// The working copy differs from the device's record in the FM block the product's save writes:
// region, magic code, current frequency, current preset, the shown presets, RDS. Never for a product
// without an FM block.
bool fm_settings_changed(int product, const KIVOBluetoothDeviceData& device, const KIVOBluetoothDeviceData& current);

} // namespace kivo::settings
