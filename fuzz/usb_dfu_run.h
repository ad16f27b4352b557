#pragma once
// What the fuzz targets of the USB DFU paths share: the plain-USB devices of a product, recognized
// as recognition would record them, another maker's DFU device beside them, the run with the checks
// every run must pass, and what a device received on the wire.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "link/bccmd.h"
#include "link/usb_link.h"
#include "tests/sim/bus.h"
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

// The bytes a device received by DNLOAD, in order.
inline std::vector<uint8_t> downloaded(const sim::Device& device)
{
    std::vector<uint8_t> bytes;
    for (const sim::ControlRecord& record : device.usb.transcript())
        if (record.api == sim::UsbApi::Libusb01 && record.setup.request_type == kDfuOut &&
            record.setup.request == kDfuDnload && record.result >= 0)
            bytes.insert(bytes.end(), record.data.begin(), record.data.end());
    return bytes;
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

// Plugs the product's plain-USB headset (both devices of the two-device product), or one device in
// its loader, and records it in the run's inputs as recognition would. Returns the devices.
inline std::vector<std::shared_ptr<sim::Device>> plug_dfu_devices(uint16_t product, bool loader,
                                                                  kivo::UpdateInputs& inputs)
{
    std::vector<std::shared_ptr<sim::Device>> devices;
    const sim::UsbHeadsetPersona persona = sim::usb_headset(product, "Headset");
    int recognized = persona.chip_id;
    FirmwareQuad version;
    if (loader) {
        const auto id = static_cast<uint16_t>(product | sim::kManagementModeBit);
        devices.push_back(sim::bus().plug(sim::make_dfu_device(id)));
        recognized = product;
    } else if (product == sim::kTwoDeviceProduct) {
        for (const auto& device : sim::plug_usb_pair(persona))
            devices.push_back(device);
        version = chip_version(persona.chip_id);
    } else {
        devices.push_back(sim::bus().plug(sim::make_usb_headset(persona)));
        version = chip_version(persona.chip_id);
    }
    inputs.session.deviceTarget = product;
    inputs.session.recognized = true;
    inputs.session.usbStatus = devices.front()->product_id;
    inputs.data.setDeviceRecognized(recognized);
    inputs.data.setDeviceVersion(version);
    return devices;
}

// A DFU device of another maker on the same bus, which no run may touch.
inline std::shared_ptr<sim::Device> plug_foreign_dfu_device()
{
    return sim::bus().plug(sim::make_dfu_device(0xCD10, 0x1234));
}

// The whole update, with a claim-failure count of its own; aborts unless it ended with nothing left
// open on the bus and the foreign device untouched.
inline void run_update_checked(kivo::UpdateInputs inputs, const sim::Device& foreign)
{
    int claim_failures = 0;
    inputs.dfuClaimFailureCount = &claim_failures;
    kivo::UpdateShared shared;
    FakeUpdateHost host;
    kivo::threadMethodUpdate(std::move(inputs), shared, host);
    if (!shared.updateFinished() || sim::bus().open_hid_handles() != 0 || sim::bus().open_usb_handles() != 0 ||
        !foreign.usb.transcript().empty())
        std::abort();
}

} // namespace fuzz
