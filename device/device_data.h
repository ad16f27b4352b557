#pragma once
// The device record: everything the manager knows about one connected device (identity, firmware
// versions, settings, FM block, speed-dial numbers). A plain value type: a new record is all zero
// with empty texts and no date, and copying one is an ordinary C++ copy, so records can be handed
// between threads by value. The two copy operations below are the field-selective copies the
// pages and the backup use; they are not C++ copies.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class KeyedArchiver;
class KeyedUnarchiver;

// The text of a settings tab and the letter of its Shift+Ctrl shortcut.
struct SettingsTabText {
    std::string text;
    char keyEquivalent = 0;
};

// The FM band of a region, in 10 kHz units: the lowest and highest frequency and the channel step.
struct FmPresetBand {
    int minimum = 0;
    int maximum = 0;
    int step = 0;
};

// A firmware version: major, minor, secondary version type (0 plain release, 1 release
// candidate, 2 release with a third number) and secondary version number.
struct FirmwareQuad {
    int major = 0;
    int minor = 0;
    int secondaryType = 0;
    int secondary = 0;
    bool operator==(const FirmwareQuad&) const = default;
};

class KIVOBluetoothDeviceData {
public:
    using Date = std::chrono::sys_seconds;

    static constexpr int kBriskoWordCount = 10;
    static constexpr int kPintraWordCount = 2;
    static constexpr int kTavelWordCount = 2;
    static constexpr int kCameraWordCount = 4;
    static constexpr int kFmPresetCount = 10;
    static constexpr int kFmRegionCount = 6;
    static constexpr int kSpeedDialCount = 3;
    // A speed-dial number on the device: 20 16-bit units, one text byte in each low byte.
    static constexpr size_t kSpeedDialUnitCount = 20;

    bool operator==(const KIVOBluetoothDeviceData&) const = default;

    // ---- Identity ----------------------------------------------------------------------------
    int deviceRecognized() const { return deviceRecognized_; }
    void setDeviceRecognized(int v) { deviceRecognized_ = v; }
    const std::string& deviceName() const { return deviceName_; }
    void setDeviceName(std::string_view v) { deviceName_ = v; }
    const std::string& bdAddress() const { return bdAddress_; }
    void setBdAddress(std::string_view v) { bdAddress_ = v; }
    const std::string& lastSixBDAddress() const { return lastSixBDAddress_; }
    void setLastSixBDAddress(std::string_view v) { lastSixBDAddress_ = v; }
    int divisionBriskoevoValue() const { return divisionBriskoevoValue_; }
    void setDivisionBriskoevoValue(int v) { divisionBriskoevoValue_ = v; }
    const std::string& deviceBdAddress() const { return deviceBdAddress_; }
    void setDeviceBdAddress(std::string_view v) { deviceBdAddress_ = v; }
    int managerVersionMajor() const { return managerVersionMajor_; }
    void setManagerVersionMajor(int v) { managerVersionMajor_ = v; }
    int managerVersionMinor() const { return managerVersionMinor_; }
    void setManagerVersionMinor(int v) { managerVersionMinor_ = v; }

    // ---- Firmware versions: the device's quad and those of its two modules ---------------------
    int deviceVersionMajor() const { return deviceVersion_.major; }
    void setDeviceVersionMajor(int v) { deviceVersion_.major = v; }
    int deviceVersionMinor() const { return deviceVersion_.minor; }
    void setDeviceVersionMinor(int v) { deviceVersion_.minor = v; }
    int deviceSecondaryVersionType() const { return deviceVersion_.secondaryType; }
    void setDeviceSecondaryVersionType(int v) { deviceVersion_.secondaryType = v; }
    int deviceSecondaryVersion() const { return deviceVersion_.secondary; }
    void setDeviceSecondaryVersion(int v) { deviceVersion_.secondary = v; }
    void setDeviceVersionMajor_Minor(int major, int minor);

    int deviceVersionMajor01() const { return deviceVersion01_.major; }
    void setDeviceVersionMajor01(int v) { deviceVersion01_.major = v; }
    int deviceVersionMinor01() const { return deviceVersion01_.minor; }
    void setDeviceVersionMinor01(int v) { deviceVersion01_.minor = v; }
    int deviceSecondaryVersionType01() const { return deviceVersion01_.secondaryType; }
    void setDeviceSecondaryVersionType01(int v) { deviceVersion01_.secondaryType = v; }
    int deviceSecondaryVersion01() const { return deviceVersion01_.secondary; }
    void setDeviceSecondaryVersion01(int v) { deviceVersion01_.secondary = v; }
    void setDeviceVersion01Major_Minor(int major, int minor);

