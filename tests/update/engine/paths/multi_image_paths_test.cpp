// The Qualcomm paths that write every block of their file: the voice-prompt headsets, and the
// headsets that first take an intermediate image from the global firmware server, served here by a
// local server. Simulated headsets with a loader face, in virtual time.

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/net/demo_firmware.h"
#include "tests/app/net/local_http_server.h"
#include "tests/update/engine/update_fixture.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/hid/intermediate_image.h"

namespace {

using demo_firmware::multi_image_container;
using sim::CommandFault;

// Two blocks an image: 1019 bytes with 0x06, the rest with 0x0E.
constexpr size_t kImageBytes = 1500;
constexpr char kServerPath[] = "/kivobluetoothmanager/";

// What a headset was sent, image by image: the id each erase named and the blocks after it.
struct SentImage {
    uint8_t id;
    sim::Bytes data;
    bool operator==(const SentImage&) const = default;
};

std::vector<SentImage> images_sent(const sim::HidInterface& hid)
{
    std::vector<SentImage> images;
    for (const sim::Bytes& out : hid.outputs()) {
        if (out[1] == COMMAND_ERASE)
            images.push_back({out[2], {}});
        else if ((out[1] == COMMAND_WRITE_BLOCK || out[1] == COMMAND_ENTER_DNLD_MODE) && !images.empty())
            images.back().data.insert(images.back().data.end(), out.begin() + 4,
                                      out.begin() + 4 + (size_t{out[2]} << 8 | out[3]));
    }
    return images;
}

// The data of block entry i of a container, as its entry places it.
sim::Bytes block_data(const fwfile::Bytes& file, size_t i)
{
    const size_t count = file[FirmwareContainer::kSectionCountOffset];
    const size_t entry = fwfile::entry_position(count, true, i);
    auto le32 = [&](size_t at) {
        return size_t{file[at]} | size_t{file[at + 1]} << 8 | size_t{file[at + 2]} << 16 | size_t{file[at + 3]} << 24;
    };
    const size_t offset = le32(entry + FirmwareContainer::kEntryOffsetField);
    return {file.begin() + static_cast<std::ptrdiff_t>(offset),
            file.begin() + static_cast<std::ptrdiff_t>(offset + le32(entry + FirmwareContainer::kEntryLengthField))};
}

// The images a container's blocks make, under image_id or else each block type's low byte.
std::vector<SentImage> images_of(const fwfile::Bytes& file, const std::vector<uint8_t>& ids)
{
    std::vector<SentImage> images;
    for (size_t i = 0; i < ids.size(); ++i)
        images.push_back({ids[i], block_data(file, i)});
    return images;
}

std::vector<SentImage> operator+(std::vector<SentImage> a, const std::vector<SentImage>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

class MultiImagePaths : public UpdateRunTest {
protected:
    void SetUp() override
    {
        UpdateRunTest::SetUp();
        inputs.globalServerBase = server.base();
        for (const kivo::IntermediateImage& image : kivo::kIntermediateImages) {
            const auto product = static_cast<uint16_t>(image.productId);
            serveIntermediate(product, demo_firmware::intermediate_image(product, kImageBytes));
        }
        headsetFor(0x3340, 1, 2);
    }

    // The recognized headset: product at major.minor, recorded so and reporting so.
    void headsetFor(uint16_t product, uint8_t major, uint8_t minor)
    {
        target(product);
        inputs.data.setDeviceVersionMajor(major);
        inputs.data.setDeviceVersionMinor(minor);
        persona = product == 0x3342 ? sim::voice_prompt_image_headset() : sim::intermediate_image_headset();
        persona.product_id = product;
        persona.version = {major, minor, 0, 0};
    }

    // A fresh bus with the headset on it, and nothing of an earlier case in the record of changes.
    void plug()
    {
        bus().reset();
        shared.change([](kivo::UpdateProgress& p) { p = {}; });
        changes.clear();
        headset = sim::plug_headset(persona);
    }

    // The firmware file: a Bluetooth (type 0) and a voice-prompt (type 1) block at major.minor.
    fwfile::Bytes useVersion(uint32_t major, uint32_t minor)
    {
        fwfile::Bytes file = multi_image_container(static_cast<uint16_t>(inputs.session.deviceTarget), major, minor,
                                                   {0, 1}, kImageBytes);
        useFile(file);
        return file;
    }

    void serveIntermediate(uint16_t product, const fwfile::Bytes& body)
    {
        server.serve(intermediatePath(product), testnet::Reply{200, std::string(body.begin(), body.end())});
    }
    static std::string intermediatePath(uint16_t product)
    {
        const kivo::IntermediateImage* image = kivo::intermediate_image(product);
        return image != nullptr ? kServerPath + std::string(image->fileName) : std::string();
    }

    std::vector<uint8_t> commands() const { return sim::commands_sent(headset.hid()); }
    bool erased() const
    {
        const std::vector<uint8_t> sent = commands();
        return std::find(sent.begin(), sent.end(), COMMAND_ERASE) != sent.end();
    }

    testnet::LocalHttpServer server;
    sim::HeadsetPersona persona;
    sim::PluggedHeadset headset;
};

// ---- The voice-prompt headsets -------------------------------------------------------------------

TEST_F(MultiImagePaths, VoicePromptHeadsetTakesEveryBlockUnderItsImageId)
{
    headsetFor(0x3342, 1, 0);
    plug();
    fwfile::Bytes file = multi_image_container(0x3342, 1, 1, {0x0100, 0x0205}, kImageBytes);
    useFile(file);
    run();

    EXPECT_EQ(progress().updateRestoreError, 0);
    EXPECT_EQ(progress().updateProcessed, 100);
    EXPECT_EQ(status(), "On updating firmware.");
    EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 90, 99}));
    EXPECT_NE(std::find_if(changes.begin(), changes.end(), [](auto& p) { return p.updateProcessed == 90; }),
              changes.end());
    EXPECT_EQ(images_sent(headset.hid()), images_of(file, {0x00, 0x05})) << "the low byte of each block type";
    EXPECT_EQ(headset.version(), (sim::VersionQuad{1, 1, 0, 0}));
    EXPECT_TRUE(server.requestedPaths().empty());
}

