// libFuzzer entry point: the start-up clean-up of recorded downloads, over a record of a run that
// has ended whose contents are the input. Beyond not crashing: whatever the record holds, at most
// one file goes, a regular file of the temporary's name the record stands for; other names, links
// and folders stay; a record that names the temporary where it stands removes it; and the record
// itself goes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/temporary_files.h"

namespace fs = std::filesystem;

namespace {

// At a fixed place, so that the seeds can name it. No process can have the id in these names.
const fs::path kRoot = "/tmp/kivo-record-fuzz";
const fs::path kUser = kRoot / "user";
const fs::path kRecords = kRoot / "records";
const std::string kTemporary = ".fw.img.download-999999999-0";
const std::string kRecord = "fw.img.download-999999999-0.record";

// Every file the clean-up must leave. (A file of the temporary's name elsewhere may go: a record
// names the folder the download stood in.)
const std::vector<fs::path> kKept = {kUser / "fw.img", kUser / ".other.img.download-999999999-0",
                                     kUser / ".link.img.download-999999999-0", kUser / ".dir.img.download-999999999-0"};

void lay_out()
{
    fs::create_directories(kUser);
    fs::create_directories(kRecords);
    for (const fs::path& file :
         {kUser / "fw.img", kUser / kTemporary, kUser / ".other.img.download-999999999-0", kRoot / kTemporary})
        std::ofstream(file) << "kept";
    std::error_code ignored;
    fs::create_symlink(kUser / "fw.img", kUser / ".link.img.download-999999999-0", ignored);
    fs::create_directories(kUser / ".dir.img.download-999999999-0");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    lay_out();
    std::ofstream(kRecords / kRecord, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::string exact = (kUser / kTemporary).string() + "\n";
    const bool names_it = std::string(reinterpret_cast<const char*>(data), size) == exact;

    const std::vector<fs::path> removed = kivo::remove_recorded_downloads(kRecords);

    std::error_code ignored;
    for (const fs::path& file : kKept)
        if (!fs::exists(fs::symlink_status(file, ignored)))
            std::abort();
    if (!fs::is_symlink(kUser / ".link.img.download-999999999-0") ||
        !fs::is_directory(kUser / ".dir.img.download-999999999-0"))
        std::abort();
    if (removed.size() > 1 || (!removed.empty() && (removed[0].filename() != kTemporary || fs::exists(removed[0]))))
        std::abort();
    if (names_it && (removed.size() != 1 || fs::exists(kUser / kTemporary)))
        std::abort();
    if (!fs::is_empty(kRecords))
        std::abort();
    return 0;
}
