#include "update/engine/firmware_file_check.h"

#include <array>

#include "common/bounded_text.h"
#include "device/products/helmet_camera.h"
#include "device/products/update_paths.h"
#include "link/dfu_file.h"
#include "link/firmware_container.h"
#include "update/engine/container_view.h"
#include "update/engine/usb_dfu/usb_dfu_preparation.h"

namespace kivo {
namespace {

using LoaderText = std::array<char, 256>;

bool written_by_usb_dfu(int device_target)
{
    const UpdateFamilyPath path = update_family_path(device_target);
    return path == UpdateFamilyPath::UsbDfu || path == UpdateFamilyPath::DfuAfterDownloadMode;
}

// The DFU image under the first model text it carries; the last model's text when none.
bool dfu_image_for_a_model(std::span<const uint8_t> image, int device_target, int recognized, LoaderText& text)
{
    for (const std::string& model : dfu_model_texts(recognized, device_target)) {
        text.fill(0);
        if (model.empty())
            format_text(text, kDfuNotForFormat, 0, "");
        else if (dfu_image_check(image, text, model) != 0)
            return true;
    }
    return false;
}

} // namespace

bool firmware_file_loads(const std::filesystem::path& file, int device_target, int recognized, std::string& reason)
{
    LoaderText text{};
    FirmwareBuffer buffer;
    bool loads = false;
    if (!written_by_usb_dfu(device_target)) {
        loads = fw_image_load(file.c_str(), buffer, text, static_cast<uint32_t>(device_target)) != 0;
    } else if (recognized == kCameraProductId) {
        const size_t size = fw_image_load(file.c_str(), buffer, text, static_cast<uint32_t>(kCameraProductId));
        ContainerView camera;
        if (size != 0 && !camera.check(std::move(buffer), size, kCameraEntries))
            copy_text(text, kFirmwareCorrupted);
        else if (size != 0)
            loads = dfu_image_for_a_model(camera.section(0)->data, device_target, recognized, text);
    } else {
        // Loaded once: the model texts are checked on the file in memory.
        size_t size = 0;
        loads = firmware_file_read(file.c_str(), buffer, size, text) &&
            dfu_image_for_a_model({buffer.get(), size}, device_target, recognized, text);
    }
    if (!loads)
        reason = text.data();
    return loads;
}

} // namespace kivo
