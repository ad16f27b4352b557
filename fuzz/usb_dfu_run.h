#pragma once
// What the fuzz targets of the USB DFU paths share: the plain-USB devices of a product (or the HID
// headset of a download-mode product), recognized as recognition would record them, another maker's
// DFU device beside them, another device of the maker's, the run with the checks every run must
// pass, and what a device received on the wire, placed by its block numbers.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
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
// devices. A product switched into download mode first is on the HID link, where recognition found
// it, until its prelude sends it to plain USB under its download-mode id (running its firmware);
// in its loader it is on USB under that loader's id.
inline std::vector<std::shared_ptr<sim::Device>> plug_dfu_devices(uint16_t product, bool loader,
                                                                  kivo::UpdateInputs& inputs)
{
    std::vector<std::shared_ptr<sim::Device>> devices;
    const kivo::DfuExpectedId* download_mode = kivo::dfu_expected_id(product);
    const auto on_usb = static_cast<uint16_t>(download_mode != nullptr ? download_mode->normal : product);
    sim::UsbHeadsetPersona persona = sim::usb_headset(on_usb, "Headset");
    persona.in_loader = loader;
    inputs.session.deviceTarget = product;
    inputs.session.recognized = true;
    if (download_mode != nullptr && !loader) {
        sim::HeadsetPersona hid_face;
        hid_face.product_id = product;
        hid_face.plainUsbDownloadMode = sim::PlainUsbDownloadMode{std::chrono::seconds(2), persona};
        devices.push_back(sim::plug_headset(hid_face).headset);
        inputs.session.usbStatus = product;
        inputs.data.setDeviceRecognized(persona.chip_id);
        inputs.data.setDeviceVersion(
            {persona.version_tenths / 10, persona.version_tenths % 10, persona.secondary_type, persona.secondary});
        return devices;
    }
    if (product == sim::kTwoDeviceProduct) {
        for (const auto& device : sim::plug_usb_pair(persona))
            devices.push_back(device);
    } else {
        devices.push_back(sim::bus().plug(sim::make_usb_headset(persona)));
    }
    inputs.session.usbStatus = devices.front()->product_id;
    inputs.data.setDeviceRecognized(loader ? product : persona.chip_id);
    inputs.data.setDeviceVersion(loader ? FirmwareQuad{} : chip_version(persona.chip_id));
    return devices;
}

// The search of the download-mode products runs over the management-mode search's set, which
// holds none of their ids: a device of that set must be on the bus (behind theirs) for their run
// to go on. Plugs one for those products; none for the others.
inline std::shared_ptr<sim::Device> plug_search_companion(uint16_t product)
{
    if (kivo::dfu_expected_id(product) == nullptr)
        return nullptr;
    return sim::bus().plug(sim::make_dfu_device(0xCD10));
}

// A DFU device of another maker on the same bus, which no run may touch.
inline std::shared_ptr<sim::Device> plug_foreign_dfu_device()
{
    return sim::bus().plug(sim::make_dfu_device(0xCD10, 0x1234));
}

// The whole update, with a claim-failure count of its own; aborts unless it ended with nothing left
// open on the bus and the foreign device untouched, and ended either by publishing updateFinished or
// by leaving up the box whose OK ends the run (the camera's), never both. Returns where the run
// ended; ended_by_box, when given, says whether the box was left up. at_three, when given, runs
// each time the run shows 3 % (or marker 8 for the two-device product) anew: the end of the
// preparation, before the first DFU request (and the end of the download-mode prelude before it).
inline kivo::UpdateProgress run_update_checked(kivo::UpdateInputs inputs, const sim::Device& foreign,
                                               bool* ended_by_box = nullptr, const std::function<void()>& at_three = {})
{
    int claim_failures = 0;
    inputs.dfuClaimFailureCount = &claim_failures;
    kivo::UpdateShared shared;
    kivo::UpdateProgress last;
    shared.setObserver([&](const kivo::UpdateProgress& p) {
        const bool three = (p.updateProcessed == 3 && last.updateProcessed != 3) ||
            (p.addUpdateProcessed == 8 && last.addUpdateProcessed != 8);
        last = p;
        if (three && at_three)
            at_three();
    });
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
