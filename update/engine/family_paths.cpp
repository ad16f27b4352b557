#include "update/engine/family_paths.h"

#include <array>

#include "update/engine/paths/paths.h"

namespace kivo {
namespace {

constexpr TransferPath unbuilt(std::string_view name) { return {name, run_unbuilt_member, {}}; }

constexpr TransferPath kCameraMeshBtPath = unbuilt("CameraMeshBt");

// By UpdateFamilyPath, in its order.
constexpr std::array<const TransferPath*, 17> kPaths = {
    &kHid4210Path,   &kKelporIntermediatePath, &kQccBtVpPath,         &kQccBtOnlyPath,
    &kAiroha6APath,  &kAiroha68Path,           &kMeshAirohaQccVpPath, &kMeshAirohaQccPath,
    &kMeshQcc65Path, &kMeshThenBt32Path,       &kCameraMeshBtPath,    &kMeshBt31Path,
    &kHidDual43Path, &kHidCameraPath,          &kDownloadMode60Path,  &kDfuAfterDownloadModePath,
    &kUsbDfuPath,
};

} // namespace

const TransferPath& transfer_path(UpdateFamilyPath member) { return *kPaths.at(static_cast<size_t>(member)); }

const TransferPath& transfer_path_for(int product_id) { return transfer_path(update_family_path(product_id)); }

} // namespace kivo
