// Start to first window: the manager (kivo-sim-app with the OEM headset, grabbing its window as
// soon as the event loop runs) beside a bare Qt Widgets program that shows one 900 x 640 label and
// grabs it the same way. Both are started as fresh processes, one after the other in each pair
// (the order alternating), so that a busy machine slows both alike; each run is timed from the
// start of the process to its end, and its peak resident memory is read when it has ended. Prints
// the medians of both and the manager's over the bare program's, for time and for memory.
//
//   xvfb-run -a build/bench/window_start_bench [--runs N] [--manager PATH]
//
// PATH is the release kivo-sim-app (default build-sim/tests/sim_app/kivo-sim-app, built by the sim
// preset). Started with --bare FILE, this program is itself the bare window.

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

// The bare window: one label of the manager's window size, grabbed once the event loop runs.
int bare_window(int argc, char** argv, const char* file)
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Kivo Bluetooth Manager"));
    label.resize(900, 640);
    label.show();
    QTimer::singleShot(0, &application,
                       [&] { QApplication::exit(label.grab().save(QString::fromUtf8(file)) ? 0 : 1); });
    return QApplication::exec();
}

struct Run {
    double seconds;
    double peakMiB;
};

// Starts argv as a process of its own and waits for its end; false when it did not end well.
bool run_once(const std::vector<std::string>& args, Run& run)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    // The programs' own output would only bury the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // kibibytes on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--bare")
        return bare_window(argc, argv, argv[2]);

    int runs = 12;
    std::string manager = "build-sim/tests/sim_app/kivo-sim-app";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--runs")
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--manager")
            manager = argv[i + 1];
    }
    if (!std::filesystem::exists(manager)) {
        std::fprintf(stderr, "window_start_bench: no manager at %s (build the sim preset, or give --manager)\n",
                     manager.c_str());
        return 2;
    }
    // The manager keeps its configuration and backups in a folder of this run's own.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("window-start-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    const std::string shot = (folder / "shot.png").string();
    const std::vector<std::string> bare = {std::filesystem::canonical("/proc/self/exe").string(), "--bare", shot};
    const std::vector<std::string> app = {manager, "--device",           "hid:0x3142", "--screenshot",
                                          shot,    "--screenshot-delay", "0"};

    // One run of each first, unmeasured: the files they read come into the cache alike.
    Run warm{};
    if (!run_once(bare, warm) || !run_once(app, warm)) {
        std::fprintf(stderr, "window_start_bench: a start failed (is there a display? run under xvfb-run -a)\n");
        return 1;
    }
    std::vector<double> bareSeconds, appSeconds, bareMiB, appMiB;
    for (int i = 0; i < runs; ++i) {
        Run b{}, a{};
        const bool ok = i % 2 == 0 ? run_once(bare, b) && run_once(app, a) : run_once(app, a) && run_once(bare, b);
        if (!ok) {
            std::fprintf(stderr, "window_start_bench: run %d failed\n", i);
            return 1;
        }
        bareSeconds.push_back(b.seconds);
        appSeconds.push_back(a.seconds);
        bareMiB.push_back(b.peakMiB);
        appMiB.push_back(a.peakMiB);
    }
    std::filesystem::remove_all(folder);

    const double bareTime = median(bareSeconds), appTime = median(appSeconds);
    const double bareMemory = median(bareMiB), appMemory = median(appMiB);
    std::printf("medians of %d paired runs\n", runs);
    std::printf("bare window  %.3f s  %.1f MiB\n", bareTime, bareMemory);
    std::printf("manager      %.3f s  %.1f MiB\n", appTime, appMemory);
    std::printf("start time   %.2fx the bare window (goal: at most 1.30x)\n", appTime / bareTime);
    std::printf("peak memory  %.2fx the bare window (goal: at most 1.50x)\n", appMemory / bareMemory);
    return 0;
}
