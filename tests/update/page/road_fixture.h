#pragma once
// The whole application offscreen with a local firmware server serving the demo firmware: the steps
// of an update's road through the window (recognition, the new-update sheet and its save panel, or
// a file picked with Browse) and the wait for the update page to settle.

#include <QFileDialog>
#include <QPushButton>

#include <filesystem>
#include <functional>

#include "app/message_box_sheet.h"
#include "main/page_factory.h"
#include "recognition/page/recognition_page.h"
#include "tests/app/app_fixture.h"
#include "tests/app/net/demo_firmware.h"
#include "update/page/new_update_sheet.h"
#include "update/page/update_page.h"

class RoadTest : public AppTest {
protected:
    // Long enough for two whole runs under the sanitizers; the devices' own waits are virtual.
    static constexpr int kRoadLimitMs = 180000;

    PageFactory pages() override { return application_pages(); }
    std::string serverBase() override { return server.base(); }

    void SetUp() override
    {
        ASSERT_TRUE(demo_firmware::write_folder(firmware.path()));
        server.serveFolder("/kivobluetoothmanager/", firmware.path());
        AppTest::SetUp();
    }

    UpdateViewController& update() { return *static_cast<UpdateViewController*>(app().updateViewController()); }
    UpdateViewController& restore() { return *static_cast<UpdateViewController*>(app().restoreViewController()); }
    MessageBoxSheet& box() { return *window().sheetMessageBox; }
    NewUpdateSheet& sheet() { return *update().sheetNewUpdateFound(); }

    void settled(UpdateViewController& page)
    {
        run_events_until(
            [&] { return !app().onProcessing() && !page.readActive() && !page.runActive() && !page.downloadActive(); });
    }

    // Runs action and the events until it has started a run of page's (through a download first,
    // where it takes one). Each run makes a progress block of its own, which the page holds as the
    // last one goes: nothing left of an earlier run (its ending, a box its worker closes as it
    // ends) passes for this one.
    void startRun(UpdateViewController& page, const std::function<void()>& action)
    {
        const kivo::UpdateShared* before = page.runShared();
        action();
        run_events_until([&] { return page.runShared() != before; });
    }
    // The run that action starts, to its end and what follows it.
    void runToItsEnd(UpdateViewController& page, const std::function<void()>& action)
    {
        startRun(page, action);
        settled(page);
    }

    // Home (the product of the configuration selected), NEXT, recognition's NEXT: the update page,
    // read.
    void reachTheUpdatePage()
    {
        app().deviceSelectionViewController()->btnNext()->click();
        ASSERT_EQ(app().mode(), kModeRecognition);
        app().deviceRecognitionViewController()->btnNext()->click();
        run_events_until([&] { return app().mode() == kModeUpdate; });
        settled(update());
    }

    // YES on the sheet, and the save panel accepted with target (a file there replaced, as the
    // person agrees to).
    void acceptTheOffer(const std::filesystem::path& target)
    {
        ASSERT_TRUE(sheet().isVisible());
        sheet().ui.btnYes->click();
        QFileDialog* panel = shownPanel("savePanel");
        ASSERT_NE(panel, nullptr);
        panel->setOption(QFileDialog::DontConfirmOverwrite);
        panel->selectFile(QString::fromStdString(target.string()));
        QMetaObject::invokeMethod(panel, "accept", Qt::DirectConnection);
    }

    // BROWSE, file picked, and UPDATE.
    void updateWithAPickedFile(const std::filesystem::path& file)
    {
        update().updateUi().btnBrowse->click();
        QFileDialog* panel = shownPanel("browsePanel");
        ASSERT_NE(panel, nullptr);
        panel->selectFile(QString::fromStdString(file.string()));
        QMetaObject::invokeMethod(panel, "accept", Qt::DirectConnection);
        ASSERT_TRUE(update().updateUi().btnUpdate->isEnabled());
        update().updateUi().btnUpdate->click();
    }

    QFileDialog* shownPanel(const char* name)
    {
        for (QFileDialog* dialog : window().findChildren<QFileDialog*>(QString::fromLatin1(name)))
            if (dialog->isVisible())
                return dialog;
        return nullptr;
    }

    fwfile::TempFolder firmware;
    fwfile::TempFolder chosen;
    testnet::LocalHttpServer server;
};
