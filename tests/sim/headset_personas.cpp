// The named personas of the simulated HID headsets: the OEM headset and one headset of each family
// the update paths and pages are tested on.

#include "tests/sim/hid_headsets.h"

namespace sim {
namespace {

// A headset with a mesh module, which its switch command brings up.
HeadsetPersona headset_with_module(uint16_t product_id, std::string name, VersionQuad version, ModulePersona module)
{
    HeadsetPersona p;
    p.product_id = product_id;
    p.name = std::move(name);
    p.version = version;
    p.module = std::move(module);
    return p;
}

} // namespace

HeadsetPersona oem_headset()
{
    HeadsetPersona p;
    p.product_id = 0x3142;
    p.name = "VARGO Zeltra";
    p.version = {2, 1, 0, 0};
    p.languagePackType = 1;
    p.languagePackMajor = 1;
    p.languagePackMinor = 0;
    ModulePersona module;
    module.product_id = 0x3120;
    module.version = {1, 3, 0, 0};
    p.module = module;
    p.records[0x15] = kOemFmBlock;
    return p;
}

HeadsetPersona airoha_68_headset()
{
    HeadsetPersona p;
    p.product_id = 0x6800;
    p.name = "Halvern Sarda";
    p.version = {1, 2, 0, 0};
    p.shortReports = true;
    return p;
}

HeadsetPersona airoha_6a_headset()
{
    HeadsetPersona p = airoha_68_headset();
    p.product_id = 0x6A01;
    p.name = "Halvern Nessel";
    p.version = {1, 4, 0, 0};
    return p;
}

ModulePersona airoha_mesh_module()
{
    ModulePersona module;
    module.product_id = 0x3220;
    module.version = {2, 0, 0, 0};
    module.backAfterRunLoader = std::chrono::seconds(2);
    AirohaPersona airoha;
    for (int block = 0; block <= 0xFF; ++block)
        airoha.blockVersions[static_cast<uint8_t>(block)] = {2, 0, 0, 0, 0};
    module.airoha = airoha;
    return module;
}

HeadsetPersona mesh_airoha_qcc_headset()
{
    return headset_with_module(0x5552, "Branwick Vallo Q", {2, 3, 0, 0}, airoha_mesh_module());
}

HeadsetPersona mesh_airoha_qcc_vp_headset()
{
    HeadsetPersona p = mesh_airoha_qcc_headset();
    p.product_id = 0x5630;
    p.name = "Pintra Ossel";
    p.version = {1, 6, 0, 0};
    p.records[kVoicePromptVersionRecord] = {0, 0, 0, 0, 0x0000, 0x000C};
    return p;
}

HeadsetPersona mesh_then_bt32_headset()
{
    return headset_with_module(0x3210, "Egrano", {1, 5, 0, 0}, airoha_mesh_module());
}

ModulePersona qcc_mesh_module()
{
    ModulePersona module;
    module.product_id = 0x6511;
    module.version = {1, 2, 0, 0};
    module.backAfterRunLoader = std::chrono::seconds(2);
    return module;
}

HeadsetPersona mesh_qcc65_headset()
{
    return headset_with_module(0x6510, "Morvik Kesso Duo", {1, 4, 0, 0}, qcc_mesh_module());
}

HeadsetPersona mesh_qcc65_headset_3161()
{
    ModulePersona module = qcc_mesh_module();
    module.product_id = 0x3160;
    return headset_with_module(0x3161, "Tressel", {1, 1, 0, 0}, module);
}

HeadsetPersona oem_headset_with_settings()
{
    HeadsetPersona p = oem_headset();
    constexpr uint16_t kFmMagicWritten = 0x66E9;
    const std::vector<uint16_t> flags = {0x0300};
    p.records = {
        {0x04, {0x1D25, 0x0187, 0x0012, 0x0003}},
        {0x09, flags},
        // Magic, frequency, preset, ten presets (10 kHz units), RDS, region.
        {0x15, {kFmMagicWritten, 10120, 3, 8750, 9010, 9550, 10120, 10430, 10700, 8800, 9200, 9900, 10600, 1, 2}},
    };
    p.factoryRecords = std::map<uint8_t, std::vector<uint16_t>>{
        {0x04, {0x1D21, 0x0183, 0x0000, 0x0000}},
        {0x09, flags},
        {0x15, {0xFFFF, 8750, 0, 8750, 8750, 8750, 8750, 8750, 8750, 8750, 8750, 8750, 8750, 0, 0}},
    };
    return p;
}

HeadsetPersona camera_mesh_headset()
{
    HeadsetPersona p = oem_headset();
    p.product_id = 0x3148;
    p.name = "Ostrel Vane";
    p.version = {1, 2, 0, 0};
    p.records = {{0x04, {0x1D21, 0x0183, 0x0000, 0x0000}}};
    return p;
}

HeadsetPersona camera_mesh_camera_headset(CameraCard& card)
{
    HeadsetPersona p = camera_mesh_headset();
    p.product_id = 0x3232;
    p.name = "Ostrel Tarsk";
    p.camera = camera_of(p.product_id, card);
    return p;
}

HeadsetPersona intermediate_image_headset()
{
    HeadsetPersona p;
    p.product_id = 0x3340;
    p.name = "Ridge Three";
    p.version = {1, 2, 0, 0};
    return p;
}

HeadsetPersona voice_prompt_image_headset()
{
    HeadsetPersona p;
    p.product_id = 0x3342;
    p.name = "Ridge Four";
    p.version = {1, 0, 0, 0};
    return p;
}

void keep_speed_dials(HeadsetPersona& persona, const std::array<std::string, 3>& numbers)
{
    for (size_t i = 0; i < numbers.size(); ++i) {
        const std::vector<uint16_t> words(numbers[i].begin(), numbers[i].end());
        persona.records[static_cast<uint8_t>(0x37 + i)] = words;
        persona.records[static_cast<uint8_t>(0x5A + i)] = words;
        Bytes text(numbers[i].begin(), numbers[i].end());
        text.resize(58, 0);
        persona.shortRecords[static_cast<uint8_t>(5 + i)] = text;
    }
}

} // namespace sim
