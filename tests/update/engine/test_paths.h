#pragma once
// Transfer paths of the tests' own, to drive the frame and the shared steps.

#include "text/status_text_set.h"
#include "update/engine/family_paths.h"

// The shared steps (reading section entry 0), one version command to the device, the success
// ending.
extern const kivo::TransferPath kSharedStepsPath;
// Opens a box the way a path's instruction box is opened, then fails with the link open.
extern const kivo::TransferPath kBoxLeftOpenPath;
// The status a test path found when it began (the frame's first status).
kivo::StatusTextSet first_status_seen();
