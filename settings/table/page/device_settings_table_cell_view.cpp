#include "settings/table/page/device_settings_table_cell_view.h"

#include <QHBoxLayout>

namespace {

// The information button as on the fixed panel's rows. The controls are wider than the panel's:
// the pop-ups' longest items stand whole in them. A row fits the all-settings sheet's 550 points
// with its scroll bar; a title longer than its column is set in a smaller font.
constexpr int kInfoWidth = 19;
constexpr int kInfoHeight = 17;
constexpr int kControlWidth = 220;
constexpr int kCellWidth = kControlWidth / 2;
constexpr int kTitleWidth = 250;

QPushButton* info_button(const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QStringLiteral("i"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(kInfoWidth, kInfoHeight);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

DeviceSettingsTableCellView::DeviceSettingsTableCellView(QWidget* parent)
    : QWidget(parent)
    , textField_(new QLabel(this))
    , infoOnOffBtn_(info_button("infoOnOffBtn", this))
    , infoPopUpBtn_(info_button("infoPopUpBtn", this))
    , radiobtn_(new QWidget(this))
    , radioGroup_(new QButtonGroup(radiobtn_))
    , enablebtn_(new QRadioButton(radiobtn_))
    , disablebtn_(new QRadioButton(radiobtn_))
    , popUpBtn_(new QComboBox(this))
{
    textField_->setObjectName(QStringLiteral("textField"));
    radiobtn_->setObjectName(QStringLiteral("radiobtn"));
    radioGroup_->setObjectName(QStringLiteral("radiobtnGroup"));
    enablebtn_->setObjectName(QStringLiteral("enablebtn"));
    disablebtn_->setObjectName(QStringLiteral("disablebtn"));
    popUpBtn_->setObjectName(QStringLiteral("popUpBtn"));
    radioGroup_->addButton(enablebtn_, 0);
    radioGroup_->addButton(disablebtn_, 1);

    auto* cells = new QHBoxLayout(radiobtn_);
    cells->setContentsMargins(0, 0, 0, 0);
    cells->setSpacing(0);
    enablebtn_->setFixedWidth(kCellWidth);
    disablebtn_->setFixedWidth(kCellWidth);
    textField_->setFixedWidth(kTitleWidth);
    cells->addWidget(enablebtn_);
    cells->addWidget(disablebtn_);
    radiobtn_->setFixedWidth(kControlWidth);
    popUpBtn_->setFixedWidth(kControlWidth);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(textField_);
    row->addWidget(infoOnOffBtn_);
    row->addWidget(infoPopUpBtn_);
    row->addWidget(radiobtn_);
    row->addWidget(popUpBtn_);
    row->addStretch(1);
}
