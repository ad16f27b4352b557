#include "settings/page/device_settings_second_page.h"

#include <QSignalBlocker>

#include <algorithm>

#include "common/system_log.h"
#include "device/products/fm_radio_save.h"
#include "recognition/usb_ps_keys.h"
#include "settings/fm_radio.h"
#include "settings/save/fm_save.h"
#include "settings/texts/fm_radio_texts.h"
#include "text/app_text.h"
#include "text/setting_words.h"

using kivo::AppText;
using kivo::settings::FmRadioTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// The information box of the RDS switch.
constexpr int kBoxSizeInformation = 4;

// Key labels of the RDS row while shortcuts are shown.
constexpr char kRdsInformationKeys[] = "[O][C]-A";
constexpr char kRdsOnKeys[] = "[O]-A";
constexpr char kRdsOffKeys[] = "[S][O]-A";

// The radio cells of the RDS switch, by column.
constexpr int kRdsOnColumn = 0;
constexpr int kRdsOffColumn = 1;

QString numbered(const char* outlet, int row) { return QString("%1%2").arg(outlet).arg(row + 1, 2, 10, QChar('0')); }

// The digit key of row 0 to 9: 1 to 9, then 0.
Qt::Key digit_key(int row) { return static_cast<Qt::Key>(Qt::Key_0 + (row + 1) % 10); }

} // namespace

DeviceSettingsSecondViewController::DeviceSettingsSecondViewController(kivo::PageHost& host)
    : DeviceSavePage(host, kModeSecondSettings)
    , view_(new QWidget)
    , sheet_(nullptr)
    , rdsCells_(nullptr)
{
    ui_.setupUi(view_);
    sheet_ = new QDialog(view_);
    sheetUi_.setupUi(sheet_);
    sheet_->setWindowModality(Qt::WindowModal);
    rdsCells_ = new QButtonGroup(view_);
    rdsCells_->addButton(ui_.enableFMRadioRDS, kRdsOnColumn);
    rdsCells_->addButton(ui_.disableFMRadioRDS, kRdsOffColumn);
    for (int row = 0; row < kPresetRows; ++row) {
        const auto at = static_cast<size_t>(row);
        cbFMRadioPresets_[at] = view_->findChild<QCheckBox*>(numbered("cbFMRadioPreset", row));
        btnFMRadioPresets_[at] = view_->findChild<QPushButton*>(numbered("btnFMRadioPreset", row));
        stepperFMRadioPresets_[at] = view_->findChild<Stepper*>(numbered("stepperFMRadioPreset", row));
        lblFMRadioPresetUnits_[at] = view_->findChild<QLabel*>(numbered("lblFMRadioPresetUnit", row));
    }
    for (int region = 0; region < KIVOBluetoothDeviceData::kFmRegionCount; ++region)
        ui_.popUpFMRadioRegion->addItem(QString());
    connectControls();
    addKeys();
}

void DeviceSettingsSecondViewController::connectControls()
{
    connect(ui_.popUpFMRadioRegion, &QComboBox::activated, this,
            [this] { changeFMRadioRegion(ui_.popUpFMRadioRegion); });
    connect(ui_.popUpFMRadioRegion, &PopUpButton::menuWillOpen, this, [this] { menuWillOpen(); });
    for (int row = 0; row < kPresetRows; ++row) {
        const auto at = static_cast<size_t>(row);
        QCheckBox* box = cbFMRadioPresets_[at];
        QPushButton* button = btnFMRadioPresets_[at];
        Stepper* stepper = stepperFMRadioPresets_[at];
        connect(box, &QCheckBox::clicked, this, [this, box] { checkFMRadioPreset(box); });
        connect(button, &QPushButton::clicked, this, [this, button] { openFMRadioPresetEdit(button); });
        connect(stepper, &Stepper::stepped, this, [this, stepper] { changeFMRadioPreset(stepper); });
    }
    connect(rdsCells_, &QButtonGroup::idClicked, this, [this] { changeFMRadioRDS(ui_.radioFMRadioRDS); });
    connect(ui_.btnFMRadioRDS, &QToolButton::clicked, this, [this] { displayInformation(ui_.btnFMRadioRDS); });
    connect(sheetUi_.btnFMRadioPresetEditOK, &QPushButton::clicked, this,
            [this] { okFMRadioPresetEdit(sheetUi_.btnFMRadioPresetEditOK); });
    connect(sheetUi_.btnFMRadioPresetEditCancel, &QPushButton::clicked, this,
            [this] { cancelFMRadioPresetEdit(sheetUi_.btnFMRadioPresetEditCancel); });
    connect(sheetUi_.btnFMRAdioPresetEditWarning, &QPushButton::clicked, this,
            [this] { warnFMRadioPresetEdit(sheetUi_.btnFMRAdioPresetEditWarning); });
    connect(ui_.btnDefault, &QPushButton::clicked, this, [this] { changeToDefault(ui_.btnDefault); });
    connect(ui_.btnCancel, &QPushButton::clicked, this, [this] { changeToOriginal(ui_.btnCancel); });
    connect(ui_.btnSave, &QPushButton::clicked, this, [this] { save(ui_.btnSave); });
    connect(ui_.btnBack, &QPushButton::clicked, this, [this] { moveToFirmwareUpdate(ui_.btnBack); });
    connect(ui_.btnNewDevice, &QPushButton::clicked, this, [this] { moveToDeviceSelection(ui_.btnNewDevice); });
}

