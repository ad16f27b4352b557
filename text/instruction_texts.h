#pragma once
// The lines of the message boxes in which the update asks the user to act on the device, and the
// message shown when the backup of the device's firmware cannot be written. Only constant tables
// are read, so the update's worker thread calls these directly.

#include <string>

#include "text/localized.h"

namespace kivo {

class InstructionTexts {
public:
    // Empty for a product that has no instruction for the step; the box is then shown without it.
    static std::string getMessageBoxFirstButton(int device_target, ManagerLanguage in);
    static std::string getMessageBoxFailureFirstButton(int device_target, ManagerLanguage in);
    static std::string getMessageBoxSecondButton(int device_target, ManagerLanguage in);
    static std::string getMessageBoxFileCreationFailed(ManagerLanguage in);
};

} // namespace kivo
