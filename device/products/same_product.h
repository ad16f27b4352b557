#pragma once
// Products found under another id than the one selected: a connected device that identifies itself
// as `found` is the selected `selected`. The pairs are one way.

#include <array>

namespace kivo {

struct FoundAsSelected {
    int found;
    int selected;
};

inline constexpr std::array<FoundAsSelected, 14> kFoundAsSelected{{
    {0x4D35, 0x4D05},
    {0x4D55, 0x4D05},
    {0x4D45, 0x4D15},
    {0x4D65, 0x4D15},
    {0x4D30, 0x4D10},
    {0x4D40, 0x4D10},
    {0x5050, 0x5040},
    {0x5060, 0x5010},
    {0x5061, 0x5010},
    {0x5070, 0x5020},
    {0x5080, 0x5030},
    // These three report their chip's id, not the id they show on the bus.
    {0x6020, 0x6021},
    {0x6022, 0x6023},
    {0x6024, 0x6025},
}};

// The bus ids of the products whose chip reports another id: selectable, but not in the catalogue
// of product names (the chip's id is).
inline constexpr std::array kBusOnlyProductIds = {0x6021, 0x6023, 0x6025};

// Whether a connected device that identifies itself as product_id is the selected device_target:
// the same id, or a product found under another id than the one selected.
constexpr bool is_device_target_same_as(int device_target, int product_id)
{
    if (product_id == device_target)
        return true;
    for (const FoundAsSelected& pair : kFoundAsSelected)
        if (pair.found == product_id && pair.selected == device_target)
            return true;
    return false;
}

} // namespace kivo
