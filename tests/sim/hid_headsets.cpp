#include "tests/sim/hid_headsets.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace sim {

// What one HID interface of a headset keeps: how often each command came, for the faults of single
// occurrences, and its loader face: the images by id, the one being written, and every image byte
// received since its last run loader.
struct InterfaceState {
    std::map<uint8_t, int> occurrences;
    std::map<uint8_t, Bytes> images;
    std::optional<uint8_t> writing;
    Bytes received;
};

struct HeadsetState {
    HeadsetPersona persona;
    std::weak_ptr<Device> headset;
    SimModule module;
    // The headset's interface, then its second module's.
    std::array<InterfaceState, 2> interfaces;
    // When the headset leaves after a restart: a restart before then (the other module's run
    // loader) changes nothing.
    std::optional<kivo::Duration> leavesAt;
    // The user's steps: ready-state questions since the last run loader, and a test's flips.
    bool ranLoader = false;
    int readyQuestionsSinceRunLoader = 0;
    bool instructionDone = false;
    bool ready = false;
    // The Airoha face of a shortReports headset.
    std::optional<AirohaFace> airoha;
    // A download-mode headset in download mode.
    bool inDownloadMode = false;
    // The plain-USB face a plain-USB download mode puts on.
    std::shared_ptr<Device> plainUsb;
    std::shared_ptr<CameraState> camera;
};

