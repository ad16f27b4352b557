#pragma once
// A USB DFU run on the simulated bus: plain-USB headsets and devices in their loader, the DFU file
// the run loads, the status lines the run went through, the DFU requests a device received, a
// claim-failure count of the test's own, and the check that no USB handle stays open. The tables
// run against both kinds of simulated DFU device (UsbDfuModeTest): the strict one of the standard
// and the maker's lenient loader.

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "link/dfu.h"
#include "link/dfu_file.h"
#include "tests/sim/usb_headsets.h"
#include "tests/update/engine/update_fixture.h"
#include "text/product_names.h"

// A file's bytes; none when it cannot be read.
inline std::vector<uint8_t> read_bytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The status lines of a run: "Failed to update firmware. <reason>", and the line while it writes.
inline constexpr char kFailed[] = "Failed to update firmware";
inline constexpr char kProcessing[] = "On updating firmware.";
inline std::string failed(const std::string& reason) { return std::string(kFailed) + ". " + reason; }

inline long long ms_of(kivo::Duration d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); }

inline int count_of(const std::vector<int>& requests, int request)
{
    return static_cast<int>(std::count(requests.begin(), requests.end(), request));
}

// The virtual times of a device's DNLOADs that went through, in order.
inline std::vector<kivo::Duration> dnload_times(const sim::Device& device, bool final_block_too = true)
{
    std::vector<kivo::Duration> times;
    for (const sim::ControlRecord& record : device.usb.transcript())
        if (record.setup.request_type == 0x21 && record.setup.request == 1 && record.result >= 0 &&
            (final_block_too || record.setup.length > 0))
            times.push_back(record.at);
    return times;
}
// The time of the last one; zero when there was none.
inline kivo::Duration last_dnload_at(const sim::Device& device)
{
    const std::vector<kivo::Duration> times = dnload_times(device);
    return times.empty() ? kivo::Duration{} : times.back();
}

class UsbDfuRunTest : public UpdateRunTest {
protected:
    void SetUp() override
    {
        UpdateRunTest::SetUp();
        inputs.dfuClaimFailureCount = &claimFailures;
        shared.setObserver([this](const kivo::UpdateProgress& p) {
            changes.push_back(p);
            const std::string line = shared.updateStatus()[0];
            if (statuses.empty() || statuses.back() != line)
                statuses.push_back(line);
            // The preparation's last write (3 %, or marker 8 for the two-device product): the BCCMD
            // link is closed, the DFU requests come next.
            const bool prepared = (p.updateProcessed == 3 && last_.updateProcessed != 3) ||
                (p.addUpdateProcessed == 8 && last_.addUpdateProcessed != 8);
            last_ = p;
            if (prepared && armAfterPreparation)
                std::exchange(armAfterPreparation, nullptr)();
            if (onProgress)
                onProgress(p);
        });
        target(0x4D10);
        inputs.data.setDeviceVersion({5, 1, 0, 0});
    }

    void TearDown() override
    {
        EXPECT_EQ(bus().open_usb_handles(), 0) << "a run left a USB device open";
        UpdateRunTest::TearDown();
    }

    // The recognized device, found under usb_status (a loader's id has bit 15 set).
    void recognized(uint16_t product_id, int usb_status, FirmwareQuad version = {})
    {
        target(product_id);
        inputs.session.usbStatus = usb_status;
        inputs.data.setDeviceVersion(version);
    }

    // A headset of the product as it ships, running its normal firmware.
    std::shared_ptr<sim::Device> plugHeadset(uint16_t product_id, uint16_t version_tenths = 0)
    {
        sim::UsbHeadsetPersona persona = sim::usb_headset(product_id, "Headset");
        if (version_tenths != 0)
            persona.version_tenths = version_tenths;
        return bus().plug(sim::make_usb_headset(persona));
    }
    std::shared_ptr<sim::Device> plugLoader(uint16_t loader_id) { return bus().plug(sim::make_dfu_device(loader_id)); }
    // A headset of the product in its loader, its persistent store kept for when it runs its
    // firmware again; the run recognizes it there.
    std::shared_ptr<sim::Device> plugHeadsetInItsLoader(uint16_t product_id)
    {
        sim::UsbHeadsetPersona persona = sim::usb_headset(product_id, "Headset");
        persona.in_loader = true;
        recognized(product_id, product_id | sim::kManagementModeBit);
        return bus().plug(sim::make_usb_headset(persona));
    }

