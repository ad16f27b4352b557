#include "device/products/speed_dial_first.h"

#include "device/device_data.h"

namespace kivo {

bool speed_dial_first_below_version(int product_id, int major, int minor)
{
    for (const SpeedDialFirstBelow& row : kSpeedDialFirstBelow)
        if (product_in(row.products, product_id))
            return KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(major, minor, row.major,
                                                                                               row.minor) < 0;
    return false;
}

bool settings_open_on_speed_dial(int product_id, int major, int minor)
{
    return product_in(kSpeedDialOnlyProducts, product_id) || speed_dial_first_below_version(product_id, major, minor);
}

bool update_next_opens_speed_dial(int product_id, int major, int minor)
{
    return product_in(kSpeedDialOnlyRemotes, product_id) || speed_dial_first_below_version(product_id, major, minor);
}

} // namespace kivo
