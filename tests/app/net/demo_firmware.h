#pragma once
// The firmware a simulated firmware server offers the OEM headset (0x3142) for a whole update and
// restore: a "Firmware" index that lists 2.2, a "Revisions" index that lists 2.1, and both
// images, each a container with the Bluetooth image in blocks 0 and 1 and the mesh module in
// block 2, whose bytes carry the version marker the simulated headset and module report once
// they run them (tests/sim/README.md). The index also offers DFU images to the plain-USB headset
// 0x4D10 (5.2) and the two-device product 0x5310 (1.2).

#include <filesystem>
#include <string>

#include "tests/link/firmware_file_builder.h"

namespace demo_firmware {

inline constexpr char kLatestImage[] = "VARGO_Zeltra_v2.2.img";
inline constexpr char kEarlierImage[] = "VARGO_Zeltra_v2.1.img";

inline constexpr char kPlainUsbImage[] = "Aldero_v5.2.dfu";
inline constexpr char kTwoDeviceImage[] = "Xandel_v1.2.dfu";

// The container of one version ("2.2" or "2.1"): the headset reports major.minor.0.0 after it, the
// module 1.3.0.0.
fwfile::Bytes container(const std::string& version);
// A DFU image of a plain-USB product for its model text ("<internal name>#<id>"), its payload
// marked with the version ("5.2.0.0") a device reports once it runs it.
fwfile::Bytes dfu_file(uint16_t product_id, const std::string& version);

// Writes the two indexes, the two containers and the DFU images into folder (made when missing); false when a
// file cannot be written.
bool write_folder(const std::filesystem::path& folder);

} // namespace demo_firmware
