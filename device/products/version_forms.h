#pragma once
// How the update and restore pages write a firmware version: the camera's version has four
// numbers with its secondary pair first, one remote's always three; every other product's two
// (and a secondary number where the page adds one).

#include "device/products/helmet_camera.h"
#include "device/products/panel_names.h"

namespace kivo {

constexpr bool version_has_four_parts(int product_id) { return product_id == kCameraProductId; }
constexpr bool version_has_three_parts(int product_id) { return product_id == kThreeNumberProduct; }

} // namespace kivo
