#include "tests/sim/dfu_persona.h"

#include <algorithm>

namespace sim {

namespace {

enum : uint8_t { Detach = 0, Download = 1, GetStatus = 3, ClearStatus = 4, GetState = 5, Abort = 6, Request7 = 7 };
constexpr size_t kStatusSize = 6;

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
        downloads.push_back({setup.value, data != nullptr ? Bytes(data, data + setup.length) : Bytes{}});
        if (setup.length == 0)
            leave_requested = true;
        return setup.length;
    case GetStatus: {
        if (!in || setup.length < kStatusSize || data == nullptr)
            return -EPIPE;
        DfuStatus answer = status;
        if (!scripted.empty()) {
            answer = scripted.front();
            scripted.pop_front();
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
        data[0] = status.state;
        return 1;
    case ClearStatus:
        status.status = 0;
        if (status.state == kDfuError)
            status.state = kDfuIdle;
        return 0;
    case Abort:
        if (dfu_mode)
            status.state = kDfuIdle;
        return 0;
    case Request7:
        if (in)
            return -EPIPE;
        leave_requested = dfu_mode;
        return 0;
    default: return -EPIPE;
    }
}

uint16_t DfuPersona::reset(UsbLayout& layout)
{
    if (!dfu_mode && detached && stays_in_firmware) {
        status = {0, 0, kDfuAppIdle, 0};
    } else if (!dfu_mode && detached) {
        runtime_layout = layout;
        layout = dfu_mode_layout();
        dfu_mode = true;
        status = {0, 0, kDfuIdle, 0};
    } else if (dfu_mode && leave_requested) {
        layout = runtime_layout;
        dfu_mode = false;
        status = {0, 0, kDfuAppIdle, 0};
    }
    detached = false;
    leave_requested = false;
    return dfu_mode ? dfu_product : runtime_product;
}

} // namespace sim
