#pragma once
// The fixed panel's widgets, reached by the outlet names the panel's data uses (settings/
// panel_rows.h, panel_layout.h): for each row its label, information button and value control, and
// every outlet a layout may move. A radio group's name stands for the widget that holds its cells.

#include <QButtonGroup>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "settings/panel_rows.h"

class Stepper;

struct PanelRowWidgets {
    const kivo::settings::ClassicRowOutlets* outlets = nullptr;
    QLabel* label = nullptr;
    QPushButton* info = nullptr; // nullptr for the VOX rows and the note
    QButtonGroup* group = nullptr; // radio rows and the gain cells; ids are the columns
    std::array<QRadioButton*, 3> cells{};
    QComboBox* popUp = nullptr;
    QLineEdit* field = nullptr; // the timeout
    Stepper* stepper = nullptr;
    // Hidden with the row; the first ones are never disabled.
    std::vector<QWidget*> hiddenOnly;
    std::vector<QWidget*> hiddenAndEnabled;
};

class PanelOutlets {
public:
    // Finds every outlet below root; a missing one is a fault of the interface file and throws.
    explicit PanelOutlets(QWidget* root);

    PanelRowWidgets& row(kivo::settings::ClassicRow row) { return rows_[static_cast<std::size_t>(row)]; }
    const std::array<PanelRowWidgets, kivo::settings::kClassicRowCount>& rows() const { return rows_; }
    // The widget a frame of that outlet name moves; nullptr for an unknown name.
    QWidget* widget(std::string_view outlet) const;

private:
    std::array<PanelRowWidgets, kivo::settings::kClassicRowCount> rows_;
    std::map<std::string, QWidget*, std::less<>> byName_;
};

// The key a hint names: "[S]" Shift, "[C]" Ctrl, "[O]" Alt, then "-" and the key ("\u25C0" and
// "\u25B6" are the left and right arrows). Empty for a text that is no hint.
QKeySequence key_of_hint(std::string_view hint);
