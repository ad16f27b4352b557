#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "flasher/image_reader.h"
#include "tests/flasher/temp_dir.h"

namespace {

using flasher_test::Bytes;
using flasher_test::TempDir;

// One record with its checksum.
std::string record(uint8_t type, uint16_t address, const Bytes& data)
{
    unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFF) + type;
    char text[16];
    std::string line = ":";
    std::snprintf(text, sizeof text, "%02X%04X%02X", static_cast<unsigned>(data.size()), address, type);
    line += text;
    for (const uint8_t b : data) {
        std::snprintf(text, sizeof text, "%02X", b);
        line += text;
        sum += b;
    }
    std::snprintf(text, sizeof text, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + text;
}

std::string upper(uint16_t value)
{
    return record(4, 0, {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}
const std::string kEnd = ":00000001FF\n";

struct Loaded {
    ImageResult result;
    IhexImage image;
};

Loaded parse(const std::string& text)
{
    Loaded loaded;
    loaded.result = ihex_parse({reinterpret_cast<const uint8_t*>(text.data()), text.size()}, loaded.image);
    return loaded;
}

// Writes source bytes at address as objcopy does, and reads the HEX file back through the table.
class BinutilsHex : public ::testing::Test {
protected:
    std::string make_hex(const Bytes& source, uint32_t address)
    {
        return flasher_test::binutils_hex(dir, source, address);
    }

    Loaded load(const std::string& text)
    {
        const std::string file = dir.put("load.hex", text);
        void* state = intel_hex_reader.init();
        Loaded loaded;
        loaded.result = intel_hex_reader.open(state, file.c_str(), false);
        loaded.image.base = intel_hex_reader.base(state);
        loaded.image.extents = intel_hex_reader.extents(state);
        loaded.image.bytes.resize(intel_hex_reader.size(state));
        uint32_t count = static_cast<uint32_t>(loaded.image.bytes.size());
        EXPECT_EQ(intel_hex_reader.read(state, loaded.image.bytes.data(), &count), IMG_OK);
        EXPECT_EQ(count, loaded.image.bytes.size());
        intel_hex_reader.close(state);
        return loaded;
    }

    TempDir dir;
};

TEST_F(BinutilsHex, ImageCrossingA64KiBBoundaryLoadsAtItsBase)
{
    const Bytes source = flasher_test::pattern(0x2000, 1);
    const std::string hex = make_hex(source, 0x0800F000);
    ASSERT_NE(hex.find(":020000040801"), std::string::npos); // the crossing
    ASSERT_NE(hex.find(":04000005"), std::string::npos); // a start-address record to skip

    std::string crlf;
    for (const char c : hex)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string lower = hex;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });

    for (const std::string* text : std::vector<const std::string*>{&hex, &crlf, &lower}) {
        const Loaded loaded = load(*text);
        ASSERT_EQ(loaded.result, IMG_OK);
        // The first address record sets the base; the bytes below the data are gap, not data.
        EXPECT_EQ(loaded.image.base, 0x08000000u);
        ASSERT_EQ(loaded.image.bytes.size(), 0xF000u + source.size());
        EXPECT_TRUE(std::equal(source.begin(), source.end(), loaded.image.bytes.begin() + 0xF000));
        EXPECT_EQ(std::count(loaded.image.bytes.begin(), loaded.image.bytes.begin() + 0xF000, 0xFF), 0xF000);
        EXPECT_EQ(loaded.image.extents, (std::vector<ImageExtent>{{0xF000, 0x2000}}));
    }
}

TEST_F(BinutilsHex, TwoPiecesGiveTwoExtentsAndAFilledGap)
{
    const Bytes first = flasher_test::pattern(300, 2);
    const Bytes second = flasher_test::pattern(100, 3);
    const std::string text = flasher_test::without_trailer(make_hex(first, 0x08000000)) + make_hex(second, 0x08000400);

    const Loaded loaded = load(text);
    ASSERT_EQ(loaded.result, IMG_OK);
    EXPECT_EQ(loaded.image.base, 0x08000000u);
    ASSERT_EQ(loaded.image.bytes.size(), 0x400u + 100);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), loaded.image.bytes.begin()));
    EXPECT_TRUE(std::all_of(loaded.image.bytes.begin() + 300, loaded.image.bytes.begin() + 0x400,
                            [](uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::equal(second.begin(), second.end(), loaded.image.bytes.begin() + 0x400));
    EXPECT_EQ(loaded.image.extents, (std::vector<ImageExtent>{{0, 300}, {0x400, 100}}));
}

TEST(IhexParse, EdgeCasesAndHostileFiles)
{
    const std::string four = ":0400000001020304F2\n";
    std::string blank = four;
    blank[10] = ' ';
    std::string sign = four;
    sign[9] = '+';
    std::string zero_x = four;
    zero_x[9] = '0';
    zero_x[10] = 'x';

    struct Case {
        const char* name;
        std::string text;
        ImageResult result;
        Bytes bytes;
        uint32_t base;
    };
    const Case cases[] = {
        {"empty file", "", IMG_OK, {}, 0},
        {"no end record", four, IMG_OK, {1, 2, 3, 4}, 0},
        {"four bytes then end", four + kEnd, IMG_OK, {1, 2, 3, 4}, 0},
        {"end record stops the read", four + kEnd + "garbage", IMG_OK, {1, 2, 3, 4}, 0},
        {"eight-byte gap",
         record(0, 0, {1, 2, 3, 4, 5, 6, 7, 8}) + record(0, 0x10, {9}),
         IMG_OK,
         {1, 2, 3, 4, 5, 6, 7, 8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 9},
         0},
        {"segment address", record(2, 0, {0x10, 0x00}) + record(0, 2, {7}), IMG_OK, {0xFF, 0xFF, 7}, 0x10000},
        {"a higher base grows the image", upper(0x0800) + record(0, 0, {1}) + upper(0x0801) + record(0, 0, {2}), IMG_OK,
         [] {
             Bytes b(0x10001, 0xFF);
             b[0] = 1;
             b[0x10000] = 2;
             return b;
         }(),
         0x08000000},
        {"other types are skipped", record(3, 0, {0, 0, 0, 0}) + record(0x42, 0, {9}) + four, IMG_OK, {1, 2, 3, 4}, 0},
        {"wrong checksum", ":0400000001020304F3\n", IMG_INVALID_FILE, {}, 0},
        {"bad first character", "x" + four, IMG_INVALID_FILE, {}, 0},
        {"blank at a record start", four + " " + kEnd, IMG_INVALID_FILE, {1, 2, 3, 4}, 0},
        {"file ends inside a record", ":04000000010203", IMG_INVALID_FILE, {}, 0},
        {"base below the image base", upper(0x0800) + upper(0x0700), IMG_INVALID_FILE, {}, 0x08000000},
        {"records out of order", record(0, 0x10, {1}) + record(0, 0, {2}), IMG_INVALID_FILE, {}, 0},
        {"overlapping records", record(0, 0, {1, 2, 3, 4}) + record(0, 2, {5}), IMG_INVALID_FILE, {}, 0},
        {"segment inside the image written into",
         record(0, 0, Bytes(32, 1)) + record(2, 0, {0, 1}) + record(0, 0, {2}),
         IMG_INVALID_FILE,
         {},
         0},
        {"blank inside a byte", blank, IMG_INVALID_FILE, {}, 0},
        {"sign inside a byte", sign, IMG_INVALID_FILE, {}, 0},
        {"0x inside a byte", zero_x, IMG_INVALID_FILE, {}, 0},
        {"address record of one byte", record(4, 0, {0x08}), IMG_INVALID_FILE, {}, 0},
        {"address record of three bytes", record(4, 0, {0, 0x08, 0}), IMG_INVALID_FILE, {}, 0},
        {"base jump past the limit", record(0, 0, {1}) + upper(0xFFFF), IMG_INVALID_FILE, {}, 0},
        {"data gap past the limit",
         upper(0x0800) + record(0, 0, {1}) + upper(0x08FF) + record(0, 0xFFFF, {2, 3}),
         IMG_INVALID_FILE,
         {},
         0x08000000},
        {"data past 4 GiB", upper(0xFFFF) + record(0, 0xFFFC, {1, 2, 3, 4, 5}), IMG_INVALID_FILE, {}, 0xFFFF0000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Loaded loaded = parse(c.text);
        EXPECT_EQ(loaded.result, c.result);
        if (c.result == IMG_OK) {
            EXPECT_EQ(loaded.image.bytes, c.bytes);
        }
        EXPECT_LE(loaded.image.bytes.size(), kIhexImageLimit);
        EXPECT_EQ(loaded.image.base, c.base);
    }
}

TEST(IhexParse, ExtentsNameOnlyTheBytesOfTheFile)
{
    const Loaded loaded = parse(upper(0x0800) + record(0, 0, {1, 2}) + record(0, 2, {3, 4}) + record(0, 0x100, {5}) +
                                upper(0x0801) + record(0, 0, {6}) + kEnd);
    ASSERT_EQ(loaded.result, IMG_OK);
    EXPECT_EQ(loaded.image.extents, (std::vector<ImageExtent>{{0, 4}, {0x100, 1}, {0x10000, 1}}));
}

TEST(IhexFile, RefusesWritingAndAMissingFile)
{
    TempDir dir;
    void* state = intel_hex_reader.init();
    EXPECT_EQ(intel_hex_reader.open(state, dir.path("out.hex").c_str(), true), IMG_NOT_WRITABLE);
    EXPECT_EQ(intel_hex_reader.open(state, dir.path("missing.hex").c_str(), false), IMG_SYSTEM_ERROR);
    const uint8_t byte = 0;
    EXPECT_EQ(intel_hex_reader.write(state, &byte, 1), IMG_NOT_WRITABLE);
    EXPECT_EQ(intel_hex_reader.close(state), IMG_OK);
    EXPECT_STREQ(intel_hex_reader.name, "Intel HEX");
}

} // namespace
