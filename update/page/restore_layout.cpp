// The restore page's layout: the summary of the backup, the language pop-up and its caption, the
// enabled states, the progress area and the fixed frames. The summary's data rows stay hidden for
// now; the family rule that shows them is yet to come. The restore table shows on the settings tab
// of the families that have it.

#include "app/shortcut_labels.h"
#include "app/text/app_text.h"
#include "app/text/text_format.h"
#include "app/text/update_texts.h"
#include "device/products/restore_table_families.h"
#include "update/page/page_frames.h"
#include "update/page/page_shortcuts.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

constexpr double kSpinnerRunningValue = 50;
constexpr Qt::Alignment kRightAligned = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

struct SummaryRow {
    QLabel* label;
    QLabel* value;
};

std::array<SummaryRow, 6> data_rows(Ui::RestoreView& ui)
{
    return {{{ui.lblRestoredData1, ui.tfRestoredData1},
             {ui.lblRestoredData2, ui.tfRestoredData2},
             {ui.lblRestoredData3, ui.tfRestoredData3},
             {ui.lblRestoredData4, ui.tfRestoredData4},
             {ui.lblRestoredData5, ui.tfRestoredData5},
             {ui.lblRestoredData6, ui.tfRestoredData6}}};
}

void set_row_visible(SummaryRow row, bool visible)
{
    row.label->setVisible(visible);
    row.value->setVisible(visible);
}

} // namespace

void UpdateViewController::setShortcutsFirmwareRestore()
{
    Ui::RestoreView& ui = restore_;
    const int language = host().languageManager();
    if (host().showShortcuts()) {
        ui.btnUpdate->setText(QString::fromUtf8(kivo::shortcuts::kFirmwareUpdate));
        ui.btnRestore->setText(QString::fromUtf8(kivo::shortcuts::kRestoreOnRestorePage));
        ui.lblRestoreLanguageVoicePrompt->setText(QString::fromUtf8(kivo::shortcuts::kLanguagePopUp));
        return;
    }
    ui.btnUpdate->setText(qtext(AppText::tavk_string_mode_in(kModeUpdate, language)));
    ui.btnRestore->setText(qtext(UpdateTexts::stringRESTORE(language)));
    ui.lblRestoreLanguageVoicePrompt->setText(qtext(UpdateTexts::voice_prompt_label_in(language)));
}

void UpdateViewController::setControlsFirmwareRestore()
{
    Ui::RestoreView& ui = restore_;
    const kivo::PageHost& app = host();
    const int language = app.languageManager();
    const bool processing = app.onProcessing();
    const int items = ui.popUpLanguageFirmware->count();

    setBackupInfo();
    ui.lblBackupFirmwareInformation->setText(qtext(UpdateTexts::stringBackupFirmwareInformation(language)));

    // With a language to choose, the version stands in its label, centred; else beside it.
    const std::string version_word = AppText::tavk_string_version_in(language);
    if (items >= 1) {
        ui.lblRestoredVersion->setAlignment(kCentred);
        ui.lblRestoredVersion->setText(
            qtext(kivo::fill_format("%@: %@", {version_word, ui.tfRestoredVersion->text().toStdString()})));
    } else {
        ui.lblRestoredVersion->setAlignment(kRightAligned);
        ui.lblRestoredVersion->setText(qtext(kivo::fill_format("%@:", {version_word})));
    }

    for (QWidget* control :
         std::initializer_list<QWidget*>{ui.btnRestore, ui.btnUpdate, ui.btnNext, ui.btnBack, ui.popUpLanguageFirmware})
        control->setEnabled(!processing);
    if (!restorePossible_)
        ui.btnRestore->setEnabled(false);

    set_row_visible({ui.lblRestoredVersion, ui.tfRestoredVersion}, true);
    set_row_visible({ui.lblRestoredDate, ui.tfRestoredDate}, true);

    const bool languages = items >= 2;
    ui.popUpLanguageFirmware->setVisible(languages);
    ui.lblRestoreLanguageVoicePrompt->setVisible(languages);
    if (languages)
        ui.tfRestoredVersion->hide();
    ui.lblUpdateVoicePromptInformation->setText(
        qtext(UpdateTexts::tavk_string_press_restore_button_after_selecting_in(language)));
    ui.lblUpdateVoicePromptInformation->setVisible(languages);

    // Until the rows of each family are written, the data rows stay hidden. The restore table shows
    // where the family rule has it: on the settings tab of its families.
    for (SummaryRow row : data_rows(ui))
        set_row_visible(row, false);
    ui.tableViewRestore->hide();
    ui.scrollViewRestore->hide();
    if (kivo::shows_restore_table(app.session().deviceTarget) && tabAt(tabIndexSelected()) == kTabDeviceSettings)
        restoreTableViewHiddenWithRestorePossible();

    if (!restorePossible_) {
        ui.btnRestore->setEnabled(false);
        ui.lblRestoredData1->setAlignment(kRightAligned);
        set_row_visible({ui.lblRestoredVersion, ui.tfRestoredVersion}, false);
        set_row_visible({ui.lblRestoredDate, ui.tfRestoredDate}, false);
        for (SummaryRow row : data_rows(ui))
            set_row_visible(row, false);
        for (QWidget* control : std::initializer_list<QWidget*>{
                 ui.popUpLanguageFirmware, ui.lblRestoreLanguageVoicePrompt, ui.lblUpdateVoicePromptInformation,
                 ui.tableViewRestore, ui.scrollViewRestore})
            control->hide();
    }

    showRestoreProgress();
    placeRestoreControls();
    reloadRestoreTable();
}

