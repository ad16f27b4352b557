// The views of both pages: their set-up and the titles and shortcut hints they share; the control
// states and frames of the update page.

#include <QApplication>

#include "app/shortcut_labels.h"
#include "app/text/app_text.h"
#include "app/text/text_format.h"
#include "app/text/update_texts.h"
#include "device/products/update_next_hidden.h"
#include "device/products/version_forms.h"
#include "update/page/page_frames.h"
#include "update/page/page_shortcuts.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// The spinner's value while it turns.
constexpr double kSpinnerRunningValue = 50;

// A font small enough for the 19-point buttons to show their titles whole in every language.
QFont page_font()
{
    QFont font = QApplication::font();
    font.setPixelSize(11);
    return font;
}

// A caption right-aligned against the pop-up keeps a little room before it.
void keep_room_before_pop_up(QLabel* caption) { caption->setContentsMargins(0, 0, 4, 0); }

void keep_black_text(QWidget* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    field->setPalette(palette);
}

} // namespace

void UpdateViewController::setUpView()
{
    view_ = new QWidget;
    QWidget* area = nullptr;
    PopUpButton* pop_up = nullptr;
    if (pageMode() == kModeUpdate) {
        update_.setupUi(view_);
        keep_black_text(update_.tfLatestVersion);
        keep_room_before_pop_up(update_.lblUpdateLanguageVoicePrompt);
        area = update_.frameArea;
        pop_up = update_.popUpLanguageFirmware;
        btnNext_ = update_.btnNext;
        btnBack_ = update_.btnBack;
        setUpNewUpdateSheet();
    } else {
        restore_.setupUi(view_);
        setUpRestoreTable();
        QFont header = page_font();
        header.setBold(true);
        restore_.lblBackupFirmwareInformation->setFont(header);
        keep_room_before_pop_up(restore_.lblRestoreLanguageVoicePrompt);
        area = restore_.frameArea;
        pop_up = restore_.popUpLanguageFirmware;
        btnNext_ = restore_.btnNext;
        btnBack_ = restore_.btnBack;
    }
    area->setFont(page_font());
    area->setFixedSize(kFrameAreaWidth, kFrameAreaHeight);
    connect(pop_up, &PopUpButton::menuWillOpen, this, [this] { menuWillOpen(); });
}

void UpdateViewController::menuWillOpen() { host().closeListTabs(); }

void UpdateViewController::setControls()
{
    setShortcuts();
    // Each instance lays out its own view. The controller's mode is the page's own whenever the
    // page is on screen; a run's last refresh comes after the hand-over to recognition, and must
    // not turn the update page into a restore page that looks for a backup.
    if (pageMode() == kModeUpdate)
        setControlsFirmwareUpdate();
    else
        setControlsFirmwareRestore();
}

void UpdateViewController::setShortcuts()
{
    const kivo::PageHost& app = host();
    const int language = app.languageManager();
    if (app.showShortcuts()) {
        btnNext_->setText(QString::fromUtf8(kivo::shortcuts::kNext));
        btnBack_->setText(QString::fromUtf8(kivo::shortcuts::kBack));
    } else {
        btnNext_->setText(qtext(nextIsNewDevice() ? AppText::tavk_string_new_device_in(language)
                                                  : AppText::tavk_string_next_in(language)));
        btnBack_->setText(qtext(AppText::tavk_string_back_in(language)));
    }
    if (pageMode() == kModeUpdate)
        setShortcutsFirmwareUpdate();
    else
        setShortcutsFirmwareRestore();
}

void UpdateViewController::setShortcutsFirmwareUpdate()
{
    Ui::UpdateView& ui = update_;
    const int language = host().languageManager();
    if (host().showShortcuts()) {
        ui.btnUpdate->setText(QString::fromUtf8(kivo::shortcuts::kUpdateOnUpdatePage));
        ui.btnRestore->setText(QString::fromUtf8(kivo::shortcuts::kFirmwareRestore));
        ui.btnBrowse->setText(QString::fromUtf8(kivo::shortcuts::kBrowse));
        ui.btnDownload->setText(QString::fromUtf8(kivo::shortcuts::kDownload));
        ui.lblUpdateLanguageVoicePrompt->setText(QString::fromUtf8(kivo::shortcuts::kLanguagePopUp));
        return;
    }
    ui.btnUpdate->setText(qtext(UpdateTexts::stringUPDATE(language)));
    ui.btnRestore->setText(qtext(AppText::tavk_string_mode_in(kModeRestore, language)));
    ui.btnBrowse->setText(qtext(UpdateTexts::stringBrowse(language)));
    ui.btnDownload->setText(qtext(UpdateTexts::stringDownload(language)));
    ui.lblUpdateLanguageVoicePrompt->setText(qtext(UpdateTexts::voice_prompt_label_in(language)));
}

