#include <gtest/gtest.h>

#include "flasher/crc_software.h"
#include "tests/flasher/crc_reference.h"
#include "tests/flasher/temp_dir.h"

namespace {

TEST(CrcSoftware, MatchesCrc32Mpeg2OverWordsTakenLittleEndian)
{
    const std::string check = "123456789";
    EXPECT_EQ(flasher_test::crc32_mpeg2(reinterpret_cast<const uint8_t*>(check.data()), check.size()), 0x0376E6E7u);

    const flasher_test::Bytes data = flasher_test::pattern(1000, 7);
    EXPECT_EQ(stm32_crc_software(0xFFFFFFFF, data.data(), data.size()), flasher_test::stm32_crc_reference(data));
    // Fed in pieces, it is the same CRC.
    const uint32_t half = stm32_crc_software(0xFFFFFFFF, data.data(), 500);
    EXPECT_EQ(stm32_crc_software(half, data.data() + 500, 500), flasher_test::stm32_crc_reference(data));
}

TEST(CrcSoftware, LengthNotAMultipleOfFourGivesZeroAndAMessage)
{
    const uint8_t data[6] = {1, 2, 3, 4, 5, 6};
    testing::internal::CaptureStderr();
    EXPECT_EQ(stm32_crc_software(0xFFFFFFFF, data, sizeof data), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Buffer length must be multiple of 4 bytes\n");
}

} // namespace
