#include "update/engine/hid/voice_prompt_language.h"

#include <algorithm>
#include <array>

#include "common/system_log.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"

namespace kivo {
namespace {

struct NamedCode {
    std::string_view name;
    int code;
};

constexpr NamedCode kLanguageCodes[] = {
    {"French", 1},  {"Spanish", 2}, {"Italian", 3}, {"German", 4},   {"Dutch", 5},
    {"Russian", 6}, {"Chinese", 7}, {"Korean", 8},  {"Japanese", 9}, {"Finnish", 10},
};
// The further languages of one family reuse codes 1 to 9.
constexpr NamedCode kKelporLanguageCodes[] = {
    {"Czech", 11},  {"Danish", 1},    {"Norwegian", 2},  {"Swedish", 3}, {"Polish", 4},
    {"Turkish", 5}, {"Hungarian", 6}, {"Portuguese", 7}, {"Hebrew", 8},  {"Greek", 9},
};

constexpr std::array<std::string_view, 10> kImageTokens = {"fr", "de", "it", "jp", "kr", "es", "dc", "rs", "cn", "fn"};
constexpr std::array<int, 10> kCommandCodes = {1, 4, 3, 6, 5, 2, 7, 8, 9, 10};

constexpr uint8_t kUnitLanguageGroup = 0x04;
// The reply's word count and the byte of the code (the second byte of the fourth word).
constexpr size_t kReplyCountAt = 4;
constexpr size_t kReplyCodeAt = 12;
// The write request takes reply bytes 3 to 66 from its byte 2.
constexpr size_t kReplyCopiedFrom = 3;
constexpr size_t kRequestCopiedTo = 2;
constexpr size_t kCopiedBytes = 64;
constexpr size_t kRequestCountAt = kReplyCountAt - 1;
constexpr size_t kRequestCodeAt = kReplyCodeAt - 1;
constexpr uint8_t kCodeBits = 0x1F;
constexpr uint8_t kWidenedCount = 4;
constexpr uint8_t kWidenedBit = 0x20;

int code_of(std::string_view name, std::initializer_list<std::span<const NamedCode>> tables)
{
    for (std::span<const NamedCode> table : tables)
        for (const NamedCode& entry : table)
            if (entry.name == name)
                return entry.code;
    return 0;
}

bool set_unit_language(int slot, int code, const char* family)
{
    HidStatusReport reply{};
    if (hid_command(slot, hid_request(COMMAND_READ_SETTINGS, kUnitLanguageGroup), reply) != 1) {
        system_log("read fail");
        return false;
    }
    const uint8_t count = reply[kReplyCountAt];
    if (count != 2 && count < 4) {
        system_log("size error");
        return false;
    }
    reply[kReplyCodeAt] = static_cast<uint8_t>((reply[kReplyCodeAt] & ~kCodeBits) | (code & kCodeBits));
    HidCommandReport request = hid_request(COMMAND_WRITE_SETTINGS);
    std::copy_n(reply.begin() + kReplyCopiedFrom, kCopiedBytes, request.begin() + kRequestCopiedTo);
    // A record of two words goes back as four, the last two from the bytes that follow in the reply.
    if (request[kRequestCountAt] == 2) {
        request[kRequestCountAt] = kWidenedCount;
        request[kRequestCodeAt] |= kWidenedBit;
    }
    if (hid_command(slot, request, reply) != 1) {
        system_log("write error");
        return false;
    }
    system_logf("%s[%d]", family, code);
    return true;
}

} // namespace

int VoicePromptLanguage::UnitLanguageCodeFromString(std::string_view name) { return code_of(name, {kLanguageCodes}); }

int VoicePromptLanguage::UnitLanguageCodeFromStringForKelpor(std::string_view name)
{
    system_logf("kelpor changestrLanguage[%.*s]", static_cast<int>(name.size()), name.data());
    return code_of(name, {kLanguageCodes, kKelporLanguageCodes});
}

int VoicePromptLanguage::GetLanguageCodeFromIMGFileNmae(std::string_view token)
{
    const auto it = std::find(kImageTokens.begin(), kImageTokens.end(), token);
    return it == kImageTokens.end() ? 0 : static_cast<int>(it - kImageTokens.begin()) + 1;
}

int VoicePromptLanguage::LanguageCodeFromString(int index)
{
    return index >= 1 && index <= static_cast<int>(kCommandCodes.size()) ? kCommandCodes[static_cast<size_t>(index - 1)]
                                                                         : 0;
}

bool VoicePromptLanguage::bt_set_unit_language_with(int slot, int code)
{
    return set_unit_language(slot, code, "bt_set_unit_language");
}

bool VoicePromptLanguage::bt_set_unit_language_kelpor_with(int slot, int code)
{
    return set_unit_language(slot, code, "bt_set_unit_language_kelpor");
}

} // namespace kivo
