#pragma once
// The helmet camera: its version text puts the secondary pair first, so it compares and shows by
// that pair, and over plain USB it is recognized only with its memory card mounted.

namespace kivo {

inline constexpr int kCameraProductId = 0x3020;

} // namespace kivo
