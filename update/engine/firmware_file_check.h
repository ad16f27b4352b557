#pragma once
// Whether a firmware file is one the update of a device would take, checked with the loader its
// run uses: for the products written from a container, the container for the product with every
// section inside the file and matching its digest; for the products written by USB DFU, the DFU
// image closed by its suffix and CRC under one of the product's model texts (the helmet camera's
// container first, which holds its DFU image). A download checks its file so before the file takes
// the place of the user's.

#include <filesystem>
#include <string>

namespace kivo {

// True when the update of device_target (recognized as `recognized`) would load file; false with
// the loader's English text in reason ("Firmware corrupted", "Firmware not for ...").
bool firmware_file_loads(const std::filesystem::path& file, int device_target, int recognized, std::string& reason);

} // namespace kivo
