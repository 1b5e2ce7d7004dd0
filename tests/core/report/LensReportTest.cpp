// The printed lens report as data: its sections follow the listing for a lens, mark the kind of
// element, show an object at infinity, a system without solution and the advanced options.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/model/ModelTestSupport.h"
#include "core/report/LensReport.h"

namespace lumarik::test {
namespace {

const ReportStamp kStamp{"Lumarik", "1.2.3", "1. Januar 2030"};

const std::vector<ReportRow>& RowsOf(const LensReport& report, std::string_view heading) {
    static const std::vector<ReportRow> kNone;
    const ReportSection* section = report.Section(heading);
    EXPECT_NE(section, nullptr) << heading;
    return section != nullptr ? section->rows : kNone;
}

// The system rows are the listing's rows of the same names, whose values are tested there: the
// nine parameters, the five aperture values, the effective F-number and the MTF limit.
TEST(LensReport, SolvedLensFollowsTheListing) {
    LumarikCode code;
    Choose(code, {{kParFocal, 100}, {kParObjectDist, -200}, {kParObjectHeight, 10}});
    GiveAperture(code, kApStopRadius, 10);
    ASSERT_TRUE(code.Solve(false));
    const LensReport report = BuildLensReport(code, kStamp);
    EXPECT_EQ(
        report.header + "|" + report.date + "|" + report.footer,
        "Vendrel Lumarik 1.2.3 paraxiale Berechnung|1. Januar 2030|Erstellt mit Lumarik 1.2.3");
    const auto& user = RowsOf(report, "Benutzerdefinierte Variablen");
    ASSERT_EQ(user.size(), 4u);
    EXPECT_EQ(user[1].label + user[1].value + "|" + user[3].label + user[3].value,
              "Objektweite: a:-200.0mm|Blendenradius: 10.0mm");
    const auto& system = RowsOf(report, "Systemdefinition: Linse");
    ASSERT_EQ(system.size(), 16u);
    const ListingRows listing = code.Listing();
    for (const ReportRow& row : system) {
        std::string name = row.label;
        if (name.size() > 3 && name.compare(name.size() - 3, 3, ":  ") == 0)
            name.resize(name.size() - 3);
        const auto it = std::find(listing.names.begin(), listing.names.end(), name);
        ASSERT_NE(it, listing.names.end()) << name;
        const std::string& listed =
            listing.values[static_cast<std::size_t>(it - listing.names.begin())];
        EXPECT_EQ(row.value, &row == &system[0] ? listed + "    [Positiv]" : listed) << name;
    }
    const auto& dof = RowsOf(report, "Schärfentiefe");
    ASSERT_EQ(dof.size(), 6u);
    for (std::size_t i = 0; i < dof.size(); ++i)
        EXPECT_EQ(dof[i].value, code.DepthOfFieldRows().values[i] + " ");
    // Each section after a blank line, the drawing last.
    const std::vector<ReportLine> lines = report.Lines();
    std::string headings;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].bold, lines[i].kind == ReportLine::Kind::kHeading) << i;
        if (lines[i].kind != ReportLine::Kind::kHeading) continue;
        EXPECT_EQ(lines[i - 1].kind, ReportLine::Kind::kBlank);
        headings += lines[i].cells.at(0) + "|";
    }
    EXPECT_EQ(headings,
              "Benutzerdefinierte Variablen|Systemdefinition: Linse|Erweiterte Optionen|"
              "Schärfentiefe|");
    EXPECT_EQ(lines.back().kind, ReportLine::Kind::kDrawing);
    EXPECT_EQ(lines.back().cells, std::vector<std::string>{""});
}

// A mirror with a negative focal length is concave. The advanced options show d, n, n' and the
// wavelength in the user's separator when they are in force, else the wavelength alone.
TEST(LensReport, KindOfElementAndAdvancedOptions) {
    // clang-format off
    const struct { float focal; bool mirror, advanced; const char* focalText; std::string options; } cases[] = {
        {-100, false, true, "-100,0mm    [Negativ]", "Entfernung zwischen den Hauptebenen: 2,5 |"
         "Brechungsindex im Objektraum 1,5000 |Brechungsindex im Bildraum: 1,3300 |"
         "Wellenlänge [für Beugungsbetrachtung] 633nm |"},
        {-50, true, true, "-50,0mm    [Konkav]", "Entfernung zwischen den Hauptebenen: 0 |"
         "Brechungsindex im Objekt-/Bildraum 1,5000 |Brechungsindex im Bildraum:-1,5000 |"
         "Wellenlänge [für Beugungsbetrachtung] 633nm |"},
        {50, true, false, " 50,0mm    [Konvex]", "Wellenlänge [für Beugungsbetrachtung] 546nm |"}};
    // clang-format on
    for (const auto& c : cases) {
        LumarikCode code;
        code.SetSeparators({',', '.'});
        code.Constants().SetMirrorMode(c.mirror);
        code.Constants().SetAdvancedOptions(c.advanced);
        code.Constants().SetN(1.5f);
        code.Constants().SetNPrime(c.mirror ? -1.5f : 1.33f);
        code.Constants().SetD(2.5f);
        code.Constants().SetWavelength(633.0f);
        Choose(code, {{kParFocal, c.focal}, {kParObjectDist, -300}, {kParObjectHeight, 10}});
        ASSERT_TRUE(code.Solve(false));
        const LensReport report = BuildLensReport(code, kStamp);
        const char* system = c.mirror ? "Systemdefinition: Spiegel" : "Systemdefinition: Linse";
        EXPECT_EQ(RowsOf(report, system).at(0).value, c.focalText);
        std::string options;
        for (const ReportRow& row : RowsOf(report, "Erweiterte Optionen"))
            options += row.label + row.value + "|";
        EXPECT_EQ(options, c.options) << c.focal;
    }
}

// t < 4·f' has no real solution; the report still prints, with labels only, and the depth of
// field, whose list the failed solve emptied, shows its placeholder in every row.
TEST(LensReport, ObjectAtInfinityAndNoSolution) {
    LumarikCode far;
    Choose(far, {{kParFocal, 50}, {kParObjectDist, -200}, {kParImageAngle, 0.1f}});
    far.ObjectAtInfinityChanged(true);
    ASSERT_TRUE(far.Solve(false));
    EXPECT_EQ(RowsOf(BuildLensReport(far, kStamp), "Benutzerdefinierte Variablen").at(1).value,
              " Unendlich");

    LumarikCode code;
    Choose(code, {{kParFocal, 100}, {kParTrack, 300}, {kParObjectHeight, 10}});
    GiveAperture(code, kApStopRadius, 10);
    ASSERT_FALSE(code.Solve(false));
    EXPECT_FALSE(LensReportRefusal(code).has_value());
    const LensReport report = BuildLensReport(code, kStamp);
    EXPECT_EQ(RowsOf(report, "Benutzerdefinierte Variablen").size(), 4u);
    for (const ReportRow& row : RowsOf(report, "Systemdefinition: Linse")) {
        EXPECT_FALSE(row.label.empty());
        EXPECT_EQ(row.value.find_first_not_of(' '), std::string::npos) << row.label << row.value;
    }
    for (const ReportRow& row : RowsOf(report, "Schärfentiefe")) EXPECT_EQ(row.value, "  --- ");
    EXPECT_EQ(report.drawingNote, "Zu diesem Parameter-Satz gibt es keine Lösungen.");
}

}  // namespace
}  // namespace lumarik::test
