#pragma once
// The plain-USB face of a virtual device: its descriptors, the interfaces a kernel driver holds,
// control transfers answered by its personas (persistent store, DFU), its interrupt-in endpoint,
// scripted faults and a transcript. The libusb-1.0 and libusb-0.1 faces both reach a device here.

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <vector>

#include "common/clock.h"
#include "tests/sim/hid_interface.h"

namespace sim {

class PsStore;
class DfuPersona;

struct UsbAltSetting {
    uint8_t number; // bInterfaceNumber
    uint8_t alternate; // bAlternateSetting
    uint8_t interface_class;
    uint8_t subclass;
    uint8_t protocol;
};
// One interface: its alternate settings. One configuration: its interfaces.
using UsbInterfaceDesc = std::vector<UsbAltSetting>;
using UsbConfigDesc = std::vector<UsbInterfaceDesc>;

inline constexpr uint8_t kUsbClassHub = 0x09;
inline constexpr uint8_t kUsbClassWireless = 0xE0;
inline constexpr uint8_t kUsbClassApplication = 0xFE;

// What a device shows on the bus in one mode.
struct UsbLayout {
    uint8_t device_class = 0;
    std::vector<UsbConfigDesc> configs;
    // Interfaces a kernel driver holds: claims fail with EBUSY until the driver is detached.
    std::set<int> kernel_driver;
};

struct ControlSetup {
    uint8_t request_type;
    uint8_t request;
    uint16_t value;
    uint16_t index;
    uint16_t length;
};

enum class UsbApi { Libusb1, Libusb01 };

struct ControlRecord {
    UsbApi api;
    ControlSetup setup;
    Bytes data; // host to device: the bytes sent; device to host: the bytes answered
    int timeout_ms;
    int result; // bytes transferred, or a negative errno
    kivo::Duration at{}; // the virtual time the transfer began
};

// Scripted misbehaviour. Counters count down as they strike; -1 means for ever.
struct UsbFaults {
    int fail_open = 0;
    int open_errno = EACCES;
    int fail_descriptor = 0; // libusb_get_device_descriptor fails
    int fail_claim = 0;
    int claim_errno = EBUSY;
    // Control transfers fail with control_errno. EPIPE is a stall: the DFU interface takes it as a
    // request it refused (the strict device goes to its error state); any other errno never
    // reached the device.
    int fail_control = 0;
    int control_errno = EPIPE;
    int fail_only_request = -1; // >= 0: fail_control strikes only this bRequest
    // Host-to-device control transfers (of fail_only_request, when set) end one byte short: the
    // device takes nothing of them.
    int short_control = 0;
    int control_timeouts = 0; // control transfers time out after their full time-out
    size_t interrupt_chunk = 0; // > 0: interrupt data arrives in pieces of this size
};

inline constexpr uint8_t kInterruptInEndpoint = 0x81;

class UsbFace {
public:
    UsbLayout layout;
    uint16_t bcd_device = 0x0100;
    uint8_t bus_number = 1;
    std::shared_ptr<PsStore> ps_store;
    std::shared_ptr<DfuPersona> dfu;
    UsbFaults faults;
    // A USB reset makes the device leave the bus and come back this much later ...
    kivo::Duration reenumerate_after{std::chrono::milliseconds(100)};
    // ... or never.
    bool gone_after_reset = false;
    // Armed when the device comes back after its next reset (a loader that fails its claims, say).
    std::optional<UsbFaults> faults_after_reset;

    // Every control transfer tried on the device, failed ones included, in order.
    const std::vector<ControlRecord>& transcript() const { return transcript_; }
    // Data the device puts on its interrupt-in endpoint, readable `after` from now (and never
    // before data queued earlier).
    void queue_interrupt(Bytes data, kivo::Duration after = {});
    int open_handles() const { return open_handles_; }
    // How often the device was opened, and every interface a claim was tried on, in order.
    int open_count() const { return open_count_; }
    const std::vector<int>& claim_attempts() const { return claim_attempts_; }
    const std::multiset<int>& claimed() const { return claimed_; }
    bool kernel_driver_active(int interface) const;
    uint8_t address() const { return address_; }

    // For the C faces, with the bus lock held. Errors are negative errno values.
    int open();
    void close() { --open_handles_; }
    int claim(int interface, bool auto_detach);
    int release(int interface, bool reattach);
    int detach_kernel_driver(int interface);
    // data: length bytes to send or room for length bytes to receive.
    int control(UsbApi api, const ControlSetup& setup, uint8_t* data, int timeout_ms);
    // The time interrupt data is readable, if any is queued.
    const kivo::Duration* interrupt_ready_at() const;
    size_t take_interrupt(uint8_t* data, size_t length);
    // The device left the bus: claims, detached drivers and queued data are gone.
    void on_leave();
    // The interface number of the DFU interface in the current layout, -1 when it has none.
    int dfu_interface() const;

private:
    friend class Bus;
    struct Pending {
        kivo::Duration ready_at;
        Bytes bytes;
    };
    int answer_control(const ControlSetup& setup, uint8_t* data);
    bool to_dfu_interface(const ControlSetup& setup) const;

    std::vector<ControlRecord> transcript_;
    std::deque<Pending> interrupt_;
    std::multiset<int> claimed_;
    std::set<int> detached_;
    std::vector<int> claim_attempts_;
    int open_handles_ = 0;
    int open_count_ = 0;
    uint8_t address_ = 0;
};

bool strike(int& counter);

} // namespace sim
