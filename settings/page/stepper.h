#pragma once
// A stepper: two small arrow buttons that step a value up or down between its limits, the
// companion of a number field. It shows no number of its own.

#include <QWidget>

class QToolButton;

class Stepper : public QWidget {
    Q_OBJECT
public:
    explicit Stepper(QWidget* parent = nullptr);

    // The size of a small stepper beside a field, whatever the arrows' own hints ask.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    double value() const { return value_; }
    // Kept within the limits; emits nothing.
    void setValue(double value);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    void setRange(double minimum, double maximum);
    double increment() const { return increment_; }
    void setIncrement(double increment) { increment_ = increment; }

    // What the arrows do, also for tests and keys.
    void stepUp() { stepBy(increment_); }
    void stepDown() { stepBy(-increment_); }

signals:
    // The user moved the value with an arrow.
    void stepped();

private:
    void stepBy(double delta);

    QToolButton* up_;
    QToolButton* down_;
    double value_ = 0;
    double minimum_ = 0;
    double maximum_ = 100;
    double increment_ = 1;
};
