#include "settings/save/speed_dial_save.h"

#include <array>
#include <functional>

#include "common/system_log.h"
#include "device/products/speed_dial_save_paths.h"
#include "recognition/hid_group_records.h"
#include "recognition/hid_settings_records.h"
#include "recognition/usb_ps_keys.h"
#include "settings/save/usb_save.h"

namespace kivo::settings::speed_dial {
namespace {

using Record = KIVOBluetoothDeviceData;
using enum SpeedDialSavePath;

constexpr int kSecondModuleSlot = 1;

// Every number is written, in order, whatever became of the one before; a write that failed
// fails the save, so the device is never said to hold what it did not get.
PageSaveResult write_each_number(const std::function<bool(int index, const std::string& number)>& write,
                                 const Record& current)
{
    PageSaveResult result = kPageSaveSucceeded;
    for (int i = 0; i < Record::kSpeedDialCount; ++i)
        if (!write(i, current.speedDialAt(i))) {
            system_logf("speed-dial save: number %d not written", i + 1);
            result = kPageSaveNotSaved;
        }
    return result;
}

PageSaveResult write_records(uint8_t first, EmptySpeedDial empty, const Record& current)
{
    return write_each_number(
        [&](int i, const std::string& number) {
            return write_speed_dial_record(static_cast<uint8_t>(first + i), number, empty);
        },
        current);
}

HidIdentityCheck check_of(SpeedDialSavePath path, int product)
{
    HidIdentityCheck check;
    switch (path) {
    case A: check.versions = {{0, RecordVersion::FirstModule}, {kSecondModuleSlot, RecordVersion::SecondModule}}; break;
    case B: check.closesFirst = true; break;
    case C:
        check.closesFirst = true;
        check.asksReadiness = product_in(kSpeedDialReadinessProducts, product);
        break;
    case D1: check.versions = {{0, RecordVersion::FirstModule}}; break;
    case D2: check.versions = {{0, RecordVersion::Device}}; break;
    case E: break;
    }
    return check;
}

PageSaveResult save_over_hid(SpeedDialSavePath path, const SettingsSaveInput& input)
{
    if (const PageSaveResult confirmed = confirm_for_page_save(check_of(path, input.deviceTarget), input);
        confirmed != kPageSaveSucceeded)
        return confirmed;
    const Record& current = input.dataCurrent;
    switch (path) {
    case A: return write_records(kRecordSpeedDialSecond, EmptySpeedDial::NoWords, current);
    case B:
        return write_each_number(
            [](int i, const std::string& number) {
                return write_short_record_text(static_cast<uint8_t>(kShortRecordSpeedDial + i), number);
            },
            current);
    case C: return write_records(kRecordSpeedDial, EmptySpeedDial::OneZeroWord, current);
    default: return write_records(kRecordSpeedDialSecond, EmptySpeedDial::OneZeroWord, current);
    }
}

// The first key refused ends the device's writes.
PageSaveResult write_keys(const Record& current)
{
    for (int i = 0; i < Record::kSpeedDialCount; ++i) {
        std::array<uint16_t, Record::kSpeedDialUnitCount> words{};
        Record::getSpeedDialArray_FromString(words, current.speedDialAt(i));
        if (!write_ps_key_kept(ps_key::kSpeedDials[static_cast<size_t>(i)], words)) {
            system_logf("speed-dial save: key %X not written", ps_key::kSpeedDials[static_cast<size_t>(i)]);
            return kPageSaveNotSaved;
        }
    }
    return kPageSaveSucceeded;
}

} // namespace

PageSaveOutcome threadMethodSave(SettingsSaveInput input)
{
    const SpeedDialSavePath path = speed_dial_save_path(input.deviceTarget);
    return run_page_save("speed-dial", path != E, [&] {
        if (path == E)
            return save_page_over_persistent_store(input, [&] { return write_keys(input.dataCurrent); });
        return save_over_hid(path, input);
    });
}

} // namespace kivo::settings::speed_dial
