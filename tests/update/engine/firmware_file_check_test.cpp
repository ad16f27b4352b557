// A firmware file checked as the update of the device would load it, before a download takes the
// place of the user's file: whole containers and DFU images of the product pass, a body cut short,
// a page that is no firmware and another product's file do not.

#include <gtest/gtest.h>

#include <string>

#include "tests/link/firmware_file_builder.h"
#include "update/engine/firmware_file_check.h"

namespace {

fwfile::Bytes bytes_of(std::string_view text) { return fwfile::Bytes(text.begin(), text.end()); }

fwfile::Bytes first_half(const fwfile::Bytes& file)
{
    return fwfile::Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() / 2));
}

fwfile::Bytes last_byte_changed(fwfile::Bytes file)
{
    file.back() ^= 0x01;
    return file;
}

} // namespace

TEST(FirmwareFileCheck, OnlyAFileTheUpdateWouldLoadPasses)
{
    // The OEM headset takes a container with both tables; the Elmora headset and the helmet camera
    // are written by USB DFU, the camera from a container of its DFU image and its camera image.
    const fwfile::Bytes container =
        fwfile::make_container({"v2.2", 0x3142, true, {fwfile::pattern(40000, 1), fwfile::pattern(30000, 2)}});
    const fwfile::Bytes other_product = fwfile::make_container({"v2.2", 0x3143, true, {fwfile::pattern(40000, 1)}});
    const fwfile::Bytes elmora = fwfile::make_dfu_image("Elmora#5010", 50000, 0x5010);
    const fwfile::Bytes camera_image = fwfile::make_dfu_image("LUMORA#3020", 30000, 0x3020);
    const fwfile::Bytes camera =
        fwfile::make_container({"v1.0.0.1", 0x3020, true, {camera_image, fwfile::pattern(20000, 3)}});
    const fwfile::Bytes camera_with_a_broken_image = fwfile::make_container(
        {"v1.0.0.1", 0x3020, true, {last_byte_changed(camera_image), fwfile::pattern(20000, 3)}});
    const fwfile::Bytes page = bytes_of("<html><body>Service unavailable</body></html>\n");
    struct Case {
        const char* what;
        int target;
        fwfile::Bytes file;
        const char* reason; // none: it loads
    };
    const Case cases[] = {
        {"a whole container", 0x3142, container, nullptr},
        {"half of it", 0x3142, first_half(container), "Firmware corrupted"},
        {"a page", 0x3142, page, "Firmware corrupted"},
        {"another product's container", 0x3142, other_product, "Firmware corrupted"},
        {"a DFU image for a container product", 0x3142, elmora, "Firmware corrupted"},
        {"a whole DFU image", 0x5010, elmora, nullptr},
        {"a DFU image of its second model", 0x5010, fwfile::make_dfu_image("Elmora#5061", 5000, 0x5010), nullptr},
        {"half of it", 0x5010, first_half(elmora), "Firmware corrupted"},
        {"its last byte changed", 0x5010, last_byte_changed(elmora), "Firmware corrupted"},
        {"another product's image", 0x5010, fwfile::make_dfu_image("ElmoraS#5020", 5000, 0x5020),
         "Firmware not for Elmora"},
        {"a page, for a DFU product", 0x5010, page, "Firmware corrupted"},
        {"the camera's container", 0x3020, camera, nullptr},
        {"half of it", 0x3020, first_half(camera), "Firmware corrupted"},
        {"its DFU image broken", 0x3020, camera_with_a_broken_image, "Firmware corrupted"},
        {"the camera's bare DFU image", 0x3020, camera_image, "Firmware corrupted"},
    };
    const fwfile::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << " for " << std::hex << c.target);
        const std::string file = folder.put("download.img", c.file);
        std::string reason;
        EXPECT_EQ(kivo::firmware_file_loads(file, c.target, c.target, reason), c.reason == nullptr) << reason;
        EXPECT_EQ(reason, c.reason == nullptr ? "" : c.reason);
    }
    std::string reason;
    EXPECT_FALSE(kivo::firmware_file_loads(folder.path() / "missing.img", 0x3142, 0x3142, reason));
    EXPECT_EQ(reason, "Cannot access firmware");
}
