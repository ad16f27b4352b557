#pragma once
// The new-update decision at the end of the update page's index read, and the version texts the
// new-update sheet shows. Pure: no Qt, no network.

#include <string>

#include "device/device_data.h"

namespace kivo {

// Whether the latest version the server lists is an update for the device selected as
// device_target, whose record (as the read copied it) is data. For the partner-branded headset it
// writes the trace line of its address.
bool haveNewUpdate(const FirmwareQuad& latest, int device_target, const KIVOBluetoothDeviceData& data);

struct NewUpdateVersionTexts {
    std::string current; // the device's version
    std::string latest; // the server's
};

// "v2.1", "v2.1rc3", "v2.2.3" and the camera's four numbers, by product.
NewUpdateVersionTexts new_update_version_texts(int device_target, const FirmwareQuad& latest,
                                               const KIVOBluetoothDeviceData& data);

} // namespace kivo