void UpdateViewController::setControlsFirmwareUpdate()
{
    Ui::UpdateView& ui = update_;
    const kivo::PageHost& app = host();
    const bool processing = app.onProcessing();

    ui.lblFirmwareFile->setText(qtext(UpdateTexts::stringFirmwareToUpdate(app.languageManager())));
    for (QWidget* button : std::initializer_list<QWidget*>{ui.btnBrowse, ui.btnDownload, ui.btnRestore, ui.btnUpdate,
                                                           ui.btnNext, ui.btnBack})
        button->setEnabled(!processing);
    ui.btnNext->setVisible(!kivo::update_next_hidden(app.session().deviceTarget));
    ui.popUpLanguageFirmware->setEnabled(!processing);

    // The progress area: the spinner while the index is read or a file is downloaded, else the
    // bar once there is a percentage to show.
    const int current = state();
    const int percent = updateProcessed();
    const bool reading = current == kStateReadingIndex || current == kStateDownloadingFirmware;
    if (reading && processing) {
        ui.piProcessingCircular->setDoubleValue(kSpinnerRunningValue);
        ui.piProcessingCircular->startAnimation();
    } else {
        ui.piProcessingCircular->stopAnimation();
        ui.piProcessingCircular->setDoubleValue(0);
    }
    if (reading || percent < 0) {
        ui.piProcessing->setValue(0);
        ui.piProcessing->hide();
        ui.lblUpdateVoicePromptInformation->show();
        ui.tfProcessing->hide();
        ui.tfPercent->hide();
    } else {
        ui.piProcessing->setValue(percent);
        ui.piProcessing->show();
        ui.lblUpdateVoicePromptInformation->hide();
        ui.tfProcessing->setText(QString::number(percent));
        ui.tfProcessing->show();
        ui.tfPercent->show();
    }

    showLatestVersion();

    if (ui.tfFirmwareFile->text().isEmpty())
        ui.btnUpdate->setEnabled(false);

    ui.btnBack->setGeometry(qt_rect(update_frames::kBack));
    ui.btnNext->setGeometry(qt_rect(update_frames::kNext));
    ui.btnUpdate->setGeometry(qt_rect(update_frames::kUpdate));
    ui.btnRestore->setGeometry(qt_rect(update_frames::kRestore));
    ui.popUpLanguageFirmware->setGeometry(qt_rect(update_frames::kLanguagePopUp));
    ui.btnRestore->hide();
}

void UpdateViewController::showLatestVersion()
{
    Ui::UpdateView& ui = update_;
    const int language = host().languageManager();
    const FirmwareQuad& latest = latestVersion_;
    const bool none =
        KIVOBluetoothDeviceData::
            compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                latest.major, latest.minor, latest.secondaryType, latest.secondary, 0, 0, 0, 0) == 0;
    if (none) {
        ui.btnDownload->setEnabled(false);
        // While the index is read nothing is known yet: the line waits for the read's end.
        const bool reading = state() == kStateReadingIndex && host().onProcessing();
        ui.tfLatestVersion->setText(
            reading ? QString() : qtext(UpdateTexts::tavk_string_cannot_connect_to_the_server_in(language)));
        ui.tfLatestVersion->setGeometry(10, ui.tfLatestVersion->y(), 385, ui.tfLatestVersion->height());
        ui.popUpLanguageFirmware->hide();
        ui.lblUpdateLanguageVoicePrompt->hide();
        ui.lblUpdateVoicePromptInformation->hide();
        ui.btnDownload->setGeometry(qt_rect(update_frames::kDownloadSingleLanguage));
        return;
    }
    const std::string label = UpdateTexts::stringLatestVersion(language);
    const bool four_parts = kivo::version_has_four_parts(host().session().deviceTarget);
    const std::string suffix = latest.secondary != 0 ? kivo::fill_format(".%d", {latest.secondary}) : std::string();
    const bool languages = ui.popUpLanguageFirmware->count() >= 2;
    std::string line;
    if (four_parts)
        line = kivo::fill_format("%@: v%d.%d.%d.%d",
                                 {label, latest.secondaryType, latest.secondary, latest.major, latest.minor});
    else
        line = kivo::fill_format("%@: v%d.%d%@", {label, latest.major, latest.minor, suffix});
    if (!languages)
        line = kivo::fill_format("%@ (%@)", {line, fileNameLatestVersion_});
    ui.tfLatestVersion->setText(qtext(line));
    if (languages) {
        // The caption of the pop-up stands right of the shorter line.
        ui.tfLatestVersion->setGeometry(10, ui.tfLatestVersion->y(), 190, ui.tfLatestVersion->height());
        ui.popUpLanguageFirmware->show();
        ui.lblUpdateLanguageVoicePrompt->show();
        ui.btnDownload->setGeometry(qt_rect(update_frames::kDownloadLanguages));
        ui.lblUpdateVoicePromptInformation->setText(qtext(UpdateTexts::stringVoicePromptInformation(language)));
    } else {
        ui.tfLatestVersion->setGeometry(10, ui.tfLatestVersion->y(), 385, ui.tfLatestVersion->height());
        ui.popUpLanguageFirmware->hide();
        ui.lblUpdateLanguageVoicePrompt->hide();
        ui.lblUpdateVoicePromptInformation->hide();
        ui.btnDownload->setGeometry(qt_rect(update_frames::kDownloadSingleLanguage));
    }
}
