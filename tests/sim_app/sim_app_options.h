#pragma once
// The command line of kivo-sim-app.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SimDeviceOption {
    enum Face { Hid, Usb } face;
    uint16_t product_id;
};

struct SimAppOptions {
    std::vector<SimDeviceOption> devices;
    std::string server_base;
    std::string screenshot;
    int screenshot_delay_ms = 1500;
};

// Parses argv (without the program name). On an error, error says what is wrong.
std::optional<SimAppOptions> parse_sim_app_options(const std::vector<std::string>& args, std::string& error);

inline constexpr char kSimAppUsage[] =
    "usage: kivo-sim-app [--device hid:0xPID]... [--device usb:0xPID]... [--server-base URL]\n"
    "                    [--screenshot FILE [--screenshot-delay MS]]\n";
