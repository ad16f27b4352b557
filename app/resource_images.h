#pragma once
// The window's pictures, drawn from the vector images bundled with the application.

#include <QPixmap>
#include <QString>

#include <string>

namespace kivo::images {

// Renders a bundled image (a name below the resource folder, such as "caution.svg") at size; an
// unknown name gives an empty pixmap.
QPixmap load(const QString& name, QSize size);

QPixmap application(); // the application's own emblem
QPixmap brand(); // the header's brand picture
QPixmap caution(); // warnings in the message box
// A product picture (or the emblem or lock) by the name the product tables give it.
QPixmap product_picture(const std::string& name, QSize size);
QPixmap language_flag(int language); // the flag of an interface language (English outside 0..12)

} // namespace kivo::images
