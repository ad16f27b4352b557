#include "flasher/main/flasher_run.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include "flasher/line_sequence.h"
#include "flasher/main/actions.h"
#include "flasher/serial_settings.h"
#include "flasher/stop_request.h"

namespace {

extern "C" void request_stop(int) { flasher_request_stop(); }

// Ctrl-C and SIGTERM ask the run to stop, so that it still closes the port (restoring its settings)
// on the way out; a reader that goes away (SIGPIPE) becomes a failed write instead of a kill.
class SignalGuard {
public:
    SignalGuard()
    {
        flasher_clear_stop();
        struct sigaction stop { };
        stop.sa_handler = request_stop;
        sigemptyset(&stop.sa_mask);
        stop.sa_flags = 0; // no SA_RESTART: a blocked read returns at once
        ::sigaction(SIGINT, &stop, &old_int_);
        ::sigaction(SIGTERM, &stop, &old_term_);
        struct sigaction ignore { };
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, &old_pipe_);
    }
    ~SignalGuard()
    {
        ::sigaction(SIGINT, &old_int_, nullptr);
        ::sigaction(SIGTERM, &old_term_, nullptr);
        ::sigaction(SIGPIPE, &old_pipe_, nullptr);
    }
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

private:
    struct sigaction old_int_ { };
    struct sigaction old_term_ { };
    struct sigaction old_pipe_ { };
};

// Ends a run that failed: the reason, unless the run was interrupted.
int failed(const char* reason = nullptr)
{
    if (flasher_stop_requested())
        std::fputs("Interrupted\n", stderr);
    else if (reason != nullptr)
        std::fputs(reason, stderr);
    return 1;
}

bool takes_ranges(FlasherAction action)
{
    return action == FlasherAction::Write || action == FlasherAction::Read || action == FlasherAction::EraseOnly ||
        action == FlasherAction::Crc;
}

bool protection_action(FlasherAction action)
{
    return action == FlasherAction::WriteUnprotect || action == FlasherAction::ReadProtect ||
        action == FlasherAction::ReadUnprotect;
}

// -e, -s and -S shape writes, reads, erases and CRCs only; a value of 0 counts as not given.
bool range_options_fit(const FlasherOptions& o)
{
    if (takes_ranges(o.action))
        return true;
    const char option = o.pages_to_erase != 0   ? 'e'
        : o.start_page != 0                     ? 's'
        : o.start_address != 0 || o.length != 0 ? 'S'
                                                : 0;
    if (option == 0)
        return true;
    std::fprintf(stderr, "ERROR: -%c has no effect with this action\n", option);
    return false;
}

const char* exit_part(const std::string& sequence)
{
    const size_t colon = sequence.find(':');
    return colon != std::string::npos && colon + 1 < sequence.size() ? sequence.c_str() + colon + 1 : nullptr;
}

struct Disconnect {
    void operator()(BootConnection* connection) const { stm32_disconnect(connection); }
};

bool carry_out(const RunSession& session, const LoadedImage& image)
{
    BootConnection* c = session.connection;
    switch (session.options.action) {
    case FlasherAction::None: print_device_report(*c); return true;
    case FlasherAction::Write: return write_image(session, image);
    case FlasherAction::Read: return read_memory(session);
    case FlasherAction::EraseOnly: return erase_only(session);
    case FlasherAction::Crc: return crc_of_memory(session);
    case FlasherAction::WriteUnprotect: return stm32_flash_write_unprotect(c) == BOOT_OK;
    case FlasherAction::ReadProtect: return stm32_flash_readout_protect(c) == BOOT_OK;
    case FlasherAction::ReadUnprotect: return stm32_flash_readout_unprotect(c) == BOOT_OK;
    }
    return false;
}

// Everything after the port is open; the caller closes it.
int run_on_port(const FlasherOptions& o, FlasherPort& port, const LoadedImage& image)
{
    const char* sequence = o.line_sequence.empty() ? nullptr : o.line_sequence.c_str();
    if (sequence != nullptr && line_sequence_entry(&port, sequence) != 1)
        return failed("Error: the entry sequence failed\n");
    if (flasher_stop_requested())
        return failed();

    const std::unique_ptr<BootConnection, Disconnect> connection(stm32_connect(&port, o.send_init));
    if (!connection)
        return failed("Error: no bootloader connection\n");
    print_identity(*connection);

    const RunSession session{o, connection.get(), *connection->chip};
    if (!carry_out(session, image))
        return failed(protection_action(o.action) ? "Error: the protection command failed\n" : nullptr);
    if (flasher_stop_requested())
        return failed();

    const char* exit_steps = exit_part(o.line_sequence);
    if (protection_action(o.action)) {
        // The bootloader resets the chip after these: nothing more can be sent.
        if (o.execute || o.reset_at_exit || exit_steps != nullptr)
            std::fputs("Note: the chip resets after this command; no Go and no exit step follow\n", stderr);
        return 0;
    }

    bool went = false;
    if (o.execute) {
        const uint32_t address = o.execute_address != 0 ? o.execute_address : session.chip.flash_start;
        if (stm32_jump(connection.get(), address) != BOOT_OK) {
            std::fprintf(stderr, "Error: Go to 0x%08x failed\n", address);
            return failed();
        }
        std::fprintf(stderr, "Started execution at 0x%08x\n", address);
        went = true;
    }
    if (o.reset_at_exit || exit_steps != nullptr) {
        // After a Go the bootloader has left: no reset through RAM, but the exit steps still run.
        const int done = went ? (exit_steps == nullptr || line_sequence_run(&port, exit_steps, std::strlen(exit_steps)))
                              : line_sequence_exit(connection.get(), &port, sequence);
        if (done != 1)
            return failed("Error: the exit step failed\n");
    }
    return 0;
}

} // namespace

int flasher_run(int argc, char* argv[])
{
    FlasherCommandLine line;
    const int parsed = flasher_parse_options(argc, argv, line);
    if (parsed == kFlasherParseHelpShown)
        return 0;
    if (parsed != kFlasherParseAccepted)
        return 1;
    const FlasherOptions& options = line.options;
    const PortOptions& port_options = line.port;
    if (!range_options_fit(options))
        return 1;

    SignalGuard signals;
    LoadedImage image;
    if (options.action == FlasherAction::Write && !load_image(options.file_name, options.force_binary, image))
        return failed();
    if (flasher_stop_requested())
        return failed();

    FlasherPort port;
    if (flasher_port_select(port_options, port) != 0) {
        if (!serial_accepts_baud_index(port_options.baud_index))
            std::fputs(
                "The serial port takes 1200, 1800, 2400, 4800, 9600, 19200, 38400, 57600, 115200 or 230400 baud\n",
                stderr);
        std::fprintf(stderr, "Error: cannot open the port \"%s\"\n", port_options.device.c_str());
        return 1;
    }
    const int status = run_on_port(options, port, image);
    port.close(&port);
    return status;
}
