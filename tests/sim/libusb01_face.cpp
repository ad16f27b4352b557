// The libusb-0.1 C functions over the simulated bus, declared by the real usb.h. The bus and
// device lists are snapshots taken by usb_find_busses / usb_find_devices, as in the library:
// the entry of a device that has gone is freed at the next rescan.

#include <usb.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/sim/bus.h"

struct usb_bus* usb_busses = nullptr;

struct usb_dev_handle {
    std::shared_ptr<sim::Device> device;
    uint64_t generation;
    std::multiset<int> claimed;
};

namespace sim {

struct Usb01Face {
    struct Node {
        struct usb_device dev { };
        std::shared_ptr<Device> device;
        uint64_t generation = 0;
        std::vector<usb_config_descriptor> configs;
        std::vector<std::vector<usb_interface>> interfaces;
        std::vector<std::vector<std::vector<usb_interface_descriptor>>> alt_settings;
    };
    struct BusNode {
        usb_bus bus{};
        uint8_t number = 0;
    };

    static inline std::vector<std::unique_ptr<Node>> nodes;
    static inline std::vector<std::unique_ptr<BusNode>> buses;
    static inline uint64_t epoch = 0;
    static inline std::string error;

    static int fail(int negative_errno, const std::string& what)
    {
        errno = -negative_errno;
        error = what + ": " + std::strerror(-negative_errno);
        return negative_errno;
    }

    static bool alive(const usb_dev_handle* h)
    {
        return h != nullptr && h->device->present() && h->device->generation() == h->generation;
    }

    static std::unique_ptr<Node> make_node(const std::shared_ptr<Device>& device)
    {
        auto node = std::make_unique<Node>();
        node->device = device;
        node->generation = device->generation();
        const UsbFace& usb = device->usb;
        std::snprintf(node->dev.filename, sizeof node->dev.filename, "%03u", usb.address());
        node->dev.devnum = usb.address();
        usb_device_descriptor& d = node->dev.descriptor;
        d.bLength = USB_DT_DEVICE_SIZE;
        d.bDescriptorType = USB_DT_DEVICE;
        d.bcdUSB = 0x0200;
        d.bDeviceClass = usb.layout.device_class;
        d.bMaxPacketSize0 = 64;
        d.idVendor = device->vendor_id;
        d.idProduct = device->product_id;
        d.bcdDevice = usb.bcd_device;
        d.bNumConfigurations = static_cast<uint8_t>(usb.layout.configs.size());

        // Build every level first; pointers are taken once nothing grows any more.
        for (const UsbConfigDesc& config : usb.layout.configs) {
            std::vector<std::vector<usb_interface_descriptor>> per_interface;
            for (const UsbInterfaceDesc& iface : config) {
                std::vector<usb_interface_descriptor> alts;
                for (const UsbAltSetting& a : iface)
                    alts.push_back({USB_DT_INTERFACE_SIZE, USB_DT_INTERFACE, a.number, a.alternate, 0,
                                    a.interface_class, a.subclass, a.protocol, 0, nullptr, nullptr, 0});
                per_interface.push_back(std::move(alts));
            }
            node->alt_settings.push_back(std::move(per_interface));
        }
        for (auto& per_interface : node->alt_settings) {
            std::vector<usb_interface> ifaces;
            for (auto& alts : per_interface)
                ifaces.push_back({alts.data(), static_cast<int>(alts.size())});
            node->interfaces.push_back(std::move(ifaces));
        }
        for (size_t i = 0; i < node->interfaces.size(); ++i)
            node->configs.push_back({USB_DT_CONFIG_SIZE, USB_DT_CONFIG, 0,
                                     static_cast<uint8_t>(node->interfaces[i].size()), static_cast<uint8_t>(i + 1), 0,
                                     0x80, 50, node->interfaces[i].data(), nullptr, 0});
        node->dev.config = node->configs.empty() ? nullptr : node->configs.data();
        return node;
    }

    // Brings the lists up to date with the bus; returns how many entries changed.
    static int rescan()
    {
        Bus& b = bus();
        auto lock = b.enter();
        if (epoch != b.epoch()) {
            nodes.clear();
            buses.clear();
            usb_busses = nullptr;
            epoch = b.epoch();
        }
        int changes = 0;
        std::vector<std::unique_ptr<Node>> next;
        for (const auto& device : b.devices()) {
            if (!device->present())
                continue;
            auto same = std::find_if(nodes.begin(), nodes.end(), [&](const std::unique_ptr<Node>& n) {
                return n && n->device == device && n->generation == device->generation();
            });
            if (same != nodes.end()) {
                next.push_back(std::move(*same));
            } else {
                next.push_back(make_node(device));
                ++changes;
            }
        }
        for (const auto& gone : nodes)
            if (gone)
                ++changes;
        nodes = std::move(next);

        std::set<uint8_t> numbers{1};
        for (const auto& n : nodes)
            numbers.insert(n->device->usb.bus_number);
        std::vector<std::unique_ptr<BusNode>> next_buses;
        for (uint8_t number : numbers) {
            auto same = std::find_if(buses.begin(), buses.end(),
                                     [&](const std::unique_ptr<BusNode>& bn) { return bn && bn->number == number; });
            if (same != buses.end()) {
                next_buses.push_back(std::move(*same));
            } else {
                auto bn = std::make_unique<BusNode>();
                bn->number = number;
                std::snprintf(bn->bus.dirname, sizeof bn->bus.dirname, "%03u", number);
                bn->bus.location = number;
                next_buses.push_back(std::move(bn));
                ++changes;
            }
        }
        buses = std::move(next_buses);

        for (size_t i = 0; i < buses.size(); ++i) {
            usb_bus& bus_entry = buses[i]->bus;
            bus_entry.prev = i > 0 ? &buses[i - 1]->bus : nullptr;
            bus_entry.next = i + 1 < buses.size() ? &buses[i + 1]->bus : nullptr;
            bus_entry.devices = nullptr;
            struct usb_device* last = nullptr;
            for (const auto& n : nodes) {
                if (n->device->usb.bus_number != buses[i]->number)
                    continue;
                n->dev.bus = &bus_entry;
                n->dev.prev = last;
                n->dev.next = nullptr;
                if (last != nullptr)
                    last->next = &n->dev;
                else
                    bus_entry.devices = &n->dev;
                last = &n->dev;
            }
        }
        usb_busses = buses.empty() ? nullptr : &buses.front()->bus;
        return changes;
    }

