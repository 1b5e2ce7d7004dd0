// The one-page report of the Gaussian beam as data: the checks that refuse it and the sections
// of label/value rows, laid out like the lens/mirror report.
#pragma once

#include <optional>
#include <string_view>

#include "core/report/PrintedReport.h"

namespace lumarik {

class GaussianBeam;

// The message that refuses the report: not exactly three chosen beam quantities, or one of
// them without a value. Nothing when the report can be printed.
std::optional<std::string_view> BeamReportRefusal(const GaussianBeam& beam);

// The report of the beam as the last calculation left it. Under the title the laser-diode
// mode, then the chosen quantities with the user's values and the wavelength, then every beam
// quantity with the paraxial image distance and the beam radii at the lens and (when it is on)
// at the detector, with the y section's values in brackets where that section solved. A
// failed x section prints the labels only, with the note of no solution in the picture.
PrintedReport BuildBeamReport(const GaussianBeam& beam, const ReportStamp& stamp);

}  // namespace lumarik
