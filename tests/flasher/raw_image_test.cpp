#include <gtest/gtest.h>

#include <fcntl.h>
#include <thread>
#include <unistd.h>

#include "flasher/image_reader.h"
#include "tests/flasher/temp_dir.h"

namespace {

using flasher_test::Bytes;
using flasher_test::TempDir;

using Redirect = flasher_test::FdRedirect;

ImageResult read_some(void* state, uint8_t* buffer, uint32_t asked, uint32_t& got)
{
    got = asked;
    return raw_binary_reader.read(state, buffer, &got);
}

TEST(RawImage, AFileIsReadInFullCallsAndAskingPastItsEndFails)
{
    TempDir dir;
    const Bytes source = flasher_test::pattern(1000, 4);
    const std::string file = dir.put("image.bin", source);

    for (const uint32_t last : {256u, 232u}) {
        void* state = raw_binary_reader.init();
        ASSERT_EQ(raw_binary_reader.open(state, file.c_str(), false), IMG_OK);
        EXPECT_EQ(raw_binary_reader.size(state), 1000u);
        Bytes read(1000);
        uint32_t got = 0;
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(read_some(state, read.data() + 256 * i, 256, got), IMG_OK);
            EXPECT_EQ(got, 256u);
        }
        if (last == 256) {
            EXPECT_EQ(read_some(state, read.data() + 768, last, got), IMG_SYSTEM_ERROR);
        } else {
            ASSERT_EQ(read_some(state, read.data() + 768, last, got), IMG_OK);
            EXPECT_EQ(read, source);
            EXPECT_EQ(read_some(state, read.data(), 16, got), IMG_OK);
            EXPECT_EQ(got, 0u);
            EXPECT_EQ(raw_binary_reader.base(state), 0u);
            EXPECT_EQ(raw_binary_reader.extents(state), (std::vector<ImageExtent>{{0, 1000}}));
        }
        raw_binary_reader.close(state);
    }
}

TEST(RawImage, MissingFileAndWrongDirection)
{
    TempDir dir;
    void* state = raw_binary_reader.init();
    EXPECT_EQ(raw_binary_reader.open(state, dir.path("missing.bin").c_str(), false), IMG_INVALID_FILE);
    raw_binary_reader.close(state);

    state = raw_binary_reader.init();
    ASSERT_EQ(raw_binary_reader.open(state, dir.path("out.bin").c_str(), true), IMG_OK);
    uint8_t byte = 0;
    uint32_t count = 1;
    EXPECT_EQ(raw_binary_reader.read(state, &byte, &count), IMG_NOT_READABLE);
    raw_binary_reader.close(state);

    state = raw_binary_reader.init();
    ASSERT_EQ(raw_binary_reader.open(state, dir.path("out.bin").c_str(), false), IMG_OK);
    EXPECT_EQ(raw_binary_reader.write(state, &byte, 1), IMG_NOT_WRITABLE);
    raw_binary_reader.close(state);
    EXPECT_STREQ(raw_binary_reader.name, "Raw BINARY");
}

// Its size would wrap the 32-bit image size. The file is sparse: it costs no disk.
TEST(RawImage, AFileLargerThan4GiBIsRefused)
{
    TempDir dir;
    const std::string file = dir.path("huge.bin");
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, (off_t{1} << 32) + 16), 0);
    ::close(fd);
    void* state = raw_binary_reader.init();
    EXPECT_EQ(raw_binary_reader.open(state, file.c_str(), false), IMG_INVALID_FILE);
    raw_binary_reader.close(state);
}

TEST(RawImage, DashWritesToStandardOutputAndCountsTheBytes)
{
    TempDir dir;
    const std::string out = dir.path("stdout.bin");
    const Bytes data = flasher_test::pattern(300, 5);
    {
        Redirect redirect(1, ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
        void* state = raw_binary_reader.init();
        ASSERT_EQ(raw_binary_reader.open(state, "-", true), IMG_OK);
        ASSERT_EQ(raw_binary_reader.write(state, data.data(), 100), IMG_OK);
        ASSERT_EQ(raw_binary_reader.write(state, data.data() + 100, 200), IMG_OK);
        EXPECT_EQ(raw_binary_reader.size(state), 300u);
        raw_binary_reader.close(state);
    }
    EXPECT_EQ(flasher_test::read_file(out), data);
}

// A pipe's length is known only at its end: the last call comes up short, and that is the end.
TEST(RawImage, StandardInputFromAPipeEndsWithAShortCall)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const Bytes data = flasher_test::pattern(1000, 6);
    std::thread writer([&] {
        for (size_t done = 0; done < data.size(); done += 100) {
            EXPECT_EQ(::write(fds[1], data.data() + done, 100), 100);
            std::this_thread::yield();
        }
        ::close(fds[1]);
    });
    Redirect redirect(0, fds[0]);
    void* state = raw_binary_reader.init();
    ASSERT_EQ(raw_binary_reader.open(state, "-", false), IMG_OK);
    EXPECT_EQ(raw_binary_reader.size(state), 0u);
    Bytes read;
    uint8_t block[256];
    uint32_t got = 0;
    do {
        ASSERT_EQ(read_some(state, block, sizeof block, got), IMG_OK);
        read.insert(read.end(), block, block + got);
    } while (got == sizeof block);
    writer.join();
    EXPECT_EQ(read, data);
    EXPECT_EQ(raw_binary_reader.extents(state), (std::vector<ImageExtent>{{0, 1000}}));
    raw_binary_reader.close(state);
}

} // namespace