// Nothing to write is no firmware: the file check refuses it before anything is erased.
TEST_F(MultiImagePaths, VoicePromptFileWithoutBlocksIsCorruptedAndSendsNothing)
{
    headsetFor(0x3342, 1, 0);
    plug();
    useFile(fwfile::make_container({"v1.1", 0x3342, true, {}}));
    run();
    EXPECT_EQ(progress().updateRestoreError, 3);
    EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
    EXPECT_EQ(markers(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(commands().empty());
}

// ---- The intermediate image ----------------------------------------------------------------------

TEST_F(MultiImagePaths, OldHeadsetTakesTheIntermediateImageOnlyForAFileAboveItsFloor)
{
    struct Case {
        const char* what;
        uint16_t product;
        uint8_t recordedMinor;
        uint32_t fileMajor;
        uint32_t fileMinor;
        bool fetched;
    };
    const Case cases[] = {
        {"below 1.3 with a file of 1.3", 0x3340, 2, 1, 3, false},
        {"below 1.3 with a file of 1.4", 0x3340, 2, 1, 4, true},
        {"below 1.3 with a file of 2.0", 0x3341, 2, 2, 0, true},
        {"at 1.2, its own floor", 0x3420, 2, 1, 4, false},
        {"below 1.2 with a file of 1.3", 0x3430, 1, 1, 3, true},
        {"at 1.3", 0x3340, 3, 1, 4, false},
        {"a file of major 2^31 (compared unsigned)", 0x3340, 2, 0x80000000u, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        headsetFor(c.product, 1, c.recordedMinor);
        plug();
        const fwfile::Bytes intermediate = demo_firmware::intermediate_image(c.product, kImageBytes);
        serveIntermediate(c.product, intermediate);
        const std::vector<std::string> asked_before = server.requestedPaths();
        const fwfile::Bytes file = useVersion(c.fileMajor, c.fileMinor);
        run();

        EXPECT_EQ(progress().updateRestoreError, 0);
        EXPECT_EQ(progress().updateProcessed, 100);
        EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4, 99}));
        std::vector<std::string> asked = server.requestedPaths();
        asked.erase(asked.begin(), asked.begin() + static_cast<std::ptrdiff_t>(asked_before.size()));
        EXPECT_EQ(asked,
                  c.fetched ? std::vector<std::string>{intermediatePath(c.product)} : std::vector<std::string>{});

        const size_t intermediate_count = c.fetched ? 2 : 0;
        const std::vector<SentImage> expected =
            images_of(intermediate, std::vector<uint8_t>(intermediate_count, 0)) + images_of(file, {0, 1});
        EXPECT_EQ(images_sent(headset.hid()), expected) << "the intermediate blocks as image 0, then the file's";

        // The pause before the file's images, after the last answer of the intermediate image (or
        // after the reopen).
        const std::vector<sim::HidWrite>& writes = headset.hid().transcript();
        auto first_real_erase = writes.begin();
        for (size_t erases = 0; first_real_erase != writes.end(); ++first_real_erase)
            if (first_real_erase->bytes[1] == COMMAND_ERASE && ++erases == intermediate_count + 1)
                break;
        ASSERT_NE(first_real_erase, writes.end());
        if (intermediate_count > 0) {
            const auto result = std::prev(first_real_erase);
            EXPECT_EQ(result->bytes[1], COMMAND_GET_DFU_RESULT);
            EXPECT_GE(first_real_erase->at - result->at, std::chrono::seconds(3));
        } else {
            EXPECT_GE(first_real_erase->at, std::chrono::seconds(2 + 1 + 3)) << "pause, first poll, then 3 s";
        }
        if (c.fileMajor < 256) {
            EXPECT_EQ(headset.version(),
                      (sim::VersionQuad{static_cast<uint8_t>(c.fileMajor), static_cast<uint8_t>(c.fileMinor), 0, 0}));
        }
    }
}

