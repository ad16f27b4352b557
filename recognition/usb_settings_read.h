#pragma once
// Reading the settings of an older plain-USB headset from its persistent store, chosen by the
// product id its chip reports and its firmware version. Reads never fail: a key that does not
// answer with the expected length gives the defaults of its product.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "device/device_data.h"

namespace kivo {

// The FM radio block as the chip keeps it: magic, current frequency, current preset, ten presets,
// RDS, region.
struct PsKeyFmBlock {
    static constexpr size_t kWords = 15;
    // Magic codes of a block the chip has been set up with; anything else is repaired.
    static constexpr int kMagic = 0x56E9;
    static constexpr int kOtherMagic = 0x66E9;

    int magic = 0;
    int frequency = 0;
    int preset = 0;
    std::array<int, KIVOBluetoothDeviceData::kFmPresetCount> presets{};
    int rds = 0;
    int region = 0;

    static PsKeyFmBlock from_words(std::span<const uint16_t, kWords> words);
    static PsKeyFmBlock of_record(const KIVOBluetoothDeviceData& record);
    std::array<uint16_t, kWords> words() const;
};

// What recognition stores in the record after a read; settings a product does not have are 0,
// speed dials it does not have are empty.
struct UsbDeviceSettings {
    int handsfreeVOX = 0;
    int intercomVOX = 0;
    int edr = 0;
    int voicePrompt = 0;
    int plc = 0;
    int bitpoolRate = 0;
    int microphoneBoost = 0;
    int sidetone = 0;
    int advancedNoiseControl = 0;
    int autoGainControl = 0;
    int radioTransmitGain = 0;
    int audioChannelTimeout = 0;
    PsKeyFmBlock fm;
    std::array<std::string, KIVOBluetoothDeviceData::kSpeedDialCount> speedDials;

    // The settings above, and 0 for the settings these devices do not have.
    void store_in(KIVOBluetoothDeviceData& record) const;
};

// Reads the selected device's settings. The only write is the repair of an FM block the chip does
// not know.
UsbDeviceSettings read_usb_settings(int chip_product_id, int major, int minor);

} // namespace kivo
