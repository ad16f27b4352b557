#pragma once
// Which transfer path a firmware update or restore takes: one member per device family. The first
// row that lists a product decides; every other product is updated over USB DFU.

#include "device/products/product_set.h"

namespace kivo {

enum class UpdateFamilyPath {
    Hid4210,
    KelporIntermediate,
    QccBtVp,
    QccBtOnly,
    Airoha6A,
    Airoha68,
    MeshAirohaQccVp,
    MeshAirohaQcc,
    MeshQcc65,
    MeshThenBt32,
    CameraMeshBt,
    MeshBt31,
    HidDual43,
    HidCamera,
    DownloadMode60,
    DfuAfterDownloadMode,
    UsbDfu,
};

inline constexpr std::array kHid4210PathProducts = {0x4210};
inline constexpr std::array kKelporIntermediatePathProducts = {0x3340, 0x3341, 0x3420, 0x3430};
inline constexpr std::array kQccBtVpPathProducts = {0x6042, 0x3342, 0x3343, 0x5597};
inline constexpr std::array kQccBtOnlyPathProducts = {
    0x4D16, 0x5590, 0x321B, 0x3085, 0x3052, 0x3072, 0x3082, 0x6038, 0x6039, 0x3350, 0x3360, 0x3370, 0x3410, 0x6900,
    0x6910, 0x5440, 0x5441, 0x5451, 0x5442, 0x5443, 0x5444, 0x5445, 0x3400, 0x5595, 0x5596, 0x3380, 0x3701, 0x5591,
    0x5592, 0x5593, 0x5594, 0x4023, 0x6461, 0x6481, 0x6700, 0x6491, 0x6620, 0x6600, 0x6610, 0x4D06, 0x4D76, 0x4D86};
inline constexpr std::array kAiroha6APathProducts = {0x6A04, 0x6A01, 0x6A02, 0x6A03};
inline constexpr std::array kAiroha68PathProducts = {0x6800, 0x683A, 0x6846, 0x6848, 0x6847, 0x6841, 0x6845, 0x6829,
                                                     0x6821, 0x6825, 0x6804, 0x6815, 0x6822, 0x6810, 0x6806, 0x6808,
                                                     0x6811, 0x6805, 0x6817, 0x6812, 0x6801, 0x6816, 0x6802, 0x6814,
                                                     0x6831, 0x6824, 0x6828, 0x6838, 0x6840, 0x6839, 0x6803};
inline constexpr std::array kMeshAirohaQccVpPathProducts = {0x5632, 0x5630};
inline constexpr std::array kMeshAirohaQccPathProducts = {0x5552, 0x5553};
// The family also holds 0x5552, 0x5553, 0x5630 and 0x5632; the two rows above take them first.
inline constexpr std::array kMeshQcc65PathProducts = {0x6510, 0x6500, 0x3161, 0x3150};
inline constexpr std::array kMeshThenBt32PathProducts = {0x3210, 0x3218, 0x3223, 0x321C, 0x3214, 0x3217, 0x3212,
                                                         0x3216, 0x321A, 0x3219, 0x3213, 0x3215, 0x3211};
inline constexpr std::array kCameraMeshBtPathProducts = {0x3132, 0x3260, 0x3264, 0x3232, 0x3233, 0x3240, 0x3156,
                                                         0x3148, 0x3154, 0x3320, 0x3170, 0x3900, 0x3134};
inline constexpr std::array kMeshBt31PathProducts = {0x3110, 0x3146, 0x3140, 0x3116, 0x3118, 0x3136, 0x3800,
                                                     0x3142, 0x3143, 0x3124, 0x3144, 0x3152, 0x3126, 0x3128,
                                                     0x3112, 0x3114, 0x3500, 0x3550, 0x3560, 0x3570, 0x3540};
inline constexpr std::array kHidDual43PathProducts = {0x4310, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410};
inline constexpr std::array kHidCameraPathProducts = {
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x5576, 0x5520, 0x6112, 0x6114,
    0x5534, 0x5538, 0x3300, 0x5424, 0x5434, 0x321D, 0x5430, 0x5432, 0x5428, 0x5426, 0x3070, 0x3080,
    0x3310, 0x3330, 0x6310, 0x6320, 0x6335, 0x6330, 0x5564, 0x4050, 0x5530, 0x5532, 0x5550, 0x5710,
    0x5623, 0x5622, 0x5624, 0x5524, 0x5560, 0x5562, 0x5536, 0x5522, 0x3030, 0x3032, 0x3050, 0x3060,
    0x3040, 0x6210, 0x6400, 0x5526, 0x5720, 0x5320, 0x5330, 0x5910, 0x5920};
inline constexpr std::array kDownloadMode60PathProducts = {0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026,
                                                           0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x5410,
                                                           0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
inline constexpr std::array kDfuAfterDownloadModePathProducts = {0x6020, 0x6022, 0x6024};

struct UpdatePathRow {
    UpdateFamilyPath path;
    std::span<const int> products;
};

// In the order they are asked; UsbDfu takes the rest.
inline constexpr std::array<UpdatePathRow, 16> kUpdatePathRows{{
    {UpdateFamilyPath::Hid4210, kHid4210PathProducts},
    {UpdateFamilyPath::KelporIntermediate, kKelporIntermediatePathProducts},
    {UpdateFamilyPath::QccBtVp, kQccBtVpPathProducts},
    {UpdateFamilyPath::QccBtOnly, kQccBtOnlyPathProducts},
    {UpdateFamilyPath::Airoha6A, kAiroha6APathProducts},
    {UpdateFamilyPath::Airoha68, kAiroha68PathProducts},
    {UpdateFamilyPath::MeshAirohaQccVp, kMeshAirohaQccVpPathProducts},
    {UpdateFamilyPath::MeshAirohaQcc, kMeshAirohaQccPathProducts},
    {UpdateFamilyPath::MeshQcc65, kMeshQcc65PathProducts},
    {UpdateFamilyPath::MeshThenBt32, kMeshThenBt32PathProducts},
    {UpdateFamilyPath::CameraMeshBt, kCameraMeshBtPathProducts},
    {UpdateFamilyPath::MeshBt31, kMeshBt31PathProducts},
    {UpdateFamilyPath::HidDual43, kHidDual43PathProducts},
    {UpdateFamilyPath::HidCamera, kHidCameraPathProducts},
    {UpdateFamilyPath::DownloadMode60, kDownloadMode60PathProducts},
    {UpdateFamilyPath::DfuAfterDownloadMode, kDfuAfterDownloadModePathProducts},
}};

constexpr UpdateFamilyPath update_family_path(int product_id)
{
    for (const UpdatePathRow& row : kUpdatePathRows)
        if (product_in(row.products, product_id))
            return row.path;
    return UpdateFamilyPath::UsbDfu;
}

} // namespace kivo
