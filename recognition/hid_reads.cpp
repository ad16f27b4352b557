#include "recognition/hid_reads.h"

#include "link/hid_discovery.h"

namespace kivo {

bool reads_name_record(int product_id)
{
    return hid_device_product(static_cast<uint32_t>(product_id)) && !is_oem_headset(product_id) &&
        !speaks_protocol_b(product_id);
}

bool reads_version(int product_id)
{
    return reads_name_record(product_id) && !reads_version_with_name_record(product_id);
}

} // namespace kivo
