#pragma once
// Headsets whose older firmware cannot take a newer image directly: a device below its version
// floor first gets an intermediate image, fetched by file name from the global firmware server,
// when the file it is updated with is above that floor. The floor's major version is 1 for all.

#include <array>
#include <string_view>

namespace kivo {

struct IntermediateImage {
    int productId;
    // The version floor is 1.floorMinor.
    int floorMinor;
    // Appended to the global firmware server's base.
    std::string_view fileName;
};

inline constexpr int kIntermediateFloorMajor = 1;

inline constexpr std::array<IntermediateImage, 4> kIntermediateImages{{
    {0x3340, 3, "kelpor3-v1.3-build3-lp1.img"},
    {0x3341, 3, "kelpor3hd-v1.3-build3-lp1.img"},
    {0x3420, 2, "KELPOR6R-v1.2-build3-lp1.img"},
    {0x3430, 2, "KELPOR7R-v1.2-build3-lp1.img"},
}};

// The intermediate image of a product; nullptr for other products.
constexpr const IntermediateImage* intermediate_image(int product_id)
{
    for (const IntermediateImage& image : kIntermediateImages)
        if (image.productId == product_id)
            return &image;
    return nullptr;
}

} // namespace kivo