    // The run's DFU file: an image that names its model by this text.
    fwfile::Bytes useDfuFile(const std::string& model_text, size_t payload = 3000)
    {
        const fwfile::Bytes file =
            fwfile::make_dfu_image(model_text, payload, static_cast<uint16_t>(inputs.session.deviceTarget));
        useFile(file, "firmware.dfu");
        return file;
    }
    // The image a DFU file carries: the file without its suffix.
    static fwfile::Bytes imageOf(const fwfile::Bytes& file)
    {
        return fwfile::Bytes(file.begin(), file.end() - static_cast<std::ptrdiff_t>(DfuFileSuffix::kSize));
    }
    // The expected model text of a product: its internal name and a model id.
    static std::string model(int product_id, int model_id)
    {
        char id[8];
        std::snprintf(id, sizeof id, "#%04X", static_cast<unsigned>(model_id));
        return kivo::ProductNames::tavk_product_name_for_internal(product_id, true) + id;
    }

    // The DFU class requests (bRequest) a device received, in order.
    static std::vector<int> dfuRequests(const sim::Device& device)
    {
        std::vector<int> requests;
        for (const sim::ControlRecord& record : device.usb.transcript())
            if (record.api == sim::UsbApi::Libusb01 && (record.setup.request_type & 0x7F) == 0x21)
                requests.push_back(record.setup.request);
        return requests;
    }
    // The DNLOAD requests a device received, in order, failed ones included.
    struct Dnload {
        int block;
        size_t length;
        int result;
        bool operator==(const Dnload&) const = default;
    };
    static std::vector<Dnload> dnloads(const sim::Device& device)
    {
        std::vector<Dnload> out;
        for (const sim::ControlRecord& record : device.usb.transcript())
            if (record.api == sim::UsbApi::Libusb01 && record.setup.request_type == 0x21 && record.setup.request == 1)
                out.push_back({record.setup.value, record.setup.length, record.result});
        return out;
    }
    // The first n of a device's requests.
    static std::vector<int> firstOf(std::vector<int> requests, size_t n)
    {
        requests.resize(std::min(requests.size(), n));
        return requests;
    }
    // The DFU requests of the run, by name.
    static constexpr int kDetach = 0, kDnload = 1, kGetStatus = 3, kClrStatus = 4, kAbort = 6, kRequest7 = 7;

    int claimFailures = 0;
    // Every status line the run showed (English), in order.
    std::vector<std::string> statuses;
    // Run once when the preparation is over, before the first DFU request.
    std::function<void()> armAfterPreparation;
    // Run at every change of the progress fields, on the worker.
    std::function<void(const kivo::UpdateProgress&)> onProgress;

private:
    kivo::UpdateProgress last_;
};

// What a table row expects of the strict device and of the lenient one; one value for both.
template <class T> struct PerMode {
    PerMode() = default;
    template <class U>
    requires(!std::is_same_v<U, PerMode>) PerMode(const U& both)
        : strict(both)
        , lenient(both)
    { }
    PerMode(T on_strict, T on_lenient)
        : strict(std::move(on_strict))
        , lenient(std::move(on_lenient))
    { }
    T strict{};
    T lenient{};
};

// A USB DFU run whose devices keep to the DFU mode of the test's parameter.
class UsbDfuModeTest : public UsbDfuRunTest, public testing::WithParamInterface<sim::DfuMode> {
protected:
    void SetUp() override
    {
        mode_.emplace(GetParam());
        UsbDfuRunTest::SetUp();
    }
    void TearDown() override
    {
        UsbDfuRunTest::TearDown();
        mode_.reset();
    }
    bool strict() const { return GetParam() == sim::DfuMode::Strict; }
    template <class T> const T& expected(const PerMode<T>& row) const { return strict() ? row.strict : row.lenient; }

private:
    std::optional<sim::DfuModeScope> mode_;
};

inline const auto kBothDfuModes = testing::Values(sim::DfuMode::Strict, sim::DfuMode::Lenient);
inline std::string dfu_mode_name(const testing::TestParamInfo<sim::DfuMode>& info)
{
    return sim::dfu_mode_name(info.param);
}
