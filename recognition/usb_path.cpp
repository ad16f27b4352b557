#include "recognition/usb_path.h"

#include "app/text/app_text.h"
#include "app/text/text_format.h"
#include "link/usb_link.h"

namespace kivo {
namespace {

int cannot_open(RecognitionRun& run, int code)
{
    for (int language = 0; language < kStatusLanguageCount; ++language)
        run.strStatus[static_cast<size_t>(language)] =
            fill_format("%@ [%d]", {AppText::tavk_string_cannot_open_usb_in(language), code});
    run.doWarn = true;
    return kRecognitionFailed;
}

} // namespace

int recognize_over_usb(RecognitionRun& run, KIVOBluetoothDeviceData& /*data*/)
{
    std::array<uint32_t, 2> product_ids{};
    std::array<char, 256> text{};
    if (run.isFirst) {
        const int code = usb_open_devices_retry(product_ids, text, kUsbOpenTries, kUsbModeManagementProbe);
        if (code != 0)
            return cannot_open(run, code);
        dfu_close_device();
        run.isFirst = false;
    }
    product_ids = {};
    const int code = usb_open_devices_retry(product_ids, text, kUsbOpenTries, kUsbModeNormal);
    if (code != 0)
        return cannot_open(run, code);

    // Identifying the opened devices over their persistent store comes here; until then an opened
    // device is reported as not available.
    usb_close_devices();
    return cannot_open(run, kUsbNoDevice);
}

} // namespace kivo
