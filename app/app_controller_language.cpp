// The controller's language sheet: choosing the interface language, previewed in the sheet itself,
// and whether the device's voice-prompt language follows it.

#include <QButtonGroup>

#include <array>

#include "app/app_controller.h"
#include "app/language_sheet.h"
#include "app/manager_window.h"
#include "app/page_bases.h"
#include "text/app_text.h"
#include "text/text_format.h"

using kivo::AppText;

namespace {

// Rows 1 to 12 and languages 1 to 12 (row 0 and language 0 are English).
constexpr std::array<int, 12> kRowToLanguage = {1, 6, 3, 2, 7, 8, 9, 5, 4, 10, 11, 12};
constexpr std::array<int, 12> kLanguageToRow = {1, 4, 3, 9, 8, 2, 5, 6, 7, 10, 11, 12};

QString qtext(const std::string& s) { return QString::fromStdString(s); }

} // namespace

int KIVOBluetoothManagerAppController::languageManagerFromButtonCellIndex(int row)
{
    return row >= 1 && row <= 12 ? kRowToLanguage[static_cast<size_t>(row - 1)] : kivo::kEnglish;
}

int KIVOBluetoothManagerAppController::buttonCellIndexFromLanguageManager(int language)
{
    return language >= 1 && language <= 12 ? kLanguageToRow[static_cast<size_t>(language - 1)] : 0;
}

void KIVOBluetoothManagerAppController::openLanguageManager()
{
    if (refuseAction())
        return;
    LanguageSheet* sheet = window_->sheetLanguageManager;
    sheet->selectRow(buttonCellIndexFromLanguageManager(languageManager_));
    setControlsLanguageManager();
    sheet->ui.btnApplyToLanguageFirmware->setChecked(applyToLanguageFirmware_);
    sheet->open();
}

void KIVOBluetoothManagerAppController::changeLanguageManager(QObject* sender)
{
    LanguageSheet* sheet = window_->sheetLanguageManager;
    // A language name selects its row.
    for (int row = 0; row < LanguageSheet::kRowCount; ++row)
        if (sender == sheet->languageButtons[static_cast<size_t>(row)])
            sheet->selectRow(row);
    setControlsLanguageManager();
}

void KIVOBluetoothManagerAppController::setControlsLanguageManager()
{
    LanguageSheet* sheet = window_->sheetLanguageManager;
    const int preview = languageManagerFromButtonCellIndex(sheet->selectedRow());
    sheet->ui.btnApplyToLanguageFirmware->setText(qtext(AppText::stringApplyToFirmwareLanguage(preview)));
    const QString title = qtext(AppText::tavk_string_language_manager_in(preview));
    sheet->setWindowTitle(title);
    sheet->ui.boxLanguageManager->setTitle(title);
    for (int row = 0; row < LanguageSheet::kRowCount; ++row) {
        const std::string name = AppText::tavk_string_language_in(languageManagerFromButtonCellIndex(row), preview);
        sheet->languageButtons[static_cast<size_t>(row)]->setText(qtext(kivo::fill_format(" %@", {name})));
    }
    sheet->ui.btnLanguageManagerOK->setText(qtext(AppText::tavk_string_ok_in(preview)));
    sheet->ui.btnLanguageManagerCancel->setText(qtext(AppText::tavk_string_cancel_in(preview)));
}

void KIVOBluetoothManagerAppController::languageManagerOK()
{
    LanguageSheet* sheet = window_->sheetLanguageManager;
    const int language = languageManagerFromButtonCellIndex(sheet->selectedRow());
    const bool apply = sheet->ui.btnApplyToLanguageFirmware->isChecked();
    if (language != languageManager_ || apply != applyToLanguageFirmware_) {
        languageManager_ = language;
        strLanguageManager_ = AppText::tavk_language_manager(language);
        applyToLanguageFirmware_ = apply;
        setControlsFont();
        setControls();
        updateStatusInManagerLanguage();
        switch (mode_) {
        case kModeUpdate: update_->readLatest(); break;
        case kModeRestore:
            restore_->initializeObjectWithDefaultStatus(true);
            restore_->setControlsFirmwareRestore();
            restore_->readLatest();
            break;
        default:
            if (DetailViewController* page = currentDetailViewController())
                page->setControls();
            if (mode_ == kModeSettings)
                settings_->callTableviewReloadDataForOutsideClass();
            break;
        }
    }
    sheet->done(QDialog::Accepted);
}

void KIVOBluetoothManagerAppController::languageManagerCancel()
{
    window_->sheetLanguageManager->done(QDialog::Rejected);
}
