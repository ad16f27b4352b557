// The rows of the restore page's backup summary on the page: what each tab writes and shows,
// their alignment, rows the family shows that this refresh did not write, long texts, and every
// row text whole in every language (with pictures when KIVO_PAGE_SHOTS is set).

#include <QFontMetrics>

#include <string>
#include <vector>

#include "tests/update/page/page_shots.h"
#include "tests/update/page/restore_fixture.h"
#include "update/page/label_fit.h"
#include "update/page/summary_fields.h"

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// The OEM headset's backup: its settings, an FM block and its speed-dial numbers.
KIVOBluetoothDeviceData filled_backup(int product, int major = 2, int minor = 1)
{
    KIVOBluetoothDeviceData r = backup_at(product, major, minor);
    r.setAudioBoost(1);
    r.setHandsfreeVOX(1);
    r.setBitpoolRate(1);
    r.setRadioTransmitGain(15);
    r.setAudioChannelTimeout(60);
    r.setFmRadioRegion(4);
    r.setFmRadioRDS(1);
    const int presets[] = {8750, 0, 8910, 9010, 9550, 9990, 10000, 10110, 10420, 10800};
    for (int i = 0; i < 10; ++i)
        r.setFmRadioPresetsAt_with(i, presets[i]);
    r.setSpeedDialAt_with(0, "123");
    r.setSpeedDialAt_with(1, "+49*30#1");
    return r;
}

} // namespace

class BackupSummaryPage : public RestoreLayout {
protected:
    std::vector<std::string> row(int n)
    {
        const SummaryFields fields = summary_data_rows(ui())[static_cast<size_t>(n - 1)];
        return {text(fields.label), text(fields.value)};
    }
    bool rowShown(int n)
    {
        const SummaryFields fields = summary_data_rows(ui())[static_cast<size_t>(n - 1)];
        EXPECT_EQ(shown(fields.label), shown(fields.value)) << "row " << n;
        return shown(fields.label);
    }
    std::vector<bool> rowsShown()
    {
        std::vector<bool> rows;
        for (int n = 1; n <= 6; ++n)
            rows.push_back(rowShown(n));
        return rows;
    }
    // Of label fields 1 to 5.
    std::vector<Qt::Alignment> labelAlignments()
    {
        std::vector<Qt::Alignment> alignments;
        for (int n = 0; n < 5; ++n)
            alignments.push_back(summary_data_rows(ui())[static_cast<size_t>(n)].label->alignment());
        return alignments;
    }
    // As the window's list of tabs selects one; a selection outside the tabs only as the page's own.
    void selectTab(int index)
    {
        if (index < page().tabCount()) {
            app().changeSelectionListTabs(index);
            return;
        }
        page().setTabIndexSelected(index);
        page().setControls();
    }
};

TEST_F(BackupSummaryPage, TheSettingsTabTheFmPageAndBackAgain)
{
    writeBackup(0x3142, filled_backup(0x3142));
    enter(0x3142);
    ASSERT_EQ(page().tabAt(1), kTabSecondSettings);
    // The settings tab: six rows under the restore table, labels right-aligned.
    EXPECT_EQ(rowsShown(), std::vector<bool>(6, true));
    EXPECT_TRUE(shown(ui().tableViewRestore));
    EXPECT_EQ(row(1), (std::vector<std::string>{"Audio Boost:", "Disabled"}));
    EXPECT_EQ(row(6), (std::vector<std::string>{"Advanced Noise Control:", "Enabled"}));
    EXPECT_EQ(text(ui().lblRestoredDate), "Date: ");

    selectTab(1);
    EXPECT_FALSE(shown(ui().tableViewRestore));
    EXPECT_EQ(rowsShown(), std::vector<bool>(6, true));
    EXPECT_EQ(text(ui().lblRestoredDate), "Radio Region:");
    EXPECT_EQ(text(ui().tfRestoredDate), "Europe");
    EXPECT_EQ(row(1), (std::vector<std::string>{std::string(22, ' ') + "1:   87.5 MHz", "  2: Empty"}));
    EXPECT_EQ(row(5), (std::vector<std::string>{std::string(22, ' ') + "9: 104.2 MHz", "10: 108.0 MHz"}));
    EXPECT_EQ(row(6), (std::vector<std::string>{"RDS AF (Alternative Frequencies):", "Enabled"}));
    EXPECT_EQ(labelAlignments(), std::vector<Qt::Alignment>(5, kLeft));
    grab_page(window(), "summary-fm-page");

    selectTab(0);
    EXPECT_EQ(labelAlignments(), std::vector<Qt::Alignment>(5, kRight));
    EXPECT_EQ(text(ui().lblRestoredDate), "Date: ");
    EXPECT_EQ(row(1), (std::vector<std::string>{"Audio Boost:", "Disabled"}));
}

