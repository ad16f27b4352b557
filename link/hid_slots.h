#pragma once
// The two process-wide HID handles. Openers fill them, hid_close_devices empties them; the link is
// used by one worker at a time, so they carry no lock.

#include <hidapi.h>

inline constexpr int kHidSlotCount = 2;

// The handle in slot, or nullptr when the slot is empty or not a slot.
hid_device* hid_slot(int slot);
// Stores handle in slot (which must be 0 or 1).
void hid_set_slot(int slot, hid_device* handle);
