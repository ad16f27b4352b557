// Loading and checking 64 MiB firmware files, beside the references they should keep up with:
// coreutils md5sum on the same container and zlib's crc32() over the DFU image in memory.
//
//   build/bench/firmware_file_bench

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <zlib.h>

#include "link/dfu_file.h"
#include "link/firmware_container.h"
#include "link/md5.h"
#include "tests/link/firmware_file_builder.h"

namespace {

constexpr size_t kFileSize = size_t{64} << 20;
constexpr size_t kSections = 8;
constexpr uint32_t kProduct = 0x6806;
constexpr char kName[] = "Nimbra X#0A21";

// The two files, written once into a temporary folder (and so read from the page cache, as
// md5sum reads them).
struct BenchFiles {
    BenchFiles()
    {
        const size_t tables = fwfile::entry_position(kSections, false, kSections);
        fwfile::ContainerRecipe recipe{"BENCH v1.0.0.0", kProduct, false, {}};
        for (size_t i = 0; i < kSections; ++i)
            recipe.sections.push_back(fwfile::pattern((kFileSize - tables) / kSections, static_cast<uint32_t>(i)));
        container = fwfile::make_container(recipe);
        container_path = folder.put("container.bin", container);

        const size_t payload = kFileSize - kDfuNameOffset - (sizeof kName - 1) - DfuFileSuffix::kSize;
        dfu = fwfile::make_dfu_image(kName, payload, 0x0A21);
        dfu_path = folder.put("image.dfu", dfu);
    }

    fwfile::TempFolder folder;
    fwfile::Bytes container;
    fwfile::Bytes dfu;
    std::string container_path;
    std::string dfu_path;
};

const BenchFiles& files()
{
    static const BenchFiles made;
    return made;
}

void ContainerLoad(benchmark::State& state)
{
    const BenchFiles& f = files();
    for (auto _ : state) {
        FirmwareBuffer buffer;
        char text[64] = {};
        if (fw_image_load(f.container_path.c_str(), buffer, text, kProduct) != f.container.size())
            state.SkipWithError(text);
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.container.size()));
}

void Md5sumTool(benchmark::State& state)
{
    const BenchFiles& f = files();
    const std::string command = "md5sum " + f.container_path + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("md5sum failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.container.size()));
}

void Md5InMemory(benchmark::State& state)
{
    const BenchFiles& f = files();
    for (auto _ : state)
        benchmark::DoNotOptimize(md5_digest(f.container));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.container.size()));
}

void DfuLoad(benchmark::State& state)
{
    const BenchFiles& f = files();
    for (auto _ : state) {
        FirmwareBuffer buffer;
        char text[64] = {};
        if (dfu_file_load(f.dfu_path.c_str(), buffer, text, kName) != f.dfu.size() - DfuFileSuffix::kSize)
            state.SkipWithError(text);
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.dfu.size()));
}

// The share of both loaders that is only reading the file into a new buffer.
void FileRead(benchmark::State& state)
{
    const BenchFiles& f = files();
    for (auto _ : state) {
        FirmwareBuffer buffer;
        size_t size = 0;
        char text[64] = {};
        if (!firmware_file_read(f.dfu_path.c_str(), buffer, size, text))
            state.SkipWithError(text);
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.dfu.size()));
}

void ZlibCrc32(benchmark::State& state)
{
    const BenchFiles& f = files();
    for (auto _ : state)
        benchmark::DoNotOptimize(crc32(0, f.dfu.data(), static_cast<uInt>(f.dfu.size())));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.dfu.size()));
}

} // namespace

BENCHMARK(ContainerLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Md5sumTool)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Md5InMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DfuLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FileRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ZlibCrc32)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
