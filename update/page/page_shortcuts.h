#pragma once
// The shortcut hints the update and restore pages show in place of their titles. "[C]" is the Ctrl
// key, "[O]" the Alt key; the hints are display only.

namespace kivo::shortcuts {

inline constexpr char kUpdateOnUpdatePage[] = "[O][C]-U";
inline constexpr char kRestoreOnRestorePage[] = "[O][C]-E";
inline constexpr char kBrowse[] = "[C]-B";
inline constexpr char kDownload[] = "[C]-D";
inline constexpr char kLanguagePopUp[] = "[C]-L";

} // namespace kivo::shortcuts
