#include "tests/sim_app/sim_app_options.h"

#include <charconv>

namespace {

bool parse_product_id(const std::string& text, uint16_t& id)
{
    std::string digits = text;
    if (digits.rfind("0x", 0) == 0 || digits.rfind("0X", 0) == 0)
        digits = digits.substr(2);
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty() || value > 0xFFFF)
        return false;
    id = static_cast<uint16_t>(value);
    return true;
}

} // namespace

std::optional<SimAppOptions> parse_sim_app_options(const std::vector<std::string>& args, std::string& error)
{
    SimAppOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool has_value = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--list-devices") {
            options.list_devices = true;
        } else if (arg == "--device" && has_value) {
            const std::string value = args[++i];
            const size_t colon = value.find(':');
            const std::string face = value.substr(0, colon);
            SimDeviceOption device{};
            if (colon == std::string::npos || (face != "hid" && face != "usb") ||
                !parse_product_id(value.substr(colon + 1), device.product_id)) {
                error = "bad device '" + value + "' (want hid:0xPID or usb:0xPID)";
                return std::nullopt;
            }
            device.face = face == "hid" ? SimDeviceOption::Hid : SimDeviceOption::Usb;
            options.devices.push_back(device);
        } else if (arg == "--server-base" && has_value) {
            options.server_base = args[++i];
        } else if (arg == "--screenshot" && has_value) {
            options.screenshot = args[++i];
        } else if (arg == "--screenshot-delay" && has_value) {
            const std::string& value = args[++i];
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), options.screenshot_delay_ms);
            if (ec != std::errc() || end != value.data() + value.size() || options.screenshot_delay_ms < 0) {
                error = "bad delay '" + value + "'";
                return std::nullopt;
            }
        } else {
            error = "unknown or incomplete option '" + arg + "'";
            return std::nullopt;
        }
    }
    return options;
}
