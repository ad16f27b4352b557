#include "settings/page/panel_outlets.h"

#include <stdexcept>

#include "settings/page/stepper.h"

using kivo::settings::ClassicRowOutlets;
using kivo::settings::ControlKind;

namespace {

template <typename W> W* find(QWidget* root, std::string_view name)
{
    W* widget = root->findChild<W*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (widget == nullptr)
        throw std::logic_error("the settings page has no outlet " + std::string(name));
    return widget;
}

QButtonGroup* find_group(QWidget* root, std::string_view name)
{
    auto* group = root->findChild<QButtonGroup*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (group == nullptr)
        throw std::logic_error("the settings page has no radio group " + std::string(name));
    return group;
}

} // namespace

PanelOutlets::PanelOutlets(QWidget* root)
{
    for (const ClassicRowOutlets& outlets : kivo::settings::classic_rows()) {
        PanelRowWidgets& r = row(outlets.row);
        r.outlets = &outlets;
        r.label = find<QLabel>(root, outlets.hiddenOnly[0]);
        byName_.emplace(outlets.hiddenOnly[0], r.label);
        r.hiddenOnly.push_back(r.label);
        if (!outlets.hiddenOnly[1].empty())
            r.hiddenOnly.push_back(find<QWidget>(root, outlets.hiddenOnly[1]));
        if (!outlets.infoButton.empty()) {
            r.info = find<QPushButton>(root, outlets.infoButton);
            byName_.emplace(outlets.infoButton, r.info);
        }
        QWidget* control = nullptr;
        switch (outlets.kind) {
        case ControlKind::Radio:
        case ControlKind::GainCells: {
            r.group = find_group(root, outlets.control);
            control = find<QWidget>(root, std::string(outlets.control) + "Matrix");
            for (std::size_t column = 0; column < outlets.cells.size(); ++column) {
                if (outlets.cells[column].empty())
                    continue;
                r.cells[column] = find<QRadioButton>(root, outlets.cells[column]);
                r.group->setId(r.cells[column], static_cast<int>(column));
            }
            break;
        }
        case ControlKind::PopUp: control = r.popUp = find<QComboBox>(root, outlets.control); break;
        case ControlKind::Seconds:
            control = r.field = find<QLineEdit>(root, outlets.control);
            r.stepper = find<Stepper>(root, "stepperACT");
            break;
        case ControlKind::None: break;
        }
        if (control != nullptr)
            byName_.emplace(outlets.control, control);
        // The row's own order: information button and control, or the timeout's field, stepper
        // and button.
        for (std::string_view name : outlets.hiddenAndEnabled)
            if (!name.empty())
                r.hiddenAndEnabled.push_back(name == outlets.control ? control : find<QWidget>(root, name));
    }
    for (const char* name : {"btnDefault", "btnCancel", "btnBack", "btnSave", "btnNewDevice", "lblNoteApply",
                             "btnNoteApply", "btnAllSettings"})
        byName_.emplace(name, find<QWidget>(root, name));
}

QWidget* PanelOutlets::widget(std::string_view outlet) const
{
    const auto it = byName_.find(outlet);
    return it == byName_.end() ? nullptr : it->second;
}

QKeySequence key_of_hint(std::string_view hint)
{
    int modifiers = 0;
    for (;;) {
        if (hint.starts_with("[S]"))
            modifiers |= Qt::SHIFT;
        else if (hint.starts_with("[C]"))
            modifiers |= Qt::CTRL;
        else if (hint.starts_with("[O]"))
            modifiers |= Qt::ALT;
        else
            break;
        hint.remove_prefix(3);
    }
    if (modifiers == 0 || !hint.starts_with("-") || hint.size() < 2)
        return {};
    hint.remove_prefix(1);
    const QString key = QString::fromUtf8(hint.data(), static_cast<qsizetype>(hint.size()));
    int code = 0;
    if (key == QStringLiteral("\u25C0"))
        code = Qt::Key_Left;
    else if (key == QStringLiteral("\u25B6"))
        code = Qt::Key_Right;
    else if (key.size() == 1 && key[0].isLetterOrNumber())
        code = key[0].toUpper().unicode();
    else
        return {};
    return QKeySequence(modifiers | code);
}
