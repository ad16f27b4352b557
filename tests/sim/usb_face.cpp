#include "tests/sim/usb_face.h"

#include <algorithm>
#include <cstring>

#include "tests/sim/bus.h"
#include "tests/sim/dfu_persona.h"
#include "tests/sim/ps_store.h"

namespace sim {

bool strike(int& counter)
{
    if (counter == 0)
        return false;
    if (counter > 0)
        --counter;
    return true;
}

namespace {

constexpr uint8_t kRequestTypeMask = 0x60;
constexpr uint8_t kRequestTypeClass = 0x20;
constexpr uint8_t kRecipientMask = 0x1F;
constexpr uint8_t kRecipientDevice = 0x00;
constexpr uint8_t kRecipientInterface = 0x01;
constexpr uint8_t kDirectionIn = 0x80;

bool interface_exists(const UsbLayout& layout, int interface)
{
    for (const UsbConfigDesc& config : layout.configs)
        for (const UsbInterfaceDesc& iface : config)
            for (const UsbAltSetting& alt : iface)
                if (alt.number == interface)
                    return true;
    return false;
}

} // namespace

void UsbFace::queue_interrupt(Bytes data, kivo::Duration after)
{
    std::lock_guard lock(bus().mutex());
    kivo::Duration at = bus().clock().now() + after;
    if (!interrupt_.empty())
        at = std::max(at, interrupt_.back().ready_at);
    interrupt_.push_back({at, std::move(data)});
}

bool UsbFace::kernel_driver_active(int interface) const
{
    return layout.kernel_driver.contains(interface) && !detached_.contains(interface);
}

int UsbFace::open()
{
    if (strike(faults.fail_open))
        return -faults.open_errno;
    ++open_handles_;
    ++open_count_;
    return 0;
}

int UsbFace::claim(int interface, bool auto_detach)
{
    claim_attempts_.push_back(interface);
    if (strike(faults.fail_claim))
        return -faults.claim_errno;
    if (!interface_exists(layout, interface))
        return -ENOENT;
    if (kernel_driver_active(interface)) {
        if (!auto_detach)
            return -EBUSY;
        detached_.insert(interface);
    }
    if (claimed_.contains(interface))
        return -EBUSY;
    claimed_.insert(interface);
    return 0;
}

int UsbFace::release(int interface, bool reattach)
{
    auto it = claimed_.find(interface);
    if (it == claimed_.end())
        return -ENOENT;
    claimed_.erase(it);
    if (reattach)
        detached_.erase(interface);
    return 0;
}

int UsbFace::detach_kernel_driver(int interface)
{
    if (!kernel_driver_active(interface))
        return -ENODATA;
    detached_.insert(interface);
    return 0;
}

int UsbFace::dfu_interface() const
{
    for (const UsbConfigDesc& config : layout.configs)
        for (const UsbInterfaceDesc& iface : config)
            for (const UsbAltSetting& alt : iface)
                if (alt.interface_class == kUsbClassApplication && alt.subclass == 1)
                    return alt.number;
    return -1;
}

bool UsbFace::to_dfu_interface(const ControlSetup& setup) const
{
    return dfu && (setup.request_type & kRequestTypeMask) == kRequestTypeClass &&
        (setup.request_type & kRecipientMask) == kRecipientInterface && setup.index == dfu_interface();
}

int UsbFace::answer_control(const ControlSetup& setup, uint8_t* data)
{
    if ((setup.request_type & kRequestTypeMask) != kRequestTypeClass)
        return -EPIPE;
    const uint8_t recipient = setup.request_type & kRecipientMask;
    if (recipient == kRecipientDevice && setup.request == 0 && !(setup.request_type & kDirectionIn) && ps_store) {
        // An HCI command: the chip answers with an event on the interrupt endpoint.
        Bytes command(data, data + setup.length);
        if (std::optional<Bytes> event = ps_store->answer(command))
            queue_interrupt(std::move(*event), ps_store->answer_delay);
        return setup.length;
    }
    if (to_dfu_interface(setup))
        return dfu->request(setup, data);
    return -EPIPE;
}

int UsbFace::control(UsbApi api, const ControlSetup& setup, uint8_t* data, int timeout_ms)
{
    const bool in = (setup.request_type & kDirectionIn) != 0;
    ControlRecord record{api, setup, {}, timeout_ms, 0, bus().clock().now()};
    if (!in && data != nullptr)
        record.data.assign(data, data + setup.length);

    const bool request_matches = faults.fail_only_request < 0 || faults.fail_only_request == setup.request;
    if (strike(faults.control_timeouts)) {
        bus().clock().advance(std::chrono::milliseconds(timeout_ms));
        record.result = -ETIMEDOUT;
    } else if (request_matches && strike(faults.fail_control)) {
        record.result = -faults.control_errno;
        // A stall is the device's own refusal: its DFU interface takes it as any request it refuses.
        if (faults.control_errno == EPIPE && to_dfu_interface(setup))
            dfu->stalled_by_fault();
    } else if (!in && setup.length > 0 && request_matches && strike(faults.short_control)) {
        record.result = setup.length - 1;
    } else {
        record.result = answer_control(setup, data);
        if (in && record.result > 0)
            record.data.assign(data, data + record.result);
    }
    transcript_.push_back(record);
    return record.result;
}

const kivo::Duration* UsbFace::interrupt_ready_at() const
{
    return interrupt_.empty() ? nullptr : &interrupt_.front().ready_at;
}

size_t UsbFace::take_interrupt(uint8_t* data, size_t length)
{
    if (interrupt_.empty())
        return 0;
    Pending& front = interrupt_.front();
    size_t n = std::min(length, front.bytes.size());
    if (faults.interrupt_chunk > 0)
        n = std::min(n, faults.interrupt_chunk);
    if (n > 0) // empty data has no bytes to copy from
        std::memcpy(data, front.bytes.data(), n);
    front.bytes.erase(front.bytes.begin(), front.bytes.begin() + static_cast<std::ptrdiff_t>(n));
    if (front.bytes.empty())
        interrupt_.pop_front();
    return n;
}

void UsbFace::on_leave()
{
    claimed_.clear();
    detached_.clear();
    interrupt_.clear();
}

} // namespace sim
