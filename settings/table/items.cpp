#include "settings/table/items.h"

#include <array>

#include "settings/table/item_texts.h"
#include "text/app_text.h"
#include "text/text_format.h"

namespace kivo::settings {
namespace {

// English ... Finnish and Czech, without Russian.
constexpr std::array kPackWithoutRussian = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11};
// Russian, then Danish ... Greek.
constexpr std::array kPackWithRussian = {6, 13, 14, 15, 16, 17, 18, 19, 20, 21};
// English, then Danish ... Greek.
constexpr std::array kPackWithEnglish = {0, 13, 14, 15, 16, 17, 18, 19, 20, 21};

std::string unit_language_name(int code, ManagerLanguage language)
{
    if (code < 0 || code >= item_texts::kUnitLanguageCount)
        return {};
    return localized(*item_texts::kUnitLanguageNames[static_cast<std::size_t>(code)], language);
}

} // namespace

std::span<const int> pack_languages(int packType)
{
    switch (packType) {
    case 0: return kPackWithoutRussian;
    case 2: return kPackWithRussian;
    default: return kPackWithEnglish;
    }
}

std::vector<std::string> items_of(const ItemSource& source, const ItemInputs& in)
{
    std::vector<std::string> items;
    if (source.disableFirst)
        items.push_back(AppText::tavk_string_disable_in(in.language));
    switch (source.kind) {
    case ItemKind::Texts: {
        const bool switched =
            !source.switchTexts.empty() && read(source.switchKey, in.working, in.access) == source.switchValue;
        for (const Translated* text : switched ? source.switchTexts : source.texts)
            items.push_back(localized(*text, in.language));
        break;
    }
    case ItemKind::Levels:
        for (int code : source.codes)
            items.push_back(KIVOBluetoothDeviceData::getRTGStringFromRTG_In(code, in.language));
        break;
    case ItemKind::Languages:
        for (int code : source.codes)
            items.push_back(unit_language_name(code, in.language));
        break;
    case ItemKind::PackLanguages:
        for (int code : pack_languages(in.recognized.devicelanguagePackType()))
            items.push_back(unit_language_name(code, in.language));
        break;
    case ItemKind::TitleNumbered: {
        const char* title = in.title ? localized(*in.title, in.language) : "";
        for (int n = 1; n <= source.count; ++n)
            items.push_back(fill_format("%@ %d", {title, n}));
        break;
    }
    }
    if (source.lastItemFrom.kind != BoundKind::None && !items.empty() &&
        !at_or_above(in.recognized.deviceVersion(), source.lastItemFrom))
        items.pop_back();
    return items;
}

int selected_item(IndexRule rule, int value, int itemCount)
{
    // Wide enough that no value of a word overflows on its way to the range check.
    const long long v = value;
    const bool low_three = v >= 1 && v <= 3;
    long long index = v;
    switch (rule) {
    case IndexRule::Direct: break;
    case IndexRule::OneBased: index = v - 1; break;
    case IndexRule::ReversedTen: index = 10 - v; break;
    case IndexRule::SpeakerEight: index = v - 8; break;
    case IndexRule::EssStatus: index = low_three ? v : 0; break;
    case IndexRule::EssLevel: index = low_three ? v - 1 : 1; break;
    }
    return index >= 0 && index < itemCount ? static_cast<int>(index) : -1;
}

std::string_view index_rule_name(IndexRule rule)
{
    switch (rule) {
    case IndexRule::Direct: return "direct";
    case IndexRule::OneBased: return "one-based";
    case IndexRule::ReversedTen: return "reversed ten";
    case IndexRule::SpeakerEight: return "speaker eight";
    case IndexRule::EssStatus: return "ESS status";
    case IndexRule::EssLevel: return "ESS level";
    }
    return "?";
}

} // namespace kivo::settings
