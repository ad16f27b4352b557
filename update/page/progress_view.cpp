#include "update/page/progress_view.h"

void show_progress_area(const kivo::ProgressArea& area, ProcessingSpinner& spinner, QProgressBar& bar, QLabel& number,
                        QLabel& percent)
{
    spinner.setDoubleValue(area.spinnerValue);
    if (area.spinning)
        spinner.startAnimation();
    else
        spinner.stopAnimation();
    bar.setValue(area.barValue);
    bar.setVisible(area.barShown);
    if (area.numberShown)
        number.setText(QString::fromStdString(area.number));
    number.setVisible(area.numberShown);
    percent.setVisible(area.numberShown);
}
