#include "settings/timeout_field.h"

#include "device/leading_int.h"

namespace kivo::settings {

int timeout_field_value(std::string_view text) { return leading_int(text); }

} // namespace kivo::settings
