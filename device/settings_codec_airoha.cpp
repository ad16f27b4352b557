// Accessors of the Airoha layout: switches in settings word 0, four 4-bit codes in word 1 and the
// unit (voice-prompt) language in the low 16 bits of word 2.

#include "common/system_log.h"
#include "device/device_data.h"
#include "device/settings_bits.h"

using namespace kivo::settings_bits;
using Record = KIVOBluetoothDeviceData;

// ---- Word 0 ------------------------------------------------------------------------------------
int Record::GetBasicSettingAirohaVOXPhone() const { return bit(basicSettingBrisko_[W0], 0); }
void Record::SetBasicSettingAirohaVOXPhone(int on) { put_flag(basicSettingBrisko_[W0], 0, on); }
int Record::GetBasicSettingAirohaVoicePrompt() const { return bit(basicSettingBrisko_[W0], 1); }
void Record::SetBasicSettingAirohaVoicePrompt(int on) { put_flag(basicSettingBrisko_[W0], 1, on); }
int Record::GetBasicSettingAirohaSidetone() const { return bit(basicSettingBrisko_[W0], 2); }
void Record::SetBasicSettingAirohaSidetone(int on) { put_flag(basicSettingBrisko_[W0], 2, on); }
int Record::GetBasicSettingAirohaFMStation() const { return bit(basicSettingBrisko_[W0], 3); }
void Record::SetBasicSettingAirohaFMStation(int on) { put_flag(basicSettingBrisko_[W0], 3, on); }
int Record::GetBasicSettingAirohaAudioOverlayVolumeManagement() const { return bit(basicSettingBrisko_[W0], 4); }
void Record::SetBasicSettingAirohaAudioOverlayVolumeManagement(int on) { put_flag(basicSettingBrisko_[W0], 4, on); }
int Record::GetBasicSettingAirohaMeshReachOut() const { return bit(basicSettingBrisko_[W0], 5); }
void Record::SetBasicSettingAirohaMeshReachOut(int on) { put_flag(basicSettingBrisko_[W0], 5, on); }
int Record::GetBasicSettingAirohaAdaptiveLight() const { return bit(basicSettingBrisko_[W0], 6); }
void Record::SetBasicSettingAirohaAdaptiveLight(int on) { put_flag(basicSettingBrisko_[W0], 6, on); }
int Record::GetBasicSettingAirohaAudioBoost() const { return bit(basicSettingBrisko_[W0], 7); }
void Record::SetBasicSettingAirohaAudioBoost(int on) { put_flag(basicSettingBrisko_[W0], 7, on); }
int Record::GetBasicSettingAirohaAutoOnOff() const { return bit(basicSettingBrisko_[W0], 8); }
void Record::SetBasicSettingAirohaAutoOnOff(int on) { put_flag(basicSettingBrisko_[W0], 8, on); }
int Record::GetBasicSettingAirohaAutoOff() const { return bit(basicSettingBrisko_[W0], 9); }
void Record::SetBasicSettingAirohaAutoOff(int on) { put_flag(basicSettingBrisko_[W0], 9, on); }

// ---- Word 1 ------------------------------------------------------------------------------------
int Record::GetBasicSettingAirohaMeshPublicChannel() const { return field(basicSettingBrisko_[W1], 0, 4); }
void Record::SetBasicSettingAirohaMeshPublicChannel(int code) { put_field(basicSettingBrisko_[W1], 0, 4, code); }
int Record::GetBasicSettingAirohaAudioEqualizer() const { return field(basicSettingBrisko_[W1], 4, 4); }
void Record::SetBasicSettingAirohaAudioEqualizer(int code) { put_field(basicSettingBrisko_[W1], 4, 4, code); }
int Record::GetBasicSettingAirohaVoxSensitivity() const { return field(basicSettingBrisko_[W1], 8, 4); }
void Record::SetBasicSettingAirohaVoxSensitivity(int code) { put_field(basicSettingBrisko_[W1], 8, 4, code); }
int Record::GetBasicSettingAirohaIntercomAudioOverlaySensitivity() const
{
    return field(basicSettingBrisko_[W1], 12, 4);
}
void Record::SetBasicSettingAirohaIntercomAudioOverlaySensitivity(int code)
{
    put_field(basicSettingBrisko_[W1], 12, 4, code);
}

// ---- Word 2: unit language ---------------------------------------------------------------------
namespace {
// The one extra language of the QIXA unit.
constexpr int kQixaLanguageCode = 7;

int traced_language_code(int word)
{
    const int code = field(word, 0, 16);
    kivo::system_logf("GetBasicSettingAirohaUnitLanguage[%d]", code);
    return code;
}
} // namespace

int Record::GetBasicSettingAirohaUnitLanguage() const { return traced_language_code(basicSettingBrisko_[W2]); }
void Record::SetBasicSettingAirohaUnitLanguage(int code) { put_field(basicSettingBrisko_[W2], 0, 16, code); }

int Record::GetBasicSettingAirohaUnitLanguageKELPOR8R(int packType) const
{
    const int code = traced_language_code(basicSettingBrisko_[W2]);
    return packType == kShortLanguagePackType && code > kFirstShiftedLanguageIndex ? code - 1 : code;
}
void Record::SetBasicSettingAirohaUnitLanguageKELPOR8R_PackType(int index, int packType)
{
    const bool shifted = packType == kShortLanguagePackType && index >= kFirstShiftedLanguageIndex;
    const int code = field(index, 0, 16); // the field's bits first: no argument can overflow
    put_field(basicSettingBrisko_[W2], 0, 16, shifted ? code + 1 : code);
}

int Record::GetBasicSettingAirohaQIXAUnitLanguage() const
{
    return traced_language_code(basicSettingBrisko_[W2]) == kQixaLanguageCode ? 1 : 0;
}
void Record::SetBasicSettingAirohaQIXAUnitLanguage(int index)
{
    put_field(basicSettingBrisko_[W2], 0, 16, index == 1 ? kQixaLanguageCode : 0);
}
