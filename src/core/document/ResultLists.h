// The result lists of the document as an export takes them: the listing with the wavelength,
// and the depth of field (lens and mirror) or the depth of focus (beam), every number with all
// the digits it has rather than those of the screen.
#pragma once

#include <string_view>
#include <vector>

#include "core/report/ResultsExport.h"

namespace lumarik {

class LumarikDocument;

// The beam's depth of focus, as its tab in the window names it.
inline constexpr std::string_view kBeamDepthTitle = "Schärfentiefe";

std::vector<ResultList> ExportedLists(const LumarikDocument& doc);

}  // namespace lumarik
