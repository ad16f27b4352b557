#pragma once
// The message box's sizes by size code (its purposes are in common/page_ids.h).

#include <QSize>

#include "common/page_ids.h"

// Content size of the box by size code; the first box of a run is 20 points higher.
QSize message_box_size(int size_code, bool first_of_run);
