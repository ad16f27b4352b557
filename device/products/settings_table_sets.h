#pragma once
// The product sets of the all-settings table (table_rows.h, table_layouts.h) for the catalogue:
// product_catalogue.cpp lists them with the other rules' sets.

#include <vector>

#include "device/products/product_catalogue.h"

namespace kivo {

const std::vector<ProductSet>& settings_table_product_sets();
const std::vector<DisjointSets>& settings_table_disjoint_sets();

} // namespace kivo
