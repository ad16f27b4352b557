#pragma once
// The FM radio page's texts. Each takes the interface language and gives English for 0 and any
// value outside 1 to 12. The frequency formats keep their "%0.1f" slots, which are filled with
// text made from integers (fill_decimal_slots), never by printf.

#include <initializer_list>
#include <string>
#include <string_view>

#include "text/localized.h"

namespace kivo::settings {

class FmRadioTexts {
public:
    // The labels of the region choice, the preset block and the RDS switch.
    static std::string stringRegion(ManagerLanguage in);
    static std::string stringFMRadioPresets(ManagerLanguage in);
    static std::string stringRDSAF(ManagerLanguage in);
    // The preset block's label while shortcuts are shown, filled with the FM setting's name.
    static std::string stringShortCutFMRadioPreset(ManagerLanguage in);
    static std::string stringInformationRDS(ManagerLanguage in);
    // The edit sheet's warning and range label, filled with the region's lowest and highest
    // frequency as MHz texts ("87.5", "108.0").
    static std::string stringMessageFMRadioPreset(ManagerLanguage in, std::string_view minimum,
                                                  std::string_view maximum);
    static std::string stringPresetRange(ManagerLanguage in, std::string_view minimum, std::string_view maximum);
};

// Each "%0.1f" of the format, in order, replaced by the next value; slots past the values stay.
std::string fill_decimal_slots(std::string_view format, std::initializer_list<std::string_view> values);

} // namespace kivo::settings
