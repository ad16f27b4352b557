#pragma once
// The manager's own version. Backups record it, and the manager-update check compares the server's
// list against it.

namespace kivo {

inline constexpr int kManagerVersionMajor = 1;
inline constexpr int kManagerVersionMinor = 2;
inline constexpr int kManagerSecondaryVersion = 0;

} // namespace kivo
