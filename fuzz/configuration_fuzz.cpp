// libFuzzer entry point: the configuration reader (its Qt-free core) on arbitrary text. Beyond not
// crashing: values read write an archive that reads back as the same values.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/configuration_values.h"
#include "device/keyed_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kivo::ConfigurationValues values;
    try {
        const KeyedUnarchiver coder(text, kivo::kConfigurationClassName);
        values = kivo::read_configuration_values(coder);
    } catch (const ArchiveError&) {
        return 0;
    }
    // Without a pending restart firmware its other values are not written: compare what is.
    if (!values.restartFirmwarePending()) {
        values.indexRestartDFUFirmwareLanguage = 0;
        values.deviceVersionRestartDFU = {};
    }
    // The writer always writes a language; an empty one reads back as present.
    if (!values.strLanguageManager)
        values.strLanguageManager = "";

    KeyedArchiver writer(kivo::kConfigurationClassName);
    kivo::write_configuration_values(writer, values);
    try {
        const KeyedUnarchiver coder(writer.text(), kivo::kConfigurationClassName);
        if (!(kivo::read_configuration_values(coder) == values))
            std::abort();
    } catch (const ArchiveError&) {
        std::abort();
    }
    return 0;
}
