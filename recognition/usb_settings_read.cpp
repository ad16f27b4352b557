#include "recognition/usb_settings_read.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "device/products/product_set.h"
#include "device/products/usb_settings_reads.h"
#include "link/bccmd.h"
#include "recognition/usb_ps_keys.h"

namespace kivo {
namespace {

using Record = KIVOBluetoothDeviceData;
using namespace usb_settings;

// The settings behind the bits of the basic settings word.
struct SettingBit {
    int bit;
    int UsbDeviceSettings::*setting;
};
constexpr std::array<SettingBit, 10> kBasicWordBits = {{
    {0, &UsbDeviceSettings::handsfreeVOX},
    {1, &UsbDeviceSettings::intercomVOX},
    {2, &UsbDeviceSettings::edr},
    {3, &UsbDeviceSettings::voicePrompt},
    {4, &UsbDeviceSettings::plc},
    {5, &UsbDeviceSettings::bitpoolRate},
    {6, &UsbDeviceSettings::microphoneBoost},
    {8, &UsbDeviceSettings::sidetone},
    {9, &UsbDeviceSettings::advancedNoiseControl},
    {10, &UsbDeviceSettings::autoGainControl},
}};

// Settings that are on when the basic settings word cannot be read (where the product has them).
constexpr uint16_t kOnWhenUnread = bit(0) | bit(4) | bit(5) | bit(6);

// Radio transmit gain codes and the audio channel timeout a device shows when its keys do not
// tell.
constexpr int kGainLow = 12, kGainMedium = 15, kGainHigh = 17;
constexpr int kDefaultChannelTimeoutSeconds = 5;

int compare(Version a, Version b)
{
    return Record::compareVersionUpToMinorMajor_Minor_WithMajor_Minor(a.major, a.minor, b.major, b.minor);
}

const SettingsReadRow* row_of(int chip)
{
    for (const SettingsReadRow& row : settings_read_rows())
        if (std::find(row.chips.begin(), row.chips.end(), chip) != row.chips.end())
            return &row;
    return nullptr;
}

uint16_t bits_at(const SettingsReadRow& row, Version firmware)
{
    uint16_t taken = 0;
    for (const BitsFrom& step : row.bits)
        if (compare(firmware, step.from) >= 0)
            taken = step.bits;
    return taken;
}

// The key's words when it answers with exactly `count` words.
std::optional<std::vector<uint16_t>> read_words(uint16_t key, size_t count)
{
    std::array<uint8_t, 256> bytes{};
    if (bccmd_read_pskey(key, bytes) != static_cast<int>(2 * count))
        return std::nullopt;
    std::vector<uint16_t> words(count);
    for (size_t i = 0; i < count; ++i)
        words[i] = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return words;
}

void take_bits(UsbDeviceSettings& settings, uint16_t taken, uint16_t word)
{
    for (const SettingBit& b : kBasicWordBits)
        if (taken & bit(b.bit))
            settings.*b.setting = (word & bit(b.bit)) ? 1 : 0;
}

void read_basic_word(UsbDeviceSettings& settings, int chip, uint16_t taken)
{
    if (const auto words = read_words(ps_key::kBasicSettings, 2)) {
        take_bits(settings, taken, (*words)[0]);
        return;
    }
    const uint16_t on = chip == kSidetoneWhenUnreadChip ? bit(8) : kOnWhenUnread;
    take_bits(settings, taken, on);
}

// Older firmware: the two VOX settings in keys of their own, EDR told by the features the chip
// announces.
void read_vox_keys(UsbDeviceSettings& settings)
{
    const auto intercom = read_words(ps_key::kIntercomVox, 1);
    settings.intercomVOX = intercom ? (*intercom)[0] : 0;
    const auto phone = read_words(ps_key::kPhoneVox, 1);
    settings.handsfreeVOX = phone ? (*phone)[0] : 0;

    const auto features = read_words(ps_key::kLocalSupportedFeatures, ps_key::kEdrOffFeatures.size());
    const bool edr_off =
        features && std::equal(ps_key::kEdrOffFeatures.begin(), ps_key::kEdrOffFeatures.end(), features->begin());
    settings.edr = edr_off ? 1 : 0;
}

// A block whose magic the chip does not know is set up afresh, keeping the presets.
PsKeyFmBlock read_fm_block()
{
    PsKeyFmBlock block;
    const auto words = read_words(ps_key::kFmRadioBlock, PsKeyFmBlock::kWords);
    if (!words) {
        block.magic = PsKeyFmBlock::kMagic;
        return block;
    }
    block = PsKeyFmBlock::from_words(std::span<const uint16_t, PsKeyFmBlock::kWords>(words->data(), words->size()));
    if (block.magic != PsKeyFmBlock::kMagic && block.magic != PsKeyFmBlock::kOtherMagic) {
        PsKeyFmBlock repaired;
        repaired.magic = PsKeyFmBlock::kMagic;
        repaired.presets = block.presets;
        block = repaired;
        const std::array<uint16_t, PsKeyFmBlock::kWords> out = block.words();
        bccmd_set_pskey(ps_key::kFmRadioBlock, out);
    }
    return block;
}

std::array<std::string, Record::kSpeedDialCount> read_speed_dials()
{
    std::array<std::string, Record::kSpeedDialCount> dials;
    for (size_t i = 0; i < dials.size(); ++i) {
        std::array<uint8_t, 256> bytes{};
        if (bccmd_read_pskey_data(ps_key::kSpeedDials[i], bytes) <= 0)
            continue;
        std::array<uint16_t, Record::kSpeedDialUnitCount> units{};
        for (size_t u = 0; u < units.size(); ++u)
            units[u] = static_cast<uint16_t>(bytes[2 * u] | (bytes[2 * u + 1] << 8));
        Record::getSpeedDialString_FromArray(dials[i], units);
    }
    return dials;
}

int radio_transmit_gain()
{
    const auto words = read_words(ps_key::kRadioTransmitGain, 1);
    if (!words)
        return kGainMedium;
    const int v = (*words)[0];
    return v < 14 ? kGainLow : v <= 16 ? kGainMedium : kGainHigh;
}

int audio_channel_timeout_seconds()
{
    const auto words = read_words(ps_key::kAudioChannelTimeout, 1);
    const int ms = words ? (*words)[0] : 0;
    return ms >= 3000 && ms <= 60999 ? ms / 1000 : kDefaultChannelTimeoutSeconds;
}

} // namespace

PsKeyFmBlock PsKeyFmBlock::from_words(std::span<const uint16_t, kWords> words)
{
    PsKeyFmBlock block;
    block.magic = words[0];
    block.frequency = words[1];
    block.preset = words[2];
    for (size_t i = 0; i < block.presets.size(); ++i)
        block.presets[i] = words[3 + i];
    block.rds = words[13];
    block.region = words[14];
    return block;
}

PsKeyFmBlock PsKeyFmBlock::of_record(const KIVOBluetoothDeviceData& record)
{
    PsKeyFmBlock block;
    block.magic = record.fmRadioMagicCode();
    block.frequency = record.fmRadioCurrentFrequency();
    block.preset = record.fmRadioCurrentPreset();
    for (size_t i = 0; i < block.presets.size(); ++i)
        block.presets[i] = record.fmRadioPresetsAt(static_cast<int>(i));
    block.rds = record.fmRadioRDS();
    block.region = record.fmRadioRegion();
    return block;
}

std::array<uint16_t, PsKeyFmBlock::kWords> PsKeyFmBlock::words() const
{
    std::array<uint16_t, kWords> out{};
    out[0] = static_cast<uint16_t>(magic);
    out[1] = static_cast<uint16_t>(frequency);
    out[2] = static_cast<uint16_t>(preset);
    for (size_t i = 0; i < presets.size(); ++i)
        out[3 + i] = static_cast<uint16_t>(presets[i]);
    out[13] = static_cast<uint16_t>(rds);
    out[14] = static_cast<uint16_t>(region);
    return out;
}

void UsbDeviceSettings::store_in(KIVOBluetoothDeviceData& record) const
{
    record.setIntercomVOX(intercomVOX);
    record.setHandsfreeVOX(handsfreeVOX);
    record.setEdr(edr);
    record.setVoicePrompt(voicePrompt);
    record.setPlc(plc);
    record.setBitpoolRate(bitpoolRate);
    record.setMicrophoneBoost(microphoneBoost);
    record.setSidetone(sidetone);
    record.setAdvancedNoiseControl(advancedNoiseControl);
    record.setAutoGainControl(autoGainControl);
    record.setAudioBoost(0);
    record.setHdIntercom(0);
    record.setFmStationGuide(0);
    record.setHdVoice(0);
    record.setSmartNaviSystem(0);
    record.setAudioSourcePriority(0);
    record.setAudioOverlay(0);
    record.setAutoOnOff(0);
    record.setRadioTransmitGain(radioTransmitGain);
    record.setAudioChannelTimeout(audioChannelTimeout);
    record.setFmRadioRegion(fm.region);
    record.setFmRadioMagicCode(fm.magic);
    record.setFmRadioCurrentFrequency(fm.frequency);
    record.setFmRadioCurrentPreset(fm.preset);
    for (size_t i = 0; i < fm.presets.size(); ++i)
        record.setFmRadioPresetsAt_with(static_cast<int>(i), fm.presets[i]);
    record.setFmRadioRDS(fm.rds);
    for (size_t i = 0; i < speedDials.size(); ++i)
        record.setSpeedDialAt_with(static_cast<int>(i), speedDials[i]);
}

UsbDeviceSettings read_usb_settings(int chip_product_id, int major, int minor)
{
    UsbDeviceSettings settings;
    const Version firmware{major, minor};
    const SettingsReadRow* row = row_of(chip_product_id);
    const bool vox_keys = row != nullptr && compare(firmware, row->voxKeysBelow) < 0;

    if (vox_keys)
        read_vox_keys(settings);
    else if (row != nullptr)
        read_basic_word(settings, chip_product_id, bits_at(*row, firmware));

    if (product_in(kFmBlockChips, chip_product_id))
        settings.fm = read_fm_block();
    if (product_in(kRadioGainChips, chip_product_id)) {
        settings.radioTransmitGain = radio_transmit_gain();
        settings.audioChannelTimeout = audio_channel_timeout_seconds();
    }

    const bool dials = row != nullptr &&
        (row->speedDials == SpeedDials::Always ||
         (row->speedDials == SpeedDials::AboveVersion && compare(firmware, row->dialsAbove) > 0));
    if (dials)
        settings.speedDials = read_speed_dials();
    return settings;
}

} // namespace kivo
