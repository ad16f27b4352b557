#pragma once
// The firmware a simulated firmware server offers the OEM headset (0x3142) for a whole update and
// restore: a "Firmware" index that lists 2.2, a "Revisions" index that lists 2.1, and both
// images, each a container with the Bluetooth image in blocks 0 and 1 and the mesh module in
// block 2, whose bytes carry the version marker the simulated headset and module report once
// they run them (tests/sim/README.md). Beside them, for the headset that takes an intermediate
// image (0x3340): its 1.4 in the index, that image, and the intermediate image it takes first; and
// DFU images for the plain-USB headset 0x4D10 (5.2) and the two-device product 0x5310 (1.2).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "device/products/intermediate_images.h"
#include "tests/link/firmware_file_builder.h"

namespace demo_firmware {

inline constexpr char kLatestImage[] = "VARGO_Zeltra_v2.2.img";
inline constexpr char kEarlierImage[] = "VARGO_Zeltra_v2.1.img";
inline constexpr uint16_t kIntermediateProduct = 0x3340;
inline constexpr kivo::IntermediateImage kIntermediateImage = kivo::kIntermediateImages[0];
static_assert(kIntermediateImage.productId == kIntermediateProduct);
inline constexpr char kIntermediateProductImage[] = "KelporNova_v1.4.img";

inline constexpr char kPlainUsbImage[] = "Aldero_v5.2.dfu";
inline constexpr char kTwoDeviceImage[] = "Xandel_v1.2.dfu";

// The container of one version ("2.2" or "2.1"): the headset reports major.minor.0.0 after it, the
// module 1.3.0.0.
fwfile::Bytes container(const std::string& version);
// A DFU image of a plain-USB product for its model text ("<internal name>#<id>"), its payload
// marked with the version ("5.2.0.0") a device reports once it runs it.
fwfile::Bytes dfu_file(uint16_t product_id, const std::string& version);

// A container of the multi-image headsets: one block entry of block_bytes bytes per block type,
// each entry carrying major.minor as its first two version numbers and each image the marker
// major.minor.0.0.
fwfile::Bytes multi_image_container(uint16_t product, uint32_t major, uint32_t minor,
                                    const std::vector<uint32_t>& block_types, size_t block_bytes);
// The intermediate image of product as the server keeps it: two blocks at 1.3 whose entries name
// images 7 and 8 (the headset is sent both as image 0).
fwfile::Bytes intermediate_image(uint16_t product, size_t block_bytes);

// Writes the two indexes, the containers and the DFU images into folder (made when missing); false
// when a file cannot be written.
bool write_folder(const std::filesystem::path& folder);

} // namespace demo_firmware
