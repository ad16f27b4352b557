#pragma once
// The keyboard-shortcut labels shown in place of titles while shortcuts are shown. "[C]" is the
// Ctrl key here.

namespace kivo::shortcuts {

inline constexpr char kNext[] = "[C]-\u25B6";
inline constexpr char kBack[] = "[C]-\u25C0";
inline constexpr char kFirstPage[] = "[C]-1";
inline constexpr char kSecondPage[] = "[C]-2";
inline constexpr char kDeviceSelection[] = "[C]-S";
inline constexpr char kDeviceRecognition[] = "[C]-R";
inline constexpr char kFirmwareUpdate[] = "[C]-U";
inline constexpr char kFirmwareRestore[] = "[C]-E";
inline constexpr char kDeviceSettings[] = "[C]-T";
inline constexpr char kEnter[] = "[ENTER]";
inline constexpr char kEscape[] = "[ESC]";

} // namespace kivo::shortcuts
