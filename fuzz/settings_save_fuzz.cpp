// The settings save over HID against untrusted device answers, on the simulated bus under the
// virtual clock: the readiness and version answers it checks, the status of every write, busy
// answers, short and overlong reports.
//
// Input: byte 0 chooses the product (one of each HID write path, and the two-interface headsets),
// byte 1 the firmware the record holds (major in the high four bits, minor in the low four), then
// the device's answers in order, one per report it is sent: a length byte and that many bytes of
// the answer (a status report over 1023/67-byte reports, the echoed command, status and data over
// 62-byte ones; the rest of a report is zero). Once the answers run out the headset falls silent.
//
// Beside the sanitizers, it checks that the save ends with a code a HID path gives (0, 8 or 9) and
// leaves no HID handle open.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "settings/save/save_run.h"
#include "tests/link/test_opener.h"
#include "tests/sim/bus.h"

namespace {

constexpr std::array<uint16_t, 12> kProducts = {0x4210, 0x3560, 0x6800, 0x6510, 0x5630, 0x5552,
                                                0x6038, 0x6461, 0x3310, 0x3142, 0x5410, 0x5510};
constexpr uint16_t kShortReportProduct = 0x6800;
constexpr size_t kHeader = 2;
constexpr size_t kStatusReport = 67;

struct Answers {
    std::vector<uint8_t> bytes;
    size_t next = 0;

    // The next answer, or none once they have run out.
    std::optional<sim::Bytes> take(size_t report_size)
    {
        if (next >= bytes.size())
            return std::nullopt;
        const size_t length = std::min<size_t>(bytes[next++], report_size);
        sim::Bytes answer(bytes.begin() + static_cast<long>(next),
                          bytes.begin() + static_cast<long>(std::min(next + length, bytes.size())));
        next += length;
        if (report_size == kStatusReport)
            answer.resize(kStatusReport, 0);
        else if (answer.empty())
            return std::nullopt; // nothing to serve: the poll finds nothing
        return answer;
    }
};

void plug(uint16_t product, const std::shared_ptr<Answers>& answers)
{
    const bool short_reports = product == kShortReportProduct;
    sim::bus().plug_hid(product, [answers, short_reports](const sim::Bytes&) {
        sim::HidReply reply;
        if (std::optional<sim::Bytes> answer = answers->take(short_reports ? 62 : kStatusReport)) {
            if (short_reports)
                reply.answers.push_back(std::move(*answer));
            else
                reply.reports.push_back(std::move(*answer));
        }
        return reply;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The link's lines would drown the fuzzer's own output.
    static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;
    (void)quiet;
    if (size < kHeader)
        return 0;

    sim::Session session;
    const uint16_t product = kProducts[data[0] % kProducts.size()];
    auto answers = std::make_shared<Answers>();
    answers->bytes.assign(data + kHeader, data + size);
    plug(product, answers);
    if (product == 0x4210)
        plug(product, answers); // its second interface

    kivo::settings::SettingsSaveInput input;
    input.deviceTarget = product;
    input.usbStatus = product;
    input.data.setDeviceRecognized(product);
    const FirmwareQuad version{data[1] >> 4, data[1] & 0x0F, 0, 0};
    input.data.setDeviceVersion(version);
    input.data.setDeviceVersion01(version);
    input.data.setDeviceVersion02(version);
    input.dataCurrent = input.data;
    input.dataCurrent.setVoicePrompt(1);
    input.dataCurrent.setBasicSettingBriskoAt_with(0, 0x1234);
    input.opener = open_product_in_two_slots(product);

    const int result = kivo::settings::threadMethodSave(input).result;
    const bool hid_code = result == kivo::settings::kSaveSucceeded || result == kivo::settings::kSaveWriteFailed ||
        result == kivo::settings::kSaveNotRecognized;
    if (!hid_code || session.bus().open_hid_handles() != 0)
        std::abort();
    return 0;
}
