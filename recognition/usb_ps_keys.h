#pragma once
// The persistent-store keys that recognition reads and writes on the older plain-USB headsets.
// Every key is a list of 16-bit words, little-endian on the wire.

#include <algorithm>
#include <array>
#include <cstdint>

namespace kivo::ps_key {

inline constexpr uint16_t kLocalSupportedFeatures = 239; // 4 words: tells whether EDR is on
inline constexpr uint16_t kBasicSettings = 654; // 2 words: the basic settings word, then 0
inline constexpr uint16_t kIntercomVox = 664; // 1 word, older firmware
inline constexpr uint16_t kPhoneVox = 665; // 1 word, older firmware
inline constexpr uint16_t kFmRadioBlock = 671; // 15 words
inline constexpr uint16_t kAudioChannelTimeout = 682; // 1 word, milliseconds
inline constexpr uint16_t kRadioTransmitGain = 684; // 1 word
inline constexpr std::array<uint16_t, 3> kSpeedDials = {0x2280, 0x2281, 0x2282}; // up to 20 words each

// The local supported features a chip announces with EDR on and with EDR off.
inline constexpr std::array<uint16_t, 4> kEdrOnFeatures = {0xFEFF, 0xFE8F, 0xFF98, 0x8359};
inline constexpr std::array<uint16_t, 4> kEdrOffFeatures = {0xFEFF, 0xF88F, 0x1E18, 0x8359};

// The shortest and longest audio channel timeout a device takes, in seconds.
inline constexpr int kAudioChannelTimeoutMin = 3;
inline constexpr int kAudioChannelTimeoutMax = 60;

// The audio channel timeout key holds milliseconds in 16 bits: a record may hold any number of
// seconds, so they are kept to what a device takes first.
constexpr uint16_t audio_channel_timeout_word(int seconds)
{
    return static_cast<uint16_t>(std::clamp(seconds, kAudioChannelTimeoutMin, kAudioChannelTimeoutMax) * 1000);
}

} // namespace kivo::ps_key
