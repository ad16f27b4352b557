#pragma once
// The window's main buttons: orange when on (checked and enabled), white otherwise. A label a little
// too long for its line (in several languages) gets a slightly smaller font; a longer one wraps to
// a second line, with a smaller font too where one word is longer than a line.

#include <QColor>
#include <QFont>
#include <QPushButton>

class KIVOBluetoothMainButton : public QPushButton {
    Q_OBJECT
public:
    explicit KIVOBluetoothMainButton(QWidget* parent = nullptr);
    void setTitleColor(const QColor& color);
    // Whether the label shows whole, on one line or two.
    bool labelFits() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct LabelLook {
        QFont font;
        int flags;
    };
    // Where the label goes: inside the frame, clear of its rounded corners.
    QRect labelRect() const;
    bool fits(const LabelLook& look) const;
    // One line in the button's font down to 85 % of its size; else two lines, down to 75 %.
    LabelLook labelLook() const;

    QColor title_color_{Qt::black};
};
