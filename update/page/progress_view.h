#pragma once
// The pages' progress area drawn as the page's state gives it: the spinner, or the bar with its
// number and percent sign.

#include <QLabel>
#include <QProgressBar>

#include "update/page/processing_spinner.h"
#include "update/state/page_controls.h"

void show_progress_area(const kivo::ProgressArea& area, ProcessingSpinner& spinner, QProgressBar& bar, QLabel& number,
                        QLabel& percent);
