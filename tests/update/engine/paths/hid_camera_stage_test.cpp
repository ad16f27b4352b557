// The camera stage of the HID camera headsets against a simulated headset with its camera and the
// camera's memory card, in virtual time: the card found, the camera image copied and checked, the
// camera switched off and on to take it, its version read back, the camera left off; then the
// headset's own images. Each failure ends once with its tag and no command after it.

#include "device/products/camera_files.h"
#include "tests/sim/camera_card.h"
#include "tests/update/engine/paths/block_paths_fixture.h"
#include "tests/update/engine/paths/camera_stage_support.h"
#include "update/engine/camera/camera_card_steps.h"
#include "update/engine/camera/card_files.h"

namespace {

using sim::CommandFault;

constexpr uint8_t kOn = 0x20;
constexpr uint8_t kOff = 0x21;
constexpr uint8_t kStatus = 0x22;
constexpr uint8_t kErase = 0x05;

const std::vector<uint8_t> kHeadsetImages = {0x05, 0x06, 0x06, 0x07, 0x05, 0x06, 0x07};

std::vector<uint8_t> then(std::vector<uint8_t> first, const std::vector<uint8_t>& more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// Status exchanges from the first to the last that fail (the headset dropping off meanwhile).
std::vector<CommandFault> failing_status(int first, int last)
{
    std::vector<CommandFault> faults;
    for (int n = first; n <= last; ++n)
        faults.push_back({kStatus, n});
    return faults;
}

} // namespace

class HidCameraStage : public BlockPathTest {
protected:
    void SetUp() override
    {
        BlockPathTest::SetUp();
        kivo::install_card_files(&cardFiles);
        arrange(0x5570);
    }
    void TearDown() override
    {
        kivo::install_card_files(nullptr);
        BlockPathTest::TearDown();
    }

    // A camera headset of the product at 1.4, recognized so, with its camera at 1.0 and the card in
    // the camera's slot; the usual file; no fault armed.
    void arrange(uint16_t product, sim::CameraCard::Marker marker = sim::CameraCard::Marker::Written)
    {
        target(product);
        inputs.opener = open_product(product);
        inputs.data.setDeviceVersion({1, 4, 0, 0});
        persona = {};
        persona.product_id = product;
        persona.version = {1, 4, 0, 0};
        persona.instructionDoneAt = 1;
        card.reset();
        card.emplace(product, marker);
        persona.camera = sim::camera_of(product, *card);
        if (const kivo::CameraFiles* of_product = kivo::camera_files(product))
            files = *of_product;
        cardFiles = {};
        useCameraFile();
    }

    // Headset images 0 and 1, the camera image (2.3, carrying its version marker) and one block
    // more, which the headset stage of a camera product leaves alone.
    void useCameraFile()
    {
        useBlocks({headsetImage, fwfile::pattern(300, 2), cameraImage, fwfile::pattern(200, 4)},
                  {{0, 1, {}}, {2, 4, {}}, {3, 9, {2, 3, 0, 0, 0}}, {4, 7, {}}});
    }
    void useTwoBlocks() override { useCameraFile(); }

    std::string versionOnCard() const
    {
        const std::optional<sim::Bytes> text = card->read(std::string(files.versionFile));
        return text ? std::string(text->begin(), text->end()) : "(none)";
    }
    bool holdsCopy() const { return card->holds(std::string(files.firmwareFile)); }
    bool holdsTemporary() const { return card->holds(std::string(files.temporaryFile)); }

    // The camera commands, then the headset's own commands, of a run that copied the image.
    static inline const std::vector<uint8_t> kCopied = {0x01,    kOn, kStatus, kStatus, kOff,
                                                        kStatus, kOn, kStatus, kOff,    kStatus};

