#include "settings/default_rule.h"

#include <span>

#include "common/system_log.h"
#include "device/products/settings_default_rule.h"

namespace kivo::settings {

namespace {

void carry(std::span<const int> words, const KIVOBluetoothDeviceData& recognized, KIVOBluetoothDeviceData& defaults)
{
    for (int word : words)
        defaults.setBasicSettingBriskoAt_with(word, recognized.basicSettingBrisko(word));
}

} // namespace

void apply_default_rule(int product, const KIVOBluetoothDeviceData& recognized, KIVOBluetoothDeviceData& defaults)
{
    const DefaultRow* row = default_row(product);
    if (row == nullptr)
        return;
    if (default_writes_trace(product))
        system_logf("ARABIC %X %X", static_cast<unsigned>(recognized.basicSettingBrisko(0)),
                    static_cast<unsigned>(recognized.basicSettingBrisko(1)));
    carry(row->carriedAlways, recognized, defaults);
    const bool below =
        row->gate != DefaultGate::None && recognized.compareVersionUpToMinorWithMajor_Minor(row->major, row->minor) < 0;
    if (below && row->gate == DefaultGate::From)
        return;
    carry(below ? row->carriedBelow : row->carried, recognized, defaults);
    for (const DefaultForced& forced : row->forced) {
        const int value = forced.value +
            (forced.addsRecognizedSpeakerSelect ? recognized.GetBasicSettingEgranoSpeakerAccessorySelect() : 0);
        (defaults.*forced.setter)(value);
    }
}

} // namespace kivo::settings
