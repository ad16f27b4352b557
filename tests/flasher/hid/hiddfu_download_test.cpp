// The file checks and the block reports of a download.

#include <functional>

#include "tests/flasher/hid/hiddfu_fixture.h"

using fwfile::Bytes;

namespace {

// A block report as the device must receive it: 01 01, number and length little-endian, the data,
// zeros to the end of the report.
Bytes block_report(uint16_t number, const Bytes& data, size_t report_length)
{
    Bytes report(report_length, 0);
    report[0] = 0x01;
    report[1] = 0x01;
    report[2] = static_cast<uint8_t>(number);
    report[3] = static_cast<uint8_t>(number >> 8);
    report[4] = static_cast<uint8_t>(data.size());
    report[5] = static_cast<uint8_t>(data.size() >> 8);
    std::copy(data.begin(), data.end(), report.begin() + 6);
    return report;
}

std::vector<Bytes> feature_reports(const sim::HidInterface& hid)
{
    std::vector<Bytes> reports;
    for (const sim::HidWrite& w : hid.transcript())
        if (w.kind == sim::HidWrite::Feature)
            reports.push_back(w.bytes);
    return reports;
}

} // namespace

using HidDfuDownload = HidDfuTest;

TEST_F(HidDfuDownload, RejectedFilesNeverReachTheDevice)
{
    struct Case {
        const char* what;
        std::function<Bytes()> file; // empty: no file at all
        std::function<std::string(const Bytes&)> output;
        int result;
    };
    const auto changed = [](std::function<void(Bytes&)> change, bool fix_crc) {
        return [change, fix_crc] {
            Bytes file = dfu_file(2034);
            change(file);
            if (fix_crc)
                fwfile::put_dfu_crc(file);
            return file;
        };
    };
    const auto suffix_invalid = [](const Bytes&) { return std::string("file suffix is invalid\nFinished (err -1)\n"); };
    const auto length_invalid = [](const Bytes& file) {
        return crc_line(file) + "image length is invalid\nFinished (err -1)\n";
    };
    const size_t suffix = 2034;
    const Case cases[] = {
        {"missing file", nullptr, [](const Bytes&) { return std::string("no file\n"); }, -1},
        {"15 bytes", [] { return Bytes(15, 0); }, [](const Bytes&) { return std::string("file too short\n"); }, -1},
        {"bLength 15", changed([&](Bytes& f) { f[suffix + 11] = 15; }, true), suffix_invalid, -1},
        {"bLength beyond the file",
         [] {
             Bytes f = fwfile::with_dfu_suffix(Bytes(4, 0), 0x3A10);
             f[4 + 11] = 21;
             return f;
         },
         suffix_invalid, -1},
        {"signature", changed([&](Bytes& f) { f[suffix + 8] = 'D'; }, true), suffix_invalid, -1},
        {"bcdDFU 0x0110", changed([&](Bytes& f) { f[suffix + 6] = 0x10; }, true), suffix_invalid, -1},
        {"CRC one bit off", changed([&](Bytes& f) { f[suffix + 12] ^= 0x01; }, false),
         [](const Bytes& file) {
             const uint32_t crc = dfu_suffix_crc({file.data(), file.size() - 4});
             return crc_line(file, crc ^ 0x01) + "Finished (err -6)\n";
         },
         -6},
        {"length beyond the image", changed([](Bytes& f) { fwfile::put_le32(f, 10, 2035); }, true), length_invalid, -1},
        {"length of 2^31", changed([](Bytes& f) { fwfile::put_le32(f, 10, 0x8000'0000); }, true), length_invalid, -1},
        {"length 0", changed([](Bytes& f) { fwfile::put_le32(f, 10, 0); }, true), length_invalid, -1},
    };
    sim::PluggedHidDfu target = plug();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes file = c.file ? c.file() : Bytes{};
        const std::string path = c.file ? put(file) : "/nonexistent/image.dfu";
        capture();
        EXPECT_EQ(hiddfu_download_file(device(), path.c_str()), c.result);
        EXPECT_EQ(captured(), c.output(file));
    }
    EXPECT_TRUE(target.transcript().empty());
}

TEST_F(HidDfuDownload, ReportLengthWithoutRoomForDataIsRefused)
{
    sim::PluggedHidDfu target = plug();
    const Bytes file = dfu_file(100);
    HidDfuSession session{device(), 6};
    capture();
    EXPECT_EQ(hiddfu_download_file(session, put(file).c_str()), -1);
    EXPECT_EQ(captured(), crc_line(file) + "Clear CRC\nfile format is invalid no payload found\nFinished (err -1)\n");
    EXPECT_TRUE(target.transcript().empty());
}

TEST_F(HidDfuDownload, SendsTheImageInNumberedBlocksAndClosesWithAnEmptyOne)
{
    struct Case {
        const char* what;
        size_t image_bytes; // before the suffix
        uint32_t send; // the image length field
        uint16_t report_length;
        bool ends_in_app_idle;
    };
    const Case cases[] = {
        {"two full blocks", 2034, 2034, 1023, false},
        {"a short last block, bytes after the image", 1600, 1500, 1023, false},
        {"small reports, the device ends running the image", 100, 100, 64, true},
        {"reports too small to hold the image length field", 40, 40, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        close();
        sim::bus().reset();
        sim::HidDfuPersona persona;
        persona.ends_in_app_idle = c.ends_in_app_idle;
        sim::PluggedHidDfu target = plug(persona);
        const Bytes sent = image(c.image_bytes, c.send);
        const Bytes file = fwfile::with_dfu_suffix(sent, 0x3A10);

        capture();
        HidDfuSession session{device(), c.report_length};
        EXPECT_EQ(hiddfu_download_file(session, put(file).c_str()), 0);
        EXPECT_EQ(captured(), crc_line(file) + "Clear CRC\n\nComplete\nFinished (noerr 0)\n");

        const Bytes expected_image(sent.begin(), sent.begin() + c.send);
        std::vector<Bytes> expected;
        const size_t room = c.report_length - 6u;
        uint16_t number = 0;
        for (size_t at = 0; at < c.send; at += room, ++number) {
            const size_t end = std::min<size_t>(at + room, c.send);
            expected.push_back(block_report(number, Bytes(sent.begin() + at, sent.begin() + end), c.report_length));
        }
        expected.push_back(block_report(number, {}, c.report_length));
        EXPECT_EQ(feature_reports(target.hid()), expected);
        EXPECT_EQ(target.image(), expected_image);
        EXPECT_TRUE(target.manifested());
    }
}

TEST_F(HidDfuDownload, WaitsThePollTimeOutOfEachBusyAnswer)
{
    sim::HidDfuPersona persona;
    persona.poll_timeout_ms = 40;
    sim::PluggedHidDfu target = plug(persona);
    capture();
    EXPECT_EQ(hiddfu_download_file(device(), put(dfu_file(2034)).c_str()), 0);
    captured();
    // Each of the two blocks was busy once, and the final wait sleeps before its query.
    EXPECT_EQ(virtual_ms(), 3 * 40);
    const auto t = target.transcript();
    ASSERT_EQ(t.size(), 9u);
    EXPECT_EQ(t[2].bytes[5], sim::kDfuDnBusy);
    EXPECT_EQ(t[3].at - t[2].at, std::chrono::milliseconds(40)) << "the next query comes after the time asked for";
}