    int deviceVersionMajor02() const { return deviceVersion02_.major; }
    void setDeviceVersionMajor02(int v) { deviceVersion02_.major = v; }
    int deviceVersionMinor02() const { return deviceVersion02_.minor; }
    void setDeviceVersionMinor02(int v) { deviceVersion02_.minor = v; }
    int deviceSecondaryVersionType02() const { return deviceVersion02_.secondaryType; }
    void setDeviceSecondaryVersionType02(int v) { deviceVersion02_.secondaryType = v; }
    int deviceSecondaryVersion02() const { return deviceVersion02_.secondary; }
    void setDeviceSecondaryVersion02(int v) { deviceVersion02_.secondary = v; }
    void setDeviceVersion02Major_Minor(int major, int minor);

    // The same quads whole.
    const FirmwareQuad& deviceVersion() const { return deviceVersion_; }
    void setDeviceVersion(const FirmwareQuad& v) { deviceVersion_ = v; }
    const FirmwareQuad& deviceVersion01() const { return deviceVersion01_; }
    void setDeviceVersion01(const FirmwareQuad& v) { deviceVersion01_ = v; }
    const FirmwareQuad& deviceVersion02() const { return deviceVersion02_; }
    void setDeviceVersion02(const FirmwareQuad& v) { deviceVersion02_ = v; }

    // Voice-prompt language pack; type 0 is the pack that lacks one language.
    int devicelanguagePackType() const { return devicelanguagePackType_; }
    void setDevicelanguagePackType(int v) { devicelanguagePackType_ = v; }
    int devicelanguagePackTypeVerMajor() const { return devicelanguagePackTypeVerMajor_; }
    void setDevicelanguagePackTypeVerMajor(int v) { devicelanguagePackTypeVerMajor_ = v; }
    int devicelanguagePackTypeVerMinor() const { return devicelanguagePackTypeVerMinor_; }
    void setDevicelanguagePackTypeVerMinor(int v) { devicelanguagePackTypeVerMinor_ = v; }

    // When the record was made into a settings backup; none before that.
    const std::optional<Date>& dateArchived() const { return dateArchived_; }
    void setDateArchived(std::optional<Date> v) { dateArchived_ = v; }

    // ---- Named settings of the older devices (stored as given; 1 means on) ---------------------
    int intercomVOX() const { return intercomVOX_; }
    void setIntercomVOX(int v) { intercomVOX_ = v; }
    int handsfreeVOX() const { return handsfreeVOX_; }
    void setHandsfreeVOX(int v) { handsfreeVOX_ = v; }
    int edr() const { return edr_; }
    void setEdr(int v) { edr_ = v; }
    int voicePrompt() const { return voicePrompt_; }
    void setVoicePrompt(int v) { voicePrompt_ = v; }
    int plc() const { return plc_; }
    void setPlc(int v) { plc_ = v; }
    int bitpoolRate() const { return bitpoolRate_; }
    void setBitpoolRate(int v) { bitpoolRate_ = v; }
    int microphoneBoost() const { return microphoneBoost_; }
    void setMicrophoneBoost(int v) { microphoneBoost_ = v; }
    int sidetone() const { return sidetone_; }
    void setSidetone(int v) { sidetone_ = v; }
    int advancedNoiseControl() const { return advancedNoiseControl_; }
    void setAdvancedNoiseControl(int v) { advancedNoiseControl_ = v; }
    int autoGainControl() const { return autoGainControl_; }
    void setAutoGainControl(int v) { autoGainControl_ = v; }
    int audioBoost() const { return audioBoost_; }
    void setAudioBoost(int v) { audioBoost_ = v; }
    int hdIntercom() const { return hdIntercom_; }
    void setHdIntercom(int v) { hdIntercom_ = v; }
    int fmStationGuide() const { return fmStationGuide_; }
    void setFmStationGuide(int v) { fmStationGuide_ = v; }
    int hdVoice() const { return hdVoice_; }
    void setHdVoice(int v) { hdVoice_ = v; }
    int audioSourcePriority() const { return audioSourcePriority_; }
    void setAudioSourcePriority(int v) { audioSourcePriority_ = v; }
    int audioOverlay() const { return audioOverlay_; }
    void setAudioOverlay(int v) { audioOverlay_ = v; }
    int autoOnOff() const { return autoOnOff_; }
    void setAutoOnOff(int v) { autoOnOff_ = v; }
    int autoStartRecording() const { return autoStartRecording_; }
    void setAutoStartRecording(int v) { autoStartRecording_ = v; }
    int smartNaviSystem() const { return smartNaviSystem_; }
    void setSmartNaviSystem(int v) { smartNaviSystem_ = v; }
    int smartNaviSystem2() const { return smartNaviSystem2_; }
    void setSmartNaviSystem2(int v) { smartNaviSystem2_ = v; }
    int autoOff() const { return autoOff_; }
    void setAutoOff(int v) { autoOff_ = v; }
    int simpleUI() const { return simpleUI_; }
    void setSimpleUI(int v) { simpleUI_ = v; }
    int GrennikLanguage() const { return GrennikLanguage_; }
    void setGrennikLanguage(int v) { GrennikLanguage_ = v; }
    // Gain code 12 to 17, shown as Low, Medium or High.
    int radioTransmitGain() const { return radioTransmitGain_; }
    void setRadioTransmitGain(int v) { radioTransmitGain_ = v; }
    int audioChannelTimeout() const { return audioChannelTimeout_; }
    void setAudioChannelTimeout(int v) { audioChannelTimeout_ = v; }
    int voiceAssistant() const { return voiceAssistant_; }
    void setVoiceAssistant(int v) { voiceAssistant_ = v; }
    int backgroundVolume() const { return backgroundVolume_; }
    void setBackgroundVolume(int v) { backgroundVolume_ = v; }
    int VARGOFMRadio() const { return VARGOFMRadio_; }
    void setVARGOFMRadio(int v) { VARGOFMRadio_ = v; }
    int VARGOSmartphoneConnet() const { return VARGOSmartphoneConnet_; }
    void setVARGOSmartphoneConnet(int v) { VARGOSmartphoneConnet_ = v; }

