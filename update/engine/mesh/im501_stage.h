#pragma once
// The voice-processor chip (iM501) of the camera-mesh headsets, written through their mesh module
// while the module is open in slot 0: its image erased, then sent in passes of chunks of at most
// 58 bytes, each checked by its CRC; a pass ends at the first chunk that fails (no chunk is sent
// again on its own) and closes with the all-CRC of the chunks the pass got through; a refused pass
// starts again from the first chunk, without a new erase. Then the chip's final check. No step ends
// the run: the module and the headset must still be brought back whatever the chip did, so the
// outcome is handed to the caller, which reports a chip left unwritten at the end.

#include <cstdint>
#include <span>

namespace kivo {

inline constexpr int kIm501Passes = 6;
// The erase names the chip's image in byte 2, where the module's own erase has 0.
inline constexpr uint8_t kIm501Image = 1;

// True when the erase, one whole pass with its all-CRC, and the final check all succeeded. The
// first all-CRC the module accepts ends the passes; when its pass stopped early, the chip holds
// part of its image and counts as unwritten.
bool write_im501(std::span<const uint8_t> image);

} // namespace kivo
