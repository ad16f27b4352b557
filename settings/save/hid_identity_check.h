#pragma once
// Making sure that the device a save is about to write over HID is the one recognition read: it
// opens, shows the recognized product id, says it is ready where its family is asked, and runs
// the firmware the record holds where its family is asked. The settings, FM radio and speed-dial
// saves share these checks and turn the answer into codes of their own.

#include <vector>

#include "device/device_data.h"
#include "device/products/settings_save_families.h"
#include "link/hid_discovery.h"

namespace kivo::settings {

// Which of the record's three firmware versions a slot's answer must equal.
enum class RecordVersion { Device, FirstModule, SecondModule };

struct SlotVersionCheck {
    int slot = 0;
    RecordVersion version = RecordVersion::Device;
};

struct HidIdentityCheck {
    bool closesFirst = false; // both slots closed once more before the open
    bool asksReadiness = false; // on slot 0; ready is 0
    std::vector<SlotVersionCheck> versions; // asked in this order
};

// The checks of a family (the readiness question of F4 depends on the product).
HidIdentityCheck hid_identity_check_of(SettingsSaveFamily family, int product_id);

enum class HidIdentity {
    Confirmed,
    NotRecognized, // it does not open, shows another product id, or runs another firmware
    NotReady, // the readiness exchange failed or the answer was not 0
};

// Opens the device with the opener, one attempt, and runs the checks. What was opened stays open
// for the writes that follow; the caller closes it.
HidIdentity confirm_hid_device(const HidIdentityCheck& check, const HidOpener& opener, int usb_status,
                               const KIVOBluetoothDeviceData& data);

} // namespace kivo::settings
