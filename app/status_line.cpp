#include "app/status_line.h"

#include <QLineEdit>

#include "app/window_colors.h"

namespace kivo {

StatusLine::StatusLine(QLineEdit& field)
    : field_(field)
{ }

std::string StatusLine::take(const StatusTextSet& texts, int language)
{
    texts_.set_all(texts);
    return texts_.get(language);
}

void StatusLine::clear()
{
    texts_.clear();
    warning_ = false;
}

void StatusLine::show(const std::string& text, bool warning)
{
    warning_ = warning;
    QPalette palette = field_.palette();
    palette.setColor(QPalette::Base, warning ? colors::kWarning : QColor(Qt::white));
    palette.setColor(QPalette::Text, Qt::black);
    field_.setPalette(palette);
    field_.setText(QString::fromStdString(text));
    field_.setCursorPosition(0);
}

void StatusLine::showPlain()
{
    warning_ = false;
    QPalette palette = field_.palette();
    palette.setColor(QPalette::Base, Qt::white);
    field_.setPalette(palette);
}

} // namespace kivo
