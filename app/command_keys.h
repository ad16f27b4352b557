#pragma once
// The window's command keys win over a text field's own keys. On Linux a focused text field takes
// Ctrl+E, Ctrl+U and Ctrl+K as line editing, so a command key pressed while the firmware-file or
// timeout field has focus would do nothing. Arrows keep their meaning in text (word movement).

#include <QKeySequence>
#include <QObject>

#include <vector>

class QWidget;

class CommandKeys : public QObject {
public:
    // Watches the key events of every widget inside window for the life of this object.
    CommandKeys(QWidget* window, std::vector<QKeySequence> keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::vector<QKeySequence> keys_;
};
