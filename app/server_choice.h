#pragma once
// The firmware server: the regional one when the local time zone is one of the five zones of
// mainland China, the global one otherwise.

#include <string>

namespace kivo {

bool is_china_server();
// The chosen server's base address (ends in "/kivobluetoothmanager/").
std::string firmware_server_base();
// The global server's base whatever the time zone (the intermediate images live only there), or
// the base set_firmware_server_base chose.
std::string global_firmware_server_base();
// Points every server read at another base (ending in "/"); empty goes back to the time-zone
// choice. Only kivo-sim-app and tests call this: the shipped manager has no such option.
void set_firmware_server_base(std::string base);

} // namespace kivo
