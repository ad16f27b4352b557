#pragma once
// Product-id sets the device record decides by. Each set lives here once; callers ask through the
// small functions below.

#include <algorithm>
#include <array>

namespace kivo {

// The helmet camera: its version text puts the secondary pair first, so it compares by that pair.
inline constexpr int kCameraProductId = 0x3020;

// Devices that keep six FM presets instead of ten.
inline constexpr std::array kSixPresetProducts = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026,
                                                  0x6028, 0x6030, 0x6032, 0x6034, 0x6036};

// Devices that have the background-volume setting.
inline constexpr std::array kBackgroundVolumeProducts = {0x6461, 0x6481, 0x6491, 0x6620};

// Products whose language pack type 0 lacks one language, shifting the unit-language codes from
// index 6 on: the Kelpor family, and the Yarlo and VOSKA families.
inline constexpr std::array kKelporShiftedLanguageProducts = {0x3310, 0x3320, 0x3330};
inline constexpr std::array kYarloShiftedLanguageProducts = {0x3340, 0x3341, 0x3342, 0x3343, 0x3420, 0x3430};

// Products whose second basic settings word carries the start-recording switch, and those whose
// second word carries the auto-off and simple-interface switches and the unit language.
inline constexpr std::array kAutoStartRecordingProducts = {0x5576};
inline constexpr std::array kGrennikProducts = {0x6038, 0x6039};

// Products that take HD intercom into the basic settings word only from firmware 1.1.
inline constexpr std::array kLateHdIntercomProducts = {0x5510, 0x5520, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621};

template <size_t N> constexpr bool product_in(const std::array<int, N>& set, int product_id)
{
    return std::find(set.begin(), set.end(), product_id) != set.end();
}

inline constexpr bool keeps_six_fm_presets(int product_id) { return product_in(kSixPresetProducts, product_id); }
inline constexpr bool has_background_volume(int product_id)
{
    return product_in(kBackgroundVolumeProducts, product_id);
}

} // namespace kivo
