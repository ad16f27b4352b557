// The all-settings table's row view: its controls under their outlet names, each shown or hidden
// on its own, the on/off pair's columns, and a title of any text.

#include <gtest/gtest.h>

#include "settings/table/page/device_settings_table_cell_view.h"

TEST(DeviceSettingsTableCellView, EachControlShowsAndHidesOnItsOwn)
{
    DeviceSettingsTableCellView row;
    row.show();
    const std::pair<QWidget*, const char*> controls[] = {
        {row.infoOnOffBtn(), "infoOnOffBtn"}, {row.infoPopUpBtn(), "infoPopUpBtn"}, {row.radiobtn(), "radiobtn"},
        {row.enablebtn(), "enablebtn"},       {row.disablebtn(), "disablebtn"},     {row.popUpBtn(), "popUpBtn"}};
    for (const auto& [control, name] : controls) {
        EXPECT_EQ(row.findChild<QWidget*>(name), control) << name;
        control->hide();
        for (const auto& [other, other_name] : controls) {
            // The cells stand inside the pair: they go with it.
            const bool inside = control == row.radiobtn() && (other == row.enablebtn() || other == row.disablebtn());
            if (other != control && !inside) {
                EXPECT_TRUE(other->isVisible()) << other_name << " with " << name << " hidden";
            }
        }
        EXPECT_FALSE(control->isVisible()) << name;
        control->show();
    }
    EXPECT_EQ(row.radioGroup()->id(row.enablebtn()), 0);
    EXPECT_EQ(row.radioGroup()->id(row.disablebtn()), 1);
    EXPECT_EQ(row.findChild<QLabel*>("textField"), row.textField());
    for (const char* title : {"", "Audio Channel Timeout", "▶ FM Radio", "Высококачественный Проф..."}) {
        row.textField()->setText(QString::fromUtf8(title));
        EXPECT_EQ(row.textField()->text().toStdString(), title);
    }
}
