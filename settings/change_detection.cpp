#include "settings/change_detection.h"

#include <optional>
#include <span>

#include "common/system_log.h"
#include "device/products/settings_change_rows.h"

namespace kivo::settings {
namespace {

using Record = KIVOBluetoothDeviceData;
using enum StoredValue;

struct FirmwareSplit {
    int major;
    int minor;
};

struct ChangeRow {
    std::span<const int> products;
    std::vector<StoredValue> values; // from the split on, or always
    std::optional<FirmwareSplit> split = std::nullopt;
    std::vector<StoredValue> below = {}; // below the split
    bool traced = false; // the first basic word goes to the system log first
};

const std::vector<ChangeRow>& change_rows()
{
    static const std::vector<ChangeRow> rows = {
        {kSettingsChangeRow1, {BasicWord}, FirmwareSplit{4, 0}, {IntercomVox, HandsfreeVox, Edr}},
        {kSettingsChangeListA, {BasicWord}},
        {kSettingsChangeRow3, {RadioTransmitGain, AudioChannelTimeout}},
        {kSettingsChangeRow4, {BasicWord, SettingsWords, PintraWords, TavelWords}},
        {kSettingsChangeRow5, {BasicWord, SecondBasicWord, SettingsWords, PintraWords}},
        {kSettingsChangeRow6, {BasicWord, SettingsWords, BackgroundVolume}},
        {kSettingsChangeListB, {BasicWord, SettingsWords}, std::nullopt, {}, true},
        {kSettingsChangeRow8, {BasicWord, SettingsWords}},
        {kSettingsChangeRow9, {OemWord, SettingsWords}},
        {kSettingsChangeListC, {SettingsWords}},
        {kSettingsChangeRow11, {BasicWord, PintraWords}, FirmwareSplit{1, 1}, {BasicWord}},
        {kSettingsChangeRow12, {BasicWord, TavelWords, PintraWords}, FirmwareSplit{1, 1}, {BasicWord, TavelWords}},
        {kSettingsChangeRow13, {BasicWord, CameraWords}},
        {kSettingsChangeRow14, {BasicWord, SecondBasicWord}},
        {kSettingsChangeRow15, {BasicWord, SettingsWords, PintraWords}},
        {kSettingsChangeRow16, {BasicWord, PintraWords}},
        {kSettingsChangeRow17, {BasicWord, PintraWords, TavelWords}},
    };
    return rows;
}

const ChangeRow* row_of(int product)
{
    for (const ChangeRow& row : change_rows())
        if (product_in(row.products, product))
            return &row;
    return nullptr;
}

const std::vector<StoredValue>& values_of(const ChangeRow& row, const Record& device)
{
    if (row.split && device.compareVersionUpToMinorWithMajor_Minor(row.split->major, row.split->minor) < 0)
        return row.below;
    return row.values;
}

} // namespace

std::vector<StoredValue> compared_values(int product, const Record& device)
{
    const ChangeRow* row = row_of(product);
    return row ? values_of(*row, device) : std::vector<StoredValue>{};
}

bool settings_changed(int product, const Record& device, const Record& current)
{
    const ChangeRow* row = row_of(product);
    if (!row)
        return false;
    for (StoredValue value : values_of(*row, device)) {
        if (row->traced && value == BasicWord)
            system_logf("QCC SettingChanged %X %X", static_cast<unsigned>(current.getSettings40()),
                        static_cast<unsigned>(device.getSettings40()));
        if (compare_stored(value, device, current) != 0)
            return true;
    }
    return false;
}

} // namespace kivo::settings
