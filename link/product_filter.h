#pragma once
// What a walk over the maker's devices may take beyond its own rule: a caller that looks for one
// device in particular passes over every other, as if it were not on the bus. The walk asks the
// filter only about devices its own rule takes; an empty filter takes them all.

#include <cstdint>
#include <functional>

namespace kivo {

using ProductFilter = std::function<bool(uint32_t product_id)>;

inline bool product_passes(const ProductFilter& filter, uint32_t product_id) { return !filter || filter(product_id); }

} // namespace kivo