// The keys the shortcut labels name; Back and New Device are the window's own.
void DeviceSettingsSecondViewController::addKeys()
{
    addKey(QKeySequence(Qt::ALT | Qt::CTRL | Qt::Key_S), ui_.btnSave);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_D), ui_.btnDefault);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_C), ui_.btnCancel);
    addKey(QKeySequence(Qt::ALT | Qt::CTRL | Qt::Key_A), ui_.btnFMRadioRDS);
    addKey(QKeySequence(Qt::ALT | Qt::Key_A), ui_.enableFMRadioRDS);
    addKey(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_A), ui_.disableFMRadioRDS);
    for (int row = 0; row < kPresetRows; ++row) {
        addKey(QKeySequence(Qt::ALT | digit_key(row)), cbFMRadioPresets_[static_cast<size_t>(row)]);
        addKey(QKeySequence(Qt::SHIFT | Qt::CTRL | digit_key(row)), btnFMRadioPresets_[static_cast<size_t>(row)]);
    }
}

void DeviceSettingsSecondViewController::initializeObject()
{
    DeviceSavePage::initializeObject();
    if (!fmProduct())
        kivo::system_logf("FM radio page: %X keeps no FM block, nothing to edit",
                          static_cast<unsigned>(host().session().deviceTarget));
}

DeviceSavePage::PageButtons DeviceSettingsSecondViewController::pageButtons()
{
    return {ui_.btnSave, ui_.btnDefault, ui_.btnCancel, ui_.btnBack, ui_.btnNewDevice};
}

bool DeviceSettingsSecondViewController::fmProduct() const
{
    return kivo::fm_radio_product(host().session().deviceTarget);
}

int DeviceSettingsSecondViewController::shownPresets() const
{
    return kivo::settings::fm_shown_presets(host().session().deviceTarget);
}

bool DeviceSettingsSecondViewController::isSettingsChanged() const
{
    return kivo::settings::fm_settings_changed(host().session().deviceTarget, host().data(), dataCurrent());
}

void DeviceSettingsSecondViewController::resetEditing() { indexSelectedForFMRadioEdit_ = -1; }

DeviceSavePage::SaveWork DeviceSettingsSecondViewController::saveWork() const
{
    return pageSaveWork(kivo::settings::fm_radio::threadMethodSave);
}

DeviceSavePage::SaveResultMeaning DeviceSettingsSecondViewController::meaningOf(int result) const
{
    return pageSaveMeaning(result, kivo::ps_key::kFmRadioBlock);
}

void DeviceSettingsSecondViewController::afterSuccessfulSave() { ui_.radioFMRadioRDS->setEnabled(true); }

// A product without an FM block (the tab table gives a few of them the tab) shows its record and
// offers nothing to edit; the page never asks for itself again.
void DeviceSettingsSecondViewController::setControlsWithData()
{
    const KIVOBluetoothDeviceData& data = dataCurrent();
    const int region = data.fmRadioRegion();
    const std::string empty = kivo::empty_entry_in(host().languageManager());
    const FmPresetBand band = KIVOBluetoothDeviceData::fmPresetBandOfRegion(region);
    {
        const QSignalBlocker blocker(ui_.popUpFMRadioRegion);
        ui_.popUpFMRadioRegion->setCurrentIndex(region);
    }
    for (int row = 0; row < shownPresets(); ++row) {
        const auto at = static_cast<size_t>(row);
        const kivo::settings::FmPresetView shown =
            kivo::settings::fm_preset_view(region, data.fmRadioPresetsAt(row), empty);
        cbFMRadioPresets_[at]->setChecked(shown.checked);
        Stepper* stepper = stepperFMRadioPresets_[at];
        const QSignalBlocker blocker(stepper);
        stepper->setRange(band.minimum, band.maximum);
        stepper->setIncrement(band.step);
        stepper->setValue(shown.stepperValue);
        btnFMRadioPresets_[at]->setText(qtext(shown.title));
    }
    (data.fmRadioRDS() != 0 ? ui_.enableFMRadioRDS : ui_.disableFMRadioRDS)->setChecked(true);
}

