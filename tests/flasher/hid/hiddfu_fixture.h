#pragma once
// Every download test runs on an empty simulated bus under the virtual clock and leaves no handle
// open.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "flasher/hid/hiddfu.h"
#include "link/dfu_file.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_dfu_device.h"

class HidDfuTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        close();
        EXPECT_EQ(sim_.bus().open_hid_handles(), 0);
    }

    // Plugs the device and opens it (closing the one opened before).
    sim::PluggedHidDfu plug(const sim::HidDfuPersona& persona = {})
    {
        sim::PluggedHidDfu plugged = sim::plug_hid_dfu(persona);
        open(plugged.hid());
        return plugged;
    }
    // Opens an interface of a device on the bus (closing the one opened before).
    void open(const sim::HidInterface& hid)
    {
        close();
        device_ = hid_open_path(hid.path().c_str());
        EXPECT_NE(device_, nullptr);
    }
    hid_device* device() const { return device_; }
    void close()
    {
        if (device_ != nullptr)
            hid_close(device_);
        device_ = nullptr;
    }

    // An image of length bytes whose bytes 10 to 13 say how many of them to send.
    static fwfile::Bytes image(size_t length, uint32_t send)
    {
        fwfile::Bytes bytes = fwfile::pattern(length, static_cast<uint32_t>(length));
        fwfile::put_le32(bytes, 10, send);
        return bytes;
    }
    // A DFU file whose image is sent whole.
    static fwfile::Bytes dfu_file(size_t image_length)
    {
        return fwfile::with_dfu_suffix(image(image_length, static_cast<uint32_t>(image_length)), 0x3A10);
    }
    std::string put(const fwfile::Bytes& file) { return folder_.put("image.dfu", file); }

    // The CRC line for a file whose stored CRC is stored.
    static std::string crc_line(const fwfile::Bytes& file, uint32_t stored)
    {
        char line[64];
        std::snprintf(line, sizeof line, "CRC %X %X \n", dfu_suffix_crc({file.data(), file.size() - 4}), stored);
        return line;
    }
    static std::string crc_line(const fwfile::Bytes& file)
    {
        const size_t at = file.size() - 4;
        const uint32_t stored = uint32_t{file[at]} | uint32_t{file[at + 1]} << 8 | uint32_t{file[at + 2]} << 16 |
            uint32_t{file[at + 3]} << 24;
        return crc_line(file, stored);
    }

    long long virtual_ms() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(sim::bus().clock().now()).count();
    }
    static void capture() { ::testing::internal::CaptureStdout(); }
    static std::string captured() { return ::testing::internal::GetCapturedStdout(); }

private:
    sim::Session sim_;
    fwfile::TempFolder folder_;
    hid_device* device_ = nullptr;
};
