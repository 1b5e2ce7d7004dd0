// The variable record as the settings file stores it: one "|"-separated line per record.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/CVarType.h"

namespace lumarik {

// A variable record as seven fields, each followed by '|':
//   parameter number | value | value defined | upper limit defined | upper limit |
//   lower limit defined | lower limit
// e.g. "0|100|True|True|110|True|90|" (internal units).
std::string RecordText(const CVarType& record);

// Nothing for a record that cannot be restored: fewer than seven fields (an empty seventh
// counts as missing; the last '|' may be left out), a parameter number that is not an
// integer within int16, or a number that does not fit a float. A number field that holds no
// number reads as 0, as the number reader takes it.
std::optional<CVarType> ParseRecord(std::string_view text);

}  // namespace lumarik
