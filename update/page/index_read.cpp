// The pages' read of the firmware index: page entry and re-read, which share their steps, the read
// on the page's worker over inputs copied here, and its ends at the tick that finds its outcome,
// which bring the outcome into the page's state.

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
    state_.writeDefaultStatus = status;
    shared_->setUpdateStatus({});
    app.setShowShortcuts(false);
    app.reflectShortcuts();
    state_.newUpdateFound = false;
    if (pageMode() == kModeUpdate)
        update_.tfFirmwareFile->clear();
    // From page entry the update page's read decides whether a newer firmware is offered.
    const bool reading = startIndexRead(true);
    if (pageMode() == kModeUpdate)
        return;
    if (!reading && app.session().isRestartDFU()) {
        state_.newUpdateFound = false;
        restoreFirmware(nullptr);
    }
    // The tabs of the backed-up device; without a usable backup, those of an all-zero record.
    const KIVOBluetoothDeviceData backup = state_.dataToUnarchive.value_or(KIVOBluetoothDeviceData{});
    state_.tabs = kivo::settings_tabs_for(backup.deviceRecognized(), backup.deviceVersionMajor(),
                                          backup.deviceVersionMinor(), app.session().fmRadioShowAndHide);
}

void UpdateViewController::readLatest()
{
    if (popUpLanguageFirmware()->count() == 0) {
        setControls();
        return;
    }
    startIndexRead(false);
}

bool UpdateViewController::startIndexRead(bool check_new_update)
{
    setUpdateProcessed(-1);
    state_.arrFileNamesLatestVersion.clear();
    state_.arrLanguageFirmware.clear();
    popUpLanguageFirmware()->clear();
    if (pageMode() == kModeUpdate) {
        setState(kStateReadingIndex);
        state_.checkNewUpdate = check_new_update;
        state_.latestVersion = {};
        state_.fileNameLatestVersion.clear();
        setBusy(true);
        startReadLatest();
        return true;
    }
    // The restore page asks the server only for a usable backup, which its refresh loads.
    state_.restorePossible = true;
    initTabData();
    setBusy(true);
    setState(kStateIdle);
    if (!state_.restorePossible) {
        setBusy(false);
        return false;
    }
    setState(kStateReadingRevisions);
    refreshControls();
    startReadLatest();
    return true;
}

void UpdateViewController::initTabData()
{
    state_.tabs = {};
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
    query.backup = state_.dataToUnarchive.value_or(KIVOBluetoothDeviceData{});
    query.strLanguageManager = app.strLanguageManager();
    query.applyToLanguageFirmware = app.applyToLanguageFirmware();
    query.latest = state_.latestVersion;
    query.fileNameLatestVersion = state_.fileNameLatestVersion;
    in.checkNewUpdate = state_.checkNewUpdate;
    in.deviceTarget = product;
    in.data = app.data();
    return in;
}

void UpdateViewController::startReadLatest()
{
    reading_ = true;
    // The outcome comes back whole at a tick; a new start drops a read still going.
    worker_.start<kivo::LatestReadOutcome>(
        [in = readInputsFromController()] { return kivo::threadMethodReadLatest(in); },
        [this](kivo::LatestReadOutcome outcome) {
            reading_ = false;
            if (pageMode() == kModeUpdate)
                endUpdateRead(outcome);
            else
                endRevisionsRead(outcome);
        });
}

PopUpButton* UpdateViewController::popUpLanguageFirmware() const
{
    return pageMode() == kModeUpdate ? update_.popUpLanguageFirmware : restore_.popUpLanguageFirmware;
}

void UpdateViewController::applyLatestRead(const kivo::LatestReadOutcome& outcome)
{
    const kivo::FirmwareIndexRead& read = outcome.read;
    state_.latestVersion = read.latest;
    state_.fileNameLatestVersion = read.fileNameLatestVersion;
    state_.arrFileNamesLatestVersion = read.fileNames;
    state_.arrLanguageFirmware = read.languages;
    // Only a read from page entry decides; a re-read leaves the decision as it was.
    if (state_.checkNewUpdate)
        state_.newUpdateFound = outcome.newUpdateFound;
    state_.checkNewUpdate = outcome.checkNewUpdate;
    if (pageMode() != kModeUpdate)
        state_.restorePossible = read.restorePossible;
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

void UpdateViewController::endUpdateRead(const kivo::LatestReadOutcome& outcome)
{
    applyLatestRead(outcome);
    setState(kStateIdle);
    kivo::PageHost& app = host();
    if (state_.newUpdateFound && !app.session().isRestartDFU())
        offerNewUpdate();
    setBusy(false);
    // A run to recover goes on at once (the run raises the busy flag again as it starts).
    if (app.session().isRestartDFU()) {
        state_.newUpdateFound = false;
        updateFirmware(nullptr);
    }
}

void UpdateViewController::endRevisionsRead(const kivo::LatestReadOutcome& outcome)
{
    applyLatestRead(outcome);
    setState(kStateIdle);
    kivo::PageHost& app = host();
    const int mode = app.mode();
    const int usb_status = app.session().usbStatus;
    if (!state_.restorePossible) {
        app.setStrStatusAll(kivo::status_in_every_language([&](int language) {
            return kivo::fill_format("%@. %@",
                                     {AppText::tavk_status_failure_usb_in(mode, usb_status, language),
                                      UpdateTexts::tavk_string_cannot_connect_to_the_server_in(language)});
        }));
        app.setStatus_withWarning(app.getStrStatus(), true);
    } else if (state_.writeDefaultStatus) {
        const bool languages = popUpLanguageFirmware()->count() > 0;
        app.setStrStatusAll(kivo::status_in_every_language([&](int language) {
            return languages ? UpdateTexts::tavk_string_press_restore_button_after_selecting_in(language)
                             : UpdateTexts::tavk_string_press_restore_button_in(language);
        }));
        app.setStatus_withWarning(app.getStrStatus(), false);
    }
    setBusy(false);
    if (app.session().isRestartDFU())
        restoreFirmware(nullptr);
}
