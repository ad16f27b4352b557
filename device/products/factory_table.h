#pragma once
// The factory settings of every product the manager knows, by product id and firmware range, held
// as data. Each group lists its product ids and one row per firmware range, oldest first; a row
// applies from its `from` version up to the next row's. A row names the named settings it
// switches on and off, the values it gives to coded settings and whole settings words, and what
// it does to the FM block. Everything a row does not name keeps its value.

#include <cstdint>
#include <vector>

namespace kivo::factory {

// The named on/off settings of the record, one bit each.
enum Named : uint32_t {
    intercomVOX = 1u << 0,
    handsfreeVOX = 1u << 1,
    edr = 1u << 2,
    voicePrompt = 1u << 3,
    plc = 1u << 4,
    bitpoolRate = 1u << 5,
    microphoneBoost = 1u << 6,
    sidetone = 1u << 7,
    advancedNoiseControl = 1u << 8,
    autoGainControl = 1u << 9,
    audioBoost = 1u << 10,
    hdIntercom = 1u << 11,
    fmStationGuide = 1u << 12,
    hdVoice = 1u << 13,
    audioSourcePriority = 1u << 14,
    audioOverlay = 1u << 15,
    autoOnOff = 1u << 16,
    autoStartRecording = 1u << 17,
    smartNaviSystem = 1u << 18,
    smartNaviSystem2 = 1u << 19,
    autoOff = 1u << 20,
    simpleUI = 1u << 21,
};
inline constexpr int kNamedCount = 22;

// Coded settings and whole words a row gives a value: settings words 0 to 3, VOX sensitivity
// word 0, camera words 0 and 2.
enum Slot : uint8_t {
    W0,
    W1,
    W2,
    W3,
    VoxWord0,
    C0,
    C2,
    RadioTransmitGain,
    AudioChannelTimeout,
    BackgroundVolume,
};

struct SlotValue {
    Slot slot;
    int value;
};

// What a row does to the FM block.
enum class Fm : uint8_t {
    Keep,
    Cleared, // region 0, magic code, frequency, current preset, presets and RDS 0
    ClearedRegion1, // the same with region 1
    ClearedSixPresetsRds1, // the same with presets 6 to 9 kept and RDS 1
    Rds0Only, // RDS 0, the rest kept
};

// The lowest firmware of a row's range.
struct Since {
    enum Rule : uint8_t {
        Always, // the first range of a group
        Pair, // major.minor as passed in
        Triple, // major.minor.secondary number of the record's own firmware
        QuadType2, // the record's own firmware against major.minor with a third number (type 2)
    };
    Rule rule = Always;
    int major = 0;
    int minor = 0;
    int third = 0;
};

inline constexpr Since kAll{};
constexpr Since pair(int major, int minor) { return {Since::Pair, major, minor, 0}; }
constexpr Since triple(int major, int minor, int third) { return {Since::Triple, major, minor, third}; }
constexpr Since quad_type2(int major, int minor, int third) { return {Since::QuadType2, major, minor, third}; }

struct Row {
    Since from;
    uint32_t on = 0; // Named bits set to 1
    uint32_t off = 0; // Named bits set to 0
    std::vector<SlotValue> values = {};
    Fm fm = Fm::Keep;
};

struct Group {
    std::vector<int> products;
    std::vector<Row> rows;
};

const std::vector<Group>& factory_table();

} // namespace kivo::factory
