// The Update and Restore actions of both pages: each first switches to the page that owns it; on
// its own page it starts the run (with a run to recover, at once with the remembered file), or on
// the restore page the download of the backup's image that ends in the run.

#include <filesystem>

#include "app/data_folders.h"
#include "common/system_log.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/page/update_page.h"

using kivo::UpdateTexts;

void UpdateViewController::updateFirmware(QObject*)
{
    kivo::PageHost& app = host();
    kivo::system_log(kivo::fill_format("real path[%@]", {state_.localPathLatestVersion.string()}));
    if (app.mode() != kModeUpdate) {
        app.setFirmwareUpdateWithStatus(true);
        return;
    }
    setState(kStateUpdateRunning);
    setBusy(true);
    const kivo::DeviceSession& session = app.session();
    if (session.isRestartDFU()) {
        setFirmwareFile(session.strRestartDFUFirmwareFile);
        selectLanguageFirmware(session.indexRestartDFUFirmwareLanguage);
    } else if (const int selected = indexOfSelectedLanguageFirmware();
               selected >= 0 && static_cast<size_t>(selected) < state_.arrLanguageFirmware.size()) {
        // Remembered in the configuration; the next read of the index selects it again.
        app.setStrLanguageFirmware(state_.arrLanguageFirmware[static_cast<size_t>(selected)]);
    }
    startUpdateRun(firmwareFile());
}

void UpdateViewController::restoreFirmware(QObject*)
{
    kivo::PageHost& app = host();
    if (app.mode() == kModeUpdate) {
        app.setFirmwareRestoreWithStatus(true);
        return;
    }
    const kivo::DeviceSession& session = app.session();
    const bool recover = session.isRestartDFU();
    setState(recover ? kStateRestoreRunning : kStateDownloadingBackup);
    shared_->setUpdateFinished(false);
    setUpdateProcessed(-1);
    app.setStatus_withWarning(app.getStatusProcessing(), false);
    setBusy(true);

    if (recover) {
        setFirmwareFile(session.strRestartDFUFirmwareFile);
        selectLanguageFirmware(session.indexRestartDFUFirmwareLanguage);
        showProcessingText(UpdateTexts::tavk_string_about_to_download_backup_firmware_in);
        refreshControls();
        startUpdateRun(firmwareFile());
        return;
    }
    // Without languages the file stays the one the read of the earlier versions found.
    if (const int selected = indexOfSelectedLanguageFirmware(); selected >= 0 &&
        static_cast<size_t>(selected) < state_.arrLanguageFirmware.size() &&
        static_cast<size_t>(selected) < state_.arrFileNamesLatestVersion.size()) {
        app.setStrLanguageFirmware(state_.arrLanguageFirmware[static_cast<size_t>(selected)]);
        state_.fileNameLatestVersion = state_.arrFileNamesLatestVersion[static_cast<size_t>(selected)];
    }
    // A folder that cannot be made shows as the file that cannot be created.
    const std::filesystem::path folder = kivo::archive_folder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string internal = kivo::ProductNames::tavk_product_name_for_internal(session.deviceTarget, true);
    showProcessingText(UpdateTexts::tavk_string_about_to_download_backup_firmware_in);
    if (internal.empty()) {
        // No name, no restore image: nothing to download into.
        endDownload(DownloadFailure::FileNotCreated, true);
        return;
    }
    state_.localPathLatestVersion = folder / (internal + ".img");
    downloadFirmwareFromServer();
}

void UpdateViewController::firmwareFileChanged(QObject*) { setControls(); }

std::string UpdateViewController::firmwareFile() const { return state_.firmwareFile; }

void UpdateViewController::setFirmwareFile(const std::string& path)
{
    // On the update page the field shows it, and the state follows the field.
    if (pageMode() == kModeUpdate)
        update_.tfFirmwareFile->setText(QString::fromStdString(path));
    else
        state_.firmwareFile = path;
}

void UpdateViewController::selectLanguageFirmware(int index)
{
    // A remembered index outside the items (-1 among them) selects nothing new.
    PopUpButton* pop_up = popUpLanguageFirmware();
    if (index >= 0 && index < pop_up->count())
        pop_up->setCurrentIndex(index);
}
