// A firmware download: a 64 MiB image from the local test server into a file, block by block, as
// the pages download it, beside the curl program fetching the same image from the same server into
// the same folder. The two alternate, one of each per iteration, so that a busy machine slows both
// alike; "MiB_per_s" and "curl_MiB_per_s" are their throughputs and "vs_curl" the first over the
// second. The manager's download also flushes the file to the disk before the rename that makes
// it the target; curl only writes it. The server runs in a child process, so the resident memory
// reported is the download's alone: "peak_rss_added_MiB" is the high-water mark of resident memory
// during the downloads above what the process held before them (it stays flat: the image is never
// held whole).

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/app/net/local_http_server.h"
#include "update/server/download_into_file.h"

namespace {

constexpr size_t kMiB = 1 << 20;

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM").
long status_kib(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// Lets the high-water mark start again from the resident memory of now.
void reset_peak_rss()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

// The test server serving one image, in a child process; its base is read back over a pipe.
class ServerProcess {
public:
    // A size of 0 starts none.
    explicit ServerProcess(size_t size)
    {
        int pipe_ends[2];
        if (size == 0)
            return;
        if (::pipe(pipe_ends) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(pipe_ends[0]);
            std::string body(size, '\0');
            for (size_t i = 0; i < size; ++i)
                body[i] = static_cast<char>(i * 31 + i / 4093);
            testnet::LocalHttpServer server;
            server.serve("/kivobluetoothmanager/image.img", testnet::Reply{.body = std::move(body)});
            const std::string base = server.base();
            [[maybe_unused]] const auto written = ::write(pipe_ends[1], base.c_str(), base.size() + 1);
            ::close(pipe_ends[1]);
            ::pause();
            ::_exit(0);
        }
        ::close(pipe_ends[1]);
        char buffer[256] = {};
        size_t got = 0;
        while (got < sizeof buffer - 1) {
            const ssize_t n = ::read(pipe_ends[0], buffer + got, sizeof buffer - 1 - got);
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
            if (std::memchr(buffer, '\0', got) != nullptr)
                break;
        }
        ::close(pipe_ends[0]);
        base_ = buffer;
    }
    ~ServerProcess()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& base() const { return base_; }

private:
    pid_t pid_ = -1;
    std::string base_;
};

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// One fetch by the curl program into file; false when it cannot run or fails.
bool curl_fetch(const std::string& address, const std::filesystem::path& file)
{
    const std::string output = file.string();
    const char* args[] = {"curl", "--silent", "--fail", "--output", output.c_str(), address.c_str(), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, "curl", nullptr, nullptr, const_cast<char* const*>(args), ::environ) != 0)
        return false;
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_FirmwareDownload(benchmark::State& state)
{
    const auto size = static_cast<size_t>(state.range(0));
    // KIVO_DOWNLOAD_BENCH_BASE names another server holding image.img of that size.
    const char* other = std::getenv("KIVO_DOWNLOAD_BENCH_BASE");
    const ServerProcess server(other != nullptr ? 0 : size);
    const std::string base = other != nullptr ? std::string(other) : server.base();
    if (base.empty()) {
        state.SkipWithError("the server did not start");
        return;
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kivo-download-bench";
    std::filesystem::create_directories(folder);
    const std::filesystem::path target = folder / "image.img";
    const long before = status_kib("VmRSS");
    reset_peak_rss();
    double ours = 0;
    double curl = 0;
    bool curl_ran = true;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        kivo::DownloadFile file;
        const int descriptor = file.create(target) ? file.openForWriting() : -1;
        const kivo::DownloadOutcome outcome =
            descriptor >= 0 ? kivo::download_into(descriptor, base, "image.img") : kivo::DownloadOutcome{};
        if (!outcome.ok || outcome.bytes != size || !file.commit()) {
            state.SkipWithError(("the download failed: " + outcome.error).c_str());
            break;
        }
        const double taken = seconds_since(start);
        ours += taken;
        state.SetIterationTime(taken);

        const Clock::time_point curl_start = Clock::now();
        curl_ran = curl_ran && curl_fetch(base + "image.img", folder / "curl.img") &&
            std::filesystem::file_size(folder / "curl.img") == size;
        curl += seconds_since(curl_start);
    }
    const double mib = static_cast<double>(state.iterations()) * static_cast<double>(size) / kMiB;
    state.counters["MiB_per_s"] = mib / ours;
    if (curl_ran) {
        state.counters["curl_MiB_per_s"] = mib / curl;
        state.counters["vs_curl"] = curl / ours;
    } else {
        state.SetLabel("curl did not run");
    }
    state.counters["rss_before_MiB"] = static_cast<double>(before) / 1024.0;
    state.counters["peak_rss_added_MiB"] = static_cast<double>(status_kib("VmHWM") - before) / 1024.0;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FirmwareDownload)->Arg(64 * kMiB)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
