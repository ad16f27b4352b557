// Accessors of the Vantor layout and the families that share its words (settings words 0, 1, 3
// and 4). Several families name the same bits differently; each name is kept.

#include "device/device_data.h"
#include "device/settings_bits.h"

using namespace kivo::settings_bits;
using Record = KIVOBluetoothDeviceData;

// ---- Word 0 ------------------------------------------------------------------------------------
int Record::GetBasicSettingVantorVOXPhone() const { return bit(basicSettingBrisko_[W0], 0); }
void Record::SetBasicSettingVantorVOXPhone(int on) { put_flag(basicSettingBrisko_[W0], 0, on); }
int Record::GetBasicSettingVantorVOXIntercom() const { return bit(basicSettingBrisko_[W0], 1); }
void Record::SetBasicSettingVantorVOXIntercom(int on) { put_flag(basicSettingBrisko_[W0], 1, on); }
int Record::GetBasicSettingEDR() const { return bit(basicSettingBrisko_[W0], 2); }
void Record::SetBasicSettingEDR(int on) { put_flag(basicSettingBrisko_[W0], 2, on); }
int Record::GetBasicSettingVantorVoicePrompt() const { return bit(basicSettingBrisko_[W0], 3); }
void Record::SetBasicSettingVantorVoicePrompt(int on) { put_flag(basicSettingBrisko_[W0], 3, on); }
int Record::GetBasicSettingVantorHighQulityA2DP() const { return bit(basicSettingBrisko_[W0], 5); }
void Record::SetBasicSettingVantorHighQulityA2DP(int on) { put_flag(basicSettingBrisko_[W0], 5, on); }
int Record::GetBasicSettingVantorSidetone() const { return bit(basicSettingBrisko_[W0], 8); }
void Record::SetBasicSettingVantorSidetone(int on) { put_flag(basicSettingBrisko_[W0], 8, on); }
int Record::GetBasicSettingFMRadioOnVargo() const { return GetBasicSettingVantorSidetone(); }
void Record::SetBasicSettingFMRadioOnVargo(int on) { SetBasicSettingVantorSidetone(on); }
int Record::GetBasicSettingVantorAdvancedNoiseControl() const { return bit(basicSettingBrisko_[W0], 9); }
void Record::SetBasicSettingVantorAdvancedNoiseControl(int on) { put_flag(basicSettingBrisko_[W0], 9, on); }
int Record::GetBasicSettingPhoneOnVargo() const { return GetBasicSettingVantorAdvancedNoiseControl(); }
void Record::SetBasicSettingPhoneOnVargo(int on) { SetBasicSettingVantorAdvancedNoiseControl(on); }
int Record::GetBasicSettingVantorAudioBoost() const { return bit(basicSettingBrisko_[W0], 10); }
void Record::SetBasicSettingVantorAudioBoost(int on) { put_flag(basicSettingBrisko_[W0], 10, on); }
int Record::GetBasicSettingVantorHDIntercom() const { return bit(basicSettingBrisko_[W0], 11); }
void Record::SetBasicSettingVantorHDIntercom(int on) { put_flag(basicSettingBrisko_[W0], 11, on); }
int Record::GetBasicSettingVantorFMStationGuide() const { return bit(basicSettingBrisko_[W0], 12); }
void Record::SetBasicSettingVantorFMStationGuide(int on) { put_flag(basicSettingBrisko_[W0], 12, on); }
int Record::GetBasicSettingVantorMeshMode() const { return code_or(basicSettingBrisko_[W0], 13, 2, 2, 0); }
void Record::SetBasicSettingVantorMeshMode(int mode) { put_code(basicSettingBrisko_[W0], 13, 2, mode, 0, 2); }
// The QCC layout keeps HD voice in the low bit of the Vantor mesh mode.
int Record::GetBasicSettingQCCHDVoice() const { return bit(basicSettingBrisko_[W0], 13); }
void Record::SetBasicSettingQCCHDVoice(int on) { put_flag(basicSettingBrisko_[W0], 13, on); }
int Record::GetBasicSettingVantorMeshGuestMode() const { return bit(basicSettingBrisko_[W0], 15); }
void Record::SetBasicSettingVantorMeshGuestMode(int on) { put_flag(basicSettingBrisko_[W0], 15, on); }