void DeviceSettingsSecondViewController::setControls()
{
    setShortcuts();
    setControlsWithData();
    const kivo::PageHost& app = host();
    const int language = app.languageManager();
    const bool region_shown = !kivo::fm_region_hidden(app.session().deviceTarget);
    ui_.lblFMRadioRegion->setVisible(region_shown);
    ui_.popUpFMRadioRegion->setVisible(region_shown);
    ui_.lblFMRadioRegion->setText(qtext(FmRadioTexts::stringRegion(language)));
    for (int region = 0; region < KIVOBluetoothDeviceData::kFmRegionCount; ++region)
        ui_.popUpFMRadioRegion->setItemText(region, qtext(kivo::fm_region_name_in(region, language)));

    const bool idle = !app.onProcessing();
    const bool editable = idle && fmProduct();
    enablePageButtons(fmProduct());
    for (int row = 0; row < kPresetRows; ++row) {
        const auto at = static_cast<size_t>(row);
        const bool shown = row < shownPresets();
        const bool on = editable && cbFMRadioPresets_[at]->isChecked();
        cbFMRadioPresets_[at]->setVisible(shown);
        btnFMRadioPresets_[at]->setVisible(shown);
        stepperFMRadioPresets_[at]->setVisible(shown);
        lblFMRadioPresetUnits_[at]->setVisible(shown);
        cbFMRadioPresets_[at]->setEnabled(editable);
        btnFMRadioPresets_[at]->setEnabled(on);
        stepperFMRadioPresets_[at]->setEnabled(on);
    }
    ui_.popUpFMRadioRegion->setEnabled(editable);
    ui_.btnFMRadioRDS->setEnabled(idle);
    ui_.radioFMRadioRDS->setEnabled(editable);
}

void DeviceSettingsSecondViewController::setShortcuts()
{
    titlePageButtons();
    const int language = host().languageManager();
    if (host().showShortcuts()) {
        ui_.lblFMRadioPresets->setText(qtext(FmRadioTexts::stringShortCutFMRadioPreset(language)));
        ui_.lblFMRadioRDS->setText(QString::fromUtf8(kRdsInformationKeys));
        ui_.enableFMRadioRDS->setText(QString::fromUtf8(kRdsOnKeys));
        ui_.disableFMRadioRDS->setText(QString::fromUtf8(kRdsOffKeys));
    } else {
        ui_.lblFMRadioPresets->setText(qtext(FmRadioTexts::stringFMRadioPresets(language)));
        ui_.lblFMRadioRDS->setText(qtext(FmRadioTexts::stringRDSAF(language)));
        ui_.enableFMRadioRDS->setText(qtext(AppText::tavk_string_enable_in(language)));
        ui_.disableFMRadioRDS->setText(qtext(AppText::tavk_string_disable_in(language)));
    }
}

template <typename Control>
int DeviceSettingsSecondViewController::rowOf(QObject* sender, const std::array<Control*, kPresetRows>& controls) const
{
    const auto it = std::find(controls.begin(), controls.end(), sender);
    return it == controls.end() ? -1 : static_cast<int>(it - controls.begin());
}

void DeviceSettingsSecondViewController::changeFMRadioRegion(QObject*)
{
    if (refuseAction())
        return;
    kivo::settings::fm_change_region(workingCopy(), ui_.popUpFMRadioRegion->currentIndex(), shownPresets());
    refreshFromWorkingCopy();
}

void DeviceSettingsSecondViewController::changeFMRadioPreset(QObject* sender)
{
    if (refuseAction())
        return;
    const int row = rowOf(sender, stepperFMRadioPresets_);
    if (row < 0)
        return;
    workingCopy().setFmRadioPresetsAt_with(row,
                                           static_cast<int>(stepperFMRadioPresets_[static_cast<size_t>(row)]->value()));
    refreshFromWorkingCopy();
}

void DeviceSettingsSecondViewController::checkFMRadioPreset(QObject* sender)
{
    if (refuseAction())
        return;
    const int row = rowOf(sender, cbFMRadioPresets_);
    if (row < 0)
        return;
    kivo::settings::fm_check_preset(workingCopy(), row, cbFMRadioPresets_[static_cast<size_t>(row)]->isChecked(),
                                    shownPresets());
    refreshFromWorkingCopy();
}

void DeviceSettingsSecondViewController::changeFMRadioRDS(QObject*)
{
    if (refuseAction())
        return;
    workingCopy().setFmRadioRDS(rdsCells_->checkedId() == kRdsOnColumn ? 1 : 0);
    refreshFromWorkingCopy();
}

