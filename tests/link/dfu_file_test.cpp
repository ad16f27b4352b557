#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "link/dfu_file.h"
#include "tests/link/firmware_file_builder.h"

namespace {

using fwfile::Bytes;
using fwfile::Loaded;

constexpr char kName[] = "Nimbra X#0A21";

class DfuFileTest : public ::testing::Test {
protected:
    Loaded load(const Bytes& file, std::string_view name = kName)
    {
        Loaded loaded;
        char text[64] = {};
        loaded.size = dfu_file_load(folder_.put("image.dfu", file).c_str(), loaded.buffer, text, name);
        loaded.text = text;
        return loaded;
    }

    fwfile::TempFolder folder_;
};

Bytes with_crc_renewed(Bytes file)
{
    const size_t crc_at = file.size() - DfuFileSuffix::kCrcSize;
    fwfile::put_le32(file, crc_at, dfu_suffix_crc({file.data(), crc_at}));
    return file;
}

TEST_F(DfuFileTest, ImageWithItsNameAndCrcIsHandedOverWithoutTheSuffix)
{
    const Bytes file = fwfile::make_dfu_image(kName, 5000, 0x0A21);
    const Loaded loaded = load(file);
    EXPECT_EQ(loaded.size, file.size() - DfuFileSuffix::kSize);
    EXPECT_EQ(loaded.text, kDfuChecked);
    ASSERT_TRUE(loaded.buffer);
    EXPECT_EQ(std::memcmp(loaded.buffer.get(), file.data(), file.size()), 0);
}

TEST_F(DfuFileTest, SuffixCrcIsTheOneOfTheDfuFileFormat)
{
    // Made by hand: header, name, payload, DFU 1.1 suffix with its CRC computed elsewhere.
    Bytes file;
    const std::string body = std::string("KV-IMAGE-HEADER", 16) + "Nimbra X#0A21" + std::string("\0firmware", 9);
    file.assign(body.begin(), body.end());
    const uint8_t suffix[] = {0xFF, 0xFF, 0x21, 0x0A, 0x2B, 0x09, 0x00, 0x01,
                              0x55, 0x46, 0x44, 0x10, 0x08, 0xFD, 0xF0, 0x67};
    file.insert(file.end(), std::begin(suffix), std::end(suffix));

    const Loaded loaded = load(file);
    EXPECT_EQ(loaded.size, file.size() - DfuFileSuffix::kSize);
    EXPECT_EQ(loaded.text, kDfuChecked);
}

TEST_F(DfuFileTest, DamagedShortOrForeignImagesAreRefused)
{
    const Bytes good = fwfile::make_dfu_image(kName, 200, 0x0A21);
    const struct {
        const char* what;
        Bytes file;
        std::string name;
        std::string text;
    } cases[] = {
        {"last byte changed",
         [&] {
             Bytes f = good;
             f.back() ^= 1;
             return f;
         }(),
         kName, kFirmwareCorrupted},
        {"payload byte changed",
         [&] {
             Bytes f = good;
             f[100] ^= 0x80;
             return f;
         }(),
         kName, kFirmwareCorrupted},
        {"another product", good, "Nimbra Y#0A22", "Firmware not for Nimbra Y"},
        {"name without product id", good, "Nimbra Y", "Firmware not for Nimbra Y"},
        {"blank name, other family", with_crc_renewed([&] {
             Bytes f = good;
             f[16] = ' ';
             return f;
         }()),
         kName, "Firmware not for Nimbra X"},
        {"shorter than the suffix", Bytes(good.end() - 15, good.end()), kName, kFirmwareCorrupted},
        {"only a suffix", with_crc_renewed(Bytes(good.end() - 16, good.end())), "", kFirmwareCorrupted},
        {"too short for the name", fwfile::make_dfu_image("Nimbra", 0, 0x0A21), std::string(40, 'N') + "#0A21",
         kFirmwareCorrupted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Loaded loaded = load(c.file, c.name);
        EXPECT_EQ(loaded.size, 0u);
        EXPECT_EQ(loaded.text, c.text);
        EXPECT_FALSE(loaded.buffer);
    }
}

TEST_F(DfuFileTest, BlankNameIsAcceptedForItsFamily)
{
    Bytes file = fwfile::make_dfu_image("Aldero 5#4D10", 64, 0x4D10);
    file[16] = ' ';
    file[17] = 'X';
    file = with_crc_renewed(file);
    const Loaded loaded = load(file, "Aldero 5#4D10");
    EXPECT_EQ(loaded.size, file.size() - DfuFileSuffix::kSize);
    EXPECT_EQ(loaded.text, kDfuChecked);
}

} // namespace
