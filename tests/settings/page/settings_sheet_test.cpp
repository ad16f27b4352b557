// The settings page's resets and its all-settings sheet, offscreen in the whole application: what
// each reset copies and the order of the refreshes after it, nothing at all while busy, Default's
// rule kept in the defaults until the page is entered again, the sheet's size and place, its Save
// and its Close with the save question, and its texts whole in every language.

#include <QApplication>
#include <QWindow>

#include "app/message_box_layout.h"
#include "app/message_box_sheet.h"
#include "settings/change_detection.h"
#include "tests/settings/page/settings_page_fixture.h"
#include "tests/settings/page/unfit_texts.h"
#include "text/app_text.h"

using namespace kivo::settings;

namespace {

constexpr char kPrompt[] = "Would you like to save DEVICE SETTING changes?";
constexpr char kTimeoutMessage[] = "Audio Channel Timeout should be between 3 and 60. Enter valid value again.";

// The OEM headset's rows in the sheet.
constexpr int kUnitLanguageRow = 0;
constexpr int kFmRadioRow = 5;
// A product of the fixed panel whose timeout field shows (its sheet holds no row).
constexpr int kTimeoutProduct = 0x5210;

const std::vector<std::string> kRefreshOrder = {"table", "values", "enabling"};

} // namespace

class SettingsSheet : public SettingsPageTest {
protected:
    AllSettingsSheet& sheet() { return *page().sheetDeviceAllSettings(); }
    DeviceSettingsTableView& table() { return *ui().tableViewDeviceAllSettingsBasic; }
    DeviceSettingsTableCellView& row(int index)
    {
        DeviceSettingsTableCellView* view = table().viewAtRow(index);
        EXPECT_NE(view, nullptr) << "row " << index;
        return view ? *view : *table().makeViewForRow(index);
    }
    void openSheet()
    {
        page().moveToAllSettins(ui().btnAllSettings);
        run_events_for(20);
    }
    bool sheetOpen() { return sheet().isVisible(); }
    // The FM radio row set to the other column: a change the page saves.
    void changeFmRadio()
    {
        DeviceSettingsTableCellView& fm = row(kFmRadioRow);
        (fm.radioGroup()->checkedId() == 0 ? fm.disablebtn() : fm.enablebtn())->click();
        ASSERT_TRUE(page().isSettingsChanged());
    }
    // The OEM headset with a voice-prompt language, FM radio and smartphone connection that its
    // factory defaults do not have.
    void enterOemHeadset(int language = 0)
    {
        app().data().SetBasicSettingVantorUnitLanguage(5);
        app().data().setVARGOFMRadio(0);
        app().data().setVARGOSmartphoneConnet(0);
        enter(0x3142, 1, 0, language);
    }
    bool workingCopyIs(const KIVOBluetoothDeviceData& expected)
    {
        return !settings_changed(app().deviceTarget(), expected, page().dataCurrent());
    }
};

TEST_F(SettingsSheet, EachResetCopiesThenRefreshesTableValuesAndEnablingAndNothingWhileBusy)
{
    using Action = void (DeviceSettingsViewController::*)(QObject*);
    struct Reset {
        const char* name;
        Action action;
        bool inSheet;
        bool toDefaults;
    };
    const Reset resets[] = {
        {"page Default", &DeviceSettingsViewController::changeToDefault, false, true},
        {"page Cancel", &DeviceSettingsViewController::changeToOriginal, false, false},
        {"sheet Default", &DeviceSettingsViewController::changeToDefaultAllSettins, true, true},
        {"sheet Cancel", &DeviceSettingsViewController::ChangeToOtiginalAllSettins, true, false},
    };
    for (const Reset& reset : resets) {
        SCOPED_TRACE(reset.name);
        enterOemHeadset();
        openSheet();
        row(kUnitLanguageRow).popUpBtn()->setCurrentIndex(2);
        emit row(kUnitLanguageRow).popUpBtn()->activated(2);
        if (!reset.inSheet)
            page().endAllSettingsSheet();
        const KIVOBluetoothDeviceData edited = page().dataCurrent();
        const KIVOBluetoothDeviceData defaults = page().dataDefault();

        app().setOnProcessing(true);
        app().setListTabsOpened(true);
        counting().steps.clear();
        (page().*reset.action)(nullptr);
        EXPECT_EQ(page().dataCurrent(), edited);
        EXPECT_EQ(page().dataDefault(), defaults);
        EXPECT_TRUE(app().listTabsOpened());
        EXPECT_EQ(counting().steps, std::vector<std::string>{});
        app().setOnProcessing(false);

        (page().*reset.action)(nullptr);
        EXPECT_FALSE(app().listTabsOpened());
        EXPECT_EQ(counting().steps, kRefreshOrder) << "the table reloads whether or not the sheet is open";
        EXPECT_TRUE(workingCopyIs(reset.toDefaults ? page().dataDefault() : app().data()));
        EXPECT_EQ(page().dataCurrent().deviceVersionMajor(), 1) << "the versions stay the device's";
        EXPECT_EQ(row(kUnitLanguageRow).popUpBtn()->currentIndex(),
                  page().dataCurrent().GetBasicSettingVantorUnitLanguage());
        EXPECT_EQ(sheetOpen(), reset.inSheet) << "Default and Cancel leave the sheet as it was";
        EXPECT_EQ(ui().btnSave->isEnabled(), page().isSettingsChanged());
        page().endAllSettingsSheet();
    }
}

