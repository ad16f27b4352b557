// The choice of the transfer path by product id (the lists themselves are checked by the product
// catalogue test: every id known, no row shadowed by an earlier one).

#include <gtest/gtest.h>

#include "update/engine/family_paths.h"
#include "update/engine/paths/paths.h"

using kivo::UpdateFamilyPath;

TEST(FamilyPaths, FirstListedMemberWinsAndTheRestIsUsbDfu)
{
    struct Case {
        int product;
        UpdateFamilyPath path;
        const char* name;
    };
    for (const Case c : {
             Case{0x5552, UpdateFamilyPath::MeshAirohaQcc, "MeshAirohaQcc"}, // also a MeshQcc65 product
             Case{0x5630, UpdateFamilyPath::MeshAirohaQccVp, "MeshAirohaQccVp"}, // likewise
             Case{0x5590, UpdateFamilyPath::QccBtOnly, "QccBtOnly"},
             Case{0x3161, UpdateFamilyPath::MeshQcc65, "MeshQcc65"},
             Case{0x3210, UpdateFamilyPath::MeshThenBt32, "MeshThenBt32"},
             Case{0x4210, UpdateFamilyPath::Hid4210, "Hid4210"},
             Case{0x3142, UpdateFamilyPath::MeshBt31, "MeshBt31"},
             Case{0x4310, UpdateFamilyPath::HidDual43, "HidDual43"},
             Case{0x5610, UpdateFamilyPath::HidCamera, "HidCamera"},
             Case{0x6010, UpdateFamilyPath::DownloadMode60, "DownloadMode60"},
             Case{0x6020, UpdateFamilyPath::DfuAfterDownloadMode, "DfuAfterDownloadMode"},
             Case{0x4D10, UpdateFamilyPath::UsbDfu, "UsbDfu"},
             Case{0x7777, UpdateFamilyPath::UsbDfu, "UsbDfu"},
         }) {
        EXPECT_EQ(kivo::update_family_path(c.product), c.path) << std::hex << c.product;
        EXPECT_EQ(kivo::transfer_path_for(c.product).name, c.name) << std::hex << c.product;
    }
}

TEST(FamilyPaths, MultiImageQualcommProductsRunTheirBuiltPaths)
{
    for (const int product : {0x3340, 0x3341, 0x3420, 0x3430})
        EXPECT_EQ(&kivo::transfer_path_for(product), &kivo::kKelporIntermediatePath) << std::hex << product;
    for (const int product : {0x6042, 0x3342, 0x3343, 0x5597})
        EXPECT_EQ(&kivo::transfer_path_for(product), &kivo::kQccBtVpPath) << std::hex << product;
}
