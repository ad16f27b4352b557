#include "recognition/page/recognition_page.h"

#include <QRegularExpression>
#include <QUrl>

#include "app/address_opener.h"
#include "app/message_box_layout.h"
#include "app/shortcut_labels.h"
#include "common/clock.h"
#include "device/device_session.h"
#include "device/products/restart_to_recover.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/recognition_texts.h"
#include "text/status_sets.h"
#include "text/text_format.h"

using kivo::AppText;
using kivo::RecognitionTexts;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

// Appended to a failure status: the failure was seen by this page.
constexpr char kRecognitionFailureTag = 'N';
// The message box size codes the page uses.
constexpr int kBoxSizeSmall = 0;
constexpr int kBoxSizeQuestion = 2;

} // namespace

DeviceRecognitionViewController::DeviceRecognitionViewController(kivo::PageHost& host)
    : RecognitionPageBase(host)
    , view_(new QWidget)
{
    ui_.setupUi(view_);
    // The instructions sit on the page's own background.
    QPalette palette = ui_.tvInstruction->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    ui_.tvInstruction->setPalette(palette);
    connect(ui_.btnNext, &QPushButton::clicked, this, [this] { recognize(ui_.btnNext); });
    connect(ui_.btnBack, &QPushButton::clicked, this, [this] { targetDevice(ui_.btnBack); });
    // Links in the instructions open in the desktop's browser, never inside the page.
    connect(ui_.tvInstruction, &QTextBrowser::anchorClicked, this,
            [](const QUrl& url) { kivo::open_address(url.toString().toStdString()); });
}

DeviceRecognitionViewController::~DeviceRecognitionViewController()
{
    if (runStoppable_)
        worker_.stop();
    else
        worker_.finish();
}

bool DeviceRecognitionViewController::stopWorkForQuit()
{
    if (!worker_.active() || !runStoppable_)
        return false;
    worker_.stop();
    return true;
}

void DeviceRecognitionViewController::initializeObject()
{
    kivo::PageHost& app = host();
    isFirst_ = true;
    app.setShowShortcuts(false);
    app.reflectShortcuts();
    if (app.session().restartToRecover) {
        const int mode = app.session().modeRestartToRecover;
        showStatusSet(
            kivo::status_in_every_language([&](int language) {
                return kivo::fill_format(
                    "%@. %@",
                    {AppText::tavk_status_default_usb_in(kModeRecognition, kivo::kRecoveryStatusProduct, language),
                     AppText::tavk_string_continue_the_firmware_update_or_restore_in(mode, language)});
            }),
            true);
    } else {
        app.setStatus_withWarning(app.getStrStatus(), false);
    }
    setControls();
}

std::string DeviceRecognitionViewController::stringInstruction() const
{
    return RecognitionTexts::stringInstruction(host().languageManager());
}

QString DeviceRecognitionViewController::autoLinkURLs(const QString& text)
{
    static const QRegularExpression address(QStringLiteral(R"((?:https?://|mailto:|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    // Punctuation that ends a sentence is not part of the address before it.
    static const QRegularExpression trailing(QStringLiteral(R"([.,;:!?)\]]+$)"));
    QString html = QStringLiteral("<p style=\"white-space:pre-wrap\">");
    qsizetype at = 0;
    for (auto it = address.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString link = match.captured();
        link.remove(trailing);
        html += text.mid(at, match.capturedStart() - at).toHtmlEscaped();
        const QString target =
            link.startsWith(QStringLiteral("www."), Qt::CaseInsensitive) ? QStringLiteral("http://") + link : link;
        html += QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), link.toHtmlEscaped());
        at = match.capturedStart() + link.size();
    }
    html += text.mid(at).toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}

