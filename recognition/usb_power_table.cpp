#include "recognition/usb_power_table.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "device/products/product_set.h"
#include "device/products/usb_power_tables.h"
#include "link/bccmd.h"

namespace kivo {
namespace {

using namespace usb_power;

constexpr uint16_t kKey23 = 23, kKey33 = 33, kKey45 = 45, kKey49 = 49, kKey502 = 502, kKey521 = 521, kKey578 = 578;

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
