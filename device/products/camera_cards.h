#pragma once
// Cameras whose memory card the manager looks for among the mounted volumes, and the marker file,
// relative to the card's root, that tells the card of each. The newer cameras keep their firmware
// version in MISC/version.conf; the older ones have a version file of their own in the root.

#include <array>
#include <string_view>

namespace kivo {

struct CameraCardMarker {
    int productId;
    std::string_view path;
};

inline constexpr std::array<CameraCardMarker, 8> kCameraCardMarkers{{
    {0x3020, "LUMORA/LUMORA.VER"},
    {0x3040, "MISC/version.conf"},
    {0x3060, "MISC/version.conf"},
    {0x3232, "MISC/version.conf"},
    {0x3233, "MISC/version.conf"},
    {0x5570, "MISC/version.conf"},
    {0x5576, "MISC/version.conf"},
    {0x5580, "wispenpro.bin"},
}};

// The marker of a camera product; empty for other products.
constexpr std::string_view camera_card_marker(int product_id)
{
    for (const CameraCardMarker& marker : kCameraCardMarkers)
        if (marker.productId == product_id)
            return marker.path;
    return {};
}

} // namespace kivo
