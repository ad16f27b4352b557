#pragma once
// Opening an address (a web page in the browser, a mailto address in the mail program) goes
// through this one seam, so that tests can record the address instead of starting a program.

#include <functional>
#include <string>

namespace kivo {

using AddressOpener = std::function<void(const std::string& address)>;

void open_address(const std::string& address);
// Replaces the opener (an empty function restores the desktop's own).
void set_address_opener(AddressOpener opener);

} // namespace kivo
