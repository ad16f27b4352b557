#pragma once
// The new-update sheet: a window-modal dialog that offers the server's newer firmware with the
// device's and the server's versions, the voice-prompt language to download, and YES and NO. The
// update page fills it and answers its buttons.

#include <QDialog>

#include "ui_new_update_sheet.h"

class NewUpdateSheet : public QDialog {
    Q_OBJECT
public:
    explicit NewUpdateSheet(QWidget* parent);

    Ui::NewUpdateSheet ui;
};