    const fwfile::Bytes headsetImage = withVersion(1500, "1.5.0.0", 1);
    const fwfile::Bytes cameraImage = withVersion(3000, "2.3.0.0", 7);
    std::optional<sim::CameraCard> card;
    kivo::CameraFiles files{};
    FaultyCardFiles cardFiles;
};

TEST_F(HidCameraStage, CopiesTheCameraImageThenWritesTheHeadsetImages)
{
    replug();
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 98, 99, 100}));
    // Group R: the loader without the readiness poll.
    EXPECT_EQ(commands(), then(then(kCopied, kHeadsetImages), {0x08}));
    EXPECT_EQ(headset.image(1), headsetImage);
    EXPECT_TRUE(headset.image(9).empty()) << "the camera image is not the headset's";
    EXPECT_TRUE(headset.image(7).empty()) << "only entries 0 and 1 go to the headset";

    EXPECT_EQ(versionOnCard(), "2.3\n");
    EXPECT_FALSE(holdsCopy());
    EXPECT_FALSE(holdsTemporary());
    EXPECT_FALSE(headset.cameraOn());

    // On; 1 s, poll; 15 s, card; copy; 1 s, poll, off; 2 s, poll, on; 20 s, card; 3 s, version, 3 s;
    // poll, off, poll; 5 s before the headset's images.
    const kivo::Duration on = writesOf(kOn).at(0).at;
    EXPECT_EQ(seconds(writesOf(kOff).at(0).at - on), 17);
    EXPECT_EQ(seconds(writesOf(kOn).at(1).at - on), 19);
    EXPECT_EQ(seconds(writesOf(kErase).at(0).at - on), 50);
}

