#pragma once
// Every network and mail address the manager uses, in one place. The firmware servers' bases both
// end in "/kivobluetoothmanager/"; help pages are paths of the help book below them.

namespace kivo::addresses {

inline constexpr char kGlobalServerBase[] = "https://firmware.example.com/kivobluetoothmanager/";
inline constexpr char kRegionalServerBase[] = "https://firmware-cn.example.com/kivobluetoothmanager/";

// Paths of the help book, relative to a server base.
inline constexpr char kHelpOverviewPath[] = "help/index.html";
inline constexpr char kHelpReleaseNotesPath[] = "help/release-notes.html";
inline constexpr char kHelpRecognitionFailurePath[] = "help/recognition-failure.html";

inline constexpr char kSupportMail[] = "mailto:support@example.com";
inline constexpr char kMakerWebSite[] = "https://www.example.com/";

} // namespace kivo::addresses
