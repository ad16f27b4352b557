#include "tests/sim/hid_headsets.h"

#include <algorithm>

namespace sim {
namespace {

constexpr size_t kShortReport = 62;
constexpr size_t kReport65 = 65;
constexpr size_t kStatusReport = 67;
constexpr size_t kStatusWords = (kStatusReport - 5) / 2;
constexpr size_t kShortNameBytes = 58;
constexpr uint8_t kFailed = 2;

constexpr uint8_t kGetVersion = 0x01;
constexpr uint8_t kGetInfo = 0x02;
constexpr uint8_t kReadSettings = 0x03;
constexpr uint8_t kModuleSwitchQcc = 0x0F;
constexpr uint8_t kModuleNormalMode = 0x10;
constexpr uint8_t kReadyState = 0x12;
constexpr uint8_t kFmRadioQuery = 0x1A;
constexpr uint8_t kModuleSwitchOem = 0x50;
constexpr uint8_t kNameRecord = 0x3C;
constexpr uint8_t kOemNameRecord = 0x1D;
constexpr uint8_t kShortNameRecord = 0x02;
constexpr uint8_t kShortLanguagePack = 0x01;

struct HeadsetState {
    HeadsetPersona persona;
    std::weak_ptr<Device> headset;
    std::shared_ptr<Device> module;
};

bool failing(const HeadsetPersona& p, uint8_t command)
{
    return std::find(p.failingCommands.begin(), p.failingCommands.end(), command) != p.failingCommands.end();
}

HidReply one_report(Bytes report)
{
    HidReply reply;
    reply.reports.push_back(std::move(report));
    return reply;
}

// Word 0 first, then one word per name byte (the byte in the low half); the count byte says how
// many words there are unless the persona makes it claim another number.
Bytes name_report(const HeadsetPersona& p)
{
    std::vector<uint16_t> words;
    if (!p.name.empty()) {
        words.push_back(0);
        for (char c : p.name)
            words.push_back(static_cast<uint8_t>(c));
    }
    if (words.size() > kStatusWords)
        words.resize(kStatusWords);
    Bytes report = status_report_words(kReadSettings, 0, words);
    report[4] = static_cast<uint8_t>(p.nameWordCount.value_or(p.name.empty() ? 0 : static_cast<int>(p.name.size()) + 1));
    return report;
}

// Version in bytes 3 to 6, language pack type, major and minor in bytes 8 to 10.
Bytes version_report(const VersionQuad& v, uint8_t pack_type, uint8_t pack_major, uint8_t pack_minor)
{
    Bytes report(kStatusReport, 0);
    report[0] = 0x01;
    report[1] = kGetVersion;
    report[3] = v.major;
    report[4] = v.minor;
    report[5] = v.secondaryType;
    report[6] = v.secondary;
    report[8] = pack_type;
    report[9] = pack_major;
    report[10] = pack_minor;
    return report;
}

void switch_module_over(HeadsetState& state)
{
    Bus& b = bus();
    if (state.persona.leavesForModule) {
        // Gone once the switch has been answered.
        std::weak_ptr<Device> headset = state.headset;
        b.schedule(std::chrono::milliseconds(100), [headset] {
            if (auto device = headset.lock())
                bus().unplug(*device);
        });
    }
    if (!state.module || !state.persona.module->appears)
        return;
    std::shared_ptr<Device> module = state.module;
    const kivo::Duration stays = state.persona.module->stays;
    b.schedule(state.persona.module->appear_after, [module, stays] {
        if (module->present())
            return;
        bus().plug(module);
        const uint64_t presence = module->generation();
        bus().schedule(stays, [module, presence] {
            if (module->present() && module->generation() == presence)
                bus().unplug(*module);
        });
    });
}

HidReply answer_long_report(HeadsetState& state, const Bytes& out)
{
    const HeadsetPersona& p = state.persona;
    const uint8_t command = out[1];
    if (failing(p, command))
        return one_report(status_report(command, kFailed));
    switch (command) {
    case kReadyState:
        return one_report(status_report(command, 0, p.readiness));
    case kFmRadioQuery:
        return one_report(status_report(command, 0, p.fmRadioShown ? 1 : 0));
    case kReadSettings:
        if (out[2] == kNameRecord || out[2] == kOemNameRecord)
            return one_report(name_report(p));
        return one_report(status_report_words(command, 0, {}));
    case kGetVersion:
        return one_report(version_report(p.version, p.languagePackType, p.languagePackMajor, p.languagePackMinor));
    case kModuleSwitchQcc:
    case kModuleSwitchOem:
        switch_module_over(state);
        return one_report(status_report(command, 0));
    case kModuleNormalMode:
        if (state.module && state.module->present())
            bus().unplug(*state.module);
        return one_report(status_report(command, 0));
    default:
        return one_report(status_report(command, 0));
    }
}

HidReply one_answer(uint8_t command, const Bytes& data)
{
    HidReply reply;
    reply.answers.push_back(answer(command, 0, data));
    return reply;
}

// 62-byte reports: command in byte 2, sub-record in byte 3. A failing command is never answered.
HidReply answer_short_report(const HeadsetPersona& p, const Bytes& out)
{
    const uint8_t command = out[2];
    const uint8_t sub_record = out[3];
    if (failing(p, command))
        return {};
    switch (command) {
    case kReadSettings: {
        Bytes data(kShortNameBytes, 0);
        if (sub_record == kShortNameRecord)
            std::copy_n(p.name.begin(), std::min(p.name.size(), kShortNameBytes), data.begin());
        return one_answer(command, data);
    }
    case kGetVersion:
        if (sub_record == kShortLanguagePack)
            return one_answer(command, {p.languagePackMajor, p.languagePackMinor, 0, 0, p.languagePackType, 0, 0, 0});
        return one_answer(command, {p.version.major, p.version.minor, p.version.secondaryType, p.version.secondary, 0});
    case kGetInfo:
        return one_answer(command, Bytes(6, 0));
    default:
        return one_answer(command, {});
    }
}

std::shared_ptr<Device> make_module(const ModulePersona& persona)
{
    auto module = std::make_shared<Device>(persona.product_id);
    HidInterface& iface = module->add_hid();
    iface.faults.silent = !persona.answers;
    const VersionQuad v = persona.version;
    iface.handler = [v](const Bytes& out) {
        const uint8_t command = out.size() > 1 ? out[1] : 0;
        if (command != kGetVersion)
            return one_report(out.size() == kReport65 ? status_report65(command, 0) : status_report(command, 0));
        if (out.size() == kReport65)
            return one_report(status_report65(command, 0, {v.major, v.minor, v.secondaryType, v.secondary}));
        return one_report(version_report(v, 0, 0, 0));
    };
    return module;
}

} // namespace

HeadsetPersona oem_headset()
{
    HeadsetPersona p;
    p.product_id = 0x3142;
    p.name = "VARGO Zeltra";
    p.version = {2, 1, 0, 0};
    p.languagePackType = 1;
    p.languagePackMajor = 1;
    p.languagePackMinor = 0;
    ModulePersona module;
    module.product_id = 0x3120;
    module.version = {1, 3, 0, 0};
    p.module = module;
    return p;
}

PluggedHeadset plug_headset(const HeadsetPersona& persona)
{
    auto state = std::make_shared<HeadsetState>();
    state->persona = persona;
    if (persona.module)
        state->module = make_module(*persona.module);
    auto headset = std::make_shared<Device>(persona.product_id);
    state->headset = headset;
    headset->add_hid().handler = [state](const Bytes& out) {
        if (out.size() == kShortReport)
            return answer_short_report(state->persona, out);
        if (out.size() < 3)
            return HidReply{};
        return answer_long_report(*state, out);
    };
    bus().plug(headset);
    return {headset, state->module};
}

std::vector<uint8_t> commands_sent(const HidInterface& iface)
{
    std::vector<uint8_t> commands;
    for (const Bytes& out : iface.outputs())
        commands.push_back(out.size() == kShortReport ? out[2] : (out.size() > 1 ? out[1] : 0));
    return commands;
}

} // namespace sim