TEST_F(BackupSummaryPage, VisibleRowsThisRefreshDidNotWriteAreEmpty)
{
    // A product whose settings tab writes no row: the FM page's presets must not stay under the table.
    writeBackup(0x3340, filled_backup(0x3340));
    enter(0x3340);
    ASSERT_EQ(page().tabAt(2), kTabSecondSettings);
    selectTab(2);
    EXPECT_EQ(row(1)[1], "  2: Empty");
    selectTab(0);
    EXPECT_EQ(rowsShown(), std::vector<bool>(6, true));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(row(n), (std::vector<std::string>{"", ""})) << "row " << n;
    // The speed-dial tab writes rows 1 to 3 and shows no more.
    selectTab(1);
    EXPECT_EQ(rowsShown(), (std::vector<bool>{true, true, true, false, false, false}));
    EXPECT_EQ(row(2), (std::vector<std::string>{"Speed Dial 2: ", "+49*30#1"}));

    // A family that shows six rows on the speed-dial tab, whose group writes none there. Its backup
    // comes from a unit whose pages had a speed-dial tab.
    KIVOBluetoothDeviceData with_speed_dial = filled_backup(0x4120, 1, 0);
    writeBackup(0x4040, with_speed_dial);
    enter(0x4040);
    ASSERT_EQ(page().tabAt(1), kTabSpeedDial);
    selectTab(0);
    EXPECT_EQ(rowsShown(), (std::vector<bool>{true, false, false, false, false, false}));
    selectTab(1);
    EXPECT_EQ(rowsShown(), std::vector<bool>(6, true));
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(row(n), (std::vector<std::string>{"", ""})) << "row " << n;
}

TEST_F(BackupSummaryPage, ATextTooLongForItsFieldTakesASmallerFont)
{
    KIVOBluetoothDeviceData backup = filled_backup(0x5440);
    backup.setSpeedDialAt_with(0, "WWWWWWWWWWWWWWWWWWWW");
    writeBackup(0x5440, backup);
    enter(0x5440);
    selectTab(1);
    const QLabel& number = *ui().tfRestoredData1;
    ASSERT_EQ(text(&number), "WWWWWWWWWWWWWWWWWWWW");
    EXPECT_LT(number.font().pixelSize(), ui().tfRestoredData2->font().pixelSize());
    EXPECT_GE(number.font().pixelSize(), kSmallestLabelPixelSize);
    EXPECT_LE(QFontMetrics(number.font()).horizontalAdvance(number.text()), number.contentsRect().width());
    // The next refresh with a short number gives the field its font again.
    backup.setSpeedDialAt_with(0, "1");
    writeBackup(0x5440, backup);
    page().setControls();
    EXPECT_EQ(number.font().pixelSize(), ui().tfRestoredData2->font().pixelSize());

    // A title longer than its label field in Polish.
    writeBackup(0x4D10, filled_backup(0x4D10, 4, 1));
    enter(0x4D10);
    app().setLanguageManager(kivo::kPolish);
    page().setControls();
    const QLabel& title = *ui().lblRestoredData4;
    ASSERT_EQ(text(&title), "PLC (Packet Loss Concealment \u2013 ukrywanie utraty pakietów):");
    EXPECT_LT(title.font().pixelSize(), ui().lblRestoredData3->font().pixelSize());
    EXPECT_LE(QFontMetrics(title.font()).horizontalAdvance(title.text()), title.contentsRect().width());
    app().setLanguageManager(kivo::kEnglish);
}

TEST_F(BackupSummaryPage, EveryRowTextIsWholeInEveryLanguage)
{
    window().show();
    struct Shot {
        const char* name;
        int product;
        int major;
        int minor;
        std::vector<int> tabs;
    };
    const Shot shots[] = {
        {"gain-and-timeout", 0x5210, 2, 1, {0, 1, 2}},
        {"fm-page", 0x3142, 2, 1, {1}},
        {"speed-dial", 0x5440, 2, 1, {1}},
        // Its only tab, and a selection outside it: the FM page.
        {"first-family", 0x4D10, 4, 1, {0, 1}},
        {"gain-control", 0x4120, 1, 1, {0, 1}},
        {"noise-control", 0x2020, 1, 1, {0, 1}},
    };
    for (const Shot& shot : shots) {
        writeBackup(shot.product, filled_backup(shot.product, shot.major, shot.minor));
        enter(shot.product);
        for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
            app().setLanguageManager(language);
            for (int tab : shot.tabs) {
                SCOPED_TRACE(testing::Message() << shot.name << " language " << language << " tab " << tab);
                selectTab(tab);
                EXPECT_TRUE(rowShown(1));
                EXPECT_NE(text(ui().lblRestoredData1), "");
                EXPECT_EQ(clipped_texts(*ui().frameArea), std::vector<std::string>{});
                grab_page(*page().view(),
                          std::string("summary-") + shot.name + "-" + std::to_string(language) + "-tab" +
                              std::to_string(tab));
            }
        }
        app().setLanguageManager(0);
    }
}
