#pragma once
// The flasher's command line: options in the POSIX getopt manner, one action with its parameters,
// refusals of contradictory or malformed options, and the usage text. Messages go to the system
// log (standard error).

#include <cstdint>
#include <string>

#include "flasher/port.h"

enum class FlasherAction : uint32_t {
    None = 0, // device information
    Read = 1, // -r
    Write = 2, // -w
    WriteUnprotect = 3, // -u
    ReadProtect = 4, // -j
    ReadUnprotect = 5, // -k
    EraseOnly = 6, // -o
    Crc = 7, // -C
};

struct FlasherOptions {
    FlasherAction action = FlasherAction::None;
    uint32_t pages_to_erase = 0; // -e
    uint32_t start_page = 0; // -s
    bool no_erase = false; // -e 0
    bool verify = false; // -v
    bool execute = false; // -g
    uint32_t execute_address = 0;
    bool force_binary = false; // -f, or a file name beginning with '-'
    bool reset_at_exit = false; // -R
    std::string line_sequence; // -i "[entry][:[exit]]"; empty when not given
    uint32_t start_address = 0; // -S address[:length]
    uint32_t length = 0;
    std::string file_name; // -r, -w
    uint32_t retry_count = 10; // -n
    bool send_init = true; // -c clears it
};

// What a parse fills and the run reads; a new one holds the starting values.
struct FlasherCommandLine {
    FlasherOptions options;
    PortOptions port;
};

inline constexpr int kFlasherParseAccepted = 0;
inline constexpr int kFlasherParseRefused = 1;
inline constexpr int kFlasherParseHelpShown = 2;

// Parses into line: 0 accepted, 1 refused after a message (line keeps the options read so far),
// 2 usage shown (-h).
int flasher_parse_options(int argc, char* argv[], FlasherCommandLine& line);
// The usage text with the program name in each of its places.
std::string flasher_usage_text(const char* program_name);
void flasher_print_usage(const char* program_name);
// The conflict message for the action already chosen and new_action.
void flasher_report_conflicting_actions(FlasherAction chosen, FlasherAction new_action);
// The name the conflict message gives an action ("" outside 1 to 7).
const char* flasher_action_name(FlasherAction action);
