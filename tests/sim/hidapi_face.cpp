// The hidapi C functions over the simulated bus, declared by the real hidapi header.

#include <hidapi.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "tests/sim/bus.h"

struct hid_device_ {
    std::shared_ptr<sim::Device> device;
    std::shared_ptr<sim::HidInterface> iface;
    uint64_t generation;
    int session;
    bool nonblocking = false;
    std::wstring error;
};

namespace sim {

// Everything the C functions need of the bus and interfaces' private state.
struct HidFace {
    static std::wstring global_error;

    static bool alive(hid_device* dev)
    {
        return dev != nullptr && dev->device->present() && dev->device->generation() == dev->generation;
    }

    static bool strike(int& counter)
    {
        if (counter == 0)
            return false;
        if (counter > 0)
            --counter;
        return true;
    }

    static hid_device_info* enumerate(unsigned short vendor_id, unsigned short product_id)
    {
        Bus& b = bus();
        std::lock_guard lock(b.mutex());
        b.run_due_events();
        hid_device_info* head = nullptr;
        hid_device_info** tail = &head;
        for (const auto& device : b.devices_) {
            if (!device->present())
                continue;
            if ((vendor_id != 0 && device->vendor_id != vendor_id) ||
                (product_id != 0 && device->product_id != product_id))
                continue;
            for (const auto& iface : device->hid) {
                auto* info = new hid_device_info{};
                info->path = strdup(iface->path_.c_str());
                info->vendor_id = device->vendor_id;
                info->product_id = device->product_id;
                info->usage_page = iface->usage_page;
                info->usage = iface->usage;
                info->interface_number = iface->interface_number;
                info->bus_type = HID_API_BUS_USB;
                *tail = info;
                tail = &info->next;
            }
        }
        return head;
    }

    static hid_device* open_path(const char* path)
    {
        Bus& b = bus();
        std::lock_guard lock(b.mutex());
        b.run_due_events();
        for (const auto& device : b.devices_) {
            if (!device->present())
                continue;
            for (const auto& iface : device->hid) {
                if (path == nullptr || iface->path_ != path)
                    continue;
                if (strike(iface->faults.fail_open)) {
                    const bool denied = iface->faults.open_permission_denied;
                    errno = denied ? EACCES : EIO;
                    global_error = denied ? L"Failed to open a device: Permission denied" : L"Failed to open a device";
                    return nullptr;
                }
                auto* dev = new hid_device_{device, iface, device->generation(), iface->opens_, false, {}};
                ++iface->opens_;
                ++iface->open_handles_;
                ++b.open_hid_handles_;
                b.hid_opens_.push_back(device->product_id);
                iface->reports_.clear();
                iface->answers_.clear();
                iface->feature_replies_.clear();
                return dev;
            }
        }
        errno = ENOENT;
        global_error = L"Failed to open a device: No such device";
        return nullptr;
    }

    static void close(hid_device* dev)
    {
        if (dev == nullptr)
            return;
        Bus& b = bus();
        {
            std::lock_guard lock(b.mutex());
            --dev->iface->open_handles_;
            --b.open_hid_handles_;
        }
        delete dev;
    }

    // Applies the scripted faults to a reply and queues it.
    static void queue_reply(HidInterface& iface, HidReply reply, kivo::Duration now)
    {
        const HidFaults& f = iface.faults;
        kivo::Duration at = now + f.reply_delay;
        const int busy_reports = f.busy_before_final + reply.busy_before_final;
        for (Bytes& report : reply.reports) {
            for (int i = 0; i < busy_reports; ++i) {
                Bytes busy = report;
                if (busy.size() > 2)
                    busy[2] = 1;
                iface.reports_.push_back({at, busy});
                at += f.report_interval;
            }
            iface.reports_.push_back({at, report});
            at += f.report_interval;
        }
        for (Bytes& a : reply.answers) {
            if (f.wrong_echo && !a.empty())
                a[0] = static_cast<uint8_t>(a[0] ^ 0x7F);
            for (int i = 0; i < f.extra_answer_bytes; ++i)
                a.push_back(0xEE);
            for (int i = 0; i < f.drop_answer_bytes && !a.empty(); ++i)
                a.pop_back();
            for (int i = 0; i < f.busy_before_final; ++i) {
                Bytes busy = a;
                if (busy.size() > 1)
                    busy[1] = 1;
                iface.answers_.push_back({at, busy, 0, f.empty_polls});
                at += f.report_interval;
            }
            iface.answers_.push_back({at, a, 0, f.empty_polls});
            at += f.report_interval;
        }
    }

