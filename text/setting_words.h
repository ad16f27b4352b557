#pragma once
// Words the FM radio and speed-dial pages share with the restore page's backup summary. Each takes
// the interface language and gives English for any value outside 0 to 12.

#include <string>

#include "text/localized.h"

namespace kivo {

// The name of FM region 0 to 5 ("Worldwide" ... "Japan"); a region outside 0 to 5 reads as 0, as
// the record stores it.
std::string fm_region_name_in(int region, ManagerLanguage in);
// An empty FM preset or speed-dial number ("Empty").
std::string empty_entry_in(ManagerLanguage in);
// "Speed Dial", the label before a number.
std::string speed_dial_label_in(ManagerLanguage in);

} // namespace kivo
