#include "settings/page/device_settings_page.h"

#include <QShortcut>

#include "common/system_log.h"
#include "device/products/settings_tabs.h"
#include "settings/change_detection.h"
#include "settings/page/stepper.h"
#include "settings/texts/page_texts.h"
#include "settings/timeout_field.h"
#include "text/app_text.h"
#include "text/text_format.h"

using kivo::AppText;
using kivo::SettingsPageTexts;

namespace {

// The message box of the apply note: size 1, a box that only closes.
constexpr int kNoteBoxSize = 1;

} // namespace

DeviceSettingsViewController::DeviceSettingsViewController(kivo::PageHost& host)
    : DeviceSavePage(host, kModeSettings)
    , view_(new QWidget)
{
    ui_.setupUi(view_);
    outlets_ = std::make_unique<PanelOutlets>(view_);
    ui_.stepperACT->setRange(kivo::settings::kTimeoutLowest, kivo::settings::kTimeoutHighest);
    ui_.lblNoteEDR->setWordWrap(true);
    connectControls();
    connectChanges();
    connectTable();
    connectSheet();
    addKeys();
}

DeviceSettingsViewController::~DeviceSettingsViewController() = default;

void DeviceSettingsViewController::connectControls()
{
    connect(ui_.btnBack, &QPushButton::clicked, this, [this] { moveToFirmwareUpdate(ui_.btnBack); });
    connect(ui_.btnNewDevice, &QPushButton::clicked, this, [this] { moveToDeviceSelection(ui_.btnNewDevice); });
    connect(ui_.btnCancel, &QPushButton::clicked, this, [this] { changeToOriginal(ui_.btnCancel); });
    connect(ui_.btnDefault, &QPushButton::clicked, this, [this] { changeToDefault(ui_.btnDefault); });
    connect(ui_.btnNoteApply, &QPushButton::clicked, this, [this] { displayNoteApply(ui_.btnNoteApply); });
    connect(ui_.btnSave, &QPushButton::clicked, this, [this] { save(ui_.btnSave); });
}

// The keys the hints name. A key belongs to its control: it acts only while that control is shown
// and enabled. Back and New Device are the window's own keys.
void DeviceSettingsViewController::addKeys()
{
    auto add = [](QAbstractButton* button, std::string_view hint) {
        const QKeySequence key = key_of_hint(hint);
        if (button == nullptr || key.isEmpty())
            return;
        auto* shortcut = new QShortcut(key, button);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    };
    add(ui_.btnSave, kivo::page_keys::kSave);
    add(ui_.btnDefault, kivo::page_keys::kDefault);
    add(ui_.btnCancel, kivo::page_keys::kCancel);
    add(ui_.btnAllSettings, kivo::page_keys::kMoreSettings);
    for (const PanelRowWidgets& row : outlets_->rows()) {
        add(row.info, row.outlets->infoHint);
        for (std::size_t column = 0; column < row.cells.size(); ++column)
            add(row.cells[column], row.outlets->cellHints[column]);
    }
}

// ---- Life cycle ----------------------------------------------------------------------------------

void DeviceSettingsViewController::initializeObject()
{
    takeRecognizedRecord();
    kivo::system_log("ASDF NEXT RELOAD!!");
    ui_.tableViewDeviceAllSettingsBasic->noteNumberOfRowsChanged();
    callTableviewReloadDataForOutsideClass();
    setControls();
    setControlsWithData();
    ui_.scrollPanel->ensureVisible(0, 0);
}

void DeviceSettingsViewController::callTableviewReloadDataForOutsideClass() { reloadAllSettingsTable(); }

bool DeviceSettingsViewController::isSettingsChanged() const
{
    return kivo::settings::settings_changed(host().session().deviceTarget, host().data(), dataCurrent());
}

std::string DeviceSettingsViewController::stringNoteEDR() const
{
    return SettingsPageTexts::stringNoteEDR(host().languageManager());
}

std::string DeviceSettingsViewController::stringNoteApply() const
{
    return SettingsPageTexts::stringNoteApply(host().languageManager());
}

std::string DeviceSettingsViewController::stringACTUnit() const
{
    return SettingsPageTexts::stringACTUnit(host().languageManager());
}

void DeviceSettingsViewController::displayNoteApply(QObject*)
{
    kivo::PageHost& app = host();
    if (app.onProcessing())
        return;
    app.closeListTabs();
    const int language = app.languageManager();
    const std::string message =
        kivo::fill_format("[%@]\n%@", {AppText::tavk_string_mode_in(app.mode(), language), stringNoteApply()});
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        message, true, std::nullopt, AppText::tavk_string_ok_in(language), kNoteBoxSize, kBoxStatus);
}

// ---- Reverting ---------------------------------------------------------------------------------------

void DeviceSettingsViewController::refreshFromWorkingCopy()
{
    callTableviewReloadDataForOutsideClass();
    DeviceSavePage::refreshFromWorkingCopy();
}

DeviceSavePage::PageButtons DeviceSettingsViewController::pageButtons()
{
    return {ui_.btnSave, ui_.btnDefault, ui_.btnCancel, ui_.btnBack, ui_.btnNewDevice};
}
