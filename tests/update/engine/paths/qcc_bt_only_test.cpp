// The single-image Qualcomm path and the HID image write it is made of, against a simulated
// headset with a loader face, in virtual time.

#include <algorithm>
#include <functional>
#include <string>

#include "common/page_ids.h"
#include "device/products/update_paths.h"
#include "tests/update/engine/update_fixture.h"
#include "text/instruction_texts.h"
#include "update/engine/family_paths.h"
#include "update/engine/hid/hid_image.h"

namespace {

constexpr uint16_t kPlainProduct = 0x5590;

// An image whose bytes carry the version the headset reports once it runs it.
fwfile::Bytes image_with_version(size_t size, const std::string& version)
{
    fwfile::Bytes image = fwfile::pattern(size, 11);
    const std::string marker = "SIMVERSION=" + version;
    std::copy(marker.begin(), marker.end(), image.begin() + 100);
    return image;
}

long long seconds_between(const sim::HidWrite& a, const sim::HidWrite& b)
{
    return std::chrono::duration_cast<std::chrono::seconds>(b.at - a.at).count();
}

} // namespace

class QccBtOnly : public UpdateRunTest {
protected:
    void SetUp() override
    {
        UpdateRunTest::SetUp();
        target(kPlainProduct);
        persona.product_id = kPlainProduct;
        persona.version = {1, 0, 0, 0};
    }

    void plug() { headset = sim::plug_headset(persona); }
    std::vector<uint8_t> commands() const { return sim::commands_sent(headset.hid()); }
    std::vector<sim::HidWrite> writes() const { return headset.hid().transcript(); }

    sim::HeadsetPersona persona;
    sim::PluggedHeadset headset;
};

