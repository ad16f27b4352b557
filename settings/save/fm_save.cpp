#include "settings/save/fm_save.h"

#include <vector>

#include "common/system_log.h"
#include "device/products/fm_radio_save.h"
#include "recognition/hid_group_records.h"
#include "recognition/hid_settings_records.h"
#include "recognition/usb_ps_keys.h"
#include "settings/save/usb_save.h"

namespace kivo::settings::fm_radio {
namespace {

using Record = KIVOBluetoothDeviceData;

// The two-module headsets take the block on their second interface.
constexpr int kSecondModuleSlot = 1;

PageSaveResult written(bool ok) { return ok ? kPageSaveSucceeded : kPageSaveNotSaved; }

std::vector<uint16_t> full_block(const Record& current) { return fm_block_words(current, kFmMagicWritten); }

PageSaveResult save_family_a(const SettingsSaveInput& input)
{
    HidIdentityCheck check;
    check.versions = {{0, RecordVersion::FirstModule}, {kSecondModuleSlot, RecordVersion::SecondModule}};
    if (const PageSaveResult confirmed = confirm_for_page_save(check, input); confirmed != kPageSaveSucceeded)
        return confirmed;
    return written(
        send_record_report(record_write_report(kRecordFmBlock, full_block(input.dataCurrent)), kSecondModuleSlot));
}

PageSaveResult save_family_c(const SettingsSaveInput& input)
{
    HidIdentityCheck check;
    check.closesFirst = true;
    if (const PageSaveResult confirmed = confirm_for_page_save(check, input); confirmed != kPageSaveSucceeded)
        return confirmed;
    return written(write_short_record(kShortRecordFmBlock, full_block(input.dataCurrent)));
}

PageSaveResult save_family_d(const SettingsSaveInput& input)
{
    HidIdentityCheck check;
    check.closesFirst = true;
    check.asksReadiness = product_in(kFmSaveReadinessProducts, input.deviceTarget);
    if (const PageSaveResult confirmed = confirm_for_page_save(check, input); confirmed != kPageSaveSucceeded)
        return confirmed;
    return written(send_record_report(record_write_report(kRecordFmBlockSecond, full_block(input.dataCurrent))));
}

// A commit that fails leaves the device with a block it may not keep: the save has failed.
PageSaveResult save_family_e(const SettingsSaveInput& input)
{
    const int product = input.deviceTarget;
    HidIdentityCheck check;
    check.versions = {
        {0, product_in(kFmSaveModuleVersionProducts, product) ? RecordVersion::FirstModule : RecordVersion::Device}};
    if (const PageSaveResult confirmed = confirm_for_page_save(check, input); confirmed != kPageSaveSucceeded)
        return confirmed;
    const bool commits = fm_save_commits_block(product);
    const HidCommandReport write = record_write_report(
        kRecordFmBlock,
        fm_block_words(input.dataCurrent, commits ? kFmMagicUnread : kFmMagicWritten, fm_preset_count(product)));
    if (!send_record_report(write))
        return kPageSaveNotSaved;
    return commits ? written(send_record_report(record_commit_report(write, kRecordFmBlock))) : kPageSaveSucceeded;
}

// A device the path has no key for keeps its old block: nothing was saved.
PageSaveResult write_fm_key(const SettingsSaveInput& input)
{
    if (!product_in(kFmSaveKeyWriterProducts, input.deviceTarget)) {
        system_logf("FM radio save: no key for %X", static_cast<unsigned>(input.deviceTarget));
        return kPageSaveNotSaved;
    }
    return written(write_ps_key_kept(ps_key::kFmRadioBlock, full_block(input.dataCurrent)));
}

} // namespace

PageSaveOutcome threadMethodSave(SettingsSaveInput input)
{
    const FmSaveFamily family = fm_save_family(input.deviceTarget);
    return run_page_save("FM radio", family != FmSaveFamily::PersistentStore, [&] {
        switch (family) {
        case FmSaveFamily::A: return save_family_a(input);
        case FmSaveFamily::C: return save_family_c(input);
        case FmSaveFamily::D: return save_family_d(input);
        case FmSaveFamily::E: return save_family_e(input);
        case FmSaveFamily::PersistentStore: break;
        }
        return save_page_over_persistent_store(input, [&] { return write_fm_key(input); });
    });
}

} // namespace kivo::settings::fm_radio