TEST_F(MultiImagePaths, IntermediateImageThatCannotBeUsedEndsBeforeAnyErase)
{
    using namespace std::chrono_literals;
    const fwfile::Bytes good = demo_firmware::intermediate_image(0x3340, kImageBytes);
    const std::string body(good.begin(), good.end());
    auto patched = [&](size_t at, uint32_t value) {
        fwfile::Bytes bytes = good;
        fwfile::put_le32(bytes, at, value);
        return std::string(bytes.begin(), bytes.end());
    };
    const size_t second_entry = fwfile::entry_position(2, true, 1);
    std::string wrong_digest = body;
    wrong_digest.back() ^= 0x5A;
    const fwfile::Bytes without_blocks = fwfile::make_container({"v1.3", 0x3340, true, {}});

    const std::string cannot_download = "Failed to update firmware. Cannot download firmware";
    const std::string corrupted = "Failed to update firmware. Firmware corrupted[u]";
    // The bounds say which of them ended a fetch in their trace line.
    const std::string idle_bound = "Error on load = no data for 1000 ms\n";
    const std::string size_bound =
        "Error on load = the body is larger than " + std::to_string(kivo::kLargestIntermediateImage) + " bytes\n";
    struct Case {
        const char* what;
        testnet::Reply reply;
        const std::string& status;
        std::string bound = {}; // the trace line of the bound that ends the fetch, where one does
    };
    const Case cases[] = {
        {"not found", {404, "not here"}, cannot_download},
        {"another success status", {203, body}, cannot_download},
        {"an empty body", {200, ""}, cannot_download},
        {"a reset part-way", {.body = body, .cutAfter = 1000}, cannot_download},
        {"a stall", {.body = body, .cutAfter = 1000, .stallAfterCut = true}, cannot_download, idle_bound},
        {"a body over 64 MiB", {.filler = kivo::kLargestIntermediateImage + 1}, cannot_download, size_bound},
        {"an entry past the end",
         {200, patched(second_entry + FirmwareContainer::kEntryLengthField, 1u << 31)},
         corrupted},
        {"a table past the end", {200, patched(FirmwareContainer::kSectionCountOffset, 1000)}, corrupted},
        {"a digest that does not match", {200, wrong_digest}, corrupted},
        {"shorter than a header", {200, "v1.3"}, corrupted},
        // It would leave the old headset without the image it needs before the new ones.
        {"a table without blocks", {200, std::string(without_blocks.begin(), without_blocks.end())}, corrupted},
    };
    inputs.intermediateIdleTimeout = 1s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        plug();
        server.serve(intermediatePath(0x3340), c.reply);
        useVersion(1, 4);
        testing::internal::CaptureStderr();
        run();
        const std::string log = testing::internal::GetCapturedStderr();
        if (!c.bound.empty()) {
            EXPECT_NE(log.find(c.bound), std::string::npos) << log;
        }
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_FALSE(erased());
        EXPECT_EQ(bus().open_hid_handles(), 0);
        EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4}));
    }
    // In every language, with the loader's own text.
    EXPECT_NE(status(2), status(0));
    EXPECT_EQ(status(2).substr(status(2).size() - 3), "[u]");
}

