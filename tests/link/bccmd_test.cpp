// BCCMD messages: framing, the sequence counter, key sizes, answers that go wrong, the interrupt
// read, and which device the messages go to.

#include <algorithm>
#include <cerrno>
#include <vector>

#include "link/usb_state.h"
#include "tests/link/usb_fixture.h"

using namespace std::chrono_literals;
using Bytes = sim::Bytes;

namespace {

std::vector<uint16_t> counting_words(size_t n)
{
    std::vector<uint16_t> words(n);
    for (size_t i = 0; i < n; ++i)
        words[i] = static_cast<uint16_t>(0x0100 + i);
    return words;
}

uint16_t sequence_of(const sim::ControlRecord& r) { return static_cast<uint16_t>(r.data.at(8) | (r.data.at(9) << 8)); }

} // namespace

class Bccmd : public UsbLinkTest { };

TEST_F(Bccmd, MessagesAreFramedByteForByte)
{
    auto device = open_bccmd_headset(0x4D10, {{0x0005, {0x1234}}});
    usb_link_state().bccmd_sequence = 0x1FFFE; // the field carries the low 16 bits
    const std::vector<uint16_t> value = {0xBEEF};
    ASSERT_EQ(bccmd_set_pskey(0x0005, value), 0);
    std::array<uint8_t, kPsKeyBufferSize> out{};
    ASSERT_EQ(bccmd_read_pskey(0x0005, out), 2);
    EXPECT_EQ(out[0], 0xEF);
    EXPECT_EQ(out[1], 0xBE);

    const auto& t = device->usb.transcript();
    ASSERT_EQ(t.size(), 3u);
    for (const sim::ControlRecord& r : t) {
        EXPECT_EQ(r.api, sim::UsbApi::Libusb1);
        EXPECT_EQ(r.setup.request_type, 0x20);
        EXPECT_EQ(r.setup.request, 0);
        EXPECT_EQ(r.setup.value, 0);
        EXPECT_EQ(r.setup.index, 0);
        EXPECT_EQ(r.setup.length, 22);
        EXPECT_EQ(r.timeout_ms, 1000);
    }
    // opcode, length 19, channel, type, W = 9, sequence, varid, status, payload (key, length, store, words)
    EXPECT_EQ(t[0].data, (Bytes{0x00, 0xFC, 0x13, 0xC2, 0x02, 0x00, 0x09, 0x00, 0xFE, 0xFF, 0x03,
                                0x70, 0x00, 0x00, 0x05, 0x00, 0x01, 0x00, 0x01, 0x00, 0xEF, 0xBE}));
    EXPECT_EQ(t[1].data, (Bytes{0x00, 0xFC, 0x13, 0xC2, 0x00, 0x00, 0x09, 0x00, 0xFF, 0xFF, 0x06,
                                0x30, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(t[2].data, (Bytes{0x00, 0xFC, 0x13, 0xC2, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00, 0x03,
                                0x70, 0x00, 0x00, 0x05, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(Bccmd, TheLongestKeyFillsOneMessage)
{
    const std::vector<uint16_t> words = counting_words(117);
    auto device = open_bccmd_headset(0x4D10, {{0x0300, words}});
    std::array<uint8_t, kPsKeyBufferSize> out{};
    ASSERT_EQ(bccmd_read_pskey(0x0300, out), 234);
    for (size_t i = 0; i < words.size(); ++i)
        ASSERT_EQ(out[2 * i] | (out[2 * i + 1] << 8), words[i]) << i;

    const sim::ControlRecord& value_query = device->usb.transcript().back();
    ASSERT_EQ(value_query.data.size(), 254u);
    EXPECT_EQ(value_query.setup.length, 254);
    EXPECT_EQ(value_query.data[2], 251); // 2 x W + 1
    EXPECT_EQ(value_query.data[6] | (value_query.data[7] << 8), 125); // W
    EXPECT_EQ(value_query.data[16] | (value_query.data[17] << 8), 117);

    ASSERT_EQ(bccmd_set_pskey(0x0300, words), 0);
    EXPECT_EQ(device->usb.transcript().back().setup.length, 254);
    EXPECT_EQ(device->usb.ps_store->keys[0x0300], words);
}

TEST_F(Bccmd, KeysThatDoNotFitAreRefusedUnread)
{
    struct Case {
        const char* what;
        size_t key_words;
        size_t buffer_bytes;
    };
    const Case cases[] = {
        {"118 words: past the message payload", 118, kPsKeyBufferSize},
        {"122 words", 122, kPsKeyBufferSize},
        {"123 words", 123, kPsKeyBufferSize},
        {"6 words into 10 bytes", 6, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        auto device = open_bccmd_headset(0x4D10, {{0x0300, counting_words(c.key_words)}});
        std::vector<uint8_t> out(c.buffer_bytes, 0xAA);
        int length = -7;
        EXPECT_EQ(bccmd_get_pskey(0x0300, out, length), kBccmdKeyTooLong);
        EXPECT_EQ(length, -7);
        EXPECT_EQ(out, std::vector<uint8_t>(c.buffer_bytes, 0xAA));
        EXPECT_EQ(device->usb.transcript().size(), 1u) << "the size query alone";
        EXPECT_EQ(bccmd_read_pskey(0x0300, out), 0);
    }
    const std::vector<uint16_t> too_long = counting_words(118);
    auto device = bus().devices().back();
    const size_t before = device->usb.transcript().size();
    EXPECT_EQ(bccmd_set_pskey(0x0300, too_long), kBccmdKeyTooLong);
    EXPECT_EQ(device->usb.transcript().size(), before);
}

TEST_F(Bccmd, EveryMessageTakesTheNextSequenceNumberEvenWhenItFails)
{
    auto device = open_bccmd_headset(0x4D10, {{0x0005, {1}}});
    const std::vector<uint16_t> value = {2};
    ASSERT_EQ(bccmd_set_pskey(0x0005, value), 0);
    device->usb.faults.fail_control = 1;
    EXPECT_EQ(bccmd_set_pskey(0x0005, value), -1);
    usb_select_device(1); // nothing there: the message is built, numbered and dropped
    EXPECT_EQ(bccmd_set_pskey(0x0005, value), -1);
    EXPECT_EQ(errno, ENODEV);
    usb_select_device(0);
    ASSERT_EQ(bccmd_set_pskey(0x0005, value), 0);

    const auto& t = device->usb.transcript();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_LT(t[1].result, 0);
    EXPECT_EQ(sequence_of(t[1]), static_cast<uint16_t>(sequence_of(t[0]) + 1));
    EXPECT_EQ(sequence_of(t[2]), static_cast<uint16_t>(sequence_of(t[0]) + 3));
}

TEST_F(Bccmd, AnswersThatGoWrongFailWithoutTouchingTheCallersBuffer)
{
    struct Case {
        const char* what;
        void (*arm)(sim::Device&);
        int error; // 0: errno is the transfer's business
    };
    const Case cases[] = {
        {"unknown key", [](sim::Device& d) { d.usb.ps_store->keys.erase(0x0005); }, ENXIO},
        {"chip refuses the key", [](sim::Device& d) { d.usb.ps_store->faults.status[0x0005] = 8; }, ENXIO},
        {"no answer", [](sim::Device& d) { d.usb.ps_store->faults.silent = -1; }, EIO},
        {"answer after the reads gave up", [](sim::Device& d) { d.usb.ps_store->answer_delay = 50ms; }, EIO},
        {"another event", [](sim::Device& d) { d.usb.ps_store->faults.not_vendor_event = true; }, EIO},
        {"another channel", [](sim::Device& d) { d.usb.ps_store->faults.wrong_channel = true; }, EIO},
        {"answer one byte short", [](sim::Device& d) { d.usb.ps_store->faults.short_by = 1; }, EIO},
        {"answer cut inside the header", [](sim::Device& d) { d.usb.ps_store->faults.short_by = 12; }, EIO},
        {"control transfer stalls", [](sim::Device& d) { d.usb.faults.fail_control = -1; }, 0},
        {"control transfer times out", [](sim::Device& d) { d.usb.faults.control_timeouts = -1; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        auto device = open_bccmd_headset(0x4D10, {{0x0005, {0x1234, 0x5678}}});
        c.arm(*device);
        std::array<uint8_t, kPsKeyBufferSize> out;
        out.fill(0xAA);
        int length = -7;
        errno = 0;
        EXPECT_EQ(bccmd_get_pskey(0x0005, out, length), -1);
        if (c.error != 0) {
            EXPECT_EQ(errno, c.error);
        }
        EXPECT_EQ(length, -7);
        EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](uint8_t b) { return b == 0xAA; }));
        EXPECT_EQ(bccmd_read_pskey(0x0005, out), 0);
    }
}

TEST_F(Bccmd, AnswersArriveWholeAfterWhatWasWaiting)
{
    auto device = open_bccmd_headset(0x4D10, {{0x0005, {0x1234, 0x5678}}});
    // A stale answer (with an error status) waits on the endpoint; the answer comes in pieces.
    device->usb.queue_interrupt({0xFF, 0x0B, 0xC2, 0x01, 0x00, 0x09, 0x00, 0x00, 0x00, 0x03, 0x70, 0x03, 0x00});
    device->usb.faults.interrupt_chunk = 16;
    std::array<uint8_t, kPsKeyBufferSize> out{};
    ASSERT_EQ(bccmd_read_pskey(0x0005, out), 4);
    EXPECT_EQ(out[0] | (out[1] << 8), 0x1234);
    EXPECT_EQ(out[2] | (out[3] << 8), 0x5678);
}

TEST_F(Bccmd, ResetVaridsExpectNoAnswer)
{
    auto device = open_bccmd_headset(0x4D10);
    std::array<uint8_t, 8> payload{};
    EXPECT_EQ(bccmd_transact(kBccmdSetRequest, bccmd_next_sequence(), 0x4002, payload), 0);
    EXPECT_EQ(device->usb.transcript().back().data[10], 0x02);
}

TEST_F(Bccmd, AnUnfinishedInterruptReadIsEndedBeforeItReturns)
{
    auto device = open_bccmd_headset(0x4D10);
    device->usb.queue_interrupt({1, 2, 3}, 20ms); // later than the read waits, sooner than its time-out
    std::array<uint8_t, 8> buffer;
    buffer.fill(0xEE);
    EXPECT_EQ(usb_read_hci_event(buffer, 1000), 0);
    EXPECT_EQ(bus().usb_transfers_in_flight(), 0);
    EXPECT_EQ(usb_link_state().transfer_done, false);
    EXPECT_EQ(buffer, (std::array<uint8_t, 8>{0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));

    kivo::sleep_ms(20);
    EXPECT_EQ(usb_read_hci_event(buffer, 10), 3) << "the data was left for the next read";
    EXPECT_EQ(usb_link_state().transfer_done, true);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_EQ(usb_read_hci_event(buffer, 10), 0);
    EXPECT_EQ(usb_link_state().transfer_done, false);
}

TEST_F(Bccmd, MessagesGoToTheSelectedDevice)
{
    plug(sim::make_bccmd_device(0x5310, {{0x0005, {0x1111}}}));
    plug(sim::make_bccmd_device(0xD310, {{0x0005, {0x2222}}}));
    ASSERT_EQ(open(0), 0);
    ASSERT_EQ(usb_device_count(), 2);
    std::array<uint8_t, kPsKeyBufferSize> out{};
    struct Step {
        int select;
        int accepted;
        uint16_t expected;
    };
    for (const Step& s : {Step{1, 1, 0x2222}, Step{2, 0, 0x2222}, Step{-1, 0, 0x2222}, Step{0, 1, 0x1111}}) {
        EXPECT_EQ(usb_select_device(s.select), s.accepted);
        ASSERT_EQ(bccmd_read_pskey(0x0005, out), 2);
        EXPECT_EQ(out[0] | (out[1] << 8), s.expected) << s.select;
    }
}
