#include "app/placeholder_pages.h"

#include "app/app_controller.h"
#include "app/shortcut_labels.h"
#include "app/text/app_text.h"
#include "device/products/speed_dial_first.h"
#include "device/products/without_settings_pages.h"

using kivo::AppText;

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

void title_navigation(KIVOBluetoothManagerAppController* app, QPushButton* next, const std::string& next_title,
                      QPushButton* back)
{
    if (app->showShortcuts()) {
        next->setText(QString::fromUtf8(kivo::shortcuts::kNext));
        back->setText(QString::fromUtf8(kivo::shortcuts::kBack));
    } else {
        next->setText(text(next_title));
        back->setText(text(AppText::tavk_string_back_in(app->languageManager())));
    }
}

void enable_navigation(KIVOBluetoothManagerAppController* app, Ui::PlaceholderPage& ui)
{
    ui.btnNext->setEnabled(!app->onProcessing());
    ui.btnBack->setEnabled(!app->onProcessing());
}

void close_tab_list(KIVOBluetoothManagerAppController* app)
{
    if (app->listTabsOpened()) {
        app->setListTabsOpened(false);
        app->enableListTabsTo(false);
    }
}

} // namespace

PlaceholderView::PlaceholderView()
    : widget(new QWidget)
{
    ui.setupUi(widget);
}

// ---- Recognition -------------------------------------------------------------------------------

PlaceholderRecognitionPage::PlaceholderRecognitionPage(KIVOBluetoothManagerAppController* controller)
    : RecognitionPageBase(controller)
{
    connect(view_.ui.btnNext, &QPushButton::clicked, this, [this] { recognize(view_.ui.btnNext); });
    connect(view_.ui.btnBack, &QPushButton::clicked, this, [this] { targetDevice(view_.ui.btnBack); });
}

void PlaceholderRecognitionPage::initializeObject()
{
    appController()->setShowShortcuts(false);
    appController()->reflectShortcuts();
    setControls();
}

void PlaceholderRecognitionPage::targetDevice(QObject*) { appController()->setDeviceSelection(); }

void PlaceholderRecognitionPage::setControls()
{
    setShortcuts();
    enable_navigation(appController(), view_.ui);
}

void PlaceholderRecognitionPage::setShortcuts()
{
    title_navigation(appController(), view_.ui.btnNext,
                     AppText::tavk_string_next_in(appController()->languageManager()), view_.ui.btnBack);
}

// ---- Update and restore ------------------------------------------------------------------------

PlaceholderUpdatePage::PlaceholderUpdatePage(KIVOBluetoothManagerAppController* controller)
    : UpdatePageBase(controller)
{
    connect(view_.ui.btnNext, &QPushButton::clicked, this, [this] { moveToNext(view_.ui.btnNext); });
    connect(view_.ui.btnBack, &QPushButton::clicked, this, [this] { moveToBack(view_.ui.btnBack); });
}

void PlaceholderUpdatePage::initializeObjectWithDefaultStatus(bool)
{
    appController()->setShowShortcuts(false);
    appController()->reflectShortcuts();
    setControls();
}

bool PlaceholderUpdatePage::nextIsNewDevice() const
{
    const auto* app = appController();
    return kivo::usb_status_in_management_mode(app->usbStatus()) ||
        kivo::settings_excluded(app->deviceTarget(), app->data().deviceVersionMajor(),
                                app->data().deviceVersionMinor());
}

void PlaceholderUpdatePage::moveToNext(QObject*)
{
    auto* app = appController();
    const int target = app->deviceTarget();
    if (nextIsNewDevice()) {
        app->setDeviceSelection();
        return;
    }
    if (kivo::update_next_opens_speed_dial(target, app->data().deviceVersionMajor(), app->data().deviceVersionMinor()))
        app->setDeviceSettingsSpeedDialWithStatus(true);
    else
        app->setDeviceSettingsWithStatus(true);
}

void PlaceholderUpdatePage::moveToBack(QObject*)
{
    appController()->setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
}

void PlaceholderUpdatePage::setControls()
{
    setShortcuts();
    enable_navigation(appController(), view_.ui);
}

void PlaceholderUpdatePage::setShortcuts()
{
    const int language = appController()->languageManager();
    title_navigation(appController(), view_.ui.btnNext,
                     nextIsNewDevice() ? AppText::tavk_string_new_device_in(language)
                                       : AppText::tavk_string_next_in(language),
                     view_.ui.btnBack);
}

// ---- Settings ----------------------------------------------------------------------------------

PlaceholderSettingsPage::PlaceholderSettingsPage(KIVOBluetoothManagerAppController* controller, int mode)
    : SettingsPageBase(controller)
    , mode_(mode)
{
    connect(view_.ui.btnNext, &QPushButton::clicked, this, [this] { moveToDeviceSelection(view_.ui.btnNext); });
    connect(view_.ui.btnBack, &QPushButton::clicked, this, [this] { moveToFirmwareUpdate(view_.ui.btnBack); });
}

void PlaceholderSettingsPage::initializeObject()
{
    appController()->setShowShortcuts(false);
    appController()->reflectShortcuts();
    appController()->setTabIndexSelected(appController()->GetTabIndexWith(mode_));
    setControls();
}

void PlaceholderSettingsPage::moveToModeToGo()
{
    auto* app = appController();
    app->setMode(modeToGo_);
    app->setDetailViewController(modeToGo_ >= 101 ? modeToGo_ - 100 : modeToGo_);
}

void PlaceholderSettingsPage::moveToDeviceSelection(QObject*)
{
    if (appController()->onProcessing())
        return;
    close_tab_list(appController());
    appController()->setDeviceSelection();
}

void PlaceholderSettingsPage::moveToFirmwareUpdate(QObject*)
{
    if (appController()->onProcessing())
        return;
    close_tab_list(appController());
    appController()->setFirmwareUpdateWithStatus(true);
}

void PlaceholderSettingsPage::setControls()
{
    setShortcuts();
    enable_navigation(appController(), view_.ui);
}

void PlaceholderSettingsPage::setShortcuts()
{
    title_navigation(appController(), view_.ui.btnNext,
                     AppText::tavk_string_new_device_in(appController()->languageManager()), view_.ui.btnBack);
}

PageFactory placeholder_page_factory()
{
    PageFactory factory;
    factory.recognition = [](KIVOBluetoothManagerAppController* app) {
        return std::make_unique<PlaceholderRecognitionPage>(app);
    };
    factory.update = [](KIVOBluetoothManagerAppController* app, int) {
        return std::make_unique<PlaceholderUpdatePage>(app);
    };
    factory.settings = [](KIVOBluetoothManagerAppController* app, int mode) {
        return std::make_unique<PlaceholderSettingsPage>(app, mode);
    };
    return factory;
}
