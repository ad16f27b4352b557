#include "app/command_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

CommandKeys::CommandKeys(QWidget* window, std::vector<QKeySequence> keys)
    : QObject(window)
    , window_(window)
    , keys_(std::move(keys))
{
    qApp->installEventFilter(this);
}

bool CommandKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    // Swallowing the override leaves the key to the window's shortcut.
    return std::find(keys_.begin(), keys_.end(), pressed) != keys_.end();
}
