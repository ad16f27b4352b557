// The camera's version as the card tells it: a text split at ".", the leading digits of its first
// two parts, read safely whatever the card holds.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/link/firmware_file_builder.h"
#include "update/engine/camera/camera_card_steps.h"

namespace {

using kivo::CameraVersion;

TEST(CameraVersionText, LeadingDigitsOfTheFirstTwoParts)
{
    struct Case {
        std::string text;
        CameraVersion version;
    };
    const Case cases[] = {
        {"2.3", {2, 3}},
        {"2.3.17\n", {2, 3}},
        {"4\n", {4, 0}},
        {"", {0, 0}},
        {" 2. 3", {2, 3}},
        {"2.x", {2, 0}},
        {"v2.3", {0, 3}},
        {"-1.+5", {-1, 5}},
        {"99999999999999999999999.1", {INT_MAX, 1}},
        {"1.-99999999999999999999999", {1, INT_MIN}},
        {"2\xff.3", {0, 0}},
        {std::string("2.3\0", 4), {2, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kivo::camera_version_from_text(c.text), c.version) << c.text;
}

TEST(CameraVersionText, UnreadableOrOversizedFilesReadZero)
{
    fwfile::TempFolder folder;
    const std::string card = folder.path().string() + "/";
    const kivo::CameraFiles files{0, "temporary.bin", "firmware.bin", "version.conf"};
    EXPECT_EQ(kivo::read_camera_version(card, files), (CameraVersion{0, 0})) << "no file";
    const auto put = [&](const std::string& text) {
        folder.put("version.conf", std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    };
    put(std::string(kivo::kCameraVersionFileLimit, '7') + ".1");
    EXPECT_EQ(kivo::read_camera_version(card, files), (CameraVersion{0, 0})) << "longer than a version text";
    put("3.1\n");
    EXPECT_EQ(kivo::read_camera_version(card, files), (CameraVersion{3, 1}));
}

} // namespace
