#include "recognition/hid_settings_write_back.h"

#include <vector>

#include "link/hid_protocol.h"
#include "recognition/hid_group_records.h"
#include "recognition/hid_settings_records.h"
#include "text/recognition_texts.h"

namespace kivo {
namespace {

// The persistent-store keys whose setting names the failure texts share.
constexpr int kDeviceSettingKey = 654;
constexpr int kFmRadioSettingKey = 671;

std::vector<uint16_t> settings_words_to_write(const SettingsWriteBack& row, const KIVOBluetoothDeviceData& saved)
{
    std::vector<uint16_t> words;
    for (int i = 0; i < row.settingsWords; ++i)
        words.push_back(i == 0 && row.startsWithBasicWord ? saved.getSettings40()
                                                          : static_cast<uint16_t>(saved.basicSettingBrisko(i)));
    return words;
}

std::string cannot_restore_in(RestoredSetting setting, ManagerLanguage language)
{
    switch (setting) {
    case RestoredSetting::DeviceSetting:
        return RecognitionTexts::tavk_string_cannot_restore_in(kDeviceSettingKey, language);
    case RestoredSetting::FmRadioSetting:
        return RecognitionTexts::tavk_string_cannot_restore_in(kFmRadioSettingKey, language);
    case RestoredSetting::SpeedDial: break;
    }
    return RecognitionTexts::tavk_string_cannot_restore_speed_dial_in(language);
}

} // namespace

std::optional<RestoredSetting> write_back_hid_settings(int product_id, const KIVOBluetoothDeviceData& saved)
{
    const std::optional<SettingsWriteBack> row = settings_write_back_of(product_id);
    if (!row)
        return std::nullopt;
    if (row->settingsRecord != 0) {
        const std::vector<uint16_t> words = settings_words_to_write(*row, saved);
        const bool written = row->settingsOverShortReports ? write_short_record(row->settingsRecord, words)
                                                           : write_record(row->settingsRecord, words);
        if (!written)
            return RestoredSetting::DeviceSetting;
    }
    if (row->fmRecord != 0 && !write_record(row->fmRecord, fm_block_to_write(saved)))
        return RestoredSetting::FmRadioSetting;
    if (row->speedDialRecord != 0) {
        for (int i = 0; i < KIVOBluetoothDeviceData::kSpeedDialCount; ++i)
            if (!write_speed_dial_record(static_cast<uint8_t>(row->speedDialRecord + i), saved.speedDialAt(i)))
                return RestoredSetting::SpeedDial;
    }
    return std::nullopt;
}

int end_with_restore_failure(RecognitionRun& run, RestoredSetting setting)
{
    run.strStatus = status_in_every_language([&](int language) { return cannot_restore_in(setting, language); });
    run.doWarn = true;
    run.session.usbStatus = 0;
    hid_close_devices();
    return kRecognitionFailed;
}

} // namespace kivo
