// The manager's entry: hands control to the application's main loop.

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "app/application.h"
#include "main/page_factory.h"

int main(int argc, char** argv)
{
    if (const auto answer = kivo::command_line_answer(std::vector<std::string>(argv + 1, argv + argc))) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    if (!kivo::display_available("kivo-bluetooth-manager"))
        return 1;
    QApplication application(argc, argv);
    kivo::name_application();
    KIVOBluetoothManagerAppDelegate delegate(application_pages());
    delegate.start();
    return QApplication::exec();
}
