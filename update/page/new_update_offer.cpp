// The update page's offer of a newer firmware at the end of its read from page entry: the
// new-update sheet filled and opened, the partner-branded headset's message instead of it, and the
// sheet's two answers.

#include <QPainter>
#include <QSvgRenderer>

#include "common/system_log.h"
#include "device/products/torvik_address.h"
#include "text/app_text.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/page/new_update_sheet.h"
#include "update/page/update_page.h"
#include "update/server/new_update.h"

using kivo::AppText;
using kivo::UpdateTexts;

// Resources of a static library must be registered by name, from outside any namespace.
static void register_update_page_resources() { Q_INIT_RESOURCE(update_page); }

namespace {

constexpr int kBoxSizeMedium = 2;

QString qtext(const std::string& s) { return QString::fromStdString(s); }

QPixmap new_update_image(QSize size)
{
    static const bool registered = (register_update_page_resources(), true);
    (void)registered;
    QSvgRenderer renderer(QStringLiteral(":/update/new_update.svg"));
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

} // namespace

void UpdateViewController::setUpNewUpdateSheet()
{
    sheetNewUpdateFound_ = new NewUpdateSheet(view_);
    Ui::NewUpdateSheet& ui = sheetNewUpdateFound_->ui;
    connect(ui.btnYes, &QPushButton::clicked, this, [this] { yesButtonSelectedAt(sheetNewUpdateFound_->ui.btnYes); });
    connect(ui.btnNo, &QPushButton::clicked, this, [this] { noButtonSelectedAt(sheetNewUpdateFound_->ui.btnNo); });
    // Escape closes the sheet as NO does.
    connect(sheetNewUpdateFound_, &QDialog::rejected, this, [this] { state_.newUpdateFound = false; });
}

int UpdateViewController::indexOfSelectedLanguageFirmware() const
{
    return popUpLanguageFirmware()->count() > 0 ? popUpLanguageFirmware()->currentIndex() : -1;
}

void UpdateViewController::offerNewUpdate()
{
    kivo::PageHost& app = host();
    const int target = app.session().deviceTarget;
    const KIVOBluetoothDeviceData& data = app.data();
    const int language = app.languageManager();
    if (target == kivo::kTorvikAddressProduct) {
        kivo::system_log(kivo::fill_format("newUpdateFound return BD=[%@]", {data.lastSixBDAddress()}));
        if (changePSKeyTorvikWith(data.lastSixBDAddress())) {
            app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
                UpdateTexts::stringMessageElmoraToTorvikForDuvane(language), false, std::nullopt,
                AppText::tavk_string_ok_in(language), kBoxSizeMedium, kBoxNone);
            return;
        }
    }
    Ui::NewUpdateSheet& ui = sheetNewUpdateFound_->ui;
    const kivo::NewUpdateVersionTexts versions = kivo::new_update_version_texts(target, state_.latestVersion, data);
    ui.tfNewVersion->setText(qtext(versions.latest));
    ui.tfCurrentVersion->setText(qtext(versions.current));

    const PopUpButton* page_pop_up = popUpLanguageFirmware();
    QComboBox* pop_up = ui.popUpLanguageFirmwareSheet;
    pop_up->clear();
    for (int i = 0; i < page_pop_up->count(); ++i)
        pop_up->addItem(page_pop_up->itemText(i));
    // An index outside the items selects nothing.
    const int selected = page_pop_up->currentIndex();
    pop_up->setCurrentIndex(selected >= 0 && selected < pop_up->count() ? selected : -1);
    const bool choice = page_pop_up->count() >= 2;
    pop_up->setVisible(choice);
    pop_up->setEnabled(choice);
    ui.lblNewUpdateFoundLanguageVoicePrompt->setVisible(choice);
    if (choice)
        ui.lblNewUpdateFoundLanguageVoicePrompt->setText(
            qtext(kivo::fill_format("%@", {UpdateTexts::voice_prompt_label_in(language)})));

    setControlsNewUpdateFound();
    sheetNewUpdateFound_->open();
    sheetNewUpdateFound_->activateWindow();
}

void UpdateViewController::setControlsNewUpdateFound()
{
    if (!sheetNewUpdateFound_)
        return;
    Ui::NewUpdateSheet& ui = sheetNewUpdateFound_->ui;
    const int language = host().languageManager();
    ui.imgNewUpdate->setPixmap(new_update_image(ui.imgNewUpdate->size()));
    ui.lblNewUpdateInformation->setText(qtext(UpdateTexts::stringNewUpdateFoundInformation(language)));
    ui.lblCurrentVersion->setText(
        qtext(kivo::fill_format("%@:", {UpdateTexts::stringNewUpdateFoundCurrentVersion(language)})));
    ui.lblNewVersion->setText(qtext(kivo::fill_format("%@:", {UpdateTexts::stringNewUpdateFoundNewVersion(language)})));
    ui.btnYes->setText(qtext(AppText::tavk_string_yes_in(language)));
    ui.btnNo->setText(qtext(AppText::tavk_string_no_in(language)));
    sheetNewUpdateFound_->setWindowTitle(qtext(UpdateTexts::stringNewUpdateFoundNewVersion(language)));
}

void UpdateViewController::yesButtonSelectedAt(QObject*)
{
    if (!sheetNewUpdateFound_)
        return;
    PopUpButton* page_pop_up = popUpLanguageFirmware();
    if (page_pop_up->count() > 0) {
        const int selected = sheetNewUpdateFound_->ui.popUpLanguageFirmwareSheet->currentIndex();
        if (selected >= 0 && selected < page_pop_up->count() &&
            static_cast<size_t>(selected) < state_.arrLanguageFirmware.size()) {
            page_pop_up->setCurrentIndex(selected);
            host().setStrLanguageFirmware(state_.arrLanguageFirmware[static_cast<size_t>(selected)]);
        }
    }
    // Closed as accepted: the offer stands, so the download it leads to ends in the update.
    sheetNewUpdateFound_->accept();
    downloadFirmware(sheetNewUpdateFound_->ui.btnYes);
}

void UpdateViewController::noButtonSelectedAt(QObject*)
{
    if (sheetNewUpdateFound_)
        sheetNewUpdateFound_->reject();
    state_.newUpdateFound = false;
}
