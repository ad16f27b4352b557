// Footprints: where a key's writes land, found by writing on probe records and comparing every
// place a setting can live. Nothing here knows a bit layout; the record's setters are the only
// source, so a change of the codec shows in the footprints (and in the aliases) at once.

#include <array>
#include <cstdio>
#include <map>
#include <mutex>
#include <tuple>

#include "settings/table/setting_catalogue.h"

namespace kivo::settings {
namespace {

struct NamedSlot {
    std::string_view name;
    int (Record::*get)() const;
    void (Record::*set)(int);
};

#define KIVO_NAMED(field, setter)                                                                                      \
    NamedSlot { #field, &Record::field, &Record::setter }
// clang-format off
constexpr std::array kNamedSlots = {
    KIVO_NAMED(intercomVOX, setIntercomVOX), KIVO_NAMED(handsfreeVOX, setHandsfreeVOX), KIVO_NAMED(edr, setEdr),
    KIVO_NAMED(voicePrompt, setVoicePrompt), KIVO_NAMED(plc, setPlc), KIVO_NAMED(bitpoolRate, setBitpoolRate),
    KIVO_NAMED(microphoneBoost, setMicrophoneBoost), KIVO_NAMED(sidetone, setSidetone),
    KIVO_NAMED(advancedNoiseControl, setAdvancedNoiseControl), KIVO_NAMED(autoGainControl, setAutoGainControl),
    KIVO_NAMED(audioBoost, setAudioBoost), KIVO_NAMED(hdIntercom, setHdIntercom),
    KIVO_NAMED(fmStationGuide, setFmStationGuide), KIVO_NAMED(hdVoice, setHdVoice),
    KIVO_NAMED(audioSourcePriority, setAudioSourcePriority), KIVO_NAMED(audioOverlay, setAudioOverlay),
    KIVO_NAMED(autoOnOff, setAutoOnOff), KIVO_NAMED(autoStartRecording, setAutoStartRecording),
    KIVO_NAMED(smartNaviSystem, setSmartNaviSystem), KIVO_NAMED(smartNaviSystem2, setSmartNaviSystem2),
    KIVO_NAMED(autoOff, setAutoOff), KIVO_NAMED(simpleUI, setSimpleUI), KIVO_NAMED(GrennikLanguage, setGrennikLanguage),
    KIVO_NAMED(radioTransmitGain, setRadioTransmitGain), KIVO_NAMED(audioChannelTimeout, setAudioChannelTimeout),
    KIVO_NAMED(voiceAssistant, setVoiceAssistant), KIVO_NAMED(backgroundVolume, setBackgroundVolume),
    KIVO_NAMED(VARGOFMRadio, setVARGOFMRadio), KIVO_NAMED(VARGOSmartphoneConnet, setVARGOSmartphoneConnet),
};
// clang-format on
#undef KIVO_NAMED

constexpr std::array<std::string_view, kNamedSlots.size()> kNamedNames = [] {
    std::array<std::string_view, kNamedSlots.size()> names{};
    for (std::size_t i = 0; i < kNamedSlots.size(); ++i)
        names[i] = kNamedSlots[i].name;
    return names;
}();

// A part for a write outside every place probed: a footprint that holds it is incomplete.
constexpr int kElsewhere = -1;

struct WordBlock {
    StorageBlock block;
    int count;
    int (Record::*get)(int) const;
    void (Record::*set)(int, int);
};

constexpr std::array kWordBlocks = {
    WordBlock{StorageBlock::SettingsWord, Record::kBriskoWordCount, &Record::basicSettingBrisko,
              &Record::setBasicSettingBriskoAt_with},
    WordBlock{StorageBlock::PintraWord, Record::kPintraWordCount, &Record::basicSettingPintraVOXSensitivityAt,
              &Record::setBasicSettingPintraVOXSensitivity_with},
    WordBlock{StorageBlock::TavelWord, Record::kTavelWordCount, &Record::basicSettingTavelSmartVolumeControlAt,
              &Record::setBasicSettingTavelSmartVolumeControl_with},
    WordBlock{StorageBlock::CameraWord, Record::kCameraWordCount, &Record::basicSettingWispenCameraAt,
              &Record::setBasicSettingWispenCamera_with},
};

uint32_t bits(int value) { return static_cast<uint32_t>(value); }

void fill(Record& record, int value)
{
    for (const WordBlock& words : kWordBlocks)
        for (int i = 0; i < words.count; ++i)
            (record.*words.set)(i, value);
    for (const NamedSlot& slot : kNamedSlots)
        (record.*slot.set)(value);
}

// The probe records: all bits clear and all bits set, below and from firmware 2.0.
std::array<Record, 4> probe_records()
{
    std::array<Record, 4> records{};
    fill(records[1], -1);
    fill(records[3], -1);
    records[2].setDeviceVersionMajor(2);
    records[3].setDeviceVersionMajor(2);
    return records;
}

// Adds to `masks` the bits in which `after` differs from `before`; true when nothing else differs.
bool collect(const Record& before, const Record& after, std::map<std::pair<StorageBlock, int>, uint32_t>& masks)
{
    Record rest = after;
    for (const WordBlock& words : kWordBlocks)
        for (int i = 0; i < words.count; ++i) {
            const uint32_t changed = bits((before.*words.get)(i)) ^ bits((after.*words.get)(i));
            if (changed != 0)
                masks[{words.block, i}] |= changed;
            (rest.*words.set)(i, (before.*words.get)(i));
        }
    for (std::size_t i = 0; i < kNamedSlots.size(); ++i) {
        const NamedSlot& slot = kNamedSlots[i];
        const uint32_t changed = bits((before.*slot.get)()) ^ bits((after.*slot.get)());
        if (changed != 0)
            masks[{StorageBlock::Named, static_cast<int>(i)}] |= changed;
        (rest.*slot.set)((before.*slot.get)());
    }
    return rest == before;
}

Footprint probe(SettingKey key, const AccessContext& context)
{
    static const std::array<Record, 4> records = probe_records();
    std::map<std::pair<StorageBlock, int>, uint32_t> masks;
    bool elsewhere = false;
    for (const Record& base : records)
        for (int value : domain_values(setting(key).domain)) {
            Record after = base;
            write(key, after, value, context);
            elsewhere = !collect(base, after, masks) || elsewhere;
        }
    Footprint parts;
    for (const auto& [place, mask] : masks)
        parts.push_back({place.first, place.second, mask});
    if (elsewhere)
        parts.push_back({StorageBlock::Named, kElsewhere, ~uint32_t{0}});
    return parts;
}

std::string_view block_prefix(StorageBlock block)
{
    switch (block) {
    case StorageBlock::SettingsWord: return "W";
    case StorageBlock::PintraWord: return "pintra";
    case StorageBlock::TavelWord: return "tavel";
    case StorageBlock::CameraWord: return "camera";
    case StorageBlock::Named: break;
    }
    return "";
}

} // namespace

const Footprint& footprint(SettingKey key, const AccessContext& context)
{
    static std::mutex guard;
    static std::map<std::tuple<SettingKey, int, int>, Footprint> cache;
    const std::lock_guard lock(guard);
    const auto index = std::make_tuple(key, context.product, context.packType);
    auto found = cache.find(index);
    if (found == cache.end())
        found = cache.emplace(index, probe(key, context)).first;
    return found->second;
}

std::string footprint_text(const Footprint& footprint)
{
    if (footprint.empty())
        return "-";
    std::string text;
    for (const FootprintPart& part : footprint) {
        if (!text.empty())
            text += ' ';
        if (part.block != StorageBlock::Named) {
            char mask[16];
            std::snprintf(mask, sizeof mask, "0x%X", part.mask);
            text += std::string(block_prefix(part.block)) + std::to_string(part.index) + ":" + mask;
        } else if (part.index >= 0 && static_cast<std::size_t>(part.index) < kNamedNames.size()) {
            text += kNamedNames[static_cast<std::size_t>(part.index)];
        } else {
            text += "elsewhere";
        }
    }
    return text;
}

std::span<const std::string_view> named_setting_names() { return kNamedNames; }

bool same_setting(SettingKey a, SettingKey b, const AccessContext& context)
{
    return footprint(a, context) == footprint(b, context);
}

const std::vector<std::pair<SettingKey, SettingKey>>& aliases()
{
    static const std::vector<std::pair<SettingKey, SettingKey>> pairs = [] {
        const AccessContext context;
        std::vector<std::pair<SettingKey, SettingKey>> out;
        const std::span<const Setting> rows = catalogue();
        for (std::size_t a = 0; a < rows.size(); ++a)
            for (std::size_t b = a + 1; b < rows.size(); ++b)
                if (same_setting(rows[a].key, rows[b].key, context))
                    out.emplace_back(rows[a].key, rows[b].key);
        return out;
    }();
    return pairs;
}

} // namespace kivo::settings