void UpdateViewController::showRestoreProgress()
{
    Ui::RestoreView& ui = restore_;
    const int current = state();
    const int percent = updateProcessed();
    const bool busy = current == kStateReadingRevisions || current == kStateDownloadingBackup;
    if (busy && host().onProcessing()) {
        ui.piProcessingCircular->setDoubleValue(kSpinnerRunningValue);
        ui.piProcessingCircular->startAnimation();
    } else {
        ui.piProcessingCircular->stopAnimation();
        ui.piProcessingCircular->setDoubleValue(0);
    }
    if (busy || percent < 0) {
        ui.piProcessing->setValue(0);
        ui.piProcessing->hide();
        ui.tfProcessing->hide();
        ui.tfPercent->hide();
    } else {
        ui.piProcessing->setValue(percent);
        ui.piProcessing->show();
        ui.tfProcessing->setText(QString::number(percent));
        ui.tfProcessing->show();
        ui.tfPercent->show();
    }
}

void UpdateViewController::placeRestoreControls()
{
    using namespace restore_frames;
    Ui::RestoreView& ui = restore_;
    ui.lblBackupFirmwareInformation->setGeometry(qt_rect(kHeader));
    ui.lblRestoreLanguageVoicePrompt->setGeometry(qt_rect(kLanguageCaption));
    ui.popUpLanguageFirmware->setGeometry(qt_rect(kLanguagePopUp));
    ui.lblRestoredVersion->setGeometry(qt_rect(kVersionRow.label));
    ui.tfRestoredVersion->setGeometry(qt_rect(kVersionRow.value));
    ui.lblRestoredDate->setGeometry(qt_rect(kDateRow.label));
    ui.tfRestoredDate->setGeometry(qt_rect(kDateRow.value));
    const std::array<SummaryRow, 6> rows = data_rows(ui);
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].label->setGeometry(qt_rect(kDataRows[i].label));
        rows[i].value->setGeometry(qt_rect(kDataRows[i].value));
    }
    const bool instructions = ui.popUpLanguageFirmware->count() >= 2;
    ui.scrollViewRestore->setGeometry(qt_rect(instructions ? kTableAboveInstructions : kTable));
    ui.piProcessing->setGeometry(qt_rect(kProgressBar));
    ui.tfProcessing->setGeometry(qt_rect(kProgressNumber));
    ui.tfPercent->setGeometry(qt_rect(kProgressPercent));
    ui.btnUpdate->setGeometry(qt_rect(kUpdate));
    ui.btnBack->setGeometry(qt_rect(kBack));
    ui.btnRestore->setGeometry(qt_rect(kRestore));
    ui.btnNext->setGeometry(qt_rect(kNext));
}
