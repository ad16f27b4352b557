#include "tests/link/test_opener.h"

#include <hidapi.h>

#include <algorithm>

#include "common/bounded_text.h"
#include "link/hid_slots.h"

namespace {

// Opens up to `slots` devices of the first listed product on the bus (that the filter takes) into
// slots 0, 1, ...; refused while slot 0 is filled.
int open_into_slots(const std::vector<uint16_t>& products, int slots, uint32_t& opened, std::span<char> text,
                    const kivo::ProductFilter& accept)
{
    if (hid_slot(0) != nullptr)
        return kHidOpenNotFound;
    hid_device_info* list = hid_enumerate(DEVICE_VENDOR_ID, 0);
    int slot = 0;
    uint16_t taken = 0;
    for (hid_device_info* entry = list; entry != nullptr && slot < slots; entry = entry->next) {
        const bool listed = std::find(products.begin(), products.end(), entry->product_id) != products.end();
        if (!listed || (slot > 0 && entry->product_id != taken) ||
            (slot == 0 && !kivo::product_passes(accept, entry->product_id)))
            continue;
        if (hid_device* device = hid_open_path(entry->path)) {
            hid_set_slot(slot++, device);
            taken = entry->product_id;
        }
    }
    hid_free_enumeration(list);
    if (slot == 0)
        return kHidOpenNotFound;
    opened = taken;
    kivo::copy_text(text, kHidOpenedText);
    return 0;
}

kivo::HidOpener opener_of(std::vector<uint16_t> products, int slots)
{
    return [products = std::move(products), slots](uint32_t& opened, std::span<char> text,
                                                   const kivo::ProductFilter& accept) {
        return open_into_slots(products, slots, opened, text, accept);
    };
}

} // namespace

kivo::HidOpener open_product(uint16_t product_id) { return opener_of({product_id}, 1); }

kivo::HidOpener open_product_in_two_slots(uint16_t product_id) { return opener_of({product_id}, 2); }

kivo::HidOpener open_products(std::vector<uint16_t> product_ids) { return opener_of(std::move(product_ids), 1); }

kivo::HidOpener open_products_in_two_slots(std::vector<uint16_t> product_ids)
{
    return opener_of(std::move(product_ids), 2);
}
