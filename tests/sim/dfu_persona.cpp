#include "tests/sim/dfu_persona.h"

#include <algorithm>
#include <chrono>

#include "tests/sim/bus.h"
#include "tests/sim/hid_persona_parts.h"
#include "tests/sim/usb_headsets.h"

namespace sim {

namespace {

enum : uint8_t { Detach = 0, Download = 1, GetStatus = 3, ClearStatus = 4, GetState = 5, Abort = 6, Request7 = 7 };
constexpr size_t kStatusSize = 6;

kivo::Duration now() { return bus().clock().now(); }
kivo::Duration after_ms(uint32_t ms) { return now() + std::chrono::milliseconds(ms); }

} // namespace

UsbAltSetting dfu_alt_setting(uint8_t interface_number) { return {interface_number, 0, kUsbClassApplication, 1, 0}; }

UsbLayout dfu_mode_layout() { return {kUsbClassApplication, {{{dfu_alt_setting(0)}}}, {}}; }

DfuPersona::DfuPersona(uint16_t runtime_product_id, uint16_t dfu_product_id, bool in_dfu_mode)
    : runtime_product(runtime_product_id)
    , dfu_product(dfu_product_id)
    , dfu_mode(in_dfu_mode)
    , runtime_layout{0, {{{dfu_alt_setting(0)}}}, {}}
{
    status.state = dfu_mode ? kDfuIdle : kDfuAppIdle;
}

Bytes DfuPersona::image() const
{
    Bytes bytes;
    for (const auto& [number, block] : written_)
        bytes.insert(bytes.end(), block.begin(), block.end());
    return bytes;
}

int DfuPersona::stall()
{
    status = {kDfuErrStalledPkt, 0, kDfuError, 0};
    return -EPIPE;
}

void DfuPersona::advance()
{
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

void DfuPersona::answer_status_query()
{
    advance();
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

int DfuPersona::download(const ControlSetup& setup, const uint8_t* data)
{
    advance();
    if (setup.length == 0) {
        // The final block: the manifest begins.
        if (status.state != kDfuDnloadIdle)
            return stall();
        downloads.push_back({setup.value, {}});
        status = {kDfuStatusOk, 0, kDfuManifestSync, 0};
        if (!leaves_only_on_request7)
            leave_requested = true;
        return 0;
    }
    if (status.state != kDfuIdle && status.state != kDfuDnloadIdle)
        return stall();
    Bytes bytes(data, data + setup.length);
    downloads.push_back({setup.value, bytes});
    if (status.state == kDfuIdle && setup.value == 0)
        written_.clear();
    if (block_fault && block_fault->block == setup.value && block_fault->times != 0) {
        if (block_fault->times > 0)
            --block_fault->times;
        status = {block_fault->status, 0, kDfuError, 0};
        return setup.length;
    }
    written_[setup.value] = std::move(bytes);
    status = {kDfuStatusOk, 0, kDfuDnloadSync, 0};
    busy_left_ = busy_answers;
    return setup.length;
}

int DfuPersona::request(const ControlSetup& setup, uint8_t* data)
{
    const bool in = (setup.request_type & 0x80) != 0;
    switch (setup.request) {
    case Detach:
        if (dfu_mode || in)
            return -EPIPE;
        detached = true;
        status.state = kDfuAppDetach;
        return 0;
    case Download:
        if (!dfu_mode || in)
            return -EPIPE;
        return download(setup, data);
    case GetStatus: {
        if (!in || setup.length < kStatusSize || data == nullptr)
            return -EPIPE;
        DfuStatus answer = status;
        if (!scripted.empty()) {
            answer = scripted.front();
            scripted.pop_front();
        } else {
            answer_status_query();
            answer = status;
        }
        data[0] = answer.status;
        data[1] = static_cast<uint8_t>(answer.poll_timeout_ms & 0xFF);
        data[2] = static_cast<uint8_t>((answer.poll_timeout_ms >> 8) & 0xFF);
        data[3] = static_cast<uint8_t>((answer.poll_timeout_ms >> 16) & 0xFF);
        data[4] = answer.state;
        data[5] = answer.string_index;
        return static_cast<int>(std::min(answer.answer_size, kStatusSize));
    }
    case GetState:
        if (!in || setup.length < 1 || data == nullptr)
            return -EPIPE;
        advance();
        data[0] = status.state;
        return 1;
    case ClearStatus:
        status.status = 0;
        if (status.state == kDfuError)
            status.state = kDfuIdle;
        return 0;
    case Abort:
        if (dfu_mode)
            status = {kDfuStatusOk, 0, kDfuIdle, 0};
        return 0;
    case Request7:
        if (in)
            return -EPIPE;
        leave_requested = dfu_mode;
        return 0;
    default: return -EPIPE;
    }
}

uint16_t DfuPersona::reset(UsbLayout& layout, PsStore* store)
{
    if (!dfu_mode && detached && stays_in_firmware) {
        status = {0, 0, kDfuAppIdle, 0};
    } else if (!dfu_mode && detached) {
        runtime_layout = layout;
        layout = dfu_mode_layout();
        dfu_mode = true;
        status = {0, 0, kDfuIdle, 0};
    } else if (dfu_mode && leave_requested && !image_not_taken) {
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
    return dfu_mode ? dfu_product : runtime_product;
}

} // namespace sim
