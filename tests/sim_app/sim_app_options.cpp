#include "tests/sim_app/sim_app_options.h"

#include <charconv>

#include "common/management_mode.h"

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

// "2.1" or "2.1.0.3": each part decimal, 0 to 255.
std::optional<std::array<uint8_t, 4>> parse_version(const std::string& text)
{
    std::array<uint8_t, 4> version{};
    size_t parts = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        const std::string part = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value, 10);
        if (part.empty() || ec != std::errc() || end != part.data() + part.size() || value > 255 || parts == 4)
            return std::nullopt;
        version[parts++] = static_cast<uint8_t>(value);
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    if (parts != 2 && parts != 4)
        return std::nullopt;
    return version;
}

// A plain-USB headset keeps major.minor in tenths in its chip's store, so its minor is one digit;
// in its loader it reports no version at all.
const char* usb_version_refused(const SimDeviceOption& device)
{
    if (device.face != SimDeviceOption::Usb)
        return nullptr;
    if (device.product_id & MANAGEMENT_MODE_BIT)
        return "a device in its firmware-management loader reports no version";
    if ((*device.version)[1] > 9)
        return "a plain-USB headset keeps its minor version as one digit, 0 to 9";
    return nullptr;
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
            const size_t at = value.find('@');
            SimDeviceOption device{};
            const std::string id = colon == std::string::npos
                ? std::string()
                : value.substr(colon + 1, at == std::string::npos ? at : at - colon - 1);
            if (colon == std::string::npos || (face != "hid" && face != "usb") ||
                !parse_product_id(id, device.product_id)) {
                error = "bad device '" + value + "' (want hid:0xPID, hid:0xPID@2.1, usb:0xPID or usb:0xPID@5.1)";
                return std::nullopt;
            }
            device.face = face == "hid" ? SimDeviceOption::Hid : SimDeviceOption::Usb;
            if (at != std::string::npos) {
                device.version = parse_version(value.substr(at + 1));
                if (!device.version) {
                    error = "bad device '" + value +
                        "' (a version is major.minor or major.minor.type.secondary, each 0 to 255)";
                    return std::nullopt;
                }
                if (const char* why = usb_version_refused(device)) {
                    error = "bad device '" + value + "' (" + why + ")";
                    return std::nullopt;
                }
            }
            options.devices.push_back(device);
        } else if (arg == "--select" && has_value) {
            const std::string& value = args[++i];
            uint16_t id = 0;
            if (!parse_product_id(value, id) || id == 0) {
                error = "bad product '" + value + "' (want 0xPID)";
                return std::nullopt;
            }
            options.select = id;
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
