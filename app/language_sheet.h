#pragma once
// The language sheet: a window-modal dialog listing the 13 interface languages as radio rows, each
// with a clickable language name, and the check box that lets the device's voice-prompt language
// follow the interface. The controller drives it (app_controller_language.cpp).

#include <QDialog>

#include <array>

#include "ui_language_sheet.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

class LanguageSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRowCount = 13;

    explicit LanguageSheet(QWidget* window);

    Ui::LanguageSheet ui;
    // The radio matrix: one exclusive column whose cell r has id r.
    QButtonGroup* radioLanguageManager = nullptr;
    std::array<QRadioButton*, kRowCount> buttonCells{};
    std::array<QPushButton*, kRowCount> languageButtons{};

    int selectedRow() const;
    void selectRow(int row);
};
