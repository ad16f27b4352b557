#include "flasher/options.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <getopt.h>
#include <string_view>
#include <unistd.h>

#include "common/system_log.h"
#include "flasher/serial_settings.h"

namespace {

constexpr char kOptionString[] = "+a:b:m:r:w:e:vn:g:jkfcChuos:S:F:i:R";
constexpr uint32_t kLargestPageCount = 255;
constexpr uint32_t kRxFrameDefault = 256;
constexpr uint32_t kTxFrameDefault = 258;
constexpr uint32_t kRxFrameMin = 20;
constexpr uint32_t kTxFrameMin = 6;

// The names the conflict message gives the actions, by code.
constexpr std::array<const char*, 8> kActionNames = {
    "",          "memory read", "memory write", "write unprotect", "read protect", "read unprotect", "flash erase",
    "memory crc"};

constexpr char kPageOrAddressMessage[] =
    "ERROR: Invalid options, can't specify start page / num pages and start address/length\n";

// All digits of one base: 0x hexadecimal, a leading 0 octal, else decimal. Values past 32 bits
// are kept (up to 2^63) so that callers can tell an overflow from a malformed number.
bool parse_wide_number(const char* text, size_t length, uint64_t& value)
{
    unsigned base = 10;
    size_t i = 0;
    if (length > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        i = 2;
    } else if (length > 1 && text[0] == '0') {
        base = 8;
        i = 1;
    }
    if (i >= length)
        return false;
    uint64_t result = 0;
    for (; i < length; ++i) {
        const char c = text[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return false;
        if (digit >= base)
            return false;
        result = result * base + digit;
        if (result > INT64_MAX / 16)
            result = INT64_MAX / 16; // stays past every limit without overflowing
    }
    value = result;
    return true;
}

// A number of at most 0xFFFFFFFF.
bool parse_number(const char* text, size_t length, uint32_t& value)
{
    uint64_t wide = 0;
    if (!parse_wide_number(text, length, wide) || wide > UINT32_MAX)
        return false;
    value = static_cast<uint32_t>(wide);
    return true;
}

bool parse_number(const char* text, uint32_t& value) { return parse_number(text, std::strlen(text), value); }

bool number_option(char option, const char* text, uint32_t& value)
{
    if (parse_number(text, value))
        return true;
    kivo::system_logf("ERROR: Invalid number for option -%c: %s\n", option, text);
    return false;
}

bool set_action(FlasherOptions& options, FlasherAction action)
{
    if (options.action != FlasherAction::None) {
        flasher_report_conflicting_actions(options.action, action);
        return false;
    }
    options.action = action;
    return true;
}

bool baud_option(PortOptions& port, const char* text)
{
    uint32_t rate = 0;
    const uint32_t index = parse_number(text, rate) ? baud_index_of_rate(rate) : kBaudTableSize;
    if (index < kBaudTableSize) {
        port.baud_index = index;
        return true;
    }
    std::string message = "Invalid baud rate, valid options are:\n";
    for (uint32_t i = 0; i < kBaudTableSize; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, " %u\n", baud_rate_of_index(i));
        message += line;
    }
    kivo::system_log(message);
    return false;
}

bool mode_option(PortOptions& port, const char* text)
{
    if (std::strlen(text) != 3 || mode_data_bits_index(text) >= 4 || mode_parity_index(text) >= 3 ||
        mode_stop_bits_index(text) >= 2) {
        kivo::system_log("Invalid serial mode\n");
        return false;
    }
    port.mode = text;
    return true;
}

// One value of -F: a leading '-', or a value that would be negative as a signed 32-bit number,
// is refused as negative.
bool frame_value(const char* text, size_t length, uint32_t& value)
{
    uint64_t wide = 0;
    const bool number = length > 0 && parse_wide_number(text, length, wide);
    if ((length > 0 && text[0] == '-') || (number && wide > INT32_MAX)) {
        kivo::system_log("ERROR: Invalid negative value for option -F\n");
        return false;
    }
    if (!number) {
        kivo::system_logf("ERROR: Invalid number for option -F: %.*s\n", static_cast<int>(length), text);
        return false;
    }
    value = static_cast<uint32_t>(wide);
    return true;
}

bool frame_option(PortOptions& port, const char* text)
{
    const char* colon = std::strchr(text, ':');
    uint32_t rx = 0;
    uint32_t tx = port.tx_frame_max;
    if (!frame_value(text, colon != nullptr ? static_cast<size_t>(colon - text) : std::strlen(text), rx))
        return false;
    if (colon != nullptr && !frame_value(colon + 1, std::strlen(colon + 1), tx))
        return false;
    if (rx == 0)
        rx = kRxFrameDefault;
    if (colon != nullptr && tx == 0)
        tx = kTxFrameDefault;
    if (rx < kRxFrameMin || tx < kTxFrameMin) {
        kivo::system_log("ERROR: current code cannot work with small frames.\n");
        kivo::system_log("min(RX) = 20, min(TX) = 6\n");
        return false;
    }
    if (rx > kRxFrameDefault) {
        kivo::system_log("WARNING: Ignore RX length in option -F\n");
        rx = kRxFrameDefault;
    }
    if (tx > kTxFrameDefault) {
        kivo::system_log("WARNING: Ignore TX length in option -F\n");
        tx = kTxFrameDefault;
    }
    port.rx_frame_max = rx;
    port.tx_frame_max = tx;
    return true;
}

bool address_option(FlasherOptions& options, const char* text)
{
    const char* colon = std::strchr(text, ':');
    const size_t address_length = colon != nullptr ? static_cast<size_t>(colon - text) : std::strlen(text);
    uint32_t address = 0;
    uint32_t length = 0;
    if (!parse_number(text, address_length, address) || (colon != nullptr && !parse_number(colon + 1, length))) {
        kivo::system_logf("ERROR: Invalid number for option -S: %s\n", text);
        return false;
    }
    if (options.start_page != 0 || options.pages_to_erase != 0) {
        kivo::system_log(kPageOrAddressMessage);
        return false;
    }
    options.start_address = address;
    if (colon != nullptr) {
        if (length == 0) {
            kivo::system_log("ERROR: Invalid options, can't specify zero length\n");
            return false;
        }
        options.length = length;
    }
    return true;
}

// One option; false after its message.
bool apply_option(FlasherCommandLine& line, int option, const char* argument)
{
    FlasherOptions& options = line.options;
    PortOptions& port = line.port;
    uint32_t value = 0;
    switch (option) {
    case 'a':
        if (!number_option('a', argument, value))
            return false;
        port.bus_address = value;
        return true;
    case 'b': return baud_option(port, argument);
    case 'm': return mode_option(port, argument);
    case 'r':
    case 'w':
        if (!set_action(options, option == 'r' ? FlasherAction::Read : FlasherAction::Write))
            return false;
        options.file_name = argument;
        if (argument[0] == '-')
            options.force_binary = true;
        return true;
    case 'e':
        if (!number_option('e', argument, value))
            return false;
        if (options.start_address != 0 || options.length != 0) {
            kivo::system_log(kPageOrAddressMessage);
            return false;
        }
        if (value > kLargestPageCount) {
            kivo::system_log("ERROR: You need to specify a page count between 0 and 255");
            return false;
        }
        options.pages_to_erase = value;
        if (value == 0)
            options.no_erase = true;
        return true;
    case 'v': options.verify = true; return true;
    case 'n':
        if (!number_option('n', argument, value))
            return false;
        options.retry_count = value;
        return true;
    case 'g':
        if (!number_option('g', argument, value))
            return false;
        if (value % 4 != 0) {
            kivo::system_log("ERROR: Execution address must be word-aligned\n");
            return false;
        }
        options.execute = true;
        options.execute_address = value;
        return true;
    case 'j': return set_action(options, FlasherAction::ReadProtect);
    case 'k': return set_action(options, FlasherAction::ReadUnprotect);
    case 'f': options.force_binary = true; return true;
    case 'c': options.send_init = false; return true;
    case 'C': return set_action(options, FlasherAction::Crc);
    case 'u': return set_action(options, FlasherAction::WriteUnprotect);
    case 'o': return set_action(options, FlasherAction::EraseOnly);
    case 's':
        if (!number_option('s', argument, value))
            return false;
        if (options.start_address != 0 || options.length != 0) {
            kivo::system_log(kPageOrAddressMessage);
            return false;
        }
        options.start_page = value;
        return true;
    case 'S': return address_option(options, argument);
    case 'F': return frame_option(port, argument);
    case 'i': options.line_sequence = argument; return true;
    case 'R': options.reset_at_exit = true; return true;
    default: return false;
    }
}

} // namespace