namespace {

constexpr size_t kShortReport = 62;
constexpr size_t kStatusReport = 67;
constexpr size_t kStatusWords = (kStatusReport - 5) / 2;
constexpr size_t kShortNameBytes = 58;
constexpr uint8_t kFailed = 2;

constexpr uint8_t kGetVersion = 0x01;
constexpr uint8_t kGetInfo = 0x02;
constexpr uint8_t kReadSettings = 0x03;
constexpr uint8_t kWriteSettings = 0x04;
constexpr uint8_t kModuleSwitchQcc = 0x0F;
constexpr uint8_t kModuleNormalMode = 0x10;
constexpr uint8_t kReadyState = 0x12;
constexpr uint8_t kInstructionPoll = 0x0D;
constexpr uint8_t kFmRadioQuery = 0x1A;
constexpr uint8_t kModuleSwitchOem = 0x50;
constexpr uint8_t kMountStatus = 0x80;
constexpr uint8_t kNameRecord = 0x3C;
constexpr uint8_t kOemNameRecord = 0x1D;
constexpr uint8_t kShortNameRecord = 0x02;
constexpr uint8_t kShortLanguagePack = 0x01;
constexpr size_t kShortDataAt = 4;
constexpr size_t kLongWordsAt = 4;
constexpr uint8_t kErase = 0x05;
constexpr uint8_t kBlock = 0x06;
constexpr uint8_t kLastBlock = 0x0E;
constexpr uint8_t kVerify = 0x07;
constexpr uint8_t kRunLoader = 0x08;
constexpr uint8_t kResult = 0x0A;
constexpr uint8_t kRestartLoader = 0x13;
constexpr size_t kBlockDataAt = 4;

bool contains(const std::vector<uint8_t>& list, uint8_t value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool failing(const HeadsetPersona& p, uint8_t command) { return contains(p.failingCommands, command); }

// A settings command that reaches a failing record.
bool failing_record(const HeadsetPersona& p, uint8_t command, uint8_t record)
{
    return (command == kReadSettings || command == kWriteSettings) && contains(p.failingRecords, record);
}

// A write of a record that the persona lets be read but not written.
bool failing_write(const HeadsetPersona& p, uint8_t command, uint8_t record)
{
    return command == kWriteSettings && contains(p.failingWrites, record);
}

// The OEM flags record is written least significant byte first; the others most significant first.
constexpr uint8_t kLeastSignificantFirstRecord = 0x09;

uint16_t written_word(uint8_t record, uint8_t first, uint8_t second)
{
    return record == kLeastSignificantFirstRecord ? static_cast<uint16_t>(second << 8 | first)
                                                  : static_cast<uint16_t>(first << 8 | second);
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
    report[4] =
        static_cast<uint8_t>(p.nameWordCount.value_or(p.name.empty() ? 0 : static_cast<int>(p.name.size()) + 1));
    return report;
}

// Version in bytes 3 to 6, language pack type, major and minor in bytes 8 to 10.
Bytes version_report(const HeadsetPersona& p)
{
    Bytes report = version_status_report(p.version);
    report[8] = p.languagePackType;
    report[9] = p.languagePackMajor;
    report[10] = p.languagePackMinor;
    return report;
}

void switch_module_over(HeadsetState& state)
{
    if (state.persona.leavesForModule) {
        // Gone once the switch has been answered.
        std::weak_ptr<Device> headset = state.headset;
        bus().schedule(std::chrono::milliseconds(100), [headset] {
            if (auto device = headset.lock())
                bus().unplug(*device);
        });
    }
    sim::switch_module_over(state.module);
}

// A record as the headset answers it: its words, as many as a status report holds, and the
// count the persona makes it claim.
Bytes record_report(const HeadsetPersona& p, uint8_t record)
{
    const auto stored = p.records.find(record);
    std::vector<uint16_t> words = stored == p.records.end() ? std::vector<uint16_t>{} : stored->second;
    if (words.size() > kStatusWords)
        words.resize(kStatusWords);
    Bytes report = status_report_words(kReadSettings, 0, words);
    // The answer names its record in byte 3, as the devices do.
    report[3] = record;
    if (p.recordWordCount)
        report[4] = static_cast<uint8_t>(*p.recordWordCount);
    return report;
}

// Count in byte 3, words from byte 4.
void keep_record(HeadsetPersona& p, const Bytes& out)
{
    const size_t count = std::min<size_t>(out[3], (out.size() - kLongWordsAt) / 2);
    std::vector<uint16_t> words;
    for (size_t i = 0; i < count; ++i)
        words.push_back(written_word(out[2], out[kLongWordsAt + 2 * i], out[kLongWordsAt + 2 * i + 1]));
    p.records[out[2]] = std::move(words);
}

// Address in bytes 3 to 8.
Bytes address_report(const HeadsetPersona& p)
{
    Bytes report = status_report(kGetInfo, 0);
    std::copy(p.bdAddress.begin(), p.bdAddress.end(), report.begin() + 3);
    return report;
}

// The headset restarts: it leaves the bus and comes back `away` later (under `back_as` when set),
// or never. Once.
void restart(HeadsetState& state, std::optional<kivo::Duration> away, std::optional<uint16_t> back_as = std::nullopt)
{
    const kivo::Duration now = bus().clock().now();
    if (state.leavesAt && now < *state.leavesAt)
        return;
    state.leavesAt = now + state.persona.leaveAfter;
    if (auto device = state.headset.lock())
        bus().leave(device, state.persona.leaveAfter, away, back_as);
}

// Erase, blocks, verify, run loader, result, loader restart, on one interface's loader face,
// whose module reports `version`. Nothing for any other command.
std::optional<HidReply> answer_loader(HeadsetState& state, InterfaceState& face, VersionQuad& version, const Bytes& out)
{
    HeadsetPersona& p = state.persona;
    const uint8_t command = out[1];
    switch (command) {
    case kRestartLoader: restart(state, p.awayAfterRestart); return one_report(status_report(command, 0));
    case kErase:
        face.writing = out[2];
        face.images[out[2]].clear();
        return one_report(status_report(command, 0));
    case kBlock:
    case kLastBlock: {
        const size_t length = std::min<size_t>(size_t{out[2]} << 8 | out[3], out.size() - kBlockDataAt);
        const auto data = out.begin() + static_cast<std::ptrdiff_t>(kBlockDataAt);
        if (face.writing)
            face.images[*face.writing].insert(face.images[*face.writing].end(), data,
                                              data + static_cast<std::ptrdiff_t>(length));
        face.received.insert(face.received.end(), data, data + static_cast<std::ptrdiff_t>(length));
        return one_report(status_report(command, 0));
    }
    case kVerify: return one_report(status_report(command, 0));
    case kRunLoader:
        if (const std::optional<VersionQuad> marked = version_marker(face.received))
            version = *marked;
        face.received.clear();
        if (p.factoryRecords)
            p.records = *p.factoryRecords;
        state.ranLoader = true;
        state.readyQuestionsSinceRunLoader = 0;
        restart(state, p.awayAfterRunLoader, p.backAsAfterRunLoader);
        return one_report(status_report(command, 0));
    case kResult: return one_report(status_report(command, 0, p.dfuResult));
    default: return std::nullopt;
    }
}

// A command on one interface under that interface's faults of single occurrences.
HidReply answer_with_faults(HeadsetState& state, InterfaceState& face, const std::vector<CommandFault>& faults,
                            const Bytes& out, const std::function<HidReply()>& answer)
{
    const uint8_t command = out[1];
    const CommandFault* fault = fault_of(faults, command, ++face.occurrences[command]);
    if (fault == nullptr)
        return answer();
    return reply_with_fault(*fault, answer, [&] {
        if (auto device = state.headset.lock())
            leave_for_good(device, state.persona.leaveAfter);
    });
}

// Byte 3 of the instruction poll: 1 once the user has acted.
uint8_t instruction_answer(const HeadsetState& state)
{
    const std::optional<int> at = state.persona.instructionDoneAt;
    return state.instructionDone || (at && state.interfaces[0].occurrences.at(kInstructionPoll) >= *at) ? 1 : 0;
}

// Byte 3 of the ready-state answer.
uint8_t ready_answer(HeadsetState& state)
{
    const std::optional<int> at = state.persona.readyAfterRunLoaderAt;
    if (state.ready)
        return 1;
    if (!state.ranLoader || !at)
        return state.persona.readiness;
    return ++state.readyQuestionsSinceRunLoader >= *at ? 1 : 0;
}

bool loader_command(uint8_t command)
{
    return command == kErase || command == kBlock || command == kLastBlock || command == kVerify ||
        command == kRunLoader;
}

// A download-mode headset running its normal firmware: 0x0E with no data sends it into download
// mode, and refuses the loader commands meanwhile. Nothing for other commands, nor once in download
// mode (whose run loader ends it).
std::optional<HidReply> answer_download_mode(HeadsetState& state, const Bytes& out)
{
    const std::optional<DownloadModePersona>& mode = state.persona.downloadMode;
    const uint8_t command = out[1];
    if (!mode || !loader_command(command))
        return std::nullopt;
    if (state.inDownloadMode) {
        if (command == kRunLoader)
            state.inDownloadMode = false;
        return std::nullopt;
    }
    const bool no_data = out.size() > 3 && out[2] == 0 && out[3] == 0;
    if (command != kLastBlock || !no_data)
        return one_report(status_report(command, kFailed));
    state.inDownloadMode = true;
    if (auto device = state.headset.lock())
        bus().leave(device, state.persona.leaveAfter, mode->away, mode->backAs);
    return one_report(status_report(command, 0));
}

// A headset whose download mode is on plain USB: 0x0E with no data is answered, and it leaves the
// HID bus to come back with its plain-USB face, in the same place on the bus. Nothing for other
// commands.
std::optional<HidReply> answer_plain_usb_switch(HeadsetState& state, const Bytes& out)
{
    const bool no_data = out.size() > 3 && out[2] == 0 && out[3] == 0;
    if (!state.plainUsb || out[1] != kLastBlock || !no_data)
        return std::nullopt;
    if (auto device = state.headset.lock()) {
        std::shared_ptr<Device> plain = std::exchange(state.plainUsb, nullptr);
        const kivo::Duration after = state.persona.leaveAfter;
        bus().schedule(after, [device] { bus().unplug(*device); });
        bus().schedule(after + state.persona.plainUsbDownloadMode->away, [device, plain] {
            device->hid.clear();
            device->usb = plain->usb;
            bus().replug(*device, plain->product_id);
        });
    }
    return one_report(status_report(kLastBlock, 0));
}

HidReply answer_command(HeadsetState& state, const Bytes& out);

HidReply answer_long_report(HeadsetState& state, const Bytes& out)
{
    return answer_with_faults(state, state.interfaces[0], state.persona.commandFaults, out,
                              [&] { return answer_command(state, out); });
}

// The second module: its version and loader face; anything else is answered with success.
HidReply answer_second_module(HeadsetState& state, const Bytes& out)
{
    SecondModulePersona& module = *state.persona.secondModule;
    return answer_with_faults(state, state.interfaces[1], module.commandFaults, out, [&] {
        const uint8_t command = out[1];
        if (contains(module.failingCommands, command))
            return one_report(status_report(command, kFailed));
        if (std::optional<HidReply> loader = answer_loader(state, state.interfaces[1], module.version, out))
            return std::move(*loader);
        if (command == kGetVersion)
            return one_report(version_status_report(module.version));
        return one_report(status_report(command, 0));
    });
}

HidReply answer_command(HeadsetState& state, const Bytes& out)
{
    HeadsetPersona& p = state.persona;
    const uint8_t command = out[1];
    if (failing(p, command) || failing_record(p, command, out[2]) || failing_write(p, command, out[2]))
        return one_report(status_report(command, kFailed));
    if (std::optional<HidReply> download = answer_download_mode(state, out))
        return std::move(*download);
    if (std::optional<HidReply> download = answer_plain_usb_switch(state, out))
        return std::move(*download);
    if (std::optional<HidReply> loader = answer_loader(state, state.interfaces[0], p.version, out))
        return std::move(*loader);
    if (state.camera)
        if (std::optional<HidReply> camera = answer_camera(state.camera, out))
            return std::move(*camera);
    switch (command) {
    case kReadyState: return one_report(status_report(command, 0, ready_answer(state)));
    case kInstructionPoll: return one_report(status_report(command, 0, instruction_answer(state)));
    case kFmRadioQuery: return one_report(status_report(command, 0, p.fmRadioShown ? 1 : 0));
    case kReadSettings:
        if (out[2] == kNameRecord || out[2] == kOemNameRecord)
            return one_report(name_report(p));
        return one_report(record_report(p, out[2]));
    case kWriteSettings: keep_record(p, out); return one_report(status_report(command, 0));
    case kGetInfo: return one_report(address_report(p));
    case kGetVersion: return one_report(version_report(p));
    case kModuleSwitchQcc:
    case kModuleSwitchOem: switch_module_over(state); return one_report(status_report(command, 0));
    case kModuleNormalMode: send_module_back(state.module); return one_report(status_report(command, 0));
    case kMountStatus:
        if (state.interfaces[0].occurrences.at(kMountStatus) <= p.mountStatusFailures)
            return one_report(status_report(command, kFailed, p.mountStatusByte));
        return one_report(status_report(command, 0));
    default: return one_report(status_report(command, 0));
    }
}

HidReply one_answer(uint8_t command, const Bytes& data)
{
    HidReply reply;
    reply.answers.push_back(answer(command, 0, data));
    return reply;
}

// 62-byte reports: command in byte 2, sub-record in byte 3, data from byte 4. A failing command
// or record is never answered.
HidReply answer_short_report(HeadsetPersona& p, const Bytes& out)
{
    const uint8_t command = out[2];
    const uint8_t sub_record = out[3];
    if (failing(p, command) || failing_record(p, command, sub_record) || failing_write(p, command, sub_record))
        return {};
    switch (command) {
    case kReadSettings: {
        Bytes data(kShortNameBytes, 0);
        if (sub_record == kShortNameRecord) {
            std::copy_n(p.name.begin(), std::min(p.name.size(), kShortNameBytes), data.begin());
        } else if (const auto stored = p.shortRecords.find(sub_record); stored != p.shortRecords.end()) {
            std::copy_n(stored->second.begin(), std::min(stored->second.size(), kShortNameBytes), data.begin());
        }
        return one_answer(command, data);
    }
    case kWriteSettings:
        p.shortRecords[sub_record] = Bytes(out.begin() + kShortDataAt, out.end());
        return one_answer(command, {});
    case kGetVersion:
        if (sub_record == kShortLanguagePack)
            return one_answer(command, {p.languagePackMajor, p.languagePackMinor, 0, 0, p.languagePackType, 0, 0, 0});
        return one_answer(command, {p.version.major, p.version.minor, p.version.secondaryType, p.version.secondary, 0});
    case kGetInfo: return one_answer(command, Bytes(p.bdAddress.begin(), p.bdAddress.end()));
    default: return one_answer(command, {});
    }
}

} // namespace

PluggedHeadset plug_headset(const HeadsetPersona& persona)
{
    auto state = std::make_shared<HeadsetState>();
    state->persona = persona;
    if (persona.module)
        state->module = make_module(*persona.module);
    if (persona.camera)
        state->camera = make_camera(*persona.camera);
    auto headset = std::make_shared<Device>(persona.product_id);
    state->headset = headset;
    if (persona.shortReports) {
        // The face lives in the state: a plain pointer back keeps the two from holding each other.
        HeadsetState* held = state.get();
        state->airoha.emplace(persona.airoha,
                              AirohaCarrier{headset, persona.leaveAfter, persona.awayAfterRunLoader,
                                            persona.commandFaults,
                                            [held](const VersionQuad& v) { held->persona.version = v; }});
    }
    headset->add_hid().handler = [state](const Bytes& out) {
        if (out.size() == kShortReport && state->airoha && state->airoha->takes(out))
            return state->airoha->answer(out);
        if (out.size() == kShortReport)
            return answer_short_report(state->persona, out);
        if (out.size() < 3)
            return HidReply{};
        return answer_long_report(*state, out);
    };
    if (persona.secondModule) {
        HidInterface& second = headset->add_hid();
        second.interface_number = 1;
        second.handler = [state](const Bytes& out) {
            return out.size() < 3 ? HidReply{} : answer_second_module(*state, out);
        };
    }
    if (persona.plainUsbDownloadMode)
        state->plainUsb = make_usb_headset(persona.plainUsbDownloadMode->headset);
    bus().plug(headset);
    return {headset, state->module.device, state, headset->hid};
}

std::vector<uint16_t> PluggedHeadset::record(uint8_t id) const
{
    std::lock_guard lock(bus().mutex());
    const auto stored = state->persona.records.find(id);
    return stored == state->persona.records.end() ? std::vector<uint16_t>{} : stored->second;
}

Bytes PluggedHeadset::shortRecord(uint8_t sub_record) const
{
    std::lock_guard lock(bus().mutex());
    const auto stored = state->persona.shortRecords.find(sub_record);
    return stored == state->persona.shortRecords.end() ? Bytes{} : stored->second;
}

Bytes PluggedHeadset::image(uint8_t image_id, size_t interface_index) const
{
    std::lock_guard lock(bus().mutex());
    const std::map<uint8_t, Bytes>& images = state->interfaces.at(interface_index).images;
    const auto stored = images.find(image_id);
    return stored == images.end() ? Bytes{} : stored->second;
}

VersionQuad PluggedHeadset::version(size_t interface_index) const
{
    std::lock_guard lock(bus().mutex());
    return interface_index == 0 ? state->persona.version : state->persona.secondModule.value().version;
}

void PluggedHeadset::setInstructionDone() const
{
    std::lock_guard lock(bus().mutex());
    state->instructionDone = true;
}

void PluggedHeadset::setReady() const
{
    std::lock_guard lock(bus().mutex());
    state->ready = true;
}

Bytes PluggedHeadset::moduleImage() const
{
    std::lock_guard lock(bus().mutex());
    return state->module.state ? module_image(*state->module.state) : Bytes{};
}

Bytes PluggedHeadset::im501Image() const
{
    std::lock_guard lock(bus().mutex());
    return state->module.state ? module_im501_image(*state->module.state) : Bytes{};
}

VersionQuad PluggedHeadset::moduleVersion() const
{
    std::lock_guard lock(bus().mutex());
    return state->module.state ? module_version(*state->module.state) : VersionQuad{};
}

std::vector<AirohaFace::Block> PluggedHeadset::airohaBlocks() const
{
    std::lock_guard lock(bus().mutex());
    return state->airoha ? state->airoha->blocks() : std::vector<AirohaFace::Block>{};
}

std::vector<AirohaFace::Block> PluggedHeadset::moduleAirohaBlocks() const
{
    std::lock_guard lock(bus().mutex());
    return state->module.state ? module_airoha_blocks(*state->module.state) : std::vector<AirohaFace::Block>{};
}

bool PluggedHeadset::cameraOn() const
{
    std::lock_guard lock(bus().mutex());
    return state->camera && camera_on(*state->camera);
}

std::vector<Bytes> PluggedHeadset::cameraImages() const
{
    std::lock_guard lock(bus().mutex());
    return state->camera ? camera_images(*state->camera) : std::vector<Bytes>{};
}

std::vector<Bytes> settings_writes(const HidInterface& iface)
{
    std::vector<Bytes> writes;
    for (const Bytes& out : iface.outputs()) {
        const size_t command_at = out.size() == kShortReport ? 2 : 1;
        if (out.size() > command_at && out[command_at] == kWriteSettings)
            writes.push_back(out);
    }
    return writes;
}

std::vector<uint8_t> commands_sent(const HidInterface& iface)
{
    std::vector<uint8_t> commands;
    for (const Bytes& out : iface.outputs())
        commands.push_back(out.size() == kShortReport ? out[2] : (out.size() > 1 ? out[1] : 0));
    return commands;
}

std::vector<HidWrite> writes_of(const HidInterface& iface, uint8_t command)
{
    std::vector<HidWrite> out;
    for (const HidWrite& w : iface.transcript())
        if (w.kind == HidWrite::Output && w.bytes.size() > 1 && w.bytes[1] == command)
            out.push_back(w);
    return out;
}

} // namespace sim
