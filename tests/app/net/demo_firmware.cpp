#include "tests/app/net/demo_firmware.h"

#include <cstdio>
#include <fstream>

#include "text/product_names.h"

namespace demo_firmware {
namespace {

constexpr uint32_t kProduct = 0x3142;
constexpr size_t kBlockBytes = 2 * 1024 * 1024;

// Filler of one block with the marker in its middle.
fwfile::Bytes block(const std::string& marker, uint32_t seed)
{
    fwfile::Bytes bytes = fwfile::pattern(kBlockBytes, seed);
    const std::string text = "SIMVERSION=" + marker;
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(kBlockBytes / 2));
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
    std::vector<fwfile::Bytes> blocks = {block(version + ".0.0", seed), block(version + ".0.0", seed + 100),
                                         block("1.3.0.0", seed + 200)};
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

bool write_folder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return false;
    try {
        fwfile::write_file(folder / kLatestImage, container("2.2"));
        fwfile::write_file(folder / kEarlierImage, container("2.1"));
        fwfile::write_file(folder / kPlainUsbImage, dfu_file(0x4D10, "5.2.0.0"));
        fwfile::write_file(folder / kTwoDeviceImage, dfu_file(0x5310, "1.2.0.0"));
    } catch (const std::exception&) {
        return false;
    }
    return write_text(folder / "Firmware",
                      std::string("VARGO_Zeltra:v2.2:") + kLatestImage + "\r\n" + "Aldero:v5.2:" + kPlainUsbImage +
                          "\r\n" + "Xandel:v1.2:" + kTwoDeviceImage + "\r\n") &&
        write_text(folder / "Revisions", std::string("VARGO_Zeltra:v2.1:") + kEarlierImage + "\r\n");
}

} // namespace demo_firmware
