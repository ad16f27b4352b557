#include "recognition/usb_write_back.h"

#include <algorithm>
#include <array>
#include <vector>

#include "link/bccmd.h"
#include "recognition/usb_ps_keys.h"
#include "recognition/usb_settings_read.h"

namespace kivo {
namespace {

enum class Write {
    BasicOrVox, // firmware 4.0 on: the basic settings word; before: the two VOX keys
    BasicWord, // the basic settings word
    FmBlock, // the FM radio block
    RadioGainAndTimeout,
};

struct WriteBackRow {
    std::vector<int> targets;
    std::vector<Write> writes;
};

const std::vector<WriteBackRow>& write_back_rows()
{
    static const std::vector<WriteBackRow> rows = {
        {{0x4D10, 0x4D20, 0x4D30, 0x4D40, 0x4D50, 0x5010, 0x5020, 0x5030, 0x5060, 0x5061, 0x5070, 0x5080},
         {Write::BasicOrVox}},
        {{0x5040, 0x5050}, {Write::BasicOrVox, Write::FmBlock}},
        {{0x4D15, 0x4D45, 0x4D65, 0x4D85}, {Write::BasicWord, Write::FmBlock}},
        {{0x2010, 0x2011, 0x2020, 0x2110, 0x2120, 0x2210, 0x2310, 0x4010, 0x4020, 0x4021, 0x4030, 0x4040,
          0x4110, 0x4111, 0x4112, 0x4113, 0x4120, 0x4D05, 0x4D21, 0x4D35, 0x4D55, 0x4D75, 0x5011, 0x6000,
          0x6110, 0x6111, 0x6120, 0x6121, 0x6420, 0x6430, 0x6440, 0x6450, 0x6460, 0x6470, 0x6480, 0x6490},
         {Write::BasicWord}},
        {{0x5210}, {Write::RadioGainAndTimeout}},
    };
    return rows;
}

// One key; the key itself when the device refuses it.
std::optional<uint16_t> write_key(uint16_t key, std::span<const uint16_t> words)
{
    if (bccmd_set_pskey(key, words) != 0)
        return key;
    return std::nullopt;
}

std::optional<uint16_t> write_word(uint16_t key, int value)
{
    const uint16_t word = static_cast<uint16_t>(value);
    return write_key(key, std::span<const uint16_t>(&word, 1));
}

std::optional<uint16_t> write_basic_word(const KIVOBluetoothDeviceData& saved)
{
    const std::array<uint16_t, 2> words = {saved.getSettings40(), 0};
    return write_key(ps_key::kBasicSettings, words);
}

std::optional<uint16_t> write(Write what, const KIVOBluetoothDeviceData& saved)
{
    switch (what) {
    case Write::BasicOrVox:
        if (saved.compareVersionUpToMinorWithMajor_Minor(4, 0) >= 0)
            return write_basic_word(saved);
        if (auto failed = write_word(ps_key::kIntercomVox, saved.intercomVOX()))
            return failed;
        return write_word(ps_key::kPhoneVox, saved.handsfreeVOX());
    case Write::BasicWord: return write_basic_word(saved);
    case Write::FmBlock: {
        const std::array<uint16_t, PsKeyFmBlock::kWords> words = PsKeyFmBlock::of_record(saved).words();
        return write_key(ps_key::kFmRadioBlock, words);
    }
    case Write::RadioGainAndTimeout: {
        if (auto failed = write_word(ps_key::kRadioTransmitGain, saved.radioTransmitGain()))
            return failed;
        return write_word(ps_key::kAudioChannelTimeout,
                          ps_key::audio_channel_timeout_word(saved.audioChannelTimeout()));
    }
    }
    return std::nullopt;
}

} // namespace

std::optional<uint16_t> write_back_usb_settings(int device_target, const KIVOBluetoothDeviceData& saved)
{
    for (const WriteBackRow& row : write_back_rows()) {
        if (std::find(row.targets.begin(), row.targets.end(), device_target) == row.targets.end())
            continue;
        for (const Write what : row.writes)
            if (auto failed = write(what, saved))
                return failed;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace kivo
