// The settings page in the whole application, offscreen: its outlets, the layout and values it
// shows for a product and firmware, which rows show and are enabled, titles and keyboard hints,
// entering it, reverting, the apply note and its buttons' navigation.

#include <QShortcut>

#include <set>
#include <tuple>

#include "app/language_sheet.h"
#include "app/manager_window.h"
#include "app/message_box_sheet.h"
#include "settings/page/stepper.h"
#include "settings/panel_layout.h"
#include "settings/panel_visibility.h"
#include "tests/app/run_events.h"
#include "tests/settings/page/overlapping_texts.h"
#include "tests/settings/page/settings_page_fixture.h"
#include "tests/settings/page/unfit_texts.h"
#include "tests/settings/panel_products.h"

using namespace kivo::settings;
using R = ClassicRow;

namespace {

QRect qt_rect(const Frame& frame)
{
    const Frame f = top_left(frame);
    return {f.x, f.y, f.width, f.height};
}

std::string text_of(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().toStdString();
    return static_cast<const QAbstractButton*>(widget)->text().toStdString();
}

} // namespace

TEST_F(SettingsPageTest, InterfaceFileHoldsEveryOutletUnderItsName)
{
    QWidget* view = page().view();
    for (const char* name : {"lblNoteApply",
                             "btnNoteApply",
                             "btnBack",
                             "btnNewDevice",
                             "btnDefault",
                             "btnCancel",
                             "btnSave",
                             "btnAllSettings",
                             "piProcessing",
                             "tableViewDeviceAllSettingsBasic",
                             "scrollViewDeviceAllSettingsBasic",
                             "btnDeviceAllSettingsBasicDefault",
                             "btnDeviceAllSettingsBasicCancel",
                             "btnDeviceAllSettingsBasicSave",
                             "btnDeviceAllSettingsBasicClose",
                             "tfACT",
                             "stepperACT",
                             "lblACTUnit",
                             "lowRTG",
                             "mediumRTG",
                             "highRTG"})
        EXPECT_NE(view->findChild<QWidget*>(name), nullptr) << name;
    for (const PanelRowWidgets& row : page().outlets().rows())
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            if (row.cells[column] != nullptr) {
                EXPECT_EQ(row.group->id(row.cells[column]), static_cast<int>(column)) << row.outlets->name;
            }
        }
    // Every outlet a layout moves is one of the page's widgets.
    for (int product : {0x4D10, 0x4D05, 0x4210, 0x5622, 0x3142})
        for (const OutletFrame& placed : classic_layout(product, app().data()).frames)
            EXPECT_NE(page().outlets().widget(placed.outlet), nullptr) << placed.outlet;
    auto* sheet = qobject_cast<QDialog*>(page().sheetDeviceAllSettings());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(sheet->isVisible());
}

TEST_F(SettingsPageTest, LayoutMovesTheRowsAndAProductOutsideEverySetMovesNothing)
{
    enter(0x4D10, 4, 0);
    EXPECT_EQ(ui().lblPLC->geometry(), qt_rect({50, 115, 207, 17}));
    EXPECT_EQ(ui().radioPLCMatrix->geometry(), qt_rect({289, 113, 182, 18}));
    EXPECT_EQ(ui().lblNoteEDR->geometry(), qt_rect({50, 140, 424, 34}));
    EXPECT_EQ(ui().btnBack->geometry(), QRect(7, 244, 140, 19));
    EXPECT_EQ(ui().panel->height(), kPanelHeight) << "nothing to scroll to";

    std::vector<QRect> before;
    const auto widgets = ui().panel->findChildren<QWidget*>();
    for (QWidget* widget : widgets)
        before.push_back(widget->geometry());
    const int edr = ui().radioEDR->checkedId();
    enter(0x1234, 1, 0);
    for (qsizetype i = 0; i < widgets.size(); ++i)
        EXPECT_EQ(widgets[i]->geometry(), before[static_cast<std::size_t>(i)])
            << widgets[i]->objectName().toStdString();
    EXPECT_EQ(ui().radioEDR->checkedId(), edr);
}

