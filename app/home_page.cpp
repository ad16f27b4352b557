#include "app/home_page.h"

#include "app/app_controller.h"
#include "app/resource_images.h"
#include "app/shortcut_labels.h"
#include "app/text/app_text.h"
#include "app/text/product_names.h"

using kivo::AppText;

namespace {
// Selected unless the configuration holds another product.
constexpr int kOemHeadset = 0x3142;
// An older id of the same product.
constexpr int kRenamedProduct = 0x4010;
constexpr int kRenamedProductNow = 0x4D10;
} // namespace

DeviceSelectionViewController::DeviceSelectionViewController(KIVOBluetoothManagerAppController* controller)
    : DetailViewController(controller), view_(new QWidget)
{
    ui_.setupUi(view_);
    ui_.btnHome->setIcon(QIcon(kivo::images::product_picture(kivo::product_picture(kOemHeadset, 0), {240, 180})));
    connect(ui_.btnHome, &QPushButton::clicked, this, [this] { btnHomeClick(ui_.btnHome); });
    connect(ui_.btnNext, &QPushButton::clicked, this, [this] { targetDeviceSet(ui_.btnNext); });
}

void DeviceSelectionViewController::initializeObjectOnStartUp(bool onStartUp)
{
    (void)onStartUp; // the once-per-run manager check joins here
    appController()->setShowShortcuts(false);
    appController()->reflectShortcuts();
    deviceTargetSelected_ = appController()->deviceTarget();
    appController()->setTitle();
    if (deviceTargetSelected_ == 0)
        deviceTargetSelected_ = kOemHeadset;
    setControls();
}

void DeviceSelectionViewController::setControls()
{
    if (deviceTargetSelected_ == kRenamedProduct) {
        deviceTargetSelected_ = kRenamedProductNow;
        appController()->setDeviceTarget(kRenamedProductNow);
    }
    ui_.btnHome->setEnabled(true);
    ui_.btnHome->show();
    setShortcuts();
    ui_.btnBack->setText(QString::fromStdString(AppText::tavk_string_back_in(appController()->languageManager())));
    const bool processing = appController()->onProcessing();
    ui_.piProcessing->setRange(0, processing ? 0 : 100); // a busy bar while processing
    ui_.piProcessing->setValue(0);
}

void DeviceSelectionViewController::setShortcuts()
{
    ui_.btnNext->setText(appController()->showShortcuts()
                             ? QString::fromUtf8(kivo::shortcuts::kNext)
                             : QString::fromStdString(AppText::tavk_string_next_in(appController()->languageManager())));
}

void DeviceSelectionViewController::btnHomeClick(QObject*) { targetDeviceSet(ui_.btnNext); }

void DeviceSelectionViewController::targetDeviceSet(QObject*)
{
    appController()->setDeviceTarget(deviceTargetSelected_);
    appController()->setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
}
