#pragma once
// The device settings page (mode 7): the fixed panel of the device's most used settings, placed,
// filled, shown and enabled for its product and firmware, over a working copy of the recognized
// record; Default and Cancel put the factory defaults or the device's values back; products of the
// all-settings table families get the More Settings button and the table's sheet instead. Save
// writes the working copy to the device on a worker and reads the device again; leaving the page
// with unsaved edits asks first.

#include <memory>

#include "settings/page/all_settings_sheet.h"
#include "settings/page/device_save_page.h"
#include "settings/page/panel_outlets.h"
#include "settings/table/handlers.h"
#include "settings/table/page/device_settings_table_view.h"
#include "settings/table/row_model.h"
#include "ui_device_settings_view.h"

namespace kivo::page_keys {
inline constexpr char kMoreSettings[] = "[S][C]-M";
} // namespace kivo::page_keys

class DeviceSettingsViewController : public DeviceSavePage, public DeviceSettingsTableDataSource {
    Q_OBJECT
public:
    explicit DeviceSettingsViewController(kivo::PageHost& host);
    ~DeviceSettingsViewController() override;

    QWidget* view() override { return view_; }

    // ---- Life cycle ----------------------------------------------------------------------------
    // Each entry with a recognized device: hints off, fresh working and defaults copies of the
    // recognized record, the settings tab selected, the table and the panel refreshed.
    void initializeObject() override;
    // Shows, hides and enables the panel's rows and buttons by product, firmware, language and the
    // busy flag, and refreshes the texts that follow the language.
    void setControls() override;
    // Titles the buttons, labels and cells, or their keyboard hints while hints are shown.
    void setShortcuts() override;
    // Moves the panel's controls where the product's layout puts them and shows the working copy.
    void setControlsWithData() override;
    // Every row of the panel hidden or shown, its information button and control enabled or not.
    void enableOldControlsEnable_hidden(bool enable, bool hidden);
    // The all-settings table rebuilds its rows (after a language change, a revert, the defaults).
    void callTableviewReloadDataForOutsideClass() override;
    void displayNoteApply(QObject* sender);

    // The working copy differs from the device in a value the product's save writes.
    bool isSettingsChanged() const override;

