// The camera-mesh headsets that carry a camera: the camera image onto the camera's card before the
// module, the iM501 and the Bluetooth blocks, against the simulated camera and card, in virtual
// time.

#include "tests/update/engine/paths/camera_mesh_fixture.h"

namespace {

constexpr uint8_t kCameraOn = 0x20;
constexpr uint8_t kCameraOff = 0x21;
constexpr uint8_t kCameraStatus = 0x22;
constexpr uint8_t kMeshSwitch = 0x50;

} // namespace

class CameraMeshBtCamera : public CameraMeshBt {
protected:
    void SetUp() override
    {
        CameraMeshBt::SetUp();
        kivo::install_card_files(&cardFiles);
        arrange(0x3232);
    }
    void TearDown() override
    {
        kivo::install_card_files(nullptr);
        CameraMeshBt::TearDown();
    }

    // The camera headset of the product with its card (at camera 1.0), the usual file, no fault.
    void arrange(uint16_t product)
    {
        card.reset();
        const bool marked = !kivo::camera_card_marker(product).empty();
        card.emplace(product, marked ? sim::CameraCard::Marker::Written : sim::CameraCard::Marker::Missing);
        if (const kivo::CameraFiles* of_product = kivo::camera_files(product))
            files = *of_product;
        card->put(std::string(files.versionFile), "1.0");
        persona = sim::camera_mesh_camera_headset(*card);
        persona.product_id = product;
        persona.camera = sim::camera_of(product, *card);
        cardFiles = {};
        target(product);
    }

    // Bluetooth blocks 0 and 1, the camera image (3.1, carrying its version marker), the module,
    // the iM501.
    void useCameraFile()
    {
        useBlocks({bluetooth0, bluetooth1, cameraImage, module, im501},
                  {{0, 6, {}}, {1, 7, {}}, {2, 8, {3, 1, 0, 0, 0}}, {3, 9, {}}, {4, 10, {}}});
    }

    std::string onCard(std::string_view name) const
    {
        const std::optional<sim::Bytes> text = card->read(std::string(name));
        return text ? std::string(text->begin(), text->end()) : "(none)";
    }
    bool holds(std::string_view name) const { return card->holds(std::string(name)); }

    const fwfile::Bytes cameraImage = withVersion(3000, "3.1.0.0", 5);
    std::optional<sim::CameraCard> card;
    kivo::CameraFiles files{};
    FaultyCardFiles cardFiles;
};

TEST_F(CameraMeshBtCamera, CameraThenModuleIm501AndBluetoothBlocksEndToEnd)
{
    plugAs(0x3232);
    useCameraFile();
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 89, 99}));
    EXPECT_EQ(onCard(files.versionFile), "3.1\n");
    EXPECT_EQ(headset.cameraImages(), std::vector<sim::Bytes>{cameraImage});
    EXPECT_FALSE(holds(files.temporaryFile));
    EXPECT_FALSE(holds(files.firmwareFile));
    EXPECT_FALSE(headset.cameraOn());
    EXPECT_EQ(headset.moduleImage(), module);
    EXPECT_EQ(headset.im501Image(), im501);
    EXPECT_EQ(headset.image(6), bluetooth0);
    EXPECT_EQ(headset.image(7), bluetooth1);
    EXPECT_TRUE(headset.image(8).empty()) << "the camera image is not the headset's";
    EXPECT_EQ(count(commands(), kWriteRecord), 1) << "the language";

    // On; 2 s, status; 10 s, card; copy; 2 s, off; 10 s, on; 15 s, card; 3 s, version; 3 s, off;
    // then the mesh switch.
    const std::vector<uint8_t> sent = commands();
    EXPECT_EQ(
        std::vector<uint8_t>(sent.begin(), sent.begin() + 8),
        (std::vector<uint8_t>{0x01, kCameraOn, kCameraStatus, kCameraOff, kCameraOn, kCameraOff, kMeshSwitch, 0x52}));
    const auto at = [&](uint8_t command, size_t i) { return sim::writes_of(headset.hid(), command).at(i).at; };
    const kivo::Duration on = at(kCameraOn, 0);
    EXPECT_EQ(at(kCameraStatus, 0) - on, std::chrono::seconds(2));
    EXPECT_EQ(at(kCameraOff, 0) - on, std::chrono::seconds(14));
    EXPECT_EQ(at(kCameraOn, 1) - on, std::chrono::seconds(24));
    EXPECT_EQ(at(kCameraOff, 1) - on, std::chrono::seconds(45));
}

