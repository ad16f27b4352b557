// The libusb-1.0 C functions over the simulated bus, declared by the real libusb header. Only the
// default context exists; asynchronous transfers complete inside libusb_handle_events_timeout on
// the calling thread, lazily, under the virtual clock.

#include <libusb.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "tests/sim/bus.h"

struct libusb_device {
    std::shared_ptr<sim::Device> device;
    uint64_t generation;
    int references;
};

struct libusb_device_handle {
    libusb_device* dev;
    bool auto_detach = false;
    std::multiset<int> claimed;
};

namespace sim {

struct Libusb1Face {
    struct TransferState {
        bool in_flight = false;
        bool cancelled = false;
        kivo::Duration deadline{};
        bool has_deadline = false;
    };

    static std::map<libusb_transfer*, TransferState>& transfers()
    {
        static std::map<libusb_transfer*, TransferState> all;
        return all;
    }

    // Transfers of an earlier bus never complete.
    static void forget_stale(Bus& b)
    {
        static uint64_t seen_epoch = 0;
        if (b.epoch() == seen_epoch)
            return;
        seen_epoch = b.epoch();
        for (auto& entry : transfers())
            entry.second.in_flight = false;
    }

    static bool alive(const libusb_device* dev)
    {
        return dev != nullptr && dev->device->present() && dev->device->generation() == dev->generation;
    }

    static int error_of(int negative_errno)
    {
        switch (-negative_errno) {
        case EPIPE: return LIBUSB_ERROR_PIPE;
        case ETIMEDOUT: return LIBUSB_ERROR_TIMEOUT;
        case ENODEV: return LIBUSB_ERROR_NO_DEVICE;
        case EACCES:
        case EPERM: return LIBUSB_ERROR_ACCESS;
        case EBUSY: return LIBUSB_ERROR_BUSY;
        case ENOENT: return LIBUSB_ERROR_NOT_FOUND;
        case ENODATA: return LIBUSB_ERROR_NOT_FOUND;
        default: return LIBUSB_ERROR_IO;
        }
    }

    static void unref(libusb_device* dev)
    {
        if (dev != nullptr && --dev->references == 0)
            delete dev;
    }

    // Completes what is due at the current virtual time; returns the transfers to call back.
    static std::vector<libusb_transfer*> due_completions(Bus& b)
    {
        std::vector<libusb_transfer*> done;
        const kivo::Duration now = b.clock().now();
        for (auto& [t, state] : transfers()) {
            if (!state.in_flight)
                continue;
            libusb_device* dev = t->dev_handle->dev;
            libusb_transfer_status status;
            if (state.cancelled) {
                status = LIBUSB_TRANSFER_CANCELLED;
            } else if (!alive(dev)) {
                status = LIBUSB_TRANSFER_NO_DEVICE;
            } else if (const kivo::Duration* ready = dev->device->usb.interrupt_ready_at(); ready && *ready <= now) {
                t->actual_length = static_cast<int>(
                    dev->device->usb.take_interrupt(t->buffer, static_cast<size_t>(std::max(t->length, 0))));
                status = LIBUSB_TRANSFER_COMPLETED;
            } else if (state.has_deadline && state.deadline <= now) {
                status = LIBUSB_TRANSFER_TIMED_OUT;
            } else {
                continue;
            }
            t->status = status;
            state.in_flight = false;
            --b.usb_transfers();
            done.push_back(t);
        }
        return done;
    }

    // The next virtual time at which an in-flight transfer can change.
    static kivo::Duration next_change(Bus& b, kivo::Duration limit)
    {
        kivo::Duration next = limit;
        for (auto& [t, state] : transfers()) {
            if (!state.in_flight)
                continue;
            if (state.has_deadline)
                next = std::min(next, state.deadline);
            if (alive(t->dev_handle->dev))
                if (const kivo::Duration* ready = t->dev_handle->dev->device->usb.interrupt_ready_at())
                    next = std::min(next, *ready);
        }
        if (auto event = b.next_event_time())
            next = std::min(next, *event);
        return next;
    }

