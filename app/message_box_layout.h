#pragma once
// The message box's sizes and follow-up codes.

#include <QSize>

// Content size of the box by size code; the first box of a run is 20 points higher.
QSize message_box_size(int size_code, bool first_of_run);

// What OK and Cancel do once the box has closed; codes not listed only close the box.
enum MessageBoxPurpose : int {
    kBoxNone = 0,
    kBoxStatus = 2, // OK: close
    kBoxToHome = 3, // OK: home page
    kBoxSaveSettings = 4, // OK: save; Cancel: move on without saving (settings page)
    kBoxSaveSecondSettings = 5, // ... second settings page
    kBoxSaveSpeedDial = 6, // ... speed-dial page
    kBoxRestartToRecover = 7, // OK: remember the mode and quit (relaunch follows)
    kBoxQuit = 8, // OK: quit
    kBoxSupportMail = 9, // Cancel: write to support
    kBoxRecognitionHelp = 10, // Cancel: the recognition-failure help page
    kBoxCameraUpdateDone = 11, // OK: the camera update is complete
    kBoxAllSettingsSave = 13, // OK: close the all-settings sheet and save; Cancel: close it and revert
    kBoxSkipRestoreBackup = 14, // OK: skip the backup file; both: the update worker goes on
    kBoxToHomeAfterUpdate = 15, // OK: home page
};
