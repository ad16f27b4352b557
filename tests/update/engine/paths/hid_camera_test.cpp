// The HID camera path's headset stage: the headset's images over cleared command reports, the
// voice-prompt language of one family, the loader (after the readiness poll for most), the re-plug
// box of most products, a minute, the polls for the headset and the ending, against a simulated
// headset in virtual time. The camera stage of the products with a camera: hid_camera_stage_test.cpp.

#include <functional>

#include "common/page_ids.h"
#include "tests/update/engine/paths/block_paths_fixture.h"
#include "text/instruction_texts.h"

namespace {

constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kReadiness = 0x0D;
constexpr uint8_t kUnitLanguageGroup = 4;

const std::vector<uint8_t> kImageCommands = {0x01, 0x05, 0x06, 0x06, 0x07, 0x05, 0x06, 0x07};

std::vector<uint8_t> then(std::vector<uint8_t> first, const std::vector<uint8_t>& more)
{
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

sim::Bytes report_of(std::initializer_list<uint8_t> start)
{
    sim::Bytes report(1023, 0);
    std::copy(start.begin(), start.end(), report.begin());
    return report;
}

} // namespace

class HidCamera : public BlockPathTest {
protected:
    void SetUp() override
    {
        BlockPathTest::SetUp();
        arrange(0x5610);
    }

    // A headset of the product at 1.4, recognized so, ready at the first poll, with a unit-language
    // record of four words.
    void arrange(uint16_t product)
    {
        target(product);
        inputs.opener = open_product(product);
        inputs.data.setDeviceVersion({1, 4, 0, 0});
        persona = {};
        persona.product_id = product;
        persona.version = {1, 4, 0, 0};
        persona.instructionDoneAt = 1;
        persona.records[kUnitLanguageGroup] = {0x0102, 0x0304, 0x0506, 0x07C0};
    }

    std::string replugText() const
    {
        return kivo::InstructionTexts::getMessageBoxFirstButton(inputs.session.deviceTarget, 0);
    }
};

TEST_F(HidCamera, HeadsetStageByProductGroup)
{
    struct Case {
        uint16_t product;
        const char* what;
        std::vector<uint8_t> stage; // the commands after the images
        size_t boxes; // re-plug boxes shown, each closed by the worker
        int pauseAfterLoader; // seconds from the loader to marker 99
    };
    const Case cases[] = {
        {0x5320, "no box, readiness poll", {0x0D, 0x08}, 0, 0},
        {0x3050, "no box, loader without readiness poll", {0x08}, 0, 1},
        {0x5610, "re-plug box, readiness poll; the box again after the minute", {0x0D, 0x08}, 2, 0},
        {0x3310, "the voice-prompt language first", {0x03, 0x04, 0x08}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arrange(c.product);
        replug();
        const fwfile::Bytes image = withVersion(1500, "1.5.0.0", 1);
        useBlockList({{0, 1, image}, {2, 4, fwfile::pattern(300, 2)}});
        run();

        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 98, 99, 100}));
        EXPECT_EQ(commands(), then(kImageCommands, c.stage));
        EXPECT_EQ(headset.image(1), image);
        EXPECT_EQ(headset.version(), (sim::VersionQuad{1, 5, 0, 0}));
        const kivo::Duration loader = writesOf(kRunLoader).at(0).at;
        EXPECT_EQ(seconds(firstTime(&kivo::UpdateProgress::addUpdateProcessed, 99) - loader), c.pauseAfterLoader);
        EXPECT_EQ(seconds(firstTime(&kivo::UpdateProgress::addUpdateProcessed, 100) - loader),
                  c.pauseAfterLoader + 60 + 1 + 2);

        ASSERT_EQ(host.boxes.size(), c.boxes);
        for (const FakeUpdateHost::Box& box : host.boxes) {
            EXPECT_EQ(box.message, replugText());
            EXPECT_TRUE(box.warning);
            EXPECT_FALSE(box.cancel || box.ok);
            EXPECT_EQ(box.size, 0);
            EXPECT_EQ(box.purpose, kBoxInstruction);
        }
        // The first closed after the loader, the second by the ending.
        EXPECT_EQ(host.closes, (c.boxes == 2 ? std::vector<int>{1, 2} : std::vector<int>{}));
        EXPECT_FALSE(host.openedMessageBox());
    }
}

// The language the user chose ("Polish", code 4 in this family) goes into the unit-language record
// (group 4) as its low five bits; the headset's answer is not looked at.
TEST_F(HidCamera, KelporHeadsetsAreToldTheirVoicePromptLanguage)
{
    for (const bool answered : {true, false}) {
        SCOPED_TRACE(answered ? "written" : "the write fails");
        arrange(0x3310);
        if (!answered)
            persona.failingWrites = {kUnitLanguageGroup};
        inputs.strLanguageFirmware = "Polish";
        replug();
        useTwoBlocks();
        run();
        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        const std::vector<sim::Bytes> sent = headset.hid().outputs();
        const std::vector<sim::Bytes> language(sent.begin() + 8, sent.begin() + 10);
        EXPECT_EQ(language[0], report_of({0x01, 0x03, 0x04}));
        EXPECT_EQ(language[1], report_of({0x01, 0x04, 0x04, 0x04, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xC4}));
    }
}

TEST_F(HidCamera, WithoutALoaderImageTheBoxStaysUpUntilTheEnding)
{
    replug();
    useBlockList({{2, 4, fwfile::pattern(300, 2)}});
    run();
    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(commands(), (std::vector<uint8_t>{0x01, 0x05, 0x06, 0x07, 0x0D}));
    EXPECT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.closes, (std::vector<int>{1}));
    EXPECT_EQ(seconds(sim::bus().clock().now() - writesOf(kReadiness).at(0).at), 60 + 1 + 2 + 2);
}

