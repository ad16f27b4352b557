#include "update/page/update_page.h"

#include "app/data_folders.h"
#include "app/shortcut_labels.h"
#include "app/text/app_text.h"
#include "link/hid_discovery.h"

using kivo::AppText;
using kivo::MessageBoxPurpose;

namespace {

QString qtext(const std::string& s) { return QString::fromStdString(s); }

} // namespace

UpdateViewController::UpdateViewController(kivo::PageHost& host, int mode)
    : UpdatePageBase(host, mode)
    , engineHost_(host, openedMessageBox_)
    , opener_(hid_open_device)
{
    connect(view_.ui.btnNext, &QPushButton::clicked, this, [this] { moveToNext(view_.ui.btnNext); });
    connect(view_.ui.btnBack, &QPushButton::clicked, this, [this] { moveToBack(view_.ui.btnBack); });
}

UpdateViewController::~UpdateViewController()
{
    // A worker waiting for the user would never be answered now.
    openedMessageBox_.setOpen(false);
    worker_.finish();
}

void UpdateViewController::initializeObjectWithDefaultStatus(bool)
{
    host().setShowShortcuts(false);
    host().reflectShortcuts();
    setControls();
}

void UpdateViewController::setControls()
{
    setShortcuts();
    const bool processing = host().onProcessing();
    view_.ui.btnNext->setEnabled(!processing);
    view_.ui.btnBack->setEnabled(!processing);
}

void UpdateViewController::setShortcuts()
{
    const kivo::PageHost& app = host();
    const int language = app.languageManager();
    if (app.showShortcuts()) {
        view_.ui.btnNext->setText(QString::fromUtf8(kivo::shortcuts::kNext));
        view_.ui.btnBack->setText(QString::fromUtf8(kivo::shortcuts::kBack));
        return;
    }
    view_.ui.btnNext->setText(qtext(nextIsNewDevice() ? AppText::tavk_string_new_device_in(language)
                                                      : AppText::tavk_string_next_in(language)));
    view_.ui.btnBack->setText(qtext(AppText::tavk_string_back_in(language)));
}

void UpdateViewController::routeMessageBoxes()
{
    UpdatePageBase::routeMessageBoxes();
    if (pageMode() != kModeUpdate)
        return;
    // The worker waits for this answer: the OK is kept where the worker reads it before the wait
    // is released.
    host().routeMessageBox(MessageBoxPurpose::SkipRestoreBackup, this,
                           {[this] {
                                host().session().skipRestoreBackupFile = true;
                                engineHost_.setSkipRestoreBackupFile(true);
                                openedMessageBox_.setOpen(false);
                            },
                            [this] { openedMessageBox_.setOpen(false); }});
}

kivo::UpdateInputs UpdateViewController::inputsFromController(const std::string& firmware_file) const
{
    const kivo::PageHost& app = host();
    kivo::UpdateInputs in;
    in.firmwareFile = firmware_file;
    in.session = app.session();
    in.mode = pageMode();
    in.data = app.data();
    in.languageManager = app.languageManager();
    in.strLanguageFirmware = app.strLanguageFirmware();
    in.archiveFolder = kivo::archive_folder();
    in.opener = opener_;
    return in;
}

void UpdateViewController::startUpdateRun(const std::string& firmware_file)
{
    runInputs_ = inputsFromController(firmware_file);
    // A block of its own for each run: nothing of the last run can be mistaken for this one's.
    shared_ = std::make_shared<kivo::UpdateShared>();
    engineHost_.setSkipRestoreBackupFile(host().session().skipRestoreBackupFile);
    worker_.start([this, inputs = runInputs_, shared = shared_] { runUpdate(inputs, *shared, engineHost_); },
                  [this] { timerMethodUpdate(); });
}

void UpdateViewController::runUpdate(kivo::UpdateInputs inputs, kivo::UpdateShared& shared, kivo::UpdateHost& host)
{
    kivo::threadMethodUpdate(std::move(inputs), shared, host);
}

void UpdateViewController::timerMethodUpdate()
{
    if (!shared_)
        return;
    // The worker resets the backup answer once it has read it; the controller's flag follows.
    host().session().skipRestoreBackupFile = engineHost_.skipRestoreBackupFile();
    if (shared_->updateFinished())
        worker_.finish();
}
