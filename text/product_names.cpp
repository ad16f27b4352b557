#include "text/product_names.h"

#include <algorithm>

namespace kivo {

namespace {

constexpr bool ids_ascending()
{
    return std::is_sorted(kProductList.begin(), kProductList.end(),
                          [](const ProductEntry& a, const ProductEntry& b) { return a.id <= b.id; });
}
static_assert(ids_ascending(), "the product table must be sorted by id without repeats");

} // namespace

std::span<const ProductEntry> product_table() { return kProductList; }

const ProductEntry* find_product(int product_id)
{
    auto it = std::lower_bound(kProductList.begin(), kProductList.end(), product_id,
                               [](const ProductEntry& entry, int id) { return entry.id < id; });
    return it != kProductList.end() && it->id == product_id ? &*it : nullptr;
}

std::string ProductNames::tavk_product_name_for_internal(int product_id, bool for_internal)
{
    const ProductEntry* entry = find_product(product_id);
    if (!entry)
        return {};
    return for_internal ? entry->internal : entry->display;
}

std::string ProductNames::tavk_product_name(int product_id)
{
    return tavk_product_name_for_internal(product_id, false);
}

std::string ProductNames::tavk_title_in(int /*family*/, ManagerLanguage /*in*/) { return std::string(kProductTitle); }

std::string product_picture(int product_id, int division_briskoevo_value)
{
    if (product_id == kBriskoProductId && (division_briskoevo_value == 16 || division_briskoevo_value == 27))
        return std::string(kBriskoEvoPicture);
    const ProductEntry* entry = find_product(product_id);
    if (!entry || !entry->picture)
        return std::string(kEmblemPicture);
    return entry->picture;
}

std::string picture_resource_path(std::string_view picture)
{
    std::string path = ":/products/";
    path += picture;
    path += ".svg";
    return path;
}

} // namespace kivo
