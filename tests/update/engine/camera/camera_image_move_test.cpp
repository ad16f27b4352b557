// The camera image moved from the archive folder onto the helmet camera's memory card: a rename on
// the same file system, a flushed copy under a temporary name renamed on the card across file
// systems (the rename failing through the seam) with the card's folder flushed before the source
// goes, and every way it does not reach the card, with never a part of it under the camera's name
// and the image kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/link/firmware_file_builder.h"
#include "tests/sim/bus.h"
#include "tests/sim/camera_card.h"
#include "update/engine/camera/camera_image_move.h"
#include "update/engine/camera/card_files.h"

namespace {

using kivo::CameraImageMove;

// The platform's operations, with a rename failing where it does across file systems, and faults
// on cue: a copy cut off half-way, as a write that fails does, or by the card pulled out; a rename
// on the card that fails. Every call recorded by the file name it touches.
class ForcedCardFiles : public kivo::CardFiles {
public:
    enum class Cut { None, WriteFails, CardPulled };
    bool otherFileSystem = false;
    Cut cut = Cut::None;
    bool renameOnCardFails = false;
    bool syncFails = false;
    sim::CameraCard* card = nullptr;
    std::vector<std::string> calls;

    bool sync_folder(const std::string& folder) override
    {
        calls.push_back("sync");
        return !syncFails && CardFiles::sync_folder(folder);
    }

    bool move(const std::string& from, const std::string& to) override
    {
        calls.push_back("move " + name_of(from) + " " + name_of(to));
        const bool on_card = std::filesystem::path(from).parent_path() == std::filesystem::path(to).parent_path();
        if (on_card ? renameOnCardFails : otherFileSystem)
            return false;
        return CardFiles::move(from, to);
    }
    bool copy(const std::string& from, const std::string& to) override
    {
        calls.push_back("copy " + name_of(to));
        if (cut == Cut::None)
            return CardFiles::copy(from, to);
        std::vector<char> half(static_cast<size_t>(std::filesystem::file_size(from) / 2));
        std::ifstream(from, std::ios::binary).read(half.data(), static_cast<std::streamsize>(half.size()));
        std::ofstream(to, std::ios::binary).write(half.data(), static_cast<std::streamsize>(half.size()));
        if (cut == Cut::CardPulled)
            card->remove();
        return false;
    }
    bool remove(const std::string& path) override
    {
        calls.push_back("remove " + name_of(path));
        return CardFiles::remove(path);
    }

private:
    static std::string name_of(const std::string& path) { return std::filesystem::path(path).filename().string(); }
};

} // namespace

TEST(CameraImageMove, OnlyAWholeImageEverStandsUnderTheCamerasName)
{
    using Cut = ForcedCardFiles::Cut;
    enum class Card { Out, Writable, ReadOnly };
    struct Case {
        const char* what;
        Card card;
        bool source = true;
        bool earlierTarget = false;
        bool otherFileSystem = false;
        Cut cut = Cut::None;
        bool renameOnCardFails = false;
        bool syncFails = false;
        CameraImageMove expected = CameraImageMove::Moved;
        std::vector<std::string> calls = {};
        bool temporaryLeft = false; // the part of a copy on a card pulled out
    };
    const std::string source = "__lumora_firmware__.bin";
    const std::string temporary = "__lumora_firmware__.bin";
    const std::string target = "vtq37_100.bin";
    const std::string first_move = "move " + source + " " + target;
    const std::string last_move = "move " + temporary + " " + target;
    using enum CameraImageMove;
    const Case cases[] = {
        {.what = "same file system", .card = Card::Writable, .calls = {first_move}},
        {.what = "another file system: a copy, renamed on the card, then the source goes",
         .card = Card::Writable,
         .otherFileSystem = true,
         .calls = {first_move, "copy " + temporary, last_move, "sync", "remove " + source}},
        {.what = "an earlier run's image replaced",
         .card = Card::Writable,
         .earlierTarget = true,
         .calls = {first_move}},
        {.what = "an earlier run's image replaced by a copy",
         .card = Card::Writable,
         .earlierTarget = true,
         .otherFileSystem = true,
         .calls = {first_move, "copy " + temporary, last_move, "sync", "remove " + source}},
        {.what = "no card", .card = Card::Out, .expected = NoCard},
        {.what = "a read-only card", .card = Card::ReadOnly, .expected = NoCard},
        {.what = "no image to move",
         .card = Card::Writable,
         .source = false,
         .otherFileSystem = true,
         .expected = Failed,
         .calls = {first_move, "copy " + temporary, "remove " + temporary, "remove " + target}},
        {.what = "a copy cut off half-way by a write that fails",
         .card = Card::Writable,
         .earlierTarget = true,
         .otherFileSystem = true,
         .cut = Cut::WriteFails,
         .expected = Failed,
         .calls = {first_move, "copy " + temporary, "remove " + temporary, "remove " + target}},
        // The part stays under the temporary name, which the camera does not take; nothing can be
        // removed from a card that is out.
        {.what = "the card pulled out half-way through the copy",
         .card = Card::Writable,
         .otherFileSystem = true,
         .cut = Cut::CardPulled,
         .expected = Failed,
         .calls = {first_move, "copy " + temporary, "remove " + temporary, "remove " + target},
         .temporaryLeft = true},
        {.what = "a rename on the card that fails",
         .card = Card::Writable,
         .earlierTarget = true,
         .otherFileSystem = true,
         .renameOnCardFails = true,
         .expected = Failed,
         .calls = {first_move, "copy " + temporary, last_move, "remove " + temporary, "remove " + target}},
        // The rename may not survive the card pulled: the source stays for the next run.
        {.what = "the card's folder not flushed after the rename",
         .card = Card::Writable,
         .otherFileSystem = true,
         .syncFails = true,
         .expected = Failed,
         .calls = {first_move, "copy " + temporary, last_move, "sync", "remove " + temporary, "remove " + target}},
    };
    const fwfile::Bytes image = fwfile::pattern(200'000, 7);
    const std::string earlier = "an earlier run's camera image";
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
            card.put(target, earlier);
        ForcedCardFiles files;
        files.otherFileSystem = c.otherFileSystem;
        files.cut = c.cut;
        files.renameOnCardFails = c.renameOnCardFails;
        files.syncFails = c.syncFails;
        files.card = &card;
        kivo::install_card_files(&files);
        testing::internal::CaptureStderr();
        const CameraImageMove moved = kivo::updateLumoraFirmware(archive.path());
        const std::string trace = testing::internal::GetCapturedStderr();
        kivo::install_card_files(nullptr);

        EXPECT_EQ(moved, c.expected);
        EXPECT_EQ(files.calls, c.calls);
        EXPECT_EQ(trace, moved == CameraImageMove::Moved ? "FILE OK 2\n" : "ERROR\n");
        // The card's files stay while it is out: what it holds is read either way.
        EXPECT_EQ(card.holds(temporary), c.temporaryLeft);
        if (moved == CameraImageMove::Moved) {
            EXPECT_EQ(card.read(target), image);
            EXPECT_FALSE(std::filesystem::exists(archive.path() / source));
        } else {
            EXPECT_FALSE(card.holds(target)) << "nothing on the card the camera could take for the image";
            EXPECT_EQ(std::filesystem::exists(archive.path() / source), c.source) << "the image is kept";
        }
    }
}
