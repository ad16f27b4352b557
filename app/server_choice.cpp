#include "app/server_choice.h"

#include <QTimeZone>

#include <algorithm>
#include <array>
#include <mutex>
#include <string_view>

#include "common/addresses.h"
#include "common/system_log.h"

namespace kivo {
namespace {
std::mutex base_mutex;
std::string chosen_base;
} // namespace

bool is_china_server()
{
    static constexpr std::array<std::string_view, 5> zones = {"Asia/Shanghai", "Asia/Harbin", "Asia/Chongqing",
                                                              "Asia/Kashgar", "Asia/Urumqi"};
    const std::string zone = QTimeZone::systemTimeZoneId().toStdString();
    const bool china = std::find(zones.begin(), zones.end(), zone) != zones.end();
    system_logf("PRODUCT %s %s", china ? "TRUE" : "NON", zone.c_str());
    return china;
}

std::string firmware_server_base()
{
    {
        std::lock_guard lock(base_mutex);
        if (!chosen_base.empty())
            return chosen_base;
    }
    return is_china_server() ? addresses::kRegionalServerBase : addresses::kGlobalServerBase;
}

std::string global_firmware_server_base()
{
    std::lock_guard lock(base_mutex);
    return chosen_base.empty() ? addresses::kGlobalServerBase : chosen_base;
}

void set_firmware_server_base(std::string base)
{
    std::lock_guard lock(base_mutex);
    chosen_base = std::move(base);
}

} // namespace kivo
