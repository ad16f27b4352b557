// The HID firmware download against untrusted DFU files and untrusted status answers, on the
// simulated bus under the virtual clock.
//
// Input: byte 0 flags (bit 0: give the file a correct CRC, so that the download goes past the
// check; bits 1-3: how many scripted status answers follow; bit 4: the device ends in appIDLE;
// bit 5: status queries fail from the one numbered by byte 3 on; bit 6: report length 7 + byte 2),
// byte 1 the busy queries after each block (0 to 3), bytes 2 and 3 as above, then 5 bytes per
// scripted answer (status, poll time-out u24, state), then the DFU file.
//
// Beside the sanitizers, it checks that a download reported as a success delivered exactly the
// bytes the file's image length names and closed the download.

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "flasher/hid/hiddfu.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_dfu_device.h"

namespace {

constexpr size_t kHeader = 4;
constexpr size_t kAnswer = 5;

const std::string& file_path()
{
    static const std::string path = "/tmp/hiddfu-fuzz-" + std::to_string(getpid()) + ".dfu";
    return path;
}

bool write_file(const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(file_path().c_str(), "wb");
    if (f == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

void give_correct_crc(std::vector<uint8_t>& file)
{
    if (file.size() < 16)
        return;
    const size_t at = file.size() - 4;
    const uint32_t crc = ~static_cast<uint32_t>(crc32_z(0, file.data(), at));
    for (size_t i = 0; i < 4; ++i)
        file[at + i] = static_cast<uint8_t>(crc >> (8 * i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The download's lines would drown the fuzzer's own output.
    static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;
    (void)quiet;
    if (size < kHeader)
        return 0;
    const uint8_t flags = data[0];
    const size_t answers = (flags >> 1) & 0x07;
    if (size < kHeader + answers * kAnswer)
        return 0;

    sim::Session session;
    sim::HidDfuPersona persona;
    persona.busy_queries = data[1] & 0x03;
    persona.ends_in_app_idle = (flags & 0x10) != 0;
    if ((flags & 0x20) != 0)
        persona.failing_gets_from = data[3];
    for (size_t i = 0; i < answers; ++i) {
        const uint8_t* a = data + kHeader + i * kAnswer;
        persona.script.push_back({a[0], uint32_t{a[1]} | uint32_t{a[2]} << 8 | uint32_t{a[3]} << 16, a[4], 0});
    }

    const uint8_t* file_start = data + kHeader + answers * kAnswer;
    std::vector<uint8_t> file(file_start, data + size);
    if ((flags & 0x01) != 0)
        give_correct_crc(file);
    if (!write_file(file))
        return 0;

    sim::PluggedHidDfu target = sim::plug_hid_dfu(persona);
    HidDfuSession download{hid_open_path(target.hid().path().c_str())};
    if ((flags & 0x40) != 0)
        download.report_length = static_cast<uint16_t>(7 + data[2]);
    const int result = hiddfu_download_file(download, file_path().c_str());
    hid_close(download.device);
    std::remove(file_path().c_str());

    if (result == HIDDFU_OK) {
        const uint32_t length = hiddfu_image_length(file);
        const bool delivered = length <= file.size() && target.manifested() &&
            target.image() == std::vector<uint8_t>(file.begin(), file.begin() + length);
        if (!delivered)
            std::abort();
    }
    return 0;
}
