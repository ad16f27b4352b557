// The camera image moved from the archive folder onto the helmet camera's memory card: a rename on
// the same file system, a flushed copy across file systems (the rename failing through the seam),
// and every way it does not reach the card, with nothing partial left there and the image kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/link/firmware_file_builder.h"
#include "tests/sim/bus.h"
#include "tests/sim/camera_card.h"
#include "update/engine/camera_image_move.h"
#include "update/engine/card_files.h"

namespace {

using kivo::CameraImageMove;

// The platform's operations, with the rename failing as it does across file systems and the copy
// failing half-way on cue; every call recorded by the file name it touches.
class ForcedCardFiles : public kivo::CardFiles {
public:
    bool otherFileSystem = false;
    bool copyFailsHalfWay = false;
    std::vector<std::string> calls;

    bool move(const std::string& from, const std::string& to) override
    {
        record("move", to);
        return !otherFileSystem && CardFiles::move(from, to);
    }
    bool copy(const std::string& from, const std::string& to) override
    {
        record("copy", to);
        if (!copyFailsHalfWay)
            return CardFiles::copy(from, to);
        std::vector<char> half(static_cast<size_t>(std::filesystem::file_size(from) / 2));
        std::ifstream(from, std::ios::binary).read(half.data(), static_cast<std::streamsize>(half.size()));
        std::ofstream(to, std::ios::binary).write(half.data(), static_cast<std::streamsize>(half.size()));
        return false;
    }
    bool remove(const std::string& path) override
    {
        record("remove", path);
        return CardFiles::remove(path);
    }

private:
    void record(const char* what, const std::string& path)
    {
        calls.push_back(std::string(what) + " " + std::filesystem::path(path).filename().string());
    }
};

} // namespace

TEST(CameraImageMove, ReachesTheCardWholeOrNotAtAll)
{
    enum class Card { Out, Writable, ReadOnly };
    struct Case {
        const char* what;
        Card card;
        bool source = true;
        bool earlierTarget = false;
        bool otherFileSystem = false;
        bool copyFailsHalfWay = false;
        CameraImageMove expected;
        std::vector<std::string> calls;
    };
    const std::string source = "__lumora_firmware__.bin";
    const std::string target = "vtq37_100.bin";
    const Case cases[] = {
        {"same file system", Card::Writable, true, false, false, false, CameraImageMove::Moved, {"move " + target}},
        {"another file system: the source goes after the whole copy",
         Card::Writable,
         true,
         false,
         true,
         false,
         CameraImageMove::Moved,
         {"move " + target, "copy " + target, "remove " + source}},
        {"an earlier run's image replaced",
         Card::Writable,
         true,
         true,
         false,
         false,
         CameraImageMove::Moved,
         {"move " + target}},
        {"an earlier run's image replaced by a copy",
         Card::Writable,
         true,
         true,
         true,
         false,
         CameraImageMove::Moved,
         {"move " + target, "copy " + target, "remove " + source}},
        {"no card", Card::Out, true, false, false, false, CameraImageMove::NoCard, {}},
        {"a read-only card", Card::ReadOnly, true, false, false, false, CameraImageMove::NoCard, {}},
        {"no image to move",
         Card::Writable,
         false,
         false,
         false,
         false,
         CameraImageMove::Failed,
         {"move " + target, "copy " + target, "remove " + target}},
        {"a copy that fails half-way",
         Card::Writable,
         true,
         true,
         true,
         true,
         CameraImageMove::Failed,
         {"move " + target, "copy " + target, "remove " + target}},
    };
    const fwfile::Bytes image = fwfile::pattern(200'000, 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Session session;
        fwfile::TempFolder archive;
        sim::CameraCard card(0x3020);
        if (c.card != Card::Out)
            card.insert(c.card == Card::ReadOnly ? sim::CameraCard::Mount::ReadOnly : sim::CameraCard::Mount::Writable);
        if (c.source)
            archive.put(source, image);
        if (c.earlierTarget)
            card.put(target, "an earlier run's camera image");
        ForcedCardFiles files;
        files.otherFileSystem = c.otherFileSystem;
        files.copyFailsHalfWay = c.copyFailsHalfWay;
        kivo::install_card_files(&files);
        testing::internal::CaptureStderr();
        const CameraImageMove moved = kivo::updateLumoraFirmware(archive.path());
        const std::string trace = testing::internal::GetCapturedStderr();
        kivo::install_card_files(nullptr);

        EXPECT_EQ(moved, c.expected);
        EXPECT_EQ(files.calls, c.calls);
        EXPECT_EQ(trace, moved == CameraImageMove::Moved ? "FILE OK 2\n" : "ERROR\n");
        if (moved == CameraImageMove::Moved) {
            EXPECT_EQ(card.read(target), image);
            EXPECT_FALSE(std::filesystem::exists(archive.path() / source));
        } else {
            EXPECT_FALSE(card.holds(target)) << "nothing on the card the camera could take for the image";
            EXPECT_EQ(std::filesystem::exists(archive.path() / source), c.source) << "the image is kept";
        }
    }
}
