// libFuzzer entry point: a whole recognition over plain USB against older headsets whose persistent
// store answers come from the input, on the simulated bus under the virtual clock.
//
// Input: bytes 0-1 the product on the bus (little-endian, or one of the table's normal products
// modulo their count when it names none); byte 2: bit 0 the device runs its firmware-management
// loader instead, bit 1 the product is a pair of devices, bit 2 the run writes a saved record back;
// byte 3 the store's faults (bits 0-1 messages left unanswered, bits 2-3 bytes
// cut from each answer, bit 4 answers of another event, bit 5 of another channel, bit 6 a key
// answers with the status of the next two bytes, bit 7 a key claims the length of the next two);
// then for each key recognition reads, a byte (0xFF: the chip lacks the key, else a word count of
// byte % 32) and that many 16-bit words. Beyond not crashing: the checks of
// fuzz/recognition_checks.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "fuzz/recognition_checks.h"
#include "link/usb_link.h"
#include "link/usb_products.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim/usb_headsets.h"

namespace {

constexpr std::array<uint16_t, 15> kKeys = {
    sim::kKeyChipProductId, sim::kKeyFirmwareVersion, sim::kKeyDeviceName,        sim::kKeyBdAddress,
    sim::kKeyLocalFeatures, sim::kKeyBasicSettings,   sim::kKeyIntercomVox,       sim::kKeyPhoneVox,
    sim::kKeyFmBlock,       sim::kKeyChannelTimeout,  sim::kKeyTransmitGain,      sim::kKeySpeedDials[0],
    sim::kKeySpeedDials[1], sim::kKeySpeedDials[2],   sim::kKeyLocalFeatures + 1,
};

sim::PsStore::Keys keys_from(fuzz::InputBytes& in)
{
    sim::PsStore::Keys keys;
    for (const uint16_t key : kKeys) {
        const uint8_t count = in.byte();
        if (count == 0xFF)
            continue;
        std::vector<uint16_t>& words = keys[key];
        for (int i = 0; i < count % 32; ++i)
            words.push_back(in.word());
    }
    return keys;
}

void arm_store_faults(sim::PsStore& store, uint8_t flags, fuzz::InputBytes& in)
{
    store.faults.silent = flags & 0x03;
    store.faults.short_by = (flags >> 2) & 0x03;
    store.faults.not_vendor_event = (flags & 0x10) != 0;
    store.faults.wrong_channel = (flags & 0x20) != 0;
    if ((flags & 0x40) != 0)
        store.faults.status[kKeys[in.byte() % kKeys.size()]] = in.byte() % 6;
    if ((flags & 0x80) != 0)
        store.faults.claimed_words[kKeys[in.byte() % kKeys.size()]] = in.byte();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    sim::Session session;
    usb_link_start();
    const auto named = static_cast<uint16_t>(data[0] | data[1] << 8);
    const uint16_t product = usb_product_table_contains(DEVICE_VENDOR_ID, named) && named < sim::kManagementModeBit
        ? named
        : UsbProductTable[named % kUsbNormalProductCount].product_id;
    const uint8_t shape = data[2];
    fuzz::InputBytes in(std::span(data + 4, size - 4));

    std::vector<std::shared_ptr<sim::Device>> devices;
    if ((shape & 0x01) != 0) {
        devices.push_back(sim::make_dfu_device(static_cast<uint16_t>(product | sim::kManagementModeBit)));
    } else {
        const sim::PsStore::Keys keys = keys_from(in);
        devices.push_back(sim::make_bccmd_device(product, keys));
        if ((shape & 0x02) != 0)
            devices.push_back(sim::make_bccmd_device(product, keys));
        for (const auto& device : devices)
            arm_store_faults(*device->usb.ps_store, data[3], in);
    }
    for (const auto& device : devices)
        session.bus().plug(device);

    kivo::RecognitionRun run;
    run.session.deviceTarget = product;
    run.callerMode = (shape & 0x04) != 0 ? kModeRestore : 0;
    if ((shape & 0x04) != 0)
        run.saved = KIVOBluetoothDeviceData{};
    KIVOBluetoothDeviceData record;
    const int result = kivo::recognize_device(run, record);
    fuzz::check_recognition(result, run, record, session.bus());
    return 0;
}
