#pragma once
// The message boxes of the fixed panel's information buttons: for each row with a button, its
// information text, filled where the text is a format, the box's size and what its answers do.

#include <string>
#include <string_view>

#include "settings/panel_rows.h"
#include "text/localized.h"

namespace kivo::settings {

struct InformationBox {
    std::string text;
    bool sendEmail = false; // a second button, "SEND Email", that writes to technical support
    int size = 0; // the message box size code
    int purpose = 0; // the message box purpose
};

// The box of the row's information button. A row without a button gets the timeout's box, the one
// the last button shows. product_name fills the gain and timeout texts, support_address the EDR
// text.
InformationBox information_box(ClassicRow row, ManagerLanguage in, std::string_view product_name,
                               std::string_view support_address);

} // namespace kivo::settings
