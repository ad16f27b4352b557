#pragma once
// The product families the setting change handlers tell apart: each handler picks the setter of
// the family the connected product belongs to. Two lists are derived from others, as the handlers
// use them: the Heronyx family is the Vantor family without fourteen early models, and the wide
// Airoha list adds seven models to the Airoha family.

#include <array>
#include <cstddef>

#include "device/products/product_set.h"

namespace kivo {

namespace family_detail {

// The ids of `from` that `drop` does not hold; N is the size the caller expects.
template <std::size_t N, std::size_t F, std::size_t D>
constexpr std::array<int, N> without(const std::array<int, F>& from, const std::array<int, D>& drop)
{
    std::array<int, N> out{};
    std::size_t n = 0;
    for (int id : from)
        if (!product_in(drop, id)) {
            if (n == N)
                throw "more ids are left than expected";
            out[n++] = id;
        }
    if (n != N)
        throw "fewer ids are left than expected";
    return out;
}

template <std::size_t F, std::size_t G>
constexpr std::array<int, F + G> joined(const std::array<int, F>& first, const std::array<int, G>& second)
{
    std::array<int, F + G> out{};
    std::size_t n = 0;
    for (int id : first)
        out[n++] = id;
    for (int id : second)
        out[n++] = id;
    return out;
}

} // namespace family_detail

// clang-format off
inline constexpr std::array kBriskoIds = {0x2030, 0x4210, 0x4310, 0x4330, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610};
inline constexpr std::array kVantorIds = {
    0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3128, 0x3132, 0x3134, 0x3136, 0x3140, 0x3144, 0x3146,
    0x3148, 0x3152, 0x3154, 0x3156, 0x3170, 0x3210, 0x3211, 0x3212, 0x3213, 0x3214, 0x3215, 0x3216, 0x3217, 0x3218,
    0x3219, 0x321A, 0x321C, 0x321D, 0x3223, 0x3232, 0x3233, 0x3240, 0x3260, 0x3264, 0x3310, 0x3320, 0x3330, 0x3800,
    0x3900};
// The early Vantor models that keep HD voice elsewhere.
inline constexpr std::array kVantorWithoutHeronyxIds = {0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x3128, 0x3136, 0x3140, 0x3144, 0x3146, 0x3152, 0x3800};
inline constexpr std::array kHeronyxIds = family_detail::without<29>(kVantorIds, kVantorWithoutHeronyxIds);
inline constexpr std::array kAirohaIds = {
    0x6800, 0x6804, 0x6805, 0x6806, 0x6808, 0x6810, 0x6811, 0x6812, 0x6815, 0x6817, 0x6821, 0x6822, 0x6825, 0x6828,
    0x6838, 0x6839, 0x683A, 0x6840, 0x6A01, 0x6A02, 0x6A03, 0x6A04};
// The Airoha models that share only the voice prompt, the adaptive light and the unit language.
inline constexpr std::array kAirohaWideOnlyIds = {0x6801, 0x6802, 0x6803, 0x6814, 0x6816, 0x6824, 0x6831};
inline constexpr std::array kAirohaWideIds = family_detail::joined(kAirohaIds, kAirohaWideOnlyIds);
inline constexpr std::array kCsrSettingIds = {0x4D06, 0x4D16, 0x4D76, 0x4D86};
inline constexpr std::array kQccIds = {0x6500, 0x6510};
// clang-format on

} // namespace kivo
