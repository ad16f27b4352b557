// Unit (voice-prompt) language accessors of the families outside the Airoha layout. The value a
// page passes is the index of the language in the device's language list; the word holds the
// device's own code for it.

#include "device/device_data.h"
#include "device/products/unit_language_shift.h"
#include "device/settings_bits.h"

using namespace kivo::settings_bits;
using Record = KIVOBluetoothDeviceData;

namespace {

// An index past every language is left as it is: it stays out of each setter's range, and the
// shift cannot overflow.
constexpr int kIndexLimit = 16;

// The language sits in bits 0-3 of its word in all three shifted families.
void put_language(int& word, int index, bool shifted, int lastCode)
{
    const bool up = shifted && index >= kFirstShiftedLanguageIndex && index < kIndexLimit;
    put_code(word, 0, 4, up ? index + 1 : index, 0, lastCode);
}

int language_of(int code, bool shifted) { return shifted && code >= kFirstShiftedLanguageIndex ? code - 1 : code; }

// The pack lacks a language and the product is one whose codes shift for it.
template <size_t N> bool shifts(const std::array<int, N>& products, int device, int packType)
{
    return packType == kShortLanguagePackType && kivo::product_in(products, device);
}

} // namespace

// ---- Shifted by the language pack --------------------------------------------------------------
int Record::GetBasicSettingKelporUnitLanguage(int device) const
{
    // Codes 12 to 15 are no language of the family; they read as the first language.
    return language_of(code_or(basicSettingBrisko_[W3], 0, 4, 11, 0),
                       shifts(kivo::kKelporShiftedLanguageProducts, device, devicelanguagePackType_));
}
void Record::SetBasicSettingKelporUnitLanguage_device(int index, int device)
{
    put_language(basicSettingBrisko_[W3], index,
                 shifts(kivo::kKelporShiftedLanguageProducts, device, devicelanguagePackType_), 11);
}

int Record::GetBasicSettingyarloUnitLanguage(int device) const
{
    return language_of(field(basicSettingBrisko_[W1], 0, 4),
                       shifts(kivo::kYarloShiftedLanguageProducts, device, devicelanguagePackType_));
}
void Record::SetBasicSettingYarloUnitLanguage_device(int index, int device)
{
    put_language(basicSettingBrisko_[W1], index,
                 shifts(kivo::kYarloShiftedLanguageProducts, device, devicelanguagePackType_), 12);
}

int Record::GetBasicSettingVOSKAUnitLanguage(int device) const
{
    return language_of(field(basicSettingBrisko_[W2], 0, 4),
                       shifts(kivo::kYarloShiftedLanguageProducts, device, devicelanguagePackType_));
}
void Record::SetBasicSettingVOSKAUnitLanguage_device(int index, int device)
{
    put_language(basicSettingBrisko_[W2], index,
                 shifts(kivo::kYarloShiftedLanguageProducts, device, devicelanguagePackType_), 12);
}

// ---- Without a shift ---------------------------------------------------------------------------
int Record::GetBasicSettingRUSKANUnitLanguage(int /*device*/) const { return field(basicSettingBrisko_[W4], 0, 4); }
void Record::SetBasicSettingRUSKANUnitLanguage_device(int index, int /*device*/)
{
    put_code(basicSettingBrisko_[W4], 0, 4, index, 0, 14);
}

int Record::GetBasicSettingVantorUnitLanguage() const { return field(basicSettingBrisko_[W3], 0, 4); }
void Record::SetBasicSettingVantorUnitLanguage(int index) { put_code(basicSettingBrisko_[W3], 0, 4, index, 0, 12); }

// The Zaffre unit keeps its last two languages at codes 11 and 12; 9 and 10 are not used.
int Record::GetBasicSettingZaffreUnitLanguage() const
{
    const int code = field(basicSettingBrisko_[W3], 0, 4);
    switch (code) {
    case 11: return 9;
    case 12: return 10;
    default: return code;
    }
}
void Record::SetBasicSettingZaffreUnitLanguage(int index)
{
    if (index < 0 || index > 12)
        return;
    const int code = index == 9 ? 11 : index == 10 ? 12 : index;
    put_field(basicSettingBrisko_[W3], 0, 4, code);
}

int Record::GetBasicSettingYorbitUnitLanguage() const { return code_or(basicSettingBrisko_[W1], 4, 4, 10, 0); }
void Record::SetBasicSettingYorbitUnitLanguage(int index) { put_code(basicSettingBrisko_[W1], 4, 4, index, 0, 10); }

// The Pellon unit has two languages: the first (code 0) and the second (code 14).
namespace {
constexpr int kPellonSecondLanguageCode = 14;
}
int Record::GetBasicSettingPellonUnitLanguage(int /*device*/) const
{
    return field(basicSettingBrisko_[W1], 0, 4) == kPellonSecondLanguageCode ? 1 : 0;
}
void Record::SetBasicSettingPellonUnitLanguage_device(int index, int /*device*/)
{
    put_field(basicSettingBrisko_[W1], 0, 4, index == 1 ? kPellonSecondLanguageCode : 0);
}

// The Ulmeck unit reports its language as a device code in bits 4-15 of word 2; it is written
// back through the second basic settings word (GrennikLanguage), not through word 2.
int Record::GetBasicSettingUlmeckUnitLanguage(int /*device*/) const
{
    switch (field(basicSettingBrisko_[W2], 4, 12)) {
    case 1: return 2;
    case 2: return 4;
    case 3: return 1;
    case 4: return 3;
    case 5: return 5;
    case 16: return 6;
    case 22: return 7;
    default: return 0;
    }
}
void Record::SetBasicSettingUlmeckUnitLanguage_device(int index, int /*device*/) { GrennikLanguage_ = index; }