const char* flasher_action_name(FlasherAction action)
{
    const auto code = static_cast<size_t>(action);
    return code >= 1 && code < kActionNames.size() ? kActionNames[code] : "";
}

void flasher_report_conflicting_actions(FlasherAction chosen, FlasherAction new_action)
{
    kivo::system_logf("ERROR: Invalid options !\n\tCan't execute \"%s\" and \"%s\" at the same time.\n",
                      flasher_action_name(chosen), flasher_action_name(new_action));
}

int flasher_parse_options(int argc, char* argv[], FlasherCommandLine& line)
{
    optind = 0; // a full reset of getopt, so that every parse starts afresh
    opterr = 1;
    int option = 0;
    while ((option = ::getopt(argc, argv, kOptionString)) != -1) {
        if (option == 'h') {
            flasher_print_usage(argv[0]);
            return kFlasherParseHelpShown;
        }
        if (option == '?' || option == ':') { // getopt has said what was wrong
            flasher_print_usage(argv[0]);
            return kFlasherParseRefused;
        }
        if (!apply_option(line, option, optarg))
            return kFlasherParseRefused;
    }

    if (optind >= argc) {
        kivo::system_log("ERROR: Device not specified\n");
        flasher_print_usage(argv[0]);
        return kFlasherParseRefused;
    }
    for (int c = optind; c < argc; ++c) {
        kivo::system_logf("---------------%d.argv[c] = [%s]", c, argv[c]);
        if (c == optind) {
            line.port.device = argv[c];
        } else {
            kivo::system_log("ERROR: Invalid parameter specified\n");
            return kFlasherParseRefused;
        }
    }
    if (line.options.verify && line.options.action != FlasherAction::Write) {
        kivo::system_log("ERROR: Invalid usage, -v is only valid when writing\n");
        flasher_print_usage(argv[0]);
        return kFlasherParseRefused;
    }
    return kFlasherParseAccepted;
}

