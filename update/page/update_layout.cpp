// The views of both pages: their set-up and the titles and shortcut hints they share; the update
// page's controls drawn from the page's state, and its frames.

#include <QApplication>

#include "app/shortcut_labels.h"
#include "text/app_text.h"
#include "text/update_texts.h"
#include "update/page/page_frames.h"
#include "update/page/page_shortcuts.h"
#include "update/page/progress_view.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

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

kivo::PageContext UpdateViewController::pageContext() const
{
    const kivo::PageHost& app = host();
    return {app.onProcessing(), app.languageManager(), app.session().deviceTarget};
}

void UpdateViewController::setControlsFirmwareUpdate()
{
    Ui::UpdateView& ui = update_;
    const kivo::UpdatePageControls c = kivo::update_page_controls(state_, pageContext());

    ui.lblFirmwareFile->setText(qtext(c.firmwareFileLabel));
    ui.btnBrowse->setEnabled(c.browseEnabled);
    ui.btnDownload->setEnabled(c.downloadEnabled);
    ui.btnRestore->setEnabled(c.restoreEnabled);
    ui.btnUpdate->setEnabled(c.updateEnabled);
    ui.btnNext->setEnabled(c.nextEnabled);
    ui.btnBack->setEnabled(c.backEnabled);
    ui.btnNext->setVisible(c.nextShown);
    ui.popUpLanguageFirmware->setEnabled(c.popUpEnabled);
    show_progress_area(c.progress, *ui.piProcessingCircular, *ui.piProcessing, *ui.tfProcessing, *ui.tfPercent);
    if (c.instructions)
        ui.lblUpdateVoicePromptInformation->setText(qtext(*c.instructions));
    ui.lblUpdateVoicePromptInformation->setVisible(c.instructionsShown);

    // The version line; with languages to choose it is shorter, the pop-up's caption right of it.
    ui.tfLatestVersion->setText(qtext(c.latestVersionLine));
    ui.tfLatestVersion->setGeometry(10, ui.tfLatestVersion->y(), c.popUpShown ? 190 : 385,
                                    ui.tfLatestVersion->height());
    ui.popUpLanguageFirmware->setVisible(c.popUpShown);
    ui.lblUpdateLanguageVoicePrompt->setVisible(c.popUpShown);
    ui.btnDownload->setGeometry(
        qt_rect(c.downloadBelowPopUp ? update_frames::kDownloadLanguages : update_frames::kDownloadSingleLanguage));

    ui.btnBack->setGeometry(qt_rect(update_frames::kBack));
    ui.btnNext->setGeometry(qt_rect(update_frames::kNext));
    ui.btnUpdate->setGeometry(qt_rect(update_frames::kUpdate));
    ui.btnRestore->setGeometry(qt_rect(update_frames::kRestore));
    ui.popUpLanguageFirmware->setGeometry(qt_rect(update_frames::kLanguagePopUp));
    ui.btnRestore->setVisible(c.restoreShown);
}