    static Node* node_of(const struct usb_device* dev)
    {
        for (const auto& n : nodes)
            if (&n->dev == dev)
                return n.get();
        return nullptr;
    }
};

} // namespace sim

using sim::Usb01Face;

extern "C" {

void usb_init(void)
{
    std::lock_guard lock(sim::bus().mutex());
    ++sim::bus().usb_calls().usb_init;
}

void usb_set_debug(int) { }

int usb_find_busses(void) { return Usb01Face::rescan(); }

int usb_find_devices(void) { return Usb01Face::rescan(); }

struct usb_bus* usb_get_busses(void) { return usb_busses; }

char* usb_strerror(void) { return Usb01Face::error.data(); }

usb_dev_handle* usb_open(struct usb_device* dev)
{
    auto lock = sim::bus().enter();
    Usb01Face::Node* node = Usb01Face::node_of(dev);
    if (node == nullptr || !node->device->present() || node->device->generation() != node->generation) {
        Usb01Face::fail(-ENODEV, "could not open device");
        return nullptr;
    }
    if (int r = node->device->usb.open(); r < 0) {
        Usb01Face::fail(r, "could not open device");
        return nullptr;
    }
    return new usb_dev_handle{node->device, node->generation, {}};
}

int usb_close(usb_dev_handle* dev)
{
    if (dev == nullptr)
        return -EINVAL;
    std::lock_guard lock(sim::bus().mutex());
    if (Usb01Face::alive(dev))
        for (int interface : dev->claimed)
            dev->device->usb.release(interface, false);
    dev->device->usb.close();
    delete dev;
    return 0;
}

int usb_claim_interface(usb_dev_handle* dev, int interface)
{
    auto lock = sim::bus().enter();
    if (dev == nullptr)
        return Usb01Face::fail(-EINVAL, "could not claim interface");
    if (!Usb01Face::alive(dev))
        return Usb01Face::fail(-ENODEV, "could not claim interface");
    if (int r = dev->device->usb.claim(interface, false); r < 0)
        return Usb01Face::fail(r, "could not claim interface " + std::to_string(interface));
    dev->claimed.insert(interface);
    return 0;
}

int usb_release_interface(usb_dev_handle* dev, int interface)
{
    auto lock = sim::bus().enter();
    if (dev == nullptr)
        return Usb01Face::fail(-EINVAL, "could not release interface");
    auto it = dev->claimed.find(interface);
    if (it == dev->claimed.end())
        return Usb01Face::fail(-EINVAL, "could not release interface " + std::to_string(interface));
    dev->claimed.erase(it);
    if (!Usb01Face::alive(dev))
        return Usb01Face::fail(-ENODEV, "could not release interface " + std::to_string(interface));
    dev->device->usb.release(interface, false);
    return 0;
}

int usb_detach_kernel_driver_np(usb_dev_handle* dev, int interface)
{
    auto lock = sim::bus().enter();
    if (!Usb01Face::alive(dev))
        return Usb01Face::fail(-ENODEV, "could not detach kernel driver");
    if (int r = dev->device->usb.detach_kernel_driver(interface); r < 0)
        return Usb01Face::fail(r, "could not detach kernel driver from interface " + std::to_string(interface));
    return 0;
}

int usb_reset(usb_dev_handle* dev)
{
    sim::Bus& b = sim::bus();
    auto lock = b.enter();
    if (!Usb01Face::alive(dev))
        return Usb01Face::fail(-ENODEV, "could not reset");
    b.usb_reset(dev->device);
    return 0;
}

int usb_control_msg(usb_dev_handle* dev, int requesttype, int request, int value, int index, char* bytes, int size,
                    int timeout)
{
    auto lock = sim::bus().enter();
    if (dev == nullptr || size < 0 || size > 0xFFFF || (size > 0 && bytes == nullptr))
        return Usb01Face::fail(-EINVAL, "error sending control message");
    if (!Usb01Face::alive(dev))
        return Usb01Face::fail(-ENODEV, "error sending control message");
    if (!(requesttype & USB_ENDPOINT_IN) && bytes != nullptr) {
        dev->device->gate.pass(sim::Bytes(bytes, bytes + size), lock);
        if (!Usb01Face::alive(dev))
            return Usb01Face::fail(-ENODEV, "error sending control message");
    }
    const int r = dev->device->usb.control(sim::UsbApi::Libusb01,
                                           {static_cast<uint8_t>(requesttype), static_cast<uint8_t>(request),
                                            static_cast<uint16_t>(value), static_cast<uint16_t>(index),
                                            static_cast<uint16_t>(size)},
                                           reinterpret_cast<uint8_t*>(bytes), timeout);
    return r < 0 ? Usb01Face::fail(r, "error sending control message") : r;
}

} // extern "C"
