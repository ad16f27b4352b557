// The download-mode headsets: sent into download mode, reopened, every block written on slot 0
// over a command report that keeps what earlier commands left, the readiness poll, the loader, a
// minute, the polls for the headset and the ending, against a simulated download-mode headset in
// virtual time; and how the timer's bar holds while the box flag is set.

#include <functional>

#include "tests/update/engine/paths/block_paths_fixture.h"
#include "update/engine/pacing.h"

namespace {

constexpr uint16_t kProduct = 0x6010;
constexpr uint8_t kEnterDownloadMode = 0x0E;
constexpr uint8_t kVersion = 0x01;
constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kReadiness = 0x0D;

// Opens whichever of two products is there.
kivo::HidOpener open_either(uint16_t first, uint16_t second)
{
    return [a = open_product(first), b = open_product(second)](uint32_t& id, std::span<char> text,
                                                               const kivo::ProductFilter& accept) {
        return a(id, text, accept) == 0 ? 0 : b(id, text, accept);
    };
}

} // namespace

class DownloadMode60 : public BlockPathTest {
protected:
    void SetUp() override
    {
        BlockPathTest::SetUp();
        target(kProduct);
        arrange();
    }

    // A download-mode headset at 1.2, recognized so, ready at the first poll.
    void arrange()
    {
        inputs.opener = open_product(kProduct);
        inputs.data.setDeviceVersion({1, 2, 0, 0});
        persona = {};
        persona.product_id = kProduct;
        persona.version = {1, 2, 0, 0};
        persona.downloadMode = sim::DownloadModePersona{};
        persona.instructionDoneAt = 1;
    }
};

TEST_F(DownloadMode60, EntersDownloadModeWritesEveryBlockAndWaitsForTheHeadset)
{
    replug();
    const fwfile::Bytes loader_image = withVersion(2500, "1.3.0.0", 1);
    const fwfile::Bytes other = fwfile::pattern(300, 2);
    useBlockList({{0, 1, loader_image}, {2, 4, other}});
    run();

    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 98, 99, 100}));
    EXPECT_EQ(commands(),
              (std::vector<uint8_t>{0x0E, 0x01, 0x05, 0x06, 0x06, 0x06, 0x07, 0x05, 0x06, 0x07, 0x0D, 0x08}));
    EXPECT_EQ(headset.image(1), loader_image);
    EXPECT_EQ(headset.image(4), other);
    EXPECT_EQ(headset.version(), (sim::VersionQuad{1, 3, 0, 0}));
    // The first open, the reopen in download mode, one poll after the minute.
    EXPECT_EQ(bus().hid_opens(), (std::vector<uint16_t>{kProduct, kProduct, kProduct}));

    // The waits: 3 s in download mode, 5 s before and after the blocks, a minute after the loader,
    // one poll, 2 s and 2 s more of the ending.
    const kivo::Duration entered = writesOf(kEnterDownloadMode).at(0).at;
    EXPECT_EQ(seconds(writesOf(kVersion).at(0).at - entered), 3);
    EXPECT_EQ(seconds(writesOf(0x05).at(0).at - firstTime(&kivo::UpdateProgress::addUpdateProcessed, 98)), 5);
    EXPECT_EQ(seconds(writesOf(kReadiness).at(0).at - writesOf(kVerify).back().at), 5);
    const kivo::Duration loader = writesOf(kRunLoader).at(0).at;
    const kivo::Duration at_99 = firstTime(&kivo::UpdateProgress::addUpdateProcessed, 99);
    const kivo::Duration at_100 = firstTime(&kivo::UpdateProgress::addUpdateProcessed, 100);
    EXPECT_EQ(seconds(at_99 - loader), 0);
    EXPECT_EQ(seconds(at_100 - loader), 60 + 1 + 2);
    // The flag was set: 100 % as the headset is back, then marker 100 and 100 % again 2 s apart.
    EXPECT_EQ(seconds(at_100 - firstTime(&kivo::UpdateProgress::updateProcessed, 100)), 2);
    EXPECT_EQ(seconds(sim::bus().clock().now() - at_100), 2);
    // The flag without a box: nothing was shown, so nothing is closed.
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.closes.empty());
    EXPECT_FALSE(host.openedMessageBox());
}

