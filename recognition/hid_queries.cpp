#include "recognition/hid_queries.h"

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"

namespace kivo {

std::optional<int> query_readiness(int slot)
{
    HidStatusReport answer{};
    if (hid_command(slot, hid_request(COMMAND_READY_STATE), answer) == 0)
        return std::nullopt;
    const int value = answer[3];
    system_logf("rV = [%d]", value);
    return value;
}

std::optional<FirmwareQuad> query_version(int slot)
{
    HidStatusReport answer{};
    if (hid_command(slot, hid_request(COMMAND_GET_VERSION), answer) == 0)
        return std::nullopt;
    return FirmwareQuad{answer[3], answer[4], answer[5], answer[6]};
}

} // namespace kivo
