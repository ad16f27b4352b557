#pragma once
// Bits 10 to 15 of the first basic settings word that older devices take: which named setting each
// bit carries differs by product (bits 0 to 9 do not). Products not listed take automatic gain
// control at bit 10 and nothing above.

#include <array>
#include <span>

#include "device/products/product_set.h"

namespace kivo {

enum class UpperBit {
    none, // the product keeps that bit 0
    agc, // automatic gain control
    boost, // audio boost
    hdIc, // HD intercom
    fmsg, // FM station guide
    hdV, // HD voice
    asp, // audio source priority
    ovl, // audio overlay
    navi, // smart navigation
    navi2, // smart navigation 2
    autoOn, // auto on/off
};

struct BasicWordLayout {
    std::span<const int> products;
    std::array<UpperBit, 6> bits10to15;
};

inline constexpr std::array kBasicWordLayoutAProducts = {0x3030, 0x3032, 0x3040, 0x3050, 0x3060,
                                                         0x3070, 0x3080, 0x5560, 0x5562};
inline constexpr std::array kBasicWordLayoutBProducts = {0x3052, 0x3072, 0x3082, 0x3085};
inline constexpr std::array kBasicWordLayoutCProducts = {
    0x321B, 0x3300, 0x3350, 0x3360, 0x3370, 0x3400, 0x3410, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420,
    0x5424, 0x5426, 0x5428, 0x5430, 0x5432, 0x5434, 0x5440, 0x5441, 0x5442, 0x5443, 0x5444, 0x5445, 0x5451,
    0x5510, 0x5520, 0x5526, 0x5530, 0x5534, 0x5538, 0x5550, 0x5552, 0x5553, 0x5570, 0x5576, 0x5580, 0x5590,
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x6042, 0x6112, 0x6210, 0x6400, 0x6900, 0x6910};
inline constexpr std::array kBasicWordLayoutDProducts = {0x3340, 0x3341, 0x3342, 0x3343, 0x3420,
                                                         0x3430, 0x5623, 0x5624, 0x5630, 0x5632};
inline constexpr std::array kBasicWordLayoutEProducts = {0x3380, 0x3701, 0x4023, 0x5591, 0x5592, 0x5593, 0x5594,
                                                         0x5595, 0x5596, 0x5597, 0x6461, 0x6481, 0x6491, 0x6620};
inline constexpr std::array kBasicWordLayoutFProducts = {0x5522, 0x5536};
inline constexpr std::array kBasicWordLayoutGProducts = {0x5524};
inline constexpr std::array kBasicWordLayoutHProducts = {0x5532};
inline constexpr std::array kBasicWordLayoutIProducts = {0x5710, 0x5720, 0x5910, 0x5920, 0x6114};
inline constexpr std::array kBasicWordLayoutJProducts = {0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026};
inline constexpr std::array kBasicWordLayoutKProducts = {0x6020, 0x6022, 0x6024};
inline constexpr std::array kBasicWordLayoutLProducts = {0x6028, 0x6030, 0x6032, 0x6034, 0x6036};
inline constexpr std::array kBasicWordLayoutMProducts = {0x6038, 0x6039};
inline constexpr std::array kBasicWordLayoutNProducts = {0x6320, 0x6330, 0x6335};

inline constexpr auto kBasicWordLayouts = [] {
    using enum UpperBit;
    return std::array{
        BasicWordLayout{kBasicWordLayoutAProducts, {agc, none, fmsg, none, none, none}},
        BasicWordLayout{kBasicWordLayoutBProducts, {boost, hdIc, none, none, none, none}},
        BasicWordLayout{kBasicWordLayoutCProducts, {boost, hdIc, fmsg, hdV, asp, ovl}},
        BasicWordLayout{kBasicWordLayoutDProducts, {boost, hdIc, none, hdV, asp, ovl}},
        BasicWordLayout{kBasicWordLayoutEProducts, {agc, hdIc, none, hdV, asp, ovl}},
        BasicWordLayout{kBasicWordLayoutFProducts, {boost, none, fmsg, none, none, none}},
        BasicWordLayout{kBasicWordLayoutGProducts, {boost, none, fmsg, hdV, asp, ovl}},
        BasicWordLayout{kBasicWordLayoutHProducts, {boost, hdIc, fmsg, hdV, none, none}},
        BasicWordLayout{kBasicWordLayoutIProducts, {boost, hdIc, fmsg, none, none, none}},
        BasicWordLayout{kBasicWordLayoutJProducts, {boost, hdIc, none, navi, none, none}},
        BasicWordLayout{kBasicWordLayoutKProducts, {agc, none, none, navi, none, none}},
        BasicWordLayout{kBasicWordLayoutLProducts, {boost, hdIc, none, navi, autoOn, ovl}},
        BasicWordLayout{kBasicWordLayoutMProducts, {boost, hdIc, none, none, navi2, none}},
        BasicWordLayout{kBasicWordLayoutNProducts, {agc, hdIc, none, hdV, none, none}},
    };
}();

constexpr std::array<UpperBit, 6> basic_word_upper_bits(int product_id)
{
    for (const BasicWordLayout& layout : kBasicWordLayouts)
        if (product_in(layout.products, product_id))
            return layout.bits10to15;
    return {UpperBit::agc};
}

} // namespace kivo