TEST_F(CameraMeshBtCamera, CameraSteps)
{
    using Op = FaultyCardFiles::Op;
    struct Case {
        const char* what;
        std::function<void()> arrange;
        std::string status; // empty: the run succeeds
        bool copied = false; // the camera took the image
        bool copyLeft = false;
        bool temporaryLeft = false;
        int looks = 0; // card looks a second apart after the last switch-on, when the run ends there
    };
    const Case cases[] = {
        // The version file is read after the leftover temporary file went.
        {"version 3.1 against a 3.1 entry: no copy, the camera off",
         [&] {
             card->put(std::string(files.versionFile), "3.1");
             card->put(std::string(files.temporaryFile), "left by an earlier run");
         },
         ""},
        {"an unreadable version file reads 0.0: copied", [&] { card->put(std::string(files.versionFile), "3\xff.1"); },
         "", true},
        {"a leftover temporary file is removed", [&] { card->put(std::string(files.temporaryFile), "left"); }, "",
         true},
        {"the MD5 differs: both files removed", [&] { cardFiles.createFlipsAByte = true; },
         cannot_get_status("[50][c][10]")},
        {"the MD5 differs and the temporary file stays",
         [&] {
             cardFiles.createFlipsAByte = true;
             cardFiles.moveKeepsSource = true;
             cardFiles.failing = {Op::Remove};
         },
         cannot_get_status("[50][c][8]"), false, true, true},
        {"the card not back within 120 looks: the copy stays",
         [&] {
             persona.camera->cardShowsAt = 1;
             persona.camera->keepsVersion = true;
         },
         camera_failed("[50][c][16]"), false, true, false, 120},
        {"no card at first", [&] { persona.camera->cardShowsAt = 0; }, kCheckCard, false, false, false, 20},
        {"camera on",
         [&] {
             persona.commandFaults = {{kCameraOn, 1}};
         },
         cannot_get_status("[50][c][0]")},
        // A failed exchange is traced; its cleared answer reads off.
        {"the status exchange fails",
         [&] {
             persona.commandFaults = {{kCameraStatus, 1}};
         },
         cannot_get_status("[50][c][1]")},
        {"the camera not on", [&] { persona.camera->wrongStateFrom = 1; }, cannot_get_status("[50][c][1]")},
        {"off when current",
         [&] {
             card->put(std::string(files.versionFile), "3.1");
             persona.commandFaults = {{kCameraOff, 1}};
         },
         cannot_get_status("[50][c][2]")},
        {"creation", [&] { cardFiles.failing = {Op::Create}; }, cannot_get_status("[50][c][3]")},
        {"move", [&] { cardFiles.failing = {Op::Move}; }, camera_failed("[50][c][4]"), false, false, true},
        {"open", [&] { cardFiles.failing = {Op::Open}; }, cannot_get_status("[50][c][7]")},
        // A removal of the clean-up that fails names itself; the one after the size's does not.
        {"open, the temporary file not removed",
         [&] {
             cardFiles.failing = {Op::Open, Op::Remove};
             cardFiles.moveKeepsSource = true;
         },
         cannot_get_status("[50][c][5]"), false, true, true},
        {"open, the copy not removed",
         [&] {
             cardFiles.failing = {Op::Open, Op::Remove};
         },
         cannot_get_status("[50][c][6]"), false, true},
        {"the MD5 differs, the copy not removed",
         [&] {
             cardFiles.createFlipsAByte = true;
             cardFiles.failing = {Op::Remove};
         },
         cannot_get_status("[50][c][9]"), false, true},
        {"size", [&] { cardFiles.failing = {Op::Size}; }, cannot_get_status("[50][c][11]")},
        {"size, the copy not removed",
         [&] {
             cardFiles.failing = {Op::Size, Op::Remove};
         },
         cannot_get_status("[50][c][11]"), false, true},
        {"off after the copy",
         [&] {
             persona.commandFaults = {{kCameraOff, 1}};
         },
         cannot_get_status("[50][c][12]"), false, true},
        {"on after the copy",
         [&] {
             persona.commandFaults = {{kCameraOn, 2}};
         },
         cannot_get_status("[50][c][13]"), false, true},
        {"the camera keeps its version", [&] { persona.camera->keepsVersion = true; }, camera_failed("[50][c][14]"),
         false, true},
        {"the last off",
         [&] {
             persona.commandFaults = {{kCameraOff, 2}};
         },
         cannot_get_status("[50][c][15]"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        arrange(0x3232);
        c.arrange();
        plugAs(0x3232);
        useCameraFile();
        run();

        EXPECT_EQ(headset.cameraImages().size(), c.copied ? 1u : 0u);
        if (c.looks > 0) {
            const long long spent = virtualSeconds() -
                std::chrono::duration_cast<std::chrono::seconds>(sim::writes_of(headset.hid(), kCameraOn).back().at)
                    .count();
            EXPECT_GE(spent, c.looks);
            EXPECT_LT(spent, c.looks + 60);
        }
        EXPECT_EQ(holds(files.firmwareFile), c.copyLeft);
        EXPECT_EQ(holds(files.temporaryFile), c.temporaryLeft);
        if (c.status.empty()) {
            EXPECT_EQ(progress().updateProcessed, 100) << status();
            EXPECT_EQ(onCard(files.versionFile), c.copied ? "3.1\n" : "3.1");
            EXPECT_FALSE(headset.cameraOn());
            EXPECT_EQ(headset.im501Image(), im501);
            continue;
        }
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(count(commands(), kMeshSwitch), 0) << "no command after the camera's failure";
        EXPECT_TRUE(moduleCommands().empty());
    }
}

TEST_F(CameraMeshBtCamera, CameraWithoutCardMarkerNeverFindsItsCard)
{
    arrange(0x3240);
    plugAs(0x3240);
    useCameraFile();
    run();
    EXPECT_EQ(status(), kCheckCard);
    EXPECT_EQ(progress().updateRestoreError, 1);
    EXPECT_EQ(commands(), (std::vector<uint8_t>{0x01, kCameraOn, kCameraStatus}));
}

TEST_F(CameraMeshBtCamera, CameraImageMustLieInsideTheFile)
{
    struct Case {
        const char* what;
        std::function<void()> use;
    };
    const Case cases[] = {
        {"the camera image past the end",
         [&] {
             useSpoiledBlocks(
                 5,
                 [](fwfile::Bytes& file) {
                     fwfile::put_le32(file, fwfile::entry_position(5, true, 2) + FirmwareContainer::kEntryLengthField,
                                      1 << 30);
                 },
                 300, 50);
         }},
        {"no block entry 2",
         [&] {
             useBlocks({bluetooth0, bluetooth1, module, im501}, {{0, 6, {}}, {1, 7, {}}, {3, 9, {}}, {4, 10, {}}});
         }},
        {"no mesh module entry",
         [&] {
             useBlocks({bluetooth0, bluetooth1, cameraImage, im501},
                       {{0, 6, {}}, {1, 7, {}}, {2, 8, {3, 1, 0, 0, 0}}, {4, 10, {}}});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        arrange(0x3232);
        plugAs(0x3232);
        c.use();
        run();
        expectCorruptedBeforeAnyChange();
        EXPECT_TRUE(headset.cameraImages().empty());
        EXPECT_EQ(onCard(files.versionFile), "1.0") << "the card untouched";
    }
}
