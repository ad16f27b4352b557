#include "tests/sim/usb_devices.h"

namespace sim {
namespace {

// The products switched into download mode show their loader under an id of its own.
struct LoaderPair {
    uint16_t runtime;
    uint16_t loader;
};
constexpr LoaderPair kOddLoaderPairs[] = {{0x6021, 0xE020}, {0x6023, 0xE022}, {0x6025, 0xE024}};

uint16_t loader_id(uint16_t runtime)
{
    for (const LoaderPair& pair : kOddLoaderPairs)
        if (pair.runtime == runtime)
            return pair.loader;
    return static_cast<uint16_t>(runtime | kManagementModeBit);
}

uint16_t runtime_id(uint16_t loader)
{
    for (const LoaderPair& pair : kOddLoaderPairs)
        if (pair.loader == loader)
            return pair.runtime;
    return static_cast<uint16_t>(loader & ~kManagementModeBit);
}

} // namespace

std::shared_ptr<Device> make_bccmd_device(uint16_t product_id, PsStore::Keys keys, uint16_t vendor_id)
{
    auto device = std::make_shared<Device>(product_id, vendor_id);
    const UsbAltSetting hci{0, 0, kUsbClassWireless, 1, 1};
    const UsbAltSetting audio0{1, 0, kUsbClassWireless, 1, 1};
    const UsbAltSetting audio1{1, 1, kUsbClassWireless, 1, 1};
    device->usb.layout = {0xE0, {{{hci}, {audio0, audio1}, {dfu_alt_setting(2)}}}, {0, 1}};
    device->usb.ps_store = std::make_shared<PsStore>();
    device->usb.ps_store->keys = std::move(keys);
    device->usb.dfu = std::make_shared<DfuPersona>(product_id, loader_id(product_id), false);
    return device;
}

std::shared_ptr<Device> make_dfu_device(uint16_t product_id, uint16_t vendor_id)
{
    auto device = std::make_shared<Device>(product_id, vendor_id);
    device->usb.layout = dfu_mode_layout();
    device->usb.dfu = std::make_shared<DfuPersona>(runtime_id(product_id), product_id, true);
    return device;
}

} // namespace sim
