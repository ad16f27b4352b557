// The write of the unit-language record against untrusted answers to its read, on the simulated
// bus under the virtual clock.
//
// Input: byte 0 the code, byte 1 the status of the write's answer, then the 67-byte answer to the
// group read (padded with zeros).
//
// Beside the sanitizers, it checks the write: sent only for a word count of 2 or 4 and more, and
// then the answer's bytes 3 to 66 with only the code bits, and for a count of 2 the widening, changed.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "tests/sim/bus.h"
#include "update/engine/hid/voice_prompt_language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The link's lines would drown the fuzzer's own output.
    static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;
    (void)quiet;
    if (size < 2)
        return 0;
    const int code = data[0];
    const uint8_t write_status = data[1];
    sim::Bytes reply(67, 0);
    std::copy_n(data + 2, std::min<size_t>(size - 2, reply.size()), reply.begin());

    sim::Session session;
    auto device = sim::bus().plug_hid(0x3142, [&](const sim::Bytes& out) {
        sim::HidReply answer;
        answer.reports.push_back(out[1] == 0x03 ? reply : sim::status_report(out[1], write_status));
        return answer;
    });
    uint32_t product = 0;
    std::array<char, 64> text{};
    if (hid_open_device(product, text) != 0)
        std::abort();
    const bool written = kivo::VoicePromptLanguage::bt_set_unit_language_with(0, code);
    hid_close_devices();

    std::optional<sim::Bytes> write;
    for (const sim::Bytes& out : device->hid[0]->outputs())
        if (out[1] == 0x04)
            write = out;
    const bool read_ok = reply[2] == 0;
    const uint8_t count = reply[4];
    const bool count_ok = count == 2 || count >= 4;
    if (write.has_value() != (read_ok && count_ok))
        std::abort();
    if (written && (!write || write_status != 0))
        std::abort();
    if (!write)
        return 0;
    sim::Bytes expected(1023, 0);
    expected[0] = 0x01;
    expected[1] = 0x04;
    std::copy(reply.begin() + 3, reply.end(), expected.begin() + 2);
    expected[11] = static_cast<uint8_t>((reply[12] & 0xE0) | (code & 0x1F));
    if (count == 2) {
        expected[3] = 4;
        expected[11] |= 0x20;
    }
    if (*write != expected)
        std::abort();
    return 0;
}
