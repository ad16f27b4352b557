// Camera settings: camera words 0 and 2.

#include "device/device_data.h"
#include "device/settings_bits.h"

using namespace kivo::settings_bits;
using Record = KIVOBluetoothDeviceData;

// ---- Word 0 ------------------------------------------------------------------------------------
int Record::getBasicSettingWispenCameraPhotoMode() const { return bit(basicSettingWispenCamera_[C0], 0); }
void Record::setBasicSettingWispenCameraPhotoMode(int on) { put_flag(basicSettingWispenCamera_[C0], 0, on); }

// Before firmware 2.0 the video mode is a switch in word 0; from 2.0 it is a mode 0 to 2 in
// word 2.
int Record::getBasicSettingWispenCameraVideoMode() const
{
    if (compareVersionUpToMinorWithMajor_Minor(2, 0) < 0)
        return bit(basicSettingWispenCamera_[C0], 1);
    return code_or(basicSettingWispenCamera_[C2], 6, 2, 2, 0);
}
void Record::setBasicSettingWispenCameraVideoMode(int value)
{
    if (compareVersionUpToMinorWithMajor_Minor(2, 0) < 0)
        put_flag(basicSettingWispenCamera_[C0], 1, value);
    else
        put_code(basicSettingWispenCamera_[C2], 6, 2, value, 0, 2);
}

int Record::getBasicSettingWispenCameraVideoResolution() const
{
    return code_or(basicSettingWispenCamera_[C0], 2, 2, 2, 0);
}
void Record::setBasicSettingWispenCameraVideoResolution(int code)
{
    put_code(basicSettingWispenCamera_[C0], 2, 2, code, 0, 2);
}
int Record::getBasicSettingWispenCameraTimelapseInterval() const { return bit(basicSettingWispenCamera_[C0], 4); }
void Record::setBasicSettingWispenCameraTimelapseInterval(int on) { put_flag(basicSettingWispenCamera_[C0], 4, on); }
int Record::getBasicSettingWispenCameraDateCaption() const { return bit(basicSettingWispenCamera_[C0], 5); }
void Record::setBasicSettingWispenCameraDateCaption(int on) { put_flag(basicSettingWispenCamera_[C0], 5, on); }
int Record::getBasicSettingWispenCameraSpeakerSoundRecording() const { return bit(basicSettingWispenCamera_[C0], 6); }
void Record::setBasicSettingWispenCameraSpeakerSoundRecording(int on)
{
    put_flag(basicSettingWispenCamera_[C0], 6, on);
}
int Record::getBasicSettingWispenCameraAutoCameraSleep() const { return bit(basicSettingWispenCamera_[C0], 7); }
void Record::setBasicSettingWispenCameraAutoCameraSleep(int on) { put_flag(basicSettingWispenCamera_[C0], 7, on); }

// The four sources the speaker sound is recorded from: bits 8 to 11.
namespace {
constexpr int kMusicBit = 8;
constexpr int kFMRadioBit = 9;
constexpr int kIntercomBit = 10;
constexpr int kPhoneBit = 11;
} // namespace

int Record::getBasicSettingWispenCameraSpeakerSoundRecordingMusic() const
{
    return bit(basicSettingWispenCamera_[C0], kMusicBit);
}
void Record::setBasicSettingWispenCameraSpeakerSoundRecordingMusic(int on)
{
    put_flag(basicSettingWispenCamera_[C0], kMusicBit, on);
}
int Record::getBasicSettingWispenCameraSpeakerSoundRecordingFMRadio() const
{
    return bit(basicSettingWispenCamera_[C0], kFMRadioBit);
}
void Record::setBasicSettingWispenCameraSpeakerSoundRecordingFMRadio(int on)
{
    put_flag(basicSettingWispenCamera_[C0], kFMRadioBit, on);
}
int Record::getBasicSettingWispenCameraSpeakerSoundRecordingIntercom() const
{
    return bit(basicSettingWispenCamera_[C0], kIntercomBit);
}
void Record::setBasicSettingWispenCameraSpeakerSoundRecordingIntercom(int on)
{
    put_flag(basicSettingWispenCamera_[C0], kIntercomBit, on);
}
int Record::getBasicSettingWispenCameraSpeakerSoundRecordingPhone() const
{
    return bit(basicSettingWispenCamera_[C0], kPhoneBit);
}
void Record::setBasicSettingWispenCameraSpeakerSoundRecordingPhone(int on)
{
    put_flag(basicSettingWispenCamera_[C0], kPhoneBit, on);
}
bool Record::emptyCheckSpeakerSoundRecording() const { return field(basicSettingWispenCamera_[C0], kMusicBit, 4) == 0; }

// ---- Word 2 ------------------------------------------------------------------------------------
int Record::getBasicSettingWispenCameraVideoTaggingInterval() const
{
    return code_or(basicSettingWispenCamera_[C2], 0, 2, 2, 0);
}
void Record::setBasicSettingWispenCameraVideoTaggingInterval(int code)
{
    put_code(basicSettingWispenCamera_[C2], 0, 2, code, 0, 2);
}
int Record::getBasicSettingWispenCameraLoopRecordingInterval() const
{
    return code_or(basicSettingWispenCamera_[C2], 2, 2, 2, 0);
}
void Record::setBasicSettingWispenCameraLoopRecordingInterval(int code)
{
    put_code(basicSettingWispenCamera_[C2], 2, 2, code, 0, 2);
}
int Record::getBasicSettingWispenCameraVideoMicrophoneGain() const
{
    return code_or(basicSettingWispenCamera_[C2], 4, 2, 2, 0);
}
void Record::setBasicSettingWispenCameraVideoMicrophoneGain(int code)
{
    put_code(basicSettingWispenCamera_[C2], 4, 2, code, 0, 2);
}
