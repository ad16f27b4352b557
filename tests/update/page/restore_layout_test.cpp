// The restore page offscreen in the whole application: the backup it loads from the archive folder
// and the checks on it, the summary's header, the status without a usable backup, and the page's
// control states, titles and frames, as tables over the page's state; the selected tab and what
// the page shows of it, and a restore run's bar from its start.

#include <QDateTime>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include <atomic>
#include <fstream>
#include <functional>

#include "app/window_colors.h"
#include "device/backup_archive.h"
#include "tests/update/page/page_shots.h"
#include "tests/update/page/restore_fixture.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/engine/backup_file.h"
#include "update/page/restore_table_cell_view.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

TEST_F(RestoreLayout, BackupLoadAndItsChecks)
{
    std::string archive = kivo::archive_device_record(backup_at(0x3142, 2, 1));
    const std::string damaged = archive.substr(0, archive.size() / 2);
    KIVOBluetoothDeviceData without_manager = backup_at(0x3142, 2, 1);
    without_manager.setManagerVersionMajor(0);
    without_manager.setManagerVersionMinor(0);

    enum class File { Valid, None, Foreign, Damaged, Oversized, NoManagerVersion };
    struct Case {
        const char* what;
        int product;
        File file;
        int major;
        int minor;
        bool usable;
        bool recordKept;
    };
    const Case cases[] = {
        {"a valid backup", 0x3142, File::Valid, 2, 1, true, true},
        {"no archive", 0x3142, File::None, 0, 0, false, false},
        {"a foreign file", 0x3142, File::Foreign, 0, 0, false, false},
        {"a damaged archive", 0x3142, File::Damaged, 0, 0, false, false},
        {"a file over 1 MiB", 0x3142, File::Oversized, 0, 0, false, false},
        {"no manager version", 0x3142, File::NoManagerVersion, 0, 0, false, true},
        {"0x4D55 with a backup at 1.1", 0x4D55, File::Valid, 1, 1, false, true},
        {"0x4D55 with a backup at 1.2", 0x4D55, File::Valid, 1, 2, true, true},
        {"0x5061 with a backup at 4.1", 0x5061, File::Valid, 4, 1, false, true},
        {"0x5061 with a backup at 4.2", 0x5061, File::Valid, 4, 2, true, true},
        {"0x4D10 takes any", 0x4D10, File::Valid, 1, 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(archiveFolder());
        switch (c.file) {
        case File::Valid: writeBackup(c.product, backup_at(c.product, c.major, c.minor)); break;
        case File::None: break;
        case File::Foreign: writeBytes(c.product, "<html>not an archive</html>"); break;
        case File::Damaged: writeBytes(c.product, damaged); break;
        case File::Oversized: writeBytes(c.product, archive + std::string((1 << 20) + 1, '\0')); break;
        case File::NoManagerVersion: writeBackup(c.product, without_manager); break;
        }
        app().setStatus_withWarning("before", false);
        enter(c.product);
        EXPECT_EQ(page().restorePossible(), c.usable);
        EXPECT_EQ(page().dataToUnarchive().has_value(), c.recordKept);
        EXPECT_EQ(ui().btnRestore->isEnabled(), c.usable);
        EXPECT_EQ(shown(ui().tfRestoredDate), c.usable);
        EXPECT_TRUE(shown(ui().lblBackupFirmwareInformation));
        EXPECT_EQ(text(ui().lblBackupFirmwareInformation), UpdateTexts::stringBackupFirmwareInformation(0));
        if (c.usable) {
            EXPECT_EQ(text(ui().tfRestoredVersion), kivo::fill_format("v%d.%d", {c.major, c.minor}));
            EXPECT_EQ(text(ui().lblRestoredDate), "Date: ");
            EXPECT_NE(statusLine(), noBackupStatus());
        } else {
            EXPECT_EQ(statusLine(), noBackupStatus());
            EXPECT_EQ(statusLine(), "Failed to restore firmware. NO backup firmware");
            EXPECT_TRUE(app().statusWithWarning());
        }
    }
}

TEST_F(RestoreLayout, ANoBackupStatusInEveryLanguage)
{
    enter(0x3142);
    for (int language : {1, 4, 12}) {
        app().setLanguageManager(language);
        page().setControls();
        EXPECT_EQ(statusLine(), noBackupStatus(language)) << language;
    }
    app().setLanguageManager(0);
}

TEST_F(RestoreLayout, DamagedArchiveLeavesNoEarlierRecord)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    ASSERT_TRUE(page().dataToUnarchive().has_value());
    writeBytes(0x3142, "garbage");
    page().setControls();
    EXPECT_FALSE(page().dataToUnarchive().has_value()) << "a stale record could be written back";
    EXPECT_FALSE(page().restorePossible());
}