// Default's rule stays in the defaults: a later sheet Default shows what the page's Default carried
// and forced, until the page is entered again.
TEST_F(SettingsSheet, PageDefaultsRuleStaysForTheSheetsDefaultUntilThePageIsEnteredAgain)
{
    enterOemHeadset();
    const KIVOBluetoothDeviceData factory = page().dataDefault();
    ASSERT_NE(factory.GetBasicSettingVantorUnitLanguage(), 5) << "the device's language is not the factory's";

    ui().btnDefault->click();
    EXPECT_EQ(page().dataCurrent().GetBasicSettingVantorUnitLanguage(), 5) << "word 3 carried";
    EXPECT_EQ(page().dataCurrent().VARGOFMRadio(), 1);
    EXPECT_EQ(page().dataCurrent().VARGOSmartphoneConnet(), 1);
    ui().btnCancel->click();
    EXPECT_TRUE(workingCopyIs(app().data()));

    openSheet();
    ui().btnDeviceAllSettingsBasicDefault->click();
    EXPECT_EQ(page().dataCurrent().GetBasicSettingVantorUnitLanguage(), 5);
    EXPECT_EQ(page().dataCurrent().VARGOFMRadio(), 1);
    EXPECT_EQ(page().dataCurrent().VARGOSmartphoneConnet(), 1);
    EXPECT_EQ(row(kUnitLanguageRow).popUpBtn()->currentIndex(), 5);
    EXPECT_EQ(row(kFmRadioRow).radioGroup()->checkedId(), 0) << "Enable";
    EXPECT_TRUE(app().data().VARGOFMRadio() == 0 && app().data().GetBasicSettingVantorUnitLanguage() == 5)
        << "the recognized record is never changed";
    page().endAllSettingsSheet();

    enterOemHeadset();
    openSheet();
    ui().btnDeviceAllSettingsBasicDefault->click();
    EXPECT_TRUE(workingCopyIs(factory)) << "a new entry makes the defaults again";
}

TEST_F(SettingsSheet, OpensModalOverTheWindowAt550x400WhereItWasLeft)
{
    enterOemHeadset();
    ASSERT_TRUE(ui().btnAllSettings->isVisible());
    const int reloads = counting().reloads;
    ui().btnAllSettings->click();
    ASSERT_TRUE(sheetOpen());
    EXPECT_EQ(counting().reloads, reloads + 1);
    EXPECT_EQ(sheet().windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet().parentWidget()->window(), &window());
    EXPECT_EQ(sheet().size(), QSize(550, 400));
    EXPECT_EQ(table().numberOfRows(), 7);
    run_events_until([&] { return QApplication::activeWindow() == &sheet(); });

    // Moved and resized as the window system does it for a user's drag.
    const QPoint moved = sheet().pos() + QPoint(37, 21);
    sheet().windowHandle()->setFramePosition(moved);
    sheet().windowHandle()->resize(700, 520);
    run_events_until([&] { return sheet().pos() == moved && sheet().width() == 700; });
    ASSERT_EQ(sheet().pos(), moved);
    ASSERT_EQ(sheet().width(), 700);
    ui().btnDeviceAllSettingsBasicClose->click();
    EXPECT_FALSE(sheetOpen());
    ui().btnAllSettings->click();
    EXPECT_EQ(sheet().size(), QSize(550, 400));
    EXPECT_EQ(sheet().pos(), moved);

    // While busy the button is off; the sheet's Save does nothing and the sheet stays.
    changeFmRadio();
    app().setOnProcessing(true);
    page().setControls();
    EXPECT_FALSE(ui().btnAllSettings->isEnabled());
    EXPECT_FALSE(ui().btnDeviceAllSettingsBasicSave->isEnabled());
    page().saveToAllSettins(nullptr);
    EXPECT_TRUE(sheetOpen());
    EXPECT_EQ(page().rcThreadSave(), kSaveSucceeded) << "no save ran";
    app().setOnProcessing(false);
}

