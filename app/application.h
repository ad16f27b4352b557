#pragma once
// Starting and ending the manager around its controller: what the program's entry, kivo-sim-app
// and the flow tests share.

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_controller.h"

// Owns the controller for the run, gives it the stored configuration at start and does the
// end-of-run work when the application quits.
class KIVOBluetoothManagerAppDelegate : public QObject {
    Q_OBJECT
public:
    explicit KIVOBluetoothManagerAppDelegate(PageFactory pages);
    ~KIVOBluetoothManagerAppDelegate() override;

    KIVOBluetoothManagerAppController& appController() { return *controller_; }
    // Removes the temporary files earlier runs left in the manager's own folders (the archive
    // folder and the configuration's), then shows the window and its first page.
    void start();
    // The end-of-run work, once: the configuration is written, the USB library ends and, when a
    // restart (to recover, or plain) was asked for, the program is started again.
    void applicationWillTerminate();

    // Where the configuration is read and written (the user's configuration file unless a test
    // says otherwise). Set before start().
    void setConfigurationFile(std::filesystem::path file) { configurationFile_ = std::move(file); }
    const std::filesystem::path& configurationFile() const { return configurationFile_; }
    // What starting the program again does (tests record it instead).
    void setRelauncher(std::function<void()> relaunch) { relaunch_ = std::move(relaunch); }

private:
    // The run's start as the file system tells time (first, before anything of the run is made): a
    // temporary written before it is an earlier run's.
    std::filesystem::file_time_type started_ = std::filesystem::file_time_type::clock::now();
    std::unique_ptr<KIVOBluetoothManagerAppController> controller_;
    std::filesystem::path configurationFile_;
    std::function<void()> relaunch_;
    bool terminated_ = false;
};

namespace kivo {

// What the program prints for --help or --version (the first one given), answered on the terminal
// without opening a window, as desktop programs on Linux do; none for any other command line,
// which goes to Qt as it stands.
std::optional<std::string> command_line_answer(const std::vector<std::string>& args);

// Names the application for its data folders. Call before anything asks for a folder.
void name_application();
// True when a window can be shown; otherwise says why on standard error.
bool display_available(const char* program);
// Starts this program again as a process of its own, with the same arguments.
void relaunch_application();

} // namespace kivo
