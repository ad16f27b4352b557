#pragma once
// Product names, pictures and the application's own title. Only constant tables are read, so
// worker threads may call these directly.

#include <span>
#include <string>
#include <string_view>

#include "device/products/panel_names.h"
#include "device/products/product_list.h"
#include "text/localized.h"

namespace kivo {

// The application's fixed product title (window title, menus, messages).
inline constexpr std::string_view kProductTitle = "KIVO Bluetooth Manager";

// Pictures that belong to no single product: the application's emblem (no device, or a product
// without a picture of its own) and the lock shown while a device runs its firmware loader.
inline constexpr std::string_view kEmblemPicture = "kivo_emblem";
inline constexpr std::string_view kLockPicture = "lock";
// The Brisko product (kBriskoProductId) shows this picture when its division value says it is the
// EVO model.
inline constexpr std::string_view kBriskoEvoPicture = "brisko_evo";

std::span<const ProductEntry> product_table();
// The entry of a product id; nullptr for an id the manager does not know.
const ProductEntry* find_product(int product_id);

class ProductNames {
public:
    // The display name, or with for_internal the firmware server's name; empty for an unknown id.
    static std::string tavk_product_name_for_internal(int product_id, bool for_internal);
    static std::string tavk_product_name(int product_id);
    // The window title; the title is the same for every product family and language.
    static std::string tavk_title_in(int family, ManagerLanguage in);
};

// The picture of a product: the EVO picture for the Brisko product with division 16 or 27, the
// emblem for a product without one. Never empty.
std::string product_picture(int product_id, int division_briskoevo_value);

// Where a picture lies in the application's resources.
std::string picture_resource_path(std::string_view picture);

} // namespace kivo
