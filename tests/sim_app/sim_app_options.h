#pragma once
// The command line of kivo-sim-app.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SimDeviceOption {
    enum Face { Hid, Usb } face;
    uint16_t product_id;
    // hid:0xPID@major.minor (or @major.minor.type.secondary), usb:0xPID@5.1 likewise (minor 0 to 9, never
    // on a loader's id): the version the headset starts at.
    std::optional<std::array<uint8_t, 4>> version = std::nullopt;
};

struct SimAppOptions {
    // --help and --list-devices print and end the program.
    bool help = false;
    bool list_devices = false;
    std::vector<SimDeviceOption> devices;
    // --select 0xPID: start as if the configuration's last product were this id.
    std::optional<uint16_t> select;
    std::string server_base;
    std::string screenshot;
    int screenshot_delay_ms = 1500;
};

// Parses argv (without the program name). On an error, error says what is wrong.
std::optional<SimAppOptions> parse_sim_app_options(const std::vector<std::string>& args, std::string& error);

inline constexpr char kSimAppUsage[] =
    "usage: kivo-sim-app [--device hid:0xPID[@VERSION]]... [--device usb:0xPID[@VERSION]]...\n"
    "                    [--select 0xPID] [--server-base URL] [--screenshot FILE [--screenshot-delay MS]]\n"
    "                    [--list-devices] [--help]\n";

inline constexpr char kSimAppHelp[] =
    "Runs the manager on a simulated USB bus with virtual devices, for watching a flow without one.\n"
    "\n"
    "  --device hid:0xPID    a headset on the HID link, answering everything; 0x3142 is the OEM headset\n"
    "                        that NEXT on the home page selects (others: --list-devices)\n"
    "  --device hid:0xPID@2.1  the same headset starting at firmware 2.1 (major.minor, or a whole\n"
    "                        major.minor.type.secondary; each number 0 to 255); hid:0x3340@1.2 takes\n"
    "                        an intermediate image from the server before a file above 1.3\n"
    "  --device usb:0xPID    an older headset over plain USB, its settings in its chip's persistent\n"
    "                        store: 0x4D10, 0x5310 (a product made of two devices), ...\n"
    "  --device usb:0x4D10@5.1  the same headset starting at firmware 5.1 (major.minor with a minor of\n"
    "                        0 to 9, or a whole major.minor.type.secondary)\n"
    "  --device usb:0xCD10   a headset running its firmware-management loader (its id with bit 15 set),\n"
    "                        its store kept for when it runs its firmware again; usb:0xD310 plugs both\n"
    "                        devices of 0x5310 so; recognition finds it ready for its update\n"
    "  --select 0xPID        start as if the product last selected were 0xPID (the home page otherwise\n"
    "                        selects only the OEM headset), e.g. --select 0x4D10 with --device usb:0x4D10\n"
    "  --server-base URL     read the manager version list and firmware lists from URL (ending in /)\n"
    "  --screenshot FILE     save a picture of the window after --screenshot-delay MS (1500) and end\n"
    "  --list-devices        list every product id the two links know, with its name, and end\n"
    "  --help                show this and end\n";