    // ---- Raw settings words ------------------------------------------------------------------
    // Indexed slots. An index outside the slot count reads 0 and writes nothing.
    int basicSettingBrisko(int index) const;
    void setBasicSettingBriskoAt_with(int index, int value);
    int basicSettingPintraVOXSensitivityAt(int index) const;
    void setBasicSettingPintraVOXSensitivity_with(int index, int value);
    int basicSettingTavelSmartVolumeControlAt(int index) const;
    void setBasicSettingTavelSmartVolumeControl_with(int index, int value);
    int basicSettingWispenCameraAt(int index) const;
    void setBasicSettingWispenCamera_with(int index, int value);
    // The mesh accessory keeps channel, volume and microphone in settings words 0, 1 and 2.
    int basicSettingLinkbayChannelAt(int index) const { return basicSettingBrisko(index); }
    void setBasicSettingLinkbayChannel_with(int index, int value) { setBasicSettingBriskoAt_with(index, value); }
    int basicSettingLinkbayVolumeAt(int index) const { return basicSettingBrisko(index); }
    void setBasicSettingLinkbayVolume_with(int index, int value) { setBasicSettingBriskoAt_with(index, value); }
    int basicSettingLinkbayMicrophoneAt(int index) const { return basicSettingBrisko(index); }
    void setBasicSettingLinkbayMicrophone_with(int index, int value) { setBasicSettingBriskoAt_with(index, value); }

    // ---- FM radio block ------------------------------------------------------------------------
    int fmRadioRegion() const { return fmRadioRegion_; }
    // Regions are 0 to 5; anything else is stored as 0.
    void setFmRadioRegion(int region);
    int fmRadioMagicCode() const { return fmRadioMagicCode_; }
    void setFmRadioMagicCode(int v) { fmRadioMagicCode_ = v; }
    // Frequencies are in 10 kHz units; a preset of 0 is empty.
    int fmRadioCurrentFrequency() const { return fmRadioCurrentFrequency_; }
    void setFmRadioCurrentFrequency(int v) { fmRadioCurrentFrequency_ = v; }
    int fmRadioCurrentPreset() const { return fmRadioCurrentPreset_; }
    void setFmRadioCurrentPreset(int v) { fmRadioCurrentPreset_ = v; }
    int fmRadioPresetsAt(int index) const;
    void setFmRadioPresetsAt_with(int index, int frequency);
    int fmRadioRDS() const { return fmRadioRDS_; }
    void setFmRadioRDS(int v) { fmRadioRDS_ = v; }

    // ---- Speed-dial numbers --------------------------------------------------------------------
    const std::string& speedDialAt(int index) const;
    void setSpeedDialAt_with(int index, std::string_view number);

    // ---- Copies --------------------------------------------------------------------------------
    // Working and defaults copy: everything the pages edit; the three firmware quads only when
    // version is 1. Never copies voiceAssistant or deviceBdAddress.
    void copyWithSource_version(const KIVOBluetoothDeviceData& source, int version);
    // Settings-backup copy: the source's settings stamped with this manager's version, the main
    // firmware quad only and the current date.
    void configureWithSource(const KIVOBluetoothDeviceData& source);

    // ---- Versions ------------------------------------------------------------------------------
    // Every compare returns a value whose sign orders a against b (negative: a is older). Parts are
    // subtracted in 64 bits; a difference that does not fit an int is clamped to the int range.
    int compareVersionWithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(int major, int minor,
                                                                                   int secondaryType,
                                                                                   int secondary) const;
    int compareVersionUpToMinor2ndWithMajor2nd_Minor_Minor2nd(int major, int minor, int minor2nd) const;
    // 0 or more: the device runs major.minor or later.
    int compareVersionUpToMinorWithMajor_Minor(int major, int minor) const;

