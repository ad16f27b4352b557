#pragma once
// Products the recognized-device panel and the product pictures treat on their own.

namespace kivo {

// A remote whose panel shows its product name, never the name the device reports.
inline constexpr int kRemoteWithFixedName = 0x4112;
// Its module versions are always read as type 2, so it shows three numbers whatever the type says.
inline constexpr int kThreeNumberProduct = 0x5345;
// The Brisko product shows the EVO picture when its division value says it is the EVO model.
inline constexpr int kBriskoProductId = 0x4210;

} // namespace kivo
