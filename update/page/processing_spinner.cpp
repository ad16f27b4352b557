#include "update/page/processing_spinner.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kSpokes = 12;
constexpr int kTurnPeriodMs = 80;

} // namespace

ProcessingSpinner::ProcessingSpinner(QWidget* parent)
    : QWidget(parent)
{
    timer_.setInterval(kTurnPeriodMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kSpokes;
        update();
    });
    // Connected here, on the main thread: a worker's post only queues the wake inside Qt.
    connect(this, &ProcessingSpinner::animationPosted, this, &ProcessingSpinner::runPostedAnimations,
            Qt::QueuedConnection);
}

void ProcessingSpinner::postAnimation(bool start)
{
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back(start);
    }
    emit animationPosted();
}

void ProcessingSpinner::runPostedAnimations()
{
    std::vector<bool> posted;
    {
        std::lock_guard lock(postedMutex_);
        posted.swap(posted_);
    }
    for (const bool start : posted)
        start ? startAnimation() : stopAnimation();
}

void ProcessingSpinner::startAnimation()
{
    if (!timer_.isActive())
        timer_.start();
    update();
}

void ProcessingSpinner::stopAnimation()
{
    timer_.stop();
    update();
}

void ProcessingSpinner::paintEvent(QPaintEvent*)
{
    if (!isAnimating())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setWidthF(std::max(1.5, side / 10));
    pen.setCapStyle(Qt::RoundCap);
    for (int i = 0; i < kSpokes; ++i) {
        // The spoke of the current step is darkest; the ones behind it fade.
        const int age = (step_ - i + kSpokes) % kSpokes;
        QColor color = pen.color();
        color.setAlphaF(static_cast<float>(1.0 - 0.75 * age / kSpokes));
        pen.setColor(color);
        painter.setPen(pen);
        painter.save();
        painter.rotate(360.0 * i / kSpokes);
        painter.drawLine(QPointF(0, -side * 0.22), QPointF(0, -side * 0.42));
        painter.restore();
    }
}
