#include "recognition/hid_group_records.h"

#include <algorithm>

namespace kivo {
namespace {

template <typename Row, size_t N> std::optional<Row> row_of(const std::array<Row, N>& table, int product_id)
{
    const SettingsGroup group = settings_group(product_id);
    const auto row = std::find_if(table.begin(), table.end(), [group](const Row& r) { return r.group == group; });
    if (row == table.end())
        return std::nullopt;
    return *row;
}

} // namespace

std::optional<SettingsWriteBack> settings_write_back_of(int product_id)
{
    return row_of(kSettingsWriteBacks, product_id);
}

std::optional<SettingsRead> settings_read_of(int product_id) { return row_of(kSettingsReads, product_id); }

} // namespace kivo