TEST_F(RestoreLayout, VersionTextsByProduct)
{
    struct Case {
        int product;
        KIVOBluetoothDeviceData backup;
        const char* version;
    };
    const Case cases[] = {
        {0x3020, backup_at(0x3020, 2, 5, 1, 3), "v1.3.2.5"},
        {0x5345, backup_at(0x5345, 1, 2, 2, 7), "v1.2.7"},
        {0x3142, backup_at(0x3142, 4, 1, 2, 7), "v4.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        writeBackup(c.product, c.backup);
        enter(c.product);
        EXPECT_EQ(text(ui().tfRestoredVersion), c.version);
        EXPECT_EQ(text(ui().lblRestoredVersion), "Version:");
        EXPECT_EQ(ui().lblRestoredVersion->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    }
}

TEST_F(RestoreLayout, DateInTheLanguagesPatternAndLocalTime)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    const QDateTime local = QDateTime::fromSecsSinceEpoch(kArchived.time_since_epoch().count()).toLocalTime();
    struct Case {
        int language;
        const char* label;
        const char* qtFormat;
    };
    const Case cases[] = {
        {0, "Date: ", "MM/dd/yyyy HH:mm:ss"},  {2, "Datum: ", "dd.MM.yyyy HH:mm:ss"},
        {4, "日付: ", "yyyy/MM/dd HH:mm:ss"},  {5, "날짜: ", "yyyy.MM.dd HH:mm:ss"},
        {7, "Datum: ", "dd-MM-yyyy HH:mm:ss"}, {13, "Date: ", "MM/dd/yyyy HH:mm:ss"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        app().setLanguageManager(c.language);
        page().setControls();
        EXPECT_EQ(text(ui().lblRestoredDate), c.label);
        EXPECT_EQ(ui().tfRestoredDate->text(), local.toString(QString::fromLatin1(c.qtFormat)));
    }
    app().setLanguageManager(0);
}

TEST_F(RestoreLayout, NoProductSelectedOnlyWhitensTheStatus)
{
    enter(0x3142);
    app().setDeviceTarget(0);
    page().setRestorePossible(true);
    app().setStatus_withWarning("Something went wrong", true);
    page().setControls();
    EXPECT_EQ(statusLine(), "Something went wrong");
    EXPECT_FALSE(app().statusWithWarning());
    EXPECT_TRUE(page().restorePossible());
}

TEST_F(RestoreLayout, LanguagePopUpAndTheVersionLabel)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    struct Case {
        int items;
        std::string label;
        Qt::Alignment alignment;
        bool value;
        bool popUp;
    };
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    const Case cases[] = {
        {0, "Version:", right, true, false},
        {1, "Version: v2.1", centred, true, false},
        {2, "Version: v2.1", centred, false, true},
        {3, "Version: v2.1", centred, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items);
        languages(c.items);
        EXPECT_EQ(text(ui().lblRestoredVersion), c.label);
        EXPECT_EQ(ui().lblRestoredVersion->alignment(), c.alignment);
        EXPECT_EQ(shown(ui().tfRestoredVersion), c.value);
        EXPECT_EQ(shown(ui().popUpLanguageFirmware), c.popUp);
        EXPECT_EQ(shown(ui().lblRestoreLanguageVoicePrompt), c.popUp);
        EXPECT_EQ(shown(ui().lblUpdateVoicePromptInformation), c.popUp);
    }
}

TEST_F(RestoreLayout, WithoutAUsableBackupOnlyTheHeaderButtonsAndProgressStay)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    languages(3);
    ASSERT_TRUE(shown(ui().popUpLanguageFirmware));
    std::filesystem::remove_all(archiveFolder());
    page().setControls();
    EXPECT_FALSE(page().restorePossible());
    for (const QWidget* hidden : std::initializer_list<const QWidget*>{
             ui().lblRestoredVersion, ui().tfRestoredVersion, ui().lblRestoredDate, ui().tfRestoredDate,
             ui().lblRestoredData1, ui().tfRestoredData6, ui().popUpLanguageFirmware,
             ui().lblRestoreLanguageVoicePrompt, ui().lblUpdateVoicePromptInformation, ui().tableViewRestore,
             ui().scrollViewRestore})
        EXPECT_FALSE(shown(hidden)) << hidden->objectName().toStdString();
    EXPECT_TRUE(shown(ui().lblBackupFirmwareInformation));
    EXPECT_FALSE(ui().btnRestore->isEnabled());
    EXPECT_TRUE(ui().btnUpdate->isEnabled());
    EXPECT_TRUE(ui().btnBack->isEnabled());
    EXPECT_TRUE(ui().btnNext->isEnabled());
    EXPECT_EQ(ui().lblRestoredData1->alignment(), Qt::AlignRight | Qt::AlignVCenter);
}

