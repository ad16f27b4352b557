#pragma once
// One row of the restore page's table of backed-up settings: the setting's name on the left, its
// backed-up value on the right, both plain text. The row holds no logic and draws nothing of its
// own; the page fills it.

#include <QLabel>
#include <QWidget>

class RestoreTableCellView : public QWidget {
    Q_OBJECT
public:
    explicit RestoreTableCellView(QWidget* parent = nullptr);

    QLabel* settingNameText() const { return settingNameText_; }
    QLabel* settingValueText() const { return settingValueText_; }

    // Gives each text the row's font again and, where it does not fit its field, a smaller one
    // (label_fit.h).
    void fitTexts();

    // The widths of the two fields: together they fill the table's row beside its scroll bar.
    static constexpr int kNameWidth = 300;
    static constexpr int kValueWidth = 180;

private:
    QLabel* settingNameText_;
    QLabel* settingValueText_;
};
