// The mesh-intercom headsets' module: switched into its update mode, found as a HID device of its
// own, asked for its version, and the headset opened again and sent back to normal mode.

#include <algorithm>

#include "tests/recognition/recognition_fixture.h"

namespace {

constexpr uint16_t kMeshHeadset = 0x5552;

sim::HeadsetPersona mesh_headset()
{
    sim::HeadsetPersona persona = test_headset(kMeshHeadset);
    sim::ModulePersona module;
    module.version = {4, 5, 1, 2};
    persona.module = module;
    return persona;
}

// The first command the headset got after it was opened again (its second session); the
// settings reads follow it.
uint8_t first_command_after_reopen(const sim::HidInterface& iface)
{
    for (const sim::HidWrite& w : iface.transcript())
        if (w.kind == sim::HidWrite::Output && w.session == 1)
            return w.bytes[1];
    return 0;
}

constexpr FirmwareQuad kEarlierModuleVersion{9, 9, 9, 9};

} // namespace

class ModuleVersion : public RecognitionRunTest {
protected:
    void SetUp() override
    {
        RecognitionRunTest::SetUp();
        data.setDeviceVersion02(kEarlierModuleVersion);
    }
};

TEST_F(ModuleVersion, ModuleAnswersItsVersionAndTheHeadsetGoesBackToNormal)
{
    const sim::PluggedHeadset plugged = sim::plug_headset(mesh_headset());

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(data.deviceVersion02(), (FirmwareQuad{4, 5, 1, 2}));
    EXPECT_EQ(data.deviceVersion01(), (FirmwareQuad{3, 2, 1, 4}));
    EXPECT_EQ(data.deviceName(), "Trail Rider");
    EXPECT_EQ(run.session.usbStatus, kMeshHeadset) << "the headset's id, not the module's";

    const auto before = sim::commands_sent(plugged.hid());
    EXPECT_NE(std::find(before.begin(), before.end(), MESH_DFU_COMMAND_QCC), before.end());
    EXPECT_EQ(first_command_after_reopen(plugged.hid()), COMMAND_MESH_NORMAL_MODE);
    const auto module_writes = plugged.module->hid.front()->outputs();
    ASSERT_EQ(module_writes.size(), 1u);
    EXPECT_EQ(module_writes[0].size(), 65u) << "the module speaks 65-byte reports";
    EXPECT_EQ(module_writes[0][1], COMMAND_GET_VERSION);
    EXPECT_FALSE(plugged.module->present()) << "back in normal mode the module leaves the bus";
}

TEST_F(ModuleVersion, ModuleThatNeverAppearsCostsItsSearchAndLeavesTheOldVersion)
{
    sim::HeadsetPersona persona = mesh_headset();
    persona.module->appears = false;
    const sim::PluggedHeadset plugged = sim::plug_headset(persona);

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_GE(virtual_seconds(), 22) << "2 s after the switch, then 20 tries 1 s apart";
    EXPECT_EQ(data.deviceVersion02(), kEarlierModuleVersion);
    EXPECT_EQ(data.deviceVersion01(), (FirmwareQuad{3, 2, 1, 4}));
    EXPECT_EQ(first_command_after_reopen(plugged.hid()), COMMAND_MESH_NORMAL_MODE);
}

TEST_F(ModuleVersion, SilentModuleReadsAsOnePointZero)
{
    sim::HeadsetPersona persona = mesh_headset();
    persona.module->answers = false;
    sim::plug_headset(persona);

    ASSERT_EQ(recognize(), kivo::kRecognitionSucceeded);
    EXPECT_EQ(data.deviceVersion02(), (FirmwareQuad{1, 0, 0, 0}));
}

TEST_F(ModuleVersion, HeadsetThatDoesNotComeBackIsNotRecognizedOverHid)
{
    for (const sim::HeadsetPersona& base : {mesh_headset(), sim::oem_headset()}) {
        SCOPED_TRACE(testing::Message() << std::hex << base.product_id);
        start_over();
        sim::HeadsetPersona persona = base;
        persona.leavesForModule = true;
        sim::plug_headset(persona);
        run.callerMode = 5;
        run.session.deviceTarget = persona.product_id;

        EXPECT_EQ(recognize(), kivo::kRecognitionFailed);
        EXPECT_FALSE(run.session.recognized);
        EXPECT_EQ(run.session.deviceTarget, 0);
        EXPECT_NE(run.session.usbStatus, static_cast<int>(persona.module->product_id));
        EXPECT_EQ(run.strStatus[0], "Cannot open USB [-1]");
    }
}
