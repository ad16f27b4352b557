// The restore page's summary of the settings backup: loading the selected product's backup, the
// checks that it can be restored into the connected device, the summary's header (version and
// date) and its rows for the selected tab (update/state/backup_summary_rows.h). Without a usable
// backup the status line says so and no restore is offered.

#include <QDateTime>

#include "app/data_folders.h"
#include "device/backup_archive.h"
#include "device/products/backup_compatibility.h"
#include "text/app_text.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"
#include "update/page/date_pattern.h"
#include "update/page/summary_fields.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// The backup's date in local time, written by the language's pattern; empty for none.
std::string backup_date_text(const std::optional<KIVOBluetoothDeviceData::Date>& archived, int language)
{
    if (!archived)
        return {};
    const QDateTime local = QDateTime::fromSecsSinceEpoch(archived->time_since_epoch().count()).toLocalTime();
    const DateFields fields{local.date().year(), local.date().month(),  local.date().day(),
                            local.time().hour(), local.time().minute(), local.time().second()};
    return format_date_pattern(AppText::tavk_string_date_format_in(language), fields);
}

} // namespace

void UpdateViewController::setBackupInfo()
{
    summaryRows_ = {};
    if (loadBackup()) {
        showBackupHeader();
        showSummaryRows();
    } else {
        showNoBackup();
    }
}

bool UpdateViewController::loadBackup()
{
    const kivo::PageHost& app = host();
    const std::filesystem::path file = kivo::backup_archive_file(kivo::archive_folder(), app.session().deviceTarget);
    try {
        state_.dataToUnarchive = file.empty() ? std::nullopt : kivo::read_backup_archive(file);
    } catch (const ArchiveError&) {
        // A foreign or damaged file: nothing was loaded, and no earlier record may stand in for it.
        state_.dataToUnarchive.reset();
    }
    if (!state_.dataToUnarchive)
        return false;
    const KIVOBluetoothDeviceData& backup = *state_.dataToUnarchive;
    // A backup written by a manager leaves its version in it.
    if (KIVOBluetoothDeviceData::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(
            backup.managerVersionMajor(), backup.managerVersionMinor(), 0, 0) == 0)
        return false;
    // The connected device, not the selected product, decides which backups it takes back.
    const std::optional<kivo::BackupVersionFloor> floor = kivo::backup_version_floor(app.data().deviceRecognized());
    return !floor || backup.compareVersionUpToMinorWithMajor_Minor(floor->major, floor->minor) >= 0;
}

void UpdateViewController::showBackupHeader()
{
    Ui::RestoreView& ui = restore_;
    const int language = host().languageManager();
    const int product = host().session().deviceTarget;
    const KIVOBluetoothDeviceData& backup = *state_.dataToUnarchive;
    const std::array<SummaryFields, 6> rows = summary_data_rows(ui);
    for (size_t i = 0; i < 5; ++i)
        rows[i].label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.tfRestoredVersion->setText(qtext(kivo::backup_version_text(product, backup)));
    ui.lblRestoredDate->setText(qtext(kivo::fill_format("%@: ", {UpdateTexts::date_label_in(language)})));
    ui.tfRestoredDate->setText(qtext(backup_date_text(backup.dateArchived(), language)));
}

void UpdateViewController::showSummaryRows()
{
    Ui::RestoreView& ui = restore_;
    summaryRows_ = kivo::backup_summary_rows(*state_.dataToUnarchive, host().session().deviceTarget,
                                             tabAt(tabIndexSelected()), host().languageManager());
    auto write = [](QLabel* field, const std::optional<std::string>& text) {
        if (text)
            field->setText(qtext(*text));
    };
    write(ui.lblRestoredDate, summaryRows_.date.label);
    write(ui.tfRestoredDate, summaryRows_.date.value);
    const std::array<SummaryFields, 6> rows = summary_data_rows(ui);
    for (size_t i = 0; i < rows.size(); ++i) {
        write(rows[i].label, summaryRows_.data[i].label);
        write(rows[i].value, summaryRows_.data[i].value);
    }
    if (summaryRows_.labelsLeftAligned)
        for (size_t i = 0; i < 5; ++i)
            rows[i].label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void UpdateViewController::showNoBackup()
{
    kivo::PageHost& app = host();
    if (app.session().deviceTarget == 0) {
        app.setStatusLookPlain();
        return;
    }
    state_.restorePossible = false;
    const int mode = app.mode();
    const int usb_status = app.session().usbStatus;
    app.setStrStatusAll(kivo::status_in_every_language([&](int language) {
        return kivo::fill_format("%@. %@",
                                 {AppText::tavk_status_failure_usb_in(mode, usb_status, language),
                                  UpdateTexts::tavk_string_no_backup_firmware_in(language)});
    }));
    app.setStatus_withWarning(app.getStrStatus(), true);
}
