#include "update/engine/backup_file.h"

#include "text/product_names.h"
#include "text/text_format.h"

namespace kivo {

std::filesystem::path backup_archive_file(const std::filesystem::path& archive_folder, int product_id)
{
    const std::string name = ProductNames::tavk_product_name_for_internal(product_id, true);
    if (name.empty())
        return {};
    return archive_folder / fill_format("%@.%@", {name, "tavkarch"});
}

} // namespace kivo
