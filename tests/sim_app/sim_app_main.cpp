// kivo-sim-app: the real application with the simulated bus in place of the device libraries, on
// the virtual clock, with virtual devices chosen on the command line.

#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "app/application.h"
#include "app/main/page_factory.h"
#include "app/manager_window.h"
#include "app/server_choice.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_interface.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim_app/sim_app_options.h"

namespace {

// A HID device that answers every command with success.
void plug_hid_device(uint16_t product_id)
{
    sim::bus().plug_hid(product_id, [](const sim::Bytes& out) {
        sim::HidReply reply;
        const uint8_t command = out.size() > 1 ? out[1] : 0;
        reply.reports.push_back(out.size() == 65 ? sim::status_report65(command, 0) : sim::status_report(command, 0));
        if (out.size() == 62)
            reply.answers.push_back(sim::answer(out.size() > 2 ? out[2] : 0, 0));
        return reply;
    });
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parse_sim_app_options(args, error);
    if (!options) {
        std::fprintf(stderr, "kivo-sim-app: %s\n%s", error.c_str(), kSimAppUsage);
        return 2;
    }
    if (!kivo::display_available("kivo-sim-app"))
        return 1;

    sim::Session session;
    for (const SimDeviceOption& device : options->devices) {
        if (device.face == SimDeviceOption::Hid)
            plug_hid_device(device.product_id);
        else
            sim::bus().plug(sim::make_bccmd_device(device.product_id, {}));
    }

    if (!options->server_base.empty())
        kivo::set_firmware_server_base(options->server_base);

    QApplication application(argc, argv);
    kivo::name_application();
    KIVOBluetoothManagerAppDelegate delegate(application_pages());
    delegate.start();

    if (!options->screenshot.empty()) {
        QTimer::singleShot(options->screenshot_delay_ms, &application, [&] {
            const bool saved = delegate.appController().window()->grab().save(QString::fromStdString(options->screenshot));
            if (!saved)
                std::fprintf(stderr, "kivo-sim-app: cannot save %s\n", options->screenshot.c_str());
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
