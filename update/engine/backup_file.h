#pragma once
// Where a product's settings backup lives: "<internal name>.tavkarch" in the archive folder. The
// update worker writes it before it writes firmware; the restore page reads it.

#include <filesystem>

namespace kivo {

// None (an empty path) for a product without an internal name.
std::filesystem::path backup_archive_file(const std::filesystem::path& archive_folder, int product_id);

} // namespace kivo
