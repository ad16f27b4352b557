#pragma once
// The restore page's summary rows as pairs of fields: the label on the left, the value beside it.

#include <QLabel>

#include <array>

#include "ui_restore_view.h"

struct SummaryFields {
    QLabel* label;
    QLabel* value;
};

// Data rows 1 to 6.
inline std::array<SummaryFields, 6> summary_data_rows(Ui::RestoreView& ui)
{
    return {{{ui.lblRestoredData1, ui.tfRestoredData1},
             {ui.lblRestoredData2, ui.tfRestoredData2},
             {ui.lblRestoredData3, ui.tfRestoredData3},
             {ui.lblRestoredData4, ui.tfRestoredData4},
             {ui.lblRestoredData5, ui.tfRestoredData5},
             {ui.lblRestoredData6, ui.tfRestoredData6}}};
}