    static int write(hid_device* dev, const unsigned char* data, size_t length, HidWrite::Kind kind)
    {
        Bus& b = bus();
        std::unique_lock lock(b.mutex());
        b.run_due_events();
        if (alive(dev) && data != nullptr) {
            dev->device->gate.pass(Bytes(data, data + length), lock);
            b.run_due_events();
        }
        if (!alive(dev) || data == nullptr)
            return -1;
        HidInterface& iface = *dev->iface;
        if (strike(iface.faults.fail_writes))
            return -1;
        Bytes bytes(data, data + length);
        if (kind == HidWrite::Feature && iface.feature_setter && !iface.feature_setter(bytes))
            return -1;
        iface.transcript_.push_back({kind, dev->session, bytes, b.clock().now()});
        if (iface.faults.silent)
            return static_cast<int>(length);
        HidHandler& handler = kind == HidWrite::Output ? iface.handler : iface.feature_handler;
        if (!handler)
            return static_cast<int>(length);
        HidReply reply = handler(bytes);
        if (reply.fail_write) {
            iface.transcript_.pop_back();
            return -1;
        }
        if (kind == HidWrite::Feature) {
            for (Bytes& r : reply.reports)
                iface.feature_replies_.push_back(std::move(r));
        } else {
            queue_reply(iface, std::move(reply), b.clock().now());
        }
        return static_cast<int>(length);
    }

    static int read(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
    {
        Bus& b = bus();
        std::lock_guard lock(b.mutex());
        b.run_due_events();
        const kivo::Duration wait = milliseconds < 0 ? kivo::Duration(std::chrono::hours(1))
                                                     : kivo::Duration(std::chrono::milliseconds(milliseconds));
        const kivo::Duration deadline = b.clock().now() + wait;
        if (!alive(dev))
            return -1;
        if (strike(dev->iface->faults.fail_reads))
            return -1;
        for (;;) {
            if (!alive(dev))
                return -1;
            auto& queue = dev->iface->reports_;
            const kivo::Duration now = b.clock().now();
            if (!queue.empty() && queue.front().ready_at <= now) {
                Bytes report = std::move(queue.front().bytes);
                queue.pop_front();
                const size_t n = std::min(length, report.size());
                if (n > 0) // an empty report has no bytes to copy from
                    std::memcpy(data, report.data(), n);
                return static_cast<int>(n);
            }
            if (now >= deadline)
                return 0;
            // Nothing yet: time passes up to the next thing that can change that, or the deadline.
            kivo::Duration next = deadline;
            if (!queue.empty())
                next = std::min(next, queue.front().ready_at);
            if (auto event = b.next_event_time())
                next = std::min(next, *event);
            b.clock().advance_to(next);
            b.run_due_events();
        }
    }

    static int get_input_report(hid_device* dev, unsigned char* data, size_t length)
    {
        Bus& b = bus();
        std::lock_guard lock(b.mutex());
        b.run_due_events();
        if (!alive(dev) || data == nullptr || length < 2)
            return -1;
        HidInterface& iface = *dev->iface;
        if (strike(iface.faults.fail_reads))
            return -1;
        const uint8_t requested = data[0];
        std::memset(data, 0, length);
        data[0] = requested;
        if (iface.answers_.empty() || iface.answers_.front().ready_at > b.clock().now())
            return static_cast<int>(length);
        HidInterface::Pending& a = iface.answers_.front();
        if (a.empty_polls_left > 0) {
            --a.empty_polls_left;
            return static_cast<int>(length);
        }
        const size_t room = std::min<size_t>(length - 2, static_cast<size_t>(std::max(iface.faults.chunk_length, 1)));
        const size_t n = std::min(room, a.bytes.size() - a.served);
        if (n > 0) // an empty answer has no bytes to copy from
            std::memcpy(data + 2, a.bytes.data() + a.served, n);
        a.served += n;
        if (iface.faults.wrong_report_id >= 0)
            data[0] = static_cast<uint8_t>(iface.faults.wrong_report_id);
        data[1] = static_cast<uint8_t>(iface.faults.chunk_length_byte >= 0 ? iface.faults.chunk_length_byte : n);
        if (a.served >= a.bytes.size())
            iface.answers_.pop_front();
        return static_cast<int>(length);
    }

    static int get_feature_report(hid_device* dev, unsigned char* data, size_t length)
    {
        Bus& b = bus();
        std::lock_guard lock(b.mutex());
        b.run_due_events();
        if (!alive(dev) || data == nullptr || length == 0)
            return -1;
        HidInterface& iface = *dev->iface;
        if (strike(iface.faults.fail_reads))
            return -1;
        Bytes reply;
        if (!iface.feature_replies_.empty()) {
            reply = std::move(iface.feature_replies_.front());
            iface.feature_replies_.pop_front();
        } else {
            std::optional<Bytes> answer;
            if (iface.feature_getter && !iface.faults.silent)
                answer = iface.feature_getter(data[0]);
            if (!answer)
                return -1;
            reply = std::move(*answer);
        }
        const size_t n = std::min(length, reply.size());
        if (n > 0)
            std::memcpy(data, reply.data(), n);
        return static_cast<int>(n);
    }

    static int exit_library()
    {
        Bus& b = bus();
        std::lock_guard lock(b.mutex());
        ++b.hid_exit_calls_;
        return 0;
    }
};

std::wstring HidFace::global_error;

} // namespace sim

using sim::HidFace;

extern "C" {

int hid_init(void) { return 0; }

int hid_exit(void) { return HidFace::exit_library(); }

struct hid_device_info* hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    return HidFace::enumerate(vendor_id, product_id);
}

void hid_free_enumeration(struct hid_device_info* devs)
{
    while (devs != nullptr) {
        hid_device_info* next = devs->next;
        free(devs->path);
        delete devs;
        devs = next;
    }
}

hid_device* hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t* /*serial_number*/)
{
    hid_device_info* list = hid_enumerate(vendor_id, product_id);
    hid_device* dev = list != nullptr ? hid_open_path(list->path) : nullptr;
    hid_free_enumeration(list);
    return dev;
}

