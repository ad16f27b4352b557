// The pages' read of the firmware index: page entry and re-read, the read on the page's worker
// over inputs copied here, and the timer's ends of it (state 0 on the update page, state 4 with
// the read's finished flag on the restore page), which bring its outcome to the page's controls.

#include "app/server_choice.h"
#include "device/products/settings_tabs.h"
#include "device/products/version_forms.h"
#include "text/app_text.h"
#include "text/product_names.h"
#include "text/text_format.h"
#include "text/update_texts.h"
#include "update/page/update_page.h"

using kivo::AppText;
using kivo::UpdateTexts;

void UpdateViewController::initializeObjectWithDefaultStatus(bool status)
{
    kivo::PageHost& app = host();
    writeDefaultStatus_ = status;
    setUpdateProcessed(-1);
    if (read_)
        read_->updateFinished.store(false);
    arrFileNamesLatestVersion_.clear();
    arrLanguageFirmware_.clear();
    popUpLanguageFirmware()->clear();
    shared_->setUpdateStatus({});
    app.setShowShortcuts(false);
    app.reflectShortcuts();
    newUpdateFound_ = false;

    if (pageMode() == kModeUpdate) {
        setState(kStateReadingIndex);
        checkNewUpdate_ = true;
        latestVersion_ = {};
        fileNameLatestVersion_.clear();
        update_.tfFirmwareFile->clear();
        app.setOnProcessing(true);
        app.setControls();
        setControls();
        startReadLatest();
        return;
    }

    restorePossible_ = true;
    initTabData();
    app.setOnProcessing(true);
    app.setControls();
    setControls();
    setState(kStateIdle);
    if (!restorePossible_) {
        app.setOnProcessing(false);
        app.setControls();
        setControls();
        if (app.session().isRestartDFU()) {
            newUpdateFound_ = false;
            restoreFirmware(nullptr);
        }
    } else {
        setState(kStateReadingRevisions);
        app.setControls();
        setControls();
        startReadLatest();
    }
    // The tabs of the backed-up device; without a usable backup, those of an all-zero record.
    const KIVOBluetoothDeviceData backup = dataToUnarchive_.value_or(KIVOBluetoothDeviceData{});
    const kivo::SettingsTabs tabs =
        kivo::settings_tabs_for(backup.deviceRecognized(), backup.deviceVersionMajor(), backup.deviceVersionMinor(),
                                app.session().fmRadioShowAndHide);
    tabCount_ = tabs.count;
    tabs_ = tabs.tabs;
    tabIndexSelected_ = tabs.selected;
}

void UpdateViewController::readLatest()
{
    kivo::PageHost& app = host();
    if (popUpLanguageFirmware()->count() == 0) {
        setControls();
        return;
    }
    setUpdateProcessed(-1);
    if (read_)
        read_->updateFinished.store(false);
    arrFileNamesLatestVersion_.clear();
    arrLanguageFirmware_.clear();
    popUpLanguageFirmware()->clear();
    if (pageMode() == kModeUpdate) {
        setState(kStateReadingIndex);
        checkNewUpdate_ = false;
        latestVersion_ = {};
        fileNameLatestVersion_.clear();
        app.setOnProcessing(true);
    } else {
        restorePossible_ = true;
        initTabData();
        app.setOnProcessing(true);
        app.setControls();
        setControls();
        setState(kStateIdle);
        if (!restorePossible_) {
            app.setOnProcessing(false);
            app.setControls();
            setControls();
            return;
        }
        setState(kStateReadingRevisions);
    }
    app.setControls();
    setControls();
    startReadLatest();
}

void UpdateViewController::initTabData()
{
    tabCount_ = 0;
    tabs_ = {};
    tabIndexSelected_ = 0;
    host().closeListTabs();
}

kivo::LatestReadInputs UpdateViewController::readInputsFromController() const
{
    const kivo::PageHost& app = host();
    const int product = app.session().deviceTarget;
    kivo::LatestReadInputs in;
    in.base = kivo::firmware_server_base();
    kivo::FirmwareIndexQuery& query = in.query;
    query.page = pageMode() == kModeUpdate ? kivo::IndexPage::Update : kivo::IndexPage::Restore;
    query.internalName = kivo::ProductNames::tavk_product_name_for_internal(product, true);
    query.strLanguageFirmware = app.strLanguageFirmware();
    query.camera = kivo::version_has_four_parts(product);
    query.backup = dataToUnarchive_.value_or(KIVOBluetoothDeviceData{});
    query.strLanguageManager = app.strLanguageManager();
    query.applyToLanguageFirmware = app.applyToLanguageFirmware();
    query.latest = latestVersion_;
    query.fileNameLatestVersion = fileNameLatestVersion_;
    in.checkNewUpdate = checkNewUpdate_;
    in.deviceTarget = product;
    in.data = app.data();
    return in;
}

