#include "flasher/line_sequence.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

#include "common/clock.h"

namespace {

constexpr long long kStepPauseMs = 100;
constexpr long long kEndPauseMs = 500;

struct NamedLine {
    const char* name;
    PortLine line;
};
constexpr std::array<NamedLine, 3> kLines = {
    {{"rts", PortLine::Rts}, {"dtr", PortLine::Dtr}, {"brk", PortLine::Break}}};

int fail_after_pause()
{
    kivo::sleep_ms(kEndPauseMs);
    return 0;
}

} // namespace

int line_sequence_run(FlasherPort* port, const char* text, size_t length)
{
    length = strnlen(text, length);
    size_t i = 0;
    for (;;) {
        if (i >= length) {
            kivo::sleep_ms(kEndPauseMs);
            return 1;
        }
        int level = 1;
        if (text[i] == '-') {
            level = 0;
            ++i;
        }
        std::optional<PortLine> line;
        for (const NamedLine& named : kLines)
            if (i + 3 <= length && std::strncmp(text + i, named.name, 3) == 0)
                line = named.line;
        bool gpio = false;
        if (line) {
            i += 3;
        } else if (i < length && text[i] >= '0' && text[i] <= '9') {
            while (i < length && text[i] >= '0' && text[i] <= '9')
                ++i;
            gpio = true;
        } else {
            std::fprintf(stderr, "Character '%c' is not a digit\n", i < length ? text[i] : ' ');
            return fail_after_pause();
        }
        if (i < length) {
            if (text[i] != ',') {
                std::fprintf(stderr, "Character '%c' is not a separator\n", text[i]);
                return fail_after_pause();
            }
            ++i;
        }
        if (gpio) {
            // There is no GPIO driver: only the named lines of the port work.
            std::fputs("GPIO control not available on this system\n", stderr);
            kivo::sleep_ms(kStepPauseMs);
            return fail_after_pause();
        }
        const PortResult result = port->set_line(port, *line, level);
        kivo::sleep_ms(kStepPauseMs);
        if (result != PORT_ERR_OK)
            return fail_after_pause();
    }
}

int line_sequence_entry(FlasherPort* port, const char* text)
{
    if (text == nullptr || text[0] == ':')
        return 1;
    const char* colon = std::strchr(text, ':');
    return line_sequence_run(port, text, colon != nullptr ? static_cast<size_t>(colon - text) : std::strlen(text));
}

int line_sequence_exit(BootConnection* connection, FlasherPort* port, const char* text)
{
    const char* colon = text != nullptr ? std::strchr(text, ':') : nullptr;
    if (colon == nullptr)
        return stm32_reboot_target(connection) == BOOT_OK ? 1 : 0;
    const char* exit_part = colon + 1;
    if (*exit_part == '\0')
        return 1;
    return line_sequence_run(port, exit_part, std::strlen(exit_part));
}
