#pragma once
// The camera-mesh headsets' runs: the headset with its module (and, for the camera products, its
// camera and card), the file of Bluetooth blocks, module and iM501, and what the module received.

#include <algorithm>

#include "device/products/camera_cards.h"
#include "device/products/camera_files.h"
#include "tests/link/test_opener.h"
#include "tests/sim/camera_card.h"
#include "tests/update/engine/mesh_fixture.h"
#include "tests/update/engine/paths/camera_stage_support.h"
#include "update/engine/hid/hid_image.h"
#include "update/engine/mesh/crc16.h"

namespace camera_mesh_test {

inline constexpr uint8_t kErase = 0x05;
inline constexpr uint8_t kChunk = 0x06;
inline constexpr uint8_t kVerify = 0x07;
inline constexpr uint8_t kRunLoader = 0x08;
inline constexpr uint8_t kChunkCrc = 0x5A;
inline constexpr uint8_t kAllCrc = 0x5B;
inline constexpr uint8_t kFinalCheck = 0x47;
inline constexpr uint8_t kMountStatus = 0x80;
inline constexpr uint8_t kReadRecord = 0x03;
inline constexpr uint8_t kWriteRecord = 0x04;

inline long count(const std::vector<uint8_t>& commands, uint8_t command)
{
    return std::count(commands.begin(), commands.end(), command);
}

inline bool is_im501_erase(const sim::Bytes& out) { return out.size() > 2 && out[1] == kErase && out[2] == 1; }

inline sim::Bytes chunk_data(const sim::Bytes& report) { return {report.begin() + 4, report.begin() + 4 + report[3]}; }

} // namespace camera_mesh_test

using namespace camera_mesh_test;

class CameraMeshBt : public MeshRunTest {
protected:
    void SetUp() override
    {
        MeshRunTest::SetUp();
        persona = sim::camera_mesh_headset();
        inputs.strLanguageFirmware = "German";
    }

    // The headset under `product_id`, opened by product.
    void plugAs(uint16_t product_id)
    {
        sim::HeadsetPersona p = persona;
        p.product_id = product_id;
        plugByProduct(p);
    }

    // Two Bluetooth blocks, the module in block 2 and the iM501 in block 3 (types 6 to 9).
    void useImages() { useBlocks({bluetooth0, bluetooth1, module, im501}); }

    // What the module received from the iM501's erase on.
    std::vector<sim::Bytes> im501Writes() const
    {
        const std::vector<sim::Bytes> writes = moduleWrites();
        const auto erase = std::find_if(writes.begin(), writes.end(), is_im501_erase);
        return {erase, writes.end()};
    }
    std::vector<uint8_t> im501Commands() const
    {
        std::vector<uint8_t> out;
        for (const sim::Bytes& w : im501Writes())
            out.push_back(w[1]);
        return out;
    }

    const fwfile::Bytes bluetooth0 = withVersion(3000, "1.3.0.0", 1);
    const fwfile::Bytes bluetooth1 = fwfile::pattern(1200, 2);
    const fwfile::Bytes module = withVersion(400, "1.4.0.0", 3);
    const fwfile::Bytes im501 = fwfile::pattern(130, 4);
};
