#pragma once
// The texts of a page that do not fit their widgets, as "outlet: text".

#include <functional>
#include <string>
#include <vector>

#include "settings/page/text_fit.h"

// A widget's width, or what a neighbour standing over its end leaves of it.
using WidthLeft = std::function<int(const QWidget*)>;

inline std::vector<std::string> clipped_texts(QWidget* root, const WidthLeft& width_left = {})
{
    std::vector<std::string> clipped;
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (widget->isVisibleTo(root) && !text_fits(widget, width_left ? width_left(widget) : -1))
            clipped.push_back(widget->objectName().toStdString());
    return clipped;
}
