#include "tests/app/net/demo_firmware.h"

#include <cstdio>
#include <fstream>

#include "text/product_names.h"

namespace demo_firmware {
namespace {

constexpr uint32_t kProduct = 0x3142;
constexpr size_t kBlockBytes = 2 * 1024 * 1024;

// An image of size bytes whose bytes carry the marker.
fwfile::Bytes marked(size_t size, const std::string& marker, uint32_t seed)
{
    fwfile::Bytes bytes = fwfile::pattern(size, seed);
    const std::string text = "SIMVERSION=" + marker;
    if (size >= text.size())
        std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>((size - text.size()) / 2));
    return bytes;
}

bool write_text(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

} // namespace

fwfile::Bytes container(const std::string& version)
{
    const uint32_t seed = version == "2.2" ? 22 : 21;
    std::vector<fwfile::Bytes> blocks = {marked(kBlockBytes, version + ".0.0", seed),
                                         marked(kBlockBytes, version + ".0.0", seed + 100),
                                         marked(kBlockBytes, "1.3.0.0", seed + 200)};
    const std::vector<fwfile::BlockFields> fields = {{0, 6, {}}, {1, 7, {}}, {2, 8, {}}};
    return fwfile::make_container({"v" + version, kProduct, true, std::move(blocks), fields});
}

fwfile::Bytes dfu_file(uint16_t product_id, const std::string& version)
{
    char id[8];
    std::snprintf(id, sizeof id, "#%04X", static_cast<unsigned>(product_id));
    const std::string model = kivo::ProductNames::tavk_product_name_for_internal(product_id, true) + id;
    constexpr size_t kPayload = 64 * 1024;
    fwfile::Bytes file = fwfile::make_dfu_image(model, kPayload, product_id);
    const std::string text = "SIMVERSION=" + version;
    std::copy(text.begin(), text.end(), file.begin() + static_cast<std::ptrdiff_t>(kPayload / 2));
    fwfile::put_dfu_crc(file);
    return file;
}

fwfile::Bytes multi_image_container(uint16_t product, uint32_t major, uint32_t minor,
                                    const std::vector<uint32_t>& block_types, size_t block_bytes)
{
    const std::string version = std::to_string(major) + "." + std::to_string(minor);
    std::vector<fwfile::Bytes> blocks;
    std::vector<fwfile::BlockFields> fields;
    for (uint32_t i = 0; i < block_types.size(); ++i) {
        blocks.push_back(marked(block_bytes, version + ".0.0", major * 100 + minor * 10 + i));
        fields.push_back({i, block_types[i], {major, minor, 0, 0, 0}});
    }
    return fwfile::make_container({"v" + version, product, true, std::move(blocks), std::move(fields)});
}

fwfile::Bytes intermediate_image(uint16_t product, size_t block_bytes)
{
    return multi_image_container(product, 1, 3, {7, 8}, block_bytes);
}

bool write_folder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return false;
    try {
        fwfile::write_file(folder / kLatestImage, container("2.2"));
        fwfile::write_file(folder / kEarlierImage, container("2.1"));
        fwfile::write_file(folder / kIntermediateProductImage,
                           multi_image_container(kIntermediateProduct, 1, 4, {0, 1}, kBlockBytes));
        fwfile::write_file(folder / kIntermediateImage.fileName, intermediate_image(kIntermediateProduct, kBlockBytes));
        fwfile::write_file(folder / kPlainUsbImage, dfu_file(0x4D10, "5.2.0.0"));
        fwfile::write_file(folder / kTwoDeviceImage, dfu_file(0x5310, "1.2.0.0"));
    } catch (const std::exception&) {
        return false;
    }
    return write_text(folder / "Firmware",
                      std::string("VARGO_Zeltra:v2.2:") + kLatestImage +
                          "\r\nKelporNova:v1.4:" + kIntermediateProductImage + "\r\nAldero:v5.2:" + kPlainUsbImage +
                          "\r\nXandel:v1.2:" + kTwoDeviceImage + "\r\n") &&
        write_text(folder / "Revisions", std::string("VARGO_Zeltra:v2.1:") + kEarlierImage + "\r\n");
}

} // namespace demo_firmware