TEST_F(SettingsSheet, CloseEndsTheSheetOrAsksAndEachAnswerEndsIt)
{
    enterOemHeadset();
    openSheet();
    // The first box of a run is taller: take it first.
    row(kFmRadioRow).infoOnOffBtn()->click();
    closeBox();
    ui().btnDeviceAllSettingsBasicClose->click();
    EXPECT_FALSE(sheetOpen());
    EXPECT_EQ(app().messageBoxStatus(), 0) << "no change, no question";

    // A change: the question, over the sheet that stays open.
    openSheet();
    changeFmRadio();
    ui().btnDeviceAllSettingsBasicClose->click();
    EXPECT_TRUE(sheetOpen());
    ASSERT_EQ(app().messageBoxStatus(), kBoxAllSettingsSave);
    EXPECT_EQ(box().messageText().toStdString(), kPrompt);
    EXPECT_FALSE(box().warningShown());
    EXPECT_EQ(box().cancelButton()->text().toStdString(), "NO");
    EXPECT_EQ(box().okButton()->text().toStdString(), "YES");
    EXPECT_EQ(box().size(), message_box_size(0, false));

    // NO: the sheet ends, the edits go, the page stays.
    box().cancelButton()->click();
    EXPECT_FALSE(sheetOpen());
    EXPECT_EQ(page().dataCurrent(), app().data());
    EXPECT_EQ(app().mode(), kModeSettings);
    EXPECT_FALSE(ui().btnSave->isEnabled());

    // Escape and the window's close button ask as Close does; YES ends the sheet and saves.
    openSheet();
    changeFmRadio();
    sheet().reject();
    EXPECT_TRUE(sheetOpen());
    ASSERT_EQ(app().messageBoxStatus(), kBoxAllSettingsSave);
    counting().saveScript = [] { return kSaveWriteFailed; };
    box().okButton()->click();
    EXPECT_FALSE(sheetOpen());
    EXPECT_TRUE(app().onProcessing());
    waitUntilIdle();
    EXPECT_EQ(page().rcThreadSave(), kSaveWriteFailed);
    EXPECT_TRUE(page().isSettingsChanged()) << "a failed write keeps the edits";
}

// The timeout field is checked by the page's Save and the question's YES, not by the sheet's Save:
// a field that was not taken never reached the working copy.
TEST_F(SettingsSheet, OnlyTheSheetsSaveSavesPastARefusedTimeout)
{
    app().data().setAudioChannelTimeout(30);
    enter(kTimeoutProduct, 1, 0);
    counting().saveScript = [] { return kSaveWriteFailed; };
    auto changeAndRefuseTheTimeout = [&] {
        ui().highRTG->click();
        ui().tfACT->setText("61");
        openSheet();
        ASSERT_TRUE(page().isSettingsChanged());
    };

    changeAndRefuseTheTimeout();
    ui().btnDeviceAllSettingsBasicClose->click();
    ASSERT_EQ(app().messageBoxStatus(), kBoxAllSettingsSave);
    box().okButton()->click();
    EXPECT_FALSE(sheetOpen());
    EXPECT_FALSE(app().onProcessing());
    EXPECT_EQ(page().rcThreadSave(), kSaveSucceeded) << "no save ran";
    EXPECT_EQ(box().messageText().toStdString(), kTimeoutMessage);
    closeBox();

    changeAndRefuseTheTimeout();
    ui().btnDeviceAllSettingsBasicSave->click();
    EXPECT_FALSE(sheetOpen());
    EXPECT_TRUE(app().onProcessing());
    EXPECT_EQ(app().messageBoxStatus(), 0);
    waitUntilIdle();
    EXPECT_EQ(page().rcThreadSave(), kSaveWriteFailed);
    EXPECT_EQ(page().dataCurrent().audioChannelTimeout(), 30);
}

// The sheet's buttons and rows, and the question of its Close, whole in every language.
TEST_F(SettingsSheet, EveryTextOfTheSheetAndItsQuestionIsWholeInEveryLanguage)
{
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        for (const auto& [product, major, minor] : {std::tuple{0x5510, 3, 0}, std::tuple{0x3142, 1, 0}}) {
            enter(product, major, minor, language);
            openSheet();
            EXPECT_EQ(clipped_texts(&sheet()), std::vector<std::string>{}) << product << " in " << language;
            EXPECT_LE(table().widget()->minimumSizeHint().width(), table().viewport()->width())
                << "every row within the sheet: " << product << " in " << language;
            savePicture(&sheet(), "all-settings-sheet-" + std::to_string(product) + "-" + std::to_string(language));
            page().endAllSettingsSheet();
        }
        openSheet();
        changeFmRadio();
        ui().btnDeviceAllSettingsBasicClose->click();
        run_events_for(30);
        auto* label = box().findChild<QLabel*>("tfMessageBox");
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(text_fits(label)) << language << ": " << label->text().toStdString();
        EXPECT_EQ(box().cancelButton()->text().toStdString(), kivo::AppText::tavk_string_no_in(language));
        box().cancelButton()->click();
    }
}
