// The basic settings words that older devices take as one 16-bit word packed from the record's
// named settings, and the compares that tell a working copy from the device's record.

#include <array>
#include <cstdint>
#include <vector>

#include "device/device_data.h"
#include "device/products/late_hd_intercom.h"
#include "device/products/second_settings_word.h"

using Record = KIVOBluetoothDeviceData;

namespace {

using NamedGetter = int (Record::*)() const;

// Bits 10 to 15 of the first basic settings word differ by product; bits 0 to 9 do not.
struct Settings40Layout {
    std::vector<int> products;
    std::array<NamedGetter, 6> bits10to15; // nullptr: the product keeps that bit 0
};

const std::vector<Settings40Layout>& settings40_layouts()
{
    constexpr NamedGetter none = nullptr;
    constexpr NamedGetter agc = &Record::autoGainControl;
    constexpr NamedGetter boost = &Record::audioBoost;
    constexpr NamedGetter hdIc = &Record::hdIntercom;
    constexpr NamedGetter fmsg = &Record::fmStationGuide;
    constexpr NamedGetter hdV = &Record::hdVoice;
    constexpr NamedGetter asp = &Record::audioSourcePriority;
    constexpr NamedGetter ovl = &Record::audioOverlay;
    constexpr NamedGetter navi = &Record::smartNaviSystem;
    constexpr NamedGetter navi2 = &Record::smartNaviSystem2;
    constexpr NamedGetter autoOn = &Record::autoOnOff;

    static const std::vector<Settings40Layout> layouts = {
        {{0x3030, 0x3032, 0x3040, 0x3050, 0x3060, 0x3070, 0x3080, 0x5560, 0x5562}, {agc, none, fmsg, none, none, none}},
        {{0x3052, 0x3072, 0x3082, 0x3085}, {boost, hdIc, none, none, none, none}},
        {{0x321B, 0x3300, 0x3350, 0x3360, 0x3370, 0x3400, 0x3410, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420,
          0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451,
          0x5510, 0x5520, 0x5526, 0x5530, 0x5534, 0x5538, 0x5550, 0x5552, 0x5553, 0x5570, 0x5576, 0x5580, 0x5590,
          0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x6042, 0x6112, 0x6210, 0x6400, 0x6900, 0x6910},
         {boost, hdIc, fmsg, hdV, asp, ovl}},
        {{0x3340, 0x3341, 0x3342, 0x3343, 0x3420, 0x3430, 0x5623, 0x5624, 0x5630, 0x5632},
         {boost, hdIc, none, hdV, asp, ovl}},
        {{0x3380, 0x3701, 0x4023, 0x5591, 0x5592, 0x5593, 0x5594, 0x5595, 0x5596, 0x5597, 0x6461, 0x6481, 0x6491,
          0x6620},
         {agc, hdIc, none, hdV, asp, ovl}},
        {{0x5522, 0x5536}, {boost, none, fmsg, none, none, none}},
        {{0x5524}, {boost, none, fmsg, hdV, asp, ovl}},
        {{0x5532}, {boost, hdIc, fmsg, hdV, none, none}},
        {{0x5710, 0x5720, 0x5910, 0x5920, 0x6114}, {boost, hdIc, fmsg, none, none, none}},
        {{0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026}, {boost, hdIc, none, navi, none, none}},
        {{0x6020, 0x6022, 0x6024}, {agc, none, none, navi, none, none}},
        {{0x6028, 0x6030, 0x6032, 0x6034, 0x6036}, {boost, hdIc, none, navi, autoOn, ovl}},
        {{0x6038, 0x6039}, {boost, hdIc, none, none, navi2, none}},
        {{0x6320, 0x6330, 0x6335}, {agc, hdIc, none, hdV, none, none}},
    };
    return layouts;
}

// Every product not listed above takes automatic gain control at bit 10 and nothing above.
constexpr std::array<NamedGetter, 6> kDefaultBits10to15 = {&Record::autoGainControl};

const std::array<NamedGetter, 6>& bits10to15_of(int product)
{
    for (const Settings40Layout& layout : settings40_layouts()) {
        for (const int id : layout.products) {
            if (id == product)
                return layout.bits10to15;
        }
    }
    return kDefaultBits10to15;
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

    const std::array<NamedGetter, 6>& upper = bits10to15_of(deviceRecognized_);
    for (size_t i = 0; i < upper.size(); ++i) {
        const int n = 10 + static_cast<int>(i);
        if (upper[i] == nullptr)
            continue;
        if (n == kHdIntercomBit && kivo::product_in(kivo::kLateHdIntercomProducts, deviceRecognized_) &&
            compareVersionUpToMinorWithMajor_Minor(1, 1) < 0)
            continue;
        word |= bit_if_on((this->*upper[i])(), n);
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
