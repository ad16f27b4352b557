#pragma once
// A bootloader on a pseudo-terminal, for the client and the program to talk to: it answers every
// command of the wire protocol from its own thread, keeps a memory model of one chip of the table
// (flash erased to 0xFF, page by page; RAM), resets after the protection commands and after a Go
// to one of the two reset programs, injects faults per command and occurrence, and records a
// transcript, events and protocol violations for the tests to assert on.

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "flasher/chip_table.h"
#include "tests/flasher/pty_pair.h"

namespace flasher_test {

using Bytes = std::vector<uint8_t>;

inline constexpr uint8_t kInitCode = 0x7F; // the fault key of the init byte

// What a device already in step does with a 0x7F.
enum class InitInStep {
    TakeAsCommand, // the first byte of a command frame: a second 0x7F makes a bad frame and a NACK
    Nack,
    Silent,
};

enum class FaultKind {
    Nack, // the command's last acknowledge is a NACK and the command has no effect
    LoseReply, // the command takes effect but its last acknowledge (or its data) is never sent
    Delay, // param milliseconds before the last acknowledge
    Busy, // param BUSY bytes before the last acknowledge
    ShortReply, // only param bytes of the reply's data, then nothing
    CorruptByte, // byte param of the read data is changed
    Silence, // no answer at all; the command is not carried out
};

struct Fault {
    uint8_t code; // command code, or kInitCode
    int occurrence; // 1 for the first time the code arrives
    FaultKind kind;
    int param = 0;
};

struct PeerConfig {
    uint16_t product_id = 0x413;
    uint8_t bootloader_version = 0x31;
    Bytes commands = {0x00, 0x01, 0x02, 0x11, 0x21, 0x31, 0x44, 0x63, 0x73, 0x82, 0x92};
    uint8_t gvr_version = 0x31;
    uint8_t option_byte_1 = 0x00;
    uint8_t option_byte_2 = 0x00;
    Bytes id_extra; // bytes after the product id in the GET ID reply
    InitInStep init_in_step = InitInStep::TakeAsCommand;
};

enum class PeerState { WaitingForInit, InStep, Gone };

struct PeerFrame {
    bool from_host;
    Bytes bytes;
    bool command = false; // a command frame (code and complement)
    bool operator==(const PeerFrame&) const = default;
};

struct PeerCounters {
    uint64_t host_bytes = 0;
    uint64_t peer_bytes = 0;
    uint64_t write_payload = 0;
    uint64_t read_payload = 0;
};

class BootPeer {
public:
    explicit BootPeer(PeerConfig config = {});
    ~BootPeer();
    BootPeer(const BootPeer&) = delete;
    BootPeer& operator=(const BootPeer&) = delete;

    const std::string& device() const { return pty_.slave_path(); }
    termios slave_settings() const { return pty_.slave_settings(); }
    const ChipDescriptor& chip() const { return chip_; }

    void arm(const Fault& fault);
    // Arms a fault for the next arrival of the code (skip: arrivals to let pass first).
    void arm_next(uint8_t code, FaultKind kind, int param = 0, int skip = 0);
    void set_state(PeerState state);
    // Called on the peer's thread each time a command frame arrives (code, occurrence).
    void set_command_hook(std::function<void(uint8_t, int)> hook);
    void load_flash(uint32_t offset, const Bytes& bytes);

    PeerState state() const;
    Bytes flash() const;
    Bytes ram() const;
    Bytes flash(uint32_t offset, size_t length) const;
    Bytes ram(uint32_t offset, size_t length) const;
    bool read_protected() const;
    std::vector<PeerFrame> transcript() const;
    std::vector<std::string> events() const;
    std::vector<std::string> violations() const;
    PeerCounters counters() const;
    // For each command frame of this code, that frame and the host frames after it up to the next
    // command frame.
    std::vector<std::vector<Bytes>> host_frames_after(uint8_t code) const;
    void clear_record();

private:
    struct Region {
        Bytes* bytes;
        uint32_t offset;
        bool flash;
    };

    void serve();
    void serve_init(uint8_t byte);
    void serve_command(uint8_t code);
    void serve_get(uint8_t code, const std::optional<Fault>& fault);
    void serve_read(const std::optional<Fault>& fault);
    void serve_go(const std::optional<Fault>& fault);
    void serve_write(const std::optional<Fault>& fault);
    void serve_erase(uint8_t code, const std::optional<Fault>& fault);
    void serve_protection(uint8_t code, const std::optional<Fault>& fault);
    void serve_checksum(const std::optional<Fault>& fault);

    bool take(uint8_t* out, size_t count);
    bool take_frame(size_t count, Bytes& frame);
    void send(const Bytes& bytes);
    void finish(const std::optional<Fault>& fault, uint8_t byte);
    void reply_data(const Bytes& data, const std::optional<Fault>& fault);
    std::optional<Fault> fault_for(uint8_t code);
    std::optional<Region> region(uint32_t address, uint32_t length);
    bool erase_pages(const std::vector<uint32_t>& pages);
    void erase_all();
    std::optional<std::string> reset_program_at(uint32_t address);
    void reset(const std::string& why);
    void leave(const std::string& why);
    void violation(const std::string& what);
    void event(const std::string& what);

    PtyPair pty_;
    const PeerConfig config_;
    const ChipDescriptor& chip_;
    std::vector<uint32_t> page_starts_; // flash offsets, with the flash size last

    mutable std::mutex mutex_;
    PeerState state_ = PeerState::WaitingForInit;
    Bytes flash_;
    Bytes ram_;
    bool read_protected_ = false;
    std::vector<Fault> faults_;
    std::vector<int> occurrences_ = std::vector<int>(256, 0);
    std::function<void(uint8_t, int)> hook_;
    std::vector<PeerFrame> transcript_;
    std::vector<std::string> events_;
    std::vector<std::string> violations_;
    PeerCounters counters_;

    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace flasher_test