TEST_F(HidCameraStage, CardSteps)
{
    using Op = FaultyCardFiles::Op;
    struct Case {
        const char* what;
        std::function<void()> arrange;
        std::string status; // empty: the run succeeds
        std::vector<uint8_t> sent = {}; // the camera commands; none after a failure
        bool copyLeft = false;
        bool temporaryLeft = false;
        int looks = 0; // card looks a second apart after the last switch-on, when the run ends there
    };
    const std::vector<uint8_t> until_card = {0x01, kOn, kStatus};
    const std::vector<uint8_t> until_restart = {0x01, kOn, kStatus, kStatus, kOff, kStatus, kOn};
    const std::vector<uint8_t> current = {0x01, kOn, kStatus, kStatus, kOff, kStatus};
    const Case cases[] = {
        {"version already current: no copy, the camera switched off",
         [&] { card->put(std::string(files.versionFile), "2.3"); }, "", current},
        {"the off after a current version",
         [&] {
             card->put(std::string(files.versionFile), "2.3");
             persona.commandFaults = {{kOff, 1}};
         },
         cannot_get_status("[3][2]"),
         {0x01, kOn, kStatus, kStatus, kOff}},
        {"the poll before it",
         [&] {
             card->put(std::string(files.versionFile), "2.3");
             persona.camera->wrongStateFrom = 2;
         },
         cannot_get_status("[4][2]"), then(until_card, std::vector<uint8_t>(30, kStatus))},
        {"the last poll for off",
         [&] {
             card->put(std::string(files.versionFile), "2.3");
             persona.camera->wrongStateFrom = 3;
         },
         cannot_get_status("[4][5]"), then(current, std::vector<uint8_t>(29, kStatus))},
        {"a version file that is not UTF-8 reads 0.0: copied",
         [&] { card->put(std::string(files.versionFile), std::string("2\xff.3")); }, ""},
        {"a leftover temporary file is removed",
         [&] { card->put(std::string(files.temporaryFile), "left by an earlier run"); }, ""},
        {"creation", [&] { cardFiles.failing = {Op::Create}; }, cannot_get_status("[2][0]"), until_card},
        {"move", [&] { cardFiles.failing = {Op::Move}; }, camera_failed("[2][1]"), until_card, false, true},
        {"open: both removed",
         [&] {
             cardFiles.failing = {Op::Open};
             cardFiles.moveKeepsSource = true;
         },
         cannot_get_status("[2][5]"), until_card},
        {"a read failing part-way counts as the open", [&] { cardFiles.failing = {Op::Read}; },
         cannot_get_status("[2][5]"), until_card},
        {"MD5 differs: both removed",
         [&] {
             cardFiles.createFlipsAByte = true;
             cardFiles.moveKeepsSource = true;
         },
         cannot_get_status("[2][6]"), until_card},
        {"size differs: the copy removed", [&] { cardFiles.failing = {Op::Size}; }, cannot_get_status("[2][4]"),
         until_card},
        // Its removal is not looked at.
        {"size differs, the copy not removed",
         [&] {
             cardFiles.failing = {Op::Size, Op::Remove};
         },
         cannot_get_status("[2][4]"), until_card, true},
        {"MD5 differs, the temporary file not removed",
         [&] {
             cardFiles.createFlipsAByte = true;
             cardFiles.moveKeepsSource = true;
             cardFiles.failing = {Op::Remove};
         },
         cannot_get_status("[2][9]"), until_card, true, true},
        {"MD5 differs, the copy not removed",
         [&] {
             cardFiles.createFlipsAByte = true;
             cardFiles.failing = {Op::Remove};
         },
         cannot_get_status("[2][10]"), until_card, true},
        {"clean-up of the temporary file",
         [&] {
             cardFiles.failing = {Op::Open, Op::Remove};
             cardFiles.moveKeepsSource = true;
         },
         cannot_get_status("[2][9]"), until_card, true, true},
        {"clean-up of the copy",
         [&] {
             cardFiles.failing = {Op::Open, Op::Remove};
         },
         cannot_get_status("[2][10]"), until_card, true},
        {"no card", [&] { persona.camera->cardShowsAt = 0; }, kCheckCard, until_card},
        {"a read-only card is not found", [&] { persona.camera->mount = sim::CameraCard::Mount::ReadOnly; }, kCheckCard,
         until_card},
        {"a card without the camera's marker is not found", [&] { arrange(0x5570, sim::CameraCard::Marker::Missing); },
         kCheckCard, until_card},
        {"the card does not come back", [&] { persona.camera->cardShowsAt = 1; }, camera_failed("[2][3]"),
         until_restart, false, false, 200},
        {"the camera keeps its old version", [&] { persona.camera->keepsVersion = true; }, camera_failed("[2][2]"),
         until_restart, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arrange(0x5570);
        c.arrange();
        replug();
        run();
        if (c.status.empty()) {
            EXPECT_EQ(progress().updateRestoreError, 0) << status();
            EXPECT_EQ(kivo::camera_version_from_text(versionOnCard()), (kivo::CameraVersion{2, 3}));
            if (!c.sent.empty()) {
                EXPECT_EQ(commands(), then(then(c.sent, kHeadsetImages), {0x08}));
            }
        } else {
            expectEnded(c.status, 1);
            EXPECT_EQ(commands(), c.sent);
        }
        EXPECT_EQ(holdsCopy(), c.copyLeft);
        EXPECT_EQ(holdsTemporary(), c.temporaryLeft);
        if (c.looks > 0) {
            const long long spent = seconds(sim::bus().clock().now() - writesOf(kOn).back().at);
            EXPECT_GE(spent, c.looks);
            EXPECT_LT(spent, c.looks + 60);
        }
    }
}

// A copy an earlier run left under the camera firmware file's name, put there once the camera is on
// (at its switch-on the camera would take it): the move replaces it.
TEST_F(HidCameraStage, LeftoverCopyIsReplaced)
{
    replug();
    sim::bus().schedule(std::chrono::seconds(3),
                        [&] { card->put(std::string(files.firmwareFile), "left by an earlier run"); });
    run();
    ASSERT_LT(seconds(writesOf(kOn).at(0).at), 3);
    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(versionOnCard(), "2.3\n");
    EXPECT_FALSE(holdsCopy());
}

// 0x5510 has no card marker: its card is never found.
TEST_F(HidCameraStage, CameraWithoutACardMarker)
{
    arrange(0x5510, sim::CameraCard::Marker::Missing);
    card->put(std::string(files.versionFile), "1.0");
    replug();
    run();
    expectEnded(kCheckCard, 1);
    EXPECT_EQ(commands(), (std::vector<uint8_t>{0x01, kOn, kStatus}));
}

// The camera image must be in the file, whole, before any camera command.
TEST_F(HidCameraStage, CameraImageMissingOrOutsideTheFile)
{
    for (const bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "no block entry 2" : "block entry 2 outside the file");
        arrange(0x5570);
        if (missing)
            useBlockList({{0, 1, headsetImage}, {2, 4, fwfile::pattern(300, 2)}});
        else
            useBlockOutsideTheFile({{0, 1, headsetImage}, {2, 4, fwfile::pattern(300, 2)}, {3, 9, cameraImage}}, 2);
        replug();
        run();
        expectEnded(kCorrupted, 3);
        EXPECT_EQ(commands(), (std::vector<uint8_t>{0x01}));
    }
}

