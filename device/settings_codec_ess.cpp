// Ess status, Ess sensitivity and microphone gain: settings word 2.

#include <array>

#include "device/device_data.h"
#include "device/settings_bits.h"

using namespace kivo::settings_bits;
using Record = KIVOBluetoothDeviceData;

// Status 1 to 3 is stored as given; anything else switches it off (0).
int Record::getEssStatus() const { return field(basicSettingBrisko_[W2], 0, 2); }
void Record::setEssStatus(int status)
{
    put_field(basicSettingBrisko_[W2], 0, 2, status >= 1 && status <= 3 ? status : 0);
}

// Sensitivity 1 low, 2 middle, 3 high; any other value, and a stored 0, mean the middle.
namespace {
constexpr int kMiddleSensitivity = 2;
}
int Record::getEssSensitivity() const
{
    const int code = field(basicSettingBrisko_[W2], 2, 2);
    return code == 0 ? kMiddleSensitivity : code;
}
void Record::setEssSensitivity(int sensitivity)
{
    const int code = sensitivity == 1 || sensitivity == 3 ? sensitivity : kMiddleSensitivity;
    put_field(basicSettingBrisko_[W2], 2, 2, code);
}

// Gain levels 1 to 5 map to the device's codes 1, 3, 3, 3, 5 in bits 5-7; any other level is the
// middle code 3.
namespace {
constexpr std::array<int, 5> kMicGainCodes = {1, 3, 3, 3, 5};
constexpr int kMiddleMicGainCode = 3;
} // namespace

int Record::getMicGain() const
{
    const int word = basicSettingBrisko_[W2];
    // Codes 1 and 5 are the only ones with bit 5 set and bit 6 clear; bit 7 tells them apart.
    if (bit(word, 5) == 1 && bit(word, 6) == 0)
        return bit(word, 7) == 1 ? 5 : 1;
    return kMiddleMicGainCode;
}
void Record::setMicGain(int level)
{
    const int code = level >= 1 && level <= static_cast<int>(kMicGainCodes.size())
        ? kMicGainCodes[static_cast<size_t>(level - 1)]
        : kMiddleMicGainCode;
    put_field(basicSettingBrisko_[W2], 5, 3, code);
}
