// The firmware index read against untrusted server text.
//
// Input: byte 0 chooses the page (bit 0: restore), the camera's version form (bit 1) and whether
// the firmware's language follows the interface's (bit 2); the rest is the body.
//
// Beside the sanitizers, it checks what the pages rely on: the file and language lists stay
// index-aligned and bounded, every selection names an item that exists when it is applied, the
// update page offers no version for a body that is not ASCII, and only the restore page says a
// restore is possible.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "update/server/firmware_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);

    kivo::FirmwareIndexQuery query;
    query.page = (flags & 1) != 0 ? kivo::IndexPage::Restore : kivo::IndexPage::Update;
    query.camera = (flags & 2) != 0;
    query.applyToLanguageFirmware = (flags & 4) != 0;
    query.internalName = "P";
    query.strLanguageFirmware = "French";
    query.strLanguageManager = "German";
    query.backup.setDeviceVersionMajor(1);
    query.backup.setDeviceVersionMinor(0);

    const kivo::FirmwareIndexRead read = kivo::read_firmware_index(body, query);
    if (read.fileNames.size() != read.languages.size() || read.languages.size() > kivo::kFirmwareIndexMaxLanguages)
        std::abort();
    if (query.page == kivo::IndexPage::Update && read.restorePossible)
        std::abort();
    if (query.page == kivo::IndexPage::Update && !kivo::is_ascii(body) && !(read.latest == FirmwareQuad{}))
        std::abort();
    size_t items = 0;
    for (const kivo::PopUpOperation& operation : read.popUp) {
        switch (operation.kind) {
        case kivo::PopUpOperation::Kind::RemoveAll: items = 0; break;
        case kivo::PopUpOperation::Kind::Add: ++items; break;
        case kivo::PopUpOperation::Kind::Select:
            if (operation.index < 0 || static_cast<size_t>(operation.index) >= items)
                std::abort();
            break;
        }
    }
    if (items != read.languages.size())
        std::abort();
    return 0;
}
