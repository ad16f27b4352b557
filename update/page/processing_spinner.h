#pragma once
// The pages' busy spinner: a ring of spokes that turns while started and is not drawn while
// stopped. Its value is kept for the pages' state (50 while it runs, 0 when stopped).

#include <QTimer>
#include <QWidget>

#include <mutex>
#include <vector>

class ProcessingSpinner : public QWidget {
    Q_OBJECT
public:
    explicit ProcessingSpinner(QWidget* parent = nullptr);

    void startAnimation();
    void stopAnimation();
    // From any thread: the start (or stop) is queued and the main thread only woken to carry it out,
    // in the order posted; the caller never waits.
    void postAnimation(bool start);
    bool isAnimating() const { return timer_.isActive(); }
    void setDoubleValue(double value) { value_ = value; }
    double doubleValue() const { return value_; }

signals:
    void animationPosted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void runPostedAnimations();

    std::mutex postedMutex_;
    std::vector<bool> posted_;
    QTimer timer_;
    int step_ = 0;
    double value_ = 0;
};