TEST_F(QccBtOnly, WritesSectionZeroAsImageZeroAndComesBackWithItsVersion)
{
    persona.factoryRecords = std::map<uint8_t, std::vector<uint16_t>>{{0x3C, {0x0001, 0x0203}}};
    plug();
    const fwfile::Bytes image = image_with_version(2500, "2.2.0.0");
    fwfile::Bytes file = useFirmware({image});
    // The entry names image 5: the path erases image 0 all the same.
    fwfile::put_le32(file, fwfile::entry_position(1, false, 0) + FirmwareContainer::kEntryImageIdField, 5);
    useFile(file);
    run();

    EXPECT_EQ(progress().updateRestoreError, 0);
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(status(), "On updating firmware.");
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 90, 99}));
    const auto at_90 = std::find_if(changes.begin(), changes.end(), [](auto& p) { return p.updateProcessed == 90; });
    EXPECT_NE(at_90, changes.end()) << "90 % before the last second";

    EXPECT_EQ(commands(), (std::vector<uint8_t>{0x13, 0x05, 0x06, 0x06, 0x0E, 0x07, 0x08, 0x0A}));
    const std::vector<sim::HidWrite> w = writes();
    EXPECT_EQ(w[1].bytes[2], 0) << "erased as image 0";
    EXPECT_GE(seconds_between(w[0], w[1]), 2 + 1) << "the loader restart's wait";
    EXPECT_GE(seconds_between(w[6], w[7]), 6 + 1) << "the run loader's wait";
    EXPECT_EQ(headset.image(0), image);
    EXPECT_EQ(headset.version().major, 2);
    EXPECT_EQ(headset.version().minor, 2);
    EXPECT_EQ(headset.record(0x3C), (std::vector<uint16_t>{0x0001, 0x0203}));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(QccBtOnly, BlocksAreSplitAt1019Bytes)
{
    struct Case {
        size_t length;
        bool lastOwnCommand;
        std::vector<std::pair<uint8_t, size_t>> blocks;
    };
    const Case cases[] = {
        {0, true, {}},
        {1, true, {{0x0E, 1}}},
        {1019, true, {{0x0E, 1019}}},
        {1020, true, {{0x06, 1019}, {0x0E, 1}}},
        {2039, true, {{0x06, 1019}, {0x06, 1019}, {0x0E, 1}}},
        {1020, false, {{0x06, 1019}, {0x06, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.length << (c.lastOwnCommand ? "" : " (0x06 throughout)"));
        bus().reset();
        plug();
        const fwfile::Bytes data = fwfile::pattern(c.length, 5);
        kivo::UpdateRun update(inputs, shared, host);
        uint32_t opened = 0;
        std::array<char, 64> text{};
        ASSERT_EQ(hid_open_device(opened, text), 0);
        kivo::HidImageWrite how;
        how.lastBlockOwnCommand = c.lastOwnCommand;
        ASSERT_TRUE(kivo::write_hid_image(update, {3, data}, kivo::kQccBtOnlyTags, how));
        hid_close_devices();

        std::vector<std::pair<uint8_t, size_t>> blocks;
        for (const sim::Bytes& out : headset.hid().outputs())
            if (out[1] == 0x06 || out[1] == 0x0E)
                blocks.push_back({out[1], size_t{out[2]} << 8 | out[3]});
        EXPECT_EQ(blocks, c.blocks);
        EXPECT_EQ(headset.image(3), data);
        const std::vector<uint8_t> sent = commands();
        EXPECT_EQ(sent.front(), 0x05);
        EXPECT_EQ(sent[sent.size() - 3], 0x07) << "verify follows the last block";
    }
}

TEST_F(QccBtOnly, EachFailingStepEndsTheRunWithItsTag)
{
    using sim::CommandFault;
    struct Case {
        const char* tag;
        std::vector<CommandFault> faults;
        size_t commandsSent; // none after the failure
        bool staysAway = false;
    };
    const Case cases[] = {
        {"[B][00]", {{0x13, 1, CommandFault::FinalStatus}}, 1},
        {"[B][0]", {{0x05, 1, CommandFault::FinalStatus}}, 2},
        {"[B][1]", {{0x06, 2, CommandFault::WriteFails}}, 3},
        {"[B][2]", {{0x0E, 1, CommandFault::FinalStatus, 3}}, 5},
        {"[B][3]", {{0x07, 1, CommandFault::FinalStatus}}, 6},
        {"[B][3]", {{0x07, 1, CommandFault::Silent}}, 6}, // until the link's report bound
        {"[B][4]", {{0x08, 1, CommandFault::FinalStatus}}, 7},
        {"[B][6]", {{0x0A, 1, CommandFault::FinalStatus}}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        bus().reset();
        persona.commandFaults = c.faults;
        plug();
        useFirmware({fwfile::pattern(2500, 9)});
        run();
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(status(), std::string("Failed to update firmware. Cannot get status") + c.tag);
        EXPECT_EQ(commands().size(), c.commandsSent);
        EXPECT_EQ(bus().open_hid_handles(), 0);
        EXPECT_TRUE(shared.updateFinished());
    }
}

TEST_F(QccBtOnly, BusyAnswersKeepTheExchangeReading)
{
    using sim::CommandFault;
    persona.commandFaults = {
        {0x05, 1, CommandFault::Busy, 0, 5}, {0x06, 1, CommandFault::Busy, 0, 2}, {0x07, 1, CommandFault::Busy, 0, 40}};
    plug();
    useFirmware({fwfile::pattern(2500, 9)});
    run();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(progress().updateRestoreError, 0);
}

TEST_F(QccBtOnly, HeadsetThatNeverComesBackIsGivenUpAtTheBound)
{
    struct Case {
        const char* tag;
        bool afterRestart;
    };
    for (const Case c : {Case{"[B][9]", true}, Case{"[B][5]", false}}) {
        SCOPED_TRACE(c.tag);
        bus().reset();
        persona.awayAfterRestart =
            c.afterRestart ? std::nullopt : std::optional<kivo::Duration>(std::chrono::seconds(1));
        persona.awayAfterRunLoader = std::nullopt;
        plug();
        useFirmware({fwfile::pattern(100, 9)});
        run();
        EXPECT_EQ(status(), std::string("Failed to update firmware. Cannot get status") + c.tag);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_GE(virtualSeconds(), kivo::kReconnectPollBound);
        EXPECT_LT(virtualSeconds(), kivo::kReconnectPollBound + 60);
        EXPECT_EQ(commands().back(), c.afterRestart ? 0x13 : 0x08);
    }
}

TEST_F(QccBtOnly, ImageOutsideTheFileSendsNothing)
{
    plug();
    fwfile::Bytes file = useFirmware({fwfile::pattern(2500, 9)});
    // The loader checks the extended table of this product; the path reads the other one.
    fwfile::put_le32(file, fwfile::entry_position(1, false, 0) + FirmwareContainer::kEntryLengthField, 1 << 30);
    useFile(file);
    run();
    EXPECT_EQ(progress().updateRestoreError, 3);
    EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
    EXPECT_TRUE(commands().empty());
}

TEST_F(QccBtOnly, ImageThatDoesNotMatchItsDigestSendsNothing)
{
    plug();
    fwfile::Bytes file = useFirmware({fwfile::pattern(2500, 9)});
    // The extended table the loader checks stays intact; the entry the path reads names the file's
    // own header, under the digest of the real image.
    const size_t entry = fwfile::entry_position(1, false, 0);
    fwfile::put_le32(file, entry + FirmwareContainer::kEntryOffsetField, 0);
    fwfile::put_le32(file, entry + FirmwareContainer::kEntryLengthField, FirmwareContainer::kTableOffset);
    useFile(file);
    run();
    EXPECT_EQ(progress().updateRestoreError, 3);
    EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
    EXPECT_EQ(markers(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(commands().empty());
    EXPECT_TRUE(headset.image(0).empty());
}

// The headsets that need the user to act: a box before the loader restart and one after the
// update, each up while the worker polls the headset once a second, closed by the worker once the
// headset reports the step.
class QccBtOnlyInstructions : public QccBtOnly {
protected:
    void SetUp() override
    {
        QccBtOnly::SetUp();
        target(kInstructionProduct);
        persona.product_id = kInstructionProduct;
        persona.instructionDoneAt = 1;
        persona.readyAfterRunLoaderAt = 1;
    }

    long sent(uint8_t command) const
    {
        const std::vector<uint8_t> all = commands();
        return std::count(all.begin(), all.end(), command);
    }

    static constexpr uint16_t kInstructionProduct = 0x4D16;
    static constexpr uint8_t kInstructionPoll = 0x0D;
    static constexpr uint8_t kReadyState = 0x12;
};

TEST_F(QccBtOnlyInstructions, BoxesStayUpUntilTheHeadsetReportsEachStep)
{
    persona.instructionDoneAt = std::nullopt;
    persona.readyAfterRunLoaderAt = 4;
    plug();
    // The user acts on the headset half a minute into the first box.
    bus().schedule(std::chrono::seconds(30), [this] { headset.setInstructionDone(); });
    std::vector<std::vector<uint8_t>> sent_at_close;
    host.onClose = [&] { sent_at_close.push_back(commands()); };
    const fwfile::Bytes image = image_with_version(2500, "3.1.0.0");
    useFirmware({image});
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 99})) << "no 90: the transfer phase is paced to the end";
    EXPECT_EQ(headset.image(0), image);
    EXPECT_EQ(headset.version().major, 3);

    ASSERT_EQ(host.boxes.size(), 2u);
    const std::string texts[] = {kivo::InstructionTexts::getMessageBoxFirstButton(kInstructionProduct, 0),
                                 kivo::InstructionTexts::getMessageBoxSecondButton(kInstructionProduct, 0)};
    for (size_t i = 0; i < 2; ++i) {
        const FakeUpdateHost::Box& box = host.boxes[i];
        EXPECT_EQ(box.message, texts[i]);
        EXPECT_TRUE(box.warning);
        EXPECT_FALSE(box.cancel);
        EXPECT_FALSE(box.ok);
        EXPECT_EQ(box.size, 0);
        EXPECT_EQ(box.purpose, kBoxInstruction);
    }
    EXPECT_EQ(host.closes, (std::vector<int>{1, 2})) << "both closed by the worker";
    ASSERT_EQ(sent_at_close.size(), 2u);
    EXPECT_EQ(sent_at_close[0].back(), kInstructionPoll) << "closed once the poll said done, before the restart";
    EXPECT_EQ(sent_at_close[1].back(), kReadyState);
    EXPECT_EQ(sent(kReadyState), 4);

    const std::vector<sim::HidWrite> polls = sim::writes_of(headset.hid(), kInstructionPoll);
    EXPECT_GE(polls.size(), 30u);
    EXPECT_LE(polls.size(), 32u);
    for (size_t i = 1; i < polls.size(); ++i)
        EXPECT_GE(polls[i].at - polls[i - 1].at, std::chrono::seconds(1)) << "never faster than once a second";
}

TEST_F(QccBtOnlyInstructions, BoxFoundOpenIsNotOpenedAgainButThePollRuns)
{
    plug();
    // Another box of the run is up when the first instruction is due.
    bus().schedule(std::chrono::seconds(0), [this] { host.setOpenedMessageBox(true); });
    useFirmware({fwfile::pattern(1500, 3)});
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(sent(kInstructionPoll), 1);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].message, kivo::InstructionTexts::getMessageBoxSecondButton(kInstructionProduct, 0));
    EXPECT_EQ(host.closes, std::vector<int>{1}) << "the box someone else opened stays";
}

