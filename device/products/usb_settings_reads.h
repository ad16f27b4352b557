#pragma once
// Which settings an older plain-USB headset keeps in its persistent store, by the product id its
// chip reports and its firmware version: the bits of its basic settings word it reads, whether it
// has speed dials, and the chips with an FM block or radio gain. The first row that lists a chip
// decides; a chip in no row has none of these settings.

#include <array>
#include <cstdint>
#include <vector>

namespace kivo::usb_settings {

constexpr uint16_t bit(int n) { return static_cast<uint16_t>(1u << n); }
constexpr uint16_t bits(int first, int last)
{
    uint16_t mask = 0;
    for (int n = first; n <= last; ++n)
        mask |= bit(n);
    return mask;
}

struct Version {
    int major = 0;
    int minor = 0;
};

// The bits a product takes from the device's firmware on.
struct BitsFrom {
    Version from;
    uint16_t bits;
};

enum class SpeedDials { None, Always, AboveVersion };

struct SettingsReadRow {
    std::vector<int> chips;
    std::vector<BitsFrom> bits; // the last step the firmware has reached holds
    SpeedDials speedDials = SpeedDials::None;
    Version dialsAbove{};
    // Below this firmware the basic settings word is not read: the VOX settings have keys of their
    // own (0.0: never).
    Version voxKeysBelow{};
};

inline const std::vector<SettingsReadRow>& settings_read_rows()
{
    static const std::vector<SettingsReadRow> rows = {
        {{0x4D10, 0x4D20, 0x4D30, 0x4D40, 0x4D50, 0x5010, 0x5020, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5070,
          0x5080},
         {{{4, 0}, bits(0, 6)}, {{5, 0}, bits(0, 6) | bit(8)}},
         SpeedDials::AboveVersion,
         {4, 2},
         {4, 0}},
        {{0x2020}, {{{0, 0}, bits(0, 6) | bit(8)}, {{1, 1}, bits(0, 6) | bit(8) | bit(9)}}, SpeedDials::Always},
        {{0x4040}, {{{0, 0}, bits(0, 6) | bit(8) | bit(9)}}, SpeedDials::None},
        {{0x4D21}, {{{0, 0}, bit(8)}}, SpeedDials::Always},
        {{0x4D75, 0x5011}, {{{0, 0}, bits(0, 6) | bit(8)}}, SpeedDials::Always},
        {{0x6000}, {{{0, 0}, bit(0) | bits(2, 6) | bit(8)}}, SpeedDials::Always},
        {{0x6110, 0x6111, 0x6120, 0x6121}, {{{0, 0}, bits(2, 6) | bit(8) | bit(9)}}, SpeedDials::Always},
        {{0x4110, 0x4111, 0x4112, 0x4113}, {{{0, 0}, bits(0, 6)}}, SpeedDials::Always},
        {{0x4120}, {{{0, 0}, bits(0, 6) | bit(8) | bit(9) | bit(10)}}, SpeedDials::Always},
        {{0x6420, 0x6440, 0x6450, 0x6460, 0x6470, 0x6480, 0x6490},
         {{{0, 0}, bit(0) | bit(2) | bit(3)}},
         SpeedDials::Always},
        {{0x6430}, {{{0, 0}, bit(0)}}, SpeedDials::Always},
        {{0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030},
         {{{0, 0}, bits(0, 5)}},
         SpeedDials::None},
        {{0x4021}, {{{0, 0}, bit(0)}}, SpeedDials::None},
        {{0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65},
         {{{0, 0}, bits(0, 5)}, {{2, 0}, bits(0, 5) | bit(8)}},
         SpeedDials::AboveVersion,
         {1, 2}},
        {{0x4D85}, {{{0, 0}, bits(0, 5) | bit(8)}}, SpeedDials::Always},
    };
    return rows;
}

// Chips with an FM radio block, and the one that keeps radio gain and channel timeout instead.
inline constexpr std::array kFmBlockChips = {0x5040, 0x5050, 0x4D15, 0x4D45, 0x4D65, 0x4D85};
inline constexpr std::array kRadioGainChips = {0x5210};

// The one chip whose sidetone is on when its basic settings word cannot be read.
inline constexpr int kSidetoneWhenUnreadChip = 0x4D21;

} // namespace kivo::usb_settings