hid_device* hid_open_path(const char* path) { return HidFace::open_path(path); }

int hid_write(hid_device* dev, const unsigned char* data, size_t length)
{
    return HidFace::write(dev, data, length, sim::HidWrite::Output);
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
{
    return HidFace::read(dev, data, length, milliseconds);
}

int hid_read(hid_device* dev, unsigned char* data, size_t length)
{
    return HidFace::read(dev, data, length, dev != nullptr && dev->nonblocking ? 0 : -1);
}

int hid_set_nonblocking(hid_device* dev, int nonblock)
{
    if (dev == nullptr)
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length)
{
    return HidFace::write(dev, data, length, sim::HidWrite::Feature);
}

int hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length)
{
    return HidFace::get_feature_report(dev, data, length);
}

int hid_get_input_report(hid_device* dev, unsigned char* data, size_t length)
{
    return HidFace::get_input_report(dev, data, length);
}

void hid_close(hid_device* dev) { HidFace::close(dev); }

static int no_string(wchar_t* string, size_t maxlen)
{
    if (string != nullptr && maxlen > 0)
        string[0] = L'\0';
    return 0;
}

int hid_get_manufacturer_string(hid_device*, wchar_t* string, size_t maxlen) { return no_string(string, maxlen); }
int hid_get_product_string(hid_device*, wchar_t* string, size_t maxlen) { return no_string(string, maxlen); }
int hid_get_serial_number_string(hid_device*, wchar_t* string, size_t maxlen) { return no_string(string, maxlen); }
int hid_get_indexed_string(hid_device*, int, wchar_t* string, size_t maxlen) { return no_string(string, maxlen); }

struct hid_device_info* hid_get_device_info(hid_device*) { return nullptr; }

const wchar_t* hid_error(hid_device* dev)
{
    if (dev != nullptr)
        return dev->error.empty() ? nullptr : dev->error.c_str();
    return HidFace::global_error.empty() ? nullptr : HidFace::global_error.c_str();
}

const struct hid_api_version* hid_version(void)
{
    static const hid_api_version version{HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH};
    return &version;
}

const char* hid_version_str(void) { return HID_API_VERSION_STR; }

} // extern "C"
