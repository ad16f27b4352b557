#include "tests/update/engine/test_opener.h"

#include <hidapi.h>

#include "common/bounded_text.h"
#include "link/hid_discovery.h"
#include "link/hid_slots.h"

kivo::HidOpener open_product(uint16_t product_id)
{
    return [product_id](uint32_t& opened, std::span<char> text) {
        if (hid_slot(0) != nullptr)
            return kHidOpenNotFound;
        hid_device_info* list = hid_enumerate(DEVICE_VENDOR_ID, product_id);
        hid_device* device = list != nullptr ? hid_open_path(list->path) : nullptr;
        hid_free_enumeration(list);
        if (device == nullptr)
            return kHidOpenNotFound;
        hid_set_slot(0, device);
        opened = product_id;
        kivo::copy_text(text, kHidOpenedText);
        return 0;
    };
}