    static int compareVersionUpToMinorMajor_Minor_WithMajor_Minor(int majorA, int minorA, int majorB, int minorB);
    static int compareVersionUpToMinorMajor_Minor_Minor2nd_WithMajor_Minor_Minor2nd(int majorA, int minorA,
                                                                                    int minor2ndA, int majorB,
                                                                                    int minorB, int minor2ndB);
    // forLumora selects the camera ordering: (secondary type, secondary) before (major, minor).
    static int
    compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_ForLumora(
        int majorA, int minorA, int typeA, int secondaryA, int majorB, int minorB, int typeB, int secondaryB,
        bool forLumora);
    static int
    compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
        int majorA, int minorA, int typeA, int secondaryA, int majorB, int minorB, int typeB, int secondaryB);
    // Major, minor, then the secondary numbers; the secondary types are ignored.
    static int
    downGradeBriskoEVOCompareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
        int majorA, int minorA, int typeA, int secondaryA, int majorB, int minorB, int typeB, int secondaryB);

    // "major.minor": exactly two parts separated by "."; each part is read from its leading digits
    // (leading spaces and a sign allowed, 0 without digits, saturated to the int range). On any
    // other text nothing is stored and false is returned.
    static bool getVersionFromString_ToMajor_Minor(std::string_view text, int& major, int& minor);
    // "type.secondary.major.minor" (the camera's form): exactly four parts, read as above.
    static bool getVersionFromString_ToSecondaryType_Secondary_Major_Minor(std::string_view text, int& secondaryType,
                                                                           int& secondary, int& major, int& minor);
    // One part of a version text, read by the rule above; never fails.
    static int versionPartFromString(std::string_view part);

    // ---- Lookups -------------------------------------------------------------------------------
    // Label index of a radio transmit gain code: 0 Low, 1 Medium, 2 High.
    static int getIndexFromRTG(int code);
    // The gain label in an interface language (0 to 12; any other reads as English).
    static std::string getRTGStringFromRTG_In(int code, int language);
    // 0 valid, 1 outside the region's band, 2 off the region's channel grid. A region outside 0 to
    // 5 is checked as region 0.
    static int checkFMPresetValidWithRegion_FMRadioPreset(int region, int frequency);
    // The band the check above holds a preset of the region to (region 0's for a region outside 0
    // to 5).
    static FmPresetBand fmPresetBandOfRegion(int region);
    // Tab 1 settings, 2 speed dial, 3 FM radio: the tab's name in the language, or its shortcut
    // label when label is set, with the shortcut letter. None for another tab or a language
    // outside 0 to 12.
    static std::optional<SettingsTabText> getTabText_With_In(int tab, bool label, int language);

    // Device form to text: the low byte of each unit, up to the first zero, as UTF-8. Returns the
    // length in UTF-16 units; bytes that are not valid UTF-8 give an empty text and 0.
    static int getSpeedDialString_FromArray(std::string& text, std::span<const uint16_t, kSpeedDialUnitCount> units);
    // Text to device form: the first 20 UTF-8 bytes, each widened with its sign, the rest 0.
    // Returns 2 x the bytes taken; an empty text returns 0 and leaves units untouched.
    static int getSpeedDialArray_FromString(std::span<uint16_t, kSpeedDialUnitCount> units, std::string_view text);

    // ---- Archive form (see backup_archive.h) ---------------------------------------------------
    void encodeWithCoder(KeyedArchiver& coder) const;
    // A record read from the coder; throws ArchiveError for a value of the wrong type.
    static KIVOBluetoothDeviceData initWithCoder(const KeyedUnarchiver& coder);

    // ---- Settings-word codec and factory defaults ----------------------------------------------
    // The per-family accessors over the settings words and the factory defaults are declared here
    // and defined in their own source files (settings_codec_<family>.cpp, factory_defaults.cpp).
    //
    // The words are a device format: every accessor produces exactly the device's bits and leaves
    // every other bit of the word as it was. Families share words; the caller picks the family by
    // product id. On/off setters store 1 for any non-zero value; a coded setter given a value
    // outside its range leaves the word unchanged. Several names below denote the same bits.

    // Brisko family: settings words 0 to 4.
    int getBasicSettingBriskoAudioMultitaskingSensitivity() const; // whole word 0
    void setBasicSettingBriskoAudioMultitaskingSensitivity(int value);
    int getBasicSettingBriskoMotionSensorSensitivity() const; // whole word 3
    void setBasicSettingBriskoMotionSensorSensitivity(int value);
    int GetBasicSettingBriskoVoiceCommand() const;
    void SetBasicSettingBriskoVoiceCommand(int on);
    int getBasicSettingBriskoSmartVolumeControl() const; // 0 to 3
    void setBasicSettingBriskoSmartVolumeControl(int level);
    int getBasicSettingBriskoFMStationGuide() const;
    void setBasicSettingBriskoFMStationGuide(int on);
    int getBasicSettingBriskoEightWayIntercom() const;
    void setBasicSettingBriskoEightWayIntercom(int on);
    int getBasicSettingBriskoAudioBoost() const;
    void setBasicSettingBriskoAudioBoost(int on);
    int getBasicSettingBriskoAdvancedNoiseControl() const;
    void setBasicSettingBriskoAdvancedNoiseControl(int on);
    int getBasicSettingBriskoNavigationAppOverlay() const;
    void setBasicSettingBriskoNavigationAppOverlay(int on);
    int getBasicSettingBriskoVoicePrompt() const;
    void setBasicSettingBriskoVoicePrompt(int on);
    int getBasicSettingBriskoAudioMultitasking() const;
    void setBasicSettingBriskoAudioMultitasking(int on);
    int getBasicSettingBriskoSidetone() const;
    void setBasicSettingBriskoSidetone(int on);
    int getBasicSettingBriskoHDIntercom() const;
    void setBasicSettingBriskoHDIntercom(int on);
    int getBasicSettingBriskoVOXPhone() const;
    void setBasicSettingBriskoVOXPhone(int on);
    int GetBasicSettingBriskoDuvaneSpeakerAccessorySelect() const; // 0 to 3
    void SetBasicSettingBriskoDuvaneSpeakerAccessorySelect(int code);
    int getBasicSettingBriskoAudioEqualizer() const; // 0 to 4
    void setBasicSettingBriskoAudioEqualizer(int preset);
    int getBasicSettingBriskoHDSpeakerAccessory() const;
    void setBasicSettingBriskoHDSpeakerAccessory(int on);
    int getBasicSettingBriskoLEDControl() const;
    void setBasicSettingBriskoLEDControl(int on);
    int getBasicSettingHIDOneModuleHDSpeakerAccessory() const;
    void setBasicSettingHIDOneModuleHDSpeakerAccessory(int on);

    // Vantor layout and the families sharing it: settings words 0, 1, 3 and 4.
    int GetBasicSettingVantorVOXPhone() const;
    void SetBasicSettingVantorVOXPhone(int on);
    int GetBasicSettingVantorVOXIntercom() const;
    void SetBasicSettingVantorVOXIntercom(int on);
    int GetBasicSettingEDR() const;
    void SetBasicSettingEDR(int on);
    int GetBasicSettingVantorVoicePrompt() const;
    void SetBasicSettingVantorVoicePrompt(int on);
    int GetBasicSettingVantorHighQulityA2DP() const;
    void SetBasicSettingVantorHighQulityA2DP(int on);
    int GetBasicSettingVantorSidetone() const;
    void SetBasicSettingVantorSidetone(int on);
    int GetBasicSettingFMRadioOnVargo() const;
    void SetBasicSettingFMRadioOnVargo(int on);
    int GetBasicSettingVantorAdvancedNoiseControl() const;
    void SetBasicSettingVantorAdvancedNoiseControl(int on);
    int GetBasicSettingPhoneOnVargo() const;
    void SetBasicSettingPhoneOnVargo(int on);
    int GetBasicSettingVantorAudioBoost() const;
    void SetBasicSettingVantorAudioBoost(int on);
    int GetBasicSettingVantorHDIntercom() const;
    void SetBasicSettingVantorHDIntercom(int on);
    int GetBasicSettingVantorFMStationGuide() const;
    void SetBasicSettingVantorFMStationGuide(int on);
    int GetBasicSettingVantorMeshMode() const; // 0 to 2
    void SetBasicSettingVantorMeshMode(int mode);
    int GetBasicSettingQCCHDVoice() const;
    void SetBasicSettingQCCHDVoice(int on);
    int GetBasicSettingVantorMeshGuestMode() const;
    void SetBasicSettingVantorMeshGuestMode(int on);
    int GetBasicSettingVantorVoxSensitivity() const; // 0 to 5
    void SetBasicSettingVantorVoxSensitivity(int level);
    int GetBasicSettingTresselMeshPublicChannel() const; // 0 to 8
    void SetBasicSettingTresselMeshPublicChannel(int channel);
    int GetBasicSettingVantorAGCSensitivity() const; // 0 to 3
    void SetBasicSettingVantorAGCSensitivity(int level);
    int GetBasicSettingVantorAudioOverlayVolumeManagement() const; // the bit as stored
    void SetBasicSettingVantorAudioOverlayVolumeManagement(int on); // stores the inverse
    int GetBasicSettingVantorAudioOverlaySensitivity() const; // 0 to 5
    void SetBasicSettingVantorAudioOverlaySensitivity(int level);
    int GetBasicSettingVantorVoiceCommand() const;
    void SetBasicSettingVantorVoiceCommand(int on);
    int GetBasicSettingTresselRemoteUIPTT() const; // the inverse of the bit
    void SetBasicSettingTresselRemoteUIPTT(int on);
    int GetBasicSettingVantorAudioOverlay() const;
    void SetBasicSettingVantorAudioOverlay(int on);
    int GetBasicSettingUILayer() const;
    void SetBasicSettingUILayer(int on);
    int GetBasicSettingQccAutoOff() const;
    void SetBasicSettingQccAutoOff(int on);
    int GetBasicSettingKelporHDSpeakerAccessory() const;
    void SetBasicSettingKelporHDSpeakerAccessory(int on);
    int GetBasicSettingVantorMeshPublicChannel() const; // 0 to 5
    void SetBasicSettingVantorMeshPublicChannel(int channel);
    int GetBasicSettingMossraMeshPublicChannel() const; // 1 to 9
    void SetBasicSettingMossraMeshPublicChannel(int channel);
    int GetBasicSettingHeronyxHDVoice() const;
    void SetBasicSettingHeronyxHDVoice(int on);
    int GetBasicSettingVantorHDSpeakerAccessory() const;
    void SetBasicSettingVantorHDSpeakerAccessory(int on);
    int GetBasicSettingMeshReachOutLarnex() const;
    void SetBasicSettingMeshReachOutLarnex(int on);
    int GetBasicSettingVantorEqualizer() const; // 0 to 4
    void SetBasicSettingVantorEqualizer(int preset);
    int GetBasicSettingEgranoEqualizer() const; // 0 to 4
    void SetBasicSettingEgranoEqualizer(int preset);
    int GetBasicSettingVantorMeshReachOut() const;
    void SetBasicSettingVantorMeshReachOut(int on);
    int GetBasicSettingDuvaneSpeakerAccessorySelect() const; // 0 to 3
    void SetBasicSettingDuvaneSpeakerAccessorySelect(int code);
    // The two Egrano selects take -8 to 4 and store value + 8; the getters return that stored code.
    int GetBasicSettingEgranoSpeakerAccessorySelect() const;
    void SetBasicSettingEgranoSpeakerAccessorySelect(int value);
    int GetBasicSettingEgranoMicAccessorySelect() const;
    void SetBasicSettingEgranoMicAccessorySelect(int value);
    int GetBasicSettingVoiceAssistant() const; // the inverse of the bit
    void SetBasicSettingVoiceAssistant(int on);
    int GetBasicSettingMeshReachOut() const; // the bit as stored
    void SetBasicSettingMeshReachOut(int on); // stores the inverse

    // QCC layout and the Yarlo equalizer: settings word 1.
    int GetBasicSettingYarloEqualizer() const; // 0 to 4
    void SetBasicSettingYarloEqualizer(int preset);
    int GetBasicSettingQCCAudioEqualizer() const; // 0 to 5
    void SetBasicSettingQCCAudioEqualizer(int preset);
    int GetBasicSettingQCCVOXSensitivity() const; // 0 to 5
    void SetBasicSettingQCCVOXSensitivity(int level);
    int GetBasicSettingJUNOVAVOXSensitivity() const; // 0 to 5
    void SetBasicSettingJUNOVAVOXSensitivity(int level);
    int GetBasicSettingQCCAudioOverlayVolumeManagement() const; // the bit as stored
    void SetBasicSettingQCCAudioOverlayVolumeManagement(int on); // stores the inverse
    int GetBasicSettingQCCAudioOverlaySensitivity() const; // 0 to 5
    void SetBasicSettingQCCAudioOverlaySensitivity(int level);
    int GetBasicSettingQCCIntercomAudioOverlaySensitivity() const;
    void SetBasicSettingQCCIntercomAudioOverlaySensitivity(int level);

    // Airoha layout: settings words 0 to 2.
    int GetBasicSettingAirohaVOXPhone() const;
    void SetBasicSettingAirohaVOXPhone(int on);
    int GetBasicSettingAirohaVoicePrompt() const;
    void SetBasicSettingAirohaVoicePrompt(int on);
    int GetBasicSettingAirohaSidetone() const;
    void SetBasicSettingAirohaSidetone(int on);
    int GetBasicSettingAirohaFMStation() const;
    void SetBasicSettingAirohaFMStation(int on);
    int GetBasicSettingAirohaAudioOverlayVolumeManagement() const;
    void SetBasicSettingAirohaAudioOverlayVolumeManagement(int on);
    int GetBasicSettingAirohaMeshReachOut() const;
    void SetBasicSettingAirohaMeshReachOut(int on);
    int GetBasicSettingAirohaAdaptiveLight() const;
    void SetBasicSettingAirohaAdaptiveLight(int on);
    int GetBasicSettingAirohaAudioBoost() const;
    void SetBasicSettingAirohaAudioBoost(int on);
    int GetBasicSettingAirohaAutoOnOff() const;
    void SetBasicSettingAirohaAutoOnOff(int on);
    int GetBasicSettingAirohaAutoOff() const;
    void SetBasicSettingAirohaAutoOff(int on);
    // The four 4-bit codes of word 1 store the low 4 bits of any argument.
    int GetBasicSettingAirohaMeshPublicChannel() const;
    void SetBasicSettingAirohaMeshPublicChannel(int code);
    int GetBasicSettingAirohaAudioEqualizer() const;
    void SetBasicSettingAirohaAudioEqualizer(int code);
    int GetBasicSettingAirohaVoxSensitivity() const;
    void SetBasicSettingAirohaVoxSensitivity(int code);
    int GetBasicSettingAirohaIntercomAudioOverlaySensitivity() const;
    void SetBasicSettingAirohaIntercomAudioOverlaySensitivity(int code);
    // Unit (voice-prompt) language in the low 16 bits of word 2. The getters trace the code.
    int GetBasicSettingAirohaUnitLanguage() const;
    void SetBasicSettingAirohaUnitLanguage(int code);
    // Pack type 0 lacks one language: indexes from 6 on are stored one higher.
    int GetBasicSettingAirohaUnitLanguageKELPOR8R(int packType) const;
    void SetBasicSettingAirohaUnitLanguageKELPOR8R_PackType(int index, int packType);
    int GetBasicSettingAirohaQIXAUnitLanguage() const; // 1 for code 7, else 0
    void SetBasicSettingAirohaQIXAUnitLanguage(int index);

    // Unit (voice-prompt) language of the other families. The forms with a product id shift
    // indexes from 6 on by one for the products whose language pack type 0 lacks a language.
    int GetBasicSettingKelporUnitLanguage(int device) const;
    void SetBasicSettingKelporUnitLanguage_device(int index, int device);
    int GetBasicSettingyarloUnitLanguage(int device) const;
    void SetBasicSettingYarloUnitLanguage_device(int index, int device);
    int GetBasicSettingVOSKAUnitLanguage(int device) const;
    void SetBasicSettingVOSKAUnitLanguage_device(int index, int device);
    // The product id of the RUSKAN, Pellon and Ulmeck forms is not used.
    int GetBasicSettingRUSKANUnitLanguage(int device) const;
    void SetBasicSettingRUSKANUnitLanguage_device(int index, int device);
    int GetBasicSettingVantorUnitLanguage() const;
    void SetBasicSettingVantorUnitLanguage(int index);
    int GetBasicSettingZaffreUnitLanguage() const;
    void SetBasicSettingZaffreUnitLanguage(int index);
    int GetBasicSettingYorbitUnitLanguage() const;
    void SetBasicSettingYorbitUnitLanguage(int index);
    int GetBasicSettingPellonUnitLanguage(int device) const;
    void SetBasicSettingPellonUnitLanguage_device(int index, int device);
    // Reads word 2; the setter writes no word but keeps the index in GrennikLanguage.
    int GetBasicSettingUlmeckUnitLanguage(int device) const;
    void SetBasicSettingUlmeckUnitLanguage_device(int index, int device);

    // Ess family and microphone gain: settings word 2.
    int getEssStatus() const;
    void setEssStatus(int status);
    int getEssSensitivity() const;
    void setEssSensitivity(int sensitivity);
    int getMicGain() const; // 1, 3 or 5
    void setMicGain(int level);

    // Camera words.
    int getBasicSettingWispenCameraPhotoMode() const;
    void setBasicSettingWispenCameraPhotoMode(int on);
    // An on/off switch before firmware 2.0, a mode 0 to 2 from 2.0.
    int getBasicSettingWispenCameraVideoMode() const;
    void setBasicSettingWispenCameraVideoMode(int value);
    int getBasicSettingWispenCameraVideoResolution() const; // 0 to 2
    void setBasicSettingWispenCameraVideoResolution(int code);
    int getBasicSettingWispenCameraTimelapseInterval() const;
    void setBasicSettingWispenCameraTimelapseInterval(int on);
    int getBasicSettingWispenCameraDateCaption() const;
    void setBasicSettingWispenCameraDateCaption(int on);
    int getBasicSettingWispenCameraSpeakerSoundRecording() const;
    void setBasicSettingWispenCameraSpeakerSoundRecording(int on);
    int getBasicSettingWispenCameraAutoCameraSleep() const;
    void setBasicSettingWispenCameraAutoCameraSleep(int on);
    int getBasicSettingWispenCameraSpeakerSoundRecordingMusic() const;
    void setBasicSettingWispenCameraSpeakerSoundRecordingMusic(int on);
    int getBasicSettingWispenCameraSpeakerSoundRecordingFMRadio() const;
    void setBasicSettingWispenCameraSpeakerSoundRecordingFMRadio(int on);
    int getBasicSettingWispenCameraSpeakerSoundRecordingIntercom() const;
    void setBasicSettingWispenCameraSpeakerSoundRecordingIntercom(int on);
    int getBasicSettingWispenCameraSpeakerSoundRecordingPhone() const;
    void setBasicSettingWispenCameraSpeakerSoundRecordingPhone(int on);
    int getBasicSettingWispenCameraVideoTaggingInterval() const; // 0 to 2
    void setBasicSettingWispenCameraVideoTaggingInterval(int code);
    int getBasicSettingWispenCameraLoopRecordingInterval() const; // 0 to 2
    void setBasicSettingWispenCameraLoopRecordingInterval(int code);
    int getBasicSettingWispenCameraVideoMicrophoneGain() const; // 0 to 2
    void setBasicSettingWispenCameraVideoMicrophoneGain(int code);
    // True when none of the four sound-recording sources is on.
    bool emptyCheckSpeakerSoundRecording() const;

    // Device words of the older devices, packed from the named settings (a setting counts only
    // when it is exactly 1).
    uint16_t getSettings40() const;
    uint16_t getSettings40Second() const;
    // What a settings read of product gets back of the two basic settings words beyond the bits
    // every product shares: the second word, and the Grennik headsets' smart navigation at bit 14
    // of the first. The inverse of the packing above for those settings.
    void takeSettings40Extras(int product, uint16_t first, uint16_t second);
    uint16_t getSettingsVARGO() const;

    // 0 when every word of the block equals the other record's; else this word minus the other's
    // (wrapped to 32 bits) at the first that differs. The camera compare covers words 0 and 1
    // before firmware 2.0 and all four from 2.0.
    int compareBasicSettingBriskoWith(const KIVOBluetoothDeviceData& other) const;
    int compareBasicSettingWispenCameraWith(const KIVOBluetoothDeviceData& other) const;
    int compareBasicSettingPintraVOXSensitivityWith(const KIVOBluetoothDeviceData& other) const;
    int compareBasicSettingTavelSmartVolumeControlWith(const KIVOBluetoothDeviceData& other) const;

    // Factory defaults: a working copy of the source (versions included) with the defaults of its
    // product id and firmware applied. The source is not changed.
    static KIVOBluetoothDeviceData makeDefaultDataWithSource(const KIVOBluetoothDeviceData& source);
    // Clears every settings word and the speed-dial numbers, then applies the factory row of the
    // product and firmware. Settings a row does not name keep their values. Most thresholds use
    // major and minor as given; the three-part ones read this record's own firmware quad.
    void initializeObjectWithDevice_VersionMajor_Minor(int device, int major, int minor);
    // Empties the three speed-dial numbers; the arguments are not used.
    void initializeSpeedDialObjectWithDevice_VersionMajor_Minor(int device, int major, int minor);