TEST_F(RestoreLayout, TitlesAndShortcutHints)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    EXPECT_EQ(text(ui().btnUpdate), AppText::tavk_string_mode_in(kModeUpdate, 0));
    EXPECT_EQ(text(ui().btnRestore), UpdateTexts::stringRESTORE(0));
    EXPECT_EQ(text(ui().lblRestoreLanguageVoicePrompt), "Voice Prompt");
    app().setShowShortcuts(true);
    page().setControls();
    EXPECT_EQ(text(ui().btnUpdate), "[C]-U");
    EXPECT_EQ(text(ui().btnRestore), "[O][C]-E");
    EXPECT_EQ(text(ui().lblRestoreLanguageVoicePrompt), "[C]-L");
    EXPECT_EQ(text(ui().btnNext), "[C]-\u25B6");
    EXPECT_EQ(text(ui().btnBack), "[C]-\u25C0");
    languages(2);
    grab_page(*page().view(), "restore-shortcuts");
    app().setShowShortcuts(false);
}

TEST_F(RestoreLayout, ProgressAreaByState)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    struct Case {
        int state;
        bool processing;
        int percent;
        bool spinning;
        double spinnerValue;
        bool bar;
    };
    const Case cases[] = {
        {kStateDownloadingBackup, true, 50, true, 50, false},
        {kStateReadingRevisions, true, -1, true, 50, false},
        {kStateReadingRevisions, false, -1, false, 0, false},
        {kStateRestoreRunning, true, 40, false, 0, true},
        {kStateIdle, false, -1, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " at " << c.percent);
        page().setState(c.state);
        page().setUpdateProcessed(c.percent);
        app().setOnProcessing(c.processing);
        page().setControls();
        EXPECT_EQ(ui().piProcessingCircular->isAnimating(), c.spinning);
        EXPECT_EQ(ui().piProcessingCircular->doubleValue(), c.spinnerValue);
        EXPECT_EQ(shown(ui().piProcessing), c.bar);
        EXPECT_EQ(ui().piProcessing->value(), c.bar ? c.percent : 0);
        EXPECT_EQ(shown(ui().tfProcessing), c.bar);
        EXPECT_EQ(shown(ui().tfPercent), c.bar);
        EXPECT_EQ(ui().btnRestore->isEnabled(), !c.processing);
    }
    app().setOnProcessing(false);
}

