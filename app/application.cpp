#include "app/application.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "app/manager_window.h"
#include "link/usb_link.h"

KIVOBluetoothManagerAppDelegate::KIVOBluetoothManagerAppDelegate(PageFactory pages)
    : controller_(std::make_unique<KIVOBluetoothManagerAppController>(std::move(pages)))
{
    connect(controller_.get(), &KIVOBluetoothManagerAppController::quitRequested, this,
            [] { QCoreApplication::quit(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { applicationWillTerminate(); });
}

KIVOBluetoothManagerAppDelegate::~KIVOBluetoothManagerAppDelegate() { applicationWillTerminate(); }

void KIVOBluetoothManagerAppDelegate::start()
{
    controller_->window()->show();
    controller_->initializeObject();
}

void KIVOBluetoothManagerAppDelegate::applicationWillTerminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    usb_link_stop();
}

namespace kivo {

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

} // namespace kivo
