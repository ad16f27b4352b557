#pragma once
// The check every settings-word accessor goes through: a setter writes exactly its own bits
// (nothing else in the word or the record moves, and out-of-range values write nothing), and a
// getter maps each stored code as the device means it, whatever the neighbouring bits hold.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "device/device_data.h"

namespace codec_check {

using R = KIVOBluetoothDeviceData;

enum class Block { Settings, Camera };

// The code a setter leaves in its field; kUnchanged: the record must not change at all.
constexpr int kUnchanged = -1;

struct SetCase {
    int argument;
    int code;
};
struct GetCase {
    int code;
    int expected;
};

struct Accessor {
    std::string name;
    Block block;
    int word;
    int shift;
    int width;
    std::function<void(R&, int)> set;
    std::function<int(const R&)> get;
    std::vector<SetCase> sets;
    std::vector<GetCase> gets;
    std::function<void(R&)> prepare = [](R&) {};
};

inline uint32_t mask_of(const Accessor& a) { return ((uint32_t{1} << a.width) - 1) << a.shift; }

inline int word_of(const R& r, Block block, int index)
{
    return block == Block::Settings ? r.basicSettingBrisko(index) : r.basicSettingWispenCameraAt(index);
}

inline void set_word(R& r, Block block, int index, int value)
{
    if (block == Block::Settings)
        r.setBasicSettingBriskoAt_with(index, value);
    else
        r.setBasicSettingWispenCamera_with(index, value);
}

// Every settings and camera word filled with the same background, so that a write to the wrong
// word or the wrong bits shows.
inline R background_record(uint32_t background)
{
    R r;
    for (int i = 0; i < R::kBriskoWordCount; ++i)
        r.setBasicSettingBriskoAt_with(i, static_cast<int>(background));
    for (int i = 0; i < R::kCameraWordCount; ++i)
        r.setBasicSettingWispenCamera_with(i, static_cast<int>(background));
    return r;
}

constexpr uint32_t kBackgrounds[] = {0x00000000, 0xFFFFFFFF, 0xA5A55A5A};

inline void check(const Accessor& a)
{
    const uint32_t mask = mask_of(a);
    for (const uint32_t background : kBackgrounds) {
        R base = background_record(background);
        a.prepare(base);

        for (const SetCase& c : a.sets) {
            R r = base;
            a.set(r, c.argument);
            R expected = base;
            if (c.code != kUnchanged) {
                const uint32_t field = (static_cast<uint32_t>(c.code) << a.shift) & mask;
                set_word(expected, a.block, a.word, static_cast<int>((background & ~mask) | field));
            }
            EXPECT_EQ(static_cast<uint32_t>(word_of(r, a.block, a.word)),
                      static_cast<uint32_t>(word_of(expected, a.block, a.word)))
                << a.name << " set " << c.argument << " on background " << std::hex << background;
            EXPECT_TRUE(r == expected) << a.name << " set " << c.argument << " changed another word";
        }

        for (const GetCase& c : a.gets) {
            R r = base;
            const uint32_t field = static_cast<uint32_t>(c.code) << a.shift;
            ASSERT_EQ(field & ~mask, 0u) << a.name << ": code " << c.code << " outside the field";
            set_word(r, a.block, a.word, static_cast<int>((background & ~mask) | field));
            EXPECT_EQ(a.get(r), c.expected)
                << a.name << " code " << c.code << " on background " << std::hex << background;
        }
    }
}

// On/off: any non-zero value stores 1.
inline const std::vector<SetCase> kSwitchSets = {{0, 0}, {1, 1}, {2, 1}, {-7, 1}};
inline const std::vector<GetCase> kSwitchGets = {{0, 0}, {1, 1}};

template <typename Get, typename Set>
Accessor on_off(std::string name, Block block, int word, int bit, Get get, Set set)
{
    return {std::move(name), block, word, bit, 1, set, get, kSwitchSets, kSwitchGets};
}

// Stored inverted (0 stores 1), read back as stored.
template <typename Get, typename Set> Accessor stored_inverted(std::string name, int word, int bit, Get get, Set set)
{
    return {std::move(name), Block::Settings, word, bit, 1, set, get, {{0, 1}, {1, 0}, {5, 0}}, kSwitchGets};
}

// Stored as given, read back inverted.
template <typename Get, typename Set> Accessor read_inverted(std::string name, int word, int bit, Get get, Set set)
{
    return {std::move(name), Block::Settings, word, bit, 1, set, get, kSwitchSets, {{0, 1}, {1, 0}}};
}

constexpr Block S = Block::Settings;
constexpr Block C = Block::Camera;
constexpr int U = kUnchanged;

inline void check_all(const std::vector<Accessor>& accessors)
{
    for (const Accessor& a : accessors)
        check(a);
}

} // namespace codec_check
