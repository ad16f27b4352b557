#include "app/message_box_layout.h"

QSize message_box_size(int size_code, bool first_of_run)
{
    QSize size;
    switch (size_code) {
    case 0: size = {420, 115}; break;
    case 1: size = {420, 135}; break;
    case 2: size = {520, 175}; break;
    case 3: size = {520, 205}; break;
    case 4: size = {520, 235}; break;
    case 6: size = {520, 265}; break;
    case 7: size = {840, 240}; break;
    case 8: size = {720, 180}; break;
    case 9: size = {0, 0}; break;
    default: size = {530, 355}; break;
    }
    if (first_of_run)
        size.rheight() += 20;
    return size;
}