// ---- Word 1 ------------------------------------------------------------------------------------
int Record::GetBasicSettingVantorVoxSensitivity() const { return code_or(basicSettingBrisko_[W1], 0, 3, 5, 3); }
void Record::SetBasicSettingVantorVoxSensitivity(int level) { put_code(basicSettingBrisko_[W1], 0, 3, level, 0, 5); }
int Record::GetBasicSettingTresselMeshPublicChannel() const { return code_or(basicSettingBrisko_[W1], 0, 4, 8, 0); }
// Any argument is taken to its low 4 bits, so that a stray value cannot reach the settings above
// the channel.
void Record::SetBasicSettingTresselMeshPublicChannel(int channel) { put_field(basicSettingBrisko_[W1], 0, 4, channel); }
int Record::GetBasicSettingVantorAGCSensitivity() const { return code_or(basicSettingBrisko_[W1], 3, 3, 3, 3); }
void Record::SetBasicSettingVantorAGCSensitivity(int level) { put_code(basicSettingBrisko_[W1], 3, 3, level, 0, 3); }
int Record::GetBasicSettingVantorAudioOverlayVolumeManagement() const { return bit(basicSettingBrisko_[W1], 6); }
void Record::SetBasicSettingVantorAudioOverlayVolumeManagement(int on)
{
    put_inverted_flag(basicSettingBrisko_[W1], 6, on);
}
int Record::GetBasicSettingVantorAudioOverlaySensitivity() const
{
    return code_or(basicSettingBrisko_[W1], 7, 3, 5, 3);
}
void Record::SetBasicSettingVantorAudioOverlaySensitivity(int level)
{
    put_code(basicSettingBrisko_[W1], 7, 3, level, 0, 5);
}
int Record::GetBasicSettingVantorVoiceCommand() const { return bit(basicSettingBrisko_[W1], 10); }
void Record::SetBasicSettingVantorVoiceCommand(int on) { put_flag(basicSettingBrisko_[W1], 10, on); }
// The remote push-to-talk bit is stored as given and read back inverted.
int Record::GetBasicSettingTresselRemoteUIPTT() const { return 1 - bit(basicSettingBrisko_[W1], 10); }
void Record::SetBasicSettingTresselRemoteUIPTT(int on) { put_flag(basicSettingBrisko_[W1], 10, on); }
int Record::GetBasicSettingVantorAudioOverlay() const { return bit(basicSettingBrisko_[W1], 11); }
void Record::SetBasicSettingVantorAudioOverlay(int on) { put_flag(basicSettingBrisko_[W1], 11, on); }
int Record::GetBasicSettingUILayer() const { return bit(basicSettingBrisko_[W1], 12); }
void Record::SetBasicSettingUILayer(int on) { put_flag(basicSettingBrisko_[W1], 12, on); }
int Record::GetBasicSettingQccAutoOff() const { return GetBasicSettingUILayer(); }
void Record::SetBasicSettingQccAutoOff(int on) { SetBasicSettingUILayer(on); }
int Record::GetBasicSettingKelporHDSpeakerAccessory() const { return bit(basicSettingBrisko_[W1], 13); }
void Record::SetBasicSettingKelporHDSpeakerAccessory(int on) { put_flag(basicSettingBrisko_[W1], 13, on); }

