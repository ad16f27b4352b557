#pragma once
// The window's main buttons: orange when on (checked and enabled), white otherwise.

#include <QColor>
#include <QPushButton>

class KIVOBluetoothMainButton : public QPushButton {
    Q_OBJECT
public:
    explicit KIVOBluetoothMainButton(QWidget* parent = nullptr);
    void setTitleColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor title_color_{Qt::black};
};
