#include "recognition/usb_write_back.h"

#include <algorithm>
#include <array>

#include "device/products/usb_write_back_rows.h"
#include "link/bccmd.h"
#include "recognition/usb_ps_keys.h"
#include "recognition/usb_settings_read.h"

namespace kivo {
namespace {

using namespace usb_write_back;

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
