#pragma once
// One update run driven directly on the simulated bus under the virtual clock, with a fake host:
// its inputs as the page would copy them, its shared block, every change of its progress fields,
// and firmware containers written into a folder of the test's own.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "link/firmware_container.h"
#include "link/hid_discovery.h"
#include "link/hid_protocol.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/engine/fake_update_host.h"
#include "tests/update/engine/test_paths.h"
#include "update/engine/run.h"

// A headset whose command stays silent, or answers busy, for good from its first occurrence: each
// exchange of it ends at the link's read bound, or at its exchange bound once the busy answers come
// a second apart (pace_busy_answers). An exchange that gives up leaves the rest of its answers
// queued for the next one: there are enough of them that no poll bound (ten minutes at most) lets
// the link read to the end of the first.
inline sim::CommandFault silent_for_good(uint8_t command)
{
    return {command, 1, sim::CommandFault::Silent, 2, 0, true};
}
inline sim::CommandFault busy_for_good(uint8_t command)
{
    return {command, 1, sim::CommandFault::Busy, 0, 4 * kHidExchangeTimeoutMs / 1000, true};
}
inline void pace_busy_answers(const sim::PluggedHeadset& headset)
{
    headset.hid().faults.report_interval = std::chrono::seconds(1);
}
// The link's bounds on one exchange, in whole seconds.
inline constexpr long long kReportBoundSeconds = kHidReportTimeoutMs / 1000;
inline constexpr long long kExchangeBoundSeconds = kHidExchangeTimeoutMs / 1000;

class UpdateRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shared.setObserver([this](const kivo::UpdateProgress& p) { changes.push_back(p); });
        inputs.archiveFolder = folder.path() / "archive";
        inputs.opener = hid_open_device;
        target(0x3142);
    }

    void TearDown() override { EXPECT_EQ(bus().open_hid_handles(), 0) << "a run left a device open"; }

    sim::Bus& bus() { return session_.bus(); }

    // The recognized device of the run.
    void target(uint16_t product_id)
    {
        inputs.session.deviceTarget = product_id;
        inputs.session.usbStatus = product_id;
        inputs.session.recognized = true;
        inputs.data.setDeviceRecognized(product_id);
    }

    // A container for the run's product with these sections (both tables where the product's
    // containers carry the extended one), written as the run's firmware file.
    fwfile::Bytes useFirmware(std::vector<fwfile::Bytes> sections, const std::string& name = "firmware.img")
    {
        const auto product = static_cast<uint32_t>(inputs.session.deviceTarget);
        fwfile::Bytes file = fwfile::make_container({"v1.0", product, fw_uses_extended_table(product), sections});
        useFile(file, name);
        return file;
    }
    // A container for the run's product with both tables, these blocks and their block fields,
    // written as the run's firmware file.
    fwfile::Bytes useBlocks(std::vector<fwfile::Bytes> blocks, std::vector<fwfile::BlockFields> fields,
                            const std::string& name = "firmware.img")
    {
        const auto product = static_cast<uint32_t>(inputs.session.deviceTarget);
        fwfile::Bytes file = fwfile::make_container({"v1.0", product, true, std::move(blocks), std::move(fields)});
        useFile(file, name);
        return file;
    }
    void useFile(const fwfile::Bytes& file, const std::string& name = "firmware.img")
    {
        inputs.firmwareFile = folder.put(name, file);
    }

    void run() { kivo::threadMethodUpdate(inputs, shared, host); }

    kivo::UpdateProgress progress() const { return shared.progress(); }
    std::string status(int language = 0) const { return shared.updateStatus()[static_cast<size_t>(language)]; }
    // The run ended with this status and code, nothing left open.
    void expectEnded(const std::string& text, int error)
    {
        EXPECT_EQ(status(), text);
        EXPECT_EQ(progress().updateRestoreError, error);
        EXPECT_EQ(bus().open_hid_handles(), 0);
        EXPECT_TRUE(shared.updateFinished());
    }
    // The phase markers in the order written, each once.
    std::vector<int> markers() const
    {
        std::vector<int> out;
        for (const kivo::UpdateProgress& p : changes)
            if (out.empty() || out.back() != p.addUpdateProcessed)
                out.push_back(p.addUpdateProcessed);
        return out;
    }
    long long virtualSeconds() const
    {
        return std::chrono::duration_cast<std::chrono::seconds>(sim::bus().clock().now()).count();
    }

    sim::Session session_;
    fwfile::TempFolder folder;
    kivo::UpdateShared shared;
    FakeUpdateHost host;
    kivo::UpdateInputs inputs;
    std::vector<kivo::UpdateProgress> changes;
};
