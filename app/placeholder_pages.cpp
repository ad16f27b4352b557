#include "app/placeholder_pages.h"

#include "app/shortcut_labels.h"
#include "device/products/settings_tabs.h"
#include "text/app_text.h"

using kivo::AppText;

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

void title_navigation(const kivo::PageHost& app, Ui::PlaceholderPage& ui, const std::string& next_title)
{
    ui.lblNotAvailable->setText(text(AppText::stringPageNotAvailable(app.languageManager())));
    QPushButton* next = ui.btnNext;
    QPushButton* back = ui.btnBack;
    if (app.showShortcuts()) {
        next->setText(QString::fromUtf8(kivo::shortcuts::kNext));
        back->setText(QString::fromUtf8(kivo::shortcuts::kBack));
    } else {
        next->setText(text(next_title));
        back->setText(text(AppText::tavk_string_back_in(app.languageManager())));
    }
}

void enable_navigation(const kivo::PageHost& app, Ui::PlaceholderPage& ui)
{
    ui.btnNext->setEnabled(!app.onProcessing());
    ui.btnBack->setEnabled(!app.onProcessing());
}

} // namespace

PlaceholderView::PlaceholderView()
    : widget(new QWidget)
{
    ui.setupUi(widget);
}

// ---- Recognition -------------------------------------------------------------------------------

PlaceholderRecognitionPage::PlaceholderRecognitionPage(kivo::PageHost& host)
    : RecognitionPageBase(host)
{
    connect(view_.ui.btnNext, &QPushButton::clicked, this, [this] { recognize(view_.ui.btnNext); });
    connect(view_.ui.btnBack, &QPushButton::clicked, this, [this] { targetDevice(view_.ui.btnBack); });
}

void PlaceholderRecognitionPage::initializeObject()
{
    host().setShowShortcuts(false);
    host().reflectShortcuts();
    setControls();
}

void PlaceholderRecognitionPage::targetDevice(QObject*) { host().setDeviceSelection(); }

void PlaceholderRecognitionPage::setControls()
{
    setShortcuts();
    enable_navigation(host(), view_.ui);
}

void PlaceholderRecognitionPage::setShortcuts()
{
    title_navigation(host(), view_.ui, AppText::tavk_string_next_in(host().languageManager()));
}

// ---- Update and restore ------------------------------------------------------------------------

PlaceholderUpdatePage::PlaceholderUpdatePage(kivo::PageHost& host, int mode)
    : UpdatePageBase(host, mode)
{
    connect(view_.ui.btnNext, &QPushButton::clicked, this, [this] { moveToNext(view_.ui.btnNext); });
    connect(view_.ui.btnBack, &QPushButton::clicked, this, [this] { moveToBack(view_.ui.btnBack); });
}

void PlaceholderUpdatePage::initializeObjectWithDefaultStatus(bool)
{
    host().setShowShortcuts(false);
    host().reflectShortcuts();
    setControls();
}

void PlaceholderUpdatePage::moveToNext(QObject*) { goToNextPage(); }

void PlaceholderUpdatePage::moveToBack(QObject*) { goBackToRecognition(); }

void PlaceholderUpdatePage::setControls()
{
    setShortcuts();
    enable_navigation(host(), view_.ui);
}

void PlaceholderUpdatePage::setShortcuts()
{
    const int language = host().languageManager();
    title_navigation(host(), view_.ui,
                     nextIsNewDevice() ? AppText::tavk_string_new_device_in(language)
                                       : AppText::tavk_string_next_in(language));
}

// ---- Settings ----------------------------------------------------------------------------------

PlaceholderSettingsPage::PlaceholderSettingsPage(kivo::PageHost& host, int mode)
    : SettingsPageBase(host, mode)
{
    connect(view_.ui.btnNext, &QPushButton::clicked, this, [this] { moveToDeviceSelection(view_.ui.btnNext); });
    connect(view_.ui.btnBack, &QPushButton::clicked, this, [this] { moveToFirmwareUpdate(view_.ui.btnBack); });
}

void PlaceholderSettingsPage::initializeObject()
{
    host().setShowShortcuts(false);
    host().reflectShortcuts();
    kivo::SettingsTabs& tabs = host().session().tabs;
    tabs.selected = kivo::tab_index_of_mode(tabs, pageMode());
    setControls();
}

void PlaceholderSettingsPage::moveToModeToGo() { moveOnWithoutSaving(modeToGo_); }

void PlaceholderSettingsPage::moveToDeviceSelection(QObject*)
{
    if (host().onProcessing())
        return;
    host().closeListTabs();
    host().setDeviceSelection();
}

void PlaceholderSettingsPage::moveToFirmwareUpdate(QObject*)
{
    if (host().onProcessing())
        return;
    host().closeListTabs();
    host().setFirmwareUpdateWithStatus(true);
}

void PlaceholderSettingsPage::setControls()
{
    setShortcuts();
    enable_navigation(host(), view_.ui);
}

void PlaceholderSettingsPage::setShortcuts()
{
    title_navigation(host(), view_.ui, AppText::tavk_string_new_device_in(host().languageManager()));
}

PageFactory placeholder_page_factory()
{
    PageFactory factory;
    factory.recognition = [](kivo::PageHost& host) { return std::make_unique<PlaceholderRecognitionPage>(host); };
    factory.update = [](kivo::PageHost& host, int mode) { return std::make_unique<PlaceholderUpdatePage>(host, mode); };
    factory.settings = [](kivo::PageHost& host, int mode) {
        return std::make_unique<PlaceholderSettingsPage>(host, mode);
    };
    return factory;
}
