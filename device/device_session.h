#pragma once
// What the application knows of the selected device besides its record.

#include "common/management_mode.h"

namespace kivo {

// A recognition's usbStatus records the management mode as a value at or above the bit; a status
// of -1 (nothing opened) counts as below, so the comparison is signed.
constexpr bool usb_status_in_management_mode(int usb_status)
{
    return usb_status >= static_cast<int>(MANAGEMENT_MODE_BIT);
}

} // namespace kivo
