#include "settings/texts/fm_radio_texts.h"

#include "settings/texts/fm_radio_text_tables.h"
#include "text/recognition_texts.h"
#include "text/text_format.h"

namespace kivo::settings {
namespace {

using namespace fm_radio_text_tables;

// The persistent-store key whose setting name the shortcut label shows.
constexpr int kFmRadioSettingKey = 671;

constexpr std::string_view kDecimalSlot = "%0.1f";

} // namespace

std::string FmRadioTexts::stringRegion(ManagerLanguage in) { return localized(kRegion, in); }

std::string FmRadioTexts::stringFMRadioPresets(ManagerLanguage in) { return localized(kFMRadioPresets, in); }

std::string FmRadioTexts::stringRDSAF(ManagerLanguage in) { return localized(kRDSAF, in); }

std::string FmRadioTexts::stringShortCutFMRadioPreset(ManagerLanguage in)
{
    return fill_format(localized(kShortCutFMRadioPreset, in),
                       {setting_key_name_in(kFmRadioSettingKey, in).value_or("")});
}

std::string FmRadioTexts::stringInformationRDS(ManagerLanguage in) { return localized(kInformationRDS, in); }

std::string FmRadioTexts::stringMessageFMRadioPreset(ManagerLanguage in, std::string_view minimum,
                                                     std::string_view maximum)
{
    return fill_decimal_slots(localized(kMessageFMRadioPreset, in), {minimum, maximum});
}

std::string FmRadioTexts::stringPresetRange(ManagerLanguage in, std::string_view minimum, std::string_view maximum)
{
    return fill_decimal_slots(localized(kPresetRange, in), {minimum, maximum});
}

std::string fill_decimal_slots(std::string_view format, std::initializer_list<std::string_view> values)
{
    std::string out;
    auto next = values.begin();
    size_t at = 0;
    while (at < format.size()) {
        if (next != values.end() && format.substr(at, kDecimalSlot.size()) == kDecimalSlot) {
            out += *next++;
            at += kDecimalSlot.size();
        } else {
            out += format[at++];
        }
    }
    return out;
}

} // namespace kivo::settings