TEST_F(RestoreLayout, FramesInWidgetCoordinates)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    EXPECT_EQ(ui().frameArea->geometry(), QRect(0, 0, 525, 270));
    struct Case {
        const QWidget* control;
        QRect frame;
    };
    const Case cases[] = {
        {ui().lblBackupFirmwareInformation, {0, 3, 525, 17}},
        {ui().lblRestoreLanguageVoicePrompt, {205, 18, 194, 17}},
        {ui().popUpLanguageFirmware, {398, 13, 112, 26}},
        {ui().lblRestoredVersion, {4, 21, 305, 17}},
        {ui().tfRestoredVersion, {315, 21, 200, 17}},
        {ui().lblRestoredDate, {4, 38, 305, 17}},
        {ui().tfRestoredDate, {315, 38, 200, 17}},
        {ui().lblRestoredData1, {4, 59, 305, 17}},
        {ui().tfRestoredData1, {315, 59, 200, 17}},
        {ui().lblRestoredData2, {4, 76, 305, 17}},
        {ui().lblRestoredData3, {4, 93, 305, 17}},
        {ui().lblRestoredData4, {4, 110, 305, 17}},
        {ui().lblRestoredData5, {4, 127, 305, 17}},
        {ui().lblRestoredData6, {4, 144, 305, 17}},
        {ui().tfRestoredData6, {315, 144, 200, 17}},
        {ui().scrollViewRestore, {4, 59, 511, 135}},
        {ui().piProcessing, {17, 199, 490, 20}},
        {ui().tfProcessing, {223, 210, 38, 17}},
        {ui().tfPercent, {263, 210, 38, 17}},
        {ui().btnUpdate, {7, 223, 180, 19}},
        {ui().btnBack, {7, 244, 140, 19}},
        {ui().btnRestore, {185, 244, 155, 19}},
        {ui().btnNext, {375, 244, 140, 19}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.control->geometry(), c.frame) << c.control->objectName().toStdString();
}

TEST_F(RestoreLayout, EveryTextIsWholeInEveryLanguage)
{
    window().show();
    KIVOBluetoothDeviceData backup = backup_at(0x3142, 2, 1);
    writeBackup(0x3142, backup);
    enter(0x3142);
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        SCOPED_TRACE(testing::Message() << "language " << language);
        app().setLanguageManager(language);
        for (int items : {0, 2}) {
            writeBackup(0x3142, backup);
            page().setRestorePossible(true);
            languages(items);
            page().setState(items == 0 ? kStateRestoreRunning : kStateIdle);
            page().setUpdateProcessed(items == 0 ? 40 : -1);
            page().setControls();
            EXPECT_EQ(clipped_texts(*ui().frameArea), std::vector<std::string>{});
            grab_page(*page().view(), "restore-" + std::to_string(language) + "-" + std::to_string(items));
        }
        std::filesystem::remove_all(archiveFolder());
        page().setControls();
        EXPECT_EQ(clipped_texts(*ui().frameArea), std::vector<std::string>{});
        grab_page(*page().view(), "restore-" + std::to_string(language) + "-none");
    }
    page().setState(kStateIdle);
    page().setUpdateProcessed(-1);
    app().setLanguageManager(0);
}

