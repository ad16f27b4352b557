#pragma once
// Runs against an Airoha headset with its loader face: 0x6800, which hid_open_device finds, or
// 0x6A01, opened by product with its Qualcomm part 0x33F0 beside it.

#include <string>
#include <vector>

#include "tests/link/test_opener.h"
#include "tests/update/engine/update_fixture.h"

class AirohaRunTest : public UpdateRunTest {
protected:
    // The headset of the run; 0x6A headsets are opened by product, as hid_open_device never opens them.
    void plug(const sim::HeadsetPersona& p)
    {
        persona = p;
        target(p.product_id);
        inputs.opener =
            hid_device_product(p.product_id) ? kivo::HidOpener(hid_open_device) : open_product(p.product_id);
        headset = sim::plug_headset(persona);
    }
    // The Qualcomm part of a 0x6A headset: a plain headset of its own identity.
    void plugQualcommPart()
    {
        sim::HeadsetPersona part;
        part.product_id = 0x33F0;
        part.version = {3, 1, 0, 0};
        qualcommPart = sim::plug_headset(part);
    }

    std::vector<uint8_t> commands() const { return sim::commands_sent(headset.hid()); }
    std::vector<sim::Bytes> outputs() const { return headset.hid().outputs(); }
    std::string cannotGetStatus(const std::string& tag) const
    {
        return "Failed to update firmware. Cannot get status" + tag;
    }

    sim::HeadsetPersona persona;
    sim::PluggedHeadset headset;
    sim::PluggedHeadset qualcommPart;
};
