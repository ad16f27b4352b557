#include "app/message_box_sheet.h"

#include <QPushButton>

#include "app/resource_images.h"
#include "app/window_colors.h"
#include "ui_message_box.h"

std::atomic<bool> MessageBoxSheet::opened_in_this_run_{false};

MessageBoxSheet::MessageBoxSheet(QWidget* window)
    : QDialog(window)
    , ui_(new Ui::MessageBoxSheet)
{
    ui_->setupUi(this);
    setWindowModality(Qt::WindowModal);
    connect(ui_->btnMessageBoxOK, &QPushButton::clicked, this, &MessageBoxSheet::okClicked);
    connect(ui_->btnMessageBoxCancel, &QPushButton::clicked, this, &MessageBoxSheet::cancelClicked);
}

MessageBoxSheet::~MessageBoxSheet() { delete ui_; }

namespace {

void title_button(QPushButton* button, const std::optional<std::string>& title)
{
    const bool shown = title.has_value();
    button->setText(shown ? QString::fromStdString(*title) : QString());
    button->setEnabled(shown);
    button->setVisible(shown);
}

} // namespace

void MessageBoxSheet::present(const std::string& message, bool warning, const std::optional<std::string>& cancel,
                              const std::optional<std::string>& ok, int size_code)
{
    warning_ = warning;
    ui_->tfMessageBox->setText(QString::fromStdString(message));
    ui_->imgMessageBox->setPixmap(warning ? kivo::images::caution() : kivo::images::application());
    ui_->tfBackGround->setAutoFillBackground(warning);
    QPalette palette = ui_->tfBackGround->palette();
    palette.setColor(QPalette::Window, warning ? kivo::colors::kWarning.lighter(130) : palette.color(QPalette::Base));
    ui_->tfBackGround->setPalette(palette);
    title_button(ui_->btnMessageBoxCancel, cancel);
    title_button(ui_->btnMessageBoxOK, ok);

    const bool first = !opened_in_this_run_.exchange(true);
    setFixedSize(message_box_size(size_code, first));
    open();
    raise();
    activateWindow();
    // The sheet is reused: the button pressed last would otherwise keep the focus, and with it the
    // default, so that Return answered a question as the previous box was answered.
    if (ok)
        ui_->btnMessageBoxOK->setFocus(Qt::OtherFocusReason);
    else if (cancel)
        ui_->btnMessageBoxCancel->setFocus(Qt::OtherFocusReason);
}

void MessageBoxSheet::dismiss() { done(QDialog::Accepted); }

void MessageBoxSheet::reject()
{
    if (ui_->btnMessageBoxCancel->isEnabled())
        emit cancelClicked();
    else if (ui_->btnMessageBoxOK->isEnabled())
        emit okClicked();
}

QPushButton* MessageBoxSheet::okButton() const { return ui_->btnMessageBoxOK; }
QPushButton* MessageBoxSheet::cancelButton() const { return ui_->btnMessageBoxCancel; }
QString MessageBoxSheet::messageText() const { return ui_->tfMessageBox->text(); }
bool MessageBoxSheet::warningShown() const { return warning_; }
