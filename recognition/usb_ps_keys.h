#pragma once
// The persistent-store keys that recognition reads and writes on the older plain-USB headsets.
// Every key is a list of 16-bit words, little-endian on the wire.

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

} // namespace kivo::ps_key
