// The USB DFU paths with another of the maker's plain-USB devices on the bus, running its firmware
// or its loader, ahead of the device being updated: the DFU status, the detach, the wait for DFU
// mode, the download and the closing passes (request 7, release, reset) reach the device being
// updated only, and the run ends as it would without the other device. There from the start, the
// other device is the one the search finds first, and the run ends at the start check. Against both
// DFU modes of the simulated devices.

#include <optional>
#include <vector>

#include "tests/update/engine/usb_dfu_fixture.h"

namespace {

// Where the other device is.
enum class Place { Absent, PluggedAheadOnceBegun, AheadFromTheStart };

struct UsbRoad {
    const char* what;
    uint16_t product;
    // In its loader the run writes the device; running its firmware, the run detaches it.
    bool inLoader;
    uint16_t bystander;
    bool bystanderInLoader;
    // Another device there from the start, behind the device being updated: the download-mode
    // products' search needs a device of the management-mode search's set on the bus.
    std::optional<uint16_t> behindInLoader = std::nullopt;
};

const UsbRoad kUsbRoads[] = {
    {"UsbDfu, in its loader, beside a headset", 0x4D10, true, 0x4D20, false},
    {"UsbDfu, in its loader, beside a loader", 0x4D10, true, 0x4D20, true},
    {"UsbDfu, detached, beside a headset", 0x4D10, false, 0x4D20, false},
    {"UsbDfu, detached, beside a loader", 0x4D10, false, 0x4D20, true},
    {"UsbDfu, both devices of the two-device product", 0x5310, true, 0x4D20, true},
    {"DfuAfterDownloadMode, in its loader, beside a headset", 0x6020, true, 0x4D20, false, 0x4D10},
    {"DfuAfterDownloadMode, in its loader, beside a loader", 0x6020, true, 0x4D20, true, 0x4D10},
};

// How a run ended, and what each device being updated received.
struct UsbOutcome {
    std::string status;
    int error = -1;
    std::vector<std::vector<int>> requests;
    std::vector<fwfile::Bytes> images;
    std::vector<uint16_t> ids;
    bool operator==(const UsbOutcome&) const = default;
};

std::ostream& operator<<(std::ostream& out, const UsbOutcome& o)
{
    return out << "\"" << o.status << "\" error " << o.error << ", " << o.requests.size() << " devices";
}

int occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

class UsbDfuBystander : public UsbDfuModeTest {
protected:
    // The plain-USB product a recognized product is on the bus as (the download-mode products'
    // USB face).
    static uint16_t onTheBus(uint16_t product) { return product == 0x6020 ? 0x6021 : product; }

    static std::shared_ptr<sim::Device> makeDevice(uint16_t product, bool in_loader)
    {
        sim::UsbHeadsetPersona persona = sim::usb_headset(product, "Headset");
        persona.in_loader = in_loader;
        return sim::make_usb_headset(persona);
    }

    UsbOutcome runRoad(const UsbRoad& road, Place place)
    {
        bus().reset();
        host.reset();
        sim::UsbHeadsetPersona persona = sim::usb_headset(onTheBus(road.product), "Headset");
        persona.in_loader = road.inLoader;
        std::vector<std::shared_ptr<sim::Device>> devices;
        if (road.product == sim::kTwoDeviceProduct) {
            for (const auto& device : sim::plug_usb_pair(persona))
                devices.push_back(device);
        } else {
            devices.push_back(bus().plug(sim::make_usb_headset(persona)));
        }
        others.clear();
        if (road.behindInLoader)
            keep(bus().plug(makeDevice(*road.behindInLoader, true)));
        const auto bystander = makeDevice(road.bystander, road.bystanderInLoader);
        if (place == Place::AheadFromTheStart)
            keep(bus().plug_ahead(bystander));
        if (place == Place::PluggedAheadOnceBegun)
            armAfterPreparation = [this, bystander] { keep(bus().plug_ahead(bystander)); };

        // As recognition records it: in its loader, the product alone; running its firmware, the
        // chip's id and version.
        const uint16_t recognizedAs = road.inLoader ? road.product : persona.chip_id;
        target(road.product);
        inputs.session.usbStatus = devices.front()->product_id;
        inputs.data.setDeviceRecognized(recognizedAs);
        inputs.data.setDeviceVersion(road.inLoader ? FirmwareQuad{} : FirmwareQuad{5, 1, 0, 0});
        image = imageOf(useDfuFile(model(recognizedAs, recognizedAs)));
        run();

        UsbOutcome outcome{status(), progress().updateRestoreError, {}, {}, {}};
        for (const auto& device : devices) {
            outcome.requests.push_back(dfuRequests(*device));
            outcome.images.push_back(device->usb.dfu->image());
            outcome.ids.push_back(device->product_id);
        }
        return outcome;
    }

