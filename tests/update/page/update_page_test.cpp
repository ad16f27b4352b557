// The update page in the whole application, offscreen: a run started from the page, the backup
// question answered in the real window, and the page's navigation.

#include "app/message_box_sheet.h"
#include "tests/app/app_fixture.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/engine/test_paths.h"
#include "text/instruction_texts.h"
#include "update/page/update_page.h"

namespace {

// Runs the tests' own path instead of the product's.
class SharedStepsPage : public UpdateViewController {
public:
    using UpdateViewController::UpdateViewController;

protected:
    void runUpdate(kivo::UpdateInputs inputs, kivo::UpdateShared& shared, kivo::UpdateHost& host) override
    {
        inputs.path = &kSharedStepsPath;
        UpdateViewController::runUpdate(std::move(inputs), shared, host);
    }
};

} // namespace

class UpdatePage : public AppTest {
protected:
    PageFactory pages() override
    {
        PageFactory factory = placeholder_page_factory();
        factory.update = [](kivo::PageHost& host, int mode) { return std::make_unique<SharedStepsPage>(host, mode); };
        return factory;
    }

    void SetUp() override
    {
        AppTest::SetUp();
        sim::plug_headset(sim::oem_headset());
        recognize(0x3142, 2, 1);
        app().setUsbStatus(0x3142);
        app().setFirmwareUpdateWithStatus(true);
        const fwfile::Bytes file = fwfile::make_container({"v2.2", 0x3142, true, {fwfile::pattern(1500, 1)}});
        firmware = files.put("firmware.img", file);
    }

    UpdateViewController& page() { return *static_cast<UpdateViewController*>(app().updateViewController()); }
    MessageBoxSheet& box() { return *window().sheetMessageBox; }
    void waitForTheRun()
    {
        run_events_until([&] { return !page().runActive(); });
    }

    fwfile::TempFolder files;
    std::string firmware;
};

TEST_F(UpdatePage, BackupQuestionAnsweredInTheWindowLetsTheRunGoOn)
{
    // A regular file where the archive folder should be: no backup can be written.
    fwfile::write_file(archiveFolder(), fwfile::Bytes{1});
    page().startUpdateRun(firmware);
    run_events_until([&] { return box().isVisible(); });
    EXPECT_EQ(app().messageBoxStatus(), kBoxSkipRestoreBackup);
    EXPECT_EQ(box().messageText().toStdString(), kivo::InstructionTexts::getMessageBoxFileCreationFailed(0));
    EXPECT_EQ(box().okButton()->text().toStdString(), "YES");
    EXPECT_FALSE(box().cancelButton()->isVisible());
    box().okButton()->click();

    waitForTheRun();
    EXPECT_EQ(page().runShared()->progress().updateProcessed, 100);
    EXPECT_FALSE(app().skipRestoreBackupFile()) << "the answer is used once";
    EXPECT_FALSE(page().openedMessageBox());
    EXPECT_FALSE(box().isVisible());
}

TEST_F(UpdatePage, BackupGoesIntoTheArchiveFolder)
{
    page().startUpdateRun(firmware);
    waitForTheRun();
    EXPECT_EQ(page().runShared()->progress().updateProcessed, 100);
    EXPECT_TRUE(std::filesystem::exists(archiveFolder() / "VARGO_Zeltra.tavkarch"));
}
