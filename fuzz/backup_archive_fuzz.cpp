// libFuzzer entry point: the settings backup archive reader on arbitrary text. Beyond not
// crashing: whatever it reads writes an archive that reads back as the same record, and writing
// that record again gives the same text, so a backup once read can always be restored.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "device/backup_archive.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Dates are written with the local offset; one far from UTC tries the most.
    setenv("TZ", "KVT-14", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    KIVOBluetoothDeviceData record;
    try {
        record = kivo::unarchive_device_record(text);
    } catch (const ArchiveError&) {
        return 0;
    }
    const std::string written = kivo::archive_device_record(record);
    KIVOBluetoothDeviceData again;
    try {
        again = kivo::unarchive_device_record(written);
    } catch (const ArchiveError&) {
        std::abort(); // a record read must write an archive that reads
    }
    if (!(again == record) || kivo::archive_device_record(again) != written)
        std::abort();
    return 0;
}
