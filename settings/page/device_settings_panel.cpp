// The fixed panel of the settings page: where its rows stand and what they show (the product's
// layout), which of them show and are enabled, and their titles or keyboard hints.

#include "device/products/classic_panel.h"
#include "settings/page/device_settings_page.h"
#include "settings/page/stepper.h"
#include "settings/page/text_fit.h"
#include "settings/panel_layout.h"
#include "settings/panel_visibility.h"
#include "settings/texts/page_texts.h"
#include "settings/texts/save_texts.h"
#include "text/app_text.h"

using kivo::AppText;
using kivo::SettingsPageTexts;
using namespace kivo::settings;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }
QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Languages whose apply note is too long for its label: their note button shows it whole.
bool note_needs_button(int language)
{
    return language == kivo::kFrench || language == kivo::kDutch || language == kivo::kRussian;
}

void set_shown(QWidget* widget, bool shown, bool enabled)
{
    widget->setHidden(!shown);
    widget->setEnabled(enabled);
}

// The gain of each transmit-gain cell, whose title is that gain's.
constexpr int kGainOfCell[] = {12, 15, 17};
// The motion sensor's items: off, then the low and the high gain's words.
constexpr int kMotionSensorLowCell = 0;
constexpr int kMotionSensorHighCell = 2;

} // namespace

void DeviceSettingsViewController::setShortcuts()
{
    const kivo::PageHost& app = host();
    const int language = app.languageManager();
    const bool hints = app.showShortcuts();
    auto title = [&](QAbstractButton* button, const char* hint, const std::string& text) {
        button->setText(hints ? QString::fromUtf8(hint) : qtext(text));
    };
    titlePageButtons();
    title(ui_.btnAllSettings, kivo::page_keys::kMoreSettings,
          SettingsPageTexts::tavk_string_more_settings_in(language));
    ui_.btnDeviceAllSettingsBasicSave->setText(qtext(SaveTexts::tavk_string_save_in(language)));
    ui_.btnDeviceAllSettingsBasicDefault->setText(qtext(SaveTexts::tavk_string_default_in(language)));
    ui_.btnDeviceAllSettingsBasicCancel->setText(qtext(AppText::tavk_string_cancel_in(language)));

    for (const PanelRowWidgets& row : outlets_->rows()) {
        const ClassicRowOutlets& outlets = *row.outlets;
        // Rows with an information button carry its key on their label; the EDR label only while
        // its button shows.
        if (row.info != nullptr && outlets.title != nullptr) {
            if (!hints)
                row.label->setText(QString::fromUtf8(kivo::localized(*outlets.title, language)));
            else if (outlets.row != ClassicRow::EDR || !row.info->isHidden())
                row.label->setText(qtext(outlets.infoHint));
        }
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            QRadioButton* cell = row.cells[column];
            if (cell == nullptr)
                continue;
            if (hints)
                cell->setText(qtext(outlets.cellHints[column]));
            else if (outlets.kind == ControlKind::GainCells)
                cell->setText(qtext(SettingsPageTexts::gain_title_in(
                    KIVOBluetoothDeviceData::getIndexFromRTG(kGainOfCell[column]), language)));
            else
                cell->setText(qtext(column == 0 ? AppText::tavk_string_enable_in(language)
                                                : AppText::tavk_string_disable_in(language)));
        }
    }
    fitTexts();
}

int DeviceSettingsViewController::noteApplyWidth() const
{
    constexpr int kGap = 4;
    if (ui_.btnNoteApply->isHidden() || ui_.btnNoteApply->x() <= ui_.lblNoteApply->x())
        return ui_.lblNoteApply->width();
    return std::min(ui_.lblNoteApply->width(), ui_.btnNoteApply->x() - ui_.lblNoteApply->x() - kGap);
}

void DeviceSettingsViewController::fitTexts()
{
    for (QWidget* widget : ui_.panel->findChildren<QWidget*>())
        if (!widget->isWindow() && widget->window() == ui_.panel->window())
            fit_text(widget);
    // The note's button stands over the end of its label.
    if (!ui_.btnNoteApply->isHidden())
        fit_text(ui_.lblNoteApply, noteApplyWidth());
    // A row's title too long for one line even in the smallest font takes two, in the room between
    // its row and the next (rows stand 25 points apart, their titles 17 high).
    constexpr int kTitleRoom = 4;
    for (const PanelRowWidgets& row : outlets_->rows())
        if (row.label != nullptr)
            fit_title_wrapping(row.label, kTitleRoom);
    // The cells of one row share the smallest of their fonts.
    for (const PanelRowWidgets& row : outlets_->rows()) {
        QFont smallest;
        bool any = false;
        for (QRadioButton* cell : row.cells)
            if (cell != nullptr && (!any || cell->font().pointSizeF() < smallest.pointSizeF())) {
                smallest = cell->font();
                any = true;
            }
        for (QRadioButton* cell : row.cells)
            if (cell != nullptr)
                cell->setFont(smallest);
    }
}

