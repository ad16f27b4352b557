#pragma once
// Two small controls the settings pages use beside Qt's own: a pop-up button that tells before its
// menu opens, and a stepper (up and down arrows without a field).

#include <QComboBox>
#include <QSpinBox>

#include <functional>

class PopUpButton : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    // Called each time the menu is about to open.
    std::function<void()> menuWillOpen;
    void showPopup() override;
};

// A value between a minimum and a maximum in steps, shown as arrows only.
class Stepper : public QSpinBox {
    Q_OBJECT
public:
    explicit Stepper(QWidget* parent = nullptr);
};
