#include "update/page/update_page.h"

#include "app/data_folders.h"
#include "app/server_choice.h"
#include "link/hid_discovery.h"
#include "update/engine/address_range.h"

using kivo::MessageBoxPurpose;

UpdateViewController::UpdateViewController(kivo::PageHost& host, int mode)
    : UpdatePageBase(host, mode)
    , engineHost_(host, openedMessageBox_)
    , opener_(hid_open_device)
    , shared_(std::make_shared<kivo::UpdateShared>())
{
    shared_->setUpdateProcessed(-1);
    setUpView();
    connect(btnNext_, &QPushButton::clicked, this, [this] { moveToNext(btnNext_); });
    connect(btnBack_, &QPushButton::clicked, this, [this] { moveToBack(btnBack_); });
    QPushButton* update = pageMode() == kModeUpdate ? update_.btnUpdate : restore_.btnUpdate;
    QPushButton* restore = pageMode() == kModeUpdate ? update_.btnRestore : restore_.btnRestore;
    connect(update, &QPushButton::clicked, this, [this, update] { updateFirmware(update); });
    connect(restore, &QPushButton::clicked, this, [this, restore] { restoreFirmware(restore); });
    if (pageMode() == kModeUpdate) {
        connect(update_.btnBrowse, &QPushButton::clicked, this, [this] { browseFirmware(update_.btnBrowse); });
        connect(update_.btnDownload, &QPushButton::clicked, this, [this] { downloadFirmware(update_.btnDownload); });
        connect(update_.tfFirmwareFile, &QLineEdit::textChanged, this,
                [this] { firmwareFileChanged(update_.tfFirmwareFile); });
    }
}

UpdateViewController::~UpdateViewController()
{
    // A worker waiting for the user would never be answered now.
    openedMessageBox_.setOpen(false);
    // A download stops at its next look, and its temporary file goes with it.
    if (download_)
        worker_.stop();
    worker_.finish();
    download_.reset();
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
    in.globalServerBase = kivo::global_firmware_server_base();
    return in;
}

void UpdateViewController::startUpdateRun(const std::string& firmware_file)
{
    // A read still going gives way to the run: joined first, so its end cannot touch the run's state.
    worker_.finish();
    read_.reset();
    setState(pageMode() == kModeUpdate ? kStateUpdateRunning : kStateRestoreRunning);
    host().setOnProcessing(true);
    host().setControls();
    setControls();
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

bool UpdateViewController::getLatestVersionFromString(std::string_view text)
{
    return KIVOBluetoothDeviceData::getVersionFromString_ToMajor_Minor(text, latestVersion_.major,
                                                                       latestVersion_.minor);
}

bool UpdateViewController::getLumoraLatestVersionFromString(std::string_view text)
{
    return KIVOBluetoothDeviceData::getVersionFromString_ToSecondaryType_Secondary_Major_Minor(
        text, latestVersion_.secondaryType, latestVersion_.secondary, latestVersion_.major, latestVersion_.minor);
}

bool UpdateViewController::changePSKeyTorvikWith(std::string_view address) const
{
    return kivo::change_pskey_torvik(host().session().deviceTarget, address);
}

void UpdateViewController::endLumoraUpdate()
{
    if (shared_) {
        shared_->setUpdateProcessed(100);
        shared_->setUpdateFinished(true);
    }
    checkLumoraUpdateComplete_ = true;
}
