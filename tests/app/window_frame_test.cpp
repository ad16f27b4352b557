// The frame around the pages, drawn from a FrameState on a window of its own and looked at through
// a grabbed picture: which main buttons are on, the page-title tabs and the tab list, the titles
// in the interface language, and the recognized-device panel.

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QShortcut>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/manager_window.h"
#include "app/window_colors.h"
#include "app/window_frame.h"
#include "text/localized.h"

using kivo::FrameState;

namespace {

class WindowFrameTest : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }

    // Draws state and grabs the window as the user would see it.
    QImage draw(const FrameState& state)
    {
        frame.setControls(state, data);
        return window.grab().toImage();
    }

    // The colour of a label's filled background, left of its centred text.
    static QColor background(const QImage& shot, QWidget& window, const QLabel* label)
    {
        return shot.pixelColor(label->mapTo(&window, QPoint(4, label->height() / 2)));
    }

    static FrameState settings_state(std::array<int, 3> tabs, int count, int selected)
    {
        FrameState state;
        state.mode = kModeSettings;
        state.panel.recognized = true;
        state.tabs = {count, tabs, selected};
        return state;
    }

    ManagerWindow window;
    kivo::WindowFrame frame{window};
    KIVOBluetoothDeviceData data;
    Ui::KIVOBluetoothManagerWindow& ui = window.ui;
};

} // namespace

