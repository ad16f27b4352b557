#pragma once
// The settings page's two classifications of a device, which HID recognition records in the
// device session: whether the FM radio page shows (3 shown, 4 hidden) and the accessory kind (0 none).
// They ask a device's persistent store only for products outside the HID opener's list, so every
// product found over HID gets the answers below and nothing is sent.

namespace kivo {

inline constexpr int kFmRadioShown = 3;
inline constexpr int kFmRadioHidden = 4;
inline constexpr int kNoDeviceInfo = 0;

inline int get_device_info_for_fm_radio_with_pskey(int /*product_id*/) { return kFmRadioShown; }
inline int get_device_info_for_hd_speaker_with_pskey(int /*product_id*/) { return kNoDeviceInfo; }

} // namespace kivo
