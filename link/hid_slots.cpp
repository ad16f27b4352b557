#include "link/hid_slots.h"

namespace {
hid_device* HidDeviceSlots[kHidSlotCount] = {nullptr, nullptr};
}

hid_device* hid_slot(int slot)
{
    if (slot < 0 || slot >= kHidSlotCount)
        return nullptr;
    return HidDeviceSlots[slot];
}

void hid_set_slot(int slot, hid_device* handle)
{
    if (slot >= 0 && slot < kHidSlotCount)
        HidDeviceSlots[slot] = handle;
}