TEST_F(WindowFrameTest, MainButtonsFollowTheModeAndTheDevice)
{
    struct Case {
        const char* what;
        int mode;
        bool recognized, processing, excluded;
        int usb;
        bool restore_without_settings;
        bool recognition, update, settings;
    };
    const Case cases[] = {
        {"home", kModeHome, false, false, false, 0, false, false, false, false},
        {"recognition, nothing yet", kModeRecognition, false, false, false, 0, false, true, false, false},
        {"recognized", kModeRecognition, true, false, false, 0x3142, false, true, true, true},
        {"recognized, no settings pages", kModeRecognition, true, false, true, 0x5310, false, true, true, false},
        {"update in management mode", kModeUpdate, true, false, false, 0xB142, false, true, true, false},
        {"restore of a device without settings", kModeRestore, true, false, false, 0x6816, true, true, true, false},
        {"a worker runs", kModeUpdate, true, true, false, 0x3142, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FrameState state;
        state.mode = c.mode;
        state.panel.recognized = c.recognized;
        state.panel.usbStatus = c.usb;
        state.onProcessing = c.processing;
        state.settingsExcluded = c.excluded;
        state.restoreWithoutSettings = c.restore_without_settings;
        draw(state);
        EXPECT_EQ(ui.btnDeviceRecognition->isEnabled(), c.recognition);
        EXPECT_EQ(ui.btnFirmwareUpdate->isEnabled(), c.update);
        EXPECT_EQ(ui.btnDeviceSettings->isEnabled(), c.settings);
        EXPECT_EQ(ui.btnClose->isEnabled(), !c.processing) << "quitting is refused while a worker runs";
        EXPECT_EQ(ui.btnDeviceSelection->isChecked(), c.mode == kModeHome);
        EXPECT_FALSE(ui.btnFirmwareRestore->isVisible()) << "the settings button takes the restore button's place";
    }
}

TEST_F(WindowFrameTest, PageTitleTabsShowTheSelectedTabInTheWindowsColour)
{
    QImage shot = draw(settings_state({1, 3, 0}, 2, 0));
    EXPECT_EQ(ui.lblDetailTitlePagesFirstForeground->text().toStdString(), "Basic");
    EXPECT_EQ(ui.lblDetailTitlePagesSecondForeground->text().toStdString(), "FM Radio");
    EXPECT_EQ(background(shot, window, ui.lblDetailTitlePagesFirstForeground), kivo::colors::kWindowBackground);
    EXPECT_EQ(background(shot, window, ui.lblDetailTitlePagesSecondForeground), kivo::colors::kBrandOrange);
    // The row under the title is the title's colour: the selected tab stands out of it, framed.
    auto edge = [&](const QLabel* ground) { return shot.pixelColor(ground->mapTo(&window, QPoint(0, 1))); };
    EXPECT_EQ(edge(ui.lblDetailTitlePagesFirstBackground), kivo::colors::kBrandOrange);
    EXPECT_EQ(edge(ui.lblDetailTitlePagesBottomLine), kivo::colors::kBrandOrange);
    EXPECT_TRUE(ui.btnDetailTitlePagesSecond->isVisible());
    EXPECT_FALSE(ui.btnDetailTitlePagesFirst->isVisible());

    shot = draw(settings_state({1, 3, 0}, 2, 1));
    EXPECT_EQ(background(shot, window, ui.lblDetailTitlePagesFirstForeground), kivo::colors::kBrandOrange);
    EXPECT_EQ(background(shot, window, ui.lblDetailTitlePagesSecondForeground), kivo::colors::kWindowBackground);
    EXPECT_TRUE(ui.btnDetailTitlePagesFirst->isVisible()) << "the other tab's button leads back";

    shot = draw(settings_state({1, 3, 0}, 1, 0));
    EXPECT_FALSE(ui.lblDetailTitlePagesFirstForeground->isVisible()) << "one tab: no page-title tabs";
}

TEST_F(WindowFrameTest, ThreeTabsOpenAListWithTheSelectedEntryMarked)
{
    // The window starts on a page without tabs.
    FrameState home;
    home.mode = kModeHome;
    draw(home);
    FrameState state = settings_state({1, 2, 3}, 3, 2);
    QImage shot = draw(state);
    EXPECT_EQ(ui.lblDetailTitlePagesFirstForeground->text().toStdString(), "FM Radio") << "the selected tab";
    EXPECT_EQ(ui.lblDetailTitlePagesSecondForeground->text().toStdString(), "More...");
    EXPECT_FALSE(window.boxListTabsBox->isVisible());

    state.listTabsOpened = true;
    shot = draw(state);
    ASSERT_TRUE(window.boxListTabsBox->isVisible());
    // It drops down right under the second tab, over the page.
    const QPushButton& second = *ui.btnDetailTitlePagesSecond;
    EXPECT_EQ(window.boxListTabsBox->pos(), second.mapTo(ui.centralwidget, QPoint(0, second.height())));
    for (int i = 0; i < 3; ++i) {
        const QLabel* entry = window.lblListTabs[static_cast<size_t>(i)];
        EXPECT_TRUE(window.btnListTabs[static_cast<size_t>(i)]->isEnabled());
        EXPECT_EQ(background(shot, window, entry),
                  i == 2 ? kivo::colors::kSelectedTab : kivo::colors::kWindowBackground)
            << "entry " << i;
        EXPECT_TRUE(frame.listTabShortcut(i)->isEnabled());
    }
    EXPECT_EQ(window.btnListTabs[1]->text().toStdString(), "Speed Dial");
}

TEST_F(WindowFrameTest, TitlesFollowTheLanguageTheCallerAndTheShortcuts)
{
    FrameState state;
    state.mode = kModeRecognition;
    state.recognitionCaller = kModeUpdate;
    draw(state);
    EXPECT_EQ(ui.lblDetailTitle->text().toStdString(), "FIRMWARE UPDATE > DEVICE RECOGNITION");
    EXPECT_EQ(window.windowTitle().toStdString(), "KIVO Bluetooth Manager");

    state.language = kivo::kGerman;
    state.recognitionCaller = 0;
    draw(state);
    EXPECT_EQ(ui.lblDetailTitle->text().toStdString(), "GERÄTEERKENNUNG");
    EXPECT_EQ(ui.btnFirmwareUpdate->text().toStdString(), "FIRMWARE-AKTUALISIERUNG");

    state.showShortcuts = true;
    draw(state);
    EXPECT_EQ(ui.btnDeviceSelection->text().toStdString(), "[C]-S");
    EXPECT_TRUE(ui.lblShortcutsClose->isVisible());
}

TEST_F(WindowFrameTest, PanelShowsWhatTheSessionSaysOfTheDevice)
{
    FrameState state;
    state.mode = kModeUpdate;
    draw(state);
    EXPECT_EQ(ui.lblProduct->text().toStdString(), "No device");

    state.panel.recognized = true;
    state.panel.usbStatus = 0x3142;
    data.setDeviceRecognized(0x3142);
    data.setDeviceName("Zeltra Kit");
    data.setDeviceVersionMajor01(2);
    data.setDeviceVersionMinor01(5);
    draw(state);
    EXPECT_EQ(ui.lblProduct->text().toStdString(), "Zeltra Kit");
    EXPECT_EQ(ui.lblVersion->text().toStdString(), "v2.5");

    state.panel.usbStatus = 0xB142;
    draw(state);
    EXPECT_EQ(ui.lblProduct->text().toStdString(), "Firmware");
    EXPECT_EQ(ui.lblVersion->text().toStdString(), "Management");

    state.onProcessing = true;
    data.setDeviceName("Changed");
    state.panel.usbStatus = 0x3142;
    draw(state);
    EXPECT_EQ(ui.lblProduct->text().toStdString(), "Firmware") << "the panel keeps still while a worker runs";
}

namespace {

// The width a one-line text needs in a widget's font.
int text_width(const QWidget* widget, const QString& text) { return widget->fontMetrics().horizontalAdvance(text); }

} // namespace

TEST_F(WindowFrameTest, EveryTitleShowsWholeInEveryLanguage)
{
    std::vector<FrameState> states;
    FrameState home;
    home.mode = kModeHome;
    states.push_back(home);
    for (const int caller : {kModeUpdate, kModeRestore, kModeSettings, kModeSecondSettings, kModeSpeedDial}) {
        FrameState recognition;
        recognition.mode = kModeRecognition;
        recognition.recognitionCaller = caller;
        states.push_back(recognition);
    }
    for (const std::array<int, 3> tabs : {std::array{1, 3, 0}, std::array{2, 1, 0}, std::array{3, 2, 0}})
        states.push_back(settings_state(tabs, 2, 1));
    FrameState list = settings_state({1, 2, 3}, 3, 2);
    list.listTabsOpened = true;
    states.push_back(list);

    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        frame.setControlsFont(language);
        for (FrameState state : states) {
            state.language = language;
            draw(state);
            SCOPED_TRACE(testing::Message() << "language " << language << ", mode " << state.mode);
            for (const KIVOBluetoothMainButton* button :
                 {ui.btnDeviceSelection, ui.btnDeviceRecognition, ui.btnFirmwareUpdate, ui.btnDeviceSettings})
                EXPECT_TRUE(button->labelFits()) << button->text().toStdString();
            EXPECT_LE(text_width(ui.lblDetailTitle, ui.lblDetailTitle->text()),
                      ui.lblDetailTitle->contentsRect().width())
                << ui.lblDetailTitle->text().toStdString();
            for (const QLabel* tab : {ui.lblDetailTitlePagesFirstForeground, ui.lblDetailTitlePagesSecondForeground}) {
                if (tab->isVisible()) {
                    EXPECT_LE(text_width(tab, tab->text()), tab->contentsRect().width()) << tab->text().toStdString();
                }
            }
            for (const QPushButton* entry : window.btnListTabs) {
                if (entry->isVisible()) {
                    EXPECT_LE(text_width(entry, entry->text()), entry->contentsRect().width() - 8)
                        << entry->text().toStdString();
                }
            }
        }
    }
}

