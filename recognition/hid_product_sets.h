#pragma once
// The product-id sets that decide how a device found over HID is identified: whether it must say
// it is ready, which reads tell its name and version, and which ones carry a module of their own.

#include <array>

#include "device/product_sets.h"

namespace kivo {

// Readiness (COMMAND_READY_STATE, answer byte 3): these are ready when the value is not 0 ...
inline constexpr std::array kReadyWhenNonZeroProducts = {0x4D06, 0x4D16, 0x4D76, 0x4D86};
// ... these when it is 0; every other product is not asked.
inline constexpr std::array kReadyWhenZeroProducts = {
    0x3052, 0x3072, 0x3082, 0x3085, 0x321B, 0x3340, 0x3341, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400, 0x3410, 0x3420,
    0x3430, 0x3701, 0x4023, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451, 0x5552, 0x5553, 0x5590, 0x5591,
    0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5630, 0x5632, 0x6038, 0x6039, 0x6042, 0x6900, 0x6910};
// Of the ready-when-zero products, these two are not asked whether they show the FM radio.
inline constexpr std::array kNoFmQueryProducts = {0x5630, 0x5632};

// Headsets whose mesh-intercom module is read through its own update-mode interface.
inline constexpr std::array kMeshModuleProducts = {0x5552, 0x5553, 0x5630, 0x5632};

// The OEM headsets: name and version from records of their own, and a module of their own.
inline constexpr std::array kOemHeadsetProducts = {0x3142, 0x3143};
// Products that take their version from the name request (with their language pack).
inline constexpr std::array kVersionWithNameRecordProducts = {0x3340, 0x3341, 0x3342, 0x3343, 0x3420, 0x3430};

// The four families that speak the 62-byte report protocol (name, version, language pack and
// address over it; the last three read their settings over it too).
inline constexpr std::array kProtocolBSettingsProducts = {0x6800, 0x6804, 0x6805, 0x6808, 0x6810, 0x6811, 0x6812,
                                                          0x6815, 0x6817, 0x6821, 0x6822, 0x6825, 0x683A};
inline constexpr std::array kProtocolBNoSpeedDialProducts = {0x6801, 0x6802, 0x6803, 0x6814, 0x6816, 0x6824, 0x6831};
inline constexpr std::array kProtocolBFmBlockProducts = {0x6806};
inline constexpr std::array kProtocolBBasicWordProducts = {0x6829, 0x6841, 0x6845, 0x6846, 0x6847, 0x6848};

// Products of those families that have no default name: a failed name read leaves them nameless.
inline constexpr std::array kNoDefaultNameProducts = {0x6814, 0x6824, 0x6831};

enum class Readiness { NotAsked, ReadyWhenNonZero, ReadyWhenZero };

constexpr Readiness readiness_rule(int product_id)
{
    if (product_in(kReadyWhenNonZeroProducts, product_id))
        return Readiness::ReadyWhenNonZero;
    if (product_in(kReadyWhenZeroProducts, product_id))
        return Readiness::ReadyWhenZero;
    return Readiness::NotAsked;
}

constexpr bool queries_fm_radio(int product_id)
{
    return product_in(kReadyWhenZeroProducts, product_id) && !product_in(kNoFmQueryProducts, product_id);
}

constexpr bool has_mesh_module(int product_id) { return product_in(kMeshModuleProducts, product_id); }
constexpr bool is_oem_headset(int product_id) { return product_in(kOemHeadsetProducts, product_id); }
constexpr bool reads_version_with_name_record(int product_id)
{
    return product_in(kVersionWithNameRecordProducts, product_id);
}

constexpr bool speaks_protocol_b(int product_id)
{
    return product_in(kProtocolBSettingsProducts, product_id) ||
        product_in(kProtocolBNoSpeedDialProducts, product_id) || product_in(kProtocolBFmBlockProducts, product_id) ||
        product_in(kProtocolBBasicWordProducts, product_id);
}

// The products the HID opener takes whose name is read from record 0x3C: all but the OEM headsets
// and the 62-byte-report families.
bool reads_name_record(int product_id);
// Those of them whose version is read on its own (command 0x01 straight after the name).
bool reads_version(int product_id);

} // namespace kivo
