#include "settings/page/device_settings_speed_dial_page.h"

#include <algorithm>

#include "recognition/usb_ps_keys.h"
#include "settings/page/speed_dial_formatter.h"
#include "settings/save/speed_dial_save.h"
#include "settings/speed_dial.h"
#include "text/app_text.h"
#include "text/setting_words.h"
#include "text/text_format.h"

using kivo::AppText;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

QString numbered(const char* outlet, int index)
{
    return QString("%1%2").arg(outlet).arg(index + 1, 2, 10, QChar('0'));
}

// The key label of a number's button while shortcuts are shown.
constexpr char kNumberKeys[] = "[O]-%d";

} // namespace

DeviceSettingsSpeedDialViewController::DeviceSettingsSpeedDialViewController(kivo::PageHost& host)
    : DeviceSavePage(host, kModeSpeedDial)
    , view_(new QWidget)
    , sheet_(nullptr)
{
    ui_.setupUi(view_);
    sheet_ = new QDialog(view_);
    sheetUi_.setupUi(sheet_);
    sheet_->setWindowModality(Qt::WindowModal);
    sheetUi_.tfSpeedDialEdit->setValidator(new SpeedDialFormatter(sheetUi_.tfSpeedDialEdit));
    for (int i = 0; i < kNumbers; ++i) {
        btnSpeedDials_[static_cast<size_t>(i)] = view_->findChild<QPushButton*>(numbered("btnSpeedDial", i));
        lblSpeedDials_[static_cast<size_t>(i)] = view_->findChild<QLabel*>(numbered("lblSpeedDial", i));
    }
    connectControls();
    // The keys the shortcut labels name; Back and New Device are the window's own.
    addKey(QKeySequence(Qt::ALT | Qt::CTRL | Qt::Key_S), ui_.btnSave);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_D), ui_.btnDefault);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_C), ui_.btnCancel);
    for (int i = 0; i < kNumbers; ++i)
        addKey(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + i)), btnSpeedDials_[static_cast<size_t>(i)]);
}

void DeviceSettingsSpeedDialViewController::connectControls()
{
    for (QPushButton* button : btnSpeedDials_)
        connect(button, &QPushButton::clicked, this, [this, button] { openSpeedDialEdit(button); });
    connect(sheetUi_.btnSpeedDialEditOK, &QPushButton::clicked, this,
            [this] { okSpeedDialEdit(sheetUi_.btnSpeedDialEditOK); });
    connect(sheetUi_.btnSpeedDialEditCancel, &QPushButton::clicked, this,
            [this] { cancelSpeedDialEdit(sheetUi_.btnSpeedDialEditCancel); });
    connect(ui_.btnDefault, &QPushButton::clicked, this, [this] { changeToDefault(ui_.btnDefault); });
    connect(ui_.btnCancel, &QPushButton::clicked, this, [this] { changeToOriginal(ui_.btnCancel); });
    connect(ui_.btnSave, &QPushButton::clicked, this, [this] { save(ui_.btnSave); });
    connect(ui_.btnBack, &QPushButton::clicked, this, [this] { moveToFirmwareUpdate(ui_.btnBack); });
    connect(ui_.btnNewDevice, &QPushButton::clicked, this, [this] { moveToDeviceSelection(ui_.btnNewDevice); });
}

DeviceSavePage::PageButtons DeviceSettingsSpeedDialViewController::pageButtons()
{
    return {ui_.btnSave, ui_.btnDefault, ui_.btnCancel, ui_.btnBack, ui_.btnNewDevice};
}

bool DeviceSettingsSpeedDialViewController::isSettingsChanged() const
{
    return kivo::settings::speed_dials_changed(host().data(), dataCurrent());
}

DeviceSavePage::SaveWork DeviceSettingsSpeedDialViewController::saveWork() const
{
    return pageSaveWork(kivo::settings::speed_dial::threadMethodSave);
}

DeviceSavePage::SaveResultMeaning DeviceSettingsSpeedDialViewController::meaningOf(int result) const
{
    return pageSaveMeaning(result, kivo::ps_key::kSpeedDials[0]);
}

void DeviceSettingsSpeedDialViewController::setControlsWithData()
{
    const std::string empty = kivo::empty_entry_in(host().languageManager());
    for (int i = 0; i < kNumbers; ++i) {
        const std::string& number = dataCurrent().speedDialAt(i);
        btnSpeedDials_[static_cast<size_t>(i)]->setText(qtext(number.empty() ? empty : number));
    }
}

void DeviceSettingsSpeedDialViewController::setControls()
{
    setShortcuts();
    setControlsWithData();
    enablePageButtons();
    for (QPushButton* button : btnSpeedDials_)
        button->setEnabled(!host().onProcessing());
}

void DeviceSettingsSpeedDialViewController::setShortcuts()
{
    titlePageButtons();
    const int language = host().languageManager();
    for (int i = 0; i < kNumbers; ++i)
        lblSpeedDials_[static_cast<size_t>(i)]->setText(
            qtext(host().showShortcuts() ? kivo::fill_format(kNumberKeys, {i + 1})
                                         : kivo::fill_format("%@ %d", {kivo::speed_dial_label_in(language), i + 1})));
}

void DeviceSettingsSpeedDialViewController::openSpeedDialEdit(QObject* sender)
{
    if (refuseAction())
        return;
    const auto it = std::find(btnSpeedDials_.begin(), btnSpeedDials_.end(), sender);
    if (it == btnSpeedDials_.end())
        return;
    const int index = static_cast<int>(it - btnSpeedDials_.begin());
    const int language = host().languageManager();
    indexSelectedSpeedDialEdit_ = index;
    sheetUi_.lblSpeedDialEditNumber->setText(QString::number(index + 1));
    // The "Empty" title is no number to offer.
    const std::string& number = dataCurrent().speedDialAt(index);
    sheetUi_.tfSpeedDialEdit->setText(number.empty() ? QString() : (*it)->text());
    sheetUi_.btnSpeedDialEditOK->setText(qtext(AppText::tavk_string_ok_in(language)));
    sheetUi_.btnSpeedDialEditCancel->setText(qtext(AppText::tavk_string_cancel_in(language)));
    sheet_->open();
    sheetUi_.tfSpeedDialEdit->setFocus();
    sheetUi_.tfSpeedDialEdit->selectAll();
}

bool DeviceSettingsSpeedDialViewController::isSpeedDialValid()
{
    const kivo::settings::SpeedDialEntry entry =
        kivo::settings::speed_dial_entry(sheetUi_.tfSpeedDialEdit->text().toStdString());
    if (!entry.stored || indexSelectedSpeedDialEdit_ < 0) {
        sheetUi_.tfSpeedDialEdit->setText(qtext(entry.field));
        sheetUi_.tfSpeedDialEdit->selectAll();
        return false;
    }
    workingCopy().setSpeedDialAt_with(indexSelectedSpeedDialEdit_, entry.field);
    refreshFromWorkingCopy();
    return true;
}

void DeviceSettingsSpeedDialViewController::okSpeedDialEdit(QObject*)
{
    if (refuseAction())
        return;
    if (isSpeedDialValid())
        sheet_->done(QDialog::Accepted);
}

void DeviceSettingsSpeedDialViewController::cancelSpeedDialEdit(QObject*)
{
    if (refuseAction())
        return;
    sheet_->done(QDialog::Rejected);
}
