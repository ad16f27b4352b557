#pragma once
// The items of a choice row and how a stored value selects one. Items are fixed texts, level words
// for gain codes, voice-prompt language names, or the row's own title numbered; some lists grow
// with the firmware of the recognized device, and an equalizer's list may follow a speaker select
// of the working copy.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/table/firmware_range.h"
#include "settings/table/setting_catalogue.h"
#include "text/localized.h"

namespace kivo::settings {

enum class ItemKind : std::uint8_t {
    Texts, // fixed texts
    Levels, // the level word of each gain code
    Languages, // the name of each voice-prompt language code
    PackLanguages, // the languages of the recognized device's language pack
    TitleNumbered, // "<title> 1" to "<title> n"
};

struct ItemSource {
    ItemKind kind;
    std::span<const Translated* const> texts = {}; // Texts
    std::span<const int> codes = {}; // Levels: gain codes; Languages: language codes
    int count = 0; // TitleNumbered
    bool disableFirst = false; // the word "Disable" before the items
    VersionBound lastItemFrom = {}; // the last item only from this firmware of the recognized record
    // Another set of texts, shown while the select `switchKey` of the working copy is `switchValue`.
    std::span<const Translated* const> switchTexts = {};
    SettingKey switchKey = {};
    int switchValue = 0;
};

struct ItemInputs {
    const KIVOBluetoothDeviceData& working;
    const KIVOBluetoothDeviceData& recognized;
    AccessContext access;
    ManagerLanguage language;
    const Translated* title; // TitleNumbered
};

std::vector<std::string> items_of(const ItemSource& source, const ItemInputs& inputs);

// The language codes a pack type lists: pack 0 lacks Russian; pack 2 has Russian and eight more;
// any other pack English and the same eight.
std::span<const int> pack_languages(int packType);

// How a stored value gives the index of the item it selects.
enum class IndexRule : std::uint8_t {
    Direct, // the value
    OneBased, // value - 1
    ReversedTen, // 10 - value
    SpeakerEight, // value - 8
    EssStatus, // the value when it is 1, 2 or 3, else 0
    EssLevel, // value - 1 when it is 1, 2 or 3, else 1
};

// The index of the selected item, -1 for an index outside the items (nothing is selected then).
int selected_item(IndexRule rule, int value, int itemCount);

std::string_view index_rule_name(IndexRule rule);

} // namespace kivo::settings
