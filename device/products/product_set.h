#pragma once
// Product rules live in this folder, one header per decision, named for it: which product ids do
// what. A set is a constant array of ids; callers ask through the small functions beside it.
// product_catalogue.h lists every set for the product-catalogue test and describe_product().

#include <algorithm>
#include <array>
#include <span>

namespace kivo {

template <size_t N> constexpr bool product_in(const std::array<int, N>& set, int product_id)
{
    return std::find(set.begin(), set.end(), product_id) != set.end();
}

constexpr bool product_in(std::span<const int> set, int product_id)
{
    return std::find(set.begin(), set.end(), product_id) != set.end();
}

} // namespace kivo
