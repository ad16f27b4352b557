#include "settings/table/restore_rows.h"

#include "settings/table/restore_layouts.h"

namespace kivo::settings {

int restore_row_count(int product, const std::optional<KIVOBluetoothDeviceData>& backup, int fm)
{
    const RestoreLayout* layout = select_restore_layout(product, backup, fm);
    return layout ? layout->rowCount() : 0;
}

std::optional<RestoreRow> restore_row(int product, const std::optional<KIVOBluetoothDeviceData>& backup, int fm,
                                      int row, ManagerLanguage language)
{
    const RestoreLayout* layout = select_restore_layout(product, backup, fm);
    if (!layout || row < 0 || row >= layout->cells.count)
        return std::nullopt;
    const RestoreKindInfo& kind = restore_kind(layout->cells.kinds[static_cast<std::size_t>(row)]);
    // The accessors take the selected product, as every screen of the selected device does, and the
    // language pack of the device the backup was made of.
    static const KIVOBluetoothDeviceData kNoBackup{};
    const KIVOBluetoothDeviceData& record = backup ? *backup : kNoBackup;
    const AccessContext access{product, record.devicelanguagePackType()};
    const int value = kind.key ? read(*kind.key, record, access) : 0;
    return RestoreRow{kind.kind, localized(*kind.title, language),
                      restore_value_text(kind.rule, value, language, access.packType)};
}

} // namespace kivo::settings
