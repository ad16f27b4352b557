// Factory defaults: turns a record into the record of its product's factory settings, by the rows
// of the factory table.

#include <array>

#include "common/system_log.h"
#include "device/device_data.h"
#include "device/products/factory_table.h"
#include "device/products/factory_trace.h"

using Record = KIVOBluetoothDeviceData;

namespace {

namespace factory = kivo::factory;

// Setters of the named settings, in the bit order of factory::Named.
using NamedSetter = void (Record::*)(int);
constexpr std::array<NamedSetter, factory::kNamedCount> kNamedSetters = {
    &Record::setIntercomVOX,
    &Record::setHandsfreeVOX,
    &Record::setEdr,
    &Record::setVoicePrompt,
    &Record::setPlc,
    &Record::setBitpoolRate,
    &Record::setMicrophoneBoost,
    &Record::setSidetone,
    &Record::setAdvancedNoiseControl,
    &Record::setAutoGainControl,
    &Record::setAudioBoost,
    &Record::setHdIntercom,
    &Record::setFmStationGuide,
    &Record::setHdVoice,
    &Record::setAudioSourcePriority,
    &Record::setAudioOverlay,
    &Record::setAutoOnOff,
    &Record::setAutoStartRecording,
    &Record::setSmartNaviSystem,
    &Record::setSmartNaviSystem2,
    &Record::setAutoOff,
    &Record::setSimpleUI,
};
static_assert(factory::simpleUI == 1u << (factory::kNamedCount - 1));

// The factory FM record's magic code.
constexpr int kFmMagicCode = 0x56E9;
constexpr int kSixPresets = 6;

bool reached(const Record& record, const factory::Since& since, int major, int minor)
{
    switch (since.rule) {
    case factory::Since::Always: return true;
    case factory::Since::Pair:
        return Record::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(major, minor, since.major, since.minor) >= 0;
    case factory::Since::Triple:
        return record.compareVersionUpToMinor2ndWithMajor2nd_Minor_Minor2nd(since.major, since.minor, since.third) >= 0;
    case factory::Since::QuadType2:
        // Release candidates of the same major.minor count as below.
        return Record::
                   compareVersionMajor_Minor_SecondaryVersionType_SecondaryVersion_WithVersionMajor_Minor_SecondaryVersionType_SecondaryVersion(
                       record.deviceVersionMajor(), record.deviceVersionMinor(), record.deviceSecondaryVersionType(),
                       record.deviceSecondaryVersion(), since.major, since.minor, 2, since.third) >= 0;
    }
    return false;
}

// The row of the product's group whose range holds the firmware, or none for an unknown product.
const factory::Row* row_for(const Record& record, int device, int major, int minor)
{
    for (const factory::Group& group : factory::factory_table()) {
        for (const int id : group.products) {
            if (id != device)
                continue;
            for (auto row = group.rows.rbegin(); row != group.rows.rend(); ++row) {
                if (reached(record, row->from, major, minor))
                    return &*row;
            }
            return nullptr; // unreachable: a group's first row holds from any version
        }
    }
    return nullptr;
}

void apply_named(Record& record, uint32_t on, uint32_t off)
{
    for (int i = 0; i < factory::kNamedCount; ++i) {
        const uint32_t bit = uint32_t{1} << i;
        if (on & bit)
            (record.*kNamedSetters[static_cast<size_t>(i)])(1);
        else if (off & bit)
            (record.*kNamedSetters[static_cast<size_t>(i)])(0);
    }
}

void apply_value(Record& record, const factory::SlotValue& v)
{
    switch (v.slot) {
    case factory::W0:
    case factory::W1:
    case factory::W2:
    case factory::W3: record.setBasicSettingBriskoAt_with(v.slot - factory::W0, v.value); break;
    case factory::VoxWord0: record.setBasicSettingPintraVOXSensitivity_with(0, v.value); break;
    case factory::C0: record.setBasicSettingWispenCamera_with(0, v.value); break;
    case factory::C2: record.setBasicSettingWispenCamera_with(2, v.value); break;
    case factory::RadioTransmitGain: record.setRadioTransmitGain(v.value); break;
    case factory::AudioChannelTimeout: record.setAudioChannelTimeout(v.value); break;
    case factory::BackgroundVolume: record.setBackgroundVolume(v.value); break;
    }
}

void apply_fm(Record& record, factory::Fm fm)
{
    if (fm == factory::Fm::Keep)
        return;
    if (fm == factory::Fm::Rds0Only) {
        record.setFmRadioRDS(0);
        return;
    }
    record.setFmRadioRegion(fm == factory::Fm::ClearedRegion1 ? 1 : 0);
    record.setFmRadioMagicCode(kFmMagicCode);
    record.setFmRadioCurrentFrequency(0);
    record.setFmRadioCurrentPreset(0);
    const int presets = fm == factory::Fm::ClearedSixPresetsRds1 ? kSixPresets : Record::kFmPresetCount;
    for (int i = 0; i < presets; ++i)
        record.setFmRadioPresetsAt_with(i, 0);
    record.setFmRadioRDS(fm == factory::Fm::ClearedSixPresetsRds1 ? 1 : 0);
}

} // namespace

Record Record::makeDefaultDataWithSource(const Record& source)
{
    Record defaults;
    defaults.copyWithSource_version(source, 1);
    defaults.initializeObjectWithDevice_VersionMajor_Minor(source.deviceRecognized(), source.deviceVersionMajor(),
                                                           source.deviceVersionMinor());
    return defaults;
}

void Record::initializeObjectWithDevice_VersionMajor_Minor(int device, int major, int minor)
{
    // Every product starts from empty words, listed or not; the smart-volume words stay empty.
    basicSettingBrisko_.fill(0);
    basicSettingPintraVOXSensitivity_.fill(0);
    basicSettingTavelSmartVolumeControl_.fill(0);
    basicSettingWispenCamera_.fill(0);

    if (const factory::Row* row = row_for(*this, device, major, minor)) {
        apply_named(*this, row->on, row->off);
        for (const factory::SlotValue& value : row->values)
            apply_value(*this, value);
        apply_fm(*this, row->fm);
        if (device == kivo::kFactoryTracedProduct)
            kivo::system_logf("ARGGG %X %X %X %X\n", static_cast<unsigned>(basicSettingBrisko_[0]),
                              static_cast<unsigned>(basicSettingBrisko_[1]),
                              static_cast<unsigned>(basicSettingBrisko_[2]),
                              static_cast<unsigned>(basicSettingBrisko_[3]));
    }
    initializeSpeedDialObjectWithDevice_VersionMajor_Minor(device, major, minor);
}

void Record::initializeSpeedDialObjectWithDevice_VersionMajor_Minor(int /*device*/, int /*major*/, int /*minor*/)
{
    for (int i = 0; i < kSpeedDialCount; ++i)
        setSpeedDialAt_with(i, "");
}
