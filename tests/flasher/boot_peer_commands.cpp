#include <algorithm>

#include "tests/flasher/boot_peer.h"
#include "tests/flasher/boot_peer_wire.h"
#include "tests/flasher/crc_reference.h"

// The command handlers of the peer: one per command of the wire protocol.

namespace flasher_test {

void BootPeer::serve_command(uint8_t code)
{
    uint8_t complement = 0;
    if (!take(&complement, 1))
        return;
    {
        std::lock_guard lock(mutex_);
        transcript_.push_back({true, {code, complement}, true});
    }
    if ((code ^ complement) != 0xFF) {
        send({kNack});
        return;
    }
    const bool offered = std::find(config_.commands.begin(), config_.commands.end(), code) != config_.commands.end();
    if (!offered) {
        if (code != 0xFF) // FF 00 is the resynchronisation frame
            violation("command " + code_text(code) + " not offered");
        send({kNack});
        return;
    }
    const std::optional<Fault> fault = fault_for(code);
    if (fault && fault->kind == FaultKind::Silence)
        return;
    switch (code) {
    case 0x00:
    case 0x01:
    case 0x02: serve_get(code, fault); break;
    case 0x11: serve_read(fault); break;
    case 0x21: serve_go(fault); break;
    case 0x31:
    case 0x32: serve_write(fault); break;
    case 0x43:
    case 0x44:
    case 0x45: serve_erase(code, fault); break;
    case 0x63:
    case 0x64:
    case 0x73:
    case 0x74:
    case 0x82:
    case 0x83:
    case 0x92:
    case 0x93: serve_protection(code, fault); break;
    case 0xA1: serve_checksum(fault); break;
    default: send({kNack}); break;
    }
}

// GET, GVR and GET ID: an acknowledge, the data, an acknowledge.
void BootPeer::serve_get(uint8_t code, const std::optional<Fault>& fault)
{
    if (fault && fault->kind == FaultKind::Nack) {
        send({kNack});
        return;
    }
    send({kAck});
    // Sized first, then filled: GCC 12 warns wrongly about inserting into a vector of two bytes.
    Bytes data;
    if (code == 0x00) {
        data.resize(2 + config_.commands.size());
        data[0] = static_cast<uint8_t>(config_.commands.size());
        data[1] = config_.bootloader_version;
        std::copy(config_.commands.begin(), config_.commands.end(), data.begin() + 2);
    } else if (code == 0x01) {
        data = Bytes{config_.gvr_version, config_.option_byte_1, config_.option_byte_2};
    } else {
        data.resize(3 + config_.id_extra.size());
        data[0] = static_cast<uint8_t>(1 + config_.id_extra.size());
        data[1] = static_cast<uint8_t>(config_.product_id >> 8);
        data[2] = static_cast<uint8_t>(config_.product_id);
        std::copy(config_.id_extra.begin(), config_.id_extra.end(), data.begin() + 3);
    }
    reply_data(data, fault);
}

void BootPeer::serve_read(const std::optional<Fault>& fault)
{
    if (read_protected()) {
        send({kNack});
        return;
    }
    send({kAck});
    Bytes address_frame;
    if (!take_frame(5, address_frame))
        return;
    if (xor_of(address_frame) != 0) {
        violation("read: bad address checksum");
        send({kNack});
        return;
    }
    const uint32_t address = be32(address_frame);
    if (!region(address, 1)) {
        send({kNack});
        return;
    }
    send({kAck});
    Bytes length_frame;
    if (!take_frame(2, length_frame))
        return;
    if ((length_frame[0] ^ length_frame[1]) != 0xFF) {
        violation("read: bad length complement");
        send({kNack});
        return;
    }
    const uint32_t length = length_frame[0] + 1u;
    const std::optional<Region> where = region(address, length);
    if (!where || (fault && fault->kind == FaultKind::Nack)) {
        send({kNack});
        return;
    }
    if (fault && fault->kind == FaultKind::LoseReply)
        return;
    finish(fault, kAck);
    Bytes data;
    {
        std::lock_guard lock(mutex_);
        data.assign(where->bytes->begin() + where->offset, where->bytes->begin() + where->offset + length);
        counters_.read_payload += length;
    }
    if (fault && fault->kind == FaultKind::CorruptByte)
        data[static_cast<size_t>(fault->param) % data.size()] ^= 0x5A;
    if (fault && fault->kind == FaultKind::ShortReply)
        data.resize(std::min<size_t>(data.size(), static_cast<size_t>(fault->param)));
    send(data);
}

void BootPeer::serve_go(const std::optional<Fault>& fault)
{
    send({kAck});
    Bytes address_frame;
    if (!take_frame(5, address_frame))
        return;
    const uint32_t address = be32(address_frame);
    if (xor_of(address_frame) != 0) {
        violation("go: bad address checksum");
        send({kNack});
        return;
    }
    if (!region(address, 4) || (fault && fault->kind == FaultKind::Nack)) {
        send({kNack});
        return;
    }
    // Effects are recorded before the acknowledge, so a client that has it sees them.
    if (const std::optional<std::string> program = reset_program_at(address))
        reset(*program + " program at " + hex(address));
    else
        leave("go " + hex(address));
    finish(fault, kAck);
}

// A reset program at the address resets the chip back into its bootloader.
std::optional<std::string> BootPeer::reset_program_at(uint32_t address)
{
    const std::optional<Region> where = region(address, kRamProgramSize);
    if (!where || where->flash)
        return std::nullopt;
    Bytes code;
    put_le32(code, 0x20002000);
    put_le32(code, address + 9);
    std::lock_guard lock(mutex_);
    for (int p = 0; p < 2; ++p) {
        Bytes expected = code;
        expected.insert(expected.end(), kResetPrograms[p], kResetPrograms[p] + 16);
        if (std::equal(expected.begin(), expected.end(), where->bytes->begin() + where->offset))
            return kResetProgramNames[p];
    }
    return std::nullopt;
}

void BootPeer::leave(const std::string& why)
{
    std::lock_guard lock(mutex_);
    state_ = PeerState::Gone;
    events_.push_back(why);
}

void BootPeer::serve_write(const std::optional<Fault>& fault)
{
    send({kAck});
    Bytes address_frame;
    if (!take_frame(5, address_frame))
        return;
    const uint32_t address = be32(address_frame);
    if (xor_of(address_frame) != 0 || address % 4 != 0 || !region(address, 1)) {
        violation("write: bad address frame for " + hex(address));
        send({kNack});
        return;
    }
    send({kAck});
    uint8_t count_byte = 0;
    if (!take(&count_byte, 1))
        return;
    Bytes frame(count_byte + 3u);
    frame[0] = count_byte;
    if (!take(frame.data() + 1, frame.size() - 1))
        return;
    {
        std::lock_guard lock(mutex_);
        transcript_.push_back({true, frame});
    }
    const uint32_t length = count_byte + 1u;
    const std::optional<Region> where = region(address, length);
    if (xor_of(frame) != 0 || !where) {
        violation("write: bad data frame at " + hex(address));
        send({kNack});
        return;
    }
    // Flash is programmed only where it is erased.
    std::optional<uint32_t> programmed;
    {
        std::lock_guard lock(mutex_);
        for (uint32_t i = 0; where->flash && i < length && !programmed; ++i)
            if (frame[1 + i] != 0xFF && (*where->bytes)[where->offset + i] != 0xFF)
                programmed = address + i;
    }
    if (programmed) {
        violation("write over programmed flash at " + hex(*programmed));
        send({kNack});
        return;
    }
    if (fault && fault->kind == FaultKind::Nack) {
        send({kNack});
        return;
    }
    {
        std::lock_guard lock(mutex_);
        for (uint32_t i = 0; i < length; ++i)
            if (!where->flash || frame[1 + i] != 0xFF)
                (*where->bytes)[where->offset + i] = frame[1 + i];
        counters_.write_payload += length;
    }
    finish(fault, kAck);
}

void BootPeer::serve_erase(uint8_t code, const std::optional<Fault>& fault)
{
    send({kAck});
    const bool standard = code == 0x43;
    Bytes frame(standard ? 1 : 2);
    if (!take(frame.data(), frame.size()))
        return;
    const uint32_t count = standard ? frame[0] : uint32_t{frame[0]} << 8 | frame[1];
    const bool mass = standard ? count == 0xFF : count >= 0xFFF0;
    const size_t rest = mass ? 1 : (count + 1) * (standard ? 1u : 2u) + 1;
    frame.resize(frame.size() + rest);
    if (!take(frame.data() + (standard ? 1 : 2), rest))
        return;
    {
        std::lock_guard lock(mutex_);
        transcript_.push_back({true, frame});
    }
    // The global erase of the standard command is the frame FF 00, a code and its complement.
    const bool frame_ok = mass && standard ? frame[1] == 0x00 : xor_of(frame) == 0;
    if (!frame_ok || (mass && !standard && count != 0xFFFF)) {
        violation("erase: bad frame");
        send({kNack});
        return;
    }
    if (fault && fault->kind == FaultKind::Nack) {
        send({kNack});
        return;
    }
    if (mass) {
        erase_all();
    } else {
        std::vector<uint32_t> pages;
        for (uint32_t i = 0; i <= count; ++i)
            pages.push_back(standard ? frame[1 + i] : uint32_t{frame[2 + 2 * i]} << 8 | frame[3 + 2 * i]);
        if (!erase_pages(pages)) {
            send({kNack});
            return;
        }
    }
    finish(fault, kAck);
}

// Two acknowledges, then the chip resets. Write Protect takes a sector list between them.
void BootPeer::serve_protection(uint8_t code, const std::optional<Fault>& fault)
{
    send({kAck});
    if (code == 0x63 || code == 0x64) {
        uint8_t count = 0;
        if (!take(&count, 1))
            return;
        Bytes sectors(count + 2u);
        if (!take(sectors.data(), sectors.size()))
            return;
    }
    if (fault && fault->kind == FaultKind::Nack) {
        send({kNack});
        return;
    }
    if (code == 0x92 || code == 0x93)
        erase_all();
    {
        std::lock_guard lock(mutex_);
        if (code == 0x82 || code == 0x83)
            read_protected_ = true;
        if (code == 0x92 || code == 0x93)
            read_protected_ = false;
    }
    reset("after command " + code_text(code));
    finish(fault, kAck);
}

void BootPeer::serve_checksum(const std::optional<Fault>& fault)
{
    send({kAck});
    Bytes address_frame;
    if (!take_frame(5, address_frame))
        return;
    if (xor_of(address_frame) != 0) {
        violation("checksum: bad address frame");
        send({kNack});
        return;
    }
    send({kAck});
    Bytes length_frame;
    if (!take_frame(5, length_frame))
        return;
    const uint32_t address = be32(address_frame);
    const uint32_t length = be32(length_frame);
    const std::optional<Region> where = region(address, length);
    if (xor_of(length_frame) != 0 || address % 4 != 0 || length % 4 != 0 || !where ||
        (fault && fault->kind == FaultKind::Nack)) {
        send({kNack});
        return;
    }
    send({kAck});
    uint32_t crc = 0;
    {
        std::lock_guard lock(mutex_);
        crc = stm32_crc_reference(
            Bytes(where->bytes->begin() + where->offset, where->bytes->begin() + where->offset + length));
    }
    finish(fault, kAck);
    if (fault && fault->kind == FaultKind::LoseReply)
        return;
    Bytes reply = {static_cast<uint8_t>(crc >> 24), static_cast<uint8_t>(crc >> 16), static_cast<uint8_t>(crc >> 8),
                   static_cast<uint8_t>(crc)};
    reply.push_back(xor_of(reply));
    send(reply);
}

} // namespace flasher_test
