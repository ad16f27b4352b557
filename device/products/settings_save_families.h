#pragma once
// How the settings page saves a product's settings: twelve write paths, F1 to F11 over HID and F12
// over the chip's persistent store. The first family that lists a product decides; a product in
// none takes F12. Inside a family the products split further: the number of settings words record
// 4 carries (F1, F10), the records written (F2, F11), the readiness question (F4) and the keys
// written (F12). The records each split writes are settings/save/hid_save_plan.cpp; the products
// whose background volume travels in record 0x3F are background_volume.h, the OEM headsets that
// write their own flags word first are oem_headsets.h.

#include <array>
#include <span>

#include "device/products/product_set.h"

namespace kivo {

enum class SettingsSaveFamily { F1 = 1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12 };

// clang-format off
// F1: two HID interfaces, record 4 on the second.
inline constexpr std::array kSaveF1Products = {0x4210, 0x4310, 0x4330, 0x4430, 0x4510, 0x4530, 0x4610, 0x2030, 0x4410};
// F2: one-word records 0x20, 0x1F, 0x1E.
inline constexpr std::array kSaveF2Products = {0x3560, 0x3570, 0x3540, 0x3500};
// F3: the three settings words over 62-byte reports.
inline constexpr std::array kSaveF3Products = {
    0x6800, 0x683A, 0x6821, 0x6825, 0x6804, 0x6815, 0x6822, 0x6810, 0x6806, 0x6808, 0x6811, 0x6805, 0x6817, 0x6812,
    0x6801, 0x6816, 0x6802, 0x6814, 0x6831, 0x6824, 0x6A04, 0x6A01, 0x6A02, 0x6A03, 0x6828, 0x6838, 0x6840, 0x6839,
    0x6803};
// F4 to F8: record 0x36 after the readiness question.
inline constexpr std::array kSaveF4Products = {0x6510, 0x6500, 0x4D16, 0x4D06, 0x4D76, 0x4D86, 0x3161, 0x3150};
inline constexpr std::array kSaveF5Products = {0x5632, 0x5630};
inline constexpr std::array kSaveF6Products = {0x5552, 0x5553};
inline constexpr std::array kSaveF7Products = {0x6038, 0x6039};
inline constexpr std::array kSaveF8Products = {
    0x5590, 0x6042, 0x321B, 0x4023, 0x3085, 0x3052, 0x3072, 0x3082, 0x3350, 0x3360, 0x3370, 0x3410, 0x6900, 0x6910,
    0x5440, 0x5441, 0x5451, 0x5442, 0x5443, 0x5444, 0x5445, 0x3400, 0x3420, 0x3430, 0x3340, 0x3341, 0x3342, 0x3343,
    0x5595, 0x5596, 0x6461, 0x6481, 0x6491, 0x6620, 0x3380, 0x3701, 0x5591, 0x5597, 0x5592, 0x5593, 0x5594};
// F9 to F11: record 4 after the version check.
inline constexpr std::array kSaveF9Products = {0x3310, 0x321D, 0x3330};
inline constexpr std::array kSaveF10Products = {
    0x3110, 0x3146, 0x3140, 0x3132, 0x3260, 0x321C, 0x3210, 0x3218, 0x3223, 0x3214, 0x3217, 0x3212, 0x3216, 0x321A,
    0x3219, 0x3211, 0x3215, 0x3264, 0x3232, 0x3233, 0x3240, 0x3156, 0x3213, 0x3148, 0x3154, 0x3320, 0x3134, 0x3900,
    0x3170, 0x3116, 0x3118, 0x3136, 0x3800, 0x3142, 0x3143, 0x3124, 0x3144, 0x3152, 0x3126, 0x3128, 0x3112, 0x3114};
inline constexpr std::array kSaveF11Products = {
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x5576, 0x5520, 0x6112, 0x6114, 0x5534, 0x5538,
    0x3300, 0x5424, 0x5434, 0x5430, 0x5432, 0x5428, 0x5426, 0x3070, 0x3080, 0x6310, 0x6320, 0x6335, 0x6330, 0x5564,
    0x4050, 0x5530, 0x5532, 0x5550, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5560, 0x5562, 0x5536, 0x5522, 0x3030,
    0x3032, 0x3050, 0x3060, 0x3040, 0x6210, 0x6400, 0x5526, 0x5720, 0x5910, 0x5920, 0x6010, 0x6018, 0x6020, 0x6022,
    0x6024, 0x6012, 0x6014, 0x6016, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036, 0x5410, 0x5412, 0x5414, 0x5420,
    0x5418, 0x5416};
// clang-format on

struct SaveFamilyRow {
    SettingsSaveFamily family;
    std::span<const int> products;
};

// In the order they are asked.
inline constexpr std::array<SaveFamilyRow, 11> kSaveFamilyRows{{
    {SettingsSaveFamily::F1, kSaveF1Products},
    {SettingsSaveFamily::F2, kSaveF2Products},
    {SettingsSaveFamily::F3, kSaveF3Products},
    {SettingsSaveFamily::F4, kSaveF4Products},
    {SettingsSaveFamily::F5, kSaveF5Products},
    {SettingsSaveFamily::F6, kSaveF6Products},
    {SettingsSaveFamily::F7, kSaveF7Products},
    {SettingsSaveFamily::F8, kSaveF8Products},
    {SettingsSaveFamily::F9, kSaveF9Products},
    {SettingsSaveFamily::F10, kSaveF10Products},
    {SettingsSaveFamily::F11, kSaveF11Products},
}};

constexpr SettingsSaveFamily settings_save_family(int product_id)
{
    for (const SaveFamilyRow& row : kSaveFamilyRows)
        if (product_in(row.products, product_id))
            return row.family;
    return SettingsSaveFamily::F12;
}

// F4: the two products that must say they are ready (answer 0) before they are written.
inline constexpr std::array kSaveF4ReadinessProducts = {0x6510, 0x6500};

// How many settings words record 4 carries, by firmware: below each threshold (rising) its count,
// from the last threshold on `words`. A threshold of 0 words is unused.
struct SaveWordsBelow {
    int major = 0;
    int minor = 0;
    int words = 0;
};

struct SaveWordCountRow {
    std::span<const int> products;
    std::array<SaveWordsBelow, 2> below;
    int words;
};

// F1: record 4 carries all ten words; this product counts fewer on older firmware.
inline constexpr int kSaveF1Words = 10;
inline constexpr std::array kSaveF1EarlyCountProducts = {0x4210};
// F10, every product in one row.
inline constexpr std::array kSaveF10WordsFrom2_1And3_5Products = {0x3110};
inline constexpr std::array kSaveF10WordsFrom3_0Products = {0x3112, 0x3114};
inline constexpr std::array kSaveF10WordsFrom1_1Products = {0x3124, 0x3132, 0x3134, 0x3144, 0x3152, 0x3210,
                                                            0x3214, 0x3217, 0x3218, 0x321C, 0x3900};
inline constexpr std::array kSaveF10WordsFrom1_2Products = {0x3170};
inline constexpr std::array kSaveF10FourWordsProducts = {0x3116, 0x3118, 0x3126, 0x3128, 0x3136, 0x3140,
                                                         0x3146, 0x3320, 0x3800, 0x3142, 0x3143};
inline constexpr std::array kSaveF10FiveWordsProducts = {0x3148, 0x3154, 0x3156, 0x3211, 0x3212, 0x3213,
                                                         0x3215, 0x3216, 0x3219, 0x321A, 0x3223, 0x3232,
                                                         0x3233, 0x3240, 0x3260, 0x3264};

inline constexpr std::array<SaveWordCountRow, 7> kSaveWordCountRows{{
    {kSaveF1EarlyCountProducts, {{{1, 1, 3}, {1, 2, 4}}}, kSaveF1Words},
    {kSaveF10WordsFrom2_1And3_5Products, {{{2, 1, 2}, {3, 5, 4}}}, 5},
    {kSaveF10WordsFrom3_0Products, {{{3, 0, 3}, {}}}, 4},
    {kSaveF10WordsFrom1_1Products, {{{1, 1, 4}, {}}}, 5},
    {kSaveF10WordsFrom1_2Products, {{{1, 2, 4}, {}}}, 5},
    {kSaveF10FourWordsProducts, {}, 4},
    {kSaveF10FiveWordsProducts, {}, 5},
}};

// The row that counts a product's words; nullptr for none (F1's other products carry kSaveF1Words).
constexpr const SaveWordCountRow* save_word_count_row(int product_id)
{
    for (const SaveWordCountRow& row : kSaveWordCountRows)
        if (product_in(row.products, product_id))
            return &row;
    return nullptr;
}

// The records F2 and F11 write, by product (what each writes is in the plan).
enum class SaveSubPath {
    None,
    // F2
    ThreeOneWordRecords, // 0x20, 0x1F, and from 1.4.3 also 0x1E
    LateSecondRecords, // 0x20, and from 1.4.3 also 0x1F and 0x1E
    OneOneWordRecord, // 0x20
    // F11
    BasicWords, // record 4: both basic settings words
    BasicWordAndWord1, // record 4: basic settings word, settings word 1
    VoxAndSmartVolume, // record 4, VOX 0x14, smart volume 3
    CommittedVoxAndSmartVolume, // the same three, each committed
    CameraWords, // record 4, camera words in 7 and (from 2.0) 0x1C
    BasicWordsAndVox, // record 4, VOX 0x14
    SmartVolumeThenVox, // record 4, smart volume 3, (from 1.1) VOX 0x14
    VoxFrom1_1, // record 4, (from 1.1) VOX 0x14
    CommittedVox, // record 4 of four words, VOX 0x14, each committed
    CommittedVoxInRecord12, // record 4 of four words, VOX 0x12, each committed
};

// clang-format off
inline constexpr std::array kSaveThreeOneWordRecordsProducts = {0x3560};
inline constexpr std::array kSaveLateSecondRecordsProducts = {0x3570};
inline constexpr std::array kSaveOneOneWordRecordProducts = {0x3540, 0x3500};
inline constexpr std::array kSaveBasicWordsProducts = {
    0x3030, 0x3032, 0x3040, 0x3050, 0x3060, 0x5522, 0x5524, 0x5530, 0x5532, 0x5536, 0x5550, 0x5560, 0x5562, 0x5576,
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5710, 0x5910, 0x5920, 0x6210};
inline constexpr std::array kSaveBasicWordAndWord1Products = {
    0x3070, 0x3080, 0x3300, 0x4050, 0x5534, 0x5538, 0x5564, 0x5570, 0x5580, 0x6310, 0x6320, 0x6330, 0x6335};
inline constexpr std::array kSaveVoxAndSmartVolumeProducts = {0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434};
inline constexpr std::array kSaveCommittedVoxAndSmartVolumeProducts = {0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420};
inline constexpr std::array kSaveCameraWordsProducts = {0x5510};
inline constexpr std::array kSaveBasicWordsAndVoxProducts = {0x5520, 0x5526, 0x5720, 0x6112, 0x6114, 0x6400};
inline constexpr std::array kSaveSmartVolumeThenVoxProducts = {0x5622, 0x5624};
inline constexpr std::array kSaveVoxFrom1_1Products = {0x5623};
inline constexpr std::array kSaveCommittedVoxProducts = {
    0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6028, 0x6030, 0x6032, 0x6034, 0x6036};
inline constexpr std::array kSaveCommittedVoxInRecord12Products = {0x6020, 0x6022, 0x6024};
// clang-format on

struct SaveSubPathRow {
    SaveSubPath path;
    std::span<const int> products;
};

inline constexpr std::array<SaveSubPathRow, 13> kSaveSubPathRows{{
    {SaveSubPath::ThreeOneWordRecords, kSaveThreeOneWordRecordsProducts},
    {SaveSubPath::LateSecondRecords, kSaveLateSecondRecordsProducts},
    {SaveSubPath::OneOneWordRecord, kSaveOneOneWordRecordProducts},
    {SaveSubPath::BasicWords, kSaveBasicWordsProducts},
    {SaveSubPath::BasicWordAndWord1, kSaveBasicWordAndWord1Products},
    {SaveSubPath::VoxAndSmartVolume, kSaveVoxAndSmartVolumeProducts},
    {SaveSubPath::CommittedVoxAndSmartVolume, kSaveCommittedVoxAndSmartVolumeProducts},
    {SaveSubPath::CameraWords, kSaveCameraWordsProducts},
    {SaveSubPath::BasicWordsAndVox, kSaveBasicWordsAndVoxProducts},
    {SaveSubPath::SmartVolumeThenVox, kSaveSmartVolumeThenVoxProducts},
    {SaveSubPath::VoxFrom1_1, kSaveVoxFrom1_1Products},
    {SaveSubPath::CommittedVox, kSaveCommittedVoxProducts},
    {SaveSubPath::CommittedVoxInRecord12, kSaveCommittedVoxInRecord12Products},
}};

constexpr SaveSubPath save_sub_path(int product_id)
{
    for (const SaveSubPathRow& row : kSaveSubPathRows)
        if (product_in(row.products, product_id))
            return row.path;
    return SaveSubPath::None;
}

// F12: which persistent-store keys are written besides the features key (239). Group A writes the
// two VOX keys below firmware 4.0 and the basic settings key from it; group B the basic settings
// key; one product its radio transmit gain and audio channel timeout.
// clang-format off
inline constexpr std::array kSaveGroupAProducts = {
    0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5020, 0x5070, 0x5030, 0x5080, 0x5040, 0x5050};
inline constexpr std::array kSaveGroupBProducts = {
    0x6000, 0x4D21, 0x4D75, 0x5011, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4113, 0x4111, 0x4112,
    0x4120, 0x6420, 0x6470, 0x6460, 0x6480, 0x6490, 0x6440, 0x6450, 0x6430, 0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45,
    0x4D65, 0x4D85, 0x4020, 0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010};
// clang-format on
inline constexpr int kSaveRadioGainProduct = 0x5210;

} // namespace kivo