    // Another device on the bus, as it was plugged.
    struct Other {
        std::shared_ptr<sim::Device> device;
        uint64_t generation;
    };
    void keep(const std::shared_ptr<sim::Device>& device) { others.push_back({device, device->generation()}); }

    // No request reached the other devices, no key of their stores was written, none was reset
    // or left the bus.
    void expectOthersUntouched() const
    {
        for (const Other& other : others) {
            SCOPED_TRACE(::testing::Message() << "the other device " << std::hex << other.device->product_id);
            EXPECT_TRUE(other.device->usb.transcript().empty()) << "it received a request";
            EXPECT_TRUE(other.device->present());
            EXPECT_EQ(other.device->generation(), other.generation) << "it was reset";
        }
    }

    std::vector<Other> others;
    // The image of the run's DFU file.
    fwfile::Bytes image;
};

INSTANTIATE_TEST_SUITE_P(DfuModes, UsbDfuBystander, kBothDfuModes, dfu_mode_name);

TEST_P(UsbDfuBystander, UsbDfuPathsReachOnlyTheDeviceBeingUpdated)
{
    for (const UsbRoad& road : kUsbRoads) {
        SCOPED_TRACE(road.what);
        const UsbOutcome alone = runRoad(road, Place::Absent);
        expectOthersUntouched();
        if (road.inLoader) {
            ASSERT_EQ(alone.error, 0) << alone;
            for (const fwfile::Bytes& written : alone.images)
                EXPECT_EQ(written, image);
        } else {
            // Detached: back in its loader for the next run to write.
            ASSERT_EQ(alone.error, 1) << alone;
            ASSERT_NE(alone.ids.front() & sim::kManagementModeBit, 0);
        }

        EXPECT_EQ(runRoad(road, Place::PluggedAheadOnceBegun), alone);
        EXPECT_FALSE(armAfterPreparation) << "the other device was plugged in once the run had begun";
        expectOthersUntouched();

        const UsbOutcome refused = runRoad(road, Place::AheadFromTheStart);
        EXPECT_EQ(refused.status, "Failed to update firmware. Not the recognized device");
        EXPECT_EQ(refused.error, 2);
        for (const std::vector<int>& requests : refused.requests)
            EXPECT_TRUE(requests.empty());
        expectOthersUntouched();
    }
}

// The device being updated gone, another of the maker's in its place ahead of it: the run counts
// fewer devices than it has and ends as a run that found fewer, never taking the other one.
TEST_P(UsbDfuBystander, AnotherDeviceInThePlaceOfTheOneBeingUpdatedIsNotCounted)
{
    struct Case {
        const char* what;
        bool inLoader;
        const char* status;
    };
    const Case cases[] = {
        // Gone before its DFU status is read.
        {"gone before stage A", true, "Failed to update firmware. Cannot get device [0 / 1]"},
        // Detached, and never back in DFU mode.
        {"not back from its detach", false, "Failed to update firmware. Cannot identify device [0 / 1]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bus().reset();
        others.clear();
        sim::UsbHeadsetPersona persona = sim::usb_headset(0x4D10, "Headset");
        persona.in_loader = c.inLoader;
        const auto device = bus().plug(sim::make_usb_headset(persona));
        const auto other = makeDevice(0x4D20, true);
        armAfterPreparation = [&] {
            if (c.inLoader)
                bus().unplug(*device);
            else
                device->usb.gone_after_reset = true;
            keep(bus().plug_ahead(other));
        };
        recognized(0x4D10, device->product_id, c.inLoader ? FirmwareQuad{} : FirmwareQuad{5, 1, 0, 0});
        useDfuFile(model(0x4D10, 0x4D10));
        testing::internal::CaptureStderr();
        run();
        const std::string trace = testing::internal::GetCapturedStderr();
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(progress().updateRestoreError, 1);
        expectOthersUntouched();
        // Met at each of the wait's 301 passes, traced once.
        if (!c.inLoader) {
            EXPECT_EQ(occurrences(trace, "USB DFU wait: passed over CD20, not the device being updated"), 1) << trace;
        }
    }
}
