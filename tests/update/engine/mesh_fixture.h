#pragma once
// Runs against the OEM mesh headset with its module: the headset as it ships (2.1, its module 1.3
// checking every chunk by CRC), recognized with its own version as module-01 version, and firmware
// files with two Bluetooth blocks and the module in block 2; or against another headset with a
// module, opened by product.

#include <string>
#include <utility>
#include <vector>

#include "tests/link/test_opener.h"
#include "tests/update/engine/update_fixture.h"

// The device and command of a run's last write, over the headset's and its module's transcripts
// ("nothing" when neither was written to).
inline std::pair<std::string, uint8_t> last_write(const sim::PluggedHeadset& headset)
{
    // The command sits in byte 2 of 62-byte reports, in byte 1 of the others.
    auto command_of = [](const sim::Bytes& out) { return out.size() == 62 ? out[2] : out[1]; };
    const std::vector<sim::HidWrite>& h = headset.hid().transcript();
    const std::vector<sim::HidWrite>& m = headset.module->hid.front()->transcript();
    if (h.empty() && m.empty())
        return {"nothing", 0};
    if (m.empty() || (!h.empty() && h.back().at >= m.back().at))
        return {"headset", command_of(h.back().bytes)};
    return {"module", command_of(m.back().bytes)};
}

class MeshRunTest : public UpdateRunTest {
protected:
    void SetUp() override
    {
        UpdateRunTest::SetUp();
        inputs.data.setDeviceVersion01({2, 1, 0, 0});
        persona = sim::oem_headset();
    }

    void plug() { headset = sim::plug_headset(persona); }
    // A headset the link's general opener never opens, recognized with its own version.
    void plugByProduct(const sim::HeadsetPersona& p)
    {
        persona = p;
        target(p.product_id);
        inputs.opener = open_product(p.product_id);
        inputs.data.setDeviceVersion01(
            {p.version.major, p.version.minor, p.version.secondaryType, p.version.secondary});
        plug();
    }

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
