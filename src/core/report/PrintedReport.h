// The one-page printed report as data, shared by the lens/mirror and the beam report: page
// positions, the header and footer, the sections of label/value rows and the place of the
// drawing. The printer code only lays these out on the page; every text is made in the core.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

class VarCollection;

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
        kHeading,  // cells[0] at the heading column, bold when `bold`
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

struct PrintedReport {
    std::string header;  // "Vendrel Lumarik 1.0.0 paraxiale Berechnung"
    std::string date;
    std::vector<std::string> notes;  // regular lines under the title, before the sections
    std::vector<ReportSection> sections;
    std::string drawingNote;
    std::string footer;

    // The page below the header: the notes, each section after a blank line, then the
    // drawing.
    std::vector<ReportLine> Lines() const;
    // The section with that heading, or nullptr.
    const ReportSection* Section(std::string_view heading) const;
};

// A report with the header of the calculation `mode` (" paraxiale Berechnung"), the date and
// the footer of the stamp, and nothing else yet.
PrintedReport StartReport(const ReportStamp& stamp, std::string_view mode);

// The message that refuses a report of the chosen parameters: not exactly `needed` of them,
// or one of them without a value. Nothing when the report can be printed.
std::optional<std::string_view> SelectionRefusal(const VarCollection& chosen, int needed);

// A blank in front of a value that is not negative lines it up with the negative ones.
std::string AlignedValue(double value, std::string text);

}  // namespace lumarik
