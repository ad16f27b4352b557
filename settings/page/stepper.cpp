#include "settings/page/stepper.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

Stepper::Stepper(QWidget* parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The arrows share the stepper's own size; theirs would make it a button's width.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    for (auto [button, arrow] : {std::pair{up_, Qt::UpArrow}, std::pair{down_, Qt::DownArrow}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, &Stepper::stepUp);
    connect(down_, &QToolButton::clicked, this, &Stepper::stepDown);
}

QSize Stepper::sizeHint() const
{
    constexpr int kWidth = 15;
    constexpr int kHeight = 23;
    return {kWidth, kHeight};
}

void Stepper::setValue(double value) { value_ = std::clamp(value, minimum_, maximum_); }

void Stepper::setRange(double minimum, double maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_);
}

void Stepper::stepBy(double delta)
{
    const double before = value_;
    setValue(value_ + delta);
    if (value_ != before)
        emit stepped();
}
