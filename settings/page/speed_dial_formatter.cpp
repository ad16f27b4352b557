#include "settings/page/speed_dial_formatter.h"

#include "settings/speed_dial.h"

QValidator::State SpeedDialFormatter::validate(QString& input, int&) const
{
    return kivo::settings::isPartialStringValid(input.toStdString()) ? Acceptable : Invalid;
}