namespace {

// Logged with the program name in each %s.
// clang-format off
constexpr std::string_view kUsage =
    "Usage: %s [-bvngfhc] [-[rw] filename] [tty_device | i2c_device]\n"
    "\t-a bus_address\tBus address (e.g. for I2C port)\n"
    "\t-b rate\t\tBaud rate (default 115200)\n"
    "\t-m mode\t\tSerial port mode (default 8e1)\n"
    "\t-r filename\tRead flash to file (or - stdout)\n"
    "\t-w filename\tWrite flash from file (or - stdin)\n"
    "\t-C\t\tCompute CRC of flash content\n"
    "\t-u\t\tDisable the flash write-protection\n"
    "\t-j\t\tEnable the flash read-protection\n"
    "\t-k\t\tDisable the flash read-protection\n"
    "\t-o\t\tErase only\n"
    "\t-e n\t\tOnly erase n pages before writing the flash\n"
    "\t-v\t\tVerify writes\n"
    "\t-n count\tRetry failed writes up to count times (default 10)\n"
    "\t-g address\tStart execution at specified address (0 = flash start)\n"
    "\t-S address[:length]\tSpecify start address and optionally length for\n"
    "\t                   \tread/write/erase operations\n"
    "\t-F RX_length[:TX_length]  Specify the max length of RX and TX frame\n"
    "\t-s start_page\tFlash at specified page (0 = flash start)\n"
    "\t-f\t\tForce binary parser\n"
    "\t-h\t\tShow this help\n"
    "\t-c\t\tResume the connection (don't send initial INIT)\n"
    "\t\t\t*Baud rate must be kept the same as the first init*\n"
    "\t\t\tThis is useful if the reset fails\n"
    "\t-i GPIO_string\tGPIO sequence to enter/exit bootloader mode\n"
    "\t\t\tGPIO_string=[entry_seq][:[exit_seq]]\n"
    "\t\t\tsequence=[-]n[,sequence]\n"
    "\t-R\t\tReset device at exit.\n"
    "\n"
    "Examples:\n"
    "\tGet device information:\n"
    "\t\t%s /dev/ttyS0\n"
    "\t  or:\n"
    "\t\t%s /dev/i2c-0\n"
    "\n"
    "\tWrite with verify and then start execution:\n"
    "\t\t%s -w filename -v -g 0x0 /dev/ttyS0\n"
    "\n"
    "\tRead flash to file:\n"
    "\t\t%s -r filename /dev/ttyS0\n"
    "\n"
    "\tRead 100 bytes of flash from 0x1000 to stdout:\n"
    "\t\t%s -r - -S 0x1000:100 /dev/ttyS0\n"
    "\n"
    "\tStart execution:\n"
    "\t\t%s -g 0x0 /dev/ttyS0\n"
    "\n"
    "\tGPIO sequence:\n"
    "\t- entry sequence: GPIO_3=low, GPIO_2=low, GPIO_2=high\n"
    "\t- exit sequence: GPIO_3=high, GPIO_2=low, GPIO_2=high\n"
    "\t\t%s -R -i -3,-2,2:3,-2,2 /dev/ttyS0\n";
// clang-format on

} // namespace

std::string flasher_usage_text(const char* program_name)
{
    std::string text;
    for (size_t i = 0; i < kUsage.size(); ++i) {
        if (kUsage.compare(i, 2, "%s") == 0) {
            text += program_name;
            ++i;
        } else {
            text += kUsage[i];
        }
    }
    return text;
}

// Longer than system_logf's buffer: built whole, then logged.
void flasher_print_usage(const char* program_name) { kivo::system_log(flasher_usage_text(program_name)); }
