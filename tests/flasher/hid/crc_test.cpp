// The CRC functions against their check values, across split buffers, and the download's CRC-32
// against zlib and the DFU suffix CRC.

#include <gtest/gtest.h>

#include <zlib.h>

#include <string_view>

#include "flasher/hid/crc.h"
#include "link/dfu_file.h"
#include "tests/link/firmware_file_builder.h"

namespace {

const std::string_view kCheck = "123456789";
const uint8_t* bytes(std::string_view text) { return reinterpret_cast<const uint8_t*>(text.data()); }

} // namespace

TEST(Crc16Ccitt, CheckValueAndSplitBuffers)
{
    EXPECT_EQ(crc16_ccitt(bytes(kCheck), 9), 0x31C3);
    const uint16_t first = crc16_ccitt_update(0, bytes(kCheck), 4);
    EXPECT_EQ(crc16_ccitt_update(first, bytes(kCheck) + 4, 5), 0x31C3);

    EXPECT_EQ(crc16_ccitt(bytes(kCheck), 0), 0);
    EXPECT_EQ(crc16_ccitt(bytes(kCheck), -1), 0);
    EXPECT_EQ(crc16_ccitt_update(0x1ABCD, bytes(kCheck), 0), 0xABCD);
    EXPECT_EQ(crc16_ccitt_update(0x1ABCD, bytes(kCheck), -1), 0);
}

TEST(Crc32Running, RawRegisterAcrossSplitBuffers)
{
    // The check value of CRC-32/ISO-HDLC is 0xCBF43926; the raw register is its complement.
    Crc32Register crc;
    crc32_set(crc, 0xFFFFFFFF);
    crc32_update(crc, kCheck.data(), 4);
    EXPECT_EQ(crc32_update(crc, kCheck.data() + 4, 5), ~0xCBF43926u);
    EXPECT_EQ(crc32_update(crc, kCheck.data(), 0), ~0xCBF43926u) << "length 0 returns the running value";

    const fwfile::Bytes data = fwfile::pattern(5000, 7);
    for (uint32_t start : {0u, 0xFFFFFFFFu, 0x12345678u}) {
        crc32_set(crc, start);
        EXPECT_EQ(crc32_update(crc, data.data(), data.size()),
                  ~static_cast<uint32_t>(crc32_z(~start, data.data(), data.size())));
    }
    crc32_set(crc, 0xFFFFFFFF);
    EXPECT_EQ(crc32_update(crc, data.data(), data.size()), dfu_suffix_crc(data));
}
