#pragma once
// The firmware server: the regional one when the local time zone is one of the five zones of
// mainland China, the global one otherwise.

#include <string>

namespace kivo {

bool is_china_server();
// The chosen server's base address (ends in "/kivobluetoothmanager/").
std::string firmware_server_base();

} // namespace kivo
