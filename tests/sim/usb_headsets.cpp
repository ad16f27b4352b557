#include "tests/sim/usb_headsets.h"

#include <algorithm>
#include <stdexcept>

#include "tests/sim/bus.h"

namespace sim {
namespace {

constexpr std::array<uint16_t, 6> kFmRadioProducts = {0x5040, 0x5050, 0x4D15, 0x4D45, 0x4D65, 0x4D85};
constexpr uint16_t kGainAndTimeoutProduct = 0x5210;

// Products whose chip reports another id than the one on the bus.
uint16_t chip_id_of(uint16_t product_id)
{
    switch (product_id) {
    case 0x6021: return 0x6020;
    case 0x6023: return 0x6022;
    case 0x6025: return 0x6024;
    default: return product_id;
    }
}

// Firmware (in tenths) that the product's family runs: the first chips had reached 5.1, the
// later ones 2.1; the rest run 1.1.
constexpr std::array<uint16_t, 14> kFirmware51 = {0x4D10, 0x4D20, 0x4D30, 0x4D40, 0x4D50, 0x5010, 0x5020,
                                                  0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5070, 0x5080};
constexpr std::array<uint16_t, 6> kFirmware21 = {0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65};

template <size_t N> bool in(const std::array<uint16_t, N>& set, uint16_t id)
{
    return std::find(set.begin(), set.end(), id) != set.end();
}

uint16_t firmware_of(uint16_t product_id)
{
    return in(kFirmware51, product_id) ? 51 : in(kFirmware21, product_id) ? 21 : 11;
}

std::vector<uint16_t> text_words(const std::string& text)
{
    std::vector<uint16_t> words((text.size() + 1) / 2);
    for (size_t i = 0; i < text.size(); ++i)
        words[i / 2] = static_cast<uint16_t>(words[i / 2] | (static_cast<uint8_t>(text[i]) << (i % 2 ? 8 : 0)));
    return words;
}

// The chip's address key: LAP bits 16-23, LAP bits 0-15, UAP, NAP.
std::vector<uint16_t> address_words(const BdAddr& a)
{
    return {static_cast<uint16_t>(a.lap >> 16), static_cast<uint16_t>(a.lap & 0xFFFF), a.uap, a.nap};
}

uint16_t word_at(const Bytes& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

} // namespace

UsbHeadsetPersona usb_headset(uint16_t product_id, std::string name)
{
    UsbHeadsetPersona persona;
    persona.product_id = product_id;
    persona.chip_id = chip_id_of(product_id);
    persona.name = std::move(name);
    persona.version_tenths = firmware_of(product_id);
    if (in(kFmRadioProducts, product_id))
        persona.fm_block = kFactoryFmBlock;
    if (product_id == kGainAndTimeoutProduct) {
        persona.basic_word.reset();
        persona.transmit_gain = 16;
        persona.channel_timeout_ms = 10000;
    } else {
        persona.speed_dials = {"0123456789", "+4930123456", ""};
    }
    return persona;
}

PsStore::Keys ps_keys_of(const UsbHeadsetPersona& p)
{
    PsStore::Keys keys;
    keys[kKeyChipProductId] = {p.chip_id};
    keys[kKeyDeviceName] = text_words(p.name);
    keys[kKeyBdAddress] = address_words(p.address);
    keys[kKeyFirmwareVersion] = {p.version_tenths, static_cast<uint16_t>(p.secondary | (p.secondary_type << 8))};
    if (p.basic_word)
        keys[kKeyBasicSettings] = {*p.basic_word, 0};
    if (p.intercom_vox)
        keys[kKeyIntercomVox] = {*p.intercom_vox};
    if (p.phone_vox)
        keys[kKeyPhoneVox] = {*p.phone_vox};
    if (p.edr_off) {
        const auto& features = *p.edr_off ? kEdrOffFeatures : kEdrOnFeatures;
        keys[kKeyLocalFeatures] = {features.begin(), features.end()};
    }
    if (p.fm_block)
        keys[kKeyFmBlock] = {p.fm_block->begin(), p.fm_block->end()};
    for (size_t i = 0; i < p.speed_dials.size() && i < kKeySpeedDials.size(); ++i) {
        std::vector<uint16_t> units(20, 0);
        for (size_t c = 0; c < p.speed_dials[i].size() && c < units.size(); ++c)
            units[c] = static_cast<uint8_t>(p.speed_dials[i][c]);
        keys[kKeySpeedDials[i]] = units;
    }
    if (p.transmit_gain)
        keys[kKeyTransmitGain] = {*p.transmit_gain};
    if (p.channel_timeout_ms)
        keys[kKeyChannelTimeout] = {*p.channel_timeout_ms};
    return keys;
}

void store_firmware_version(PsStore& store, uint16_t product_id, uint8_t major, uint8_t minor, uint8_t secondary_type,
                            uint8_t secondary)
{
    constexpr uint16_t kCamera = 0x3020;
    auto pair = [](uint8_t low, uint8_t high) { return static_cast<uint16_t>(low | (high << 8)); };
    if (product_id == kCamera) {
        store.keys[kKeyFirmwareVersion] = {pair(secondary, secondary_type), pair(minor, major)};
        return;
    }
    const auto tenths = static_cast<uint16_t>(major * 10 + minor);
    store.keys[kKeyFirmwareVersion] = {tenths, pair(secondary, secondary_type)};
    if (store.keys.contains(kKeyOldFirmwareVersion))
        store.keys[kKeyOldFirmwareVersion] = {tenths, 0};
}

std::shared_ptr<Device> make_usb_headset(const UsbHeadsetPersona& persona)
{
    auto device = make_bccmd_device(persona.product_id, ps_keys_of(persona));
    if (persona.in_loader) {
        DfuPersona& dfu = *device->usb.dfu;
        dfu.runtime_layout = device->usb.layout;
        dfu.dfu_mode = true;
        dfu.status.state = kDfuIdle;
        device->usb.layout = dfu_mode_layout();
        device->product_id = dfu.dfu_product;
    }
    return device;
}

std::array<std::shared_ptr<Device>, 2> plug_usb_pair(const UsbHeadsetPersona& persona)
{
    if (persona.product_id != kTwoDeviceProduct)
        throw std::invalid_argument("plug_usb_pair: only the two-device product comes as a pair");
    UsbHeadsetPersona second = persona;
    second.address.lap = persona.address.lap + 1;
    return {bus().plug(make_usb_headset(persona)), bus().plug(make_usb_headset(second))};
}

std::vector<PsWrite> ps_writes(const Device& device)
{
    constexpr uint16_t kSetRequest = 0x0002;
    constexpr uint16_t kValueVarid = 0x7003;
    constexpr size_t kPayloadAt = 14;
    std::vector<PsWrite> writes;
    for (const ControlRecord& record : device.usb.transcript()) {
        const Bytes& b = record.data;
        if (record.api != UsbApi::Libusb1 || b.size() < kPayloadAt + 6 || word_at(b, 4) != kSetRequest ||
            word_at(b, 10) != kValueVarid)
            continue;
        PsWrite write{word_at(b, kPayloadAt), {}, b};
        const size_t count = word_at(b, kPayloadAt + 2);
        for (size_t i = 0; i < count && kPayloadAt + 6 + 2 * i + 1 < b.size(); ++i)
            write.words.push_back(word_at(b, kPayloadAt + 6 + 2 * i));
        writes.push_back(std::move(write));
    }
    return writes;
}

} // namespace sim
