#pragma once
// Which device a run may take when it finds one again. The start of a run checks once that the
// device is the recognized one; after that, the device found after a restart, a search, a detach
// or a re-plug is the device being updated only when its product id is one the run expects there:
//
//   the headset over HID (back from its loader or a restart, every reopen and headset search):
//     the id it was recognized under (usbStatus); back from its loader, and in the final polls,
//     also the id of the firmware file the run checked and wrote, where that is another product's;
//   a mesh-intercom module: the ids its search's opener names;
//   a plain-USB device (its DFU status, the wait for DFU mode, the closing passes): the recognized
//     id and its partner in the other half of the link's USB table (normal firmware and loader:
//     both devices of the two-device product), or for the products switched into download mode
//     first, the two ids they come back under and their own.
//
// Any other of the maker's devices is passed over by the walk that would find it (never opened,
// or closed again at once when an opener does not look at the ids): it receives no command, and
// the search goes on as if it were absent, within the search's own bound. A refusal is traced with
// both ids, once per wait or search for each device id passed over (not at every poll). A second
// device of the very same id cannot be told apart by its id.

#include <cstdint>
#include <string>
#include <vector>

#include "link/hid_discovery.h"
#include "link/product_filter.h"

namespace kivo {

struct UpdateRun;

// A device the run looks for over HID: the opener that finds it and the ids it may have.
struct SoughtDevice {
    // For the trace: "headset", "mesh module".
    const char* what;
    HidOpener open;
    std::vector<uint32_t> ids;

    bool accepts(uint32_t product_id) const;
};

// The headset being updated: the run's opener, the id it was recognized under.
SoughtDevice updated_headset(const UpdateRun& run);
// The same once its loader has run, and in the final polls: also the product id of the firmware
// file the run loaded, where that differs. A product that takes another product's file may come
// back showing the id of the firmware it now runs. Traces the id it adds.
SoughtDevice updated_headset_after_loader(const UpdateRun& run);
// The mesh-intercom modules, by the opener of their search.
SoughtDevice vantor_mesh_module();
SoughtDevice qcc_mesh_module();
SoughtDevice airoha_mesh_module();

// The devices a wait or a search has passed over and traced: each id is traced the first time only,
// so that a bystander beside a headset polled once a second for minutes gives one line, not one a
// poll. Each wait keeps its own.
class PassedOver {
public:
    // Traces the refusal of `found` under `step`, unless this wait has traced that id already.
    void refuse(const char* step, const char* what, uint32_t found, const std::vector<uint32_t>& expected);

private:
    std::vector<uint32_t> traced_;
};

// One open of the device into slot 0: true with it open there; a device of another id is passed
// over (traced, once per `passed`), and when the opener took one all the same, it is closed again
// before any command.
bool open_sought(const SoughtDevice& sought, PassedOver& passed);
// The same for an open of its own, not part of a wait.
bool open_sought(const SoughtDevice& sought);

// The ids the plain-USB device being updated may show, and the filter the USB DFU walks pass every
// other device over with (each refusal traced under `step`, once for each id over the filter's
// life: a wait builds one filter for all its passes).
std::vector<uint32_t> updated_usb_ids(const UpdateRun& run);
ProductFilter updated_usb_filter(const UpdateRun& run, const char* step);

// "3142", "6511/6501": the ids as the traces show them.
std::string ids_text(const std::vector<uint32_t>& ids);

} // namespace kivo
