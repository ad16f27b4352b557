#pragma once
// The transfer paths, one per device family: which one a product takes is the first-match table
// of device/products/update_paths.h; each path lives in a file of its own under paths/.

#include <span>
#include <string_view>

#include "device/products/update_paths.h"

namespace kivo {

struct UpdateRun;

// A progress phase marker a path writes, with the step it starts.
struct PathPhase {
    int marker;
    std::string_view step;
};

struct TransferPath {
    std::string_view name;
    // Runs the family's part of a run: the shared steps it needs and its transfer; on a failure
    // it leaves the status and updateRestoreError and returns. The frame's ending follows.
    void (*run)(UpdateRun& run);
    // The phase markers of a successful run, in the order the path writes them (the timer paces
    // the bar by them).
    std::span<const PathPhase> phases;
};

const TransferPath& transfer_path(UpdateFamilyPath member);
// The path of a product: the first row of the table that lists it, else USB DFU.
const TransferPath& transfer_path_for(int product_id);

} // namespace kivo