TEST_F(SettingsPageTest, ControlsShowTheWorkingCopy)
{
    app().data().setEdr(1);
    app().data().setHandsfreeVOX(0);
    app().data().setIntercomVOX(1);
    enter(0x4D10, 5, 1);
    EXPECT_EQ(ui().radioEDR->checkedId(), 1);
    EXPECT_EQ(ui().radioHandsfreeVOX->checkedId(), 1);
    EXPECT_EQ(ui().radioIntercomVOX->checkedId(), 0);

    app().data().setBasicSettingBriskoMotionSensorSensitivity(3);
    app().data().setBasicSettingBriskoAudioMultitaskingSensitivity(7);
    enter(0x4210, 1, 2);
    EXPECT_EQ(ui().popUpMotionSensorSensitivity->currentIndex(), 2);
    EXPECT_EQ(ui().popUpAudioMultitaskingSensitivity->currentIndex(), 3);
    EXPECT_EQ(ui().popUpAudioMultitaskingSensitivity->currentText().toStdString(), "7");
    app().data().setBasicSettingBriskoMotionSensorSensitivity(0);
    enter(0x4210, 1, 2);
    EXPECT_EQ(ui().popUpMotionSensorSensitivity->currentIndex(), -1) << "no item for 0";

    app().data().setRadioTransmitGain(14);
    app().data().setAudioChannelTimeout(30);
    enter(0x5210, 1, 0);
    EXPECT_EQ(ui().radioRTG->checkedId(), 1);
    EXPECT_EQ(ui().tfACT->text().toStdString(), "30");
    EXPECT_DOUBLE_EQ(ui().stepperACT->value(), 30.0);
}

TEST_F(SettingsPageTest, RowsShowByProductAndFirmware)
{
    enter(0x4D10, 5, 1);
    for (QWidget* shown : {static_cast<QWidget*>(ui().lblIntercomVOX), static_cast<QWidget*>(ui().radioEDRMatrix),
                           static_cast<QWidget*>(ui().btnSidetone), static_cast<QWidget*>(ui().lblMicrophoneBoost),
                           static_cast<QWidget*>(ui().lblNoteApply)})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    for (QWidget* hidden : {static_cast<QWidget*>(ui().lblPLC), static_cast<QWidget*>(ui().lblNoteEDR),
                            static_cast<QWidget*>(ui().tfACT), static_cast<QWidget*>(ui().lblACTUnit),
                            static_cast<QWidget*>(ui().btnAllSettings), static_cast<QWidget*>(ui().btnNoteApply)})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    EXPECT_FALSE(ui().btnPLC->isEnabled());

    enter(0x3142, 1, 0);
    for (const PanelRowWidgets& row : page().outlets().rows()) {
        for (QWidget* widget : row.hiddenOnly)
            EXPECT_TRUE(widget->isHidden()) << widget->objectName().toStdString();
        for (QWidget* widget : row.hiddenAndEnabled)
            EXPECT_TRUE(widget->isHidden() && !widget->isEnabled()) << widget->objectName().toStdString();
    }
    EXPECT_TRUE(ui().lblNoteApply->isHidden());
    EXPECT_TRUE(ui().btnNoteApply->isHidden());
    EXPECT_FALSE(ui().btnAllSettings->isHidden());
    EXPECT_TRUE(ui().btnAllSettings->isEnabled());
    EXPECT_FALSE(ui().tableViewDeviceAllSettingsBasic->isHidden());
    EXPECT_FALSE(ui().scrollViewDeviceAllSettingsBasic->isHidden());

    // The note's button only where the note runs longer than its label.
    for (const auto& [language, button] : {std::pair{0, false}, std::pair{1, true}, std::pair{2, false},
                                           std::pair{7, true}, std::pair{8, true}, std::pair{12, false}}) {
        enter(0x4D10, 5, 1, language);
        EXPECT_FALSE(ui().lblNoteApply->isHidden());
        EXPECT_EQ(!ui().btnNoteApply->isHidden(), button) << language;
        EXPECT_EQ(ui().btnNoteApply->isEnabled(), button) << language;
    }

    // Every row, and the rows below the page's area scroll into view.
    enter(0x6600, 1, 0);
    for (const PanelRowWidgets& row : page().outlets().rows())
        EXPECT_FALSE(row.label->isHidden()) << row.outlets->name;
}

