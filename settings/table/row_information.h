#pragma once
// What a row's information button shows: the text of the row's kind for the device's family, in
// the interface language, and the size of its box. Some texts depend on the firmware, the speaker
// code recognition left, or a speaker select of the working copy at the moment of the press;
// formats are filled with the titles the table itself shows.

#include <optional>
#include <string>

#include "settings/table/row_model.h"

namespace kivo::settings {

// The entry's text and size that hold for row `row` now. None without a layout, for a row outside
// the full list, a row no variant serves, or a kind without information.
std::optional<InfoShown> row_information_entry(const TableContext& context, int row);

struct RowInformation {
    std::string text;
    int size; // message box size code
};

// The text filled in the context's language. A translation with fewer placeholders than names
// takes the first names; a text is never handed to a printf-style function.
std::optional<RowInformation> row_information(const TableContext& context, int row);

} // namespace kivo::settings
