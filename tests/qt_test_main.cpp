// Test programs with windows run their tests inside one offscreen QApplication.

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/application.h"
#include "app/worker_run.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    kivo::name_application();
    // Workers' timers tick quickly under test; the workers themselves run on the virtual clock.
    kivo::set_worker_timer_period(std::chrono::milliseconds(10));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
