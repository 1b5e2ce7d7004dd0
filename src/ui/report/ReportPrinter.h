// Prints the one-page report of the lens/mirror system: the core's report laid out on a
// printer or PDF page in twips, with the system drawing redrawn at print size. Printing reads
// the model and changes nothing of the window's state.
#pragma once

#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace lumarik {

class LumarikCode;
struct Options;
struct AppContext;

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

}  // namespace lumarik
