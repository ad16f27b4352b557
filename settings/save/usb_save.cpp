#include "settings/save/usb_save.h"

#include <algorithm>

#include "common/management_mode.h"
#include "common/system_log.h"
#include "device/products/settings_save_families.h"
#include "device/products/usb_chip_identity.h"
#include "link/bccmd.h"
#include "link/usb_link.h"
#include "recognition/usb_path.h"
#include "recognition/usb_ps_keys.h"

namespace kivo::settings {
namespace {

using Record = KIVOBluetoothDeviceData;

constexpr int kUsbOpenTries = 5;

std::vector<uint16_t> one_word(int value) { return {static_cast<uint16_t>(value)}; }

// Key 239: the features that turn EDR on (0) or off.
bool edr_differs(const Record& data, const Record& current) { return current.edr() != data.edr(); }
std::vector<uint16_t> edr_features(const Record& current)
{
    const auto& features = current.edr() == 0 ? ps_key::kEdrOnFeatures : ps_key::kEdrOffFeatures;
    return {features.begin(), features.end()};
}

bool intercom_vox_differs(const Record& data, const Record& current)
{
    return current.intercomVOX() != data.intercomVOX();
}
std::vector<uint16_t> intercom_vox(const Record& current) { return one_word(current.intercomVOX()); }

bool phone_vox_differs(const Record& data, const Record& current)
{
    return current.handsfreeVOX() != data.handsfreeVOX();
}
std::vector<uint16_t> phone_vox(const Record& current) { return one_word(current.handsfreeVOX()); }

// Only the 16-bit word is compared.
bool basic_word_differs(const Record& data, const Record& current)
{
    return current.getSettings40() != data.getSettings40();
}
std::vector<uint16_t> basic_word(const Record& current) { return {current.getSettings40(), 0}; }

bool radio_gain_differs(const Record& data, const Record& current)
{
    return current.radioTransmitGain() != data.radioTransmitGain();
}
std::vector<uint16_t> radio_gain(const Record& current) { return one_word(current.radioTransmitGain()); }

bool channel_timeout_differs(const Record& data, const Record& current)
{
    return current.audioChannelTimeout() != data.audioChannelTimeout();
}
std::vector<uint16_t> channel_timeout(const Record& current)
{
    return {ps_key::audio_channel_timeout_word(current.audioChannelTimeout())};
}

constexpr PsKeySave kFeaturesKey{ps_key::kLocalSupportedFeatures, kSaveFeaturesKeyFailed, edr_differs, edr_features};
constexpr PsKeySave kIntercomVoxKey{ps_key::kIntercomVox, kSaveIntercomVoxKeyFailed, intercom_vox_differs,
                                    intercom_vox};
constexpr PsKeySave kPhoneVoxKey{ps_key::kPhoneVox, kSavePhoneVoxKeyFailed, phone_vox_differs, phone_vox};
constexpr PsKeySave kBasicWordKey{ps_key::kBasicSettings, kSaveWriteFailed, basic_word_differs, basic_word};
constexpr PsKeySave kRadioGainKey{ps_key::kRadioTransmitGain, kSaveRadioGainKeyFailed, radio_gain_differs, radio_gain};
constexpr PsKeySave kChannelTimeoutKey{ps_key::kAudioChannelTimeout, kSaveChannelTimeoutKeyFailed,
                                       channel_timeout_differs, channel_timeout};

bool same_firmware(const Record& data, const FirmwareQuad& v)
{
    return data.compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
               v.major, v.minor, v.secondaryType, v.secondary) == 0;
}

// The first failing key of one device, or success.
SettingsSaveResult write_keys(const std::vector<PsKeySave>& keys, const Record& data, const Record& current)
{
    for (const PsKeySave& key : keys) {
        if (!key.differs(data, current))
            continue;
        if (!write_ps_key_kept(key.key, key.words(current))) {
            system_logf("save: key %d not written", key.key);
            return key.failure;
        }
    }
    return kSaveSucceeded;
}

} // namespace