TEST_F(SettingsPageTest, ProductOutsideEverySetScrollsToItsRows)
{
    enter(0x6600, 1, 0);
    EXPECT_GT(ui().panel->height(), kPanelHeight);
    EXPECT_GE(ui().panel->height(), ui().lblNavigationAppOverlay->geometry().bottom());
}

TEST_F(SettingsPageTest, BusyStateDisablesThePanelAndSaveFollowsTheChanges)
{
    enter(0x4D10, 5, 1);
    EXPECT_FALSE(ui().btnSave->isEnabled()) << "nothing changed";
    app().setOnProcessing(true);
    page().setControls();
    for (const PanelRowWidgets& row : page().outlets().rows())
        for (QWidget* widget : row.hiddenAndEnabled)
            EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
    for (QWidget* button : {ui().btnBack, ui().btnNewDevice, ui().btnDefault, ui().btnCancel, ui().btnSave,
                            ui().btnDeviceAllSettingsBasicSave, ui().btnAllSettings, ui().btnNoteApply})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(ui().lblSidetone->isHidden()) << "rows stay where they were";
    EXPECT_TRUE(ui().lblPLC->isHidden());

    app().setOnProcessing(false);
    app().data().setSidetone(app().data().sidetone() == 0 ? 1 : 0);
    page().setControls();
    EXPECT_TRUE(ui().btnSave->isEnabled()) << "the working copy differs from the device";
    EXPECT_TRUE(ui().btnDeviceAllSettingsBasicSave->isEnabled());
    EXPECT_TRUE(ui().btnBack->isEnabled());
    EXPECT_TRUE(ui().btnSidetone->isEnabled());
}

