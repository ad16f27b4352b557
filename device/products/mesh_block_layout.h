#pragma once
// Where the OEM mesh headsets' firmware files keep their images in the block table: the module in
// block 2 after two Bluetooth blocks, or, for these products, in block 1 after one.

#include "device/products/product_set.h"

namespace kivo {

inline constexpr std::array kModuleInBlockOneProducts = {0x3500, 0x3550, 0x3560, 0x3570, 0x3540};

struct MeshBlockLayout {
    int moduleBlock;
    // Blocks 0 to bluetoothBlocks - 1.
    int bluetoothBlocks;
};

constexpr MeshBlockLayout mesh_block_layout(int product_id)
{
    return product_in(kModuleInBlockOneProducts, product_id) ? MeshBlockLayout{1, 1} : MeshBlockLayout{2, 2};
}

} // namespace kivo
