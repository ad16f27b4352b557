#include "app/home_page.h"

#include <QEvent>
#include <QWindow>

#include <functional>
#include <utility>

#include "app/resource_images.h"
#include "app/server_choice.h"
#include "app/shortcut_labels.h"
#include "common/clock.h"
#include "device/products/home_selection.h"
#include "text/app_text.h"
#include "text/product_names.h"

using kivo::AppText;

namespace {

using kivo::kPreselectedProduct;
using kivo::kRenamedProduct;
using kivo::kRenamedProductNow;

// The model buttons of earlier releases; the page keeps them, always hidden. Their products are
// kivo::kLegacyModelProducts, in this order.
struct LegacyModel {
    QPushButton* Ui::DeviceSelectionView::*button;
    QLabel* Ui::DeviceSelectionView::*background;
};
using V = Ui::DeviceSelectionView;
constexpr LegacyModel kLegacyModels[] = {
    {&V::btnAldero, &V::bgAldero},       {&V::btnAlderoR, &V::bgAlderoR},     {&V::btnGalvex, &V::bgGalvex},
    {&V::btnBirchel, &V::bgBirchel},     {&V::btnBirchelFM, &V::bgBirchelFM}, {&V::btnCedrin, &V::bgCedrin},
    {&V::btnHailor, &V::bgHailor},       {&V::btnDovrin, &V::bgDovrin},       {&V::btnDALVOR, &V::bgDALVOR},
    {&V::btnElmora, &V::bgElmora},       {&V::btnElmoraS, &V::bgElmoraS},     {&V::btnElmoraH, &V::bgElmoraH},
    {&V::btnElmoraHFM, &V::bgElmoraHFM}, {&V::btnISLORA, &V::bgISLORA},       {&V::btnYewdel, &V::bgYewdel},
    {&V::btnXandel, &V::bgXandel},       {&V::btnWrenna, &V::bgWrenna},       {&V::btnVessra, &V::bgVessra},
};
static_assert(std::size(kLegacyModels) == kivo::kLegacyModelProducts.size());

int legacy_product(std::size_t index) { return kivo::kLegacyModelProducts[index]; }

// Runs action (on owner's thread, after the events at hand) once the window of widget has been
// drawn on the screen, or at once when it has been already or has no screen window at all.
class WhenWindowDrawn : public QObject {
public:
    WhenWindowDrawn(QWindow& window, QObject& owner, std::function<void()> action)
        : QObject(&owner)
        , action_(std::move(action))
    {
        window.installEventFilter(this);
    }

