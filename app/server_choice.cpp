#include "app/server_choice.h"

#include <QTimeZone>

#include <algorithm>
#include <array>
#include <string_view>

#include "common/addresses.h"
#include "common/system_log.h"

namespace kivo {

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
    return is_china_server() ? addresses::kRegionalServerBase : addresses::kGlobalServerBase;
}

} // namespace kivo