TEST_F(RestoreLayout, TheSelectedTabAndWhatThePageShowsAgree)
{
    // The OEM headset's backup has two tabs: its settings, whose rows the table shows, and FM radio.
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    ASSERT_EQ(page().tabCount(), 2);
    ASSERT_EQ(page().tabAt(0), kTabDeviceSettings);
    auto colour = [](const QLabel* label) { return label->palette().color(QPalette::Window); };
    struct Step {
        const char* what;
        std::function<void()> act;
        int selected;
    };
    const Step steps[] = {
        {"page entry", [] {}, 0},
        {"Ctrl+2", [&] { app().moveToSecondPage(); }, 1},
        {"Ctrl+1", [&] { app().moveToFirstPage(); }, 0},
        {"the FM tab clicked", [&] { window().ui.btnDetailTitlePagesSecond->click(); }, 1},
        {"the settings tab clicked", [&] { window().ui.btnDetailTitlePagesFirst->click(); }, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(page().tabIndexSelected(), step.selected);
        EXPECT_EQ(shown(ui().tableViewRestore), step.selected == 0) << "the settings tab's rows";
        const QLabel* tabs[] = {window().ui.lblDetailTitlePagesFirstForeground,
                                window().ui.lblDetailTitlePagesSecondForeground};
        EXPECT_EQ(colour(tabs[step.selected]), kivo::colors::kWindowBackground) << "the page's own tab";
        EXPECT_EQ(colour(tabs[1 - step.selected]), kivo::colors::kBrandOrange) << "merged into the title's row";
        EXPECT_EQ(colour(window().ui.lblDetailTitlePagesFirstBackground), kivo::colors::kBrandOrange);
        EXPECT_EQ(colour(window().ui.lblDetailTitlePagesBottomLine), kivo::colors::kBrandOrange);
    }
}

TEST_F(RestoreLayout, ARestoreShowsItsBarFromItsStartOnEitherTab)
{
    window().show();
    for (int language : {int{kivo::kEnglish}, int{kivo::kRussian}}) {
        for (int tab : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "language " << language << " tab " << tab);
            const std::string name = std::to_string(language) + "-tab" + std::to_string(tab);
            writeBackup(0x3142, backup_at(0x3142, 2, 1));
            enter(0x3142);
            app().setLanguageManager(language);
            if (tab == 1)
                app().moveToSecondPage();
            page().setControls();
            ASSERT_EQ(page().tabIndexSelected(), tab);
            EXPECT_EQ(clipped_texts(*window().ui.pageTabs), std::vector<std::string>{});
            EXPECT_EQ(clipped_texts(*page().view()), std::vector<std::string>{});
            grab_page(window(), "restore-" + name);

            // The run's bar shows from its start: a run that ends before the first tick shows it too.
            page().released = false;
            page().startUpdateRun((archiveFolder() / "VARGO_Zeltra.img").string());
            EXPECT_TRUE(shown(ui().piProcessing));
            EXPECT_EQ(ui().piProcessing->value(), 0);
            EXPECT_EQ(text(ui().tfProcessing), "0");
            EXPECT_TRUE(shown(ui().tfPercent));

            // Mid-run: the bar as the timer paces it, the tab's own rows, every text whole.
            run_events_until([&] { return page().updateProcessed() > 0; });
            run_events_for(30);
            EXPECT_TRUE(shown(ui().piProcessing));
            EXPECT_EQ(text(ui().tfProcessing), std::to_string(ui().piProcessing->value()));
            EXPECT_GT(ui().piProcessing->value(), 0);
            EXPECT_FALSE(shown(ui().piProcessingCircular) && ui().piProcessingCircular->isAnimating());
            EXPECT_EQ(shown(ui().tableViewRestore), tab == 0);
            EXPECT_EQ(clipped_texts(*page().view()), std::vector<std::string>{});
            grab_page(window(), "restore-running-" + name);

            page().released = true;
            page().released.notify_all();
            run_events_until([&] { return !page().runActive(); });
        }
    }
    app().setLanguageManager(kivo::kEnglish);
}

TEST_F(RestoreLayout, TheTableShowsWholeRowsDownToTheProgressArea)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    QTableWidget& table = *ui().tableViewRestore;
    struct Case {
        int languages;
        const QWidget* below;
        int wholeRows;
    };
    const Case cases[] = {
        {0, ui().piProcessing, 7},
        {2, ui().lblUpdateVoicePromptInformation, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.languages);
        languages(c.languages);
        ASSERT_TRUE(shown(&table));
        ASSERT_EQ(table.rowCount(), 7);
        EXPECT_LT(ui().scrollViewRestore->geometry().bottom(), c.below->geometry().top());
        EXPECT_EQ(ui().scrollViewRestore->geometry().top(), ui().lblRestoredData1->geometry().top());
        const int last = c.wholeRows - 1;
        EXPECT_LE(table.rowViewportPosition(last) + table.rowHeight(last), table.viewport()->height());
        EXPECT_GE(table.rowViewportPosition(last), 0);
    }
}

TEST_F(RestoreLayout, ATitleTooLongForItsRowTakesASmallerFont)
{
    writeBackup(0x3142, backup_at(0x3142, 2, 1));
    enter(0x3142);
    QTableWidget& table = *ui().tableViewRestore;
    auto* row = qobject_cast<RestoreTableCellView*>(table.cellWidget(0, 0));
    ASSERT_NE(row, nullptr);
    const int page_size = row->settingNameText()->font().pixelSize();
    EXPECT_EQ(row->settingValueText()->font().pixelSize(), page_size) << "a text that fits keeps the page's font";

    row->settingNameText()->setText(QString::fromUtf8("Empfindlichkeit der Intercom-Audio-\u00DCberlagerung (Stufe)"));
    row->fitTexts();
    const QLabel& name = *row->settingNameText();
    EXPECT_LT(name.font().pixelSize(), page_size);
    EXPECT_LE(QFontMetrics(name.font()).horizontalAdvance(name.text()), name.contentsRect().width());
    EXPECT_EQ(clipped_texts(*row), std::vector<std::string>{});
}