void UpdateViewController::startReadLatest()
{
    read_ = std::make_shared<ReadShared>();
    const bool update_page = pageMode() == kModeUpdate;
    // The outcome is published first; the end signal, which the timer waits for, comes last.
    worker_.start(
        [this, in = readInputsFromController(), read = read_, update_page] {
            kivo::LatestReadOutcome outcome = kivo::threadMethodReadLatest(in);
            {
                std::lock_guard lock(read->mutex);
                read->outcome = std::move(outcome);
            }
            if (update_page)
                setState(kStateIdle);
            else
                read->updateFinished.store(true, std::memory_order_release);
        },
        [this] { timerMethodUpdate(); });
}

PopUpButton* UpdateViewController::popUpLanguageFirmware() const
{
    return pageMode() == kModeUpdate ? update_.popUpLanguageFirmware : restore_.popUpLanguageFirmware;
}

void UpdateViewController::applyLatestRead(const kivo::LatestReadOutcome& outcome)
{
    const kivo::FirmwareIndexRead& read = outcome.read;
    latestVersion_ = read.latest;
    fileNameLatestVersion_ = read.fileNameLatestVersion;
    arrFileNamesLatestVersion_ = read.fileNames;
    arrLanguageFirmware_ = read.languages;
    // Only a read from page entry decides; a re-read leaves the decision as it was.
    if (checkNewUpdate_)
        newUpdateFound_ = outcome.newUpdateFound;
    checkNewUpdate_ = outcome.checkNewUpdate;
    if (pageMode() != kModeUpdate)
        restorePossible_ = read.restorePossible;
    PopUpButton* pop_up = popUpLanguageFirmware();
    const int language = host().languageManager();
    for (const kivo::PopUpOperation& operation : read.popUp) {
        switch (operation.kind) {
        case kivo::PopUpOperation::Kind::RemoveAll: pop_up->clear(); break;
        case kivo::PopUpOperation::Kind::Add:
            pop_up->addItem(
                QString::fromStdString(AppText::tavk_language_manager_from_language_in(operation.language, language)));
            break;
        case kivo::PopUpOperation::Kind::Select:
            // An index outside the items selects nothing.
            if (operation.index >= 0 && operation.index < pop_up->count())
                pop_up->setCurrentIndex(operation.index);
            break;
        }
    }
}

std::optional<kivo::LatestReadOutcome> UpdateViewController::takeReadOutcome()
{
    worker_.finish();
    std::optional<kivo::LatestReadOutcome> outcome;
    {
        std::lock_guard lock(read_->mutex);
        outcome = std::move(read_->outcome);
    }
    read_.reset();
    return outcome;
}

void UpdateViewController::endUpdateRead()
{
    const std::optional<kivo::LatestReadOutcome> outcome = takeReadOutcome();
    if (outcome)
        applyLatestRead(*outcome);
    kivo::PageHost& app = host();
    if (newUpdateFound_ && !app.session().isRestartDFU())
        offerNewUpdate();
    app.setOnProcessing(false);
    app.setControls();
    setControls();
    // A run to recover goes on at once (the run raises the busy flag again as it starts).
    if (app.session().isRestartDFU()) {
        newUpdateFound_ = false;
        updateFirmware(nullptr);
    }
}

void UpdateViewController::endRevisionsRead()
{
    const std::optional<kivo::LatestReadOutcome> outcome = takeReadOutcome();
    if (outcome)
        applyLatestRead(*outcome);
    else
        restorePossible_ = false;
    setState(kStateIdle);
    kivo::PageHost& app = host();
    app.setOnProcessing(false);
    const int mode = app.mode();
    const int usb_status = app.session().usbStatus;
    if (!restorePossible_) {
        app.setStrStatusAll(kivo::status_in_every_language([&](int language) {
            return kivo::fill_format("%@. %@",
                                     {AppText::tavk_status_failure_usb_in(mode, usb_status, language),
                                      UpdateTexts::tavk_string_cannot_connect_to_the_server_in(language)});
        }));
        app.setStatus_withWarning(app.getStrStatus(), true);
    } else if (writeDefaultStatus_) {
        const bool languages = popUpLanguageFirmware()->count() > 0;
        app.setStrStatusAll(kivo::status_in_every_language([&](int language) {
            return languages ? UpdateTexts::tavk_string_press_restore_button_after_selecting_in(language)
                             : UpdateTexts::tavk_string_press_restore_button_in(language);
        }));
        app.setStatus_withWarning(app.getStrStatus(), false);
    }
    app.setControls();
    setControls();
    if (app.session().isRestartDFU())
        restoreFirmware(nullptr);
}
