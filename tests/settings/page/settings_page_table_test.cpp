// The all-settings table on the settings page, offscreen: its rows as the row model builds them, a
// change through the row's handler followed by the page's refresh, the couplings' rebuild, the
// information boxes, a change of language, and every text whole in every language.

#include <QDir>

#include <cstdlib>
#include <set>
#include <string>

#include "app/language_sheet.h"
#include "app/manager_window.h"
#include "app/message_box_layout.h"
#include "app/message_box_sheet.h"
#include "settings/page/text_fit.h"
#include "settings/table/layout_table.h"
#include "settings/table/row_information.h"
#include "tests/settings/page/settings_page_fixture.h"
#include "tests/settings/page/unfit_texts.h"
#include "text/app_text.h"

using namespace kivo::settings;

namespace {

std::string hex(int id)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", id);
    return text;
}

std::string text_of(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().toStdString();
    return static_cast<const QAbstractButton*>(widget)->text().toStdString();
}

// Products whose layouts at these firmware versions and speaker codes show every kind of the table
// between them.
struct Shown {
    int product;
    int major;
    int minor;
    int speaker = 0;
};
constexpr Shown kEveryKind[] = {
    {0x3142, 1, 0}, {0x5510, 3, 0}, {0x4210, 2, 5}, {0x3212, 1, 4, -1}, {0x3161, 1, 0}, {0x3560, 2, 0}, {0x3128, 1, 0},
    {0x6034, 1, 0}, {0x6038, 1, 0}, {0x6821, 1, 0}, {0x683A, 1, 0},     {0x6838, 1, 0}, {0x3800, 1, 0}, {0x321A, 1, 2},
    {0x3110, 3, 4}, {0x3112, 3, 3}, {0x4610, 1, 0}, {0x5410, 1, 1},     {0x5576, 1, 0}, {0x6461, 1, 0}, {0x3310, 1, 0},
    {0x6804, 1, 0}, {0x4023, 2, 3}, {0x5596, 1, 0}, {0x6811, 1, 0},     {0x6808, 1, 0}, {0x3340, 1, 0}, {0x5622, 1, 0},
    {0x3170, 1, 0}, {0x5630, 1, 0}, {0x3114, 2, 0},
};

} // namespace

class SettingsTableTest : public SettingsPageTest {
protected:
    DeviceSettingsTableView& table() { return *ui().tableViewDeviceAllSettingsBasic; }
    DeviceSettingsTableCellView& row(int index)
    {
        DeviceSettingsTableCellView* view = table().viewAtRow(index);
        EXPECT_NE(view, nullptr) << "row " << index;
        return view ? *view : *table().makeViewForRow(index);
    }
    TableContext context() { return {app().session(), app().data(), page().dataCurrent(), app().languageManager()}; }
    void enterShown(const Shown& shown, int language)
    {
        app().session().deviceEgranoSpeakerType = shown.speaker;
        enter(shown.product, shown.major, shown.minor, language);
    }
    // The sheet shown, as its button will show it.
    void showSheet()
    {
        page().sheetDeviceAllSettings()->show();
        run_events_for(20);
    }
    // Every row as the row model builds it for the page's working copy.
    void expectRowsAsBuilt()
    {
        for (int index = 0; index < table().numberOfRows(); ++index) {
            const std::optional<RowState> state = build_row(context(), index);
            ASSERT_TRUE(state.has_value()) << index;
            DeviceSettingsTableCellView& view = row(index);
            SCOPED_TRACE(state->title);
            EXPECT_EQ(view.textField()->text().toStdString(), state->title);
            EXPECT_EQ(view.infoOnOffBtn()->isHidden(), !state->informationShown);
            EXPECT_TRUE(view.infoPopUpBtn()->isHidden());
            const bool on_off = state->cell == CellKind::OnOff;
            EXPECT_EQ(view.radiobtn()->isHidden(), !on_off);
            EXPECT_EQ(view.popUpBtn()->isHidden(), on_off);
            if (on_off) {
                EXPECT_EQ(view.radioGroup()->checkedId(), state->selected);
                EXPECT_EQ(view.enablebtn()->text().toStdString(), state->enableTitle);
                EXPECT_EQ(view.disablebtn()->text().toStdString(), state->disableTitle);
                EXPECT_EQ(view.radiobtn()->isEnabled(), state->enabled);
            } else {
                EXPECT_EQ(view.popUpBtn()->count(), static_cast<int>(state->items.size()));
                EXPECT_EQ(view.popUpBtn()->currentIndex(), state->selected);
                EXPECT_EQ(view.popUpBtn()->isEnabled(), state->enabled);
            }
        }
    }
};