// A server that sends a byte now and then is never idle long enough for the idle bound: the fetch
// ends at the low-speed bound of a firmware download. One fast enough for that bound but slow for
// the size of the image ends at the bound on the fetch's whole time. Both bounds shortened here;
// each run ends before anything is erased, its trace line naming the bound that ended it.
TEST_F(MultiImagePaths, IntermediateImageFetchEndsAtItsTimeBounds)
{
    using namespace std::chrono_literals;
    struct Case {
        const char* what;
        size_t imageBytes;
        testnet::Reply reply; // the body filled in below
        const char* line; // the bound's
        const char* notLine; // the other time bound's
        std::chrono::seconds fetchTime; // the whole time's bound
    };
    const Case cases[] = {
        // Ten bytes a second, never a second without one.
        {"a trickle",
         kImageBytes,
         {.chunkSize = 1, .chunkPause = 100ms},
         "Error on load = slower than 1024 bytes a second for 1 seconds",
         "in all",
         kivo::kIntermediateFetchTime},
        // About 5 KiB a second, never a second without data: the image takes about four seconds.
        {"slow for its size",
         20000,
         {.chunkSize = 512, .chunkPause = 100ms},
         "Error on load = longer than 1 seconds in all",
         "slower than",
         1s},
    };
    inputs.intermediateLowSpeedTime = 1s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        inputs.intermediateFetchTime = c.fetchTime;
        plug();
        const fwfile::Bytes good = demo_firmware::intermediate_image(0x3340, c.imageBytes);
        testnet::Reply reply = c.reply;
        reply.body = std::string(good.begin(), good.end());
        server.serve(intermediatePath(0x3340), reply);
        useVersion(1, 4);
        testing::internal::CaptureStderr();
        run();
        const std::string trace = testing::internal::GetCapturedStderr();

        EXPECT_NE(trace.find(c.line), std::string::npos) << trace;
        EXPECT_EQ(trace.find(c.notLine), std::string::npos) << "not the other time bound";
        EXPECT_EQ(trace.find("no data for"), std::string::npos) << "not the idle bound";
        EXPECT_EQ(status(), "Failed to update firmware. Cannot download firmware");
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_FALSE(erased());
        EXPECT_EQ(markers(), (std::vector<int>{0, 1, 2, 4}));
        EXPECT_EQ(bus().open_hid_handles(), 0);
    }
}

