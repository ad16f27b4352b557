#pragma once
// The recognition page's texts, and the translation of the link's status texts that recognition
// shows. Only constant tables are read, so the recognition worker builds its status texts here.

#include <optional>
#include <string>
#include <string_view>

#include "text/localized.h"

namespace kivo {

class RecognitionTexts {
public:
    // The page's instructions: the connection step, then the step that names Next.
    static std::string stringInstruction(ManagerLanguage in);
    static std::string stringInstructionPressNextButtonAt(int step, ManagerLanguage in);
    // Filled with the selected product's display name.
    static std::string stringMessageDeviceOtherThan(std::string_view product_name, ManagerLanguage in);
    // Filled with the application's title.
    static std::string stringMessageRestartingManager(std::string_view title, ManagerLanguage in);
    // "Cannot restore %@" with the name of the setting under a persistent-store key (no name for
    // a key outside the table).
    static std::string tavk_string_cannot_restore_in(int key, ManagerLanguage in);
    // "Cannot restore %@" with the name of the speed-dial tab.
    static std::string tavk_string_cannot_restore_speed_dial_in(ManagerLanguage in);
    // The link's status text ("Device recognized successfully", "Firmware management mode") in
    // the language; none for any other text.
    static std::optional<std::string> tavk_string_for_status_in(std::string_view link_text, ManagerLanguage in);
};

// The name of the setting under a persistent-store key; none for a key without one.
std::optional<std::string> setting_key_name_in(int key, ManagerLanguage in);

} // namespace kivo
