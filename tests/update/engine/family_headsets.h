#pragma once
// A simulated headset for a whole update of any product the HID transfer paths take, as its path
// needs it: the persona of its family (the mesh-module headsets with their module, the headsets of
// two modules with their second one, the download-mode headsets running their normal firmware, the
// Airoha headsets answering every block's version read, the user's steps done at their first
// poll), what its path reaches beside it (the 0x6A headsets' Qualcomm part), the opener that finds
// it, and the run's inputs as recognition records it. The whole-update fuzz target and the tables
// of whole runs share it.

#include <cstdint>
#include <vector>

#include "link/hid_discovery.h"
#include "tests/sim/hid_headsets.h"
#include "update/engine/run.h"

namespace family {

// The version the second module of a headset of two modules runs.
inline constexpr sim::VersionQuad kSecondModuleVersion{1, 4, 0, 0};

sim::HeadsetPersona headset_persona(uint16_t product);
// Whether the product's headset shows two modules (link slots 0 and 1).
bool has_two_modules(uint16_t product);
// Plugs what the product's path reaches beside its headset.
void plug_companions(uint16_t product);
// Opens the product's headset, or any of `others` when it comes first on the bus (a list opener):
// the application's own opener when it takes them all, else the tests' (two slots for a headset
// of two modules).
kivo::HidOpener headset_opener(uint16_t product, const std::vector<uint16_t>& others = {});
// The inputs as recognition records the headset: its product and versions (the module-01 ones of
// the headsets with a module, the second module's of a headset of two).
void recognize(const sim::HeadsetPersona& persona, kivo::UpdateInputs& inputs);

} // namespace family