    // ---- Setting changes -----------------------------------------------------------------------
    // The shape of every change: nothing at all while a worker runs; an open tab list closes; the
    // handler stores the sending control's column or index (a radio group's checked id, a pop-up's
    // index) into the working copy; the panel's enabling follows. The all-settings table's row
    // controls send the same kinds of control.
    void change(kivo::settings::HandlerId id, QObject* sender);
    void changeIVOX(QObject* sender) { change(kivo::settings::HandlerId::changeIVOX, sender); }
    void changeVoiceAssistant(QObject* sender) { change(kivo::settings::HandlerId::changeVoiceAssistant, sender); }
    void changeHVOX(QObject* sender) { change(kivo::settings::HandlerId::changeHVOX, sender); }
    void changeEDR(QObject* sender) { change(kivo::settings::HandlerId::changeEDR, sender); }
    void changePLC(QObject* sender) { change(kivo::settings::HandlerId::changePLC, sender); }
    void changeBitpoolRate(QObject* sender) { change(kivo::settings::HandlerId::changeBitpoolRate, sender); }
    void changeMicrophoneBoost(QObject* sender) { change(kivo::settings::HandlerId::changeMicrophoneBoost, sender); }
    void changeSidetone(QObject* sender) { change(kivo::settings::HandlerId::changeSidetone, sender); }
    void changeAdvancedNoiseControl(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeAdvancedNoiseControl, sender);
    }
    void changeAutoStartRecording(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeAutoStartRecording, sender);
    }
    void changeLEDControl(QObject* sender) { change(kivo::settings::HandlerId::changeLEDControl, sender); }
    void changeAutoGainControl(QObject* sender) { change(kivo::settings::HandlerId::changeAutoGainControl, sender); }
    void changeAutoOnOff(QObject* sender) { change(kivo::settings::HandlerId::changeAutoOnOff, sender); }
    void changeAudioBoost(QObject* sender) { change(kivo::settings::HandlerId::changeAudioBoost, sender); }
    void changeHDSpeakerAccessory(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeHDSpeakerAccessory, sender);
    }
    void changeMotionSensorSensitivity(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeMotionSensorSensitivity, sender);
    }
    void changeAudioMultitasking(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeAudioMultitasking, sender);
    }
    void changeAudioMultitaskingSensitivity(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeAudioMultitaskingSensitivity, sender);
    }
    void changeRemoteUIPTT(QObject* sender) { change(kivo::settings::HandlerId::changeRemoteUIPTT, sender); }
    void changeMeshPublicChannel(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeMeshPublicChannel, sender);
    }
    void changeUnitLanguage(QObject* sender) { change(kivo::settings::HandlerId::changeUnitLanguage, sender); }
    void changeAudioEqualizer(QObject* sender) { change(kivo::settings::HandlerId::changeAudioEqualizer, sender); }
    void changeSpeakerSelect(QObject* sender) { change(kivo::settings::HandlerId::changeSpeakerSelect, sender); }
    void changeMicSelect(QObject* sender) { change(kivo::settings::HandlerId::changeMicSelect, sender); }
    void changeNavigationAppOverlay(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeNavigationAppOverlay, sender);
    }
    void changeVoicePrompt(QObject* sender) { change(kivo::settings::HandlerId::changeVoicePrompt, sender); }
    void changeAdaptiveLight(QObject* sender) { change(kivo::settings::HandlerId::changeAdaptiveLight, sender); }
    void changeHDIntercom(QObject* sender) { change(kivo::settings::HandlerId::changeHDIntercom, sender); }
    void changeEightWayIntercom(QObject* sender) { change(kivo::settings::HandlerId::changeEightWayIntercom, sender); }
    void changeFMStationGuide(QObject* sender) { change(kivo::settings::HandlerId::changeFMStationGuide, sender); }
    void changeHDVoice(QObject* sender) { change(kivo::settings::HandlerId::changeHDVoice, sender); }
    void changeAudioSourcePriority(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeAudioSourcePriority, sender);
    }
    void changeBackgroundVolume(QObject* sender) { change(kivo::settings::HandlerId::changeBackgroundVolume, sender); }
    void changeAudioOverlay(QObject* sender) { change(kivo::settings::HandlerId::changeAudioOverlay, sender); }
    void changeAutoOff(QObject* sender) { change(kivo::settings::HandlerId::changeAutoOff, sender); }
    void changeSimpleUI(QObject* sender) { change(kivo::settings::HandlerId::changeSimpleUI, sender); }
    void changeSmartNaviSystem2(QObject* sender) { change(kivo::settings::HandlerId::changeSmartNaviSystem2, sender); }
    void changeSmartNaviSystem(QObject* sender) { change(kivo::settings::HandlerId::changeSmartNaviSystem, sender); }
    void changeSmartVolumeControl(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeSmartVolumeControl, sender);
    }
    void changeChannel(QObject* sender) { change(kivo::settings::HandlerId::changeChannel, sender); }
    void changeVolume(QObject* sender) { change(kivo::settings::HandlerId::changeVolume, sender); }
    void changeMicrophone(QObject* sender) { change(kivo::settings::HandlerId::changeMicrophone, sender); }
    void changeVOXSensitivity(QObject* sender) { change(kivo::settings::HandlerId::changeVOXSensitivity, sender); }
    void changeMeshMode(QObject* sender) { change(kivo::settings::HandlerId::changeMeshMode, sender); }
    void changeMeshGuestMode(QObject* sender) { change(kivo::settings::HandlerId::changeMeshGuestMode, sender); }
    void changeAGCSensitivity(QObject* sender) { change(kivo::settings::HandlerId::changeAGCSensitivity, sender); }
    void changeUILayer(QObject* sender) { change(kivo::settings::HandlerId::changeUILayer, sender); }
    void changeKelporHDSPeakerAccessory(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeKelporHDSPeakerAccessory, sender);
    }
    void changeMeshReachOut(QObject* sender) { change(kivo::settings::HandlerId::changeMeshReachOut, sender); }
    void changeFMRadioOnVargo(QObject* sender) { change(kivo::settings::HandlerId::changeFMRadioOnVargo, sender); }
    void changePhoneOnVargo(QObject* sender) { change(kivo::settings::HandlerId::changePhoneOnVargo, sender); }
    void changeAudioOverlayVolumeManagement(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeAudioOverlayVolumeManagement, sender);
    }
    void changeVoiceCommand(QObject* sender) { change(kivo::settings::HandlerId::changeVoiceCommand, sender); }
    void changePhotoMode(QObject* sender) { change(kivo::settings::HandlerId::changePhotoMode, sender); }
    void changeVideoMode(QObject* sender) { change(kivo::settings::HandlerId::changeVideoMode, sender); }
    void changeVideoResolution(QObject* sender) { change(kivo::settings::HandlerId::changeVideoResolution, sender); }
    void changeTimelapseInterval(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeTimelapseInterval, sender);
    }
    void changeDateCaption(QObject* sender) { change(kivo::settings::HandlerId::changeDateCaption, sender); }
    void changeSpeakerSoundRecording(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeSpeakerSoundRecording, sender);
    }
    void changeSpeakerSoundRecordingMusic(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeSpeakerSoundRecordingMusic, sender);
    }
    void changeSpeakerSoundRecordingFMRadio(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeSpeakerSoundRecordingFMRadio, sender);
    }
    void changeSpeakerSoundRecordingIntercom(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeSpeakerSoundRecordingIntercom, sender);
    }
    void changeSpeakerSoundRecordingPhone(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeSpeakerSoundRecordingPhone, sender);
    }
    void changeAutoCameraSleep(QObject* sender) { change(kivo::settings::HandlerId::changeAutoCameraSleep, sender); }
    void changeVideoTaggingInterval(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeVideoTaggingInterval, sender);
    }
    void changeLoopRecordingInterval(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeLoopRecordingInterval, sender);
    }
    void changeVideoMicrophoneGain(QObject* sender)
    {
        change(kivo::settings::HandlerId::changeVideoMicrophoneGain, sender);
    }
    void changeESSStatus(QObject* sender) { change(kivo::settings::HandlerId::changeESSStatus, sender); }
    void changeESSSensitivity(QObject* sender) { change(kivo::settings::HandlerId::changeESSSensitivity, sender); }
    void changeMicGain(QObject* sender) { change(kivo::settings::HandlerId::changeMicGain, sender); }
    // The radio transmit gain's cells: 12, 15 or 17.
    void changeRTG(QObject* sender);
    // The audio channel timeout: the field is checked, the stepper's value taken as it is.
    void changeACT(QObject* sender);
    // True when the timeout field holds 3 to 60 seconds, which the working copy then takes; else
    // the warning box, and the field shows the stepper's value again with its text selected. A
    // field the page does not show never holds the page.
    bool checkACT() override;
    // The information box of the panel's information button that sent it.
    void displayInformationRadioTransmitGain(QObject* sender);

    // ---- The all-settings table ----------------------------------------------------------------
    // Its row count and its rows, from the layout selected afresh for each call and the working copy.
    int numberOfRowsInTableView(DeviceSettingsTableView& tableView) override;
    DeviceSettingsTableCellView* tableView_viewForTableColumn_row(DeviceSettingsTableView& tableView, int column,
                                                                  int row) override;
    // A row's radio pair or pop-up: the row's handler stores the change into the working copy and
    // the row's couplings follow; every row is rebuilt where the row's rule says. Nothing changes
    // while a worker runs. Always ends with setControls.
    void allSettingsChangeOnOff(QObject* sender);
    void allSettingsChangePopUp(QObject* sender);
    // A row's information button: the row's text in the message box, also while a worker runs.
    void allSettingsInformation(QObject* sender);

    // ---- The all-settings sheet ----------------------------------------------------------------
    // More Settings: the sheet at 550 x 400 where it stood last, window-modal on the main window
    // and active, every row and column of its table rebuilt. Its button is off while busy.
    void moveToAllSettins(QObject* sender);
    // Sheet Save: nothing while busy; the sheet ends, then the save starts without the timeout
    // check (the working copy never holds a timeout the field did not pass).
    void saveToAllSettins(QObject* sender);
    // Sheet Default: the defaults as they stand, without the page's Default rule; sheet Cancel:
    // the device's values. Each as the page's Default and Cancel: nothing while busy, then the
    // table, the values and the enabling follow.
    void changeToDefaultAllSettins(QObject* sender);
    void ChangeToOtiginalAllSettins(QObject* sender);
    // Sheet Close: without a change the sheet ends; else the save question, whose YES ends the
    // sheet and saves as the page's Save does, and whose NO ends it and reverts.
    void closeAllSettins(QObject* sender);
    // The sheet closed and hidden.
    void endAllSettingsSheet();
    // The prompt of the page and the sheet's save question.
    void routeMessageBoxes() override;
    // The sheet's question declined: the edits go and the page stays.
    void moveToSettingToSetting();
    AllSettingsSheet* sheetDeviceAllSettings() { return ui_.sheetDeviceAllSettings; }

    QPushButton* btnBack() override { return ui_.btnBack; }
    QPushButton* btnNewDevice() override { return ui_.btnNewDevice; }
    const Ui::DeviceSettingsView& ui() const { return ui_; }
    PanelOutlets& outlets() { return *outlets_; }

    // The texts of the page in the interface language.
    std::string stringNoteEDR() const;
    std::string stringNoteApply() const;
    std::string stringACTUnit() const;

