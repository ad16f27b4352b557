// The products that take another product's firmware file may come back from their loader showing
// the id of the firmware they now run: the run takes the headset back under that id too, and ends
// as it does under its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "device/products/camera_files.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/sim/bus.h"
#include "tests/sim/camera_card.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/engine/fake_update_host.h"
#include "tests/update/engine/family_headsets.h"
#include "update/engine/run.h"

namespace {

// A product, and the product whose file the firmware file check lets it take.
struct ForeignFile {
    const char* member;
    uint16_t product;
    uint16_t fileProduct;
    // The commands the headset takes once back: the path's steps after the wait.
    std::vector<uint8_t> afterLoader;
    // The container's header text: 0x3233 takes a 0x3232 file from 1.2.3.1 on.
    const char* header = "v1.4";
};

const ForeignFile kForeignFiles[] = {
    {"MeshBt31", 0x3143, 0x3142, {0x59}}, // the Bluetooth blocks' wait, then the raw unit language
    {"QccBtOnly", 0x5451, 0x5441, {0x0A}}, // the wait after the run loader, then the result
    // Camera, module, iM501, the Bluetooth blocks' wait, then the unit-language record read and
    // written.
    {"CameraMeshBt", 0x3233, 0x3232, {0x03, 0x04}, "v1.2.3.1"},
    {"Hid4210", 0x4210, 0x4220, {}}, // the final polls after both loaders, nothing after them
};

// The commands an interface took after its last run loader.
std::vector<uint8_t> after_last_run_loader(const sim::HidInterface& iface)
{
    const std::vector<uint8_t> sent = sim::commands_sent(iface);
    const auto last = std::find(sent.rbegin(), sent.rend(), uint8_t{0x08});
    return {last.base(), sent.end()};
}

// Five blocks, block i numbered i (section type i in the first table): every path above finds what
// it writes, and the camera image (block 2) is at the version the camera runs.
fwfile::Bytes file_for(const ForeignFile& row)
{
    return fwfile::make_container({row.header,
                                   row.fileProduct,
                                   true,
                                   {fwfile::pattern(1500, 1), fwfile::pattern(700, 2), fwfile::pattern(300, 3),
                                    fwfile::pattern(130, 4), fwfile::pattern(90, 5)},
                                   {{0, 6, {}}, {1, 7, {}}, {2, 8, {3, 1}}, {3, 9, {}}, {4, 10, {}}}});
}

} // namespace

TEST(ForeignFirmwareFile, HeadsetBackUnderItsFirmwareFilesIdIsTheOneBeingUpdated)
{
    for (const ForeignFile& row : kForeignFiles) {
        SCOPED_TRACE(row.member);
        sim::Session session;
        fwfile::TempFolder folder;
        sim::HeadsetPersona persona = family::headset_persona(row.product);
        std::optional<sim::CameraCard> card;
        if (const kivo::CameraFiles* files = kivo::camera_files(row.product)) {
            card.emplace(row.product);
            card->put(std::string(files->versionFile), "3.1");
            persona.camera = sim::camera_of(row.product, *card);
        }
        persona.backAsAfterRunLoader = row.fileProduct;
        const sim::PluggedHeadset headset = sim::plug_headset(persona);

        kivo::UpdateInputs inputs;
        family::recognize(persona, inputs);
        inputs.opener = family::headset_opener(row.product, {row.fileProduct});
        inputs.firmwareFile = folder.put("firmware.img", file_for(row));
        inputs.archiveFolder = folder.path() / "archive";
        kivo::UpdateShared shared;
        FakeUpdateHost host;
        testing::internal::CaptureStderr();
        kivo::threadMethodUpdate(inputs, shared, host);
        const std::string trace = testing::internal::GetCapturedStderr();

        EXPECT_EQ(shared.progress().updateRestoreError, 0) << shared.updateStatus()[0];
        EXPECT_EQ(shared.progress().updateProcessed, 100);
        EXPECT_EQ(headset.headset->product_id, row.fileProduct) << "it did come back under the file's id";
        EXPECT_EQ(after_last_run_loader(*headset.headset->hid.front()), row.afterLoader);
        char line[80];
        std::snprintf(line, sizeof line, "back from its loader the headset may show %04X", row.fileProduct);
        EXPECT_NE(trace.find(line), std::string::npos) << trace;
        EXPECT_EQ(sim::bus().open_hid_handles(), 0);
    }
}
