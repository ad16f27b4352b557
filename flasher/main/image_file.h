#pragma once
// The image a write sends: read whole before the port is opened, through the raw or the HEX reader.

#include <cstdint>
#include <string>
#include <vector>

#include "flasher/image_reader.h"

struct LoadedImage {
    std::vector<uint8_t> bytes;
    uint32_t base = 0; // where the first byte belongs; 0 when the file does not say
    std::vector<ImageExtent> extents; // the bytes the file gave
    bool hex = false;
};

// A file that begins with a HEX record header (':' and eight hexadecimal digits) is read as Intel
// HEX, anything else (and everything with force_binary, or a name beginning with '-') as raw binary.
// False after a one-line message naming the file.
bool load_image(const std::string& file_name, bool force_binary, LoadedImage& image);
