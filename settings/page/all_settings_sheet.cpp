#include "settings/page/all_settings_sheet.h"

AllSettingsSheet::AllSettingsSheet(QWidget* parent)
    : QDialog(parent)
{ }

void AllSettingsSheet::reject() { emit closeAsked(); }
