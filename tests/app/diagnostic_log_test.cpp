// The diagnostic log: its file name, its manager and device part, the system tools with their time
// limit, and the save from the menu.

#include <QFileDialog>
#include <QRegularExpression>

#include "app/diagnostic_log.h"
#include "tests/app/app_fixture.h"
#include "tests/app/file_text.h"

using namespace std::chrono_literals;

TEST(DiagnosticLog, FileNameUsesTheCalendarYear)
{
    // 30 December 2024 falls in week 1 of 2025.
    EXPECT_EQ(kivo::diagnostic_log_file_name(QDateTime(QDate(2024, 12, 30), QTime(9, 5, 7))),
              "20241230090507_DiagnosticLog.tavkdlog");
}

TEST(DiagnosticLog, HeadListsTheDeviceAndItsVersions)
{
    KIVOBluetoothDeviceData data;
    data.setDeviceRecognized(0x3142);
    data.setBdAddress("00:11:22:33:44:55");
    data.setDeviceName("Zeltra");
    data.setDeviceVersionMajor(2);
    data.setDeviceVersionMinor(5);
    data.setDeviceSecondaryVersion(3);
    EXPECT_EQ(kivo::diagnostic_log_head("Ready", true, 0x3142, 0x8001, data),
              "[Manager Information]\nStatus: Ready\nVersion: 1.2\n[Device Information]\nRecognized: 1\n"
              "Target Device: 3142\nUSB Status: 8001\nRecognized Device: 3142\nBD Address: 00:11:22:33:44:55\n"
              "Device Name: Zeltra\nDevice Version: 2.5\nSecondary Version Type: 0Secondary Version: 3\n\n");

    data.setDeviceRecognized(0x4310); // a product with two modules
    data.setDeviceVersionMajor01(1);
    data.setDeviceVersionMinor01(4);
    data.setDeviceVersionMajor02(3);
    data.setDeviceSecondaryVersionType02(2);
    const std::string head = kivo::diagnostic_log_head("", false, 0x4310, 0, data);
    EXPECT_NE(head.find("Recognized: 0\nTarget Device: 4310\nUSB Status: 0000\n"), std::string::npos);
    EXPECT_NE(head.find("Device Version 01: 1.4\nSecondary Version Type 01: 0Secondary Version 01: 0\n"
                        "Device Version 02: 3.0\nSecondary Version Type 02: 2Secondary Version 02: 0\n\n"),
              std::string::npos);
}

TEST(DiagnosticLog, ToolsAnswerOrLeaveANote)
{
    const struct {
        const char* program;
        std::vector<std::string> arguments;
        const char* expected;
    } cases[] = {
        {"/bin/sh", {"-c", "echo hello"}, "hello\n"},
        {"sh", {"-c", "printf partial"}, "partial\n"},
        {"/bin/sh", {"-c", "echo some; exit 3"}, "some\n(/bin/sh ended with status 3)\n"},
        {"/nonexistent/tool", {}, "(cannot run /nonexistent/tool)\n"},
        {"no-such-tool-here", {}, "(no-such-tool-here not found)\n"},
        {"/bin/sh", {"-c", "echo early; exec sleep 30"}, "early\n(/bin/sh gave no answer within 1 seconds)\n"},
    };
    // The last case's note says the time-out ended a tool that would run 30 s.
    for (const auto& c : cases)
        EXPECT_EQ(kivo::tool_output(c.program, c.arguments, 1s), c.expected) << c.program;
}

class DiagnosticLogSave : public AppTest { };

TEST_F(DiagnosticLogSave, MenuProposesANameAndSavesTheLog)
{
    ui().menuItemDiagnosticLog->trigger();
    auto* dialog = window().findChild<QFileDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    const QString proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
    EXPECT_TRUE(QRegularExpression("^20[0-9]{12}_DiagnosticLog\\.tavkdlog$").match(proposed).hasMatch())
        << proposed.toStdString();

    const std::string file = (configurationFile().parent_path().parent_path() / "log.tavkdlog").string();
    dialog->selectFile(QString::fromStdString(file));
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection); // the Save button
    const std::string log = read_text(file);
    EXPECT_EQ(log.rfind("[Manager Information]\nStatus: Press NEXT to proceed.\nVersion: 1.2\n", 0), 0u) << log;
    const size_t system = log.find("\n\n[System Version]\n");
    const size_t usb = log.find("\n[USB Devices]\n");
    const size_t modules = log.find("\n[Kernel Modules]\n");
    EXPECT_NE(system, std::string::npos);
    EXPECT_LT(system, usb);
    EXPECT_LT(usb, modules);
    EXPECT_NE(log.find("Linux"), std::string::npos) << "uname -a";

    EXPECT_FALSE(dialog->isVisible());
    app().setOnProcessing(true);
    ui().menuItemDiagnosticLog->trigger();
    for (QFileDialog* d : window().findChildren<QFileDialog*>())
        EXPECT_FALSE(d->isVisible()) << "refused while busy";
    app().setOnProcessing(false);
}
