#pragma once
// The persistent-store path F12: the older headsets whose settings live in their chip's keys,
// reached over plain USB, up to two devices of one product. The open, the loop over the
// recognized devices and the key write that reads back what it wrote are functions of their own,
// which the FM radio and speed-dial saves share with codes of their own.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "device/device_data.h"
#include "settings/save/save_run.h"

namespace kivo::settings {

enum class UsbSaveOpen { Opened, OpenFailed, ManagementMode };

// Opens the normal devices (5 tries; the normal mode answers at once). ManagementMode: the first
// device runs its firmware-management loader; it is open, so the caller closes.
UsbSaveOpen open_usb_devices_for_save(std::array<uint32_t, 2>& product_ids);

// Selects device `index` and checks it against the recognized record: its USB product id against
// usbStatus, its chip's product id (a chip that does not tell counts as kUnknownChipProduct)
// against the record's product, its firmware against the record's.
bool usb_device_is_recognized(int index, uint32_t product_id, int usb_status, const KIVOBluetoothDeviceData& data);

// Runs write_device on each opened device in turn, once the device has passed the checks of
// usb_device_is_recognized. Returns 0 when every device passed and was written; not_recognized
// for the first device that is not the recognized one; else the first code other than 0 that
// write_device returned. Devices written before a failure stay written.
int write_each_recognized_device(const std::array<uint32_t, 2>& product_ids, int usb_status,
                                 const KIVOBluetoothDeviceData& data, int not_recognized,
                                 const std::function<int()>& write_device);

// Writes the key to the selected device and reads it back: true only when the device now holds
// exactly these words. The chip's acknowledgement alone proves nothing, since answers are not
// matched to the message they answer.
bool write_ps_key_kept(uint16_t key, std::span<const uint16_t> words);

// One key the save writes when the working copy differs from the record in what the key holds.
struct PsKeySave {
    uint16_t key;
    SettingsSaveResult failure;
    bool (*differs)(const KIVOBluetoothDeviceData& data, const KIVOBluetoothDeviceData& current);
    std::vector<uint16_t> (*words)(const KIVOBluetoothDeviceData& current);
};

// The keys of the product at the record's firmware, in the order they are written.
std::vector<PsKeySave> ps_keys_to_save(int device_target, const KIVOBluetoothDeviceData& data);

// The whole path: closes the devices after every outcome but a failed open.
SettingsSaveResult save_over_persistent_store(const SettingsSaveInput& input);

} // namespace kivo::settings
