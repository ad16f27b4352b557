#include "tests/flasher/boot_peer.h"
#include "tests/flasher/boot_peer_wire.h"

#include <algorithm>
#include <cstdio>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace flasher_test {

BootPeer::BootPeer(PeerConfig config)
    : config_(std::move(config))
    , chip_(chip_of(config_.product_id))
    , flash_(chip_.flash_end - chip_.flash_start, 0xFF)
    , ram_(chip_.ram_end - chip_.ram_start, 0x00)
{
    uint32_t offset = 0;
    for (size_t page = 0; offset < flash_.size(); ++page) {
        page_starts_.push_back(offset);
        offset += chip_.page_sizes[std::min(page, chip_.page_sizes.size() - 1)];
    }
    page_starts_.push_back(offset);
    thread_ = std::thread([this] { serve(); });
}

BootPeer::~BootPeer()
{
    stopping_ = true;
    thread_.join();
}

void BootPeer::arm(const Fault& fault)
{
    std::lock_guard lock(mutex_);
    faults_.push_back(fault);
}

void BootPeer::arm_next(uint8_t code, FaultKind kind, int param, int skip)
{
    std::lock_guard lock(mutex_);
    faults_.push_back({code, occurrences_[code] + 1 + skip, kind, param});
}

void BootPeer::set_state(PeerState state)
{
    std::lock_guard lock(mutex_);
    state_ = state;
}

void BootPeer::set_command_hook(std::function<void(uint8_t, int)> hook)
{
    std::lock_guard lock(mutex_);
    hook_ = std::move(hook);
}

void BootPeer::load_flash(uint32_t offset, const Bytes& bytes)
{
    std::lock_guard lock(mutex_);
    std::copy(bytes.begin(), bytes.end(), flash_.begin() + offset);
}

PeerState BootPeer::state() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

Bytes BootPeer::flash() const
{
    std::lock_guard lock(mutex_);
    return flash_;
}

Bytes BootPeer::ram() const
{
    std::lock_guard lock(mutex_);
    return ram_;
}

Bytes BootPeer::flash(uint32_t offset, size_t length) const
{
    std::lock_guard lock(mutex_);
    return Bytes(flash_.begin() + offset, flash_.begin() + offset + static_cast<std::ptrdiff_t>(length));
}

Bytes BootPeer::ram(uint32_t offset, size_t length) const
{
    std::lock_guard lock(mutex_);
    return Bytes(ram_.begin() + offset, ram_.begin() + offset + static_cast<std::ptrdiff_t>(length));
}

bool BootPeer::read_protected() const
{
    std::lock_guard lock(mutex_);
    return read_protected_;
}

std::vector<PeerFrame> BootPeer::transcript() const
{
    std::lock_guard lock(mutex_);
    return transcript_;
}

std::vector<std::string> BootPeer::events() const
{
    std::lock_guard lock(mutex_);
    return events_;
}

std::vector<std::string> BootPeer::violations() const
{
    std::lock_guard lock(mutex_);
    return violations_;
}

PeerCounters BootPeer::counters() const
{
    std::lock_guard lock(mutex_);
    return counters_;
}

std::vector<std::vector<Bytes>> BootPeer::host_frames_after(uint8_t code) const
{
    std::lock_guard lock(mutex_);
    std::vector<std::vector<Bytes>> commands;
    bool in_command = false;
    for (const PeerFrame& frame : transcript_) {
        if (!frame.from_host)
            continue;
        if (frame.command)
            in_command = frame.bytes[0] == code;
        if (frame.command && in_command)
            commands.push_back({frame.bytes});
        else if (in_command)
            commands.back().push_back(frame.bytes);
    }
    return commands;
}

void BootPeer::clear_record()
{
    std::lock_guard lock(mutex_);
    transcript_.clear();
    events_.clear();
    violations_.clear();
    counters_ = {};
}

bool BootPeer::take(uint8_t* out, size_t count)
{
    size_t done = 0;
    while (done < count) {
        if (stopping_)
            return false;
        pollfd p{pty_.master(), POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || (p.revents & POLLIN) == 0)
            continue;
        const ssize_t n = ::read(pty_.master(), out + done, count - done);
        if (n > 0)
            done += static_cast<size_t>(n);
    }
    std::lock_guard lock(mutex_);
    counters_.host_bytes += count;
    return true;
}

bool BootPeer::take_frame(size_t count, Bytes& frame)
{
    frame.resize(count);
    if (!take(frame.data(), count))
        return false;
    std::lock_guard lock(mutex_);
    transcript_.push_back({true, frame});
    return true;
}

