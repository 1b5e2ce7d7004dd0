// The German labels of the object and image arrows in the system drawing. The cardinal
// points are labelled with the catalogue's display symbols.
#pragma once

#include <string_view>

namespace lumarik::drawtexts {

inline constexpr std::string_view kObject = "o";
inline constexpr std::string_view kObjectAtInfinity = "o [unendlich]";
inline constexpr std::string_view kObjectRemote = "o [entfernt]";
inline constexpr std::string_view kImage = "o'";
inline constexpr std::string_view kImageAtInfinity = "o' [unendlich]";
inline constexpr std::string_view kImageRemote = "o' [entfernt]";

}  // namespace lumarik::drawtexts
