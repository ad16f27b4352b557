#pragma once
// The headsets with a mesh module and a voice-processor chip that take every image from one file:
// where the file keeps each image, which of them carry a camera, which write every block of the
// table as Bluetooth blocks (and ask whether their voice prompts mounted), and which are told no
// voice-prompt language afterwards. The family whose codes shift (unit_language_shift.h) takes the
// second table of language codes.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kCameraMeshCameraProducts = {0x3232, 0x3233, 0x3240};
inline constexpr std::array kCameraMeshAllEntriesProducts = {0x3148, 0x3154};
inline constexpr std::array kCameraMeshNoLanguageProducts = {0x3170, 0x3260};

// Block-table entries; -1 where the product's file has none.
struct CameraMeshLayout {
    int cameraBlock;
    int meshBlock;
    int voiceChipBlock;
    // Blocks 0 to bluetoothBlocks - 1, as far as the table has them; -1: every entry of the table.
    int bluetoothBlocks;
};

constexpr bool camera_mesh_has_camera(int product_id) { return product_in(kCameraMeshCameraProducts, product_id); }

// The products that write every entry also ask for the mount status of their voice prompts.
constexpr bool camera_mesh_all_entries(int product_id) { return product_in(kCameraMeshAllEntriesProducts, product_id); }

constexpr bool camera_mesh_language_written(int product_id)
{
    return !product_in(kCameraMeshNoLanguageProducts, product_id);
}

constexpr CameraMeshLayout camera_mesh_layout(int product_id)
{
    if (camera_mesh_has_camera(product_id))
        return {2, 3, 4, 2};
    return {-1, 2, 3, camera_mesh_all_entries(product_id) ? -1 : 2};
}

} // namespace kivo
