#include "text/recognition_texts.h"

#include <algorithm>

#include "device/device_data.h"
#include "text/app_text.h"
#include "text/tables/messages_table.h"
#include "text/tables/recognition_table.h"
#include "text/tables/setting_keys_table.h"
#include "text/text_format.h"

namespace kivo {

using namespace text_tables;

namespace {
constexpr int kSpeedDialTab = 2;
} // namespace

std::string RecognitionTexts::stringInstruction(ManagerLanguage in)
{
    return fill_format("%@%@%@", {localized(kConnectionStep, in), stringInstructionPressNextButtonAt(2, in), ""});
}

std::string RecognitionTexts::stringInstructionPressNextButtonAt(int step, ManagerLanguage in)
{
    return fill_format(localized(kPressNextButtonAt, in), {step, AppText::tavk_string_next_in(in)});
}

std::string RecognitionTexts::stringMessageDeviceOtherThan(std::string_view product_name, ManagerLanguage in)
{
    return fill_format(localized(kDeviceOtherThan, in), {product_name});
}

std::string RecognitionTexts::stringMessageRestartingManager(std::string_view title, ManagerLanguage in)
{
    return fill_format(localized(kRestartingManager, in), {title, title});
}

std::string RecognitionTexts::tavk_string_cannot_restore_in(int key, ManagerLanguage in)
{
    return fill_format(localized(kCannotRestore, in), {setting_key_name_in(key, in).value_or("")});
}

std::string RecognitionTexts::tavk_string_cannot_restore_speed_dial_in(ManagerLanguage in)
{
    const std::optional<SettingsTabText> tab = KIVOBluetoothDeviceData::getTabText_With_In(kSpeedDialTab, false, in);
    return fill_format(localized(kCannotRestore, in), {tab ? tab->text : std::string()});
}

std::optional<std::string> RecognitionTexts::tavk_string_for_status_in(std::string_view link_text, ManagerLanguage in)
{
    if (link_text == kFirmwareManagementMode.english)
        return AppText::tavk_string_firmware_management_mode_in(in);
    if (link_text == kDeviceRecognizedSuccessfully.english)
        return localized(kDeviceRecognizedSuccessfully, in);
    return std::nullopt;
}

std::optional<std::string> setting_key_name_in(int key, ManagerLanguage in)
{
    const auto entry = std::find_if(kSettingKeyNames.begin(), kSettingKeyNames.end(),
                                    [key](const SettingKeyName& e) { return e.key == key; });
    if (entry == kSettingKeyNames.end())
        return std::nullopt;
    return localized(*entry->name, in);
}

} // namespace kivo
