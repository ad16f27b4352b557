#include "tests/sim/bus.h"

#include <algorithm>
#include <string>

#include "tests/sim/dfu_persona.h"

namespace sim {

HidInterface& Device::add_hid(uint16_t usage_page, uint16_t usage, int interface_number)
{
    auto iface = std::make_shared<HidInterface>();
    iface->usage_page = usage_page;
    iface->usage = usage;
    iface->interface_number = interface_number;
    hid.push_back(iface);
    return *iface;
}

void Bus::assign_paths(Device& device)
{
    for (auto& iface : device.hid)
        iface->path_ = "/dev/hidraw-sim" + std::to_string(next_path_++);
    device.usb.address_ = next_address_++;
    if (next_address_ > 127)
        next_address_ = 1;
}

std::shared_ptr<Device> Bus::plug(std::shared_ptr<Device> device)
{
    std::lock_guard lock(mutex_);
    if (std::find(devices_.begin(), devices_.end(), device) == devices_.end())
        devices_.push_back(device);
    device->present_ = true;
    ++device->generation_;
    assign_paths(*device);
    return device;
}

std::shared_ptr<Device> Bus::plug_ahead(std::shared_ptr<Device> device)
{
    std::lock_guard lock(mutex_);
    plug(device);
    // Moved to the front, the others keeping their order behind it.
    const auto at = std::find(devices_.begin(), devices_.end(), device);
    std::rotate(devices_.begin(), at, at + 1);
    return device;
}

std::shared_ptr<Device> Bus::plug_hid(uint16_t product_id, HidHandler handler, uint16_t usage_page, uint16_t usage,
                                      uint16_t vendor_id)
{
    auto device = std::make_shared<Device>(product_id, vendor_id);
    device->add_hid(usage_page, usage).handler = std::move(handler);
    return plug(device);
}

void Bus::unplug(Device& device)
{
    std::lock_guard lock(mutex_);
    device.present_ = false;
    ++device.generation_;
    device.usb.on_leave();
}

void Bus::replug(Device& device, std::optional<uint16_t> new_product_id)
{
    std::lock_guard lock(mutex_);
    if (new_product_id)
        device.product_id = *new_product_id;
    device.present_ = true;
    ++device.generation_;
    assign_paths(device);
}

void Bus::leave(std::shared_ptr<Device> device, kivo::Duration after, std::optional<kivo::Duration> away,
                std::optional<uint16_t> new_product_id)
{
    schedule(after, [this, device] { unplug(*device); });
    if (away)
        schedule(after + *away, [this, device, new_product_id] { replug(*device, new_product_id); });
}

void Bus::schedule(kivo::Duration after, std::function<void()> event)
{
    std::lock_guard lock(mutex_);
    events_.push_back({clock_.now() + after, event_order_++, std::move(event)});
}

void Bus::sleep(kivo::Duration d)
{
    if (mutex_.held_here()) {
        clock_.advance(d);
        return;
    }
    std::lock_guard lock(mutex_);
    const kivo::Duration end = clock_.now() + std::max(d, kivo::Duration::zero());
    run_due_events();
    for (auto next = next_event_time(); next && *next <= end; next = next_event_time()) {
        clock_.advance_to(*next);
        run_due_events();
    }
    clock_.advance_to(end);
}

std::optional<kivo::Duration> Bus::next_event_time() const
{
    std::lock_guard lock(mutex_);
    std::optional<kivo::Duration> next;
    for (const Event& e : events_)
        if (!next || e.at < *next)
            next = e.at;
    return next;
}

void Bus::run_due_events()
{
    std::lock_guard lock(mutex_);
    for (;;) {
        auto due = std::min_element(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.at != b.at ? a.at < b.at : a.order < b.order;
        });
        if (due == events_.end() || due->at > clock_.now())
            return;
        auto run = std::move(due->run);
        events_.erase(due);
        run();
    }
}

std::vector<std::shared_ptr<Device>> Bus::devices() const
{
    std::lock_guard lock(mutex_);
    return devices_;
}

int Bus::open_hid_handles() const
{
    std::lock_guard lock(mutex_);
    return open_hid_handles_;
}

std::vector<uint16_t> Bus::hid_opens() const
{
    std::lock_guard lock(mutex_);
    return hid_opens_;
}

int Bus::hid_exit_calls() const
{
    std::lock_guard lock(mutex_);
    return hid_exit_calls_;
}

int Bus::open_usb_handles() const
{
    std::lock_guard lock(mutex_);
    int n = 0;
    for (const auto& device : devices_)
        n += device->usb.open_handles();
    return n;
}

int Bus::claimed_usb_interfaces() const
{
    std::lock_guard lock(mutex_);
    int n = 0;
    for (const auto& device : devices_)
        n += static_cast<int>(device->usb.claimed().size());
    return n;
}

int Bus::usb_transfers_in_flight() const
{
    std::lock_guard lock(mutex_);
    return usb_transfers_;
}

Bus::UsbLibraryCalls Bus::usb_library_calls() const
{
    std::lock_guard lock(mutex_);
    return usb_calls_;
}

void Bus::usb_reset(const std::shared_ptr<Device>& device)
{
    std::lock_guard lock(mutex_);
    unplug(*device);
    if (device->usb.gone_after_reset)
        return;
    // The device takes the reset now (a detach whose time-out runs out meanwhile still counts) and
    // shows itself after it.
    uint16_t product_id = device->product_id;
    if (device->usb.dfu)
        product_id = device->usb.dfu->reset(device->usb.layout, device->usb.ps_store.get());
    schedule(device->usb.reenumerate_after, [this, device, product_id] {
        if (device->usb.faults_after_reset) {
            device->usb.faults = *device->usb.faults_after_reset;
            device->usb.faults_after_reset.reset();
        }
        replug(*device, product_id);
    });
}

void Bus::reset()
{
    std::lock_guard lock(mutex_);
    devices_.clear();
    events_.clear();
    clock_.reset();
    open_hid_handles_ = 0;
    hid_opens_.clear();
    hid_exit_calls_ = 0;
    ++epoch_;
    next_address_ = 1;
    usb_calls_ = {};
    usb_transfers_ = 0;
    usb_library_faults = {};
}

void BusMutex::lock()
{
    mutex_.lock();
    if (depth_++ == 0)
        owner_.store(std::this_thread::get_id(), std::memory_order_relaxed);
}

void BusMutex::unlock()
{
    if (--depth_ == 0)
        owner_.store(std::thread::id(), std::memory_order_relaxed);
    mutex_.unlock();
}

Bus& bus()
{
    static Bus the_bus;
    return the_bus;
}

Session::Session()
{
    sim::bus().reset();
    kivo::install_clock(&sim::bus().clock());
}

Session::~Session()
{
    kivo::install_clock(nullptr);
    sim::bus().reset();
}

} // namespace sim