namespace {

// The box of the pixels that are not the background colour: where a text's ink is.
QRect ink_box(const QImage& image, const QColor& background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                std::abs(c.blue() - background.blue());
            if (distance > 60)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Every title the header shows: each page's, and recognition's for each page that asks for it.
std::vector<FrameState> header_states()
{
    std::vector<FrameState> states;
    for (int mode = kModeManagerUpdate; mode <= kModeSpeedDial; ++mode) {
        FrameState state;
        state.mode = mode;
        states.push_back(state);
    }
    for (int caller = kModeUpdate; caller <= kModeSpeedDial; ++caller) {
        FrameState state;
        state.mode = kModeRecognition;
        state.recognitionCaller = caller;
        states.push_back(state);
    }
    return states;
}

} // namespace

// The header is looked at as drawn: the ink of its title is as tall and as wide as the same text
// drawn with room all round, so no accent over a capital and no descender is cut, and it keeps
// off the bar's edges. With KIVO_HEADER_SHOTS naming a file, the settings page's header in every
// language is saved there, one under the other.
TEST_F(WindowFrameTest, TheHeaderShowsEveryTitleWholeInItsFullHeight)
{
    QLabel& header = *ui.lblDetailTitle;
    const QFontMetrics metrics(header.font());
    EXPECT_GE(header.contentsRect().height(), metrics.height());
    QImage languages(header.width(), header.height() * kivo::kInterfaceLanguageCount, QImage::Format_ARGB32);
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        for (FrameState state : header_states()) {
            state.language = language;
            draw(state);
            const QString title = header.text();
            SCOPED_TRACE(title.toStdString());
            const QImage shot = header.grab().toImage();
            const QRect drawn = ink_box(shot, kivo::colors::kBrandOrange);

            QImage room(metrics.horizontalAdvance(title) + 4 * metrics.height(), 3 * metrics.height(),
                        QImage::Format_ARGB32);
            room.fill(kivo::colors::kBrandOrange);
            QPainter painter(&room);
            painter.setFont(header.font());
            painter.setPen(Qt::white);
            painter.drawText(2 * metrics.height(), 2 * metrics.height(), title);
            painter.end();
            const QRect whole = ink_box(room, kivo::colors::kBrandOrange);

            EXPECT_NEAR(drawn.height(), whole.height(), 1);
            EXPECT_NEAR(drawn.width(), whole.width(), 1);
            EXPECT_GT(drawn.top(), 0);
            EXPECT_LT(drawn.bottom(), shot.height() - 1);
            EXPECT_LT(drawn.right(), shot.width() - 1);
            if (state.mode == kModeSettings) {
                QPainter stack(&languages);
                stack.drawImage(0, header.height() * language, shot);
            }
        }
    }
    if (const char* file = std::getenv("KIVO_HEADER_SHOTS"); file != nullptr && *file != '\0') {
        EXPECT_TRUE(languages.save(QString::fromUtf8(file)));
    }
}
