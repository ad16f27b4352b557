#pragma once
// The radio power tables of the older plain-USB headsets, by device target: the keys each group
// of targets is written, the address threshold above which a unit takes its group's table, and
// the chips that take a table of their own at or below it. The first row that lists a target
// decides.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kivo::usb_power {

// Key-49 tables, as the bytes go out: each word is four hexadecimal digits, low byte first.
inline constexpr std::string_view kKey49A =
    "0B00 0000 1100 0000 0000 1600 0000 1100 0000 0800 2700 0000 1600 0000 1000";
inline constexpr std::string_view kKey49B =
    "0B00 0000 1100 0000 0000 1200 0000 1100 0000 0400 1900 0000 1600 0000 0800";
inline constexpr std::string_view kKey49C =
    "1600 0050 1900 0050 FC00 1E00 0050 2000 0050 0000 1C00 0040 1E00 0040 0400 "
    "1D00 0030 1F00 0030 0800 1F00 0020 2100 0020 0C00 2000 0000 2200 0000 1000";
inline constexpr std::string_view kKey49D =
    "0500 0000 0600 0000 FA00 0A00 0000 0A00 0000 FE00 0F00 0000 1100 0000 0200 "
    "1500 0000 1700 0000 0600 1C00 0000 1E00 0000 0A00";
inline constexpr std::string_view kKey49E =
    "0F00 0000 1100 0000 0200 1500 0000 1700 0000 0600 1C00 0000 1E00 0000 0A00 0000 2200 0000 1000";
// Units at or below their address threshold (products 0x4D35 and 0x4D55).
inline constexpr std::string_view kKey49L =
    "2A00 0050 3100 0050 FC00 2700 0040 2E00 0040 0000 2800 0030 2E00 0030 0400 "
    "2B00 0020 3100 0020 0800 2E00 0010 3600 0010 0C00 3800 0000 3A00 0000 1000";

// The one-word keys hold plain words; an empty entry is not written.
struct PowerTableGroup {
    std::array<int, 5> targets; // 0 pads a shorter list
    std::optional<uint16_t> key23, key33, key45;
    std::string_view key49;
    std::optional<uint16_t> key502, key521, key578;
};

inline constexpr std::nullopt_t kNotWritten = std::nullopt;

inline constexpr std::array<PowerTableGroup, 5> kPowerTableGroups = {{
    {{0x4D15, 0x4D45, 0x4D65, 0x5040, 0x5050},
     0x0010,
     0x0008,
     kNotWritten,
     kKey49A,
     kNotWritten,
     kNotWritten,
     kNotWritten},
    {{0x4D05, 0x4D35, 0x4D55, 0x4D85}, 0x0008, 0x0008, 0x0008, kKey49B, 0x0027, 0x0001, 0x0000},
    {{0x4D10, 0x4D20, 0x4D30, 0x4D40, 0x4D50}, 0x0010, 0x000C, 0x0010, kKey49C, 0x0027, 0x0001, 0x0000},
    {{0x6110}, 0x000A, 0x000A, 0x0010, kKey49D, 0x0027, 0x0001, 0x0000},
    {{0x6120}, 0x000A, 0x000A, 0x000A, kKey49E, 0x0027, 0x0001, 0x0000},
}};

// The last address (LAP) of the units that keep the older table.
struct AddressThreshold {
    std::array<int, 5> targets;
    uint32_t threshold;
};

inline constexpr std::array<AddressThreshold, 7> kAddressThresholds = {{
    {{0x4D05, 0x4D35, 0x4D55}, 0x2DD49E},
    {{0x4D15, 0x4D65, 0x4D45, 0x5040, 0x5050}, 0x2DE43E},
    {{0x4D85}, 0x2E037E},
    {{0x4D10, 0x4D30, 0x4D40}, 0x2C9BD1},
    {{0x4D20, 0x4D50}, 0x2CAF59},
    {{0x6110}, 0x34FD7D},
    {{0x6120}, 0x358E08},
}};

inline constexpr std::array kLowAddressTableChips = {0x4D35, 0x4D55};

} // namespace kivo::usb_power
