// The download of a DFU file: the file checks, then the blocks, then the closing zero-length block.

#include "flasher/hid/hiddfu.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "flasher/hid/crc.h"
#include "link/link_trace.h"

using kivo::link_trace;

namespace {

// The USB DFU 1.1 file suffix, the last bytes of the file.
constexpr long kSuffixSize = 16;
constexpr size_t kBcdDfuAt = 6;
constexpr size_t kSignatureAt = 8;
constexpr size_t kLengthAt = 11;
constexpr size_t kCrcAt = 12;
constexpr long kCrcSize = 4;
constexpr uint16_t kBcdDfu = 0x0100;
constexpr std::array<uint8_t, 3> kSignature = {'U', 'F', 'D'};

constexpr long kImageLengthAt = 10;
// The download counts the bytes still to send in a signed 32-bit number.
constexpr uint32_t kImageLengthLimit = 0x8000'0000;

constexpr std::array<uint8_t, 2> kClearStatus = {kHidDfuRequestReportId, kHidDfuClearStatusRequest};

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

void say(const char* line) { link_trace("%s\n", line); }

uint32_t le32(const uint8_t* bytes)
{
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

long file_size(FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    return std::ftell(file);
}

bool read_at(FILE* file, long offset, uint8_t* into, size_t count)
{
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(into, 1, count, file) == count;
}

bool suffix_valid(const std::array<uint8_t, kSuffixSize>& suffix, long file_size)
{
    const uint16_t bcd_dfu = static_cast<uint16_t>(suffix[kBcdDfuAt] | suffix[kBcdDfuAt + 1] << 8);
    return bcd_dfu == kBcdDfu && std::equal(kSignature.begin(), kSignature.end(), &suffix[kSignatureAt]) &&
        suffix[kLengthAt] >= kSuffixSize && suffix[kLengthAt] <= file_size;
}

// The running CRC-32 over the first count bytes, from 0xFFFFFFFF.
bool file_crc(FILE* file, long count, uint32_t& crc)
{
    Crc32Register running;
    crc32_set(running, 0xFFFFFFFF);
    if (std::fseek(file, 0, SEEK_SET) != 0)
        return false;
    std::vector<uint8_t> buffer(64 * 1024);
    for (long left = count; left > 0;) {
        const size_t n = static_cast<size_t>(std::min<long>(left, static_cast<long>(buffer.size())));
        if (std::fread(buffer.data(), 1, n, file) != n)
            return false;
        crc32_update(running, buffer.data(), n);
        left -= static_cast<long>(n);
    }
    crc = crc32_update(running, nullptr, 0);
    return true;
}

// The suffix, the CRC and the image length: 0 with the image length set, else a hiddfu_result.
int check_file(FILE* file, long size, int32_t& image_length)
{
    std::array<uint8_t, kSuffixSize> suffix{};
    if (!read_at(file, size - kSuffixSize, suffix.data(), suffix.size())) {
        say("failed to read");
        return HIDDFU_INVALID_FILE;
    }
    if (!suffix_valid(suffix, size)) {
        say("file suffix is invalid");
        return HIDDFU_INVALID_FILE;
    }
    uint32_t crc = 0;
    if (!file_crc(file, size - kCrcSize, crc)) {
        say("failed to read");
        return HIDDFU_INVALID_FILE;
    }
    const uint32_t stored = le32(&suffix[kCrcAt]);
    link_trace("CRC %X %X \n", crc, stored);
    if (crc != stored)
        return HIDDFU_CRC_MISMATCH;

    // A length beyond the image would send padding (or the suffix) as firmware.
    std::array<uint8_t, kImageLengthAt + 4> head{};
    if (!read_at(file, 0, head.data(), head.size())) {
        say("failed to read");
        return HIDDFU_INVALID_FILE;
    }
    const uint32_t length = hiddfu_image_length(head);
    const long image_bytes = size - suffix[kLengthAt];
    if (length == 0 || length >= kImageLengthLimit || static_cast<long>(length) > image_bytes) {
        say("image length is invalid");
        return HIDDFU_INVALID_FILE;
    }
    image_length = static_cast<int32_t>(length);
    return HIDDFU_OK;
}

// Zeroes the report and reads the next image bytes into it from byte 6.
bool fill_block(FILE* file, std::vector<uint8_t>& report, int32_t remaining)
{
    std::fill(report.begin(), report.end(), 0);
    const size_t count = std::min(report.size() - kHidDfuBlockHeaderSize, static_cast<size_t>(remaining));
    return std::fread(report.data() + kHidDfuBlockHeaderSize, 1, count, file) == count;
}

// The status before the first block; a device that reports status 10 is cleared once.
int wait_ready_to_start(HidDfuSession& session)
{
    const int result = hiddfu_wait_status(session, false);
    if (result != HIDDFU_DEVICE_ERROR)
        return result;
    say("CLRSTATUS");
    if (hid_send_feature_report(session.device, kClearStatus.data(), kClearStatus.size()) < 0)
        return HIDDFU_CLEAR_STATUS_FAILED;
    return hiddfu_wait_status(session, false);
}

// The zero-length block that ends the download, numbered after the last one.
int send_closing_block(HidDfuSession& session, std::vector<uint8_t>& report, uint16_t block)
{
    std::fill(report.begin(), report.end(), 0);
    report[0] = kHidDfuBlockReportId;
    report[1] = kHidDfuDownloadRequest;
    report[2] = static_cast<uint8_t>(block);
    report[3] = static_cast<uint8_t>(block >> 8);
    if (hid_send_feature_report(session.device, report.data(), report.size()) < 0) {
        say("write device failed");
        return HIDDFU_TRANSFER_FAILED;
    }
    return hiddfu_wait_status(session, true);
}

int send_image(HidDfuSession& session, FILE* file, int32_t remaining)
{
    std::vector<uint8_t> report(session.report_length);
    const size_t largest_data = report.size() - kHidDfuBlockHeaderSize;
    if (std::fseek(file, 0, SEEK_SET) != 0 || !fill_block(file, report, remaining)) {
        say("read_failed");
        say("\nComplete");
        return HIDDFU_READ_ERROR;
    }
    int result = wait_ready_to_start(session);
    if (result != HIDDFU_OK) {
        say("\nComplete");
        return result;
    }

    uint16_t block = 0;
    bool last_block_sent = false;
    while (hiddfu_send_block(session.device, largest_data, report, remaining, block) == HIDDFU_OK) {
        if (remaining <= 0) {
            last_block_sent = true;
            break;
        }
        result = hiddfu_wait_status(session, false);
        if (result != HIDDFU_OK) {
            say("\nComplete");
            return result;
        }
        if (!fill_block(file, report, remaining)) {
            say("read failed");
            say("\nComplete");
            return HIDDFU_READ_ERROR;
        }
    }
    say("\nComplete");
    // A block that could not be sent leaves the device with part of the image.
    if (!last_block_sent)
        return HIDDFU_TRANSFER_FAILED;
    result = hiddfu_wait_status(session, false);
    if (result != HIDDFU_OK)
        return result;
    return send_closing_block(session, report, block);
}

int check_and_download(HidDfuSession& session, FILE* file, long size)
{
    int32_t image_length = 0;
    const int checked = check_file(file, size, image_length);
    if (checked != HIDDFU_OK)
        return checked;
    say("Clear CRC");
    if (session.report_length <= kHidDfuBlockHeaderSize) {
        say("file format is invalid no payload found");
        return HIDDFU_INVALID_FILE;
    }
    return send_image(session, file, image_length);
}

} // namespace

int hiddfu_download_file(hid_device* device, const char* path)
{
    HidDfuSession session{device};
    return hiddfu_download_file(session, path);
}

int hiddfu_download_file(HidDfuSession& session, const char* path)
{
    const File file(path != nullptr ? std::fopen(path, "rb") : nullptr);
    if (!file) {
        say("no file");
        return HIDDFU_INVALID_FILE;
    }
    const long size = file_size(file.get());
    if (size < kSuffixSize) {
        say("file too short");
        return HIDDFU_INVALID_FILE;
    }
    const int result = check_and_download(session, file.get(), size);
    link_trace("Finished (%s %d)\n", result == HIDDFU_OK ? "noerr" : "err", result);
    return result;
}
