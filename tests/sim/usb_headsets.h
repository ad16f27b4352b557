#pragma once
// Older headsets on the plain-USB link, as recognition meets them: their identity, firmware
// version and settings in the persistent store of their Bluetooth chip. A persona says what the
// store holds; an absent entry is a key the chip does not have.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/sim/usb_devices.h"

namespace sim {

// The store's keys that recognition reads.
inline constexpr uint16_t kKeyBdAddress = 0x0001;
inline constexpr uint16_t kKeyDeviceName = 0x0108;
inline constexpr uint16_t kKeyChipProductId = 0x02A3;
inline constexpr uint16_t kKeyFirmwareVersion = 0x02A4;
inline constexpr uint16_t kKeyOldFirmwareVersion = 0x0293;
inline constexpr uint16_t kKeyLocalFeatures = 239;
inline constexpr uint16_t kKeyBasicSettings = 654;
inline constexpr uint16_t kKeyIntercomVox = 664;
inline constexpr uint16_t kKeyPhoneVox = 665;
inline constexpr uint16_t kKeyFmBlock = 671;
inline constexpr uint16_t kKeyChannelTimeout = 682;
inline constexpr uint16_t kKeyTransmitGain = 684;
inline constexpr std::array<uint16_t, 3> kKeySpeedDials = {0x2280, 0x2281, 0x2282};

// A Bluetooth address: lower address part, upper address part, non-significant part.
struct BdAddr {
    uint32_t lap = 0x3A1B2C;
    uint8_t uap = 0x5A;
    uint16_t nap = 0x0019;
};

struct UsbHeadsetPersona {
    uint16_t product_id = 0x4D10; // on the bus
    uint16_t chip_id = 0x4D10; // what the chip's product-id key says
    std::string name = "Aldero";
    BdAddr address;
    uint16_t version_tenths = 51; // firmware 5.1 ...
    uint8_t secondary_type = 0; // ... with its secondary pair
    uint8_t secondary = 0;
    std::optional<uint16_t> basic_word = 0x0119;
    std::optional<uint16_t> intercom_vox;
    std::optional<uint16_t> phone_vox;
    std::optional<bool> edr_off; // key 239 with the EDR-off (true) or EDR-on (false) features
    std::optional<std::array<uint16_t, 15>> fm_block;
    std::vector<std::string> speed_dials; // one key each, a character in each word's low byte
    std::optional<uint16_t> transmit_gain;
    std::optional<uint16_t> channel_timeout_ms;
    // Running its firmware-management loader (under its id with bit 15 set), the store kept for
    // when it runs its firmware again.
    bool in_loader = false;
};

// The features a chip announces with EDR on and off.
inline constexpr std::array<uint16_t, 4> kEdrOnFeatures = {0xFEFF, 0xFE8F, 0xFF98, 0x8359};
inline constexpr std::array<uint16_t, 4> kEdrOffFeatures = {0xFEFF, 0xF88F, 0x1E18, 0x8359};
// An FM block as a headset ships with it: magic 0x56E9, 95.1 MHz on preset 1, three presets.
inline constexpr std::array<uint16_t, 15> kFactoryFmBlock = {0x56E9, 9510, 1, 8750, 9510, 10170, 0, 0,
                                                             0,      0,    0, 0,    0,    1,     0};

// A headset of the product as it ships: a firmware version its family runs, the FM block where
// the product has an FM radio, radio gain and channel timeout where it keeps those, and speed dials.
UsbHeadsetPersona usb_headset(uint16_t product_id, std::string name);

PsStore::Keys ps_keys_of(const UsbHeadsetPersona& persona);
// The version keys of a chip that now runs firmware major.minor (its secondary pair beside it), as
// recognition reads them: the camera keeps all four numbers in one key; the others keep tenths, and
// the old version key, where the store has it, says the same.
void store_firmware_version(PsStore& store, uint16_t product_id, uint8_t major, uint8_t minor, uint8_t secondary_type,
                            uint8_t secondary);
std::shared_ptr<Device> make_usb_headset(const UsbHeadsetPersona& persona);

// The one product made of two devices; the link opens every other product as one device.
inline constexpr uint16_t kTwoDeviceProduct = 0x5310;

// The product made of two devices: both halves of the persona, each with its own address (the
// second's LAP one above the first's), plugged one after the other. Any other product throws
// std::invalid_argument: two of them are two headsets, of which the link opens only the first.
std::array<std::shared_ptr<Device>, 2> plug_usb_pair(const UsbHeadsetPersona& persona);

// The persistent-store writes a device received (SETREQ on the store's value varid), in order.
struct PsWrite {
    uint16_t key;
    std::vector<uint16_t> words;
    Bytes frame; // the whole control transfer
};
std::vector<PsWrite> ps_writes(const Device& device);

} // namespace sim
