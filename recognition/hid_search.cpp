#include "recognition/hid_search.h"

#include "common/clock.h"
#include "common/system_log.h"
#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "recognition/hid_queries.h"
#include "recognition/hid_reads.h"

namespace kivo {

bool open_hid_device(OpenedDevice& device)
{
    for (int attempt = 0; attempt < kHidOpenTries; ++attempt) {
        if (hid_open_device(device.productId, device.text()) == 0)
            return true;
        hid_close_devices();
        sleep_ms(kHidOpenPauseMs);
    }
    return false;
}

bool hid_device_ready(int product_id)
{
    const Readiness rule = readiness_rule(product_id);
    if (rule == Readiness::NotAsked)
        return true;
    const std::optional<int> value = query_readiness();
    if (!value) {
        system_log("ready state read failed");
        return false;
    }
    return rule == Readiness::ReadyWhenNonZero ? *value != 0 : *value == 0;
}

} // namespace kivo