bool write_ps_key_kept(uint16_t key, std::span<const uint16_t> words)
{
    if (bccmd_set_pskey(key, words) != 0)
        return false;
    std::array<uint8_t, kPsKeyBufferSize> held{};
    if (bccmd_read_pskey(key, held) != static_cast<int>(2 * words.size()))
        return false;
    for (size_t i = 0; i < words.size(); ++i)
        if (static_cast<uint16_t>(held[2 * i] | (held[2 * i + 1] << 8)) != words[i])
            return false;
    return true;
}

UsbSaveOpen open_usb_devices_for_save(std::array<uint32_t, 2>& product_ids)
{
    std::array<char, 256> text{};
    if (usb_open_devices_retry(product_ids, text, kUsbOpenTries, kUsbModeNormal) != 0)
        return UsbSaveOpen::OpenFailed;
    if (product_ids[0] >= MANAGEMENT_MODE_BIT)
        return UsbSaveOpen::ManagementMode;
    return UsbSaveOpen::Opened;
}

bool usb_device_is_recognized(int index, uint32_t product_id, int usb_status, const Record& data)
{
    if (usb_select_device(index) == 0 || static_cast<int>(product_id) != usb_status)
        return false;
    int chip = bccmd_read_product_id();
    if (chip <= 0)
        chip = kUnknownChipProduct;
    if (chip != data.deviceRecognized()) {
        system_logf("save: chip %X, recognized %X", static_cast<unsigned>(chip),
                    static_cast<unsigned>(data.deviceRecognized()));
        return false;
    }
    uint32_t major = 0, minor = 0, type = 0, secondary = 0;
    bccmd_read_firmware_version(static_cast<uint32_t>(chip), major, minor, type, secondary);
    return same_firmware(
        data, {static_cast<int>(major), static_cast<int>(minor), static_cast<int>(type), static_cast<int>(secondary)});
}

int write_each_recognized_device(const std::array<uint32_t, 2>& product_ids, int usb_status, const Record& data,
                                 int not_recognized, const std::function<int()>& write_device)
{
    const int count = std::min<int>(usb_device_count(), static_cast<int>(product_ids.size()));
    for (int index = 0; index < count; ++index) {
        if (!usb_device_is_recognized(index, product_ids[static_cast<size_t>(index)], usb_status, data))
            return not_recognized;
        if (const int written = write_device(); written != 0)
            return written;
    }
    return 0;
}

std::vector<PsKeySave> ps_keys_to_save(int device_target, const Record& data)
{
    std::vector<PsKeySave> keys = {kFeaturesKey};
    const bool group_a = product_in(kSaveGroupAProducts, device_target);
    const bool before_4_0 = data.compareVersionUpToMinorWithMajor_Minor(4, 0) < 0;
    if (group_a && before_4_0) {
        keys.push_back(kIntercomVoxKey);
        keys.push_back(kPhoneVoxKey);
    } else if (group_a || product_in(kSaveGroupBProducts, device_target)) {
        keys.push_back(kBasicWordKey);
    } else if (device_target == kSaveRadioGainProduct) {
        keys.push_back(kRadioGainKey);
        keys.push_back(kChannelTimeoutKey);
    }
    return keys;
}

SettingsSaveResult save_over_persistent_store(const SettingsSaveInput& input)
{
    std::array<uint32_t, 2> product_ids{};
    switch (open_usb_devices_for_save(product_ids)) {
    case UsbSaveOpen::OpenFailed: return kSaveUsbOpenFailed;
    case UsbSaveOpen::ManagementMode: usb_close_devices(); return kSaveManagementMode;
    case UsbSaveOpen::Opened: break;
    }
    const std::vector<PsKeySave> keys = ps_keys_to_save(input.deviceTarget, input.data);
    const int result = write_each_recognized_device(product_ids, input.usbStatus, input.data, kSaveNotRecognized, [&] {
        return static_cast<int>(write_keys(keys, input.data, input.dataCurrent));
    });
    usb_close_devices();
    return static_cast<SettingsSaveResult>(result);
}

} // namespace kivo::settings
