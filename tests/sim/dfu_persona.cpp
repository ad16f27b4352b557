#include "tests/sim/dfu_persona.h"

#include <algorithm>
#include <atomic>
#include <chrono>

#include "tests/sim/bus.h"
#include "tests/sim/hid_persona_parts.h"
#include "tests/sim/usb_headsets.h"

namespace sim {

namespace {

constexpr size_t kStatusSize = 6;
constexpr uint8_t kDirectionIn = 0x80;

std::atomic<DfuMode> g_default_mode{DfuMode::Strict};

kivo::Duration now() { return bus().clock().now(); }
kivo::Duration after_ms(uint32_t ms) { return now() + std::chrono::milliseconds(ms); }

bool in_normal_firmware(uint8_t state) { return state == kDfuAppIdle || state == kDfuAppDetach; }

// The request as the state table knows it; none for one that is no DFU request, or that goes the
// wrong way.
std::optional<DfuRequestKind> kind_of(const ControlSetup& setup)
{
    const bool in = (setup.request_type & kDirectionIn) != 0;
    switch (setup.request) {
    case kDfuDetach: return in ? std::nullopt : std::optional(DfuRequestKind::Detach);
    case kDfuDnload:
        if (in)
            return std::nullopt;
        return setup.length == 0 ? DfuRequestKind::FinalBlock : DfuRequestKind::Block;
    case kDfuUpload: return in ? std::optional(DfuRequestKind::Upload) : std::nullopt;
    case kDfuGetStatus: return in ? std::optional(DfuRequestKind::GetStatus) : std::nullopt;
    case kDfuClrStatus: return in ? std::nullopt : std::optional(DfuRequestKind::ClrStatus);
    case kDfuGetState: return in ? std::optional(DfuRequestKind::GetState) : std::nullopt;
    case kDfuAbort: return in ? std::nullopt : std::optional(DfuRequestKind::Abort);
    default: return std::nullopt;
    }
}

} // namespace

const char* dfu_mode_name(DfuMode mode) { return mode == DfuMode::Strict ? "Strict" : "Lenient"; }

DfuMode default_dfu_mode() { return g_default_mode.load(); }

DfuModeScope::DfuModeScope(DfuMode mode)
    : before_(g_default_mode.exchange(mode))
{ }

DfuModeScope::~DfuModeScope() { g_default_mode.store(before_); }

UsbAltSetting dfu_alt_setting(uint8_t interface_number) { return {interface_number, 0, kUsbClassApplication, 1, 0}; }

UsbLayout dfu_mode_layout() { return {kUsbClassApplication, {{{dfu_alt_setting(0)}}}, {}}; }

DfuPersona::DfuPersona(uint16_t runtime_product_id, uint16_t dfu_product_id, bool in_dfu_mode)
    : mode(default_dfu_mode())
    , runtime_product(runtime_product_id)
    , dfu_product(dfu_product_id)
    , dfu_mode(in_dfu_mode)
    , runtime_layout{0, {{{dfu_alt_setting(0)}}}, {}}
    , image_manifested_(!in_dfu_mode)
{
    status.state = dfu_mode ? kDfuIdle : kDfuAppIdle;
}

Bytes DfuPersona::image() const
{
    if (mode == DfuMode::Strict)
        return in_sequence_;
    Bytes bytes;
    for (const auto& [number, block] : written_)
        bytes.insert(bytes.end(), block.begin(), block.end());
    return bytes;
}

int DfuPersona::answer(const DfuStatus& answer, uint8_t* data)
{
    data[0] = answer.status;
    data[1] = static_cast<uint8_t>(answer.poll_timeout_ms & 0xFF);
    data[2] = static_cast<uint8_t>((answer.poll_timeout_ms >> 8) & 0xFF);
    data[3] = static_cast<uint8_t>((answer.poll_timeout_ms >> 16) & 0xFF);
    data[4] = answer.state;
    data[5] = answer.string_index;
    return static_cast<int>(std::min(answer.answer_size, kStatusSize));
}

std::optional<uint8_t> DfuPersona::block_fault_strikes(uint16_t number)
{
    if (!block_fault || block_fault->block != number || block_fault->times == 0)
        return std::nullopt;
    if (block_fault->times > 0)
        --block_fault->times;
    return block_fault->status;
}

int DfuPersona::request(const ControlSetup& setup, uint8_t* data)
{
    // The maker's own request, outside the standard, alike in both modes.
    if (setup.request == kDfuRequest7) {
        if ((setup.request_type & kDirectionIn) != 0)
            return -EPIPE;
        leave_requested = dfu_mode;
        return 0;
    }
    return mode == DfuMode::Strict ? strict_request(setup, data) : lenient_request(setup, data);
}

void DfuPersona::stalled_by_fault()
{
    if (mode == DfuMode::Strict) {
        strict_advance();
        strict_stall();
    }
}

// ---- Strict ----

void DfuPersona::strict_advance()
{
    const kivo::Duration t = now();
    if (status.state == kDfuAppDetach && t >= detach_until_) {
        status = {kDfuStatusOk, 0, kDfuAppIdle, 0};
        detached = false;
    } else if (status.state == kDfuDnBusy && t >= busy_until_) {
        status = {kDfuStatusOk, 0, kDfuDnloadSync, 0};
    } else if (status.state == kDfuManifest && t >= busy_until_) {
        manifested();
        status = {kDfuStatusOk, 0, manifestation_tolerant ? kDfuManifestSync : kDfuManifestWaitReset, 0};
    }
}

void DfuPersona::manifested()
{
    manifest_done_ = true;
    image_manifested_ = true;
    if (!leaves_only_on_request7)
        leave_requested = true;
}

bool DfuPersona::runs_its_image()
{
    if (mode == DfuMode::Lenient)
        lenient_advance();
    return leave_requested && image_manifested_ && !image_not_taken;
}

std::optional<uint8_t> DfuPersona::strict_next(DfuRequestKind kind) const
{
    for (const DfuTransition& t : kDfuStateTable)
        if (t.state == status.state && t.request == kind)
            return t.next;
    return std::nullopt;
}

int DfuPersona::strict_stall()
{
    if (in_normal_firmware(status.state)) {
        status = {kDfuStatusOk, 0, kDfuAppIdle, 0};
        detached = false;
    } else if (status.state != kDfuManifestWaitReset) {
        status = {kDfuErrStalledPkt, 0, kDfuError, 0};
    }
    return -EPIPE;
}

void DfuPersona::strict_take_block(const ControlSetup& setup, const uint8_t* data)
{
    Bytes bytes(data, data + setup.length);
    downloads.push_back({setup.value, bytes});
    if (status.state == kDfuIdle) {
        in_sequence_.clear();
        image_manifested_ = false;
    }
    block_status_ = block_fault_strikes(setup.value).value_or(kDfuStatusOk);
    if (block_status_ == kDfuStatusOk)
        in_sequence_.insert(in_sequence_.end(), bytes.begin(), bytes.end());
    busy_left_ = busy_answers;
}

void DfuPersona::strict_status_query()
{
    if (status.state == kDfuDnloadSync) {
        if (block_status_ != kDfuStatusOk) {
            status = {block_status_, 0, kDfuError, 0};
            block_status_ = kDfuStatusOk;
        } else if (busy_left_ != 0) {
            if (busy_left_ > 0)
                --busy_left_;
            status = {kDfuStatusOk, busy_poll_ms, kDfuDnBusy, 0};
            busy_until_ = after_ms(busy_poll_ms);
        } else {
            status = {kDfuStatusOk, 0, kDfuDnloadIdle, 0};
        }
    } else if (status.state == kDfuManifestSync) {
        if (manifest_done_) {
            status = {kDfuStatusOk, 0, kDfuIdle, 0};
        } else {
            status = {kDfuStatusOk, manifest_poll_ms, kDfuManifest, 0};
            busy_until_ = after_ms(manifest_poll_ms);
        }
    }
}

int DfuPersona::strict_request(const ControlSetup& setup, uint8_t* data)
{
    strict_advance();
    const std::optional<DfuRequestKind> kind = kind_of(setup);
    if (kind == DfuRequestKind::GetStatus && setup.length >= kStatusSize && data != nullptr && !scripted.empty()) {
        const DfuStatus scripted_answer = scripted.front();
        scripted.pop_front();
        return answer(scripted_answer, data);
    }
    const std::optional<uint8_t> next = kind ? strict_next(*kind) : std::nullopt;
    if (!next)
        return strict_stall();
    switch (*kind) {
    case DfuRequestKind::Detach:
        detached = true;
        status = {kDfuStatusOk, 0, kDfuAppDetach, 0};
        detach_until_ = after_ms(std::min<uint32_t>(setup.value, detach_timeout_ms));
        return 0;
    case DfuRequestKind::Block:
        strict_take_block(setup, data);
        status = {kDfuStatusOk, 0, kDfuDnloadSync, 0};
        return setup.length;
    case DfuRequestKind::FinalBlock:
        downloads.push_back({setup.value, {}});
        manifest_done_ = false;
        image_manifested_ = false;
        status = {kDfuStatusOk, 0, kDfuManifestSync, 0};
        return 0;
    case DfuRequestKind::GetStatus:
        if (setup.length < kStatusSize || data == nullptr)
            return strict_stall();
        strict_status_query();
        return answer(status, data);
    case DfuRequestKind::GetState:
        if (setup.length < 1 || data == nullptr)
            return strict_stall();
        data[0] = status.state;
        return 1;
    case DfuRequestKind::ClrStatus:
    case DfuRequestKind::Abort: status = {kDfuStatusOk, 0, *next, 0}; return 0;
    case DfuRequestKind::Upload: break;
    }
    return strict_stall();
}

// ---- Lenient ----

int DfuPersona::lenient_stall()
{
    status = {kDfuErrStalledPkt, 0, kDfuError, 0};
    return -EPIPE;
}

void DfuPersona::lenient_advance()
{
    // The manifest runs out on the clock from the final block on, whether or not it is asked after.
    if (manifest_pending_ && now() >= manifest_until_) {
        manifest_pending_ = false;
        image_manifested_ = true;
    }
    const bool time_up = now() >= busy_until_;
    switch (status.state) {
    case kDfuDnBusy:
        if (time_up && busy_left_ == 0)
            status = {kDfuStatusOk, 0, kDfuDnloadIdle, 0};
        break;
    case kDfuManifest:
        if (time_up)
            status = {kDfuStatusOk, 0, kDfuManifestWaitReset, 0};
        break;
    default: break;
    }
}

void DfuPersona::lenient_status_query()
{
    lenient_advance();
    const bool block_taken = status.state == kDfuDnloadSync || (status.state == kDfuDnBusy && now() >= busy_until_);
    if (block_taken && busy_left_ != 0) {
        // Busy for a while, as many times as the block takes.
        if (busy_left_ > 0)
            --busy_left_;
        status = {kDfuStatusOk, busy_poll_ms, kDfuDnBusy, 0};
        busy_until_ = after_ms(busy_poll_ms);
    } else if (block_taken) {
        status = {kDfuStatusOk, 0, kDfuDnloadIdle, 0};
    } else if (status.state == kDfuManifestSync) {
        status = {kDfuStatusOk, manifest_poll_ms, kDfuManifest, 0};
        busy_until_ = after_ms(manifest_poll_ms);
    }
}

int DfuPersona::lenient_download(const ControlSetup& setup, const uint8_t* data)
{
    lenient_advance();
    if (setup.length == 0) {
        // The final block: the manifest begins.
        if (status.state != kDfuDnloadIdle)
            return lenient_stall();
        downloads.push_back({setup.value, {}});
        status = {kDfuStatusOk, 0, kDfuManifestSync, 0};
        image_manifested_ = false;
        manifest_pending_ = true;
        manifest_until_ = after_ms(manifest_poll_ms);
        if (!leaves_only_on_request7)
            leave_requested = true;
        return 0;
    }
    if (status.state != kDfuIdle && status.state != kDfuDnloadIdle)
        return lenient_stall();
    Bytes bytes(data, data + setup.length);
    downloads.push_back({setup.value, bytes});
    if (status.state == kDfuIdle && setup.value == 0) {
        written_.clear();
        image_manifested_ = false;
        manifest_pending_ = false;
    }
    if (const std::optional<uint8_t> failed = block_fault_strikes(setup.value)) {
        status = {*failed, 0, kDfuError, 0};
        return setup.length;
    }
    written_[setup.value] = std::move(bytes);
    status = {kDfuStatusOk, 0, kDfuDnloadSync, 0};
    busy_left_ = busy_answers;
    return setup.length;
}

int DfuPersona::lenient_request(const ControlSetup& setup, uint8_t* data)
{
    const bool in = (setup.request_type & kDirectionIn) != 0;
    switch (setup.request) {
    case kDfuDetach:
        if (dfu_mode || in)
            return -EPIPE;
        detached = true;
        status.state = kDfuAppDetach;
        return 0;
    case kDfuDnload:
        if (!dfu_mode || in)
            return -EPIPE;
        return lenient_download(setup, data);
    case kDfuGetStatus: {
        if (!in || setup.length < kStatusSize || data == nullptr)
            return -EPIPE;
        if (!scripted.empty()) {
            const DfuStatus scripted_answer = scripted.front();
            scripted.pop_front();
            return answer(scripted_answer, data);
        }
        lenient_status_query();
        return answer(status, data);
    }
    case kDfuGetState:
        if (!in || setup.length < 1 || data == nullptr)
            return -EPIPE;
        lenient_advance();
        data[0] = status.state;
        return 1;
    case kDfuClrStatus:
        status.status = 0;
        if (status.state == kDfuError)
            status.state = kDfuIdle;
        return 0;
    case kDfuAbort:
        if (dfu_mode)
            status = {kDfuStatusOk, 0, kDfuIdle, 0};
        return 0;
    default: return -EPIPE;
    }
}

// ---- Both ----

uint16_t DfuPersona::reset(UsbLayout& layout, PsStore* store)
{
    if (mode == DfuMode::Strict)
        strict_advance(); // a detach whose time ran out is over
    if (!dfu_mode && detached && stays_in_firmware) {
        status = {0, 0, kDfuAppIdle, 0};
    } else if (!dfu_mode && detached) {
        runtime_layout = layout;
        layout = dfu_mode_layout();
        dfu_mode = true;
        status = {0, 0, kDfuIdle, 0};
    } else if (dfu_mode && runs_its_image()) {
        layout = runtime_layout;
        dfu_mode = false;
        status = {0, 0, kDfuAppIdle, 0};
        if (store != nullptr)
            if (const std::optional<VersionQuad> version = version_marker(image()))
                store_firmware_version(*store, runtime_product, version->major, version->minor, version->secondaryType,
                                       version->secondary);
    } else if (dfu_mode && status.state != kDfuError) {
        // The loader starts again: a download under way is forgotten.
        status = {0, 0, kDfuIdle, 0};
    }
    detached = false;
    leave_requested = false;
    manifest_done_ = false;
    block_status_ = kDfuStatusOk;
    return dfu_mode ? dfu_product : runtime_product;
}

} // namespace sim
