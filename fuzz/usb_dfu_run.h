#pragma once
// What the fuzz targets of the USB DFU paths share: the plain-USB devices of a product (or the HID
// headset of a download-mode product), recognized as recognition would record them, another maker's
// DFU device beside them, the run with the checks every run must pass, and what a device received
// on the wire, placed by its block numbers.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "common/page_ids.h"
#include "device/products/usb_dfu_products.h"
#include "link/bccmd.h"
#include "link/usb_link.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim/usb_headsets.h"
#include "tests/update/engine/fake_update_host.h"
#include "update/engine/run.h"

namespace fuzz {

// The DFU class requests of a device, in order: host to device (0x21) and device to host (0xA1).
inline constexpr uint8_t kDfuOut = 0x21;
inline constexpr uint8_t kDfuIn = 0xA1;
inline constexpr uint8_t kDfuDetach = 0;
inline constexpr uint8_t kDfuDnload = 1;
inline constexpr uint8_t kDfuGetStatus = 3;

// The wire form of a download: a DNLOAD carries the image bytes its block number (wValue) puts it
// at, block n from byte n x 1023; the final one carries none.
inline constexpr size_t kDfuBlockBytes = 1023;

// Whether the device took any image bytes by DNLOAD.
inline bool took_image_bytes(const sim::Device& device)
{
    for (const sim::ControlRecord& record : device.usb.transcript())
        if (record.api == sim::UsbApi::Libusb01 && record.setup.request_type == kDfuOut &&
            record.setup.request == kDfuDnload && record.result >= 0 && !record.data.empty())
            return true;
    return false;
}

// Whether every DNLOAD the device took carries the bytes of image at the place its block number
// gives (the final zero-length one, numbered past the image's end, carries none).
inline bool downloads_lie_in(const sim::Device& device, std::span<const uint8_t> image)
{
    for (const sim::ControlRecord& record : device.usb.transcript()) {
        if (record.api != sim::UsbApi::Libusb01 || record.setup.request_type != kDfuOut ||
            record.setup.request != kDfuDnload || record.result < 0 || record.data.empty())
            continue;
        const size_t at = size_t{record.setup.value} * kDfuBlockBytes;
        if (at + record.data.size() > image.size() ||
            !std::equal(record.data.begin(), record.data.end(), image.begin() + static_cast<std::ptrdiff_t>(at)))
            return false;
    }
    return true;
}

// The version the chip of the first plain-USB device reports, as recognition reads it.
inline FirmwareQuad chip_version(uint32_t chip)
{
    std::array<uint32_t, 2> ids{};
    std::array<char, 64> text{};
    std::array<uint32_t, 4> v{};
    if (usb_open_devices(ids, text, 0) == 0) {
        usb_select_device(0);
        bccmd_read_firmware_version(chip, v[0], v[1], v[2], v[3]);
    }
    usb_close_devices();
    return {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])};
}

// Plugs the product's plain-USB headset (both devices of the two-device product), running its
// firmware or in its loader, and records it in the run's inputs as recognition would. Returns the
// devices.
inline std::vector<std::shared_ptr<sim::Device>> plug_dfu_devices(uint16_t product, bool loader,
                                                                  kivo::UpdateInputs& inputs)
{
    std::vector<std::shared_ptr<sim::Device>> devices;
    sim::UsbHeadsetPersona persona = sim::usb_headset(product, "Headset");
    persona.in_loader = loader;
    if (product == sim::kTwoDeviceProduct) {
        for (const auto& device : sim::plug_usb_pair(persona))
            devices.push_back(device);
    } else {
        devices.push_back(sim::bus().plug(sim::make_usb_headset(persona)));
    }
    inputs.session.deviceTarget = product;
    inputs.session.recognized = true;
    inputs.session.usbStatus = devices.front()->product_id;
    inputs.data.setDeviceRecognized(loader ? product : persona.chip_id);
    inputs.data.setDeviceVersion(loader ? FirmwareQuad{} : chip_version(persona.chip_id));
    return devices;
}

// A download-mode headset of the product on the HID link, which its prelude sends to plain USB
// under the id the path expects of it, recorded as recognition would; and beside it one of the
// maker's headsets that the management-mode search looks for, which that search needs to go on.
// Returns the headset.
inline std::shared_ptr<sim::Device> plug_download_mode_headset(uint16_t product, kivo::UpdateInputs& inputs)
{
    const kivo::DfuExpectedId& ids = *kivo::dfu_expected_id(product);
    sim::HeadsetPersona persona;
    persona.product_id = product;
    const sim::UsbHeadsetPersona plain = sim::usb_headset(static_cast<uint16_t>(ids.normal), "Headset");
    persona.plainUsbDownloadMode = sim::PlainUsbDownloadMode{std::chrono::seconds(2), plain};
    const sim::PluggedHeadset headset = sim::plug_headset(persona);
    sim::bus().plug(sim::make_usb_headset(sim::usb_headset(0x6420, "Bystander")));
    inputs.session.deviceTarget = product;
    inputs.session.recognized = true;
    inputs.session.usbStatus = product;
    inputs.data.setDeviceRecognized(plain.chip_id);
    inputs.data.setDeviceVersion({plain.version_tenths / 10, plain.version_tenths % 10, 0, 0});
    return headset.headset;
}

// A DFU device of another maker on the same bus, which no run may touch.
inline std::shared_ptr<sim::Device> plug_foreign_dfu_device()
{
    return sim::bus().plug(sim::make_dfu_device(0xCD10, 0x1234));
}

// The whole update, with a claim-failure count of its own; aborts unless it ended with nothing left
// open on the bus and the foreign device untouched, and ended either by publishing updateFinished or
// by leaving up the box whose OK ends the run (the camera's), never both. Returns where the run
// ended; ended_by_box, when given, says whether the box was left up.
inline kivo::UpdateProgress run_update_checked(kivo::UpdateInputs inputs, const sim::Device& foreign,
                                               bool* ended_by_box = nullptr)
{
    int claim_failures = 0;
    inputs.dfuClaimFailureCount = &claim_failures;
    kivo::UpdateShared shared;
    FakeUpdateHost host;
    kivo::threadMethodUpdate(std::move(inputs), shared, host);
    const bool box_ends_run = !host.boxes.empty() && host.boxes.back().purpose == kBoxCameraUpdateDone;
    if (shared.updateFinished() == box_ends_run || sim::bus().open_hid_handles() != 0 ||
        sim::bus().open_usb_handles() != 0 || !foreign.usb.transcript().empty())
        std::abort();
    if (ended_by_box != nullptr)
        *ended_by_box = box_ends_run;
    return shared.progress();
}

} // namespace fuzz