TEST_F(DownloadMode60, WithoutALoaderBlockStillWaitsAMinuteAndPolls)
{
    replug();
    useBlockList({{2, 4, fwfile::pattern(300, 2)}, {3, 5, fwfile::pattern(200, 3)}});
    run();
    EXPECT_EQ(progress().updateRestoreError, 0) << status();
    EXPECT_EQ(commands(), (std::vector<uint8_t>{0x0E, 0x01, 0x05, 0x06, 0x07, 0x05, 0x06, 0x07, 0x0D}));
    EXPECT_EQ(seconds(sim::bus().clock().now() - writesOf(kReadiness).at(0).at), 60 + 1 + 2 + 2);
    EXPECT_EQ(bus().hid_opens().size(), 3u);
}

// Byte 3 of the readiness answer 0, or a failed exchange, waits a second before the next poll.
TEST_F(DownloadMode60, ReadinessPollAsksOnceASecond)
{
    using sim::CommandFault;
    struct Case {
        const char* what;
        std::vector<CommandFault> faults;
    };
    const Case cases[] = {
        {"not ready for four polls", {}},
        {"exchanges that fail", {{kReadiness, 1}, {kReadiness, 3}, {kReadiness, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        persona.instructionDoneAt = 5;
        persona.commandFaults = c.faults;
        replug();
        useTwoBlocks();
        run();
        EXPECT_EQ(progress().updateRestoreError, 0) << status();
        const std::vector<sim::HidWrite> polls = writesOf(kReadiness);
        ASSERT_EQ(polls.size(), 5u);
        for (size_t i = 1; i < polls.size(); ++i)
            EXPECT_EQ(seconds(polls[i].at - polls[i - 1].at), 1) << "poll " << i;
        EXPECT_EQ(commands().back(), kRunLoader);
    }
}

// A headset that never gets ready, or goes silent or busy for good, is given up within the poll's
// bound of virtual time (an exchange under way at the bound may take its own bound more), with
// nothing sent after the poll and no box to close. No person acts meanwhile: the headset is given
// the ten minutes of its 600 one-second polls.
TEST_F(DownloadMode60, HeadsetNeverReadyIsGivenUpAtTheBound)
{
    using sim::CommandFault;
    constexpr long long kBound = 600;
    struct Case {
        const char* what;
        std::vector<CommandFault> faults;
        long long atMost; // virtual seconds from the first poll to the end
    };
    const Case cases[] = {
        {"never ready", {}, kBound},
        {"silent for good", {silent_for_good(kReadiness)}, kBound + kReportBoundSeconds},
        {"busy for good", {busy_for_good(kReadiness)}, kBound + kExchangeBoundSeconds},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        persona.instructionDoneAt = std::nullopt;
        persona.commandFaults = c.faults;
        replug();
        pace_busy_answers(headset);
        useTwoBlocks();
        run();
        expectPollGivenUp(kReadiness, kBound, c.atMost);
        if (c.faults.empty()) {
            EXPECT_EQ(writesOf(kReadiness).size(), static_cast<size_t>(kBound));
        }
        EXPECT_FALSE(host.openedMessageBox());
        EXPECT_TRUE(host.closes.empty());
    }
}

TEST_F(DownloadMode60, EachFailingStepEndsTheRun)
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
    const Case cases[] = {
        {"opened as the application opens", kNotRecognized, 2, {}, {}, [this] { inputs.opener = hid_open_device; }},
        {"not back after download mode",
         kNotRecognized,
         2,
         {0x0E},
         {},
         [this] { persona.downloadMode->away = std::nullopt; }},
        {"back as another product",
         kNotRecognized,
         2,
         {0x0E},
         {},
         [this] {
             persona.downloadMode->backAs = 0x6012;
             inputs.opener = open_either(kProduct, 0x6012);
         }},
        {"another version",
         kNotRecognized,
         2,
         {0x0E, 0x01},
         {},
         [this] {
             inputs.data.setDeviceVersion({1, 2, 1, 0});
         }},
        {"block entry outside the file",
         kCorrupted,
         3,
         {0x0E, 0x01},
         {},
         [this] {
             useBlockOutsideTheFile({{0, 1, fwfile::pattern(100, 1)}}, 0);
         }},
        {"a file without blocks", kCorrupted, 3, {0x0E, 0x01}, {}, [this] { useBlockList({}); }},
        // Its answer is only traced; the headset that stayed out of download mode refuses the erase.
        {"download mode refused", kCannotGetStatus, 1, {0x0E, 0x01, 0x05}, {{0x0E, 1}}},
        {"erase", kCannotGetStatus, 1, {0x0E, 0x01, 0x05}, {{0x05, 1}}},
        {"block send", kCannotGetStatus, 1, {0x0E, 0x01, 0x05, 0x06}, {{0x06, 2, CommandFault::WriteFails}}},
        {"block status", kCannotGetStatus, 1, {0x0E, 0x01, 0x05, 0x06}, {{0x06, 1}}},
        {"verify", kCannotGetStatus, 1, {0x0E, 0x01, 0x05, 0x06, 0x06, 0x07}, {{0x07, 1}}},
        {"run loader",
         kCannotGetStatus,
         1,
         {0x0E, 0x01, 0x05, 0x06, 0x06, 0x07, 0x05, 0x06, 0x07, 0x0D, 0x08},
         {{0x08, 1}}},
        {"headset never back",
         kCannotGetStatus,
         1,
         {0x0E, 0x01, 0x05, 0x06, 0x06, 0x07, 0x05, 0x06, 0x07, 0x0D, 0x08},
         {},
         [this] { persona.awayAfterRunLoader = std::nullopt; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        arrange();
        persona.commandFaults = c.faults;
        runFailing(c.arrange);
        expectEnded(c.status, c.error);
        EXPECT_EQ(commands(), c.sent);
        EXPECT_FALSE(host.openedMessageBox());
    }
}

TEST_F(DownloadMode60, HeadsetThatNeverComesBackIsGivenUpAtTheBound)
{
    persona.awayAfterRunLoader = std::nullopt;
    replug();
    useTwoBlocks();
    run();
    EXPECT_EQ(status(), kCannotGetStatus);
    const long long after_loader = seconds(sim::bus().clock().now() - writesOf(kRunLoader).at(0).at);
    EXPECT_GE(after_loader, 60 + kivo::kReconnectPollBound);
    EXPECT_LT(after_loader, 60 + kivo::kReconnectPollBound + 10);
}

// The download-mode headsets and the camera headsets are paced by groups E and F, which hold the
// bar while the box flag is set: here during the readiness poll and the polls after the minute,
// while the bar moves on during the minute between them. The timer ticks every virtual second the
// worker sleeps.
class PacedDownloadMode60 : public DownloadMode60 {
protected:
    // Sleeps in whole seconds through the virtual clock, and ticks the timer at each.
    class TickingClock final : public kivo::Clock {
    public:
        explicit TickingClock(std::function<void()> tick)
            : tick_(std::move(tick))
        { }
        kivo::Duration now() const override { return sim::bus().clock().now(); }
        void sleep_for(kivo::Duration d) override
        {
            const kivo::Duration second = std::chrono::seconds(1);
            for (; d >= second; d -= second) {
                sim::bus().clock().advance(second);
                tick_();
            }
            sim::bus().clock().advance(d);
        }

    private:
        std::function<void()> tick_;
    };

    void TearDown() override
    {
        kivo::install_clock(&sim::bus().clock());
        DownloadMode60::TearDown();
    }
};

TEST_F(PacedDownloadMode60, BarHoldsWhileTheBoxFlagIsSet)
{
    for (const kivo::PacingGroup group : {kivo::PacingGroup::E, kivo::PacingGroup::F}) {
        SCOPED_TRACE(group == kivo::PacingGroup::E ? "group E" : "group F");
        persona.instructionDoneAt = 20;
        replug();
        useTwoBlocks();
        kivo::PacingCounters counters;
        struct Tick {
            bool flag;
            int shown;
        };
        std::vector<Tick> ticks;
        TickingClock clock([&] {
            const bool flag = host.openedMessageBox();
            shared.change([&](kivo::UpdateProgress& p) { kivo::pace_progress(p, group, flag, counters); });
            ticks.push_back({flag, progress().updateProcessed});
        });
        kivo::install_clock(&clock);
        run();
        kivo::install_clock(&sim::bus().clock());

        EXPECT_EQ(progress().updateProcessed, 100);
        size_t held = 0;
        size_t moved = 0;
        for (size_t i = 1; i < ticks.size(); ++i) {
            if (ticks[i].flag) {
                ++held;
                EXPECT_EQ(ticks[i].shown, ticks[i - 1].shown) << "tick " << i;
            } else if (ticks[i].shown != ticks[i - 1].shown) {
                ++moved;
            }
        }
        EXPECT_GE(held, 20u) << "the readiness poll and the poll after the minute";
        EXPECT_GE(moved, 5u) << "the minute of the restart moves the bar";
    }
}
