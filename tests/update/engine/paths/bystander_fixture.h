#pragma once
// Whole updates of a HID headset with another of the maker's headsets on the bus: a different
// product that the same opener finds, ahead of the headset in bus order. Either it is plugged in
// once the run has begun (after the start check) and stays to the end, so that while the headset is
// away after a restart or a switch it is the first one every search meets; or it is there from the
// start. Each run starts on an empty bus; the headset of each product is its family's
// (family_headsets.h), and so is the bystander.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "device/products/intermediate_images.h"
#include "tests/app/net/demo_firmware.h"
#include "tests/app/net/local_http_server.h"
#include "tests/link/firmware_file_builder.h"
#include "tests/sim/bus.h"
#include "tests/sim/hid_headsets.h"
#include "tests/update/engine/fake_update_host.h"
#include "tests/update/engine/family_headsets.h"
#include "update/engine/run.h"

// One row of a road's table: a product of the member, and the bystander's product.
struct BystanderRoad {
    const char* member;
    uint16_t product;
    uint16_t bystander;
    // The headset runs firmware this old (the intermediate-image headsets take their intermediate
    // image first).
    std::optional<sim::VersionQuad> version = std::nullopt;
};

enum class BystanderPlace { Absent, PluggedAheadOnceBegun, AheadFromTheStart };

// How and when a run ended, and what the headset being updated received.
struct RoadOutcome {
    std::string status;
    int error = -1;
    bool finished = false;
    // A run that took another device for the headset ends sooner: its polls were answered at once.
    kivo::Duration endedAt{};
    // The commands each HID interface of the headset received, then its module's.
    std::vector<std::vector<uint8_t>> commands;
    bool operator==(const RoadOutcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const RoadOutcome& o)
{
    out << "\"" << o.status << "\" error " << o.error << (o.finished ? "" : " unfinished") << " at "
        << std::chrono::duration_cast<std::chrono::milliseconds>(o.endedAt).count() << " ms, commands";
    for (const std::vector<uint8_t>& sent : o.commands)
        out << " " << sent.size();
    return out;
}

class BystanderRoadTest : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kPlugAfter{1};
    static constexpr std::chrono::seconds kAwayAfterRunLoader{70};

    // One whole update of the road's product with its bystander where `place` says. The bystander,
    // when plugged, is left in `bystander`.
    RoadOutcome runRoad(const BystanderRoad& road, BystanderPlace place)
    {
        sim::bus().reset();
        sim::HeadsetPersona persona = family::headset_persona(road.product);
        if (road.version)
            persona.version = *road.version;
        // Away longer than any path pauses before its polls: the polls run while it is away.
        persona.awayAfterRunLoader = kAwayAfterRunLoader;
        const sim::PluggedHeadset headset = sim::plug_headset(persona);
        family::plug_companions(road.product);
        bystanderPersona = family::headset_persona(road.bystander);
        bystander.reset();
        if (place != BystanderPlace::Absent) {
            bystander = sim::plug_headset(bystanderPersona);
            const std::shared_ptr<sim::Device> device = bystander->headset;
            if (place == BystanderPlace::AheadFromTheStart) {
                sim::bus().plug_ahead(device);
            } else {
                sim::bus().unplug(*device);
                sim::bus().schedule(kPlugAfter, [device] { sim::bus().plug_ahead(device); });
            }
        }

        kivo::UpdateInputs inputs;
        family::recognize(persona, inputs);
        inputs.opener = family::headset_opener(road.product, {road.bystander});
        inputs.firmwareFile = folder.put("firmware.img", firmwareOf(road.product));
        inputs.archiveFolder = folder.path() / "archive";
        inputs.globalServerBase = server.base();
        serveIntermediateImage(road.product);
        kivo::UpdateShared shared;
        FakeUpdateHost host;
        kivo::threadMethodUpdate(inputs, shared, host);
        EXPECT_EQ(sim::bus().open_hid_handles(), 0) << "a run left a device open";

        RoadOutcome outcome{shared.updateStatus()[0],
                            shared.progress().updateRestoreError,
                            shared.updateFinished(),
                            sim::bus().clock().now(),
                            {}};
        for (const auto& iface : headset.headset->hid)
            outcome.commands.push_back(sim::commands_sent(*iface));
        if (headset.module)
            outcome.commands.push_back(sim::commands_sent(*headset.module->hid.front()));
        return outcome;
    }

    // Every road in every place: without the bystander the update succeeds; plugged once the run has
    // begun, the run ends as it does without it; there from the start, the start check refuses it
    // before any command. The bystander is never written in any way.
    void expectRoads(std::span<const BystanderRoad> roads)
    {
        for (const BystanderRoad& road : roads) {
            SCOPED_TRACE(::testing::Message()
                         << road.member << " " << std::hex << road.product << " beside " << road.bystander);
            const RoadOutcome alone = runRoad(road, BystanderPlace::Absent);
            ASSERT_EQ(alone.error, 0) << alone;

            EXPECT_EQ(runRoad(road, BystanderPlace::PluggedAheadOnceBegun), alone);
            EXPECT_EQ(sim::bus().hid_opens().front(), road.product) << "the start check found the headset";
            expectUntouched();

            const RoadOutcome refused = runRoad(road, BystanderPlace::AheadFromTheStart);
            EXPECT_EQ(refused.status, "Failed to update firmware. Not the recognized device");
            EXPECT_EQ(refused.error, 2);
            for (const std::vector<uint8_t>& sent : refused.commands)
                EXPECT_TRUE(sent.empty());
            expectUntouched();
        }
    }

    // Nothing was sent to the bystander, nor to its module: its images, records and version stand.
    void expectUntouched() const
    {
        ASSERT_TRUE(bystander);
        for (const auto& iface : bystander->headset->hid)
            EXPECT_TRUE(iface->outputs().empty()) << "the bystander received a command";
        if (bystander->module) {
            EXPECT_TRUE(bystander->module->hid.front()->outputs().empty()) << "the bystander's module did";
        }
        EXPECT_EQ(bystander->version(), bystanderPersona.version);
        for (const auto& [id, words] : bystanderPersona.records)
            EXPECT_EQ(bystander->record(id), words);
        EXPECT_TRUE(bystander->headset->present());
    }

    // A file every HID path takes whole: four entries in both tables, block i numbered i, block 0
    // at 1.4 (above the intermediate-image floors).
    static fwfile::Bytes firmwareOf(uint16_t product)
    {
        return fwfile::make_container(
            {"v1.4",
             product,
             true,
             {fwfile::pattern(1500, 1), fwfile::pattern(700, 2), fwfile::pattern(300, 3), fwfile::pattern(130, 4)},
             {{0, 0, {1, 4}}, {1, 0, {}}, {2, 0, {}}, {3, 0, {}}}});
    }

    void serveIntermediateImage(uint16_t product)
    {
        if (const kivo::IntermediateImage* image = kivo::intermediate_image(product)) {
            const fwfile::Bytes body = demo_firmware::intermediate_image(product, 1200);
            server.serve("/kivobluetoothmanager/" + std::string(image->fileName),
                         testnet::Reply{200, std::string(body.begin(), body.end())});
        }
    }

    sim::Session session;
    fwfile::TempFolder folder;
    testnet::LocalHttpServer server;
    sim::HeadsetPersona bystanderPersona;
    std::optional<sim::PluggedHeadset> bystander;
};
