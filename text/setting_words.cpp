#include "text/setting_words.h"

#include "text/tables/setting_words_table.h"

namespace kivo {

using namespace text_tables;

std::string fm_region_name_in(int region, ManagerLanguage in)
{
    const auto& row = kFmRegionNames[in >= 0 && in < kInterfaceLanguageCount ? static_cast<size_t>(in) : 0];
    return row[region >= 0 && static_cast<size_t>(region) < row.size() ? static_cast<size_t>(region) : 0];
}

std::string empty_entry_in(ManagerLanguage in) { return label_in(kEmptyEntry, in); }

std::string speed_dial_label_in(ManagerLanguage in) { return label_in(kSpeedDialLabel, in); }

} // namespace kivo