protected:
    PageButtons pageButtons() override;
    // Default carries the device's own words and forces some settings, by product and firmware.
    void applyDefaultRule() override;
    // The settings save over the path of the product's family; its codes are SettingsSaveResult.
    SaveWork saveWork() const override;
    SaveResultMeaning meaningOf(int result) const override;
    void afterSuccessfulSave() override;
    // Before the edits go, an open tab list closes.
    void revertAfterMissedSave() override;
    // The table, the values and the enabling follow the working copy.
    void refreshFromWorkingCopy() override;

private:
    void connectControls();
    // The panel's controls and information buttons to their actions.
    void connectChanges();
    // The product and the recognized language-pack type, for the handlers.
    kivo::settings::AccessContext accessContext() const;
    void addKeys();
    // Texts too long for their frames get a smaller font.
    void fitTexts();
    // What the apply note's label has left of its width beside the note's button.
    int noteApplyWidth() const;
    // The scrolled area grows to hold the rows shown below the page's own area.
    void fitPanelToShownRows();
    // The all-settings table's view of the device and the working copy.
    kivo::settings::TableContext tableContext() const;
    void connectTable();
    void connectSheet();
    // Every row and column of the all-settings table rebuilt.
    void reloadAllSettingsTable();
    void allSettingsChange(QObject* sender, kivo::settings::CellKind cell);

    QWidget* view_;
    Ui::DeviceSettingsView ui_;
    // The sheet has been opened once: it keeps its place from then on.
    bool sheetPlaced_ = false;
    std::unique_ptr<PanelOutlets> outlets_;
};
