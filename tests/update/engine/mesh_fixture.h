#pragma once
// Runs against the OEM mesh headset with its module: the headset as it ships (2.1, its module 1.3
// checking every chunk by CRC), recognized with its own version as module-01 version, and firmware
// files with two Bluetooth blocks and the module in block 2.

#include <string>
#include <vector>

#include "tests/update/engine/update_fixture.h"

class MeshRunTest : public UpdateRunTest {
protected:
    void SetUp() override
    {
        UpdateRunTest::SetUp();
        inputs.data.setDeviceVersion01({2, 1, 0, 0});
        persona = sim::oem_headset();
    }

    void plug() { headset = sim::plug_headset(persona); }

    // A firmware file of the run's product with these blocks, numbered 0, 1, 2, ... with block type
    // 6 + number.
    fwfile::Bytes useBlocks(std::vector<fwfile::Bytes> blocks, const std::string& name = "firmware.img")
    {
        std::vector<fwfile::BlockFields> fields;
        for (uint32_t i = 0; i < blocks.size(); ++i)
            fields.push_back({i, 6 + i, {}});
        return useBlocks(std::move(blocks), fields, name);
    }
    using UpdateRunTest::useBlocks;

    // An image whose bytes carry the version the device reports once it runs it.
    static fwfile::Bytes withVersion(size_t size, const std::string& version, uint32_t seed)
    {
        fwfile::Bytes image = fwfile::pattern(size, seed);
        const std::string marker = "SIMVERSION=" + version;
        std::copy(marker.begin(), marker.end(), image.begin() + static_cast<std::ptrdiff_t>(size / 2));
        return image;
    }

    std::vector<uint8_t> commands() const { return sim::commands_sent(headset.hid()); }
    std::vector<uint8_t> moduleCommands() const { return sim::commands_sent(*headset.module->hid.front()); }
    std::vector<sim::Bytes> moduleWrites() const { return headset.module->hid.front()->outputs(); }
    std::string cannotGetStatus(const std::string& tag) const
    {
        return "Failed to update firmware. Cannot get status" + tag;
    }
    std::string tryAgain(const std::string& tag) const
    {
        return "Failed to update firmware. Cannot get status. Try again." + tag;
    }

    sim::HeadsetPersona persona;
    sim::PluggedHeadset headset;
};
