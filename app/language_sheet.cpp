#include "app/language_sheet.h"

#include <QButtonGroup>

LanguageSheet::LanguageSheet(QWidget* window)
    : QDialog(window)
{
    ui.setupUi(this);
    setWindowModality(Qt::WindowModal);
    buttonCells = {ui.buttonCell0LanguageManagerGeneral,  ui.buttonCell1LanguageManagerGeneral,
                   ui.buttonCell2LanguageManagerGeneral,  ui.buttonCell3LanguageManagerGeneral,
                   ui.buttonCell4LanguageManagerGeneral,  ui.buttonCell5LanguageManagerGeneral,
                   ui.buttonCell6LanguageManagerGeneral,  ui.buttonCell7LanguageManagerGeneral,
                   ui.buttonCell8LanguageManagerGeneral,  ui.buttonCell9LanguageManagerGeneral,
                   ui.buttonCell10LanguageManagerGeneral, ui.buttonCell11LanguageManagerGeneral,
                   ui.buttonCell12LanguageManagerGeneral};
    languageButtons = {ui.btn0LanguageManagerGeneral, ui.btn1LanguageManagerGeneral,  ui.btn2LanguageManagerGeneral,
                       ui.btn3LanguageManagerGeneral, ui.btn4LanguageManagerGeneral,  ui.btn5LanguageManagerGeneral,
                       ui.btn6LanguageManagerGeneral, ui.btn7LanguageManagerGeneral,  ui.btn8LanguageManagerGeneral,
                       ui.btn9LanguageManagerGeneral, ui.btn10LanguageManagerGeneral, ui.btn11LanguageManagerGeneral,
                       ui.btn12LanguageManagerGeneral};
    radioLanguageManager = new QButtonGroup(this);
    radioLanguageManager->setExclusive(true);
    for (int row = 0; row < kRowCount; ++row)
        radioLanguageManager->addButton(buttonCells[static_cast<size_t>(row)], row);
}

int LanguageSheet::selectedRow() const { return radioLanguageManager->checkedId(); }

void LanguageSheet::selectRow(int row)
{
    if (row >= 0 && row < kRowCount)
        buttonCells[static_cast<size_t>(row)]->setChecked(true);
}
