#include "tests/link/test_opener.h"

#include <hidapi.h>

#include "common/bounded_text.h"
#include "link/hid_slots.h"

namespace {

// Opens up to `slots` devices of the product into slots 0, 1, ...; 0 when slot 0 was filled.
int open_into_slots(uint16_t product_id, int slots, uint32_t& opened, std::span<char> text)
{
    if (hid_slot(0) != nullptr)
        return kHidOpenNotFound;
    hid_device_info* list = hid_enumerate(DEVICE_VENDOR_ID, product_id);
    int slot = 0;
    for (hid_device_info* entry = list; entry != nullptr && slot < slots; entry = entry->next)
        if (hid_device* device = hid_open_path(entry->path))
            hid_set_slot(slot++, device);
    hid_free_enumeration(list);
    if (slot == 0)
        return kHidOpenNotFound;
    opened = product_id;
    kivo::copy_text(text, kHidOpenedText);
    return 0;
}

} // namespace

kivo::HidOpener open_product(uint16_t product_id)
{
    return
        [product_id](uint32_t& opened, std::span<char> text) { return open_into_slots(product_id, 1, opened, text); };
}

kivo::HidOpener open_product_in_two_slots(uint16_t product_id)
{
    return
        [product_id](uint32_t& opened, std::span<char> text) { return open_into_slots(product_id, 2, opened, text); };
}
