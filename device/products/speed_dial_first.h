#pragma once
// Devices whose settings open on the speed-dial page: those with no other settings page, and a few
// while their firmware is below a version. The settings tabs follow the same rule.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kSpeedDialOnlyProducts = {0x4111, 0x4112, 0x6600, 0x6610, 0x6700};
// Of those, the remotes: the update page's Next takes only these straight to the speed-dial page.
inline constexpr std::array kSpeedDialOnlyRemotes = {0x4111, 0x4112};

inline constexpr std::array kSpeedDialFirstBelow2_1Products = {0x6460, 0x6461};
inline constexpr std::array kSpeedDialFirstBelow1_1Products = {0x6480, 0x6481, 0x6490, 0x6491, 0x6620};

struct SpeedDialFirstBelow {
    std::span<const int> products;
    int major;
    int minor;
};

inline constexpr std::array<SpeedDialFirstBelow, 2> kSpeedDialFirstBelow{{
    {kSpeedDialFirstBelow2_1Products, 2, 1},
    {kSpeedDialFirstBelow1_1Products, 1, 1},
}};

// One of the products that open the speed-dial page first below a version, at firmware major.minor
// below it.
bool speed_dial_first_below_version(int product_id, int major, int minor);

// The settings button opens the speed-dial page (else the settings page).
bool settings_open_on_speed_dial(int product_id, int major, int minor);
// The update page's Next opens the speed-dial page (else the settings page).
bool update_next_opens_speed_dial(int product_id, int major, int minor);

} // namespace kivo
