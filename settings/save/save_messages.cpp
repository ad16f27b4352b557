#include "settings/save/save_messages.h"

#include "recognition/usb_ps_keys.h"
#include "settings/texts/save_texts.h"
#include "text/app_text.h"
#include "text/text_format.h"

namespace kivo::settings {

std::optional<int> failed_key_of(SettingsSaveResult result)
{
    switch (result) {
    case kSaveIntercomVoxKeyFailed: return ps_key::kIntercomVox;
    case kSavePhoneVoxKeyFailed: return ps_key::kPhoneVox;
    case kSaveFeaturesKeyFailed: return ps_key::kLocalSupportedFeatures;
    case kSaveRadioGainKeyFailed: return ps_key::kRadioTransmitGain;
    case kSaveChannelTimeoutKeyFailed: return ps_key::kAudioChannelTimeout;
    case kSaveWriteFailed: return ps_key::kBasicSettings;
    default: return std::nullopt;
    }
}

namespace {

std::string reason_in(SettingsSaveResult result, int language)
{
    if (const std::optional<int> key = failed_key_of(result))
        return SaveTexts::tavk_string_cannot_save_in(*key, language);
    switch (result) {
    case kSaveUsbOpenFailed: return AppText::tavk_string_cannot_open_usb_in(language);
    case kSaveManagementMode: return AppText::tavk_string_firmware_management_mode_in(language);
    default: return AppText::tavk_string_not_recognized_device_in(language);
    }
}

} // namespace

StatusTextSet save_status_set(SettingsSaveResult result, int mode, int usb_status)
{
    return status_in_every_language([&](int language) {
        if (result == kSaveSucceeded)
            return AppText::tavk_status_success_usb_in(mode, usb_status, language);
        return fill_format(
            "%@. %@", {AppText::tavk_status_failure_usb_in(mode, usb_status, language), reason_in(result, language)});
    });
}

bool save_missed_the_device(SettingsSaveResult result)
{
    return result == kSaveUsbOpenFailed || result == kSaveManagementMode || result == kSaveNotRecognized;
}

} // namespace kivo::settings
