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

    // The width of the name field; the value takes the rest of the row.
    static constexpr int kNameWidth = 300;

private:
    QLabel* settingNameText_;
    QLabel* settingValueText_;
};
