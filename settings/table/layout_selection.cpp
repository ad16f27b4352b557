#include "settings/table/layout_selection.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "settings/table/layout_table.h"

namespace kivo::settings {
namespace {

// (product, line index) for every product of every line, sorted: a product's lines in table order.
const std::vector<std::pair<int, int>>& lines_by_product()
{
    static const std::vector<std::pair<int, int>> index = [] {
        std::vector<std::pair<int, int>> out;
        const std::span<const LayoutLine> lines = layout_lines();
        for (std::size_t i = 0; i < lines.size(); ++i)
            for (int product : lines[i].products)
                if (product != 0)
                    out.emplace_back(product, static_cast<int>(i));
        std::sort(out.begin(), out.end());
        return out;
    }();
    return index;
}

} // namespace

LayoutKey layout_key(const DeviceSession& session, const KIVOBluetoothDeviceData& record)
{
    return {session.deviceTarget,
            record.deviceVersion(),
            {session.fmRadioShowAndHide, session.motionSensorShowAndHide, session.deviceEgranoSpeakerType,
             session.deviceInfoStatus}};
}

const RowList* row_list(int number)
{
    const std::span<const RowList> lists = row_lists();
    const auto found = std::lower_bound(lists.begin(), lists.end(), number,
                                        [](const RowList& list, int n) { return list.number < n; });
    return found != lists.end() && found->number == number ? &*found : nullptr;
}

std::optional<LayoutSelection> select_layout(const LayoutKey& key)
{
    const std::vector<std::pair<int, int>>& index = lines_by_product();
    auto it = std::lower_bound(index.begin(), index.end(), std::pair{key.product, 0});
    const std::span<const LayoutLine> lines = layout_lines();
    // The range first, then the condition within it; the lines of a product tile both.
    for (; it != index.end() && it->first == key.product; ++it) {
        const LayoutLine& line = lines[static_cast<std::size_t>(it->second)];
        if (!in_range(key.version, line.firmware) || !holds(*line.flags, key.codes))
            continue;
        const RowList* list = row_list(line.list);
        return LayoutSelection{line.count, it->second, list ? list->rows : std::span<const TableKind>{}, line.heldBack};
    }
    return std::nullopt;
}

std::optional<TableKind> row_kind(const std::optional<LayoutSelection>& selection, int row)
{
    if (!selection || row < 0 || row >= selection->fullLength())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(row);
    return index < selection->list.size() ? selection->list[index]
                                          : selection->heldBack[index - selection->list.size()];
}

} // namespace kivo::settings
