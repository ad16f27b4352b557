// libFuzzer entry point: a whole recognition over HID against a device whose every answer comes from
// the input (fuzz/scripted_hid.h), on the simulated bus under the virtual clock. The first two input
// bytes name the product on the bus (as in hid_answers_fuzz), the third says whether a page other
// than recognition asked for it (bit 0). Beyond not crashing: the checks of
// fuzz/recognition_checks.h.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "fuzz/recognition_checks.h"
#include "fuzz/scripted_hid.h"
#include "link/usb_link.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<uint16_t> products = fuzz::hid_products();
    if (size < 3 || products.empty())
        return 0;
    sim::Session session;
    usb_link_start();
    const uint16_t product = fuzz::hid_product_named(products, data[0] | data[1] << 8);
    auto in = std::make_shared<fuzz::InputBytes>(std::span(data + 3, size - 3));
    auto device = session.bus().plug_hid(product, fuzz::scripted_replies(in));
    fuzz::arm_faults(device->hid.front()->faults, *in);

    kivo::RecognitionRun run;
    const bool asked = (data[2] & 0x01) != 0;
    run.callerMode = asked ? kModeUpdate : 0;
    run.session.deviceTarget = product;
    KIVOBluetoothDeviceData record;
    const int result = kivo::recognize_device(run, record);
    fuzz::check_recognition(result, run, record, session.bus());
    return 0;
}
