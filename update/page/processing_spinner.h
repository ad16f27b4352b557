#pragma once
// The pages' busy spinner: a ring of spokes that turns while started and is not drawn while
// stopped. Its value is kept for the pages' state (50 while it runs, 0 when stopped).

#include <QTimer>
#include <QWidget>

class ProcessingSpinner : public QWidget {
    Q_OBJECT
public:
    explicit ProcessingSpinner(QWidget* parent = nullptr);

    void startAnimation();
    void stopAnimation();
    bool isAnimating() const { return timer_.isActive(); }
    void setDoubleValue(double value) { value_ = value; }
    double doubleValue() const { return value_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int step_ = 0;
    double value_ = 0;
};