void DeviceRecognitionViewController::setControls()
{
    setShortcuts();
    ui_.webView->hide();
    for (QWidget* hidden : {static_cast<QWidget*>(ui_.tfHIDInstruction), static_cast<QWidget*>(ui_.tfInstruction),
                            static_cast<QWidget*>(ui_.btnKivoProduct), static_cast<QWidget*>(ui_.btnOEMProduct)}) {
        hidden->setEnabled(false);
        hidden->hide();
    }
    ui_.tvInstruction->setReadOnly(true);
    ui_.tvInstruction->setHtml(autoLinkURLs(qtext(stringInstruction())));

    const bool processing = host().onProcessing();
    ui_.btnNext->setEnabled(!processing);
    ui_.btnBack->setEnabled(!processing);
    // A busy bar while a recognition runs, an empty one otherwise.
    ui_.piProcessing->setRange(0, processing ? 0 : 100);
    ui_.piProcessing->setValue(0);
}

void DeviceRecognitionViewController::setShortcuts()
{
    kivo::PageHost& app = host();
    const int language = app.languageManager();
    if (app.showShortcuts()) {
        ui_.btnNext->setText(QString::fromUtf8(kivo::shortcuts::kNext));
        ui_.btnBack->setText(QString::fromUtf8(kivo::shortcuts::kBack));
    } else {
        ui_.btnNext->setText(qtext(AppText::tavk_string_next_in(language)));
        ui_.btnBack->setText(qtext(AppText::tavk_string_back_in(language)));
    }
    ui_.btnKivoProduct->setText(qtext(AppText::tavk_string_kivo_product_in(language)));
    ui_.btnOEMProduct->setText(qtext(AppText::tavk_string_oem_product_in(language)));
}

void DeviceRecognitionViewController::recognize(QObject*) { doRecognize(std::nullopt); }

void DeviceRecognitionViewController::targetDevice(QObject*) { host().setDeviceSelection(); }

kivo::RecognitionRun
DeviceRecognitionViewController::runFromController(std::optional<KIVOBluetoothDeviceData> info) const
{
    const kivo::PageHost& app = host();
    kivo::RecognitionRun run;
    run.callerMode = callerMode_;
    run.mode = app.mode();
    run.saved = std::move(info);
    run.isFirst = isFirst_;
    run.session = app.session();
    return run;
}

void DeviceRecognitionViewController::doRecognize(std::optional<KIVOBluetoothDeviceData> info)
{
    kivo::PageHost& app = host();
    app.deleteTampFile();
    app.setStatus_withWarning(app.getStatusProcessing(), false);
    setBusy(true);

    // The run works on copies; the controller's session and record stay the main thread's.
    runStoppable_ = !info.has_value();
    worker_.start<kivo::RecognitionOutcome>(
        [this, run = runFromController(std::move(info)), record = app.data(), stoppable = runStoppable_,
         &stop = worker_.stopFlag()] {
            std::optional<kivo::StopFlagWatch> watch;
            if (stoppable)
                watch.emplace(stop);
            return threadMethodRecognize(run, record);
        },
        [this](kivo::RecognitionOutcome outcome) { timerMethodRecognize(std::move(outcome)); });
}

int DeviceRecognitionViewController::recognizeDevice(kivo::RecognitionRun& run, KIVOBluetoothDeviceData& data) const
{
    return kivo::recognize_device(run, data);
}

kivo::RecognitionOutcome DeviceRecognitionViewController::threadMethodRecognize(kivo::RecognitionRun run,
                                                                                KIVOBluetoothDeviceData record) const
{
    kivo::RecognitionOutcome outcome;
    outcome.result = recognizeDevice(run, record);
    outcome.session = std::move(run.session);
    outcome.record = std::move(record);
    outcome.status = std::move(run.strStatus);
    outcome.warning = run.doWarn;
    outcome.isFirst = run.isFirst;
    return outcome;
}

void DeviceRecognitionViewController::showStatusSet(const kivo::StatusTextSet& texts, bool warning)
{
    kivo::PageHost& app = host();
    app.setStrStatusAll(texts);
    app.setStatus_withWarning(app.getStrStatus(), warning);
}

