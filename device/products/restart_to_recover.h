#pragma once
// Products in the rules of restart-to-recover.

namespace kivo {

// After a failed update or restore of this product, a recognition that fails on another product
// offers to restart the manager.
inline constexpr int kRestartAdviceProduct = 0x5310;

// The usbStatus the recognition page's "continue the firmware ..." status is written for after a
// restart to recover: a device in normal mode.
inline constexpr int kRecoveryStatusProduct = 0x4D10;

} // namespace kivo
