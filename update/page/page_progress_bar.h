#pragma once
// The pages' percentage bar: drawn as a thin bar along the top of its frame, so that the number
// placed just below the frame's middle stays readable.

#include <QProgressBar>

class PageProgressBar : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent* event) override;
};
