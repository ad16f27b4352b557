// The value rules of the restore table: how a stored value reads, in the words the settings screens
// show for it. The ranges are tested without arithmetic on the value, so no value of a word can
// overflow on its way to a text.

#include <array>

#include "settings/table/item_texts.h"
#include "settings/table/items.h"
#include "settings/table/restore_rows.h"
#include "settings/table/titles.h"
#include "text/app_text.h"

namespace kivo::settings {
namespace {

using item_texts::kUnitLanguageNames;

// The gain codes whose level words are Low, Medium and High.
constexpr int kLow = 12;
constexpr int kMedium = 15;
constexpr int kHigh = 17;

bool between(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

std::string text_of(const Translated& text, ManagerLanguage language) { return localized(text, language); }

std::string level(int code, ManagerLanguage language)
{
    return KIVOBluetoothDeviceData::getRTGStringFromRTG_In(code, language);
}

std::string on_off(bool enabled, ManagerLanguage language)
{
    return enabled ? AppText::tavk_string_enabled_in(language) : AppText::tavk_string_disabled_in(language);
}

std::string number(long long value) { return std::to_string(value); }

std::string unit_language(int code, ManagerLanguage language)
{
    return text_of(*kUnitLanguageNames[static_cast<std::size_t>(code)], language);
}

// The entry `value` of a list whose entry 0 is the fallback, for values 1 to the list's last.
template <std::size_t N>
std::string entry_or_first(const std::array<const Translated*, N>& list, int value, ManagerLanguage language)
{
    return text_of(*list[between(value, 1, static_cast<int>(N) - 1) ? static_cast<std::size_t>(value) : 0], language);
}

// The language code each rule shows for a value; English (code 0) for what the rule does not list.
int unit_language_code(RestoreRule rule, int value, int packType)
{
    switch (rule) {
    case RestoreRule::U1: return between(value, 0, 10) ? value : 0;
    case RestoreRule::U2:
        if (between(value, 0, 10))
            return value;
        return value == 11 ? 14 : value == 12 ? 15 : value == 13 ? 12 : 0;
    case RestoreRule::U3: {
        // The device stores its place in the list of its language pack.
        const std::span<const int> pack = pack_languages(packType);
        return between(value, 0, static_cast<int>(pack.size()) - 1) ? pack[static_cast<std::size_t>(value)] : 0;
    }
    case RestoreRule::U4:
        // Stored as the place in the list English to Korean, Czech, Brazilian Portuguese; a device
        // may also report the last two by their codes.
        if (between(value, 0, 8))
            return value;
        if (value == 9 || value == 11)
            return 11;
        return value == 10 || value == 12 ? 12 : 0;
    case RestoreRule::UQ: return value == 1 ? 7 : 0;
    default: return 0;
    }
}

} // namespace

std::string restore_value_text(RestoreRule rule, int value, ManagerLanguage language, int packType)
{
    const long long v = value;
    switch (rule) {
    case RestoreRule::O: return on_off(value != 0, language);
    case RestoreRule::I: return on_off(value != 1, language);
    case RestoreRule::Z: return on_off(value == 0, language);
    case RestoreRule::N: return number(v);
    case RestoreRule::NPlus1: return number(v + 1);
    case RestoreRule::NMinus1: return number(v - 1);
    case RestoreRule::NMinus7: return number(v - 7);
    case RestoreRule::ElevenMinusN: return number(11 - v);
    case RestoreRule::L3:
        if (value == 0)
            return AppText::tavk_string_disable_in(language);
        return level(value == 1 ? kLow : value == 2 ? kMedium : kHigh, language);
    case RestoreRule::LM:
        if (value == 1)
            return AppText::tavk_string_disable_in(language);
        return level(value == 2 ? kLow : kHigh, language);
    case RestoreRule::LG: return level(value == 0 ? kLow : value == 1 ? kMedium : kHigh, language);
    case RestoreRule::ES: return level(value == 1 ? kLow : value == 3 ? kHigh : kMedium, language);
    case RestoreRule::P: return text_of(value == 1 ? item_texts::kMusic : item_texts::kIntercom, language);
    case RestoreRule::E1: return entry_or_first(item_texts::kEqualizerSetA, value, language);
    case RestoreRule::E2: return entry_or_first(item_texts::kEqualizerSetB, value, language);
    case RestoreRule::EC: return entry_or_first(item_texts::kEssLightSet, value, language);
    case RestoreRule::CH:
        // Stored as 1 to 9, as the channel pop-up's item index + 1.
        if (between(value, 1, 9))
            return text_of(*item_texts::kChannelNames[static_cast<std::size_t>(value - 1)], language);
        return number(v);
    case RestoreRule::PH: return text_of(value == 0 ? item_texts::kSingleShot : item_texts::kBurstShot, language);
    case RestoreRule::VM:
        // Loop recording is the camera's third video mode.
        if (value == 2)
            return text_of(item_texts::kLoopRecordingMode, language);
        return text_of(value == 0 ? titles::kVideoMode : item_texts::kTimelapseMode, language);
    case RestoreRule::VR:
        return text_of(value == 0       ? item_texts::k1080p30
                           : value == 1 ? item_texts::k720p60
                                        : item_texts::k720p30,
                       language);
    case RestoreRule::TL: return text_of(value == 0 ? item_texts::kOneSecond : item_texts::kTenSeconds, language);
    case RestoreRule::LR:
        return text_of(value == 0       ? item_texts::kOneMinute
                           : value == 1 ? item_texts::kThreeMinutes
                                        : item_texts::kFiveMinutes,
                       language);
    case RestoreRule::U1:
    case RestoreRule::U2:
    case RestoreRule::U3:
    case RestoreRule::U4:
    case RestoreRule::UQ: return unit_language(unit_language_code(rule, value, packType), language);
    case RestoreRule::UD:
        return text_of(*item_texts::kDialects[between(value, 0, 6) ? static_cast<std::size_t>(value) : 0], language);
    case RestoreRule::Blank: return {};
    }
    return {};
}

std::string_view restore_rule_name(RestoreRule rule)
{
    switch (rule) {
    case RestoreRule::O: return "O";
    case RestoreRule::I: return "I";
    case RestoreRule::Z: return "Z";
    case RestoreRule::N: return "N";
    case RestoreRule::NPlus1: return "N+1";
    case RestoreRule::NMinus1: return "N-1";
    case RestoreRule::NMinus7: return "N-7";
    case RestoreRule::ElevenMinusN: return "11-N";
    case RestoreRule::L3: return "L3";
    case RestoreRule::LM: return "LM";
    case RestoreRule::LG: return "LG";
    case RestoreRule::ES: return "ES";
    case RestoreRule::P: return "P";
    case RestoreRule::E1: return "E1";
    case RestoreRule::E2: return "E2";
    case RestoreRule::EC: return "EC";
    case RestoreRule::CH: return "CH";
    case RestoreRule::PH: return "PH";
    case RestoreRule::VM: return "VM";
    case RestoreRule::VR: return "VR";
    case RestoreRule::TL: return "TL";
    case RestoreRule::LR: return "LR";
    case RestoreRule::U1: return "U1";
    case RestoreRule::U2: return "U2";
    case RestoreRule::U3: return "U3";
    case RestoreRule::U4: return "U4";
    case RestoreRule::UQ: return "UQ";
    case RestoreRule::UD: return "UD";
    case RestoreRule::Blank: return "-";
    }
    return "?";
}

} // namespace kivo::settings
