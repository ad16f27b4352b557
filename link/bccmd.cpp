#include "link/bccmd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "link/usb_state.h"

namespace {

constexpr uint8_t kChannel = 0xC2; // first and last fragment, channel 2
constexpr uint8_t kVendorEvent = 0xFF;
constexpr size_t kMessageHeader = 14; // opcode, parameter length, channel, type, W, sequence, varid, status
constexpr size_t kAnswerHeader = 13; // event code, parameter length, channel, type, W, sequence, varid, status
constexpr size_t kAnswerStatus = 11;
constexpr uint8_t kInterruptIn = 0x81;
constexpr int kDrainTimeoutMs = 2;
constexpr int kAnswerTimeoutMs = 10;
constexpr int kControlTimeoutMs = 1000;
constexpr long kEventWaitUs = 10'000;
// A cancelled transfer calls back at the next event handling; this many rounds is far beyond that.
constexpr int kCancelWaitRounds = 500;

void put16(uint8_t* at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value & 0xFF);
    at[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

uint16_t get16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

// The message length in words: 9 for payloads under 8 bytes, else header words plus payload.
uint16_t message_words(size_t payload_bytes)
{
    return payload_bytes < 8 ? 9 : static_cast<uint16_t>((payload_bytes + 1) / 2 + 5);
}

// One read in flight: the transfer writes into its own buffer, copied out only after its callback.
struct HciRead {
    std::array<uint8_t, kHciEventBufferSize> bytes{};
    bool finished = false;
};

void LIBUSB_CALL usb_event_transfer_done(libusb_transfer* transfer)
{
    static_cast<HciRead*>(transfer->user_data)->finished = true;
    if (transfer->status == LIBUSB_TRANSFER_COMPLETED)
        usb_link_state().transfer_done = true;
}

void handle_events_once()
{
    timeval wait{0, kEventWaitUs};
    libusb_handle_events_timeout(nullptr, &wait);
}

// Reads the answer events, appending, until a read brings nothing.
size_t read_answer(std::array<uint8_t, kHciEventBufferSize>& answer)
{
    size_t received = 0;
    while (received < answer.size()) {
        const int n = usb_read_hci_event(std::span(answer).subspan(received), kAnswerTimeoutMs);
        if (n <= 0)
            break;
        received += static_cast<size_t>(n);
    }
    return received;
}

int fail(int error)
{
    errno = error;
    return -1;
}

} // namespace

int usb_read_hci_event(std::span<uint8_t> buffer, int timeout_ms)
{
    libusb_device_handle* handle = usb_selected_handle();
    if (handle == nullptr || buffer.empty())
        return 0;
    libusb_transfer* transfer = libusb_alloc_transfer(0);
    if (transfer == nullptr)
        return 0;
    auto read = std::make_unique<HciRead>();
    const int length = static_cast<int>(std::min(buffer.size(), read->bytes.size()));
    libusb_fill_interrupt_transfer(transfer, handle, kInterruptIn, read->bytes.data(), length, usb_event_transfer_done,
                                   read.get(), static_cast<unsigned>(timeout_ms));
    usb_link_state().transfer_done = false;
    if (libusb_submit_transfer(transfer) < 0) {
        libusb_free_transfer(transfer);
        return 0;
    }
    handle_events_once();
    if (!read->finished)
        libusb_cancel_transfer(transfer);
    // Never return while the transfer may still complete: it would finish into memory we no longer
    // own, or set the done flag of the next read.
    for (int round = 0; !read->finished && round < kCancelWaitRounds; ++round)
        handle_events_once();
    if (!read->finished) {
        (void)read.release(); // the library still owns the transfer and its buffer
        return 0;
    }
    const int received = std::clamp(transfer->actual_length, 0, length);
    std::copy_n(read->bytes.begin(), received, buffer.begin());
    libusb_free_transfer(transfer);
    return received;
}

uint32_t bccmd_next_sequence() { return usb_link_state().bccmd_sequence++; }

int bccmd_transact(uint16_t type, uint32_t sequence, uint16_t varid, std::span<uint8_t> payload)
{
    if (payload.size() > kBccmdMaxPayload)
        return fail(EINVAL);
    const uint16_t words = message_words(payload.size());
    std::array<uint8_t, kMessageHeader + kBccmdMaxPayload> message{};
    put16(&message[0], 0xFC00);
    message[2] = static_cast<uint8_t>(2 * words + 1);
    message[3] = kChannel;
    put16(&message[4], type);
    put16(&message[6], words);
    put16(&message[8], sequence); // the low 16 bits of the counter
    put16(&message[10], varid);
    put16(&message[12], 0);
    std::copy(payload.begin(), payload.end(), message.begin() + kMessageHeader);

    libusb_device_handle* handle = usb_selected_handle();
    if (handle == nullptr)
        return fail(ENODEV);
    std::array<uint8_t, kHciEventBufferSize> answer{};
    usb_read_hci_event(answer, kDrainTimeoutMs); // an old event must not pass for the answer

    const int sent = libusb_control_transfer(handle, 0x20, 0, 0, 0, message.data(),
                                             static_cast<uint16_t>(2 * words + 4), kControlTimeoutMs);
    if (sent < 0)
        return -1;
    if (varid >= 0x4001 && varid <= 0x4004) // resets: the chip does not answer
        return 0;

    answer.fill(0);
    const size_t received = read_answer(answer);
    if (received < 3 || answer[0] != kVendorEvent || answer[2] != kChannel)
        return fail(EIO);
    if (received < kAnswerHeader)
        return fail(EIO);
    if (get16(&answer[kAnswerStatus]) != 0)
        return fail(ENXIO);
    if (received < kAnswerHeader + payload.size())
        return fail(EIO); // a short answer must not pass stale bytes off as key data
    std::copy_n(answer.begin() + kAnswerHeader, payload.size(), payload.begin());
    return 0;
}

int bccmd_get_pskey(uint16_t key, std::span<uint8_t> out, int& length_bytes)
{
    std::array<uint8_t, 8> size_query{};
    put16(&size_query[0], key);
    if (bccmd_transact(kBccmdGetRequest, bccmd_next_sequence(), kBccmdVaridPsSize, size_query) != 0)
        return -1;
    const uint16_t words = get16(&size_query[2]);
    if (words > kBccmdMaxKeyWords || 2u * words > out.size())
        return kBccmdKeyTooLong;

    std::array<uint8_t, kBccmdMaxPayload> value{};
    const size_t payload_bytes = 6 + 2u * words;
    put16(&value[0], key);
    put16(&value[2], words);
    put16(&value[4], 0);
    if (bccmd_transact(kBccmdGetRequest, bccmd_next_sequence(), kBccmdVaridPs, std::span(value).first(payload_bytes)) !=
        0)
        return -1;
    std::copy_n(value.begin() + 6, 2u * words, out.begin());
    length_bytes = 2 * words;
    return 0;
}

int bccmd_set_pskey(uint16_t key, std::span<const uint16_t> words)
{
    if (words.size() > kBccmdMaxKeyWords)
        return kBccmdKeyTooLong;
    std::array<uint8_t, kBccmdMaxPayload> payload{};
    put16(&payload[0], key);
    put16(&payload[2], static_cast<uint32_t>(words.size()));
    put16(&payload[4], 1);
    for (size_t i = 0; i < words.size(); ++i)
        put16(&payload[6 + 2 * i], words[i]);
    return bccmd_transact(kBccmdSetRequest, bccmd_next_sequence(), kBccmdVaridPs,
                          std::span(payload).first(6 + 2 * words.size()));
}

int bccmd_read_pskey(uint16_t key, std::span<uint8_t> buffer)
{
    int length = 0;
    return bccmd_get_pskey(key, buffer, length) == 0 ? length : 0;
}

int bccmd_read_pskey_data(uint16_t key, std::span<uint8_t> buffer) { return bccmd_read_pskey(key, buffer); }

namespace {

int read_into(uint16_t key, std::span<uint8_t> buffer)
{
    std::array<uint8_t, 256> bytes{};
    const int n = bccmd_read_pskey(key, bytes);
    const size_t copied = std::min(static_cast<size_t>(n), buffer.size());
    std::copy_n(bytes.begin(), copied, buffer.begin());
    return static_cast<int>(copied);
}

} // namespace

int bccmd_read_device_name(std::span<uint8_t> buffer) { return read_into(0x0108, buffer); }

int bccmd_read_bdaddr(std::span<uint8_t> buffer) { return read_into(0x0001, buffer); }