TEST_F(SettingsPageTest, HintsReplaceTitlesOfButtonsLabelsAndCells)
{
    enter(0x5210, 1, 0);
    EXPECT_EQ(text_of(ui().lowRTG), "Low");
    EXPECT_EQ(text_of(ui().lblRTG), "Radio Transmit Gain");
    app().setShowShortcuts(true);
    app().reflectShortcuts();
    EXPECT_EQ(text_of(ui().lowRTG), "[O]-R");
    EXPECT_EQ(text_of(ui().mediumRTG), "[S]-R");
    EXPECT_EQ(text_of(ui().highRTG), "[S][O]-R");
    EXPECT_EQ(text_of(ui().lblACT), "[O][C]-A");

    enter(0x4D10, 5, 1);
    EXPECT_EQ(text_of(ui().btnSave), "SAVE");
    EXPECT_EQ(text_of(ui().btnAllSettings), "MORE SETTINGS");
    EXPECT_EQ(text_of(ui().lblEDR), "EDR (Enhanced Data Rate)");
    EXPECT_EQ(text_of(ui().enableEDR), "Enable");
    EXPECT_EQ(text_of(ui().disableEDR), "Disable");
    app().setShowShortcuts(true);
    app().reflectShortcuts();
    const std::pair<QWidget*, const char*> hinted[] = {
        {ui().btnBack, "[C]-\u25C0"},  {ui().btnNewDevice, "[C]-\u25B6"}, {ui().btnAllSettings, "[S][C]-M"},
        {ui().btnSave, "[O][C]-S"},    {ui().btnDefault, "[C]-D"},        {ui().btnCancel, "[C]-C"},
        {ui().lblEDR, "[O][C]-E"},     {ui().lblSidetone, "[O][C]-T"},    {ui().enableEDR, "[O]-E"},
        {ui().disableEDR, "[S][O]-E"}, {ui().enableIntercomVOX, "[O]-I"}, {ui().disableHandsfreeVOX, "[S][O]-H"}};
    for (const auto& [widget, hint] : hinted)
        EXPECT_EQ(text_of(widget), hint) << widget->objectName().toStdString();
    const std::pair<QWidget*, const char*> unchanged[] = {{ui().btnDeviceAllSettingsBasicSave, "SAVE"},
                                                          {ui().btnDeviceAllSettingsBasicDefault, "DEFAULT"},
                                                          {ui().btnDeviceAllSettingsBasicCancel, "CANCEL"},
                                                          {ui().lblIntercomVOX, "VOX Intercom"},
                                                          {ui().lblHandsfreeVOX, "VOX Phone"}};
    for (const auto& [widget, text] : unchanged)
        EXPECT_EQ(text_of(widget), text) << widget->objectName().toStdString();
    EXPECT_EQ(ui().popUpMotionSensorSensitivity->itemText(0).toStdString(), "Disable");
    EXPECT_EQ(ui().popUpMotionSensorSensitivity->itemText(2).toStdString(), "High");

    // Entering turns the hints off; a hidden EDR row keeps its label's title.
    enter(0x4040, 1, 0);
    EXPECT_FALSE(app().showShortcuts());
    EXPECT_EQ(text_of(ui().btnSave), "SAVE");
    app().setShowShortcuts(true);
    app().reflectShortcuts();
    EXPECT_TRUE(ui().btnEDR->isHidden());
    EXPECT_EQ(text_of(ui().lblEDR), "EDR (Enhanced Data Rate)");
    EXPECT_EQ(text_of(ui().lblSidetone), "[O][C]-T");
}

TEST_F(SettingsPageTest, KeysAreTheOnesTheHintsName)
{
    EXPECT_EQ(key_of_hint("[O][C]-E"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    EXPECT_EQ(key_of_hint("[S][O]-E"), QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_E));
    EXPECT_EQ(key_of_hint("[S]-R"), QKeySequence(Qt::SHIFT | Qt::Key_R));
    EXPECT_EQ(key_of_hint("[S][C]-M"), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_M));
    EXPECT_EQ(key_of_hint("[C]-\u25C0"), QKeySequence(Qt::CTRL | Qt::Key_Left));
    EXPECT_TRUE(key_of_hint("SAVE").isEmpty());
    EXPECT_TRUE(key_of_hint("[C]-").isEmpty());

    auto key_of = [](QWidget* control) {
        const auto shortcuts = control->findChildren<QShortcut*>();
        return shortcuts.size() == 1 ? shortcuts.front()->key() : QKeySequence();
    };
    for (const PanelRowWidgets& row : page().outlets().rows()) {
        if (row.info != nullptr) {
            EXPECT_EQ(key_of(row.info), key_of_hint(row.outlets->infoHint)) << row.outlets->name;
        }
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            if (row.cells[column] != nullptr) {
                EXPECT_EQ(key_of(row.cells[column]), key_of_hint(row.outlets->cellHints[column]))
                    << row.outlets->name << " " << column;
            }
        }
    }
    EXPECT_EQ(key_of(ui().btnSave), key_of_hint("[O][C]-S"));
    EXPECT_EQ(key_of(ui().btnDefault), key_of_hint("[C]-D"));
    EXPECT_EQ(key_of(ui().btnCancel), key_of_hint("[C]-C"));
    EXPECT_EQ(key_of(ui().btnAllSettings), key_of_hint("[S][C]-M"));
}

