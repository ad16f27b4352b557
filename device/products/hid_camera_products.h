#pragma once
// The headsets of the HID camera path: which carry a camera whose image goes onto its memory card
// before the headset's own images, and how each ends its headset stage. Group Q shows no re-plug
// box; group R (Q without two) starts its loader without asking whether the headset is ready.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kHidCameraCameraProducts = {0x5510, 0x5580, 0x5570, 0x5576, 0x3060};

inline constexpr std::array kHidCameraGroupQProducts = {0x5320, 0x5330, 0x5720, 0x3050, 0x6400, 0x6112, 0x6114, 0x5424,
                                                        0x5434, 0x321D, 0x5430, 0x5432, 0x5428, 0x5426, 0x5534, 0x5538,
                                                        0x3070, 0x3080, 0x3310, 0x3330, 0x6310, 0x6320, 0x6335, 0x6330,
                                                        0x5564, 0x4050, 0x3060, 0x5570, 0x5576};

inline constexpr std::array kHidCameraGroupRProducts = {
    0x5720, 0x3050, 0x6400, 0x6112, 0x6114, 0x5424, 0x5434, 0x321D, 0x5430, 0x5432, 0x5428, 0x5426, 0x5534, 0x5538,
    0x3070, 0x3080, 0x3310, 0x3330, 0x6310, 0x6320, 0x6335, 0x6330, 0x5564, 0x4050, 0x3060, 0x5570, 0x5576};

// The camera that switches itself off once it has taken a new image, and is switched off and on once
// more before its card comes back.
inline constexpr std::array kHidCameraSelfOffProducts = {0x5580};

constexpr bool hid_camera_has_camera(int product_id) { return product_in(kHidCameraCameraProducts, product_id); }
constexpr bool hid_camera_replug_box(int product_id) { return !product_in(kHidCameraGroupQProducts, product_id); }
constexpr bool hid_camera_switches_itself_off(int product_id)
{
    return product_in(kHidCameraSelfOffProducts, product_id);
}
constexpr bool hid_camera_loader_without_readiness(int product_id)
{
    return product_in(kHidCameraGroupRProducts, product_id);
}

} // namespace kivo
