// libFuzzer entry point: the archive's date reader and writer. The first input byte picks the
// local time zone; the rest is read as a date text, and its first 8 bytes also as an instant to
// write. Beyond not crashing: a date read writes back a text that reads as the same instant, and
// the writer, given any instant, writes a text the reader takes (the nearest instant it can write).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include "device/keyed_archive.h"

namespace {

constexpr const char* kZones[] = {"UTC0", "KVT-14", "KVT+12", "KVT-05:30", "KVT+03:17:30"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    setenv("TZ", kZones[data[0] % std::size(kZones)], 1);
    tzset();
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    if (const auto date = parse_iso8601(text)) {
        const std::string written = format_iso8601(*date);
        if (parse_iso8601(written) != date)
            std::abort();
    }
    if (size >= 9) {
        int64_t seconds = 0;
        std::memcpy(&seconds, data + 1, sizeof seconds);
        // Instants within the clock's reach; the rest of int64 seconds overflows time_point.
        seconds %= int64_t{1} << 40;
        const ArchiveDate instant{std::chrono::seconds{seconds}};
        const std::string written = format_iso8601(instant);
        const auto read = parse_iso8601(written);
        if (!read)
            std::abort(); // the writer wrote a text its own reader refuses
        if (format_iso8601(*read) != written)
            std::abort();
    }
    return 0;
}
