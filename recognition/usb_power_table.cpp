#include "recognition/usb_power_table.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "device/products/product_set.h"
#include "link/bccmd.h"

namespace kivo {
namespace {

// Key-49 tables, as the bytes go out: each word is four hexadecimal digits, low byte first.
constexpr std::string_view kKey49A = "0B00 0000 1100 0000 0000 1600 0000 1100 0000 0800 2700 0000 1600 0000 1000";
constexpr std::string_view kKey49B = "0B00 0000 1100 0000 0000 1200 0000 1100 0000 0400 1900 0000 1600 0000 0800";
constexpr std::string_view kKey49C = "1600 0050 1900 0050 FC00 1E00 0050 2000 0050 0000 1C00 0040 1E00 0040 0400 "
                                     "1D00 0030 1F00 0030 0800 1F00 0020 2100 0020 0C00 2000 0000 2200 0000 1000";
constexpr std::string_view kKey49D = "0500 0000 0600 0000 FA00 0A00 0000 0A00 0000 FE00 0F00 0000 1100 0000 0200 "
                                     "1500 0000 1700 0000 0600 1C00 0000 1E00 0000 0A00";
constexpr std::string_view kKey49E =
    "0F00 0000 1100 0000 0200 1500 0000 1700 0000 0600 1C00 0000 1E00 0000 0A00 0000 2200 0000 1000";
// Units at or below their address threshold (products 0x4D35 and 0x4D55).
constexpr std::string_view kKey49L = "2A00 0050 3100 0050 FC00 2700 0040 2E00 0040 0000 2800 0030 2E00 0030 0400 "
                                     "2B00 0020 3100 0020 0800 2E00 0010 3600 0010 0C00 3800 0000 3A00 0000 1000";

constexpr uint16_t kKey23 = 23, kKey33 = 33, kKey45 = 45, kKey49 = 49, kKey502 = 502, kKey521 = 521, kKey578 = 578;

// The one-word keys hold plain words; an empty entry is not written.
struct PowerTableGroup {
    std::array<int, 5> targets; // 0 pads a shorter list
    std::optional<uint16_t> key23, key33, key45;
    std::string_view key49;
    std::optional<uint16_t> key502, key521, key578;
};

constexpr std::nullopt_t kNotWritten = std::nullopt;

constexpr std::array<PowerTableGroup, 5> kPowerTableGroups = {{
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

constexpr std::array<AddressThreshold, 7> kAddressThresholds = {{
    {{0x4D05, 0x4D35, 0x4D55}, 0x2DD49E},
    {{0x4D15, 0x4D65, 0x4D45, 0x5040, 0x5050}, 0x2DE43E},
    {{0x4D85}, 0x2E037E},
    {{0x4D10, 0x4D30, 0x4D40}, 0x2C9BD1},
    {{0x4D20, 0x4D50}, 0x2CAF59},
    {{0x6110}, 0x34FD7D},
    {{0x6120}, 0x358E08},
}};

constexpr std::array kLowAddressTableChips = {0x4D35, 0x4D55};

bool has_target(const std::array<int, 5>& targets, int device_target)
{
    return device_target != 0 && product_in(targets, device_target);
}

std::vector<uint16_t> words_from_payload_bytes(std::string_view tokens)
{
    std::vector<uint16_t> words;
    for (size_t at = 0; at + 4 <= tokens.size(); at += 5) {
        unsigned low = 0, high = 0;
        std::from_chars(tokens.data() + at, tokens.data() + at + 2, low, 16);
        std::from_chars(tokens.data() + at + 2, tokens.data() + at + 4, high, 16);
        words.push_back(static_cast<uint16_t>(low | (high << 8)));
    }
    return words;
}

void write_word(uint16_t key, std::optional<uint16_t> word)
{
    if (word)
        bccmd_set_pskey(key, std::span<const uint16_t>(&*word, 1));
}

void write_table(uint16_t key, std::string_view tokens)
{
    const std::vector<uint16_t> words = words_from_payload_bytes(tokens);
    bccmd_set_pskey(key, words);
}

} // namespace

bool changePSKeyPowerTableWith(int device_target, std::string_view last_six_address)
{
    for (const AddressThreshold& row : kAddressThresholds) {
        if (!has_target(row.targets, device_target))
            continue;
        if (last_six_address.size() < 6)
            return false;
        uint32_t lap = 0;
        const auto [end, error] = std::from_chars(last_six_address.data(), last_six_address.data() + 6, lap, 16);
        if (error != std::errc{} || end != last_six_address.data() + 6)
            return false;
        return lap > row.threshold;
    }
    return false;
}

void write_power_table(int device_target)
{
    for (const PowerTableGroup& group : kPowerTableGroups) {
        if (!has_target(group.targets, device_target))
            continue;
        write_word(kKey23, group.key23);
        write_word(kKey33, group.key33);
        write_word(kKey45, group.key45);
        write_table(kKey49, group.key49);
        write_word(kKey502, group.key502);
        write_word(kKey521, group.key521);
        write_word(kKey578, group.key578);
        return;
    }
}

bool takes_low_address_power_table(int chip_product_id) { return product_in(kLowAddressTableChips, chip_product_id); }

void write_low_address_power_table() { write_table(kKey49, kKey49L); }

} // namespace kivo
