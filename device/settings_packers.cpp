// The basic settings words that older devices take as one 16-bit word packed from the record's
// named settings, and the compares that tell a working copy from the device's record.

#include <array>
#include <cstdint>

#include "device/device_data.h"
#include "device/products/basic_word_layouts.h"
#include "device/products/late_hd_intercom.h"
#include "device/products/second_settings_word.h"

using Record = KIVOBluetoothDeviceData;

namespace {

using NamedGetter = int (Record::*)() const;

// The getter of the named setting a bit of the first basic settings word carries; nullptr for a bit
// the product keeps 0.
NamedGetter getter_of(kivo::UpperBit bit)
{
    using enum kivo::UpperBit;
    switch (bit) {
    case none: return nullptr;
    case agc: return &Record::autoGainControl;
    case boost: return &Record::audioBoost;
    case hdIc: return &Record::hdIntercom;
    case fmsg: return &Record::fmStationGuide;
    case hdV: return &Record::hdVoice;
    case asp: return &Record::audioSourcePriority;
    case ovl: return &Record::audioOverlay;
    case navi: return &Record::smartNaviSystem;
    case navi2: return &Record::smartNaviSystem2;
    case autoOn: return &Record::autoOnOff;
    }
    return nullptr;
}

// A named setting counts only when it is exactly 1.
uint32_t bit_if_on(int value, int n) { return value == 1 ? uint32_t{1} << n : 0; }

constexpr int kHdIntercomBit = 11;

// The Grennik headsets' second basic settings word: the unit language from bit 4 (below the two
// switches), simple mode at bit 10, auto off at bit 11; their smart navigation is bit 14 of the
// first word (their layout above).
constexpr int kGrennikLanguageShift = 4;
constexpr uint16_t kGrennikLanguageMask = 0x3F;
constexpr int kGrennikSimpleUIBit = 10;
constexpr int kGrennikAutoOffBit = 11;
constexpr int kGrennikSmartNavi2Bit = 14;

// Words are compared as the device would: the first that differs decides; the difference wraps
// like a 32-bit subtraction instead of overflowing.
template <size_t N> int compare_words(const std::array<int, N>& own, const std::array<int, N>& other, size_t count)
{
    for (size_t i = 0; i < count && i < N; ++i) {
        if (own[i] != other[i])
            return static_cast<int>(static_cast<uint32_t>(own[i]) - static_cast<uint32_t>(other[i]));
    }
    return 0;
}

} // namespace

uint16_t Record::getSettings40() const
{
    // Bit 7 is never set.
    uint32_t word = bit_if_on(handsfreeVOX_, 0) | bit_if_on(intercomVOX_, 1) | bit_if_on(edr_, 2) |
        bit_if_on(voicePrompt_, 3) | bit_if_on(plc_, 4) | bit_if_on(bitpoolRate_, 5) | bit_if_on(microphoneBoost_, 6) |
        bit_if_on(sidetone_, 8) | bit_if_on(advancedNoiseControl_, 9);

    const std::array<kivo::UpperBit, 6> upper = kivo::basic_word_upper_bits(deviceRecognized_);
    for (size_t i = 0; i < upper.size(); ++i) {
        const int n = 10 + static_cast<int>(i);
        const NamedGetter getter = getter_of(upper[i]);
        if (getter == nullptr)
            continue;
        if (n == kHdIntercomBit && kivo::product_in(kivo::kLateHdIntercomProducts, deviceRecognized_) &&
            compareVersionUpToMinorWithMajor_Minor(1, 1) < 0)
            continue;
        word |= bit_if_on((this->*getter)(), n);
    }
    return static_cast<uint16_t>(word);
}

uint16_t Record::getSettings40Second() const
{
    if (kivo::product_in(kivo::kAutoStartRecordingProducts, deviceRecognized_))
        return static_cast<uint16_t>(bit_if_on(autoStartRecording_, 0));
    if (kivo::product_in(kivo::kGrennikProducts, deviceRecognized_)) {
        const uint32_t language = static_cast<uint32_t>(GrennikLanguage_) << kGrennikLanguageShift;
        return static_cast<uint16_t>(bit_if_on(autoOff_, kGrennikAutoOffBit) |
                                     bit_if_on(simpleUI_, kGrennikSimpleUIBit) | language);
    }
    return 0;
}

void Record::takeSettings40Extras(int product, uint16_t first, uint16_t second)
{
    if (kivo::product_in(kivo::kAutoStartRecordingProducts, product)) {
        autoStartRecording_ = second & 1;
    } else if (kivo::product_in(kivo::kGrennikProducts, product)) {
        autoOff_ = (second >> kGrennikAutoOffBit) & 1;
        simpleUI_ = (second >> kGrennikSimpleUIBit) & 1;
        GrennikLanguage_ = (second >> kGrennikLanguageShift) & kGrennikLanguageMask;
        smartNaviSystem2_ = (first >> kGrennikSmartNavi2Bit) & 1;
    }
}

uint16_t Record::getSettingsVARGO() const
{
    return static_cast<uint16_t>(bit_if_on(VARGOFMRadio_, 8) | bit_if_on(VARGOSmartphoneConnet_, 9));
}

int Record::compareBasicSettingBriskoWith(const Record& other) const
{
    return compare_words(basicSettingBrisko_, other.basicSettingBrisko_, kBriskoWordCount);
}

int Record::compareBasicSettingWispenCameraWith(const Record& other) const
{
    // Cameras before firmware 2.0 use only the first two words.
    const size_t count = compareVersionUpToMinorWithMajor_Minor(2, 0) < 0 ? 2 : kCameraWordCount;
    return compare_words(basicSettingWispenCamera_, other.basicSettingWispenCamera_, count);
}

int Record::compareBasicSettingPintraVOXSensitivityWith(const Record& other) const
{
    return compare_words(basicSettingPintraVOXSensitivity_, other.basicSettingPintraVOXSensitivity_, kPintraWordCount);
}

int Record::compareBasicSettingTavelSmartVolumeControlWith(const Record& other) const
{
    return compare_words(basicSettingTavelSmartVolumeControl_, other.basicSettingTavelSmartVolumeControl_,
                         kTavelWordCount);
}
