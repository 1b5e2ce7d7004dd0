// Prints the one-page report of the lens/mirror system or of the Gaussian beam: the core's
// report laid out on a printer or PDF page in twips, with the drawing redrawn at print size.
// Printing reads the model and changes nothing of the window's state.
#pragma once

#include <QString>
#include <functional>

#include "core/drawing/Canvas.h"

class QPagedPaintDevice;
class QWidget;

namespace lumarik {

class GaussianBeam;
class LumarikCode;
struct Options;
struct AppContext;

// Paints the report's picture; one canvas unit is one device-independent pixel.
using ReportDrawing = std::function<void(Canvas&)>;

// Paints the report on the device's current page. False without painting when the report is
// refused (see LensReportRefusal) or the device cannot be painted on.
bool PrintLensReport(QPagedPaintDevice& device, const LumarikCode& code, const Options& options,
                     const AppContext& context);

// The report as a one-page PDF file (A4, or Letter where the user measures in US units).
bool PrintLensReportToPdf(const QString& path, const LumarikCode& code, const Options& options,
                          const AppContext& context);

// The print button: a refused report is told through the context's Prompter; otherwise the
// platform's print dialog (which also offers a PDF file) opens and the report is printed.
// True when a report was printed.
bool ShowPrintDialog(QWidget* parent, const LumarikCode& code, const Options& options,
                     const AppContext& context);

// The same for the beam report (see BeamReportRefusal), with `drawing` in its picture.
bool PrintBeamReport(QPagedPaintDevice& device, const GaussianBeam& beam, const AppContext& context,
                     const ReportDrawing& drawing);
bool PrintBeamReportToPdf(const QString& path, const GaussianBeam& beam, const AppContext& context,
                          const ReportDrawing& drawing);
bool ShowBeamPrintDialog(QWidget* parent, const GaussianBeam& beam, const AppContext& context,
                         const ReportDrawing& drawing);

}  // namespace lumarik