// A user who never acts, a headset gone, failing, silent or busy for good, a readiness that fails
// or never comes: the run ends with the poll's tag within the poll's bound of virtual time (an
// exchange under way at the bound may take its own bound more), polling at most once a second, and
// the ending closes the box. On each of the four products that ask the user to act.
TEST_F(QccBtOnlyInstructions, PollsEndWithinTheirBound)
{
    using sim::CommandFault;
    constexpr long long kBound = kivo::kUserPollBoundSeconds;
    struct Case {
        const char* what;
        std::function<void(sim::HeadsetPersona&)> arrange;
        const char* tag;
        long polls; // of the command polled last, as the headset saw them; -1: not counted
        long long atLeast; // virtual seconds from its first poll to the end
        long long atMost;
        std::vector<int> closes; // by the worker, then the ending
    };
    const Case cases[] = {
        {"user never acts",
         [](sim::HeadsetPersona& p) { p.instructionDoneAt = std::nullopt; },
         "[B][8]",
         kBound,
         kBound,
         kBound,
         {1}},
        {"instruction poll failing",
         [](sim::HeadsetPersona& p) { p.failingCommands = {kInstructionPoll}; },
         "[B][8]",
         kBound,
         kBound,
         kBound,
         {1}},
        {"headset gone during the instruction poll",
         [](sim::HeadsetPersona& p) {
             p.instructionDoneAt = std::nullopt;
             p.commandFaults = {{kInstructionPoll, 3, CommandFault::Leaves}};
         },
         "[B][8]",
         3,
         kBound,
         kBound,
         {1}},
        {"instruction poll silent for good",
         [&](sim::HeadsetPersona& p) { p.commandFaults = {silent_for_good(kInstructionPoll)}; },
         "[B][8]",
         -1,
         kBound,
         kBound + kReportBoundSeconds,
         {1}},
        {"instruction poll busy for good",
         [&](sim::HeadsetPersona& p) { p.commandFaults = {busy_for_good(kInstructionPoll)}; },
         "[B][8]",
         -1,
         kBound,
         kBound + kExchangeBoundSeconds,
         {1}},
        {"readiness command failing",
         [](sim::HeadsetPersona& p) {
             p.commandFaults = {{kReadyState, 1}};
         },
         "[B][7]",
         1,
         0,
         0,
         {1, 2}},
        {"readiness staying 0",
         [](sim::HeadsetPersona& p) { p.readyAfterRunLoaderAt = std::nullopt; },
         "[B][7]",
         kBound,
         kBound,
         kBound,
         {1, 2}},
        // The readiness command's failed exchange ends the poll at once.
        {"readiness silent for good",
         [&](sim::HeadsetPersona& p) { p.commandFaults = {silent_for_good(kReadyState)}; },
         "[B][7]",
         1,
         kReportBoundSeconds,
         kReportBoundSeconds,
         {1, 2}},
        {"readiness busy for good",
         [&](sim::HeadsetPersona& p) { p.commandFaults = {busy_for_good(kReadyState)}; },
         "[B][7]",
         1,
         kExchangeBoundSeconds,
         kExchangeBoundSeconds,
         {1, 2}},
    };
    for (const uint16_t product : {uint16_t{0x4D16}, uint16_t{0x4D06}, uint16_t{0x4D76}, uint16_t{0x4D86}}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << std::hex << product << ": " << c.what);
            bus().reset();
            host.reset();
            target(product);
            persona.product_id = product;
            persona.instructionDoneAt = 1;
            persona.readyAfterRunLoaderAt = 1;
            persona.failingCommands.clear();
            persona.commandFaults.clear();
            c.arrange(persona);
            plug();
            pace_busy_answers(headset);
            useFirmware({fwfile::pattern(1500, 3)});
            run();

            EXPECT_EQ(status(), std::string("Failed to update firmware. Cannot get status") + c.tag);
            EXPECT_EQ(progress().updateRestoreError, 1);
            const uint8_t polled = std::string(c.tag) == "[B][8]" ? kInstructionPoll : kReadyState;
            EXPECT_EQ(commands().back(), polled) << "no command after the poll";
            if (c.polls >= 0) {
                EXPECT_EQ(sent(polled), c.polls);
            }
            const std::vector<sim::HidWrite> polls = sim::writes_of(headset.hid(), polled);
            ASSERT_FALSE(polls.empty());
            for (size_t i = 1; i < polls.size(); ++i)
                EXPECT_GE(polls[i].at - polls[i - 1].at, std::chrono::seconds(1)) << "never faster than once a second";
            const long long spent =
                std::chrono::duration_cast<std::chrono::seconds>(sim::bus().clock().now() - polls.front().at).count();
            EXPECT_GE(spent, c.atLeast);
            EXPECT_LE(spent, c.atMost);
            EXPECT_EQ(host.closes, c.closes);
            EXPECT_FALSE(host.openedMessageBox());
            EXPECT_EQ(bus().open_hid_handles(), 0);
        }
    }
}

TEST_F(QccBtOnly, ReconnectWaitForms)
{
    struct Case {
        kivo::ReconnectForm form;
        bool openAfter;
    };
    for (const Case c : {Case{kivo::ReconnectForm::CloseAndReopen, true}, Case{kivo::ReconnectForm::PollOnly, false}}) {
        bus().reset();
        plug();
        uint32_t opened = 0;
        std::array<char, 64> text{};
        ASSERT_EQ(hid_open_device(opened, text), 0) << "the link is open before the headset restarts";
        bus().leave(headset.headset, std::chrono::milliseconds(100), std::chrono::seconds(3));
        kivo::UpdateRun update(inputs, shared, host);
        EXPECT_TRUE(kivo::reconnect_wait(update, 5, c.form));
        EXPECT_EQ(bus().open_hid_handles(), c.openAfter ? 1 : 0);
        EXPECT_GE(virtualSeconds(), 5 + 1);
        hid_close_devices();
    }
}