private:
    // Identity, language pack, named settings from intercomVOX to audioChannelTimeout, settings
    // words, FM block and speed dials: what both copy operations take alike.
    void copyIdentityFrom(const KIVOBluetoothDeviceData& source);
    void copyLanguagePackFrom(const KIVOBluetoothDeviceData& source);
    void copyNamedSettingsFrom(const KIVOBluetoothDeviceData& source);
    void copySettingsWordsFrom(const KIVOBluetoothDeviceData& source);
    void copyFmBlockFrom(const KIVOBluetoothDeviceData& source);
    void copySpeedDialsFrom(const KIVOBluetoothDeviceData& source);

    int deviceRecognized_ = 0;
    std::string deviceName_;
    std::string bdAddress_;
    std::string lastSixBDAddress_;
    int divisionBriskoevoValue_ = 0;
    std::string deviceBdAddress_;
    int managerVersionMajor_ = 0;
    int managerVersionMinor_ = 0;

    FirmwareQuad deviceVersion_;
    FirmwareQuad deviceVersion01_;
    FirmwareQuad deviceVersion02_;
    int devicelanguagePackType_ = 0;
    int devicelanguagePackTypeVerMajor_ = 0;
    int devicelanguagePackTypeVerMinor_ = 0;
    std::optional<Date> dateArchived_;

    int intercomVOX_ = 0;
    int handsfreeVOX_ = 0;
    int edr_ = 0;
    int voicePrompt_ = 0;
    int plc_ = 0;
    int bitpoolRate_ = 0;
    int microphoneBoost_ = 0;
    int sidetone_ = 0;
    int advancedNoiseControl_ = 0;
    int autoGainControl_ = 0;
    int audioBoost_ = 0;
    int hdIntercom_ = 0;
    int fmStationGuide_ = 0;
    int hdVoice_ = 0;
    int audioSourcePriority_ = 0;
    int audioOverlay_ = 0;
    int autoOnOff_ = 0;
    int autoStartRecording_ = 0;
    int smartNaviSystem_ = 0;
    int smartNaviSystem2_ = 0;
    int autoOff_ = 0;
    int simpleUI_ = 0;
    int GrennikLanguage_ = 0;
    int radioTransmitGain_ = 0;
    int audioChannelTimeout_ = 0;
    int voiceAssistant_ = 0;
    int backgroundVolume_ = 0;
    int VARGOFMRadio_ = 0;
    int VARGOSmartphoneConnet_ = 0;

    std::array<int, kBriskoWordCount> basicSettingBrisko_{};
    std::array<int, kPintraWordCount> basicSettingPintraVOXSensitivity_{};
    std::array<int, kTavelWordCount> basicSettingTavelSmartVolumeControl_{};
    std::array<int, kCameraWordCount> basicSettingWispenCamera_{};

    int fmRadioRegion_ = 0;
    int fmRadioMagicCode_ = 0;
    int fmRadioCurrentFrequency_ = 0;
    int fmRadioCurrentPreset_ = 0;
    std::array<int, kFmPresetCount> fmRadioPresets_{};
    int fmRadioRDS_ = 0;

    std::array<std::string, kSpeedDialCount> speedDial_;
};