TEST_F(SettingsPageTest, EachEntryStartsFromTheDeviceAndSelectsTheSettingsTab)
{
    const int factory_edr = KIVOBluetoothDeviceData::makeDefaultDataWithSource(app().data()).edr();
    app().data().setEdr(factory_edr == 0 ? 1 : 0);
    enter(0x4D10, 5, 1);
    ASSERT_NE(page().dataDefault().edr(), app().data().edr()) << "the defaults differ from the device";
    ui().btnDefault->click();
    EXPECT_EQ(page().dataCurrent().edr(), page().dataDefault().edr());
    EXPECT_EQ(ui().radioEDR->checkedId(), page().dataDefault().edr() != 0 ? 1 : 0);
    EXPECT_TRUE(ui().btnSave->isEnabled());
    enter(0x4D10, 5, 1);
    EXPECT_EQ(page().dataCurrent().edr(), app().data().edr()) << "the first visit's edit is gone";
    EXPECT_EQ(app().tabIndexSelected(), 0);

    // A product whose tabs have no settings page.
    app().setTabCount(1);
    app().setTab_At(kTabSpeedDial, 0);
    app().setDeviceSettingsWithStatus(true);
    EXPECT_EQ(app().tabIndexSelected(), -1);
}

TEST_F(SettingsPageTest, CancelPutsTheDevicesValuesBackUnlessBusy)
{
    const int factory_edr = KIVOBluetoothDeviceData::makeDefaultDataWithSource(app().data()).edr();
    app().data().setEdr(factory_edr == 0 ? 1 : 0);
    enter(0x4D10, 5, 1);
    ui().btnDefault->click();
    ASSERT_NE(page().dataCurrent().edr(), app().data().edr());

    app().setOnProcessing(true);
    page().changeToOriginal(nullptr);
    EXPECT_NE(page().dataCurrent().edr(), app().data().edr()) << "refused while busy";
    app().setOnProcessing(false);

    app().setListTabsOpened(true);
    ui().btnCancel->click();
    EXPECT_FALSE(app().listTabsOpened());
    EXPECT_EQ(page().dataCurrent().edr(), app().data().edr());
    EXPECT_EQ(ui().radioEDR->checkedId(), app().data().edr() != 0 ? 1 : 0);
    EXPECT_FALSE(ui().btnSave->isEnabled());
}

TEST_F(SettingsPageTest, ApplyNoteOpensItsBoxUnlessBusy)
{
    enter(0x4D10, 5, 1, kivo::kFrench);
    app().setOnProcessing(true);
    page().displayNoteApply(nullptr);
    EXPECT_EQ(app().messageBoxStatus(), 0);
    app().setOnProcessing(false);

    enter(0x4D10, 5, 1);
    page().displayNoteApply(nullptr);
    MessageBoxSheet& box = *window().sheetMessageBox;
    EXPECT_EQ(box.messageText().toStdString(),
              "[DEVICE SETTING]\nNOTE: Changes will be applied after device restarts.");
    EXPECT_TRUE(box.warningShown());
    EXPECT_FALSE(box.cancelButton()->isVisible());
    EXPECT_EQ(box.okButton()->text().toStdString(), "OK");
    EXPECT_EQ(app().messageBoxStatus(), kBoxStatus);
    box.okButton()->click();
}

TEST_F(SettingsPageTest, BackAndNewDeviceLeaveThePageUnlessBusy)
{
    enter(0x4D10, 5, 1);
    app().setOnProcessing(true);
    ui().btnBack->click();
    ui().btnNewDevice->click();
    EXPECT_EQ(app().mode(), kModeSettings);
    app().setOnProcessing(false);
    ui().btnBack->click();
    EXPECT_EQ(app().mode(), kModeUpdate);
    // The update page reads the firmware index on entry; the window is busy until it ends.
    run_events_until([this] { return !app().onProcessing(); });
    enter(0x4D10, 5, 1);
    ui().btnNewDevice->click();
    EXPECT_EQ(app().mode(), kModeHome);
}

