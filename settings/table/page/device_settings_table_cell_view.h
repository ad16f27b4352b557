#pragma once
// One row of the all-settings table: the setting's title and its controls, an on/off pair with its
// information button or a choice pop-up with its own. The table shows, hides, enables and fills
// them; the row itself holds no logic and draws nothing of its own. Each control's object name is
// its outlet name.

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

class DeviceSettingsTableCellView : public QWidget {
    Q_OBJECT
public:
    explicit DeviceSettingsTableCellView(QWidget* parent = nullptr);

    // The title field.
    QLabel* textField() const { return textField_; }
    // The information button of an on/off row and of a choice row.
    QPushButton* infoOnOffBtn() const { return infoOnOffBtn_; }
    QPushButton* infoPopUpBtn() const { return infoPopUpBtn_; }
    // The on/off pair: Enable in column 0, Disable in column 1 of radioGroup().
    QWidget* radiobtn() const { return radiobtn_; }
    QButtonGroup* radioGroup() const { return radioGroup_; }
    QRadioButton* enablebtn() const { return enablebtn_; }
    QRadioButton* disablebtn() const { return disablebtn_; }
    // The choice pop-up.
    QComboBox* popUpBtn() const { return popUpBtn_; }

private:
    QLabel* textField_;
    QPushButton* infoOnOffBtn_;
    QPushButton* infoPopUpBtn_;
    QWidget* radiobtn_;
    QButtonGroup* radioGroup_;
    QRadioButton* enablebtn_;
    QRadioButton* disablebtn_;
    QComboBox* popUpBtn_;
};
