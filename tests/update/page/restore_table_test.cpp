// The restore page's table of backed-up settings offscreen in the whole application: its rows are
// the restore rows of the loaded backup, reloaded with a new backup and a new language, shown only
// on the settings tab of the families that have it while a restore is possible, with every text
// whole in every language.

#include <QFontMetrics>
#include <QLabel>
#include <QTableWidget>

#include <set>

#include "app/language_sheet.h"
#include "device/backup_archive.h"
#include "settings/table/restore_rows.h"
#include "settings/table/setting_catalogue.h"
#include "tests/app/app_fixture.h"
#include "tests/update/page/page_shots.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "update/engine/backup_file.h"
#include "update/page/restore_table_cell_view.h"
#include "update/page/update_page.h"

using kivo::settings::SettingKey;

namespace {

constexpr int kOem = 0x3142;

KIVOBluetoothDeviceData backup_of(int product, int major, int minor,
                                  std::initializer_list<std::pair<SettingKey, int>> values = {})
{
    KIVOBluetoothDeviceData record;
    record.setDeviceRecognized(product);
    record.setDeviceVersionMajor_Minor(major, minor);
    record.setManagerVersionMajor(3);
    record.setManagerVersionMinor(4);
    record.setDateArchived(KIVOBluetoothDeviceData::Date{std::chrono::seconds{1709647629}});
    for (const auto& [key, value] : values)
        kivo::settings::write(key, record, value, {product, 0});
    return record;
}

} // namespace

class RestoreTable : public AppTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = placeholder_page_factory();
        factory.update = [](kivo::PageHost& host, int mode) {
            return std::make_unique<UpdateViewController>(host, mode);
        };
        return factory;
    }
    std::string serverBase() override { return server.base(); }

    // The backup of the product in the archive folder, its version listed by the server.
    void writeBackup(const KIVOBluetoothDeviceData& record)
    {
        const int product = record.deviceRecognized();
        std::filesystem::create_directories(archiveFolder());
        ASSERT_TRUE(kivo::write_backup_archive(record, kivo::backup_archive_file(archiveFolder(), product)));
        const std::string name = kivo::ProductNames::tavk_product_name_for_internal(product, true);
        revisions += kivo::fill_format("%@:v%d.%d:%@.img\r\n",
                                       {name, record.deviceVersionMajor(), record.deviceVersionMinor(), name});
        server.serve("/kivobluetoothmanager/Revisions", {200, revisions});
    }

    void enter(int product)
    {
        recognize(product, 2, 1);
        app().setUsbStatus(product);
        app().setFirmwareRestoreWithStatus(true);
        ASSERT_EQ(app().mode(), kModeRestore);
        run_events_until([&] { return !page().readActive(); });
    }

    void chooseLanguage(int language)
    {
        window().sheetLanguageManager->selectRow(
            KIVOBluetoothManagerAppController::buttonCellIndexFromLanguageManager(language));
        app().languageManagerOK();
        run_events_until([&] { return !page().readActive(); });
    }

    UpdateViewController& page() { return *static_cast<UpdateViewController*>(app().restoreViewController()); }
    QTableWidget& table() { return *page().restoreUi().tableViewRestore; }
    bool tableShown() { return table().isVisibleTo(page().restoreUi().frameArea); }
    RestoreTableCellView* cell(int row) { return qobject_cast<RestoreTableCellView*>(table().cellWidget(row, 0)); }

    // Each row as "name: value", "-" for a row without a view.
    std::vector<std::string> rows()
    {
        std::vector<std::string> shown;
        for (int row = 0; row < table().rowCount(); ++row)
            shown.push_back(cell(row) ? cell(row)->settingNameText()->text().toStdString() + ": " +
                                    cell(row)->settingValueText()->text().toStdString()
                                      : "-");
        return shown;
    }

    testnet::LocalHttpServer server;
    std::string revisions;
};

TEST_F(RestoreTable, RowsOfTheBackupReloadedWithANewBackupAndLanguage)
{
    writeBackup(backup_of(kOem, 2, 1, {{SettingKey::VantorUnitLanguage, 2}, {SettingKey::VantorSidetone, 1}}));
    enter(kOem);
    ASSERT_TRUE(page().restorePossible());
    EXPECT_TRUE(tableShown());
    EXPECT_EQ(
        rows(),
        (std::vector<std::string>{"Unit Language: Spanish", "Sidetone: Enabled", "FM Station Guide: Disabled",
                                  "Audio Overlay Volume Management: Enabled", "Intercom-audio Overlay Sensi...: 0",
                                  "FM Radio: ", "Smartphone Connection: "}));
    EXPECT_EQ(page().numberOfRowsInTableView(), 7);

    // A new backup is read at the next refresh.
    writeBackup(backup_of(kOem, 2, 1, {{SettingKey::VantorUnitLanguage, 4}, {SettingKey::VantorSidetone, 0}}));
    page().setControls();
    EXPECT_EQ(rows()[0], "Unit Language: German");
    EXPECT_EQ(rows()[1], "Sidetone: Disabled");

    chooseLanguage(kivo::kGerman);
    EXPECT_EQ(rows()[0], "Ger\u00E4tesprache: Deutsch");
    EXPECT_EQ(rows()[1], "Eigenecho: Deaktiviert");
    for (int row = 0; row < table().rowCount(); ++row) {
        const auto expected = kivo::settings::restore_row(kOem, page().dataToUnarchive(), 0, row, kivo::kGerman);
        ASSERT_TRUE(expected && cell(row)) << row;
        EXPECT_EQ(cell(row)->settingNameText()->text().toStdString(), expected->title);
        EXPECT_EQ(cell(row)->settingValueText()->text().toStdString(), expected->value);
    }
    chooseLanguage(kivo::kEnglish);
}

