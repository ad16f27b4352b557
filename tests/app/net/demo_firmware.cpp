#include "tests/app/net/demo_firmware.h"

#include <fstream>

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

bool write_folder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return false;
    try {
        fwfile::write_file(folder / kLatestImage, container("2.2"));
        fwfile::write_file(folder / kEarlierImage, container("2.1"));
    } catch (const std::exception&) {
        return false;
    }
    return write_text(folder / "Firmware", std::string("VARGO_Zeltra:v2.2:") + kLatestImage + "\r\n") &&
        write_text(folder / "Revisions", std::string("VARGO_Zeltra:v2.1:") + kEarlierImage + "\r\n");
}

} // namespace demo_firmware