TEST_F(HidCameraStage, NoCardIsLookedForSeventyTimes)
{
    persona.camera->cardShowsAt = 0;
    replug();
    run();
    EXPECT_EQ(status(), kCheckCard);
    // On, 1 s, the poll, 15 s, then 70 looks a second apart.
    EXPECT_EQ(seconds(sim::bus().clock().now() - writesOf(kOn).at(0).at), 1 + 15 + 69);
    EXPECT_TRUE(headset.cameraOn()) << "left on, as the failure finds it";
}

// The status exchange of the 6th poll fails while the headset drops off: the poll counts as done,
// and the switch after it fails with the tag of that branch. A failure at another poll is repeated.
TEST_F(HidCameraStage, SixthPollRule)
{
    struct Case {
        const char* what;
        std::vector<CommandFault> faults;
        std::string status; // empty: the run succeeds
        size_t statusExchanges;
    };
    const auto with = [](std::vector<CommandFault> faults, CommandFault more) {
        faults.push_back(more);
        return faults;
    };
    const Case cases[] = {
        {"polls 1 to 6 fail before the off", failing_status(2, 7), "", 10},
        {"then the off fails", with(failing_status(2, 7), {kOff, 1}), cannot_get_status("[3][2]"), 7},
        {"polls 1 to 5 fail, the 6th sees the camera on", with(failing_status(2, 6), {kOff, 1}),
         cannot_get_status("[0][0]"), 7},
        {"polls 1 to 6 fail before the on, which fails", with(failing_status(3, 8), {kOn, 2}),
         cannot_get_status("[1][1]"), 8},
        {"polls 1 to 5 fail before the on, which fails", with(failing_status(3, 7), {kOn, 2}),
         cannot_get_status("[3][3]"), 8},
        {"polls 1 to 6 fail before the last off, which fails", with(failing_status(4, 9), {kOff, 2}),
         cannot_get_status("[3][2]"), 9},
        {"the last off fails", {{kOff, 2}}, cannot_get_status("[3][4]"), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arrange(0x5570);
        persona.commandFaults = c.faults;
        replug();
        run();
        EXPECT_EQ(writesOf(kStatus).size(), c.statusExchanges);
        if (c.status.empty()) {
            EXPECT_EQ(progress().updateRestoreError, 0) << status();
            continue;
        }
        expectEnded(c.status, 1);
        EXPECT_EQ(commands().back(), c.faults.back().command) << "nothing after the failure";
    }
}

// Each switch and each poll of the stage fails with its own tag; the run ends after it.
TEST_F(HidCameraStage, SwitchesAndPollsFailWithTheirTags)
{
    struct Case {
        std::vector<CommandFault> faults;
        std::optional<int> wrongStateFrom;
        std::string status;
    };
    const Case cases[] = {
        {{{kOn, 1}}, {}, cannot_get_status("[1][0]")},
        {{}, 1, "Failed to update firmware. Cannot get status [4][1]. Try again."},
        {{}, 2, cannot_get_status("[4][2]")},
        {{{kOff, 1}}, {}, cannot_get_status("[0][0]")},
        {{}, 3, cannot_get_status("[4][3]")},
        {{{kOn, 2}}, {}, cannot_get_status("[3][3]")},
        {{}, 4, cannot_get_status("[4][4]")},
        {{{kOff, 2}}, {}, cannot_get_status("[3][4]")},
        {{}, 5, cannot_get_status("[4][5]")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        arrange(0x5570);
        persona.commandFaults = c.faults;
        persona.camera->wrongStateFrom = c.wrongStateFrom;
        replug();
        run();
        expectEnded(c.status, 1);
        const uint8_t last = c.wrongStateFrom ? kStatus : c.faults.back().command;
        EXPECT_EQ(commands().back(), last) << "nothing after the failure";
        if (c.wrongStateFrom) {
            EXPECT_EQ(writesOf(kStatus).size(), static_cast<size_t>(*c.wrongStateFrom + 29));
            const std::vector<sim::HidWrite> polls = writesOf(kStatus);
            EXPECT_EQ(seconds(polls.back().at - polls.at(polls.size() - 30).at), 29);
        }
    }
}

// The camera that switches itself off after taking its image: 30 s more, up to 100 exchanges until
// it is off, off, 10 s, up to 30 until off, on; then its card comes back.
TEST_F(HidCameraStage, SelfSwitchingCameraIsCycledOnceMore)
{
    struct Case {
        const char* what;
        std::optional<kivo::Duration> offAfterTaking;
        std::vector<CommandFault> faults;
        std::optional<int> wrongStateFrom;
        std::string status;
        uint8_t last = 0; // the failing command, none after it
    };
    const Case cases[] = {
        {"off 70 s after the on", std::chrono::seconds(70), {}, {}, ""},
        {"never off", std::nullopt, {}, {}, camera_failed("[5][1]"), kStatus},
        {"the off fails", std::chrono::seconds(40), {{kOff, 2}}, {}, cannot_get_status("[5][0]"), kOff},
        {"not off after the off", std::chrono::seconds(40), {}, 5, cannot_get_status("[5][3]"), kStatus},
        {"the on fails", std::chrono::seconds(40), {{kOn, 3}}, {}, cannot_get_status("[5][2]"), kOn},
    };
    const std::vector<uint8_t> cycled =
        then(then({0x01, kOn, kStatus, kStatus, kOff, kStatus, kOn}, std::vector<uint8_t>(21, kStatus)),
             {kOff, kStatus, kOn, kStatus, kOff, kStatus});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arrange(0x5580);
        persona.camera->offAfterTaking = c.offAfterTaking;
        persona.camera->wrongStateFrom = c.wrongStateFrom;
        persona.commandFaults = c.faults;
        replug();
        run();
        const kivo::Duration restart = writesOf(kOn).at(1).at;
        if (!c.status.empty()) {
            expectEnded(c.status, 1);
            EXPECT_EQ(commands().back(), c.last);
            if (!c.offAfterTaking) {
                EXPECT_EQ(writesOf(kStatus).size(), 3u + 100u);
                EXPECT_EQ(seconds(sim::bus().clock().now() - restart), 20 + 30 + 99);
            }
            continue;
        }
        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        EXPECT_EQ(versionOnCard(), "2.3\n");
        // Off once the camera is: 21 exchanges from 50 s to 70 s.
        const kivo::Duration cycled_off = writesOf(kOff).at(1).at;
        EXPECT_EQ(seconds(cycled_off - restart), 70);
        EXPECT_EQ(writesOf(kStatus).size(), 3u + 21u + 1u + 2u);
        EXPECT_EQ(seconds(writesOf(kOn).at(2).at - cycled_off), 10);
        EXPECT_EQ(commands(), then(then(cycled, kHeadsetImages), {0x0D, 0x08}));
    }
}

// The camera-status polls end in clock time as well as by their count: a headset whose status
// exchanges wait out their bounds for good (silent 30 s, busy 300 s) ends within the count times
// three seconds (the second between polls and an answer within two) and the exchange under way; one
// that answers slowly but within two seconds gets the whole count. The first poll for the camera on
// (30 exchanges), and the self-switching camera's waits until it is off (100, then 30).
TEST_F(HidCameraStage, StatusPollsEndInClockTimeAsWellAsByCount)
{
    using namespace std::chrono_literals;
    const auto silent_from = [](int occurrence) {
        CommandFault fault = silent_for_good(kStatus);
        fault.occurrence = occurrence;
        return fault;
    };
    const auto busy_from = [](int occurrence) {
        CommandFault fault = busy_for_good(kStatus);
        fault.occurrence = occurrence;
        return fault;
    };
    struct Case {
        const char* what;
        uint16_t product;
        std::optional<CommandFault> fault; // for good, from its occurrence on
        std::string status;
        int loopFrom; // the loop's first status exchange
        int count; // the loop's exchanges
        long long exchangeSeconds = 0; // one exchange's bound under the fault; 0: answered in time
        std::optional<kivo::Duration> offAfterTaking = std::nullopt;
        // Without a fault, every answer 1.9 s late and, from this status exchange on, the camera
        // answers the state it is not in (the self-switching camera is never off on its own).
        std::optional<int> wrongStateFrom = std::nullopt;
    };
    const Case cases[] = {
        {"poll for on, silent", 0x5570, silent_from(1), cannot_get_status("[4][1]"), 1, 30, kReportBoundSeconds},
        {"poll for on, busy", 0x5570, busy_from(1), cannot_get_status("[4][1]"), 1, 30, kExchangeBoundSeconds},
        {"poll for on, slow", 0x5570, std::nullopt, cannot_get_status("[4][1]"), 1, 30, 0, std::nullopt, 1},
        {"self-off wait, silent", 0x5580, silent_from(4), camera_failed("[5][1]"), 4, 100, kReportBoundSeconds},
        {"self-off wait, busy", 0x5580, busy_from(4), camera_failed("[5][1]"), 4, 100, kExchangeBoundSeconds},
        {"self-off wait, slow", 0x5580, std::nullopt, camera_failed("[5][1]"), 4, 100},
        {"off wait after the off, silent", 0x5580, silent_from(5), cannot_get_status("[5][3]"), 5, 30,
         kReportBoundSeconds, 40s},
        {"off wait after the off, busy", 0x5580, busy_from(5), cannot_get_status("[5][3]"), 5, 30,
         kExchangeBoundSeconds, 40s},
        {"off wait after the off, slow", 0x5580, std::nullopt, cannot_get_status("[5][3]"), 5, 30, 0, 40s, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arrange(c.product);
        persona.camera->offAfterTaking = c.offAfterTaking;
        persona.camera->wrongStateFrom = c.wrongStateFrom;
        if (c.fault)
            persona.commandFaults = {*c.fault};
        replug();
        pace_busy_answers(headset);
        if (!c.fault)
            headset.hid().faults.reply_delay = 1900ms;
        run();
        expectEnded(c.status, 1);
        EXPECT_EQ(commands().back(), kStatus) << "nothing after the polls";
        const std::vector<sim::HidWrite> polls = writesOf(kStatus);
        const auto in_loop = static_cast<int>(polls.size()) - (c.loopFrom - 1);
        if (c.exchangeSeconds == 0) {
            EXPECT_EQ(in_loop, c.count) << "every poll of the count";
            continue;
        }
        EXPECT_LT(in_loop, c.count);
        const long long spent = seconds(sim::bus().clock().now() - polls.at(static_cast<size_t>(c.loopFrom - 1)).at);
        EXPECT_LE(spent, 3 * c.count + c.exchangeSeconds + 1);
    }
}
