// The manager's entry: hands control to the application's main loop.

#include <QApplication>

#include "app/application.h"
#include "main/page_factory.h"

int main(int argc, char** argv)
{
    if (!kivo::display_available("kivo-bluetooth-manager"))
        return 1;
    QApplication application(argc, argv);
    kivo::name_application();
    KIVOBluetoothManagerAppDelegate delegate(application_pages());
    delegate.start();
    return QApplication::exec();
}
