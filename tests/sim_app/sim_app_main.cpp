// kivo-sim-app: the real application with the simulated bus in place of the device libraries, on
// the virtual clock, with virtual devices chosen on the command line.

#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "app/app_controller.h"
#include "app/application.h"
#include "app/configuration_archive.h"
#include "app/manager_window.h"
#include "app/server_choice.h"
#include "device/products/update_instructions.h"
#include "link/hid_discovery.h"
#include "link/usb_products.h"
#include "main/page_factory.h"
#include "recognition/hid_reads.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/sim/usb_devices.h"
#include "tests/sim/usb_headsets.h"
#include "tests/sim_app/sim_app_options.h"
#include "text/product_names.h"

namespace {

// A headset as recognition meets it: the OEM headset with settings of its own and its module,
// ready for an update and a restore; any other product with its display name, version 1.0, the
// readiness answer its group expects, a module where it has one (the Airoha module, which its
// update writes), the user's steps of an update where it needs them, and three speed-dial numbers.
sim::HeadsetPersona persona_for(uint16_t product_id)
{
    if (product_id == 0x3142)
        return sim::oem_headset_with_settings();
    sim::HeadsetPersona persona;
    persona.product_id = product_id;
    persona.name = kivo::ProductNames::tavk_product_name(product_id);
    persona.readiness = kivo::readiness_rule(product_id) == kivo::Readiness::ReadyWhenNonZero ? 1 : 0;
    persona.shortReports = kivo::speaks_protocol_b(product_id);
    if (kivo::has_mesh_module(product_id))
        persona.module = sim::airoha_mesh_module();
    // The user acts on the headset a few seconds into each instruction box of an update.
    if (kivo::update_needs_instructions(product_id)) {
        persona.instructionDoneAt = 5;
        persona.readyAfterRunLoaderAt = 5;
    }
    sim::keep_speed_dials(persona, {"0123456789", "+4930123456", "112"});
    return persona;
}

// A plain-USB device as recognition meets it: a headset with its display name and the keys its chip
// keeps, at version when one is given, both halves of it for the product made of two devices. With
// bit 15 set it is that headset running its firmware-management loader, its store kept for when it
// runs its firmware again; a loader id of no such headset is a bare loader.
void plug_usb_device(uint16_t product_id, const std::optional<std::array<uint8_t, 4>>& version)
{
    const auto product = static_cast<uint16_t>(product_id & ~sim::kManagementModeBit);
    const bool in_loader = product != product_id;
    if (in_loader && !usb_product_table_contains(sim::kVendorId, product)) {
        sim::bus().plug(sim::make_dfu_device(product_id));
        return;
    }
    sim::UsbHeadsetPersona persona = sim::usb_headset(product, kivo::ProductNames::tavk_product_name(product));
    persona.in_loader = in_loader;
    if (version) {
        persona.version_tenths = static_cast<uint16_t>((*version)[0] * 10 + (*version)[1]);
        persona.secondary_type = (*version)[2];
        persona.secondary = (*version)[3];
    }
    if (product == sim::kTwoDeviceProduct)
        sim::plug_usb_pair(persona);
    else
        sim::bus().plug(sim::make_usb_headset(persona));
}

bool usb_device_known(uint16_t product_id)
{
    if (product_id & sim::kManagementModeBit)
        return usb_management_probe_product(product_id);
    return usb_product_table_contains(sim::kVendorId, product_id);
}

bool device_known(const SimDeviceOption& device)
{
    return device.face == SimDeviceOption::Hid ? hid_device_product(device.product_id)
                                               : usb_device_known(device.product_id);
}

void list_devices()
{
    std::printf("Devices kivo-sim-app simulates (--device FACE:0xPID):\n");
    for (uint32_t id = 1; id < sim::kManagementModeBit; ++id) {
        const auto pid = static_cast<uint16_t>(id);
        const std::string name = kivo::ProductNames::tavk_product_name(pid);
        if (hid_device_product(pid))
            std::printf("  hid:0x%04X  %s\n", pid, name.c_str());
        const auto loader = static_cast<uint16_t>(pid | sim::kManagementModeBit);
        if (usb_device_known(pid) && usb_device_known(loader))
            std::printf("  usb:0x%04X  %s (usb:0x%04X: in its firmware-management loader)\n", pid, name.c_str(),
                        loader);
        else if (usb_device_known(pid))
            std::printf("  usb:0x%04X  %s\n", pid, name.c_str());
    }
}

} // namespace

// Under a real display Qt's platform plugin starts the desktop bus library, which keeps one buffer
// to the end; the leak check of the sanitizer builds should not fail the program for it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parse_sim_app_options(args, error);
    if (!options) {
        std::fprintf(stderr, "kivo-sim-app: %s\n%s", error.c_str(), kSimAppUsage);
        return 2;
    }
    if (options->help) {
        std::printf("%s\n%s", kSimAppUsage, kSimAppHelp);
        return 0;
    }
    if (options->list_devices) {
        list_devices();
        return 0;
    }
    for (const SimDeviceOption& device : options->devices) {
        if (!device_known(device)) {
            std::fprintf(stderr,
                         "kivo-sim-app: %s:0x%04X is not a device the manager finds over %s (see --list-devices)\n",
                         device.face == SimDeviceOption::Hid ? "hid" : "usb", device.product_id,
                         device.face == SimDeviceOption::Hid ? "HID" : "plain USB");
            return 2;
        }
    }
    if (!kivo::display_available("kivo-sim-app"))
        return 1;

    sim::Session session;
    for (const SimDeviceOption& device : options->devices) {
        if (device.face == SimDeviceOption::Hid) {
            sim::HeadsetPersona persona = persona_for(device.product_id);
            if (device.version)
                persona.version = {(*device.version)[0], (*device.version)[1], (*device.version)[2],
                                   (*device.version)[3]};
            sim::plug_headset(persona);
        } else {
            plug_usb_device(device.product_id, device.version);
        }
    }

    if (!options->server_base.empty())
        kivo::set_firmware_server_base(options->server_base);

    QApplication application(argc, argv);
    kivo::name_application();
    KIVOBluetoothManagerAppDelegate delegate(application_pages());
    if (options->select) {
        // As if the configuration had kept this product as the last one selected.
        delegate.appController().setConfigurationReader(
            [file = delegate.configurationFile(), id = *options->select](KIVOBluetoothManagerAppController& c) {
                kivo::read_configuration(file, c);
                c.setDeviceTarget(id);
            });
    }
    delegate.start();

    if (!options->screenshot.empty()) {
        QTimer::singleShot(options->screenshot_delay_ms, &application, [&] {
            const bool saved =
                delegate.appController().window()->grab().save(QString::fromStdString(options->screenshot));
            if (!saved)
                std::fprintf(stderr, "kivo-sim-app: cannot save %s\n", options->screenshot.c_str());
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
