// The restore page's layout, drawn from the page's state: the summary of the backup, the language
// pop-up and its caption, the enabled states, the progress area and the fixed frames. The
// summary's data rows show as the connected product's family keeps them for the selected tab and
// the backup's firmware; the restore table shows on the settings tab of the families that have it.

#include "app/shortcut_labels.h"
#include "text/app_text.h"
#include "text/update_texts.h"
#include "update/page/label_fit.h"
#include "update/page/page_frames.h"
#include "update/page/page_shortcuts.h"
#include "update/page/progress_view.h"
#include "update/page/summary_fields.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

constexpr Qt::Alignment kRightAligned = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

void set_row_visible(SummaryFields row, bool visible)
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
    // The summary's texts, and the backup the controls follow: loaded afresh at every refresh.
    setBackupInfo();
    const kivo::RestorePageControls c = kivo::restore_page_controls(state_, pageContext());

    ui.lblBackupFirmwareInformation->setText(qtext(c.header));
    ui.lblRestoredVersion->setAlignment(c.versionLabelCentred ? kCentred : kRightAligned);
    ui.lblRestoredVersion->setText(qtext(c.versionLabel));

    ui.btnRestore->setEnabled(c.restoreEnabled);
    ui.btnUpdate->setEnabled(c.updateEnabled);
    ui.btnNext->setEnabled(c.nextEnabled);
    ui.btnBack->setEnabled(c.backEnabled);
    ui.popUpLanguageFirmware->setEnabled(c.popUpEnabled);

    ui.lblRestoredVersion->setVisible(c.versionShown);
    ui.tfRestoredVersion->setVisible(c.versionValueShown);
    set_row_visible({ui.lblRestoredDate, ui.tfRestoredDate}, c.dateShown);
    ui.popUpLanguageFirmware->setVisible(c.popUpShown);
    ui.lblRestoreLanguageVoicePrompt->setVisible(c.popUpShown);
    ui.lblUpdateVoicePromptInformation->setText(qtext(c.instructions));
    ui.lblUpdateVoicePromptInformation->setVisible(c.instructionsShown);
    const std::array<SummaryFields, 6> rows = summary_data_rows(ui);
    for (size_t i = 0; i < rows.size(); ++i)
        set_row_visible(rows[i], c.dataRowsShown[i]);
    if (c.rowOneRightAligned)
        ui.lblRestoredData1->setAlignment(kRightAligned);
    ui.tableViewRestore->setVisible(c.tableShown);
    ui.scrollViewRestore->setVisible(c.tableShown);

    show_progress_area(c.progress, *ui.piProcessingCircular, *ui.piProcessing, *ui.tfProcessing, *ui.tfPercent);
    placeRestoreControls(c.tableAboveInstructions);
    finishSummaryRows(c.dataRowsShown);
    reloadRestoreTable();
}

void UpdateViewController::finishSummaryRows(const std::array<bool, 6>& shown)
{
    Ui::RestoreView& ui = restore_;
    const std::array<SummaryFields, 6> rows = summary_data_rows(ui);
    for (size_t i = 0; i < rows.size(); ++i) {
        // A row the family shows that this refresh did not write would still hold another tab's or
        // another product's texts.
        if (!shown[i])
            continue;
        if (!summaryRows_.data[i].label)
            rows[i].label->clear();
        if (!summaryRows_.data[i].value)
            rows[i].value->clear();
    }
    for (SummaryFields row : rows) {
        fit_label_font(*row.label);
        fit_label_font(*row.value);
    }
    fit_label_font(*ui.lblRestoredDate);
    fit_label_font(*ui.tfRestoredDate);
}

void UpdateViewController::placeRestoreControls(bool table_above_instructions)
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
    const std::array<SummaryFields, 6> rows = summary_data_rows(ui);
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].label->setGeometry(qt_rect(kDataRows[i].label));
        rows[i].value->setGeometry(qt_rect(kDataRows[i].value));
    }
    ui.scrollViewRestore->setGeometry(qt_rect(table_above_instructions ? kTableAboveInstructions : kTable));
    ui.piProcessing->setGeometry(qt_rect(kProgressBar));
    ui.tfProcessing->setGeometry(qt_rect(kProgressNumber));
    ui.tfPercent->setGeometry(qt_rect(kProgressPercent));
    ui.btnUpdate->setGeometry(qt_rect(kUpdate));
    ui.btnBack->setGeometry(qt_rect(kBack));
    ui.btnRestore->setGeometry(qt_rect(kRestore));
    ui.btnNext->setGeometry(qt_rect(kNext));
}
