#include "update/engine/family_paths.h"

#include <array>

#include "update/engine/paths/paths.h"

namespace kivo {
namespace {

constexpr TransferPath unbuilt(std::string_view name) { return {name, run_unbuilt_member, {}}; }

// By UpdateFamilyPath, in its order.
const std::array<TransferPath, 17> kPaths = {
    unbuilt("Hid4210"),   unbuilt("KelporIntermediate"), unbuilt("QccBtVp"),         unbuilt("QccBtOnly"),
    unbuilt("Airoha6A"),  unbuilt("Airoha68"),           unbuilt("MeshAirohaQccVp"), unbuilt("MeshAirohaQcc"),
    unbuilt("MeshQcc65"), unbuilt("MeshThenBt32"),       unbuilt("CameraMeshBt"),    unbuilt("MeshBt31"),
    unbuilt("HidDual43"), unbuilt("HidCamera"),          unbuilt("DownloadMode60"),  unbuilt("DfuAfterDownloadMode"),
    unbuilt("UsbDfu"),
};

} // namespace

const TransferPath& transfer_path(UpdateFamilyPath member) { return kPaths.at(static_cast<size_t>(member)); }

const TransferPath& transfer_path_for(int product_id) { return transfer_path(update_family_path(product_id)); }

} // namespace kivo
