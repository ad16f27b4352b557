#pragma once
// Devices that can take back only a backup made at or after a firmware version: older backups
// hold settings words these devices no longer read the same way.

#include <optional>

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kBackupFrom1_2Products = {0x4D35, 0x4D55};
inline constexpr std::array kBackupFrom4_2Products = {0x4D30, 0x4D40, 0x5060, 0x5061, 0x5070, 0x5080};

struct BackupVersionFloor {
    int major;
    int minor;
};

// The oldest backup version the connected product (its recognized id) takes back; none for any.
constexpr std::optional<BackupVersionFloor> backup_version_floor(int recognized_id)
{
    if (product_in(kBackupFrom1_2Products, recognized_id))
        return BackupVersionFloor{1, 2};
    if (product_in(kBackupFrom4_2Products, recognized_id))
        return BackupVersionFloor{4, 2};
    return std::nullopt;
}

} // namespace kivo