TEST_F(SettingsTableTest, RowsShowWhatTheRowModelBuildsUnderTheirOutletNames)
{
    app().data().setVARGOFMRadio(1);
    enter(0x3142, 1, 0);
    EXPECT_EQ(page().view()->findChild<DeviceSettingsTableView*>("tableViewDeviceAllSettingsBasic"), &table());
    ASSERT_EQ(table().numberOfRows(), 7);
    EXPECT_EQ(table().numberOfColumns(), 1);
    expectRowsAsBuilt();
    EXPECT_EQ(row(5).textField()->text().toStdString(), "FM Radio");
    EXPECT_EQ(row(5).radioGroup()->checkedId(), 0);
    for (const char* name :
         {"textField", "infoOnOffBtn", "infoPopUpBtn", "radiobtn", "enablebtn", "disablebtn", "popUpBtn"})
        EXPECT_NE(row(0).findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(table().rowForView(row(3).enablebtn()), 3);
    EXPECT_EQ(table().rowForView(row(0).popUpBtn()), 0);
    EXPECT_EQ(table().rowForView(ui().btnSave), -1);
    EXPECT_EQ(table().rowForView(nullptr), -1);

    // A product with fewer rows: the rows past its list show nothing and belong to no row.
    DeviceSettingsTableCellView* seventh = &row(6);
    enter(0x3161, 1, 0);
    EXPECT_EQ(table().numberOfRows(), 3);
    expectRowsAsBuilt();
    EXPECT_EQ(table().viewAtRow(6), nullptr);
    EXPECT_EQ(table().rowForView(seventh->disablebtn()), -1);
    // Its "Remote UI RTT" row has no information button; the row before it keeps its own.
    EXPECT_TRUE(row(2).infoOnOffBtn()->isHidden());
    EXPECT_FALSE(row(1).infoOnOffBtn()->isHidden());
}

TEST_F(SettingsTableTest, AChangeGoesThroughTheRowsHandlerThenTheRefreshUnlessBusy)
{
    app().data().setVARGOFMRadio(1);
    enter(0x3142, 1, 0);
    const int fm_radio = 5;
    app().setListTabsOpened(true);
    int refreshes = counting().refreshes;
    row(fm_radio).disablebtn()->click();
    EXPECT_EQ(page().dataCurrent().VARGOFMRadio(), 0);
    EXPECT_FALSE(app().listTabsOpened());
    EXPECT_EQ(counting().refreshes, refreshes + 1);
    EXPECT_EQ(counting().atLastRefresh.VARGOFMRadio(), 0) << "the refresh follows the change";
    EXPECT_TRUE(ui().btnSave->isEnabled());

    // A pop-up: the unit language row takes the chosen item.
    row(0).popUpBtn()->setCurrentIndex(3);
    emit row(0).popUpBtn()->activated(3);
    EXPECT_EQ(page().dataCurrent().GetBasicSettingVantorUnitLanguage(), 3);

    // Busy: nothing stored, the tab list stays open, the row shows the working copy again, and
    // the page still refreshes.
    app().setOnProcessing(true);
    app().setListTabsOpened(true);
    refreshes = counting().refreshes;
    row(fm_radio).enablebtn()->click();
    EXPECT_EQ(page().dataCurrent().VARGOFMRadio(), 0);
    EXPECT_TRUE(app().listTabsOpened());
    EXPECT_EQ(row(fm_radio).radioGroup()->checkedId(), 1);
    EXPECT_EQ(counting().refreshes, refreshes + 1);
    app().setOnProcessing(false);

    // A control outside the table's rows stores nothing and still refreshes.
    const KIVOBluetoothDeviceData before = page().dataCurrent();
    refreshes = counting().refreshes;
    page().allSettingsChangeOnOff(ui().radioSidetone);
    page().allSettingsChangePopUp(nullptr);
    EXPECT_EQ(page().dataCurrent(), before);
    EXPECT_EQ(counting().refreshes, refreshes + 2);
}

TEST_F(SettingsTableTest, ACouplingRebuildsTheRowsItChanged)
{
    app().session().deviceEgranoSpeakerType = -1;
    app().data().SetBasicSettingVantorHDIntercom(1);
    enter(0x3212, 1, 4);
    int overlay = -1;
    int hd_intercom = -1;
    for (int index = 0; index < table().numberOfRows(); ++index) {
        const TableKind kind = resolve_row(context(), index)->kind;
        overlay = kind == TableKind::BluetoothIntercomAudioMultitasking ? index : overlay;
        hd_intercom = kind == TableKind::HDIntercom ? index : hd_intercom;
    }
    ASSERT_GE(overlay, 0);
    ASSERT_GE(hd_intercom, 0);
    EXPECT_EQ(row(hd_intercom).radioGroup()->checkedId(), 0);

    // While a worker runs, an overlay already on couples nothing: a save that succeeds copies the
    // working copy as the device will hold it.
    app().data().SetBasicSettingVantorAudioOverlay(1);
    enter(0x3212, 1, 4);
    ASSERT_EQ(page().dataCurrent().GetBasicSettingVantorAudioOverlay(), 1);
    app().setOnProcessing(true);
    row(overlay).enablebtn()->click();
    EXPECT_EQ(page().dataCurrent().GetBasicSettingVantorHDIntercom(), 1);
    app().setOnProcessing(false);
    app().data().SetBasicSettingVantorAudioOverlay(0);
    enter(0x3212, 1, 4);

    row(overlay).enablebtn()->click();
    EXPECT_EQ(page().dataCurrent().GetBasicSettingVantorHDIntercom(), 0);
    EXPECT_EQ(row(hd_intercom).radioGroup()->checkedId(), 1);
    expectRowsAsBuilt();
}

TEST_F(SettingsTableTest, InformationOpensTheRowsTextInItsBoxAlsoWhileBusy)
{
    enter(0x3142, 1, 0);
    // The first box of a run is taller: take it first.
    row(1).infoOnOffBtn()->click();
    closeBox();
    struct Case {
        int row;
        const char* heading;
        int size;
    };
    for (const Case& c : {Case{1, "[Sidetone]\n", 2}, Case{3, "[Audio Multitasking Volume Management]\n", 3},
                          Case{5, "[FM Radio]\n", 4}}) {
        row(c.row).infoOnOffBtn()->click();
        EXPECT_EQ(app().messageBoxStatus(), kBoxAllSettingsInformation);
        const std::string text = box().messageText().toStdString();
        EXPECT_TRUE(text.starts_with(c.heading)) << text;
        EXPECT_EQ(text, row_information(context(), c.row)->text);
        EXPECT_FALSE(box().warningShown());
        EXPECT_FALSE(box().cancelButton()->isVisible());
        EXPECT_EQ(box().okButton()->text().toStdString(), "OK");
        EXPECT_EQ(box().size(), message_box_size(c.size, false)) << c.heading;
        closeBox();
        EXPECT_EQ(app().messageBoxStatus(), 0) << "OK only closes";
    }

    app().setOnProcessing(true);
    row(1).infoOnOffBtn()->click();
    EXPECT_EQ(app().messageBoxStatus(), kBoxAllSettingsInformation) << "the box opens while busy";
    box().okButton()->click();
    app().setOnProcessing(false);

    // A press from outside the table's rows opens nothing.
    page().allSettingsInformation(ui().btnSave);
    EXPECT_EQ(app().messageBoxStatus(), 0);

    enter(0x3142, 1, 0, kivo::kKorean);
    row(1).infoOnOffBtn()->click();
    EXPECT_EQ(box().okButton()->text().toStdString(), "확인");
    closeBox();
}

TEST_F(SettingsTableTest, ALanguageChangeRetitlesTheRowsAndTheCountIsAskedOnlyOnEntry)
{
    enter(0x3142, 1, 0);
    const int asked = counting().rowCountsAsked;
    EXPECT_GE(asked, 1);
    app().openLanguageManager();
    window().sheetLanguageManager->selectRow(
        KIVOBluetoothManagerAppController::buttonCellIndexFromLanguageManager(kivo::kFrench));
    app().languageManagerOK();
    EXPECT_EQ(text_of(row(1).textField()), "Effet local");
    EXPECT_EQ(text_of(row(1).enablebtn()), kivo::AppText::tavk_string_enable_in(kivo::kFrench));
    EXPECT_EQ(text_of(row(1).disablebtn()), kivo::AppText::tavk_string_disable_in(kivo::kFrench));
    expectRowsAsBuilt();
    row(5).disablebtn()->click();
    page().callTableviewReloadDataForOutsideClass();
    EXPECT_EQ(counting().rowCountsAsked, asked) << "reloads and changes keep the count";
    enter(0x5510, 3, 0);
    EXPECT_EQ(counting().rowCountsAsked, asked + 1);
    EXPECT_EQ(table().numberOfRows(), 25);
}

// Every row's title, cells and items whole in every language, on products that show every kind.
TEST_F(SettingsTableTest, EveryTextOfEveryRowFitsInEveryLanguage)
{
    std::set<TableKind> kinds;
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language)
        for (const Shown& shown : kEveryKind) {
            enterShown(shown, language);
            showSheet();
            for (int index = 0; index < table().numberOfRows(); ++index) {
                kinds.insert(resolve_row(context(), index)->kind);
                QComboBox* popUp = row(index).popUpBtn();
                for (int item = 0; item < popUp->count() && !popUp->isHidden(); ++item) {
                    const int text = QFontMetrics(popUp->font()).horizontalAdvance(popUp->itemText(item));
                    QStyleOptionComboBox option;
                    option.initFrom(popUp);
                    const QRect field = popUp->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                                       QStyle::SC_ComboBoxEditField, popUp);
                    EXPECT_LE(text, field.width())
                        << hex(shown.product) << " in " << language << ": " << popUp->itemText(item).toStdString();
                }
            }
            EXPECT_EQ(clipped_texts(&table()), std::vector<std::string>{}) << hex(shown.product) << " in " << language;
        }
    EXPECT_EQ(kinds.size(), table_kinds().size()) << "the products show every kind";
}