TEST_F(SettingsPageTest, EveryTextFitsInEveryLanguage)
{
    const std::tuple<int, int, int> devices[] = {{0x4D10, 3, 9}, {0x4D10, 4, 1}, {0x4D10, 5, 1}, {0x4210, 1, 2},
                                                 {0x5210, 1, 0}, {0x3142, 1, 0}, {0x2120, 1, 0}, {0x4D05, 1, 1},
                                                 {0x4120, 1, 0}, {0x2020, 1, 1}};
    // The apply note's button stands over the end of its label.
    const WidthLeft note_beside_its_button = [this](const QWidget* widget) {
        if (widget != ui().lblNoteApply || ui().btnNoteApply->isHidden())
            return widget->width();
        return ui().btnNoteApply->x() - widget->x();
    };
    for (int language = 0; language <= 12; ++language)
        for (const auto& [product, major, minor] : devices)
            for (bool hints : {false, true}) {
                enter(product, major, minor, language);
                app().setShowShortcuts(hints);
                app().reflectShortcuts();
                EXPECT_EQ(clipped_texts(page().view(), note_beside_its_button), std::vector<std::string>{})
                    << std::hex << product << std::dec << " at " << major << "." << minor << " in " << language;
            }
}

// Every layout with every set of rows it shows: no label, cell or control stands over another, in
// English and in a language that shows the apply note's button.
TEST_F(SettingsPageTest, NoTwoThingsOfThePanelStandOverOneAnother)
{
    // First, in the fresh page, a product outside every set: it moves nothing, so its rows stand
    // at the interface file's frames.
    std::vector<std::tuple<int, int, int>> devices = {{0x6600, 1, 0}};
    std::set<std::pair<int, unsigned long>> seen;
    for (int product : panel_products())
        for (const auto& [major, minor] : kPanelVersions) {
            KIVOBluetoothDeviceData record;
            record.setDeviceRecognized(product);
            record.setDeviceVersionMajor_Minor(major, minor);
            const std::pair key{classic_layout(product, record).number, classic_visibility(product, record).to_ulong()};
            if (seen.insert(key).second)
                devices.emplace_back(product, major, minor);
        }
    for (const auto& [product, major, minor] : devices)
        for (int language : {kivo::kEnglish, kivo::kFrench}) {
            enter(product, major, minor, language);
            EXPECT_EQ(overlapping_texts(ui().panel), std::vector<std::string>{})
                << std::hex << product << std::dec << " at " << major << "." << minor << " in " << language;
        }
}

TEST_F(SettingsPageTest, ATitleTooLongForOneLineTakesTwoInItsRowUntilItFitsOneAgain)
{
    enter(0x4D10, 4, 1);
    const QLabel& plc = *ui().lblPLC;
    const QRect placed = plc.geometry();
    app().setLanguageManager(kivo::kPolish);
    page().setControls();
    EXPECT_TRUE(plc.wordWrap());
    EXPECT_EQ(plc.geometry(), placed.adjusted(0, -4, 0, 4)) << "centred on its row, clear of the next";
    EXPECT_TRUE(text_fits(&plc));
    page().setControls();
    EXPECT_EQ(plc.geometry(), placed.adjusted(0, -4, 0, 4)) << "a second refresh grows it no further";
    app().setLanguageManager(kivo::kEnglish);
    page().setControls();
    EXPECT_FALSE(plc.wordWrap());
    EXPECT_EQ(plc.geometry(), placed);
}

TEST_F(SettingsPageTest, ChangeOfLanguageRetitlesThePageAndReloadsTheTable)
{
    enter(0x4D10, 5, 1);
    const int reloads = counting().reloads;
    app().openLanguageManager();
    LanguageSheet* sheet = window().sheetLanguageManager;
    sheet->selectRow(KIVOBluetoothManagerAppController::buttonCellIndexFromLanguageManager(kivo::kFrench));
    app().languageManagerOK();
    EXPECT_EQ(counting().reloads, reloads + 1);
    EXPECT_EQ(text_of(ui().btnSave), "ENREGISTRER");
    EXPECT_FALSE(ui().btnNoteApply->isHidden());
}
