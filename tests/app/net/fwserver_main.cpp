// kivo-sim-fwserver: a firmware server on 127.0.0.1 for people to point kivo-sim-app at. It serves
// the files of a folder (an index named "Firmware" or "Revisions", images by name), prints its base
// on the first line of its output, and runs until it is stopped. --demo writes a folder that offers
// the OEM headset 2.2 to update to and 2.1 to restore, the 0x3340 headset 1.4 with the
// intermediate image it takes first from 1.2, and DFU images to two plain-USB products, and ends.
//
//   kivo-sim-fwserver --demo DIR
//   kivo-sim-fwserver --root DIR [--port N]
//   kivo-sim-app --device hid:0x3142@2.1 --server-base <the printed base>
//   kivo-sim-app --device hid:0x3340@1.2 --server-base <the printed base>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "tests/app/net/demo_firmware.h"
#include "tests/app/net/local_http_server.h"

namespace {

constexpr char kUsage[] = "usage: kivo-sim-fwserver --root DIR [--port N]\n"
                          "       kivo-sim-fwserver --demo DIR\n";

bool parse_port(const std::string& text, int& port)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(text);
    return port <= 65535;
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path root;
    int port = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "kivo-sim-fwserver: %s needs a value\n%s", option.c_str(), kUsage);
            return 2;
        }
        const std::string value = argv[++i];
        if (option == "--demo") {
            if (!demo_firmware::write_folder(value)) {
                std::fprintf(stderr, "kivo-sim-fwserver: cannot write the demo folder %s\n", value.c_str());
                return 1;
            }
            std::printf("Wrote %s: Firmware (lists 2.2 and, for 0x3340, 1.4, for 0x4D10, 5.2, for 0x5310, 1.2),\n"
                        "Revisions (lists 2.1), %s, %s, %s, %s, %s and the intermediate image of 0x3340.\n"
                        "Serve it:  kivo-sim-fwserver --root %s\n"
                        "Then, with <the base it prints> (kivo-sim-app is also in build-asan/tests/sim_app/):\n"
                        "  build-sim/tests/sim_app/kivo-sim-app --device hid:0x3142@2.1 --server-base <the base>\n"
                        "  build-sim/tests/sim_app/kivo-sim-app --device hid:0x3340@1.2 --server-base <the base>\n"
                        "  build-sim/tests/sim_app/kivo-sim-app --device usb:0xCD10 --server-base <the base>\n"
                        "  build-sim/tests/sim_app/kivo-sim-app --device usb:0x4D10@5.1 --select 0x4D10 "
                        "--server-base <the base>\n"
                        "  build-sim/tests/sim_app/kivo-sim-app --device usb:0x5310@1.1 --select 0x5310 "
                        "--server-base <the base>\n",
                        value.c_str(), demo_firmware::kLatestImage, demo_firmware::kEarlierImage,
                        demo_firmware::kIntermediateProductImage, demo_firmware::kPlainUsbImage,
                        demo_firmware::kTwoDeviceImage, value.c_str());
            return 0;
        } else if (option == "--root") {
            root = value;
        } else if (option == "--port") {
            if (!parse_port(value, port)) {
                std::fprintf(stderr, "kivo-sim-fwserver: bad port %s\n%s", value.c_str(), kUsage);
                return 2;
            }
        } else {
            std::fprintf(stderr, "kivo-sim-fwserver: unknown option %s\n%s", option.c_str(), kUsage);
            return 2;
        }
    }
    std::error_code ec;
    if (root.empty() || !std::filesystem::is_directory(root, ec)) {
        std::fprintf(stderr, "kivo-sim-fwserver: --root must name a folder\n%s", kUsage);
        return 2;
    }

    // Waited for below rather than handled, so the server's thread is stopped and joined.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
    try {
        testnet::LocalHttpServer server(port);
        server.serveFolder("/kivobluetoothmanager/", root);
        std::printf("%s\n", server.base().c_str());
        std::fflush(stdout);
        int signal = 0;
        sigwait(&stop_signals, &signal);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kivo-sim-fwserver: %s\n", error.what());
        return 1;
    }
    return 0;
}
