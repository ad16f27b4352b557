// The identity reads on top of the persistent-store primitives: product id (with the device-name
// fallback) and firmware version (with per-product defaults).

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "link/bccmd.h"
#include "link/usb_products.h"

namespace {

constexpr uint16_t kKeyProductId = 0x02A3;
constexpr uint16_t kKeyFirmwareVersion = 0x02A4;
constexpr uint16_t kKeyOldFirmwareVersion = 0x0293;

constexpr uint32_t kLumoraProduct = 0x3020;
constexpr std::array<uint32_t, 3> kOldVersionKeyProducts = {0x4D10, 0x4D30, 0x4D40};

// Names that identify a chip whose product-id key does not.
struct NamedProduct {
    const char* name_part;
    int product_id;
};
constexpr std::array<NamedProduct, 2> kNamedProducts = {{{"Aldero", 0x4D10}, {"Elmora", 0x5010}}};

// Versions (in tenths) of products whose firmware-version key holds none.
struct DefaultVersion {
    uint32_t version;
    std::initializer_list<uint16_t> products;
};
const std::array<DefaultVersion, 10> kDefaultVersions = {{
    {10, {0x2010, 0x2020, 0x2110, 0x2120, 0x2310, 0x3010, 0x4010, 0x4020, 0x4030, 0x4040, 0x4110, 0x4111,
          0x4112, 0x4113, 0x4120, 0x4D05, 0x4D21, 0x4D75, 0x4D85, 0x5011, 0x5210, 0x5310, 0x6000, 0x6110,
          0x6111, 0x6120, 0x6121, 0x6420, 0x6430, 0x6440, 0x6450, 0x6460, 0x6470, 0x6480, 0x6490}},
    {11, {0x4021}},
    {12, {0x2011, 0x2210, 0x4D15, 0x4D35, 0x4D45}},
    {20, {0x4D55, 0x4D65}},
    {32, {0x5010}},
    {33, {0x5020}},
    {41, {0x5030}},
    {42, {0x4D20, 0x5040, 0x5050, 0x5060, 0x5070, 0x5080}},
    {50, {0x4D50}},
    {52, {0x5061}},
}};

// When key 0x0293 is there but not 4 bytes long.
uint32_t old_key_fallback(uint32_t product_id)
{
    switch (product_id) {
    case 0x4D30: return 42;
    case 0x4D40: return 50;
    default: return 30;
    }
}

std::optional<uint32_t> default_version(uint32_t product_id)
{
    for (const DefaultVersion& row : kDefaultVersions)
        for (uint16_t id : row.products)
            if (id == product_id)
                return row.version;
    return std::nullopt;
}

bool reads_old_version_key(uint32_t product_id)
{
    for (uint32_t id : kOldVersionKeyProducts)
        if (id == product_id)
            return true;
    return false;
}

// Key 0x0293: one 32-bit value, stored as two 16-bit words, low word first.
struct OldVersionKey {
    int length = 0;
    uint32_t value = 0;
};

OldVersionKey read_old_version_key()
{
    std::array<uint8_t, kPsKeyBufferSize> b{};
    OldVersionKey key;
    key.length = bccmd_read_pskey(kKeyOldFirmwareVersion, b);
    if (key.length == 4)
        key.value = static_cast<uint32_t>(b[0] | (b[1] << 8)) | (static_cast<uint32_t>(b[2] | (b[3] << 8)) << 16);
    return key;
}

// Old firmware kept its version in key 0x0293 with small values; such a device gets key 0x02A4
// cleared.
bool old_key_needs_clearing(uint32_t value) { return static_cast<uint16_t>(value - 4) < 28; }

int clear_firmware_version_key()
{
    const std::array<uint16_t, 2> zeros{};
    return bccmd_set_pskey(kKeyFirmwareVersion, zeros);
}

int report(uint32_t version, uint32_t& major, uint32_t& minor)
{
    const uint32_t tenths = version & 0xFFFF;
    major = tenths / 10;
    minor = tenths % 10;
    return 0;
}

} // namespace

int bccmd_read_product_id()
{
    std::array<uint8_t, kPsKeyBufferSize> key{};
    const int n = bccmd_read_pskey(kKeyProductId, key);
    int fallback = 0;
    if (n == 2) {
        const int id = key[0] | (key[1] << 8);
        if (bccmd_known_product(static_cast<uint32_t>(id)))
            return id;
        fallback = -2;
    } else if (n != 0) {
        fallback = -1;
    }

    std::array<uint8_t, 256> name{};
    const int length = bccmd_read_device_name(name);
    if (length <= 0)
        return fallback;
    const std::string_view text(reinterpret_cast<const char*>(name.data()),
                                strnlen(reinterpret_cast<const char*>(name.data()), static_cast<size_t>(length)));
    for (const NamedProduct& named : kNamedProducts)
        if (text.find(named.name_part) != std::string_view::npos)
            return named.product_id;
    return fallback;
}

int bccmd_read_firmware_version(uint32_t product_id, uint32_t& major, uint32_t& minor, uint32_t& third,
                                uint32_t& fourth)
{
    major = minor = third = fourth = 0;
    std::array<uint8_t, kPsKeyBufferSize> b{};
    const bool found = bccmd_read_pskey(kKeyFirmwareVersion, b) == 4;

    if (found && product_id == kLumoraProduct) {
        major = b[3];
        minor = b[2];
        third = b[1];
        fourth = b[0];
        return 0;
    }
    if (found) {
        const uint32_t version = static_cast<uint32_t>(b[0] | (b[1] << 8));
        third = b[3];
        fourth = b[2];
        if (reads_old_version_key(product_id)) {
            const OldVersionKey old = read_old_version_key();
            if (old.length == 4) {
                third = 0;
                fourth = 0;
                if (old_key_needs_clearing(old.value) && (version & 0xFFFF) != 32 && clear_firmware_version_key() == 0)
                    return report(old.value, major, minor);
            }
        }
        if (version != 0)
            return report(version, major, minor);
    } else if (product_id == kLumoraProduct) {
        major = 1;
        minor = 0;
        third = 1;
        fourth = 0;
        return 1;
    }

    // Defaults: key 0x02A4 gave no version.
    if (reads_old_version_key(product_id)) {
        const OldVersionKey old = read_old_version_key();
        if (old.length == 0)
            return report(30, major, minor);
        if (old.length != 4)
            return report(old_key_fallback(product_id), major, minor);
        if (old_key_needs_clearing(old.value)) {
            clear_firmware_version_key(); // best effort: the version stands either way
            return report(old.value, major, minor);
        }
        return old.value != 0 ? report(old.value, major, minor) : 1;
    }
    if (const std::optional<uint32_t> version = default_version(product_id))
        return report(*version, major, minor);
    return 1;
}
