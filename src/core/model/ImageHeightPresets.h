// The standard sensor and film formats offered for the image height: entry texts whose last
// piece is half the format's diagonal in millimetres.
#pragma once

#include <array>
#include <string_view>

namespace lumarik {

constexpr int kImageHeightPresetCount = 51;

// Entries 1..51 of the preset list (entry 0 is the user's own value).
std::string_view ImageHeightPresetText(int entry);
// Half the diagonal of entry 1..51 in mm, read from the last blank-separated piece of its
// text with the unit ignored ("0.8mm" gives 0.8); 0 for any other entry.
float ImageHeightPresetHeight(int entry);

}  // namespace lumarik
