#pragma once
// What every recognition must leave behind, whatever its device answered: a result the page knows,
// status texts and a name that are well-formed UTF-8 of bounded length, nothing open on the bus,
// and a run that ended within a bounded (virtual) time.

#include <chrono>
#include <cstdlib>
#include <string>

#include "common/utf8_text.h"
#include "recognition/recognition_run.h"
#include "tests/sim/bus.h"

namespace fuzz {

// Far above the longest run the limits allow, far below a hang.
inline constexpr auto kRecognitionLimit = std::chrono::hours(24);

inline void check_text(const std::string& text, size_t limit)
{
    if (text.size() > limit || !kivo::is_utf8(text))
        std::abort();
}

inline void check_recognition(int result, const kivo::RecognitionRun& run, const KIVOBluetoothDeviceData& data,
                              sim::Bus& bus)
{
    if (result < kivo::kRecognitionOtherDevice || result > kivo::kRecognitionFailed)
        std::abort();
    for (const std::string& status : run.strStatus)
        check_text(status, 4096);
    check_text(data.deviceName(), 256);
    for (int i = 0; i < KIVOBluetoothDeviceData::kSpeedDialCount; ++i)
        check_text(data.speedDialAt(i), 80);
    if (bus.open_hid_handles() != 0 || bus.open_usb_handles() != 0 || bus.claimed_usb_interfaces() != 0)
        std::abort();
    if (bus.clock().now() > kRecognitionLimit)
        std::abort();
}

} // namespace fuzz
