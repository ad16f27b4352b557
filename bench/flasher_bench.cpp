// The flasher's costs: loading a HEX file that holds a 2 MiB image, and 256 KiB writes (with and
// without -v) through kivo-flash's run function against the bootloader peer on a pseudo-terminal.
// Counters of the writes: protocol efficiency (payload bytes over every byte on the wire, both
// directions, counted by the peer), CPU time per KiB of the flasher's thread only, wall time per KiB.
//
//   build/bench/flasher_bench

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "flasher/image_reader.h"
#include "flasher/main/flasher_run.h"
#include "tests/flasher/boot_peer.h"

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

constexpr uint32_t kWriteSize = 256u << 10;

double thread_cpu_seconds()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double wall_seconds()
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct RawFile {
    explicit RawFile(uint32_t size)
    {
        char name[] = "/tmp/kivo-flasher-bench-XXXXXX";
        const int fd = ::mkstemp(name);
        path = name;
        std::vector<uint8_t> bytes(size);
        for (uint32_t i = 0; i < size; ++i)
            bytes[i] = static_cast<uint8_t>(i * 31 + (i >> 9));
        if (fd < 0 || ::write(fd, bytes.data(), size) != static_cast<ssize_t>(size))
            std::abort();
        ::close(fd);
    }
    ~RawFile() { ::unlink(path.c_str()); }
    std::string path;
};

// The run's messages go to standard error: kept out of the benchmark's report.
class QuietStderr {
public:
    QuietStderr()
        : saved_(::dup(2))
    {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 2);
        ::close(null);
    }
    ~QuietStderr()
    {
        ::dup2(saved_, 2);
        ::close(saved_);
    }

private:
    int saved_;
};

// A chip with 1 MiB of flash; the write covers its first six pages (16, 16, 16, 16, 64, 128 KiB).
void Write256KiB(benchmark::State& state)
{
    static const RawFile image(kWriteSize);
    const bool verify = state.range(0) != 0;
    flasher_test::PeerConfig config;
    config.product_id = 0x413;
    config.init_in_step = flasher_test::InitInStep::Nack;
    flasher_test::BootPeer peer(config);
    std::vector<std::string> args = {"kivo-flash", "-w", image.path};
    if (verify)
        args.push_back("-v");
    args.push_back(peer.device());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    double cpu = 0;
    double wall = 0;
    double efficiency = 0;
    for (auto _ : state) {
        peer.clear_record();
        const double cpu_start = thread_cpu_seconds();
        const double wall_start = wall_seconds();
        int status = 0;
        {
            QuietStderr quiet;
            status = flasher_run(static_cast<int>(args.size()), argv.data());
        }
        cpu += thread_cpu_seconds() - cpu_start;
        wall += wall_seconds() - wall_start;
        if (status != 0)
            state.SkipWithError("the write failed");
        const flasher_test::PeerCounters counters = peer.counters();
        efficiency = static_cast<double>(counters.write_payload) /
            static_cast<double>(counters.host_bytes + counters.peer_bytes);
    }
    const double kib = static_cast<double>(state.iterations()) * kWriteSize / 1024.0;
    state.counters["efficiency"] = efficiency;
    state.counters["cpu_ms_per_KiB"] = cpu * 1000.0 / kib;
    state.counters["wall_ms_per_KiB"] = wall * 1000.0 / kib;
}
BENCHMARK(Write256KiB)->ArgName("verify")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
