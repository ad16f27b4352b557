// The flasher's costs: loading a HEX file that holds a 2 MiB image.
//
//   build/bench/flasher_bench

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "flasher/image_reader.h"

namespace {

constexpr uint32_t kImageSize = 2u << 20;

// A HEX file as binutils writes one: 16 data bytes a record, an address record every 64 KiB.
std::string make_hex_text(uint32_t base, uint32_t size)
{
    std::string text;
    char line[64];
    auto put = [&](uint8_t count, uint16_t address, uint8_t type, const uint8_t* data) {
        unsigned sum = count + (address >> 8) + (address & 0xFF) + type;
        int n = std::snprintf(line, sizeof line, ":%02X%04X%02X", count, address, type);
        for (uint8_t i = 0; i < count; ++i) {
            n += std::snprintf(line + n, sizeof line - static_cast<size_t>(n), "%02X", data[i]);
            sum += data[i];
        }
        std::snprintf(line + n, sizeof line - static_cast<size_t>(n), "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
        text += line;
    };
    uint8_t data[16];
    for (uint32_t offset = 0; offset < size; offset += 16) {
        const uint32_t address = base + offset;
        if (offset == 0 || (address & 0xFFFF) == 0) {
            const uint8_t upper[2] = {static_cast<uint8_t>(address >> 24), static_cast<uint8_t>(address >> 16)};
            put(2, 0, 4, upper);
        }
        for (uint32_t i = 0; i < 16; ++i)
            data[i] = static_cast<uint8_t>((offset + i) * 7 + (offset >> 8));
        put(16, static_cast<uint16_t>(address), 0, data);
    }
    put(0, 0, 1, nullptr);
    return text;
}

struct HexFile {
    HexFile()
    {
        char name[] = "/tmp/kivo-flasher-bench-XXXXXX";
        const int fd = ::mkstemp(name);
        path = name;
        const std::string text = make_hex_text(0x08000000, kImageSize);
        size = text.size();
        if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            std::abort();
        ::close(fd);
    }
    ~HexFile() { ::unlink(path.c_str()); }
    std::string path;
    size_t size = 0;
};

void HexLoad2MiB(benchmark::State& state)
{
    static const HexFile file;
    for (auto _ : state) {
        void* reader = intel_hex_reader.init();
        if (intel_hex_reader.open(reader, file.path.c_str(), false) != IMG_OK ||
            intel_hex_reader.size(reader) != kImageSize)
            state.SkipWithError("the HEX file did not load");
        intel_hex_reader.close(reader);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size));
    state.counters["text_MiB"] = static_cast<double>(file.size) / (1 << 20);
}
BENCHMARK(HexLoad2MiB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