// The controller's status becomes "<failure of the page>. <worker's text>" in every language,
// with the page's letter after it when asked; shown with the warning colour.
void DeviceRecognitionViewController::showFailure(const std::string& format, bool with_code_letter)
{
    const kivo::PageHost& app = host();
    const int mode = app.mode(), usb = app.session().usbStatus;
    showStatusSet(kivo::status_in_every_language([&](int language) {
                      const std::string failure = AppText::tavk_status_failure_usb_in(mode, usb, language);
                      const std::string& cause = strStatusThreadRecognize_[static_cast<size_t>(language)];
                      return with_code_letter ? kivo::fill_format(format, {failure, cause, kRecognitionFailureTag})
                                              : kivo::fill_format(format, {failure, cause});
                  }),
                  true);
}

void DeviceRecognitionViewController::timerMethodRecognize(kivo::RecognitionOutcome outcome)
{
    kivo::PageHost& app = host();
    app.session() = std::move(outcome.session);
    app.setData(outcome.record);
    isFirst_ = outcome.isFirst;
    strStatusThreadRecognize_ = std::move(outcome.status);
    const int result = outcome.result;
    setBusy(false);

    const int language = app.languageManager();
    switch (result) {
    case kivo::kRecognitionOtherDevice:
        app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
            RecognitionTexts::stringMessageDeviceOtherThan(
                kivo::ProductNames::tavk_product_name(app.session().deviceTarget), language),
            true, std::nullopt, AppText::tavk_string_ok_in(language), kBoxSizeSmall, kBoxToHome);
        break;
    case kivo::kRecognitionSucceeded:
        moveToCaller_withWarning(strStatusThreadRecognize_[static_cast<size_t>(language)], outcome.warning);
        break;
    case kivo::kRecognitionFailed:
        if (app.session().deviceUpdatedOrRestored == kivo::kRestartAdviceProduct &&
            app.session().deviceTarget != kivo::kRestartAdviceProduct) {
            const std::string title = kivo::ProductNames::tavk_title_in(0, language);
            app.openMessageBoxWithMessage_warning_buttonCancel_buttonOK_withSize_forWhat(
                RecognitionTexts::stringMessageRestartingManager(title, language), true,
                AppText::tavk_string_no_in(language), AppText::tavk_string_yes_in(language), kBoxSizeQuestion,
                kBoxQuit);
            showFailure("%@. %@", false);
        } else {
            showFailure("%@. %@[%c]", true);
        }
        break;
    default: break;
    }
}

void DeviceRecognitionViewController::moveToCaller_withWarning(const std::string& status, bool warning)
{
    kivo::PageHost& app = host();
    app.setControls();
    const int usb = app.session().usbStatus;
    const bool management_mode = kivo::usb_status_in_management_mode(usb);
    // The worker's texts become the controller's, so that a language change shows them again.
    auto show_worker_status = [&] {
        app.setStrStatusAll(strStatusThreadRecognize_);
        app.setStatus_withWarning(status, warning);
    };
    auto show_success_of = [&](int mode, bool with_warning) {
        showStatusSet(kivo::success_status_set(mode, usb), with_warning);
    };

    if (kivo::caller_hands_back(callerMode_)) {
        app.setDetailViewController(kivo::mode_handed_back_to(callerMode_));
        if (management_mode)
            show_worker_status();
        return;
    }
    switch (callerMode_) {
    case kModeUpdate:
    case kModeRestore:
        if (callerMode_ == kModeUpdate)
            app.setFirmwareUpdateWithStatus(false);
        else
            app.setFirmwareRestoreWithStatus(false);
        if (management_mode && !app.session().isRestartDFU())
            show_worker_status();
        else
            show_success_of(callerMode_, false);
        break;
    case kModeSettings:
    case kModeSecondSettings:
    case kModeSpeedDial:
        if (callerMode_ == kModeSettings)
            app.setDeviceSettingsWithStatus(false);
        else if (callerMode_ == kModeSecondSettings)
            app.setDeviceSettingsSecondWithStatus(false);
        else
            app.setDeviceSettingsSpeedDialWithStatus(false);
        if (management_mode)
            show_worker_status();
        else
            show_success_of(callerMode_, warning);
        break;
    default:
        app.setFirmwareUpdateWithStatus(false);
        show_worker_status();
        break;
    }
}
