#pragma once
// The simulated USB bus that stands in for every device the link can meet. Tests drive it through
// this API (plug, unplug, schedule events at virtual times, read transcripts, arm faults); the
// link reaches it only through the C faces that the real library headers declare.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "tests/sim/answer_gate.h"
#include "tests/sim/hid_interface.h"
#include "tests/sim/usb_face.h"
#include "tests/sim/virtual_clock.h"

namespace sim {

inline constexpr uint16_t kVendorId = 0x092B;

// The bus lock: recursive, since faces and events nest, and able to tell whether the calling
// thread holds it (a sleep inside a face call must not run events under the face's feet).
class BusMutex {
public:
    void lock();
    void unlock();
    bool held_here() const { return owner_.load(std::memory_order_relaxed) == std::this_thread::get_id(); }

private:
    std::recursive_mutex mutex_;
    std::atomic<std::thread::id> owner_{};
    int depth_ = 0;
};

// A physical device: an identity on the bus and the faces it shows.
class Device {
public:
    explicit Device(uint16_t product, uint16_t vendor = kVendorId)
        : vendor_id(vendor)
        , product_id(product)
    { }

    uint16_t vendor_id;
    uint16_t product_id;

    // Adds one HID interface (one entry of the HID enumeration).
    HidInterface& add_hid(uint16_t usage_page = 0xFF00, uint16_t usage = 1, int interface_number = 0);
    std::vector<std::shared_ptr<HidInterface>> hid;
    // What the plain-USB libraries see of it (every device is on the USB bus).
    UsbFace usb;
    // Holds the answer to a chosen HID report or persistent-store message until a test releases it.
    AnswerGate gate;

    bool present() const { return present_; }
    // Changes each time the device leaves or comes back: handles of an earlier presence are dead.
    uint64_t generation() const { return generation_; }

private:
    friend class Bus;
    bool present_ = false;
    uint64_t generation_ = 0;
};

class Bus {
public:
    // Puts a device on the bus, after those already there (enumeration order is plug order).
    std::shared_ptr<Device> plug(std::shared_ptr<Device> device);
    // Puts a device on the bus ahead of those already there: the first one every walk meets (a
    // device plugged into a port the host enumerates first). Like any device, it keeps its place
    // when it leaves and comes back.
    std::shared_ptr<Device> plug_ahead(std::shared_ptr<Device> device);
    // A device with one HID interface answering through handler.
    std::shared_ptr<Device> plug_hid(uint16_t product_id, HidHandler handler, uint16_t usage_page = 0xFF00,
                                     uint16_t usage = 1, uint16_t vendor_id = kVendorId);
    void unplug(Device& device);
    // Plugs a device back (optionally as another product id), as a new presence.
    void replug(Device& device, std::optional<uint16_t> new_product_id = std::nullopt);
    // The device leaves the bus after `after` and, unless away is empty, comes back `away` later
    // (optionally as another product id). Virtual times count from now.
    void leave(std::shared_ptr<Device> device, kivo::Duration after, std::optional<kivo::Duration> away = std::nullopt,
               std::optional<uint16_t> new_product_id = std::nullopt);
    // Runs event once the virtual clock reaches `after` from now.
    void schedule(kivo::Duration after, std::function<void()> event);

    std::vector<std::shared_ptr<Device>> devices() const;
    // Its sleeps run the events that fall due meanwhile (see sleep below).
    VirtualClock& clock() { return clock_; }

    // HID library bookkeeping, for checks that nothing is left open.
    int open_hid_handles() const;
    int hid_exit_calls() const;
    // The product id of every HID open that succeeded, in order: which identity a worker had when.
    std::vector<uint16_t> hid_opens() const;

    // Plain-USB bookkeeping: handles of either library, claimed interfaces, asynchronous
    // transfers submitted and not yet completed, library start and end calls.
    int open_usb_handles() const;
    int claimed_usb_interfaces() const;
    int usb_transfers_in_flight() const;
    struct UsbLibraryCalls {
        int libusb_init = 0;
        int libusb_exit = 0;
        int usb_init = 0;
    };
    UsbLibraryCalls usb_library_calls() const;
    // Scripted failures of the libraries themselves (counters as in UsbFaults).
    struct UsbLibraryFaults {
        int fail_libusb_init = 0;
        int fail_device_list = 0;
    } usb_library_faults;

    // A USB reset: the device leaves the bus and comes back reenumerate_after later (never when it
    // is gone_after_reset), as its DFU persona decides when it has one.
    void usb_reset(const std::shared_ptr<Device>& device);

    // Empties the bus, the schedule, the clock and the bookkeeping.
    void reset();

    // For the C faces: the bus lock, and firing the events that are due.
    BusMutex& mutex() { return mutex_; }
    // Takes the bus lock and fires what is due: how a face call begins.
    [[nodiscard]] std::unique_lock<BusMutex> enter()
    {
        std::unique_lock lock(mutex_);
        run_due_events();
        return lock;
    }
    // Changes with every reset: what a face built from an earlier bus is stale.
    uint64_t epoch() const { return epoch_; }
    // The faces' counts, with the bus lock held.
    UsbLibraryCalls& usb_calls() { return usb_calls_; }
    int& usb_transfers() { return usb_transfers_; }
    void run_due_events();
    // The time of the next scheduled event, if any.
    std::optional<kivo::Duration> next_event_time() const;

private:
    friend struct HidFace;
    struct Event {
        kivo::Duration at;
        uint64_t order;
        std::function<void()> run;
    };

    void assign_paths(Device& device);

    // A sleep on the bus's clock. Outside a face call it takes the bus lock, as a face call does,
    // and runs each event that falls due at its own time, so that a worker that only sleeps sees
    // the bus change. Inside a face call (the lock held already) it only moves time: the events
    // wait for the next face call, as the face's own waits leave them.
    void sleep(kivo::Duration d);

    mutable BusMutex mutex_;
    VirtualClock clock_{[this](kivo::Duration d) { sleep(d); }};
    std::vector<std::shared_ptr<Device>> devices_;
    std::vector<Event> events_;
    uint64_t event_order_ = 0;
    uint64_t next_path_ = 0;
    int open_hid_handles_ = 0;
    std::vector<uint16_t> hid_opens_;
    int hid_exit_calls_ = 0;
    uint64_t epoch_ = 0;
    uint8_t next_address_ = 1;
    UsbLibraryCalls usb_calls_;
    int usb_transfers_ = 0;
};

// The one bus of the process.
Bus& bus();

// For a test's lifetime: an empty bus and the virtual clock installed in the clock seam.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    Bus& bus() { return sim::bus(); }
};

} // namespace sim