// ---- Word 3 ------------------------------------------------------------------------------------
int Record::GetBasicSettingVantorMeshPublicChannel() const { return code_or(basicSettingBrisko_[W3], 6, 4, 5, 0); }
void Record::SetBasicSettingVantorMeshPublicChannel(int channel)
{
    put_code(basicSettingBrisko_[W3], 6, 4, channel, 0, 5);
}
int Record::GetBasicSettingMossraMeshPublicChannel() const { return code_or(basicSettingBrisko_[W3], 6, 4, 9, 0); }
void Record::SetBasicSettingMossraMeshPublicChannel(int channel)
{
    put_code(basicSettingBrisko_[W3], 6, 4, channel, 1, 9);
}
int Record::GetBasicSettingHeronyxHDVoice() const { return bit(basicSettingBrisko_[W3], 10); }
void Record::SetBasicSettingHeronyxHDVoice(int on) { put_flag(basicSettingBrisko_[W3], 10, on); }
int Record::GetBasicSettingVantorHDSpeakerAccessory() const { return GetBasicSettingHeronyxHDVoice(); }
void Record::SetBasicSettingVantorHDSpeakerAccessory(int on) { SetBasicSettingHeronyxHDVoice(on); }
int Record::GetBasicSettingMeshReachOutLarnex() const { return GetBasicSettingHeronyxHDVoice(); }
void Record::SetBasicSettingMeshReachOutLarnex(int on) { SetBasicSettingHeronyxHDVoice(on); }
int Record::GetBasicSettingVantorEqualizer() const { return code_or(basicSettingBrisko_[W3], 11, 3, 4, 0); }
void Record::SetBasicSettingVantorEqualizer(int preset) { put_code(basicSettingBrisko_[W3], 11, 3, preset, 0, 4); }
// The Egrano equalizer takes bit 14 into its field: a write clears it.
int Record::GetBasicSettingEgranoEqualizer() const { return code_or(basicSettingBrisko_[W3], 11, 4, 4, 0); }
void Record::SetBasicSettingEgranoEqualizer(int preset) { put_code(basicSettingBrisko_[W3], 11, 4, preset, 0, 4); }
int Record::GetBasicSettingVantorMeshReachOut() const { return bit(basicSettingBrisko_[W3], 14); }
void Record::SetBasicSettingVantorMeshReachOut(int on) { put_flag(basicSettingBrisko_[W3], 14, on); }
int Record::GetBasicSettingDuvaneSpeakerAccessorySelect() const { return field(basicSettingBrisko_[W3], 14, 2); }
void Record::SetBasicSettingDuvaneSpeakerAccessorySelect(int code)
{
    put_code(basicSettingBrisko_[W3], 14, 2, code, 0, 3);
}

// ---- Word 4 ------------------------------------------------------------------------------------
namespace {
// The accessory selects run from -8 to 4 and are kept as value + 8.
constexpr int kSelectOffset = 8;
void put_select(int& word, int shift, int value)
{
    if (value >= -kSelectOffset && value <= 4)
        put_field(word, shift, 4, value + kSelectOffset);
}
} // namespace

int Record::GetBasicSettingEgranoSpeakerAccessorySelect() const { return field(basicSettingBrisko_[W4], 0, 4); }
void Record::SetBasicSettingEgranoSpeakerAccessorySelect(int value) { put_select(basicSettingBrisko_[W4], 0, value); }
int Record::GetBasicSettingEgranoMicAccessorySelect() const { return field(basicSettingBrisko_[W4], 4, 4); }
void Record::SetBasicSettingEgranoMicAccessorySelect(int value) { put_select(basicSettingBrisko_[W4], 4, value); }
// Stored as given, read back inverted.
int Record::GetBasicSettingVoiceAssistant() const { return 1 - bit(basicSettingBrisko_[W4], 8); }
void Record::SetBasicSettingVoiceAssistant(int on) { put_flag(basicSettingBrisko_[W4], 8, on); }
// Stored inverted, read back as stored.
int Record::GetBasicSettingMeshReachOut() const { return bit(basicSettingBrisko_[W4], 9); }
void Record::SetBasicSettingMeshReachOut(int on) { put_inverted_flag(basicSettingBrisko_[W4], 9, on); }