    static int handle_events(const timeval* tv, int* completed)
    {
        Bus& b = bus();
        std::unique_lock lock(b.mutex());
        const kivo::Duration wait = tv == nullptr
            ? kivo::Duration(std::chrono::seconds(60))
            : std::chrono::seconds(tv->tv_sec) + std::chrono::microseconds(tv->tv_usec);
        const kivo::Duration deadline = b.clock().now() + wait;
        forget_stale(b);
        for (;;) {
            b.run_due_events();
            std::vector<libusb_transfer*> done = due_completions(b);
            if (!done.empty()) {
                lock.unlock();
                for (libusb_transfer* t : done)
                    if (t->callback != nullptr)
                        t->callback(t);
                return 0;
            }
            if ((completed != nullptr && *completed != 0) || b.clock().now() >= deadline)
                return 0;
            b.clock().advance_to(next_change(b, deadline));
        }
    }
};

} // namespace sim

using sim::Libusb1Face;

extern "C" {

int LIBUSB_CALL libusb_init(libusb_context** ctx)
{
    sim::Bus& b = sim::bus();
    std::lock_guard lock(b.mutex());
    ++b.usb_calls().libusb_init;
    if (sim::strike(b.usb_library_faults.fail_libusb_init))
        return LIBUSB_ERROR_OTHER;
    if (ctx != nullptr)
        *ctx = nullptr; // only the default context exists here
    return 0;
}

void LIBUSB_CALL libusb_exit(libusb_context*)
{
    sim::Bus& b = sim::bus();
    std::lock_guard lock(b.mutex());
    ++b.usb_calls().libusb_exit;
}

const char* LIBUSB_CALL libusb_error_name(int errcode)
{
    switch (errcode) {
    case LIBUSB_SUCCESS: return "LIBUSB_SUCCESS";
    case LIBUSB_ERROR_IO: return "LIBUSB_ERROR_IO";
    case LIBUSB_ERROR_ACCESS: return "LIBUSB_ERROR_ACCESS";
    case LIBUSB_ERROR_NO_DEVICE: return "LIBUSB_ERROR_NO_DEVICE";
    case LIBUSB_ERROR_NOT_FOUND: return "LIBUSB_ERROR_NOT_FOUND";
    case LIBUSB_ERROR_BUSY: return "LIBUSB_ERROR_BUSY";
    case LIBUSB_ERROR_TIMEOUT: return "LIBUSB_ERROR_TIMEOUT";
    case LIBUSB_ERROR_PIPE: return "LIBUSB_ERROR_PIPE";
    default: return "LIBUSB_ERROR_OTHER";
    }
}

const char* LIBUSB_CALL libusb_strerror(int errcode) { return libusb_error_name(errcode); }

ssize_t LIBUSB_CALL libusb_get_device_list(libusb_context*, libusb_device*** list)
{
    sim::Bus& b = sim::bus();
    auto lock = b.enter();
    if (list == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    if (sim::strike(b.usb_library_faults.fail_device_list))
        return LIBUSB_ERROR_NO_MEM;
    std::vector<libusb_device*> found;
    for (const auto& device : b.devices())
        if (device->present())
            found.push_back(new libusb_device{device, device->generation(), 1});
    auto* array = static_cast<libusb_device**>(std::calloc(found.size() + 1, sizeof(libusb_device*)));
    std::copy(found.begin(), found.end(), array);
    *list = array;
    return static_cast<ssize_t>(found.size());
}

void LIBUSB_CALL libusb_free_device_list(libusb_device** list, int unref_devices)
{
    if (list == nullptr)
        return;
    if (unref_devices != 0) {
        std::lock_guard lock(sim::bus().mutex());
        for (libusb_device** d = list; *d != nullptr; ++d)
            Libusb1Face::unref(*d);
    }
    std::free(list);
}

libusb_device* LIBUSB_CALL libusb_ref_device(libusb_device* dev)
{
    std::lock_guard lock(sim::bus().mutex());
    ++dev->references;
    return dev;
}

void LIBUSB_CALL libusb_unref_device(libusb_device* dev)
{
    std::lock_guard lock(sim::bus().mutex());
    Libusb1Face::unref(dev);
}

int LIBUSB_CALL libusb_get_device_descriptor(libusb_device* dev, struct libusb_device_descriptor* desc)
{
    std::lock_guard lock(sim::bus().mutex());
    if (dev == nullptr || desc == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    sim::Device& d = *dev->device;
    if (sim::strike(d.usb.faults.fail_descriptor))
        return LIBUSB_ERROR_IO;
    *desc = {};
    desc->bLength = LIBUSB_DT_DEVICE_SIZE;
    desc->bDescriptorType = LIBUSB_DT_DEVICE;
    desc->bcdUSB = 0x0200;
    desc->bDeviceClass = d.usb.layout.device_class;
    desc->bMaxPacketSize0 = 64;
    desc->idVendor = d.vendor_id;
    desc->idProduct = d.product_id;
    desc->bcdDevice = d.usb.bcd_device;
    desc->bNumConfigurations = static_cast<uint8_t>(d.usb.layout.configs.size());
    return 0;
}

uint8_t LIBUSB_CALL libusb_get_bus_number(libusb_device* dev) { return dev->device->usb.bus_number; }

uint8_t LIBUSB_CALL libusb_get_device_address(libusb_device* dev) { return dev->device->usb.address(); }

int LIBUSB_CALL libusb_open(libusb_device* dev, libusb_device_handle** dev_handle)
{
    auto lock = sim::bus().enter();
    if (dev == nullptr || dev_handle == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    if (!Libusb1Face::alive(dev))
        return LIBUSB_ERROR_NO_DEVICE;
    if (int r = dev->device->usb.open(); r < 0)
        return Libusb1Face::error_of(r);
    ++dev->references;
    *dev_handle = new libusb_device_handle{dev, false, {}};
    return 0;
}

void LIBUSB_CALL libusb_close(libusb_device_handle* handle)
{
    if (handle == nullptr)
        return;
    std::lock_guard lock(sim::bus().mutex());
    sim::UsbFace& usb = handle->dev->device->usb;
    if (Libusb1Face::alive(handle->dev))
        for (int interface : handle->claimed)
            usb.release(interface, handle->auto_detach);
    usb.close();
    Libusb1Face::unref(handle->dev);
    delete handle;
}

int LIBUSB_CALL libusb_set_auto_detach_kernel_driver(libusb_device_handle* handle, int enable)
{
    if (handle == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    handle->auto_detach = enable != 0;
    return 0;
}

int LIBUSB_CALL libusb_claim_interface(libusb_device_handle* handle, int interface_number)
{
    auto lock = sim::bus().enter();
    if (handle == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    if (!Libusb1Face::alive(handle->dev))
        return LIBUSB_ERROR_NO_DEVICE;
    if (handle->claimed.contains(interface_number))
        return 0;
    if (int r = handle->dev->device->usb.claim(interface_number, handle->auto_detach); r < 0)
        return Libusb1Face::error_of(r);
    handle->claimed.insert(interface_number);
    return 0;
}

int LIBUSB_CALL libusb_release_interface(libusb_device_handle* handle, int interface_number)
{
    auto lock = sim::bus().enter();
    if (handle == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    auto it = handle->claimed.find(interface_number);
    if (it == handle->claimed.end())
        return LIBUSB_ERROR_NOT_FOUND;
    handle->claimed.erase(it);
    if (!Libusb1Face::alive(handle->dev))
        return LIBUSB_ERROR_NO_DEVICE;
    handle->dev->device->usb.release(interface_number, handle->auto_detach);
    return 0;
}

int LIBUSB_CALL libusb_control_transfer(libusb_device_handle* handle, uint8_t request_type, uint8_t bRequest,
                                        uint16_t wValue, uint16_t wIndex, unsigned char* data, uint16_t wLength,
                                        unsigned int timeout)
{
    auto lock = sim::bus().enter();
    if (handle == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    if (!Libusb1Face::alive(handle->dev))
        return LIBUSB_ERROR_NO_DEVICE;
    if (!(request_type & LIBUSB_ENDPOINT_IN) && data != nullptr) {
        handle->dev->device->gate.pass(sim::Bytes(data, data + wLength), lock);
        if (!Libusb1Face::alive(handle->dev))
            return LIBUSB_ERROR_NO_DEVICE;
    }
    const int r = handle->dev->device->usb.control(
        sim::UsbApi::Libusb1, {request_type, bRequest, wValue, wIndex, wLength}, data, static_cast<int>(timeout));
    return r < 0 ? Libusb1Face::error_of(r) : r;
}

struct libusb_transfer* LIBUSB_CALL libusb_alloc_transfer(int iso_packets)
{
    const size_t size =
        sizeof(libusb_transfer) + sizeof(libusb_iso_packet_descriptor) * static_cast<size_t>(std::max(iso_packets, 0));
    auto* t = static_cast<libusb_transfer*>(std::calloc(1, size));
    t->num_iso_packets = iso_packets;
    std::lock_guard lock(sim::bus().mutex());
    Libusb1Face::transfers()[t] = {};
    return t;
}

void LIBUSB_CALL libusb_free_transfer(struct libusb_transfer* transfer)
{
    if (transfer == nullptr)
        return;
    {
        std::lock_guard lock(sim::bus().mutex());
        Libusb1Face::forget_stale(sim::bus());
        auto it = Libusb1Face::transfers().find(transfer);
        if (it != Libusb1Face::transfers().end() && it->second.in_flight) {
            std::fprintf(stderr, "libusb simulator: a transfer was freed while still in flight\n");
            std::abort();
        }
        Libusb1Face::transfers().erase(transfer);
    }
    std::free(transfer);
}

int LIBUSB_CALL libusb_submit_transfer(struct libusb_transfer* transfer)
{
    sim::Bus& b = sim::bus();
    auto lock = b.enter();
    Libusb1Face::forget_stale(b);
    auto it = Libusb1Face::transfers().find(transfer);
    if (it == Libusb1Face::transfers().end() || transfer->dev_handle == nullptr)
        return LIBUSB_ERROR_INVALID_PARAM;
    if (it->second.in_flight)
        return LIBUSB_ERROR_BUSY;
    if (!Libusb1Face::alive(transfer->dev_handle->dev))
        return LIBUSB_ERROR_NO_DEVICE;
    if (transfer->type != LIBUSB_TRANSFER_TYPE_INTERRUPT || transfer->endpoint != sim::kInterruptInEndpoint)
        return LIBUSB_ERROR_NOT_SUPPORTED;
    transfer->actual_length = 0;
    it->second = {true, false, b.clock().now() + std::chrono::milliseconds(transfer->timeout), transfer->timeout != 0};
    ++b.usb_transfers();
    return 0;
}

int LIBUSB_CALL libusb_cancel_transfer(struct libusb_transfer* transfer)
{
    std::lock_guard lock(sim::bus().mutex());
    auto it = Libusb1Face::transfers().find(transfer);
    if (it == Libusb1Face::transfers().end() || !it->second.in_flight || it->second.cancelled)
        return LIBUSB_ERROR_NOT_FOUND;
    it->second.cancelled = true; // completes, as cancelled, at the next event handling
    return 0;
}

int LIBUSB_CALL libusb_handle_events_timeout(libusb_context*, struct timeval* tv)
{
    return Libusb1Face::handle_events(tv, nullptr);
}

int LIBUSB_CALL libusb_handle_events_timeout_completed(libusb_context*, struct timeval* tv, int* completed)
{
    return Libusb1Face::handle_events(tv, completed);
}

} // extern "C"
