#include "update/page/new_update_sheet.h"

#include "app/sheet_frame.h"

NewUpdateSheet::NewUpdateSheet(QWidget* parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    setWindowModality(Qt::WindowModal);
    kivo::frame_sheet(*this);
}