    static void run(QWidget& widget, QObject& owner, std::function<void()> action)
    {
        QWindow* window = widget.window()->windowHandle();
        if (window == nullptr || window->isExposed())
            action();
        else
            new WhenWindowDrawn(*window, owner, std::move(action));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // After the drawing this exposure asks for.
            QMetaObject::invokeMethod(parent(), std::move(action_), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

DeviceSelectionViewController::DeviceSelectionViewController(kivo::PageHost& host)
    : DetailViewController(host)
    , view_(new QWidget)
{
    ui_.setupUi(view_);
    ui_.btnHome->setIcon(
        QIcon(kivo::images::product_picture(kivo::product_picture(kPreselectedProduct, 0), {240, 180})));
    connect(ui_.btnHome, &QPushButton::clicked, this, [this] { btnHomeClick(ui_.btnHome); });
    connect(ui_.btnNext, &QPushButton::clicked, this, [this] { targetDeviceSet(ui_.btnNext); });
    for (std::size_t i = 0; i < std::size(kLegacyModels); ++i) {
        QPushButton* button = ui_.*kLegacyModels[i].button;
        button->setProperty("productId", legacy_product(i));
        connect(button, &QPushButton::clicked, this, [this, button] { targetDeviceSelected(button); });
    }
}

// A check still running (the user went on) would keep the quit waiting for its time-out.
DeviceSelectionViewController::~DeviceSelectionViewController() { checkRun_.stop(); }

bool DeviceSelectionViewController::stopWorkForQuit()
{
    if (!managerCheckRunning())
        return false;
    checkDue_ = false;
    checkRun_.stop();
    checkDetached_ = false;
    return true;
}

void DeviceSelectionViewController::initializeObjectOnStartUp(bool onStartUp)
{
    host().setShowShortcuts(false);
    host().reflectShortcuts();
    deviceTargetSelected_ = host().session().deviceTarget;
    host().setTitle();
    if (deviceTargetSelected_ == 0)
        deviceTargetSelected_ = kPreselectedProduct;
    setControls();
    if (onStartUp)
        checkManagerUpdate();
}

void DeviceSelectionViewController::setControls()
{
    if (deviceTargetSelected_ == kRenamedProduct) {
        deviceTargetSelected_ = kRenamedProductNow;
        host().session().deviceTarget = kRenamedProductNow;
    }
    for (const LegacyModel& model : kLegacyModels) {
        for (QWidget* w : {static_cast<QWidget*>(ui_.*model.button), static_cast<QWidget*>(ui_.*model.background)}) {
            w->setEnabled(false);
            w->hide();
        }
    }
    ui_.btnHome->setEnabled(true);
    ui_.btnHome->show();
    setShortcuts();
    ui_.btnBack->setText(QString::fromStdString(AppText::tavk_string_back_in(host().languageManager())));
    const bool processing = host().onProcessing();
    ui_.piProcessing->setRange(0, processing ? 0 : 100); // a busy bar while processing
    ui_.piProcessing->setValue(0);
}

void DeviceSelectionViewController::setShortcuts()
{
    ui_.btnNext->setText(host().showShortcuts()
                             ? QString::fromUtf8(kivo::shortcuts::kNext)
                             : QString::fromStdString(AppText::tavk_string_next_in(host().languageManager())));
    for (std::size_t i = 0; i < std::size(kLegacyModels); ++i)
        (ui_.*kLegacyModels[i].button)
            ->setText(QString::fromStdString(kivo::ProductNames::tavk_product_name(legacy_product(i))));
}

void DeviceSelectionViewController::btnHomeClick(QObject*) { targetDeviceSet(ui_.btnNext); }

void DeviceSelectionViewController::targetDeviceSet(QObject*)
{
    // NEXT while the manager check runs: the check goes on unseen and gives up the busy state, so
    // that the page shown next is not held busy by it.
    if (managerCheckRunning() && !checkDetached_) {
        checkDetached_ = true;
        setFrameBusy(false);
    }
    host().session().deviceTarget = deviceTargetSelected_;
    host().setDeviceRecognitionWithStatus_info_from(true, std::nullopt, 0);
}

void DeviceSelectionViewController::targetDeviceSelected(QObject* sender)
{
    const QVariant product = sender ? sender->property("productId") : QVariant();
    deviceTargetSelected_ = product.isValid() ? product.toInt() : kRenamedProductNow;
    setControls();
}

// ---- Manager-version check ---------------------------------------------------------------------

void DeviceSelectionViewController::checkManagerUpdate()
{
    // Only the frame follows the busy flag here: the check refuses the window's actions, and the
    // page's own bar does not turn for it.
    setFrameBusy(true);
    if (checkStarted_) {
        setFrameBusy(false);
        return;
    }
    checkStarted_ = true;
    // The worker, and the network library its first GET loads, wait until the window has been
    // drawn: they stay off the way to the first window.
    checkDue_ = true;
    WhenWindowDrawn::run(*view_, *this, [this] { startManagerCheck(); });
}

void DeviceSelectionViewController::startManagerCheck()
{
    if (!std::exchange(checkDue_, false))
        return;
    // Chosen here: the time-zone lookup is a Qt call, which stays on the main thread.
    const std::string base = kivo::firmware_server_base();
    checkRun_.start<std::optional<kivo::LatestManagerVersion>>(
        [base, &stop = checkRun_.stopFlag()] {
            const kivo::StopFlagWatch watch(stop);
            return threadMethodCheckManagerUpdate(base);
        },
        [this](std::optional<kivo::LatestManagerVersion> latest) { timerMethodCheckManagerUpdate(latest); });
}

std::optional<kivo::LatestManagerVersion>
DeviceSelectionViewController::threadMethodCheckManagerUpdate(const std::string& base)
{
    return kivo::read_manager_version_list(base, kivo::kManagerCheckTimeout);
}

void DeviceSelectionViewController::timerMethodCheckManagerUpdate(
    const std::optional<kivo::LatestManagerVersion>& latest)
{
    kivo::PageHost& app = host();
    // Without a list the running version stands and the address stays as it was.
    kivo::LatestManagerVersion taken = latest.value_or(kivo::LatestManagerVersion{});
    if (!latest)
        taken.downloadAddress = app.managerLatest().downloadAddress;
    app.setManagerLatest(taken);
    // Once the user went on, the check's end touches no page and offers nothing.
    if (std::exchange(checkDetached_, false))
        return;
    // Without a download address there is nothing to offer.
    const bool goManagerUpdate = latest && app.haveNewManagerUpdate() && !latest->downloadAddress.empty();
    setBusy(false);
    if (goManagerUpdate)
        app.setManagerUpdate();
}