// Every row's information box holds its whole text, in every language.
TEST_F(SettingsTableTest, EveryInformationBoxHoldsItsWholeTextInEveryLanguage)
{
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        std::set<std::pair<std::string, int>> seen;
        for (const Shown& shown : kEveryKind) {
            enterShown(shown, language);
            for (int index = 0; index < table().numberOfRows(); ++index) {
                const std::optional<RowInformation> information = row_information(context(), index);
                if (!information || !seen.insert({information->text, information->size}).second)
                    continue;
                page().allSettingsInformation(row(index).infoOnOffBtn());
                QCoreApplication::processEvents();
                auto* label = box().findChild<QLabel*>("tfMessageBox");
                ASSERT_NE(label, nullptr);
                EXPECT_TRUE(text_fits(label))
                    << hex(shown.product) << " row " << index << " in " << language << ": " << information->text;
                box().dismiss();
            }
        }
    }
}

// Pictures of the table for people to look at: written only when KIVO_SETTINGS_PICTURES names a
// folder, for the languages KIVO_SETTINGS_PICTURE_LANGUAGES lists (English and French unless).
TEST_F(SettingsTableTest, Pictures)
{
    const char* folder = std::getenv("KIVO_SETTINGS_PICTURES");
    if (folder == nullptr)
        GTEST_SKIP() << "KIVO_SETTINGS_PICTURES names no folder";
    QDir().mkpath(folder);
    const char* languages = std::getenv("KIVO_SETTINGS_PICTURE_LANGUAGES");
    const std::string wanted = "," + std::string(languages ? languages : "0,1") + ",";
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        if (wanted.find("," + std::to_string(language) + ",") == std::string::npos)
            continue;
        for (const Shown& shown : kEveryKind) {
            enterShown(shown, language);
            showSheet();
            QWidget* sheet = page().sheetDeviceAllSettings();
            const std::string base =
                std::string(folder) + "/table_" + hex(shown.product) + "_lang" + std::to_string(language);
            EXPECT_TRUE(sheet->grab().save(QString::fromStdString(base + ".png")));
            if (table().numberOfRows() > 0) {
                table().ensureWidgetVisible(row(table().numberOfRows() - 1).textField());
                EXPECT_TRUE(sheet->grab().save(QString::fromStdString(base + "_end.png")));
            }
            for (const std::string& text : clipped_texts(&table()))
                std::printf("clipped %s: %s\n", base.c_str(), text.c_str());
            for (int index = 0; index < table().numberOfRows() && shown.product == 0x5510; ++index) {
                if (row(index).infoOnOffBtn()->isHidden())
                    continue;
                page().allSettingsInformation(row(index).infoOnOffBtn());
                run_events_for(20);
                EXPECT_TRUE(box().grab().save(QString::fromStdString(base + "_box" + std::to_string(index) + ".png")));
                box().dismiss();
            }
            page().sheetDeviceAllSettings()->hide();
        }
    }
}
