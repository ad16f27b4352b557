#pragma once
// The numbers every layer knows the application's pages, message-box purposes and settings tabs
// by. Qt-free, so that workers, texts and product rules name them instead of writing 4 or 7.
// The enum classes are the typed cores new code uses; the int constants are the numbers the
// controller's accessors and the stored configuration carry.

namespace kivo {

// Page modes. 100 + a mode, as a recognition caller, asks recognition to hand back to that mode
// without its success status.
enum class DetailMode : int {
    None = 0,
    ManagerUpdate = 2,
    Home = 3,
    Recognition = 4,
    Update = 5,
    Restore = 6,
    Settings = 7,
    SecondSettings = 8, // the FM radio page
    SpeedDial = 9,
};

constexpr int mode_number(DetailMode mode) { return static_cast<int>(mode); }

// The recognition caller that hands back to mode once the device has been read, and its reverse.
inline constexpr int kHandBackCallerOffset = 100;
constexpr int caller_handing_back_to(int mode) { return kHandBackCallerOffset + mode; }
constexpr bool caller_hands_back(int caller) { return caller > kHandBackCallerOffset; }
constexpr int mode_handed_back_to(int caller) { return caller - kHandBackCallerOffset; }
constexpr bool is_settings_mode(int mode)
{
    return mode >= mode_number(DetailMode::Settings) && mode <= mode_number(DetailMode::SpeedDial);
}
// The page to go to of a save prompt that quitting raised: once the prompt is answered (and a save
// it asked for has ended well) the application ends instead of showing a page.
inline constexpr int kQuitAfterSavePrompt = -1;

// What OK and Cancel of the one message box do once it has closed; purposes nobody takes only
// close the box.
enum class MessageBoxPurpose : int {
    None = 0,
    Instruction = 1, // no buttons: the update worker shows it while it polls and closes it itself
    Status = 2, // OK: close
    ToHome = 3, // OK: home page
    SaveSettings = 4, // OK: save; Cancel: move on without saving (settings page)
    SaveSecondSettings = 5, // ... second settings page
    SaveSpeedDial = 6, // ... speed-dial page
    RestartToRecover = 7, // OK: remember the mode and quit (relaunch follows)
    Quit = 8, // OK: quit, and start the manager again (its boxes say it restarts)
    SupportMail = 9, // Cancel: write to support
    RecognitionHelp = 10, // Cancel: the recognition-failure help page
    CameraUpdateDone = 11, // OK: the camera update is complete
    AllSettingsInformation = 12, // OK: close (a row's information in the all-settings table)
    AllSettingsSave = 13, // OK: close the all-settings sheet and save; Cancel: close it and revert
    SkipRestoreBackup = 14, // OK: skip the backup file; both: the update worker goes on
    ToHomeAfterUpdate = 15, // OK: home page
};

constexpr int purpose_number(MessageBoxPurpose purpose) { return static_cast<int>(purpose); }

// Settings tabs: which settings page a tab opens.
enum class SettingsTab : int {
    None = 0,
    DeviceSettings = 1, // mode 7
    SpeedDial = 2, // mode 9
    SecondSettings = 3, // mode 8 (FM radio)
};

constexpr int tab_number(SettingsTab tab) { return static_cast<int>(tab); }

} // namespace kivo

inline constexpr int kModeNone = kivo::mode_number(kivo::DetailMode::None);
inline constexpr int kModeManagerUpdate = kivo::mode_number(kivo::DetailMode::ManagerUpdate);
inline constexpr int kModeHome = kivo::mode_number(kivo::DetailMode::Home);
inline constexpr int kModeRecognition = kivo::mode_number(kivo::DetailMode::Recognition);
inline constexpr int kModeUpdate = kivo::mode_number(kivo::DetailMode::Update);
inline constexpr int kModeRestore = kivo::mode_number(kivo::DetailMode::Restore);
inline constexpr int kModeSettings = kivo::mode_number(kivo::DetailMode::Settings);
inline constexpr int kModeSecondSettings = kivo::mode_number(kivo::DetailMode::SecondSettings);
inline constexpr int kModeSpeedDial = kivo::mode_number(kivo::DetailMode::SpeedDial);

inline constexpr int kBoxNone = kivo::purpose_number(kivo::MessageBoxPurpose::None);
inline constexpr int kBoxInstruction = kivo::purpose_number(kivo::MessageBoxPurpose::Instruction);
inline constexpr int kBoxStatus = kivo::purpose_number(kivo::MessageBoxPurpose::Status);
inline constexpr int kBoxToHome = kivo::purpose_number(kivo::MessageBoxPurpose::ToHome);
inline constexpr int kBoxSaveSettings = kivo::purpose_number(kivo::MessageBoxPurpose::SaveSettings);
inline constexpr int kBoxSaveSecondSettings = kivo::purpose_number(kivo::MessageBoxPurpose::SaveSecondSettings);
inline constexpr int kBoxSaveSpeedDial = kivo::purpose_number(kivo::MessageBoxPurpose::SaveSpeedDial);
inline constexpr int kBoxRestartToRecover = kivo::purpose_number(kivo::MessageBoxPurpose::RestartToRecover);
inline constexpr int kBoxQuit = kivo::purpose_number(kivo::MessageBoxPurpose::Quit);
inline constexpr int kBoxSupportMail = kivo::purpose_number(kivo::MessageBoxPurpose::SupportMail);
inline constexpr int kBoxRecognitionHelp = kivo::purpose_number(kivo::MessageBoxPurpose::RecognitionHelp);
inline constexpr int kBoxCameraUpdateDone = kivo::purpose_number(kivo::MessageBoxPurpose::CameraUpdateDone);
inline constexpr int kBoxAllSettingsInformation = kivo::purpose_number(kivo::MessageBoxPurpose::AllSettingsInformation);
inline constexpr int kBoxAllSettingsSave = kivo::purpose_number(kivo::MessageBoxPurpose::AllSettingsSave);
inline constexpr int kBoxSkipRestoreBackup = kivo::purpose_number(kivo::MessageBoxPurpose::SkipRestoreBackup);
inline constexpr int kBoxToHomeAfterUpdate = kivo::purpose_number(kivo::MessageBoxPurpose::ToHomeAfterUpdate);

inline constexpr int kTabNone = kivo::tab_number(kivo::SettingsTab::None);
inline constexpr int kTabDeviceSettings = kivo::tab_number(kivo::SettingsTab::DeviceSettings);
inline constexpr int kTabSpeedDial = kivo::tab_number(kivo::SettingsTab::SpeedDial);
inline constexpr int kTabSecondSettings = kivo::tab_number(kivo::SettingsTab::SecondSettings);
