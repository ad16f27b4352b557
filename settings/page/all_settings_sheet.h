#pragma once
// The settings page's all-settings sheet: a dialog that the page alone ends. Escape and the
// window's close button ask the page, as the sheet's Close button does, instead of hiding it.

#include <QDialog>

class AllSettingsSheet : public QDialog {
    Q_OBJECT
public:
    explicit AllSettingsSheet(QWidget* parent = nullptr);

    void reject() override;

signals:
    // Escape or the window's close button was pressed.
    void closeAsked();
};
