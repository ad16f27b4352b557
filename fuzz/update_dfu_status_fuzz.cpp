// Invariant: whatever the devices answer to GETSTATUS, a device is detached only right after a whole
// 6-byte answer that said appIDLE, no byte reaches a device that the run's DFU image does not hold
// there (every DNLOAD carries the image's bytes at the place its block number gives), a run that
// ends at 100 % has written the whole image into every device, a DFU device of another maker on
// the same bus receives nothing, and the run ends within a bounded virtual time with nothing left
// open on the bus.
//
// A whole update over USB DFU on the simulated bus under the virtual clock, with a valid DFU image,
// against devices whose GETSTATUS answers come from the input.
//
// Input: byte 0 the devices (bits 0-1: a 0x4D10 headset, a 0x4D10 in its loader, the two devices
// of 0x5310, a 0x6440 headset; bit 2: a detached device never comes back; bit 3: it comes back in
// its firmware; bit 4: its claims fail once back; bit 5: the devices start in their loader, where
// the run writes them; bit 6: the devices are the maker's lenient loaders, else they keep to USB DFU
// 1.1 strictly); then GETSTATUS answers, each a byte (bits 0-2: how many of the 6
// bytes are sent, 7 meaning 6; bit 7: for the second device) and 6 answer bytes. Answers left after the input ends are
// the device's own.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz/fuzz_input.h"
#include "fuzz/usb_dfu_run.h"
#include "link/dfu_file.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/link/test_opener.h"
#include "update/engine/run.h"
#include "update/engine/usb_dfu/usb_dfu_preparation.h"

namespace {

// Far above the longest run the bounds allow (a few waits of 301 passes), far below a hang.
constexpr auto kRunLimit = std::chrono::hours(12);

struct Shape {
    uint16_t product;
    bool loader;
};
constexpr Shape kShapes[] = {{0x4D10, false}, {0x4D10, true}, {0x5310, false}, {0x6440, false}};

sim::DfuStatus status_from(uint8_t size, std::span<const uint8_t> b)
{
    sim::DfuStatus status;
    status.status = b[0];
    status.poll_timeout_ms = uint32_t{b[1]} | uint32_t{b[2]} << 8 | uint32_t{b[3]} << 16;
    status.state = b[4];
    status.string_index = b[5];
    status.answer_size = (size & 0x07) == 7 ? 6 : size & 0x07;
    return status;
}

// Each DETACH must follow a GETSTATUS whose whole answer said appIDLE.
bool detached_only_when_idle(const sim::Device& device)
{
    const sim::ControlRecord* last_status = nullptr;
    for (const sim::ControlRecord& record : device.usb.transcript()) {
        if (record.api != sim::UsbApi::Libusb01)
            continue;
        if (record.setup.request_type == fuzz::kDfuIn && record.setup.request == fuzz::kDfuGetStatus)
            last_status = &record;
        if (record.setup.request_type == fuzz::kDfuOut && record.setup.request == fuzz::kDfuDetach &&
            (last_status == nullptr || last_status->result != 6 || last_status->data.size() != 6 ||
             last_status->data[4] != 0))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fwfile::TempFolder folder;
    if (size < 1)
        return 0;
    fuzz::InputBytes in(std::span(data, size));
    const uint8_t shape_byte = in.byte();
    const Shape shape = kShapes[shape_byte & 0x03];

    sim::Session session;
    const sim::DfuModeScope mode((shape_byte & 0x40) != 0 ? sim::DfuMode::Lenient : sim::DfuMode::Strict);
    usb_link_start();
    kivo::UpdateInputs inputs;
    const auto devices = fuzz::plug_dfu_devices(shape.product, shape.loader || (shape_byte & 0x20) != 0, inputs);
    const auto foreign = fuzz::plug_foreign_dfu_device();
    for (const auto& device : devices) {
        device->usb.gone_after_reset = (shape_byte & 0x04) != 0;
        device->usb.dfu->stays_in_firmware = (shape_byte & 0x08) != 0;
        if ((shape_byte & 0x10) != 0) {
            sim::UsbFaults claims;
            claims.fail_claim = 1;
            device->usb.faults_after_reset = claims;
        }
    }
    while (!in.empty()) {
        const uint8_t answer_size = in.byte();
        const std::span<const uint8_t> bytes = in.take(6);
        if (bytes.size() < 6)
            break;
        const size_t which = (answer_size & 0x80) != 0 && devices.size() > 1 ? 1 : 0;
        devices[which]->usb.dfu->scripted.push_back(status_from(answer_size, bytes));
    }

    const int recognized = inputs.data.deviceRecognized();
    const fwfile::Bytes file =
        fwfile::make_dfu_image(kivo::dfu_model_text(recognized, shape.product), 3000, shape.product);
    inputs.firmwareFile = folder.put("firmware.dfu", file);
    inputs.archiveFolder = folder.path() / "archive";
    inputs.opener = open_product(shape.product);
    const kivo::UpdateProgress ended = fuzz::run_update_checked(std::move(inputs), *foreign);
    if (sim::bus().clock().now() > kRunLimit)
        std::abort();
    const std::span<const uint8_t> image(file.data(), file.size() - DfuFileSuffix::kSize);
    const bool written = ended.updateProcessed == 100;
    for (const auto& device : devices) {
        if (!detached_only_when_idle(*device) || !fuzz::downloads_lie_in(*device, image))
            std::abort();
        const sim::Bytes assembled = device->usb.dfu->image();
        if (written && !std::equal(image.begin(), image.end(), assembled.begin(), assembled.end()))
            std::abort();
    }
    return 0;
}