void BootPeer::send(const Bytes& bytes)
{
    if (bytes.empty())
        return;
    {
        std::lock_guard lock(mutex_);
        transcript_.push_back({false, bytes});
        counters_.peer_bytes += bytes.size();
    }
    size_t done = 0;
    while (done < bytes.size() && !stopping_) {
        const ssize_t n = ::write(pty_.master(), bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
    }
}

// The last acknowledge of a command, as the armed fault shapes it.
void BootPeer::finish(const std::optional<Fault>& fault, uint8_t byte)
{
    if (!fault) {
        send({byte});
        return;
    }
    switch (fault->kind) {
    case FaultKind::Nack: send({kNack}); break;
    case FaultKind::LoseReply:
    case FaultKind::Silence: break;
    case FaultKind::Delay:
        std::this_thread::sleep_for(std::chrono::milliseconds(fault->param));
        send({byte});
        break;
    case FaultKind::Busy: {
        Bytes bytes(static_cast<size_t>(fault->param), kBusy);
        bytes.push_back(byte);
        send(bytes);
        break;
    }
    default: send({byte}); break;
    }
}

// The data of a reply that ends with an acknowledge (GET, GVR, GET ID).
void BootPeer::reply_data(const Bytes& data, const std::optional<Fault>& fault)
{
    if (fault && fault->kind == FaultKind::ShortReply) {
        send(Bytes(data.begin(), data.begin() + std::min<ptrdiff_t>(fault->param, std::ssize(data))));
        return;
    }
    if (fault && fault->kind == FaultKind::LoseReply)
        return;
    send(data);
    finish(fault, kAck);
}

std::optional<Fault> BootPeer::fault_for(uint8_t code)
{
    std::function<void(uint8_t, int)> hook;
    std::optional<Fault> found;
    int occurrence = 0;
    {
        std::lock_guard lock(mutex_);
        occurrence = ++occurrences_[code];
        hook = hook_;
        auto it = std::find_if(faults_.begin(), faults_.end(),
                               [&](const Fault& f) { return f.code == code && f.occurrence == occurrence; });
        if (it != faults_.end()) {
            found = *it;
            faults_.erase(it);
        }
    }
    if (hook)
        hook(code, occurrence);
    return found;
}

std::optional<BootPeer::Region> BootPeer::region(uint32_t address, uint32_t length)
{
    const uint64_t end = uint64_t{address} + length;
    if (address >= chip_.flash_start && end <= chip_.flash_end)
        return Region{&flash_, address - chip_.flash_start, true};
    if (address >= chip_.ram_start && end <= chip_.ram_end)
        return Region{&ram_, address - chip_.ram_start, false};
    return std::nullopt;
}

bool BootPeer::erase_pages(const std::vector<uint32_t>& pages)
{
    const size_t count = page_starts_.size() - 1;
    for (const uint32_t page : pages)
        if (page >= count) {
            violation("erase of page " + std::to_string(page) + " past the last page");
            return false;
        }
    std::lock_guard lock(mutex_);
    for (const uint32_t page : pages)
        std::fill(flash_.begin() + page_starts_[page], flash_.begin() + page_starts_[page + 1], 0xFF);
    const bool contiguous = std::adjacent_find(pages.begin(), pages.end(),
                                               [](uint32_t a, uint32_t b) { return b != a + 1; }) == pages.end();
    char text[64];
    if (contiguous) {
        std::snprintf(text, sizeof text, "erase %zu pages from %u", pages.size(), pages.front());
        events_.push_back(text);
    } else {
        std::string what = "erase pages";
        for (const uint32_t page : pages) {
            std::snprintf(text, sizeof text, " %u", page);
            what += text;
        }
        events_.push_back(what);
    }
    return true;
}

void BootPeer::erase_all()
{
    std::lock_guard lock(mutex_);
    std::fill(flash_.begin(), flash_.end(), 0xFF);
    events_.push_back("mass erase");
}

void BootPeer::reset(const std::string& why)
{
    std::lock_guard lock(mutex_);
    state_ = PeerState::WaitingForInit;
    events_.push_back("reset: " + why);
}

void BootPeer::violation(const std::string& what)
{
    std::lock_guard lock(mutex_);
    violations_.push_back(what);
}

void BootPeer::event(const std::string& what)
{
    std::lock_guard lock(mutex_);
    events_.push_back(what);
}

void BootPeer::serve()
{
    uint8_t byte = 0;
    while (take(&byte, 1)) {
        switch (state()) {
        case PeerState::WaitingForInit: serve_init(byte); break;
        case PeerState::Gone: {
            std::lock_guard lock(mutex_);
            transcript_.push_back({true, {byte}});
            break;
        }
        case PeerState::InStep:
            if (byte == kInitCode && config_.init_in_step != InitInStep::TakeAsCommand) {
                {
                    std::lock_guard lock(mutex_);
                    transcript_.push_back({true, {byte}});
                }
                if (config_.init_in_step == InitInStep::Nack)
                    send({kNack});
                break;
            }
            serve_command(byte);
            break;
        }
    }
}

void BootPeer::serve_init(uint8_t byte)
{
    {
        std::lock_guard lock(mutex_);
        transcript_.push_back({true, {byte}});
    }
    if (byte != kInitCode)
        return; // noise before the init byte is not answered
    const std::optional<Fault> fault = fault_for(kInitCode);
    if (fault && fault->kind == FaultKind::Silence)
        return;
    set_state(PeerState::InStep);
    finish(fault, kAck);
}

} // namespace flasher_test
