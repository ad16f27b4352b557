// The shell's own texts in every interface language (the stand-in of a page still to come, the
// About sheet), and the frame every sheet draws round itself.

#include <QLabel>

#include "app/window_colors.h"
#include "tests/app/app_fixture.h"
#include "text/app_text.h"

using kivo::AppText;

class ShellTexts : public AppTest { };

TEST_F(ShellTexts, PlaceholderAndAboutSpeakEveryLanguage)
{
    recognize(0x3142);
    for (int language = 0; language < kivo::kInterfaceLanguageCount; ++language) {
        SCOPED_TRACE(language);
        app().setLanguageManager(language);
        app().setFirmwareUpdateWithStatus(true);
        const auto* placeholder = app().updateViewController()->view()->findChild<QLabel*>("lblNotAvailable");
        ASSERT_NE(placeholder, nullptr);
        EXPECT_EQ(placeholder->text().toStdString(), AppText::stringPageNotAvailable(language));

        app().about();
        const QLabel* about = window().aboutUi.tfAbout;
        EXPECT_TRUE(about->text().toStdString().ends_with(AppText::stringAboutNotice(language)));
        const QRect room = about->contentsRect();
        EXPECT_LE(about->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, about->text()).height(),
                  room.height())
            << "the whole notice shows";
        app().aboutOK();
    }
    EXPECT_NE(AppText::stringPageNotAvailable(kivo::kJapanese), AppText::stringPageNotAvailable(kivo::kEnglish));
}

TEST_F(ShellTexts, EverySheetDrawsAFrameAlongItsEdge)
{
    const auto edge_colour = [](QDialog* sheet) {
        const QImage shot = sheet->grab().toImage();
        return std::array{shot.pixelColor(0, shot.height() / 2), shot.pixelColor(shot.width() - 1, shot.height() / 2),
                          shot.pixelColor(shot.width() / 2, 0), shot.pixelColor(shot.width() / 2, shot.height() - 1)};
    };
    app().about();
    app().openLanguageManager();
    app().showStatus();
    for (QDialog* sheet : {window().sheetAbout, static_cast<QDialog*>(window().sheetLanguageManager),
                           static_cast<QDialog*>(window().sheetMessageBox)}) {
        SCOPED_TRACE(sheet->objectName().toStdString());
        ASSERT_TRUE(sheet->isVisible());
        for (const QColor& colour : edge_colour(sheet))
            EXPECT_EQ(colour, kivo::colors::kSheetFrame);
    }
}
