// libFuzzer entry point: the three HID report protocols and the settings record readers against a
// device whose answers come from the input (fuzz/scripted_hid.h), on the simulated bus under the
// virtual clock. The first two input bytes name the product (and so the settings records read):
// little-endian, or taken modulo the list when they name no HID product.
// Beyond not crashing: no exchange waits longer than its limits allow, a record read holds no more
// words than a report carries, texts from the device are well-formed UTF-8 within their records,
// and nothing stays open.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "common/utf8_text.h"
#include "fuzz/scripted_hid.h"
#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "recognition/hid_requests.h"
#include "recognition/hid_settings_read.h"
#include "recognition/hid_settings_records.h"

namespace {

// One exchange, including busy answers and a report time-out, stays within this virtual time.
constexpr auto kExchangeLimit = std::chrono::milliseconds(kHidExchangeTimeoutMs + 2 * kHidReportTimeoutMs);

// Runs one exchange and checks its virtual time.
template <typename Exchange> auto timed(Exchange&& exchange)
{
    const kivo::Duration start = kivo::clock_now();
    auto result = exchange();
    if (kivo::clock_now() - start > kExchangeLimit)
        std::abort();
    return result;
}

void check_text(const std::string& text, size_t limit)
{
    if (text.size() > limit || !kivo::is_utf8(text))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<uint16_t> products = fuzz::hid_products();
    if (size < 2 || products.empty())
        return 0;
    sim::Session session;
    const uint16_t product = fuzz::hid_product_named(products, data[0] | data[1] << 8);
    auto in = std::make_shared<fuzz::InputBytes>(std::span(data + 2, size - 2));
    auto device = session.bus().plug_hid(product, fuzz::scripted_replies(in));
    fuzz::arm_faults(device->hid.front()->faults, *in);

    uint32_t opened = 0;
    char text[64] = {};
    if (hid_open_device(opened, text) != 0)
        return 0; // a product that opens only on an interface of its own

    // Protocol A.
    HidStatusReport status{};
    timed([&] { return hid_command(0, kivo::hid_request(COMMAND_GET_VERSION), status); });
    if (const auto record = timed([] { return kivo::read_record(0x3C, 4); }))
        if (record->words.size() > kivo::kReplyWordCapacity)
            std::abort();
    if (const auto number = timed([] { return kivo::read_speed_dial_record(0x21); }))
        check_text(*number, 4 * KIVOBluetoothDeviceData::kSpeedDialUnitCount);
    timed([] { return hid_wait_status(0); });

    // Protocol C.
    HidCommandReport65 status65{};
    timed([&] { return hid_command65(0, kivo::hid_request65(COMMAND_READY_STATE), status65); });

    // Protocol B.
    std::vector<uint8_t> answer(kHidShortReportSize);
    HidShortCommandReport request = kivo::hid_short_request(COMMAND_GET_INFO, 0);
    timed([&] { return hid_command_by_table(0, request, answer); });
    request = kivo::hid_short_request(COMMAND_GET_VERSION, 0);
    timed([&] { return hid_command_by_table(0, request, answer); });
    answer[1] = 12;
    request = kivo::hid_short_request(COMMAND_CAMERA_STATUS, 0);
    timed([&] { return hid_command62(0, request, answer, 2000); });
    answer[1] = 8;
    timed([&] { return hid_read_response(0, answer, 50); });
    if (const auto record = timed([] { return kivo::read_short_record(0x02); }))
        check_text(kivo::short_record_text(*record), kivo::kShortRecordBytes);

    // The settings records of the product's group into a record.
    KIVOBluetoothDeviceData record;
    kivo::read_hid_settings(product, record);
    for (int i = 0; i < KIVOBluetoothDeviceData::kSpeedDialCount; ++i)
        check_text(record.speedDialAt(i), 4 * KIVOBluetoothDeviceData::kSpeedDialUnitCount);

    hid_close_devices();
    if (session.bus().open_hid_handles() != 0)
        std::abort();
    return 0;
}
