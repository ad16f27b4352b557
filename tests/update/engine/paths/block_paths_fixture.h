#pragma once
// Runs of the headsets whose paths walk the block table of their firmware file (the dual-version,
// download-mode and HID camera headsets): firmware files made of numbered blocks, the headset's
// commands per interface, and every change of the progress fields with its virtual time.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "link/firmware_container.h"
#include "tests/link/test_opener.h"
#include "tests/update/engine/update_fixture.h"
#include "update/engine/hid/hid_image.h"

class BlockPathTest : public UpdateRunTest {
protected:
    struct Block {
        uint32_t number;
        uint32_t imageId;
        fwfile::Bytes data;
    };
    struct TimedChange {
        kivo::UpdateProgress progress;
        kivo::Duration at;
    };

    void SetUp() override
    {
        UpdateRunTest::SetUp();
        shared.setObserver([this](const kivo::UpdateProgress& p) {
            changes.push_back(p);
            timed.push_back({p, sim::bus().clock().now()});
        });
    }

    // The headset as persona says, on a fresh bus, with the progress seen so far forgotten.
    void plug()
    {
        headset = sim::plug_headset(persona);
        changes.clear();
        timed.clear();
    }
    // The same for another run of the test: the bus, the host and the shared block as new.
    void replug()
    {
        bus().reset();
        host.reset();
        shared.change([](kivo::UpdateProgress& p) { p = {}; });
        shared.setUpdateFinished(false);
        plug();
    }

    // The file most runs of a test write: the loader's image (two reports) and one more.
    virtual void useTwoBlocks()
    {
        useBlockList({{0, 1, withVersion(1500, "1.5.0.0", 1)}, {2, 4, fwfile::pattern(300, 2)}});
    }

    // One run of a table of failures: the usual file, then what the case arranges, on a fresh bus.
    void runFailing(const std::function<void()>& arrange)
    {
        useTwoBlocks();
        if (arrange)
            arrange();
        replug();
        run();
    }

    // A firmware file of the run's product with these blocks (number and image id as given).
    fwfile::Bytes useBlockList(const std::vector<Block>& blocks)
    {
        std::vector<fwfile::Bytes> data;
        std::vector<fwfile::BlockFields> fields;
        for (const Block& b : blocks) {
            data.push_back(b.data);
            fields.push_back({b.number, b.imageId, {}});
        }
        return useBlocks(std::move(data), std::move(fields));
    }
    // The same file with one block entry's data reaching past the end of the file.
    void useBlockOutsideTheFile(const std::vector<Block>& blocks, size_t index)
    {
        fwfile::Bytes file = useBlockList(blocks);
        fwfile::put_le32(file,
                         fwfile::entry_position(blocks.size(), true, index) + FirmwareContainer::kEntryLengthField,
                         static_cast<uint32_t>(file.size()));
        useFile(file);
    }

    // An image whose bytes carry the version the headset reports once it runs it.
    static fwfile::Bytes withVersion(size_t size, const std::string& version, uint32_t seed)
    {
        fwfile::Bytes image = fwfile::pattern(size, seed);
        const std::string marker = "SIMVERSION=" + version;
        std::copy(marker.begin(), marker.end(), image.begin() + 10);
        return image;
    }

    std::vector<uint8_t> commands(size_t interface_index = 0) const
    {
        return sim::commands_sent(headset.hid(interface_index));
    }
    std::vector<sim::HidWrite> writesOf(uint8_t command, size_t interface_index = 0) const
    {
        return sim::writes_of(headset.hid(interface_index), command);
    }
    // When the progress field first took a value.
    kivo::Duration firstTime(int kivo::UpdateProgress::*field, int value) const
    {
        for (const TimedChange& c : timed)
            if (c.progress.*field == value)
                return c.at;
        ADD_FAILURE() << "never " << value;
        return {};
    }
    static long long seconds(kivo::Duration d) { return std::chrono::duration_cast<std::chrono::seconds>(d).count(); }

    // The poll of `command` was given up at its bound: the failure line, nothing sent after the
    // poll, and from its first poll to the end at least `bound` and at most `at_most` seconds.
    void expectPollGivenUp(uint8_t command, long long bound, long long at_most)
    {
        EXPECT_EQ(status(), kCannotGetStatus);
        EXPECT_EQ(progress().updateRestoreError, 1);
        EXPECT_EQ(commands().back(), command) << "no command after the poll";
        const long long spent = seconds(sim::bus().clock().now() - writesOf(command).at(0).at);
        EXPECT_GE(spent, bound);
        EXPECT_LE(spent, at_most);
    }

    static inline const std::string kNotRecognized = "Failed to update firmware. Not the recognized device";
    static inline const std::string kCannotGetStatus = "Failed to update firmware. Cannot get status";
    static inline const std::string kCorrupted = "Failed to update firmware. Firmware corrupted";

    sim::HeadsetPersona persona;
    sim::PluggedHeadset headset;
    std::vector<TimedChange> timed;
};
