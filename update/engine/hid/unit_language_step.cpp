#include "update/engine/hid/unit_language_step.h"

#include "common/system_log.h"
#include "device/products/unit_language_write.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "update/engine/hid/voice_prompt_language.h"

namespace kivo {
namespace {

constexpr std::string_view kImageExtension = ".img";
constexpr size_t kTailLength = 3;

bool send_language_command(int code)
{
    HidStatusReport reply{};
    return hid_command(0, hid_request(COMMAND_UNIT_LANGUAGE_QUERY, static_cast<uint8_t>(code)), reply) == 1;
}

// From firmware 2.1 on: major above 2, or 2 with minor 1 or more.
bool version_from_2_1()
{
    HidStatusReport reply{};
    if (hid_command(0, hid_request(COMMAND_GET_VERSION), reply) != 1) {
        system_log("unit language: version read failed");
        return false;
    }
    const int major = reply[3];
    const int minor = reply[4];
    if (major > 2 || (major == 2 && minor >= 1)) {
        system_log("2.1 or later");
        return true;
    }
    system_logf("unit language: firmware %d.%d keeps its language", major, minor);
    return false;
}

} // namespace

std::string image_language_token(std::string_view firmware_file)
{
    std::string name(firmware_file.substr(firmware_file.rfind('/') + 1));
    if (const size_t at = name.find(kImageExtension); at != std::string::npos)
        name.erase(at, kImageExtension.size());
    if (name.size() < kTailLength)
        return {};
    const std::string tail = name.substr(name.size() - kTailLength);
    size_t separator = tail.find('_');
    if (separator == std::string::npos)
        separator = tail.find('-');
    return separator == std::string::npos ? std::string{} : tail.substr(separator + 1);
}

void set_unit_language_after_update(std::string_view firmware_file, int product_id,
                                    std::string_view str_language_firmware)
{
    using L = VoicePromptLanguage;
    const int index = L::GetLanguageCodeFromIMGFileNmae(image_language_token(firmware_file));
    if (!send_language_command(L::LanguageCodeFromString(index)))
        send_language_command(0);
    const bool write =
        product_id == kUnitLanguageWriteFrom2_1Product ? version_from_2_1() : unit_language_written(product_id);
    if (write)
        L::bt_set_unit_language_with(0, L::UnitLanguageCodeFromString(str_language_firmware));
}

} // namespace kivo
