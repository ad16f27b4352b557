#include "app/diagnostic_log.h"

#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <sstream>

#include "app/app_controller.h"
#include "app/manager_window.h"
#include "common/atomic_file.h"
#include "common/manager_version.h"
#include "common/system_log.h"
#include "device/device_data.h"
#include "device/products/diagnostic_log_modules.h"
#include "text/text_format.h"

namespace kivo {
namespace {

constexpr std::size_t kMaxToolOutputBytes = 1024 * 1024;

std::string find_program(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return program;
    const QString name = QString::fromStdString(program);
    QString found = QStandardPaths::findExecutable(name);
    if (found.isEmpty()) // lsmod lives in sbin, which a user's PATH may lack
        found = QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
    return found.toStdString();
}

std::string read_os_release()
{
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::ifstream in(path);
        if (!in)
            continue;
        std::string text(kMaxToolOutputBytes, '\0');
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(in.gcount()));
        return text;
    }
    return "(no os-release file)\n";
}

} // namespace

std::string diagnostic_log_file_name(const QDateTime& local)
{
    // Calendar year: "YYYY" would be the week-based year, wrong in the last days of December.
    return local.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString() + "_DiagnosticLog.tavkdlog";
}

std::string diagnostic_log_head(const std::string& status, bool recognized, int device_target, int usb_status,
                                const KIVOBluetoothDeviceData& data)
{
    const int product = data.deviceRecognized();
    std::string versions;
    if (kivo::logs_two_module_versions(product))
        versions =
            fill_format("Device Version 01: %d.%d\nSecondary Version Type 01: %dSecondary Version 01: %d\n"
                        "Device Version 02: %d.%d\nSecondary Version Type 02: %dSecondary Version 02: %d\n\n",
                        {data.deviceVersionMajor01(), data.deviceVersionMinor01(), data.deviceSecondaryVersionType01(),
                         data.deviceSecondaryVersion01(), data.deviceVersionMajor02(), data.deviceVersionMinor02(),
                         data.deviceSecondaryVersionType02(), data.deviceSecondaryVersion02()});
    else
        versions = fill_format("Device Version: %d.%d\nSecondary Version Type: %dSecondary Version: %d\n\n",
                               {data.deviceVersionMajor(), data.deviceVersionMinor(), data.deviceSecondaryVersionType(),
                                data.deviceSecondaryVersion()});
    return fill_format("[Manager Information]\nStatus: %@\nVersion: %d.%d%@\n[Device Information]\nRecognized: %d\n"
                       "Target Device: %04X\nUSB Status: %04X\nRecognized Device: %04X\nBD Address: %@\n"
                       "Device Name: %@\n%@",
                       {status, kManagerVersionMajor, kManagerVersionMinor, "", recognized ? 1 : 0, device_target,
                        usb_status, product, data.bdAddress(), data.deviceName(), versions});
}

std::string tool_output(const std::string& program, const std::vector<std::string>& arguments,
                        std::chrono::milliseconds limit)
{
    const std::string path = find_program(program);
    if (path.empty())
        return "(" + program + " not found)\n";
    QStringList args;
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    // A real process on the wall clock: the clock seam's virtual time does not reach it.
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(QString::fromStdString(path), args, QIODevice::ReadOnly);
    const int limit_ms = static_cast<int>(limit.count());
    if (!process.waitForStarted(limit_ms))
        return "(cannot run " + program + ")\n";
    const bool finished = process.waitForFinished(limit_ms);
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    std::string text = process.readAllStandardOutput().left(kMaxToolOutputBytes).toStdString();
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    if (!finished)
        text += "(" + program + " gave no answer within " + std::to_string(limit.count() / 1000) + " seconds)\n";
    else if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        text += "(" + program + " ended with status " + std::to_string(process.exitCode()) + ")\n";
    return text;
}

std::string diagnostic_system_sections(std::chrono::milliseconds limit)
{
    return "[System Version]\n" + tool_output("uname", {"-a"}, limit) + read_os_release() + "\n[USB Devices]\n" +
        tool_output("lsusb", {}, limit) + "\n[Kernel Modules]\n" + tool_output("lsmod", {}, limit);
}

} // namespace kivo

void KIVOBluetoothManagerAppController::logStatus()
{
    if (refuseAction())
        return;
    auto* dialog = new QFileDialog(window_.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->selectFile(QString::fromStdString(kivo::diagnostic_log_file_name(QDateTime::currentDateTime())));
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& file) { writeDiagnosticLog(file.toStdString()); });
    dialog->open();
}

bool KIVOBluetoothManagerAppController::writeDiagnosticLog(const std::string& file)
{
    const std::string log = kivo::diagnostic_log_head(window_->ui.tfStatus->text().toStdString(), recognized(),
                                                      deviceTarget(), usbStatus(), data_) +
        kivo::diagnostic_system_sections(kivo::kDiagnosticToolLimit);
    std::string error;
    if (kivo::write_file_atomically(file, log, &error))
        return true;
    kivo::system_logf("diagnostic log not written: %s", error.c_str());
    return false;
}
