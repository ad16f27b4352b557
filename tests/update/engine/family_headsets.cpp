#include "tests/update/engine/family_headsets.h"

#include <algorithm>

#include "device/products/update_instructions.h"
#include "device/products/update_paths.h"
#include "tests/link/test_opener.h"

namespace family {
namespace {

using kivo::UpdateFamilyPath;

// The 0x6A headsets' Qualcomm part, a USB identity of its own.
constexpr uint16_t kQualcommPart = 0x33F0;

} // namespace

sim::HeadsetPersona headset_persona(uint16_t product)
{
    const UpdateFamilyPath path = kivo::update_family_path(product);
    sim::HeadsetPersona persona;
    switch (path) {
    case UpdateFamilyPath::MeshAirohaQccVp: persona = sim::mesh_airoha_qcc_vp_headset(); break;
    case UpdateFamilyPath::MeshAirohaQcc: persona = sim::mesh_airoha_qcc_headset(); break;
    case UpdateFamilyPath::MeshThenBt32: persona = sim::mesh_then_bt32_headset(); break;
    case UpdateFamilyPath::MeshQcc65: persona = sim::mesh_qcc65_headset(); break;
    case UpdateFamilyPath::CameraMeshBt: persona = sim::camera_mesh_headset(); break;
    // The others are the OEM headset under another id.
    default: persona = sim::oem_headset(); break;
    }
    persona.product_id = product;
    persona.instructionDoneAt = 1;
    if (kivo::update_needs_instructions(product))
        persona.readyAfterRunLoaderAt = 1;
    if (has_two_modules(product))
        persona.secondModule = sim::SecondModulePersona{kSecondModuleVersion, {}, {}};
    if (path == UpdateFamilyPath::DownloadMode60)
        persona.downloadMode = sim::DownloadModePersona{};
    if (path == UpdateFamilyPath::Airoha6A || path == UpdateFamilyPath::Airoha68) {
        // Its Airoha face answers every block's version read.
        persona.shortReports = true;
        for (int block = 0; block <= 0xFF; ++block)
            persona.airoha.blockVersions[static_cast<uint8_t>(block)] = {1, 0, 0, 0, 0};
    }
    return persona;
}

bool has_two_modules(uint16_t product)
{
    const UpdateFamilyPath path = kivo::update_family_path(product);
    return path == UpdateFamilyPath::Hid4210 || path == UpdateFamilyPath::HidDual43;
}

void plug_companions(uint16_t product)
{
    if (kivo::update_family_path(product) != UpdateFamilyPath::Airoha6A)
        return;
    sim::HeadsetPersona part;
    part.product_id = kQualcommPart;
    sim::plug_headset(part);
}

kivo::HidOpener headset_opener(uint16_t product, const std::vector<uint16_t>& others)
{
    std::vector<uint16_t> products{product};
    products.insert(products.end(), others.begin(), others.end());
    if (has_two_modules(product))
        return open_products_in_two_slots(products);
    if (std::all_of(products.begin(), products.end(), [](uint16_t id) { return hid_device_product(id); }))
        return hid_open_device;
    return open_products(products);
}

void recognize(const sim::HeadsetPersona& persona, kivo::UpdateInputs& inputs)
{
    inputs.session.deviceTarget = persona.product_id;
    inputs.session.usbStatus = persona.product_id;
    inputs.session.recognized = true;
    inputs.data.setDeviceRecognized(persona.product_id);
    const sim::VersionQuad& v = persona.version;
    const FirmwareQuad recognized{v.major, v.minor, v.secondaryType, v.secondary};
    inputs.data.setDeviceVersion(recognized);
    inputs.data.setDeviceVersion01(recognized);
    if (persona.secondModule) {
        const sim::VersionQuad& s = persona.secondModule->version;
        inputs.data.setDeviceVersion02({s.major, s.minor, s.secondaryType, s.secondary});
    }
}

} // namespace family
