#include "link/hid_discovery.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cwchar>
#include <functional>

#include "common/bounded_text.h"
#include "link/hid_slots.h"
#include "link/link_trace.h"

using kivo::link_trace;

namespace {

// Opened only on their vendor-defined interface.
constexpr std::array<uint16_t, 81> kGeneralProducts = {
    0x3052, 0x3072, 0x3082, 0x3085, 0x321B, 0x3340, 0x3341, 0x3342, 0x3343, 0x3350, 0x3360, 0x3370, 0x3380, 0x3400,
    0x3410, 0x3420, 0x3430, 0x3701, 0x4023, 0x4D06, 0x4D16, 0x4D76, 0x4D86, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444,
    0x5445, 0x5451, 0x5552, 0x5553, 0x5590, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x5630, 0x5632,
    0x6038, 0x6039, 0x6042, 0x6461, 0x6481, 0x6491, 0x6600, 0x6610, 0x6620, 0x6700, 0x6800, 0x6801, 0x6802, 0x6803,
    0x6804, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6814, 0x6815, 0x6816, 0x6817, 0x6821, 0x6822, 0x6824,
    0x6825, 0x6829, 0x6831, 0x683A, 0x6841, 0x6845, 0x6846, 0x6847, 0x6848, 0x6900, 0x6910,
};
// Opened on any interface.
constexpr std::array<uint16_t, 2> kAnyInterfaceProducts = {0x3142, 0x3143};
constexpr std::array<uint16_t, 4> kQccMeshProducts = {0x3160, 0x3220, 0x6501, 0x6511};
constexpr std::array<uint16_t, 1> kVantorMeshProducts = {0x3120};
constexpr std::array<uint16_t, 1> kAirohaMeshProducts = {0x3220};
constexpr uint16_t kAirohaMeshAltProduct = 0x33F0;
constexpr std::array<uint16_t, 2> kQuvinProducts = {0x5345, 0x5346};

template <size_t N> bool contains(const std::array<uint16_t, N>& ids, unsigned id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool vendor_interface(const hid_device_info& e)
{
    return e.usage_page == kHidVendorUsagePage && e.usage == kHidVendorUsage;
}

bool permission_denied()
{
    if (errno == EACCES || errno == EPERM)
        return true;
    const wchar_t* error = hid_error(nullptr);
    return error != nullptr && std::wcsstr(error, L"Permission denied") != nullptr;
}

hid_device* open_entry(const hid_device_info& e)
{
    errno = 0;
    hid_device* dev = hid_open_path(e.path);
    if (dev == nullptr) {
        if (permission_denied())
            link_trace("hid open failed pid[%04X]: permission denied (install the udev rules, see README)\n",
                       e.product_id);
        else
            link_trace("hid open failed pid[%04X]\n", e.product_id);
    }
    return dev;
}

// Frees the device list however the walk ends.
struct DeviceList {
    hid_device_info* head = hid_enumerate(0, 0);
    ~DeviceList() { hid_free_enumeration(head); }
    DeviceList() = default;
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
};

bool slot_free(int slot)
{
    if (hid_slot(slot) == nullptr)
        return true;
    link_trace("hid slot[%d] already open\n", slot);
    return false;
}

// The walk of the single-slot openers: the first matching vendor entry that opens goes to slot 0.
int open_single(const char* family, const std::function<bool(const hid_device_info&)>& matches,
                const kivo::ProductFilter& accept, uint32_t& product_id, std::span<char> text, bool trace_first = false)
{
    if (!slot_free(0))
        return kHidOpenNotFound;
    DeviceList list;
    if (list.head == nullptr)
        return kHidOpenNotFound;
    if (trace_first)
        link_trace("devs =[%04X]\n", list.head->product_id);
    for (const hid_device_info* e = list.head; e != nullptr; e = e->next) {
        if (e->vendor_id != DEVICE_VENDOR_ID)
            continue;
        if (family != nullptr)
            link_trace("%s mesh pid[%04X]\n", family, e->product_id);
        if (!matches(*e) || !kivo::product_passes(accept, e->product_id))
            continue;
        if (hid_device* dev = open_entry(*e)) {
            hid_set_slot(0, dev);
            product_id = e->product_id;
            kivo::copy_text(text, kHidOpenedText);
            return 0;
        }
    }
    return kHidOpenNotFound;
}

} // namespace

int hid_open_device(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept)
{
    return open_single(
        nullptr,
        [](const hid_device_info& e) {
            return contains(kAnyInterfaceProducts, e.product_id) ||
                (contains(kGeneralProducts, e.product_id) && vendor_interface(e));
        },
        accept, product_id, text, true);
}

bool hid_device_product(uint32_t product_id)
{
    return contains(kAnyInterfaceProducts, product_id) || contains(kGeneralProducts, product_id);
}

int hid_open_vantor_mesh(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept)
{
    return open_single(
        "vantor", [](const hid_device_info& e) { return contains(kVantorMeshProducts, e.product_id); }, accept,
        product_id, text);
}

int hid_open_qcc_mesh(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept)
{
    return open_single(
        "qcc", [](const hid_device_info& e) { return contains(kQccMeshProducts, e.product_id); }, accept, product_id,
        text);
}

int hid_open_airoha_mesh(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept)
{
    return open_single(
        "airoha",
        [](const hid_device_info& e) { return contains(kAirohaMeshProducts, e.product_id) && vendor_interface(e); },
        accept, product_id, text);
}

int hid_open_airoha_mesh_alt(uint32_t& product_id, std::span<char> text, const kivo::ProductFilter& accept)
{
    return open_single(
        "airoha", [](const hid_device_info& e) { return e.product_id == kAirohaMeshAltProduct && vendor_interface(e); },
        accept, product_id, text);
}

std::span<const uint16_t> hid_vantor_mesh_products() { return kVantorMeshProducts; }
std::span<const uint16_t> hid_qcc_mesh_products() { return kQccMeshProducts; }
std::span<const uint16_t> hid_airoha_mesh_products() { return kAirohaMeshProducts; }

int hid_open_quvin_devices(uint32_t& product_id0, uint32_t& product_id1, std::span<char> text, int mode)
{
    if (mode != 2 && mode != 3)
        return kHidOpenNotFound;
    if (!slot_free(0) || !slot_free(1))
        return kHidOpenNotFound;
    DeviceList list;
    if (list.head == nullptr)
        return kHidOpenNotFound;
    int opened = 0;
    uint32_t ids[kHidSlotCount] = {0, 0};
    for (const hid_device_info* e = list.head; e != nullptr; e = e->next) {
        if (e->vendor_id != DEVICE_VENDOR_ID || !contains(kQuvinProducts, e->product_id))
            continue;
        hid_device* dev = open_entry(*e);
        if (dev == nullptr)
            continue;
        const int slot = hid_slot(0) == nullptr ? 0 : 1;
        hid_set_slot(slot, dev);
        ids[slot] = e->product_id;
        ++opened;
        if (hid_slot(0) != nullptr && hid_slot(1) != nullptr) {
            product_id0 = ids[0];
            product_id1 = ids[1];
            kivo::copy_text(text, kHidOpenedText);
            return 0;
        }
    }
    return opened - 2;
}
