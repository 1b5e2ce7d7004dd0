// The one-page report of a lens or mirror system as data: the checks that refuse it and the
// sections of label/value rows the printed report shows.
#pragma once

#include <optional>
#include <string_view>

#include "core/report/PrintedReport.h"

namespace lumarik {

class LumarikCode;

// The lens/mirror report is the printed report of the paraxial calculation.
using LensReport = PrintedReport;

// The message that refuses the report: not exactly three chosen parameters, or one of them
// without a value. Nothing when the report can be printed.
std::optional<std::string_view> LensReportRefusal(const LumarikCode& code);

// The report of the current tables, as the last calculation left them. Sections: the chosen
// parameters with the user's values (and the aperture parameter when it has one), the
// complete system (labels only when there is no solution) with the aperture values, the
// advanced options (only the wavelength while they are off) and the depth of field.
LensReport BuildLensReport(const LumarikCode& code, const ReportStamp& stamp);

}  // namespace lumarik
