#pragma once
// What the tests of the three settings pages share: the whole application offscreen with its real
// pages, a headset recognized end to end by the real recognition, the message box, a language
// switched as the window does it, a check that every text of a window is shown whole, and pictures.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <string>

#include "app/manager_window.h"
#include "app/message_box_sheet.h"
#include "main/page_factory.h"
#include "recognition/page/recognition_page.h"
#include "tests/app/app_fixture.h"
#include "tests/sim/hid_headsets.h"

class SettingsScreensTest : public AppTest {
protected:
    PageFactory pages() override { return application_pages(); }

    void waitUntilIdle()
    {
        run_events_until([&] { return !app().onProcessing(); });
    }

    MessageBoxSheet& box() { return *window().sheetMessageBox; }
    // An open box answered with its OK.
    void closeBox()
    {
        if (app().messageBoxStatus() != 0)
            box().okButton()->click();
    }

    // Recognition asked for by the page of `mode`, as its tab does after a good save; it hands back
    // to that page.
    void recognizeFor(int product, int mode)
    {
        app().setDeviceTarget(product);
        app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, mode);
        waitUntilIdle();
        ASSERT_EQ(app().mode(), mode);
    }

    // The interface language switched as the language sheet does it, shortcuts shown or not.
    void switchLanguage(int language, bool shortcuts)
    {
        app().setLanguageManager(language);
        app().setShowShortcuts(shortcuts);
        app().setControlsFont();
        app().reflectShortcuts();
        app().setControls();
        app().updateStatusInManagerLanguage();
        if (DetailViewController* page = app().currentDetailViewController())
            page->setControls();
    }

    int recognitionCaller()
    {
        return static_cast<DeviceRecognitionViewController*>(app().deviceRecognitionViewController())->callerMode();
    }

    // Every visible label, button and field of the widget shows its text whole: no text is wider
    // than its control.
    static void expectTextsWhole(QWidget* root, const std::string& where)
    {
        SCOPED_TRACE(where);
        // Layouts follow a changed text once the posted layout requests have run, nested ones a
        // round after their children.
        for (int round = 0; round < 4; ++round)
            QCoreApplication::processEvents();
        for (QWidget* widget : root->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(root))
                continue;
            QString text;
            int room = widget->width();
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                text = label->text();
                if (label->wordWrap())
                    continue;
                room = label->contentsRect().width();
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                text = button->text();
            } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
                text = field->text();
            } else if (auto* popup = qobject_cast<QComboBox*>(widget)) {
                text = popup->currentText();
            } else {
                continue;
            }
            if (text.isEmpty())
                continue;
            EXPECT_LE(widget->sizeHint().width(), room)
                << widget->objectName().toStdString() << " cuts \"" << text.toStdString() << "\"";
        }
    }

    // Saves a picture of the window when KIVO_SETTINGS_PICTURES names a folder.
    void savePicture(QWidget* window, const std::string& name)
    {
        const QByteArray folder = qgetenv("KIVO_SETTINGS_PICTURES");
        if (folder.isEmpty())
            return;
        QDir().mkpath(QString::fromUtf8(folder));
        window->grab().save(QString::fromUtf8(folder) + "/" + QString::fromStdString(name) + ".png");
    }
};
