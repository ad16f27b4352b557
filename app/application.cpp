#include "app/application.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>
#include <cstdlib>

#include "app/configuration_archive.h"
#include "app/data_folders.h"
#include "app/manager_window.h"
#include "common/manager_version.h"
#include "common/system_log.h"
#include "common/temporary_files.h"
#include "link/usb_link.h"
#include "text/product_names.h"

KIVOBluetoothManagerAppDelegate::KIVOBluetoothManagerAppDelegate(PageFactory pages)
    : controller_(std::make_unique<KIVOBluetoothManagerAppController>(std::move(pages)))
    , configurationFile_(kivo::configuration_file())
    , relaunch_(kivo::relaunch_application)
{
    controller_->setConfigurationReader([this](KIVOBluetoothManagerAppController& controller) {
        kivo::read_configuration(configurationFile_, controller);
    });
    connect(controller_.get(), &KIVOBluetoothManagerAppController::quitRequested, this,
            [] { QCoreApplication::quit(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { applicationWillTerminate(); });
}

KIVOBluetoothManagerAppDelegate::~KIVOBluetoothManagerAppDelegate() { applicationWillTerminate(); }

void KIVOBluetoothManagerAppDelegate::start()
{
    // The manager's own folders, and in the user's folders only the download temporaries it
    // recorded.
    const std::filesystem::path records = kivo::download_records_folder();
    for (const std::filesystem::path& folder : {kivo::archive_folder(), configurationFile_.parent_path(), records})
        kivo::remove_stale_temporaries(folder, started_);
    kivo::remove_recorded_downloads(records);
    controller_->window()->show();
    controller_->initializeObject();
}

void KIVOBluetoothManagerAppDelegate::applicationWillTerminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    kivo::write_configuration(configurationFile_, *controller_);
    usb_link_stop();
    // The new run reads the configuration just written: it recovers the device, or opens on the
    // home page after a plain restart.
    if ((controller_->restartToRecover() || controller_->relaunchAtQuit()) && relaunch_)
        relaunch_();
}

namespace kivo {

std::optional<std::string> command_line_answer(const std::vector<std::string>& args)
{
    const std::string title(kProductTitle);
    for (const std::string& arg : args) {
        if (arg == "--version" || arg == "-v")
            return title + " " + std::to_string(kManagerVersionMajor) + "." + std::to_string(kManagerVersionMinor) +
                "." + std::to_string(kManagerSecondaryVersion) + "\n";
        if (arg == "--help" || arg == "-h")
            return "usage: kivo-bluetooth-manager [--help] [--version] [Qt options such as -platform NAME]\n\n" +
                title +
                " finds a headset plugged in by USB, updates or restores its firmware and edits its\n"
                "settings. Start it without options, plug the device in and follow the window; Ctrl+K shows\n"
                "the keys of every button. Without root the devices need the udev rules that\n"
                "'sudo cmake --install build' installs (see the README).\n\n"
                "  -h, --help     show this and end\n"
                "  -v, --version  show the version and end\n";
    }
    return std::nullopt;
}

void name_application()
{
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("kivo-bluetooth-manager"));
}

bool display_available(const char* program)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
    if (set(platform) || set(x11) || set(wayland))
        return true;
    std::fprintf(stderr,
                 "%s: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Start it from a desktop session, or under xvfb-run.\n",
                 program);
    return false;
}

void relaunch_application()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (!QProcess::startDetached(program, QCoreApplication::arguments().mid(1)))
        system_logf("cannot start %s again", program.toStdString().c_str());
}

} // namespace kivo
