// The pages' downloads: Browse and the save panel of the update page, the download of a firmware
// image from the server on the page's worker into a file that takes the target's place only when
// the whole image has arrived and the update's loader takes it, and the ends of a download on the
// main thread.

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include <unistd.h>

#include "app/data_folders.h"
#include "app/net/server_path.h"
#include "app/server_choice.h"
#include "common/clock.h"
#include "common/system_log.h"
#include "text/app_text.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/firmware_file_check.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::ManagerLanguage;
using kivo::UpdateTexts;

namespace {

using PageText = std::string (*)(ManagerLanguage);

// The failure texts of a download: "%@. %@" of the page's first text and a reason; the restore
// page words some reasons otherwise, and one of its rows has a format of its own.
struct DownloadFailureRow {
    DownloadFailure step;
    PageText updateReason;
    const char* restoreFormat;
    PageText restoreReason;
};

constexpr DownloadFailureRow kDownloadFailureRows[] = {
    {DownloadFailure::FileNotCreated, UpdateTexts::tavk_string_cannot_create_file_in, "%@. %@",
     UpdateTexts::tavk_string_cannot_get_backup_firmware_in},
    {DownloadFailure::FileNotOpened, UpdateTexts::tavk_string_cannot_open_file_in, "%@. %@ 2",
     UpdateTexts::tavk_string_cannot_get_backup_firmware_in},
    {DownloadFailure::NoConnection, UpdateTexts::tavk_string_cannot_connect_to_the_server_in, "%@. %@",
     UpdateTexts::tavk_string_cannot_connect_to_the_server_in},
    {DownloadFailure::ConnectionFailed, UpdateTexts::tavk_string_cannot_download_firmware_in, "%@. %@",
     UpdateTexts::tavk_string_cannot_download_backup_firmware_in},
};

const DownloadFailureRow& failure_row(DownloadFailure step)
{
    for (const DownloadFailureRow& row : kDownloadFailureRows)
        if (row.step == step)
            return row;
    return kDownloadFailureRows[std::size(kDownloadFailureRows) - 1];
}

// The Browse and Download panels: window-modal, at a size at which the detail columns show whole.
// Qt's own dialog sizes the columns for short sample texts, which cut a size, a type and a date
// ("975...tes"): the columns after the name take what their texts need, the name the rest.
constexpr int kPanelWidth = 760;
constexpr int kPanelHeight = 460;

QFileDialog* file_panel(QWidget* window, const char* name, QFileDialog::AcceptMode accept, QFileDialog::FileMode mode)
{
    auto* panel = new QFileDialog(window);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setWindowModality(Qt::WindowModal);
    panel->setAcceptMode(accept);
    panel->setFileMode(mode);
    panel->resize(kPanelWidth, kPanelHeight);
    // A platform's own dialog has no such view and sizes itself.
    if (auto* details = panel->findChild<QTreeView*>()) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    return panel;
}

// The last segment of a server path: what the save panel proposes.
std::string last_segment(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void UpdateViewController::browseFirmware(QObject*)
{
    if (host().onProcessing())
        return;
    QFileDialog* panel = file_panel(view_->window(), "browsePanel", QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    connect(panel, &QFileDialog::fileSelected, this, [this](const QString& file) {
        setFirmwareFile(file.toStdString());
        showPageStatus(UpdateTexts::tavk_string_press_update_button_in, false);
        setUpdateProcessed(-1);
        shared_->setUpdateFinished(false);
        setControls();
    });
    panel->open();
}

void UpdateViewController::downloadFirmware(QObject*)
{
    if (pageMode() != kModeUpdate || host().onProcessing())
        return;
    const int selected = popUpLanguageFirmware()->currentIndex();
    if (popUpLanguageFirmware()->count() > 0 && selected >= 0 &&
        static_cast<size_t>(selected) < state_.arrFileNamesLatestVersion.size())
        state_.fileNameLatestVersion = state_.arrFileNamesLatestVersion[static_cast<size_t>(selected)];
    QFileDialog* panel = file_panel(view_->window(), "savePanel", QFileDialog::AcceptSave, QFileDialog::AnyFile);
    panel->selectFile(QString::fromStdString(last_segment(state_.fileNameLatestVersion)));
    connect(panel, &QFileDialog::fileSelected, this, [this](const QString& file) {
        state_.localPathLatestVersion = file.toStdString();
        kivo::system_log(state_.localPathLatestVersion.string());
        setState(kStateDownloadingFirmware);
        setBusy(true);
        showProcessingText(UpdateTexts::tavk_string_about_to_download_latest_firmware_in);
        downloadFirmwareFromServer();
    });
    panel->open();
}

void UpdateViewController::downloadFirmwareFromServer()
{
    // The server's name is appended to the base as it stands: only a path below it is asked for.
    const std::string& name = state_.fileNameLatestVersion;
    if (!kivo::stays_below_base(name)) {
        kivo::system_log("firmware file name refused: " + name);
        endDownload(DownloadFailure::ConnectionFailed, true);
        return;
    }
    download_ = std::make_unique<kivo::DownloadFile>();
    if (!download_->create(state_.localPathLatestVersion, kivo::download_records_folder())) {
        endDownload(DownloadFailure::FileNotCreated, true);
        return;
    }
    const int descriptor = download_->openForWriting();
    if (descriptor < 0) {
        endDownload(DownloadFailure::FileNotOpened, true);
        return;
    }
    const std::string base = kivo::firmware_server_base();
    if (base.empty()) {
        ::close(descriptor);
        endDownload(DownloadFailure::NoConnection, true);
        return;
    }
    const std::filesystem::path temporary = download_->temporary();
    const int target = host().session().deviceTarget;
    const int recognized = host().data().deviceRecognized();
    worker_.start<kivo::DownloadOutcome>(
        [descriptor, base, name, temporary, target, recognized, stop = &worker_.stopFlag()] {
            // Leaving the page while it runs stops the transfer at its next look.
            const kivo::StopFlagWatch watch(*stop);
            kivo::DownloadOutcome outcome = kivo::download_into(descriptor, base, name);
            // Only firmware the update would take replaces the user's file: a body that HTTP calls
            // whole may still be half an image, or a page.
            std::string reason;
            if (outcome.ok && !kivo::firmware_file_loads(temporary, target, recognized, reason)) {
                outcome.ok = false;
                outcome.error = "not firmware the update takes: " + reason;
            }
            return outcome;
        },
        [this](kivo::DownloadOutcome outcome) {
            if (outcome.ok) {
                connectionDidFinishLoading();
                return;
            }
            kivo::system_log("firmware download: " + outcome.error);
            if (outcome.notKept)
                endDownload(DownloadFailure::FileNotCreated, false);
            else
                connection_didFailWithError();
        });
}

void UpdateViewController::connectionDidFinishLoading()
{
    const bool kept = download_ && download_->commit();
    download_.reset();
    if (!kept) {
        endDownload(DownloadFailure::FileNotCreated, false);
        return;
    }
    setFirmwareFile(state_.localPathLatestVersion.string());
    setState(kStateIdle);
    setBusy(false);
    setUpdateProcessed(-1);
    shared_->setUpdateFinished(false);
    if (pageMode() != kModeUpdate) {
        state_.restorePossible = true;
        showProcessingText(UpdateTexts::tavk_string_about_to_restore_in);
        setBusy(true);
        setState(kStateRestoreRunning);
        startUpdateRun(firmwareFile());
    } else if (!state_.newUpdateFound) {
        showPageStatus(UpdateTexts::tavk_string_press_update_button_in, false);
    } else {
        updateFirmware(nullptr);
    }
}

void UpdateViewController::connection_didFailWithError() { endDownload(DownloadFailure::ConnectionFailed, false); }

void UpdateViewController::endDownload(DownloadFailure step, bool at_start)
{
    // Nothing of a failed download stays: an earlier file at the target is as it was.
    download_.reset();
    kivo::PageHost& app = host();
    setState(kStateIdle);
    if (pageMode() != kModeUpdate) {
        state_.restorePossible = false;
        shared_->setUpdateFinished(true);
    }
    const DownloadFailureRow& row = failure_row(step);
    const bool update_page = pageMode() == kModeUpdate;
    const int mode = pageMode();
    const int usb_status = app.session().usbStatus;
    app.setStrStatusAll(kivo::status_in_every_language([&](ManagerLanguage language) {
        if (update_page)
            return kivo::fill_format(
                "%@. %@",
                {UpdateTexts::tavk_string_failed_to_download_latest_firmware_in(language), row.updateReason(language)});
        return kivo::fill_format(
            row.restoreFormat,
            {AppText::tavk_status_failure_usb_in(mode, usb_status, language), row.restoreReason(language)});
    }));
    app.setStatus_withWarning(app.getStrStatus(), true);
    setBusy(false);
    if (at_start)
        state_.newUpdateFound = false;
}

void UpdateViewController::showPageStatus(PageText text, bool warning)
{
    host().setStrStatusAll(kivo::status_in_every_language([&](ManagerLanguage language) { return text(language); }));
    host().setStatus_withWarning(host().getStrStatus(), warning);
}

void UpdateViewController::showProcessingText(PageText text)
{
    const int mode = pageMode();
    const int usb_status = host().session().usbStatus;
    host().setStrStatusAll(kivo::status_in_every_language([&](ManagerLanguage language) {
        return kivo::fill_format("%@ %@",
                                 {AppText::tavk_status_processing_usb_in(mode, usb_status, language), text(language)});
    }));
    host().setStatus_withWarning(host().getStrStatus(), false);
}
