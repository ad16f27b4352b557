#pragma once
// The files a camera update uses on the camera's memory card, per camera product: the camera image
// is written under a temporary name, moved to the name the camera takes its firmware from at its
// next switch-on, and the camera's version is read from its version file. Names are relative to the
// card's root.

#include <array>
#include <string_view>

namespace kivo {

struct CameraFiles {
    int productId;
    std::string_view temporaryFile;
    std::string_view firmwareFile;
    std::string_view versionFile;
};

inline constexpr std::array<CameraFiles, 8> kCameraFiles{{
    // The headsets that write their camera image before their own images.
    {0x5510, "__wispen_firmware__.bin", "FWDOLMAK.bin", "Wispen.VER"},
    {0x5580, "__wispen_pro_firmware__.bin", "SD_WispenPRO.bin", "wispenpro.bin"},
    {0x5570, "__wispen_evo_firmware__.bin", "AmbaSysFW_WispenEVO.bin", "MISC/version.conf"},
    {0x5576, "__tembra_firmware__.bin", "AmbaSysFW_TEMBRA.bin", "MISC/version.conf"},
    {0x3060, "__rimble_pro_firmware__.bin", "AmbaSysFW_RimblePro.bin", "MISC/version.conf"},
    // The mesh headsets with a camera.
    {0x3232, "__tarsk_firmware__.bin", "AmbaSysFW_TARSK.bin", "MISC/version.conf"},
    {0x3233, "__tarsk_firmware__.bin", "AmbaSysFW_TARSK.bin", "MISC/version.conf"},
    {0x3240, "__orbex_firmware__.bin", "AmbaSysFW_ORBEX.bin", "MISC/version.conf"},
}};

// The files of a camera product; nullptr for other products.
constexpr const CameraFiles* camera_files(int product_id)
{
    for (const CameraFiles& files : kCameraFiles)
        if (files.productId == product_id)
            return &files;
    return nullptr;
}

} // namespace kivo
