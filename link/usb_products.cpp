#include "link/usb_products.h"

#include <algorithm>

namespace {

constexpr std::array<uint16_t, kUsbNormalProductCount> kNormalProducts = {
    0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x6000, 0x4D21, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121,
    0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x6420, 0x6470, 0x6460, 0x6480, 0x6490, 0x6440, 0x6450,
    0x6430, 0x4D85, 0x4020, 0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010, 0x5010,
    0x5060, 0x5061, 0x5011, 0x5020, 0x5070, 0x5030, 0x5080, 0x4D75, 0x5040, 0x5050, 0x4110, 0x4113, 0x4111,
    0x4112, 0x5210, 0x5310, 0x3010, 0x3020, 0x4120, 0x6021, 0x6023, 0x6025,
};

// Products whose management-mode id is not simply the normal id with bit 15 set, and the ids their
// chips report for themselves.
struct OddPair {
    uint16_t normal;
    uint16_t management;
    uint16_t chip_reported;
};
constexpr std::array<OddPair, 3> kOddPairs = {{
    {0x6021, 0xE020, 0x6020},
    {0x6023, 0xE022, 0x6022},
    {0x6025, 0xE024, 0x6024},
}};

constexpr std::array<uint16_t, 40> kProbeProducts = {
    0x3010, 0x3020, 0x4010, 0x4020, 0x4021, 0x4030, 0x4040, 0x4110, 0x4113, 0x4120, 0x4D05, 0x4D10, 0x4D15, 0x4D20,
    0x4D21, 0x4D30, 0x4D35, 0x4D40, 0x4D45, 0x4D50, 0x4D55, 0x4D65, 0x4D75, 0x4D85, 0x5010, 0x5020, 0x5030, 0x5040,
    0x5050, 0x5060, 0x5061, 0x5070, 0x5080, 0x5210, 0x5310, 0x6420, 0x6430, 0x6440, 0x6450, 0x6470,
};

constexpr uint16_t management_id(uint16_t normal)
{
    for (const OddPair& pair : kOddPairs)
        if (pair.normal == normal)
            return pair.management;
    return static_cast<uint16_t>(normal | MANAGEMENT_MODE_BIT);
}

constexpr std::array<UsbProductEntry, 2 * kUsbNormalProductCount> make_table()
{
    std::array<UsbProductEntry, 2 * kUsbNormalProductCount> table{};
    for (size_t i = 0; i < kUsbNormalProductCount; ++i) {
        table[i] = {DEVICE_VENDOR_ID, kNormalProducts[i]};
        table[kUsbNormalProductCount + i] = {DEVICE_VENDOR_ID, management_id(kNormalProducts[i])};
    }
    return table;
}

template <size_t N> bool contains(const std::array<uint16_t, N>& ids, uint32_t id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

const std::array<UsbProductEntry, 2 * kUsbNormalProductCount> UsbProductTable = make_table();

bool usb_product_table_contains(uint16_t vendor_id, uint16_t product_id)
{
    return std::any_of(UsbProductTable.begin(), UsbProductTable.end(), [&](const UsbProductEntry& e) {
        return e.vendor_id == vendor_id && e.product_id == product_id;
    });
}

std::optional<UsbProductPair> usb_product_pair(uint32_t product_id)
{
    for (size_t i = 0; i < kUsbNormalProductCount; ++i) {
        const uint16_t normal = UsbProductTable[i].product_id;
        const uint16_t management = UsbProductTable[kUsbNormalProductCount + i].product_id;
        if (product_id == normal || product_id == management)
            return UsbProductPair{normal, management};
    }
    return std::nullopt;
}

bool usb_management_probe_product(uint32_t product_id)
{
    return product_id <= 0xFFFF && contains(kProbeProducts, product_id & ~MANAGEMENT_MODE_BIT);
}

bool bccmd_known_product(uint32_t product_id)
{
    for (const OddPair& pair : kOddPairs) {
        if (product_id == pair.chip_reported)
            return true;
        if (product_id == pair.normal)
            return false;
    }
    return contains(kNormalProducts, product_id);
}
