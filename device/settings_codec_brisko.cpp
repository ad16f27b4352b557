// Brisko family accessors: settings words 0 to 4, and the one-module speaker bit of word 1.

#include "device/device_data.h"
#include "device/settings_bits.h"

using namespace kivo::settings_bits;
using Record = KIVOBluetoothDeviceData;

int Record::getBasicSettingBriskoAudioMultitaskingSensitivity() const { return basicSettingBrisko_[W0]; }
void Record::setBasicSettingBriskoAudioMultitaskingSensitivity(int value) { basicSettingBrisko_[W0] = value; }
int Record::getBasicSettingBriskoMotionSensorSensitivity() const { return basicSettingBrisko_[W3]; }
void Record::setBasicSettingBriskoMotionSensorSensitivity(int value) { basicSettingBrisko_[W3] = value; }

// ---- Word 2 ------------------------------------------------------------------------------------
int Record::GetBasicSettingBriskoVoiceCommand() const { return bit(basicSettingBrisko_[W2], 0); }
void Record::SetBasicSettingBriskoVoiceCommand(int on) { put_flag(basicSettingBrisko_[W2], 0, on); }

// The level sits in bits 1-2; bits 3-4 belong to the field too and are cleared on every write. A
// device that has set either of them reads as level 0.
int Record::getBasicSettingBriskoSmartVolumeControl() const { return code_or(basicSettingBrisko_[W2], 1, 4, 3, 0); }
void Record::setBasicSettingBriskoSmartVolumeControl(int level)
{
    put_code(basicSettingBrisko_[W2], 1, 4, level, 0, 3);
}

int Record::getBasicSettingBriskoFMStationGuide() const { return bit(basicSettingBrisko_[W2], 5); }
void Record::setBasicSettingBriskoFMStationGuide(int on) { put_flag(basicSettingBrisko_[W2], 5, on); }
int Record::getBasicSettingBriskoEightWayIntercom() const { return bit(basicSettingBrisko_[W2], 6); }
void Record::setBasicSettingBriskoEightWayIntercom(int on) { put_flag(basicSettingBrisko_[W2], 6, on); }
int Record::getBasicSettingBriskoAudioBoost() const { return bit(basicSettingBrisko_[W2], 7); }
void Record::setBasicSettingBriskoAudioBoost(int on) { put_flag(basicSettingBrisko_[W2], 7, on); }
int Record::getBasicSettingBriskoAdvancedNoiseControl() const { return bit(basicSettingBrisko_[W2], 8); }
void Record::setBasicSettingBriskoAdvancedNoiseControl(int on) { put_flag(basicSettingBrisko_[W2], 8, on); }
int Record::getBasicSettingBriskoNavigationAppOverlay() const { return bit(basicSettingBrisko_[W2], 9); }
void Record::setBasicSettingBriskoNavigationAppOverlay(int on) { put_flag(basicSettingBrisko_[W2], 9, on); }
int Record::getBasicSettingBriskoVoicePrompt() const { return bit(basicSettingBrisko_[W2], 10); }
void Record::setBasicSettingBriskoVoicePrompt(int on) { put_flag(basicSettingBrisko_[W2], 10, on); }
int Record::getBasicSettingBriskoAudioMultitasking() const { return bit(basicSettingBrisko_[W2], 11); }
void Record::setBasicSettingBriskoAudioMultitasking(int on) { put_flag(basicSettingBrisko_[W2], 11, on); }
int Record::getBasicSettingBriskoSidetone() const { return bit(basicSettingBrisko_[W2], 12); }
void Record::setBasicSettingBriskoSidetone(int on) { put_flag(basicSettingBrisko_[W2], 12, on); }
int Record::getBasicSettingBriskoHDIntercom() const { return bit(basicSettingBrisko_[W2], 13); }
void Record::setBasicSettingBriskoHDIntercom(int on) { put_flag(basicSettingBrisko_[W2], 13, on); }
int Record::getBasicSettingBriskoVOXPhone() const { return bit(basicSettingBrisko_[W2], 15); }
void Record::setBasicSettingBriskoVOXPhone(int on) { put_flag(basicSettingBrisko_[W2], 15, on); }

// ---- Word 4 ------------------------------------------------------------------------------------
int Record::GetBasicSettingBriskoDuvaneSpeakerAccessorySelect() const { return field(basicSettingBrisko_[W4], 10, 2); }
void Record::SetBasicSettingBriskoDuvaneSpeakerAccessorySelect(int code)
{
    put_code(basicSettingBrisko_[W4], 10, 2, code, 0, 3);
}
int Record::getBasicSettingBriskoAudioEqualizer() const { return code_or(basicSettingBrisko_[W4], 12, 3, 4, 0); }
void Record::setBasicSettingBriskoAudioEqualizer(int preset) { put_code(basicSettingBrisko_[W4], 12, 3, preset, 0, 4); }
// The speaker accessory and the LED control share bit 15.
int Record::getBasicSettingBriskoHDSpeakerAccessory() const { return bit(basicSettingBrisko_[W4], 15); }
void Record::setBasicSettingBriskoHDSpeakerAccessory(int on) { put_flag(basicSettingBrisko_[W4], 15, on); }
int Record::getBasicSettingBriskoLEDControl() const { return getBasicSettingBriskoHDSpeakerAccessory(); }
void Record::setBasicSettingBriskoLEDControl(int on) { setBasicSettingBriskoHDSpeakerAccessory(on); }

// ---- Word 1 ------------------------------------------------------------------------------------
int Record::getBasicSettingHIDOneModuleHDSpeakerAccessory() const { return bit(basicSettingBrisko_[W1], 9); }
void Record::setBasicSettingHIDOneModuleHDSpeakerAccessory(int on) { put_flag(basicSettingBrisko_[W1], 9, on); }