void DeviceSettingsViewController::enableOldControlsEnable_hidden(bool enable, bool hidden)
{
    for (const PanelRowWidgets& row : outlets_->rows()) {
        for (QWidget* widget : row.hiddenOnly)
            widget->setHidden(hidden);
        for (QWidget* widget : row.hiddenAndEnabled) {
            widget->setHidden(hidden);
            widget->setEnabled(enable);
        }
    }
}

void DeviceSettingsViewController::setControls()
{
    kivo::PageHost& app = host();
    const int language = app.languageManager();
    const int product = app.session().deviceTarget;
    setShortcuts();

    ui_.lblIntercomVOX->setText(
        QString::fromUtf8(kivo::localized(*classic_row(ClassicRow::IntercomVOX).title, language)));
    ui_.lblHandsfreeVOX->setText(
        QString::fromUtf8(kivo::localized(*classic_row(ClassicRow::HandsfreeVOX).title, language)));
    ui_.lblNoteEDR->setText(qtext(stringNoteEDR()));
    ui_.lblNoteApply->setText(qtext(stringNoteApply()));
    QComboBox* motion = ui_.popUpMotionSensorSensitivity;
    motion->setItemText(0, qtext(AppText::tavk_string_disable_in(language)));
    motion->setItemText(1, qtext(SettingsPageTexts::gain_title_in(kMotionSensorLowCell, language)));
    motion->setItemText(2, qtext(SettingsPageTexts::gain_title_in(kMotionSensorHighCell, language)));

    set_shown(ui_.btnAllSettings, false, false);
    ui_.tableViewDeviceAllSettingsBasic->hide();
    ui_.scrollViewDeviceAllSettingsBasic->hide();
    if (kivo::shows_all_settings_table(product)) {
        ui_.lblNoteApply->hide();
        set_shown(ui_.btnNoteApply, false, false);
        set_shown(ui_.btnAllSettings, true, true);
        ui_.tableViewDeviceAllSettingsBasic->show();
        ui_.scrollViewDeviceAllSettingsBasic->show();
    } else {
        const bool button = note_needs_button(language);
        set_shown(ui_.btnNoteApply, button, button);
        ui_.lblNoteApply->show();
    }
    ui_.lblACTUnit->setText(qtext(stringACTUnit()));
    fitTexts();

    if (app.onProcessing()) {
        for (const PanelRowWidgets& row : outlets_->rows())
            for (QWidget* widget : row.hiddenAndEnabled)
                widget->setEnabled(false);
        enablePageButtons();
        for (QWidget* button : {ui_.btnDeviceAllSettingsBasicSave, ui_.btnAllSettings, ui_.btnNoteApply})
            button->setEnabled(false);
        return;
    }

    enableOldControlsEnable_hidden(true, false);
    const ClassicRows shown = classic_visibility(product, app.data());
    for (const PanelRowWidgets& row : outlets_->rows()) {
        if (shown.test(row_bit(row.outlets->row)))
            continue;
        for (QWidget* widget : row.hiddenOnly)
            widget->hide();
        for (QWidget* widget : row.hiddenAndEnabled)
            set_shown(widget, false, false);
    }
    enablePageButtons();
    ui_.btnDeviceAllSettingsBasicSave->setEnabled(isSettingsChanged());
    fitPanelToShownRows();
}

void DeviceSettingsViewController::setControlsWithData()
{
    const kivo::PageHost& app = host();
    const int product = app.session().deviceTarget;
    const ClassicLayout layout = classic_layout(product, app.data());
    for (const OutletFrame& placed : layout.frames) {
        const Frame frame = top_left(placed.frame);
        if (QWidget* widget = outlets_->widget(placed.outlet))
            widget->setGeometry(frame.x, frame.y, frame.width, frame.height);
    }
    const AccessContext context{product, app.data().devicelanguagePackType()};
    for (ClassicRow filled : layout.filled) {
        const std::optional<int> value = shown_value(filled, layout.getters, dataCurrent(), context);
        if (!value)
            continue;
        PanelRowWidgets& row = outlets_->row(filled);
        if (row.group != nullptr) {
            if (QAbstractButton* cell = row.group->button(*value))
                cell->setChecked(true);
        } else if (row.popUp != nullptr) {
            // A value with no item leaves the pop-up without a selection.
            row.popUp->setCurrentIndex(*value >= 0 && *value < row.popUp->count() ? *value : -1);
        } else if (row.field != nullptr) {
            row.field->setText(QString::number(*value));
            row.stepper->setValue(*value);
        }
    }
    fitTexts();
    fitPanelToShownRows();
}

void DeviceSettingsViewController::fitPanelToShownRows()
{
    constexpr int kMargin = 8;
    int bottom = kPanelHeight;
    for (QWidget* child : ui_.panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && !child->isWindow() && child->geometry().bottom() + 1 > kPanelHeight)
            bottom = std::max(bottom, child->geometry().bottom() + 1 + kMargin);
    ui_.panel->resize(kPanelWidth, bottom);
}
