// Accessors of the QCC layout and the Yarlo equalizer: settings word 1.

#include <array>
#include <cstdint>

#include "device/device_data.h"
#include "device/settings_bits.h"

using namespace kivo::settings_bits;
using Record = KIVOBluetoothDeviceData;

int Record::GetBasicSettingYarloEqualizer() const { return code_or(basicSettingBrisko_[W1], 5, 4, 4, 0); }
void Record::SetBasicSettingYarloEqualizer(int preset) { put_code(basicSettingBrisko_[W1], 5, 4, preset, 0, 4); }
int Record::GetBasicSettingQCCAudioEqualizer() const { return code_or(basicSettingBrisko_[W1], 4, 3, 5, 0); }
void Record::SetBasicSettingQCCAudioEqualizer(int preset) { put_code(basicSettingBrisko_[W1], 4, 3, preset, 0, 5); }
int Record::GetBasicSettingQCCVOXSensitivity() const { return code_or(basicSettingBrisko_[W1], 7, 3, 5, 3); }
void Record::SetBasicSettingQCCVOXSensitivity(int level) { put_code(basicSettingBrisko_[W1], 7, 3, level, 0, 5); }

// The level is read from bits 9-11, but the device's own patterns for the two highest levels also
// set bit 7, so the setter writes bits 7 and 9-11 together.
namespace {
constexpr uint32_t kJunovaMask = 0xE80;
constexpr std::array<uint32_t, 6> kJunovaPatterns = {0x000, 0x200, 0x400, 0x600, 0x880, 0xA80};
} // namespace

int Record::GetBasicSettingJUNOVAVOXSensitivity() const { return code_or(basicSettingBrisko_[W1], 9, 3, 5, 3); }
void Record::SetBasicSettingJUNOVAVOXSensitivity(int level)
{
    if (level < 0 || level >= static_cast<int>(kJunovaPatterns.size()))
        return;
    int& word = basicSettingBrisko_[W1];
    word = static_cast<int>((static_cast<uint32_t>(word) & ~kJunovaMask) | kJunovaPatterns[static_cast<size_t>(level)]);
}

int Record::GetBasicSettingQCCAudioOverlayVolumeManagement() const { return bit(basicSettingBrisko_[W1], 10); }
void Record::SetBasicSettingQCCAudioOverlayVolumeManagement(int on)
{
    put_inverted_flag(basicSettingBrisko_[W1], 10, on);
}
int Record::GetBasicSettingQCCAudioOverlaySensitivity() const { return code_or(basicSettingBrisko_[W1], 11, 3, 5, 3); }
void Record::SetBasicSettingQCCAudioOverlaySensitivity(int level)
{
    put_code(basicSettingBrisko_[W1], 11, 3, level, 0, 5);
}
int Record::GetBasicSettingQCCIntercomAudioOverlaySensitivity() const
{
    return GetBasicSettingQCCAudioOverlaySensitivity();
}
void Record::SetBasicSettingQCCIntercomAudioOverlaySensitivity(int level)
{
    SetBasicSettingQCCAudioOverlaySensitivity(level);
}
