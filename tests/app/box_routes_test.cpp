// Box routes: the answer to a message box reaches the page that registered its purpose, or the
// shell for the purposes any page opens; once that page was left, a late answer reaches nobody.

#include "app/box_routes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/app_fixture.h"
#include "tests/app/spy_pages.h"

using kivo::BoxRoutes;
using kivo::MessageBoxPurpose;

TEST(BoxRoutes, LookupByPurposeUntilTheOwnerIsLeft)
{
    BoxRoutes routes;
    std::vector<std::string> calls;
    int page_a = 0, page_b = 0;
    routes.add(MessageBoxPurpose::Quit, nullptr, {[&] { calls.push_back("shell ok"); }, {}});
    routes.add(MessageBoxPurpose::CameraUpdateDone, &page_a, {[&] { calls.push_back("a ok"); }, {}});
    routes.add(MessageBoxPurpose::CameraUpdateDone, &page_b, {[&] { calls.push_back("b ok"); }, {}});
    routes.add(MessageBoxPurpose::SaveSettings, &page_a,
               {[&] { calls.push_back("a save"); }, [&] { calls.push_back("a move on"); }});

    EXPECT_TRUE(routes.answer(kBoxCameraUpdateDone, true)) << "the later route of a purpose replaces the earlier";
    EXPECT_TRUE(routes.answer(kBoxSaveSettings, false));
    EXPECT_TRUE(routes.answer(kBoxQuit, false)) << "a route without a cancel handler only closes";
    EXPECT_FALSE(routes.answer(kBoxStatus, true)) << "nobody takes it";

    routes.dropRoutesOf(&page_a);
    routes.dropRoutesOf(nullptr); // the shell's routes stay
    EXPECT_FALSE(routes.answer(kBoxSaveSettings, true));
    EXPECT_TRUE(routes.answer(kBoxCameraUpdateDone, true));
    EXPECT_TRUE(routes.answer(kBoxQuit, true));
    EXPECT_EQ(calls, (std::vector<std::string>{"b ok", "a move on", "b ok", "shell ok"}));

    // A handler may change the routes while it runs.
    routes.add(MessageBoxPurpose::ToHome, &page_a, {[&] { routes.dropRoutesOf(&page_a); }, {}});
    EXPECT_TRUE(routes.answer(kBoxToHome, true));
    EXPECT_FALSE(routes.routed(MessageBoxPurpose::ToHome));
}

class BoxRoutesInTheApplication : public AppTest {
protected:
    PageFactory pages() override { return spies.factory(); }
    void open(int purpose)
    {
        app().openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat("Question?", false, "NO", "YES",
                                                                                       2, purpose);
    }
    MessageBoxSheet& box() { return *window().sheetMessageBox; }
    SpyPages spies;
};

TEST_F(BoxRoutesInTheApplication, AnswerReachesThePageThatRegisteredItsPurpose)
{
    recognize(0x3142); // tabs: settings, FM radio
    app().setDeviceSettingsSecondWithStatus(true);
    ASSERT_EQ(app().mode(), kModeSecondSettings);
    open(kBoxSaveSecondSettings);
    box().okButton()->click();
    EXPECT_EQ(spies.settings[1]->saves, 1);
    EXPECT_EQ(spies.settings[0]->saves + spies.settings[2]->saves, 0);

    recognize(0x3142);
    app().setFirmwareRestoreWithStatus(true);
    open(kBoxCameraUpdateDone);
    box().okButton()->click();
    EXPECT_EQ(spies.restore->cameraDone, 1);
    app().setFirmwareUpdateWithStatus(true);
    open(kBoxCameraUpdateDone);
    box().okButton()->click();
    EXPECT_EQ(spies.update->cameraDone, 1) << "the page shown took the purpose over";
    EXPECT_EQ(spies.restore->cameraDone, 1);
}

TEST_F(BoxRoutesInTheApplication, LateAnswerAfterThePageWasLeftReachesNobody)
{
    recognize(0x3142);
    app().setDeviceSettingsWithStatus(true);
    open(kBoxSaveSettings);
    app().setFirmwareUpdateWithStatus(true); // the page is left while its box is still open
    ASSERT_EQ(app().mode(), kModeUpdate);
    box().okButton()->click();
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(spies.settings[0]->saves, 0);
    EXPECT_EQ(app().mode(), kModeUpdate);

    open(kBoxCameraUpdateDone);
    app().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
    box().okButton()->click();
    EXPECT_EQ(spies.update->cameraDone + spies.restore->cameraDone, 0);

    // The shell's purposes reach it from any page.
    open(kBoxToHome);
    box().okButton()->click();
    EXPECT_EQ(app().mode(), kModeHome);
}