TEST_F(MultiImagePaths, IntermediateFamilyFileWithoutBlockZeroEndsBeforeAnyCommand)
{
    plug();
    useFile(fwfile::make_container({"v1.4", 0x3340, true, {}}));
    run();
    EXPECT_EQ(status(), "Failed to update firmware. Firmware corrupted");
    EXPECT_EQ(progress().updateRestoreError, 3);
    EXPECT_TRUE(commands().empty());
    EXPECT_TRUE(server.requestedPaths().empty());
}

// ---- Failing steps and headsets that stay away ----------------------------------------------------

TEST_F(MultiImagePaths, EachFailingStepEndsTheRunWithItsTag)
{
    struct Case {
        uint16_t product;
        const char* tag;
        CommandFault fault;
        size_t commandsSent; // none after the failure
    };
    // Six commands an image: erase, two blocks, verify, run loader, result. The intermediate-image
    // headset at 1.2 takes two intermediate images, then the file's two.
    const Case cases[] = {
        {0x3342, "[E]", {0x05, 1}, 1},
        {0x3342, "[B][1]", {0x06, 1, CommandFault::WriteFails}, 1},
        {0x3342, "[B][2]", {0x0E, 2}, 9},
        {0x3342, "[V]", {0x07, 1}, 4},
        {0x3342, "[V]", {0x07, 1, CommandFault::Silent}, 4},
        {0x3342, "[R]", {0x08, 2}, 11},
        {0x3342, "[D]", {0x0A, 2}, 12},
        {0x3340, "[u]", {0x05, 1}, 1},
        {0x3340, "[u][1]", {0x06, 1, CommandFault::WriteFails}, 1},
        {0x3340, "[u][2]", {0x0E, 1}, 3},
        {0x3340, "[u][3]", {0x07, 2}, 10},
        {0x3340, "[u][4]", {0x08, 1}, 5},
        {0x3340, "[u][5]", {0x0A, 1}, 6},
        {0x3340, "[E]", {0x05, 3}, 13},
        {0x3340, "[B][1]", {0x06, 3, CommandFault::WriteFails}, 13},
        {0x3340, "[B][2]", {0x0E, 4}, 21},
        {0x3340, "[V]", {0x07, 3}, 16},
        {0x3340, "[R]", {0x08, 4}, 23},
        {0x3340, "[D]", {0x0A, 3}, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product << " " << c.tag);
        headsetFor(c.product, 1, 2);
        persona.commandFaults = {c.fault};
        plug();
        useVersion(1, 4);
        run();
        EXPECT_EQ(status(), std::string("Failed to update firmware. Cannot get status") + c.tag);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(commands().size(), c.commandsSent);
        EXPECT_EQ(bus().open_hid_handles(), 0);
        EXPECT_TRUE(shared.updateFinished());
    }
}

TEST_F(MultiImagePaths, HeadsetThatNeverComesBackIsGivenUpAtTheBound)
{
    struct Case {
        uint16_t product;
        const char* tag;
        bool goneBeforeFirstImage; // else after the first run loader
    };
    for (const Case c : {Case{0x3342, "", true}, Case{0x3340, "", true}, Case{0x3340, "[B][5]", false},
                         Case{0x3342, "[B][5]", false}}) {
        SCOPED_TRACE(testing::Message() << std::hex << c.product << " " << c.tag);
        headsetFor(c.product, 1, 2);
        persona.awayAfterRunLoader = std::nullopt;
        plug();
        if (c.goneBeforeFirstImage)
            bus().leave(headset.headset, std::chrono::seconds(1));
        useVersion(1, 4);
        run();
        EXPECT_EQ(status(), std::string("Failed to update firmware. Cannot get status") + c.tag);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_GE(virtualSeconds(), kivo::kReconnectPollBound);
        EXPECT_LT(virtualSeconds(), kivo::kReconnectPollBound + 60);
        EXPECT_EQ(commands().size(), c.goneBeforeFirstImage ? 0u : 5u) << "nothing after the run loader";
    }
}
