#pragma once
// The diagnostic log the user saves from the menu: the manager's state, the device's identity and
// versions, and what the system's own tools say about the computer, its USB devices and its
// kernel modules.

#include <QDateTime>

#include <chrono>
#include <string>
#include <vector>

class KIVOBluetoothDeviceData;

namespace kivo {

// Each system tool gets this long before its section gets a note instead.
inline constexpr std::chrono::milliseconds kDiagnosticToolLimit{10000};

// "<yyyyMMddHHmmss>_DiagnosticLog.tavkdlog" of a local time.
std::string diagnostic_log_file_name(const QDateTime& local);

// The manager and device part of the log, up to the system sections.
std::string diagnostic_log_head(const std::string& status, bool recognized, int device_target, int usb_status,
                                const KIVOBluetoothDeviceData& data);

// The standard output of a program (a name looked up in the usual places, or a path). A missing
// program, one that cannot start, fails or takes longer than limit leaves a short note.
std::string tool_output(const std::string& program, const std::vector<std::string>& arguments,
                        std::chrono::milliseconds limit);

// "[System Version]" (uname -a and os-release), "[USB Devices]" (lsusb), "[Kernel Modules]" (lsmod).
std::string diagnostic_system_sections(std::chrono::milliseconds limit);

} // namespace kivo
