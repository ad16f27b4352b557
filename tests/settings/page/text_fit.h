#pragma once
// The texts of a page that do not fit their widgets, as "outlet: text".

#include <string>
#include <vector>

#include "settings/page/text_fit.h"

inline std::vector<std::string> clipped_texts(QWidget* root)
{
    std::vector<std::string> clipped;
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (widget->isVisibleTo(root) && !text_fits(widget))
            clipped.push_back(widget->objectName().toStdString());
    return clipped;
}
