#pragma once
// Every product-id set of the product rules, by name: what the product-catalogue test checks and
// what describe_product() reports. A new set joins here in the same commit that adds it.

#include <string>
#include <string_view>
#include <vector>

namespace kivo {

struct ProductSet {
    std::string_view name;
    std::vector<int> ids;
};

// Tables in which the first row that lists a product decides.
struct FirstMatchTable {
    std::string_view name;
    std::vector<ProductSet> rows;
};

// Sets that no product may be in two of: each is one answer to the same question.
struct DisjointSets {
    std::string_view question;
    std::vector<std::string_view> sets;
};

const std::vector<ProductSet>& product_sets();
const std::vector<FirstMatchTable>& first_match_tables();
const std::vector<DisjointSets>& disjoint_sets();

// The set of that name; nullptr for none.
const ProductSet* find_product_set(std::string_view name);

// Every set, and every first-match row, that lists product_id ("settings tabs row 4"), in the
// order of the catalogue. Empty for an id no rule names.
std::vector<std::string> describe_product(int product_id);

} // namespace kivo
