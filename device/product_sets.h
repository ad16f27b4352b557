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

template <size_t N>
constexpr bool product_in(const std::array<int, N>& set, int product_id)
{
    return std::find(set.begin(), set.end(), product_id) != set.end();
}

inline constexpr bool keeps_six_fm_presets(int product_id)
{
    return product_in(kSixPresetProducts, product_id);
}
inline constexpr bool has_background_volume(int product_id)
{
    return product_in(kBackgroundVolumeProducts, product_id);
}

} // namespace kivo
