#pragma once
// The firmware server's index of firmware versions: a text of lines "product:version:file" (one
// file for every voice-prompt language), "product:version:language:file" (consecutive lines of one
// product form a language block), "product:number" (the secondary number of the latest version,
// right after the product's line or block) and separators. The update page reads the latest version
// of its product from the leaf "Firmware"; the restore page looks up the backup's version in the
// leaf "Revisions". Pure: the body in, what the page shows out; no Qt, no network.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/device_data.h"

namespace kivo {

inline constexpr char kFirmwareLeaf[] = "Firmware";
inline constexpr char kRevisionsLeaf[] = "Revisions";
// An index is a few KiB; anything longer is not one.
inline constexpr std::size_t kFirmwareIndexMaxBytes = std::size_t{4} << 20;
// More languages than any product has: a longer block is read on, its further lines not listed.
inline constexpr std::size_t kFirmwareIndexMaxLanguages = 64;

enum class IndexPage { Update, Restore };

// One change of the page's voice-prompt language pop-up, in the order the read makes them.
struct PopUpOperation {
    enum class Kind { RemoveAll, Add, Select };
    Kind kind = Kind::RemoveAll;
    // Add: the language field as the index gives it (an English language name, untrusted).
    std::string language;
    // Select: the item to select.
    int index = 0;

    bool operator==(const PopUpOperation&) const = default;
};

struct FirmwareIndexQuery {
    IndexPage page = IndexPage::Update;
    // The product's name on the server; an empty name matches no line.
    std::string internalName;
    // The voice-prompt language the user chose last (English name).
    std::string strLanguageFirmware;
    // The camera's versions have four parts, secondary pair first.
    bool camera = false;
    // Restore page: the backup record whose version is looked for.
    KIVOBluetoothDeviceData backup;
    // The interface language's English name, and whether the firmware's language follows it.
    std::string strLanguageManager;
    bool applyToLanguageFirmware = false;
    // What the page held before the read: a version that does not parse leaves these.
    FirmwareQuad latest;
    std::string fileNameLatestVersion;
};

struct FirmwareIndexRead {
    FirmwareQuad latest;
    std::string fileNameLatestVersion;
    // Index-aligned with the pop-up's items: the file and the language field of each listed line.
    std::vector<std::string> fileNames;
    std::vector<std::string> languages;
    std::vector<PopUpOperation> popUp;
    // Restore page: the backup's version is listed.
    bool restorePossible = false;
};

// Reads body (none: no answer, or one that counts as none) for the query. A body that is not
// ASCII counts as none.
FirmwareIndexRead read_firmware_index(std::optional<std::string_view> body, const FirmwareIndexQuery& query);

bool is_ascii(std::string_view text);

} // namespace kivo