void DeviceSettingsSecondViewController::displayInformation(QObject*)
{
    if (refuseAction())
        return;
    kivo::PageHost& app = host();
    const int language = app.languageManager();
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        FmRadioTexts::stringInformationRDS(language), false, std::nullopt, AppText::tavk_string_ok_in(language),
        kBoxSizeInformation, kBoxStatus);
}

void DeviceSettingsSecondViewController::menuWillOpen() { host().closeListTabs(); }

void DeviceSettingsSecondViewController::showSheetEditing(bool editing)
{
    for (QWidget* entry :
         {static_cast<QWidget*>(sheetUi_.lblFMRadioPresetEditNumber),
          static_cast<QWidget*>(sheetUi_.tfFMRadioPresetEdit), static_cast<QWidget*>(sheetUi_.lblFMRadioPresetEditUnit),
          static_cast<QWidget*>(sheetUi_.lblFMRadioPresetEditRange)})
        entry->setVisible(editing);
    for (QPushButton* button : {sheetUi_.btnFMRadioPresetEditOK, sheetUi_.btnFMRadioPresetEditCancel}) {
        button->setVisible(editing);
        button->setEnabled(editing);
    }
    sheetUi_.btnFMRAdioPresetEditWarning->setVisible(!editing);
    sheetUi_.btnFMRAdioPresetEditWarning->setEnabled(!editing);
    // Enter answers the state the sheet is in.
    sheetUi_.btnFMRadioPresetEditOK->setDefault(editing);
    sheetUi_.btnFMRAdioPresetEditWarning->setDefault(!editing);
    (editing ? static_cast<QWidget*>(sheetUi_.tfFMRadioPresetEdit) : sheetUi_.btnFMRAdioPresetEditWarning)->setFocus();
}

void DeviceSettingsSecondViewController::openFMRadioPresetEdit(QObject* sender)
{
    if (refuseAction())
        return;
    const int row = rowOf(sender, btnFMRadioPresets_);
    if (row < 0)
        return;
    const int language = host().languageManager();
    const FmPresetBand band = KIVOBluetoothDeviceData::fmPresetBandOfRegion(dataCurrent().fmRadioRegion());
    const std::string minimum = kivo::settings::fm_mhz_text(band.minimum);
    const std::string maximum = kivo::settings::fm_mhz_text(band.maximum);
    sheetUi_.lblFMRadioPresetEditRange->setText(qtext(FmRadioTexts::stringPresetRange(language, minimum, maximum)));
    sheetUi_.btnFMRAdioPresetEditWarning->setText(
        qtext(FmRadioTexts::stringMessageFMRadioPreset(language, minimum, maximum)));
    indexSelectedForFMRadioEdit_ = row;
    sheetUi_.lblFMRadioPresetEditNumber->setText(QString::number(row + 1));
    sheetUi_.btnFMRadioPresetEditOK->setText(qtext(AppText::tavk_string_ok_in(language)));
    sheetUi_.btnFMRadioPresetEditCancel->setText(qtext(AppText::tavk_string_cancel_in(language)));
    sheetUi_.tfFMRadioPresetEdit->setText(btnFMRadioPresets_[static_cast<size_t>(row)]->text());
    sheet_->open();
    showSheetEditing(true);
    sheetUi_.tfFMRadioPresetEdit->selectAll();
}

bool DeviceSettingsSecondViewController::isFMRadioPresetValid()
{
    const int region = dataCurrent().fmRadioRegion();
    const int frequency = kivo::settings::fm_preset_entry(sheetUi_.tfFMRadioPresetEdit->text().toStdString());
    if (indexSelectedForFMRadioEdit_ < 0 || !kivo::settings::fm_preset_accepted(region, frequency)) {
        showSheetEditing(false);
        sheetUi_.tfFMRadioPresetEdit->selectAll();
        return false;
    }
    workingCopy().setFmRadioPresetsAt_with(indexSelectedForFMRadioEdit_, frequency);
    refreshFromWorkingCopy();
    return true;
}

void DeviceSettingsSecondViewController::okFMRadioPresetEdit(QObject*)
{
    if (refuseAction())
        return;
    if (isFMRadioPresetValid())
        sheet_->done(QDialog::Accepted);
}

void DeviceSettingsSecondViewController::cancelFMRadioPresetEdit(QObject*)
{
    if (refuseAction())
        return;
    sheet_->done(QDialog::Rejected);
}

void DeviceSettingsSecondViewController::warnFMRadioPresetEdit(QObject*)
{
    if (refuseAction())
        return;
    showSheetEditing(true);
    sheetUi_.tfFMRadioPresetEdit->selectAll();
}
