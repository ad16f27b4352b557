// What the panel's controls do: a change of a setting goes through its handler into the working
// copy; the radio transmit gain, the audio channel timeout and the information buttons.

#include <QButtonGroup>
#include <QComboBox>

#include "common/addresses.h"
#include "settings/page/device_settings_page.h"
#include "settings/page/stepper.h"
#include "settings/panel_information.h"
#include "settings/timeout_field.h"
#include "text/app_text.h"
#include "text/product_names.h"

using kivo::AppText;
using namespace kivo::settings;

namespace {

// The column of a radio group, the index of a pop-up; -1 for no selection or a control of another
// kind, which no handler stores.
int column_or_index(const QObject* sender)
{
    if (const auto* group = qobject_cast<const QButtonGroup*>(sender))
        return group->checkedId();
    if (const auto* popUp = qobject_cast<const QComboBox*>(sender))
        return popUp->currentIndex();
    if (const auto* cell = qobject_cast<const QAbstractButton*>(sender); cell != nullptr && cell->group() != nullptr)
        return cell->group()->checkedId();
    // A widget that holds its cells' group: a radio matrix.
    if (const auto* matrix = qobject_cast<const QWidget*>(sender))
        if (const auto* group = matrix->findChild<const QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly))
            return group->checkedId();
    return -1;
}

// The message box of the timeout's warning: the smallest size, a box that only closes.
constexpr int kWarningBoxSize = 0;

} // namespace

void DeviceSettingsViewController::connectChanges()
{
    for (const PanelRowWidgets& row : outlets_->rows()) {
        const std::optional<HandlerId> handler = row.outlets->handler;
        if (row.group != nullptr && handler)
            connect(row.group, &QButtonGroup::idClicked, this, [this, handler, group = row.group] {
                if (*handler == HandlerId::changeRTG)
                    changeRTG(group);
                else
                    change(*handler, group);
            });
        if (row.popUp != nullptr && handler)
            connect(row.popUp, &QComboBox::activated, this,
                    [this, handler, popUp = row.popUp] { change(*handler, popUp); });
        if (row.info != nullptr)
            connect(row.info, &QPushButton::clicked, this,
                    [this, info = row.info] { displayInformationRadioTransmitGain(info); });
    }
    connect(ui_.tfACT, &QLineEdit::returnPressed, this, [this] { changeACT(ui_.tfACT); });
    connect(ui_.stepperACT, &Stepper::stepped, this, [this] { changeACT(ui_.stepperACT); });
}

AccessContext DeviceSettingsViewController::accessContext() const
{
    return {host().session().deviceTarget, host().data().devicelanguagePackType()};
}

void DeviceSettingsViewController::change(HandlerId id, QObject* sender)
{
    kivo::PageHost& app = host();
    if (app.onProcessing())
        return;
    app.closeListTabs();
    apply_change(id, column_or_index(sender), accessContext(), workingCopy());
    setControls();
}

void DeviceSettingsViewController::changeRTG(QObject* sender) { change(HandlerId::changeRTG, sender); }

bool DeviceSettingsViewController::checkACT()
{
    // A field the user cannot see cannot be put right: it holds nobody on the page.
    if (ui_.tfACT->isHidden())
        return true;
    const int seconds = timeout_field_value(ui_.tfACT->text().toStdString());
    if (timeout_acceptable(seconds)) {
        ui_.stepperACT->setValue(seconds);
        apply_change(HandlerId::changeACT, seconds, accessContext(), workingCopy());
        setControls();
        return true;
    }
    kivo::PageHost& app = host();
    const int language = app.languageManager();
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        info_text(InfoText::MessageACT, language), true, std::nullopt, AppText::tavk_string_ok_in(language),
        kWarningBoxSize, kBoxStatus);
    ui_.tfACT->setText(QString::number(static_cast<int>(ui_.stepperACT->value())));
    ui_.tfACT->selectAll();
    return false;
}

void DeviceSettingsViewController::changeACT(QObject* sender)
{
    kivo::PageHost& app = host();
    if (app.onProcessing())
        return;
    app.closeListTabs();
    if (sender == ui_.tfACT) {
        checkACT();
        return;
    }
    const int seconds = static_cast<int>(ui_.stepperACT->value());
    ui_.tfACT->setText(QString::number(seconds));
    apply_change(HandlerId::changeACT, seconds, accessContext(), workingCopy());
    setControls();
}

void DeviceSettingsViewController::displayInformationRadioTransmitGain(QObject* sender)
{
    kivo::PageHost& app = host();
    if (app.onProcessing())
        return;
    app.closeListTabs();
    // The button's row; any other sender stands for the timeout's button.
    ClassicRow row = ClassicRow::AudioChannelTimeout;
    for (const PanelRowWidgets& candidate : outlets_->rows())
        if (candidate.info != nullptr && candidate.info == sender)
            row = candidate.outlets->row;
    const int language = app.languageManager();
    std::string_view support = kivo::addresses::kSupportMail;
    if (support.starts_with("mailto:"))
        support.remove_prefix(std::string_view("mailto:").size());
    const InformationBox box =
        information_box(row, language, kivo::ProductNames::tavk_product_name(app.session().deviceTarget), support);
    app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
        box.text, false,
        box.sendEmail ? std::optional<std::string>(AppText::tavk_string_sendemail_in(language)) : std::nullopt,
        AppText::tavk_string_ok_in(language), box.size, box.purpose);
}
