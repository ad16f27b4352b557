#include "device/products/without_settings_pages.h"

#include "device/device_data.h"

namespace kivo {

bool settings_excluded(int product_id, int major, int minor)
{
    if (product_in(kWithoutSettingsProducts, product_id))
        return true;
    for (const WithoutSettingsBelow& row : kWithoutSettingsBelow)
        if (row.product == product_id)
            return KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(major, minor, row.major,
                                                                                               row.minor) < 0;
    return false;
}

} // namespace kivo