TEST_F(RestoreTable, BlankRowsHaveNoViewAndProductsWithoutALineNoRow)
{
    writeBackup(backup_of(0x3132, 1, 0));
    enter(0x3132);
    ASSERT_TRUE(tableShown());
    EXPECT_EQ(table().rowCount(), 18);
    EXPECT_NE(cell(16), nullptr);
    EXPECT_EQ(cell(17), nullptr);
    EXPECT_EQ(page().tableView_viewForTableColumn_row(17), nullptr);

    // The table's family, but a line without rows: an empty table.
    writeBackup(backup_of(0x3360, 1, 0));
    enter(0x3360);
    EXPECT_TRUE(tableShown()) << page().restorePossible() << " tab " << page().tabAt(page().tabIndexSelected());
    EXPECT_EQ(table().rowCount(), 0);
}

TEST_F(RestoreTable, ShownOnlyWhileARestoreIsPossibleOnTheSettingsTabOfItsFamilies)
{
    writeBackup(backup_of(kOem, 2, 1));
    enter(kOem);
    ASSERT_TRUE(tableShown());
    EXPECT_TRUE(page().restoreUi().scrollViewRestore->isVisibleTo(page().restoreUi().frameArea));

    // Another tab than the device settings.
    const int selected = page().tabIndexSelected();
    page().setTabIndexSelected(2);
    ASSERT_NE(page().tabAt(2), kTabDeviceSettings);
    page().setControls();
    EXPECT_FALSE(tableShown());
    page().setTabIndexSelected(selected);
    page().setControls();
    EXPECT_TRUE(tableShown());

    // No backup, then one the server does not list.
    std::filesystem::remove_all(archiveFolder());
    page().setControls();
    EXPECT_FALSE(tableShown());
    EXPECT_FALSE(page().restoreUi().scrollViewRestore->isVisibleTo(page().restoreUi().frameArea));
    page().restoreTableViewHiddenWithRestorePossible();
    EXPECT_FALSE(tableShown());

    // A family whose summary shows the backup without the table.
    writeBackup(backup_of(0x4D10, 4, 1));
    enter(0x4D10);
    ASSERT_TRUE(page().restorePossible());
    EXPECT_FALSE(tableShown());
}

TEST_F(RestoreTable, TextsArePlainAndWholeInEveryLanguage)
{
    RestoreTableCellView view;
    view.settingValueText()->setText(QStringLiteral("<b>On</b>"));
    EXPECT_EQ(view.settingNameText()->textFormat(), Qt::PlainText);
    EXPECT_EQ(view.settingValueText()->textFormat(), Qt::PlainText);

    writeBackup(backup_of(0x5510, 3, 0));
    enter(0x5510);
    ASSERT_TRUE(tableShown() && cell(0));
    run_events_for(50);
    grab_page(*page().view(), "restore-table-camera");
    const QLabel& name = *cell(0)->settingNameText();
    const QLabel& value = *cell(0)->settingValueText();
    const QFontMetrics metrics(name.font());
    ASSERT_GT(value.contentsRect().width(), 100);

    // Every title and every value any row can show, in every language.
    using namespace kivo::settings;
    std::set<std::string> titles, values;
    for (const RestoreKindInfo& kind : restore_kinds())
        for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
            titles.insert(kivo::localized(*kind.title, language));
            for (int stored = -2; stored <= 30; ++stored)
                for (int pack : {0, 1, 2})
                    values.insert(restore_value_text(kind.rule, stored, language, pack));
        }
    for (const std::string& text : titles)
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)), name.contentsRect().width()) << text;
    for (const std::string& text : values)
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)), value.contentsRect().width()) << text;

    // The page with its table as people see it, in every language.
    writeBackup(backup_of(kOem, 2, 1, {{SettingKey::VantorUnitLanguage, 3}, {SettingKey::VantorFMStationGuide, 1}}));
    enter(kOem);
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        SCOPED_TRACE(language);
        chooseLanguage(language);
        ASSERT_TRUE(tableShown());
        grab_page(*page().view(), "restore-table-" + std::to_string(language));
        EXPECT_EQ(clipped_texts(*page().view()), std::vector<std::string>{});
    }
    chooseLanguage(kivo::kEnglish);
}