// Every command starts from a cleared report: nothing of the block before reaches the verify.
TEST_F(HidCamera, CommandsStartFromClearedReports)
{
    replug();
    useTwoBlocks();
    run();
    const sim::Bytes verify = writesOf(kVerify).at(0).bytes;
    EXPECT_EQ(verify, report_of({0x01, kVerify}));
    EXPECT_EQ(writesOf(kReadiness).at(0).bytes, report_of({0x01, kReadiness}));
    EXPECT_EQ(writesOf(kRunLoader).at(0).bytes, report_of({0x01, kRunLoader}));
}

TEST_F(HidCamera, EachFailingStepEndsTheRun)
{
    using sim::CommandFault;
    struct Case {
        const char* step;
        std::string status;
        int error;
        std::vector<uint8_t> sent; // none after the failure
        std::vector<CommandFault> faults = {};
        std::function<void()> arrange = {};
    };
    const std::vector<uint8_t> polled = then(kImageCommands, {0x0D});
    const Case cases[] = {
        {"opened as the application opens", kNotRecognized, 2, {}, {}, [this] { inputs.opener = hid_open_device; }},
        {"another version",
         kNotRecognized,
         2,
         {0x01},
         {},
         [this] {
             inputs.data.setDeviceVersion({1, 4, 0, 1});
         }},
        {"block entry outside the file",
         kCorrupted,
         3,
         {0x01},
         {},
         [this] {
             useBlockOutsideTheFile({{0, 1, fwfile::pattern(100, 1)}}, 0);
         }},
        {"a file without blocks", kCorrupted, 3, {0x01}, {}, [this] { useBlockList({}); }},
        {"erase", kCannotGetStatus, 1, {0x01, 0x05}, {{0x05, 1}}},
        {"block send", kCannotGetStatus, 1, {0x01, 0x05}, {{0x06, 1, CommandFault::WriteFails}}},
        {"block status", kCannotGetStatus, 1, {0x01, 0x05, 0x06}, {{0x06, 1}}},
        {"verify", kCannotGetStatus, 1, {0x01, 0x05, 0x06, 0x06, 0x07}, {{0x07, 1}}},
        {"run loader after the readiness poll", kCannotGetStatus, 1, then(polled, {0x08}), {{0x08, 1}}},
        {"run loader without the readiness poll",
         kCannotGetStatus,
         1,
         then(kImageCommands, {0x08}),
         {},
         [this] {
             arrange(0x3050);
             persona.commandFaults = {{0x08, 1}};
             useTwoBlocks();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        arrange(0x5610);
        persona.commandFaults = c.faults;
        runFailing(c.arrange);
        expectEnded(c.status, c.error);
        EXPECT_EQ(commands(), c.sent);
        EXPECT_FALSE(host.openedMessageBox()) << "the ending closes the box";
    }
}

// A headset that never gets ready (or goes silent or busy for good during the readiness poll), or
// never comes back, is given up at the bound of its poll with its box closed by the ending: the
// readiness poll within its bound of virtual time, an exchange under way at the bound taking its
// own bound more at most. The bound is five minutes while the re-plug box asks a person to act
// (0x5610), and the ten minutes of 600 one-second polls for a headset polled with no box (0x5320).
TEST_F(HidCamera, SilentHeadsetsAreGivenUpAtTheBounds)
{
    constexpr long long kPersonsBound = 300;
    constexpr long long kHeadsetsBound = 600;
    enum class Away { NeverReady, Silent, Busy, NeverBack };
    struct Case {
        uint16_t product;
        Away away;
        std::vector<int> closes;
        long long bound = 0; // of the readiness poll
    };
    const Case cases[] = {
        {0x5610, Away::NeverReady, {1}, kPersonsBound},
        {0x5320, Away::NeverReady, {}, kHeadsetsBound},
        {0x5610, Away::Silent, {1}, kPersonsBound},
        {0x5320, Away::Busy, {}, kHeadsetsBound},
        {0x5320, Away::Silent, {}, kHeadsetsBound},
        {0x5610, Away::NeverBack, {1, 2}},
        {0x3050, Away::NeverBack, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.product << " " << static_cast<int>(c.away));
        arrange(c.product);
        persona.awayAfterRunLoader = std::nullopt;
        long long at_most = c.bound;
        switch (c.away) {
        case Away::NeverReady: persona.instructionDoneAt = std::nullopt; break;
        case Away::Silent:
            persona.commandFaults = {silent_for_good(kReadiness)};
            at_most += kReportBoundSeconds;
            break;
        case Away::Busy:
            persona.commandFaults = {busy_for_good(kReadiness)};
            at_most += kExchangeBoundSeconds;
            break;
        case Away::NeverBack: break;
        }
        replug();
        pace_busy_answers(headset);
        useTwoBlocks();
        run();
        if (c.away == Away::NeverBack) {
            EXPECT_EQ(status(), kCannotGetStatus);
            EXPECT_EQ(progress().updateRestoreError, 1);
            EXPECT_EQ(commands().back(), kRunLoader);
            const long long after_loader = seconds(sim::bus().clock().now() - writesOf(kRunLoader).at(0).at);
            EXPECT_GE(after_loader, 60 + kivo::kReconnectPollBound);
            EXPECT_LT(after_loader, 60 + kivo::kReconnectPollBound + 10);
        } else {
            expectPollGivenUp(kReadiness, c.bound, at_most);
            if (c.away == Away::NeverReady) {
                EXPECT_EQ(writesOf(kReadiness).size(), static_cast<size_t>(c.bound));
            }
        }
        EXPECT_EQ(host.closes, c.closes);
        EXPECT_FALSE(host.openedMessageBox());
    }
}
