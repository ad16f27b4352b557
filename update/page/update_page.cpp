#include "update/page/update_page.h"

#include "app/data_folders.h"
#include "app/server_choice.h"
#include "link/hid_discovery.h"
#include "update/server/address_range.h"

using kivo::MessageBoxPurpose;

UpdateViewController::UpdateViewController(kivo::PageHost& host, int mode)
    : UpdatePageBase(host, mode)
    , engineHost_(host, openedMessageBox_)
    , opener_(hid_open_device)
    , shared_(std::make_shared<kivo::UpdateShared>())
{
    setUpdateProcessed(-1);
    setUpView();
    engineHost_.setSpinner(pageMode() == kModeUpdate ? update_.piProcessingCircular : restore_.piProcessingCircular);
    connect(btnNext_, &QPushButton::clicked, this, [this] { moveToNext(btnNext_); });
    connect(btnBack_, &QPushButton::clicked, this, [this] { moveToBack(btnBack_); });
    QPushButton* update = pageMode() == kModeUpdate ? update_.btnUpdate : restore_.btnUpdate;
    QPushButton* restore = pageMode() == kModeUpdate ? update_.btnRestore : restore_.btnRestore;
    connect(update, &QPushButton::clicked, this, [this, update] { updateFirmware(update); });
    connect(restore, &QPushButton::clicked, this, [this, restore] { restoreFirmware(restore); });
    if (pageMode() == kModeUpdate) {
        connect(update_.btnBrowse, &QPushButton::clicked, this, [this] { browseFirmware(update_.btnBrowse); });
        connect(update_.btnDownload, &QPushButton::clicked, this, [this] { downloadFirmware(update_.btnDownload); });
        // The field is where the user names the file: the state follows it.
        connect(update_.tfFirmwareFile, &QLineEdit::textChanged, this, [this](const QString& file) {
            state_.firmwareFile = file.toStdString();
            firmwareFileChanged(update_.tfFirmwareFile);
        });
    }
    // The pop-up's items come from the index read and from the user: the state counts them.
    const QAbstractItemModel* items = popUpLanguageFirmware()->model();
    const auto count_items = [this] { state_.languageItems = popUpLanguageFirmware()->count(); };
    connect(items, &QAbstractItemModel::rowsInserted, this, count_items);
    connect(items, &QAbstractItemModel::rowsRemoved, this, count_items);
    connect(items, &QAbstractItemModel::modelReset, this, count_items);
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
    reading_ = false;
    // A block of its own for each run: nothing of the last run can be mistaken for this one's. It
    // starts at 0 %, as the worker's first step sets it, so that the page shows the run's bar from
    // its first refresh: a run that ends before the first tick would show none else.
    shared_ = std::make_shared<kivo::UpdateShared>();
    state_.updateProcessed = shared_->progress().updateProcessed;
    setState(pageMode() == kModeUpdate ? kStateUpdateRunning : kStateRestoreRunning);
    setBusy(true);
    runInputs_ = inputsFromController(firmware_file);
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
    return KIVOBluetoothDeviceData::getVersionFromString_ToMajor_Minor(text, state_.latestVersion.major,
                                                                       state_.latestVersion.minor);
}

bool UpdateViewController::getLumoraLatestVersionFromString(std::string_view text)
{
    FirmwareQuad& latest = state_.latestVersion;
    return KIVOBluetoothDeviceData::getVersionFromString_ToSecondaryType_Secondary_Major_Minor(
        text, latest.secondaryType, latest.secondary, latest.major, latest.minor);
}

bool UpdateViewController::changePSKeyTorvikWith(std::string_view address) const
{
    return kivo::change_pskey_torvik(host().session().deviceTarget, address);
}

void UpdateViewController::endLumoraUpdate()
{
    if (shared_) {
        setUpdateProcessed(100);
        shared_->setUpdateFinished(true);
    }
    checkLumoraUpdateComplete_ = true;
}
