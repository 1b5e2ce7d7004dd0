// The one-page report of a lens or mirror system as data: the checks that refuse it, the
// header, the sections of label/value rows, where the drawing goes and the footer. The
// printer code only lays these out on the page; every text is made here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

class LumarikCode;

// Page positions in twips (1440 per inch) from the top-left corner of the printable area.
namespace reportlayout {
inline constexpr double kFrameInset = 1080;  // the frame, from every edge
inline constexpr double kHeaderTop = 1296;   // top of the date line
inline constexpr double kTitleTop = 0.95 * kHeaderTop;
inline constexpr double kDateRightGap = 1.25 * kHeaderTop;  // date ends this far from the right
inline constexpr double kHeadingColumn = 1440;              // title and section headings
// Rows: the label, then the value.
inline constexpr std::array<double, 2> kRowColumns = {1800, 6120};
inline constexpr int kTitlePoints = 12;
inline constexpr int kBodyPoints = 10;
}  // namespace reportlayout

struct ReportRow {
    std::string label;
    std::string value;
};

struct ReportSection {
    std::string heading;
    std::vector<ReportRow> rows;
};

// One line of the page below the header, in print order.
struct ReportLine {
    enum class Kind {
        kBlank,
        kHeading,  // cells[0] at the heading column, bold
        kRow,      // cells[i] at reportlayout::kRowColumns[i]
        kDrawing,  // the system drawing takes the rest of the page; cells[0] is a note for
                   // its frame when there is nothing to draw, else empty
    };
    Kind kind = Kind::kBlank;
    std::vector<std::string> cells;
    bool bold = false;
};

// Who made the report and when: the program title and version, and today's date as the
// user's long date format writes it.
struct ReportStamp {
    std::string title;
    std::string version;
    std::string date;
};

struct LensReport {
    std::string header;  // "Vendrel Lumarik 1.0.0 paraxiale Berechnung"
    std::string date;
    std::vector<ReportSection> sections;
    std::string drawingNote;
    std::string footer;

    // The page below the header: each section after a blank line, then the drawing.
    std::vector<ReportLine> Lines() const;
    // The section with that heading, or nullptr.
    const ReportSection* Section(std::string_view heading) const;
};

// The message that refuses the report: not exactly three chosen parameters, or one of them
// without a value. Nothing when the report can be printed.
std::optional<std::string_view> LensReportRefusal(const LumarikCode& code);

// The report of the current tables, as the last calculation left them. Sections: the chosen
// parameters with the user's values (and the aperture parameter when it has one), the
// complete system (labels only when there is no solution) with the aperture values, the
// advanced options (only the wavelength while they are off) and the depth of field.
LensReport BuildLensReport(const LumarikCode& code, const ReportStamp& stamp);

}  // namespace lumarik
