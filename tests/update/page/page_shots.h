#pragma once
// Grabs of the update and restore pages, saved as PNG files into the folder named by the
// KIVO_PAGE_SHOTS environment variable when it is set (for people to look at), and checked for
// text that does not fit its control in every case.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <cstdlib>
#include <string>
#include <vector>

// Saves a grab of widget as <name>.png in the shots folder, if one is given; the grab is returned.
inline QImage grab_page(QWidget& widget, const std::string& name)
{
    const QImage shot = widget.grab().toImage();
    if (const char* folder = std::getenv("KIVO_PAGE_SHOTS"); folder != nullptr && *folder != '\0') {
        QDir().mkpath(QString::fromUtf8(folder));
        shot.save(QDir(QString::fromUtf8(folder)).filePath(QString::fromStdString(name) + ".png"));
    }
    return shot;
}

// The visible buttons and labels under root whose text does not fit their width (or, for a text
// of several lines, their height); each as "name: text".
inline std::vector<std::string> clipped_texts(QWidget& root)
{
    std::vector<std::string> clipped;
    auto check = [&](QWidget* widget, const QString& text, int room_width, int room_height, bool wraps = false) {
        if (!widget->isVisibleTo(&root) || text.isEmpty())
            return;
        const QFontMetrics metrics(widget->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, wraps ? room_width : 100000, 100000),
                                                  Qt::AlignLeft | Qt::AlignTop | (wraps ? Qt::TextWordWrap : 0), text);
        if (needed.width() > room_width || needed.height() > room_height)
            clipped.push_back(widget->objectName().toStdString() + ": " + text.toStdString());
    };
    // A push button keeps a few pixels each side for its bevel.
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>())
        check(button, button->text(), button->width() - 6, button->height() + 2);
    for (QLabel* label : root.findChildren<QLabel*>())
        check(label, label->text(), label->contentsRect().width(), label->contentsRect().height() + 2,
              label->wordWrap());
    return clipped;
}
