// The printed report as data: when it is refused, and what its sections read for a lens, a
// mirror, an object at infinity, a system without solution and both states of the advanced
// options.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/model/ModelTestSupport.h"
#include "core/report/LensReport.h"

namespace lumarik::test {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const ReportStamp kStamp{"Lumarik", "1.2.3", "1. Januar 2030"};

Rows RowsOf(const LensReport& report, std::string_view heading) {
    const ReportSection* section = report.Section(heading);
    if (section == nullptr) {
        ADD_FAILURE() << "no section " << heading;
        return {};
    }
    Rows rows;
    for (const ReportRow& row : section->rows) rows.emplace_back(row.label, row.value);
    return rows;
}

std::string ValueOf(const LensReport& report, std::string_view heading, std::string_view label) {
    for (const auto& [l, v] : RowsOf(report, heading)) {
        if (l == label) return v;
    }
    ADD_FAILURE() << "no row " << label << " in " << heading;
    return {};
}

// f' = 100, a = -200, u = 10 with a stop radius of 10: the lens in air of the listing tests.
LumarikCode SolvedLens() {
    LumarikCode code;
    Choose(code, {{kParFocal, 100}, {kParObjectDist, -200}, {kParObjectHeight, 10}});
    GiveAperture(code, kApStopRadius, 10);
    EXPECT_TRUE(code.Solve(false));
    return code;
}

struct RefusalCase {
    const char* name;
    std::vector<Given> given;
    int withoutValue;     // a chosen parameter whose value is then removed, or -1
    const char* message;  // nullptr: the report may be printed
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NeedsThreeParametersWithValues) {
    const RefusalCase& c = GetParam();
    LumarikCode code;
    for (const Given& g : c.given) Choose(code, {g});
    if (c.withoutValue >= 0) {
        code.Selected().SetVarValDef(code.Selected().PositionOf(c.withoutValue), false);
    }
    const std::optional<std::string_view> refusal = LensReportRefusal(code);
    if (c.message == nullptr) {
        EXPECT_FALSE(refusal.has_value()) << *refusal;
    } else {
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(*refusal, c.message);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, Refusal, ::testing::Values(
    RefusalCase{"TwoParameters", {{0, 100}, {1, -200}}, -1,
                "Sie haben noch nicht alle Parameter ausgewählt! "},
    RefusalCase{"ValueMissing", {{0, 100}, {1, -200}, {5, 10}}, 1,
                "Sie haben noch nicht für alle Parameter Werte eingetragen! "},
    RefusalCase{"Complete", {{0, 100}, {1, -200}, {5, 10}}, -1, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LensReport, SolvedLensInAir) {
    const LumarikCode code = SolvedLens();
    const LensReport report = BuildLensReport(code, kStamp);
    EXPECT_EQ(report.header, "Vendrel Lumarik 1.2.3 paraxiale Berechnung");
    EXPECT_EQ(report.date, "1. Januar 2030");
    EXPECT_EQ(report.footer, "Erstellt mit Lumarik 1.2.3");
    EXPECT_EQ(RowsOf(report, "Benutzerdefinierte Variablen"),
              (Rows{{"Brennweite: f':", " 100.0mm"},
                    {"Objektweite: a:", "-200.0mm"},
                    {"Objekthöhe: u:", " 10.0mm"},
                    {"Blendenradius:", " 10.0mm"}}));
    // The system rows are the listing's rows of the same names (its values are tested there):
    // the nine parameters, the five aperture values, the effective F-number and the MTF limit.
    const Rows system = RowsOf(report, "Systemdefinition: Linse");
    ASSERT_EQ(system.size(), 16u);
    const ListingRows listing = code.Listing();
    for (const auto& [label, value] : system) {
        const bool parameter = label.size() > 3 && label.compare(label.size() - 3, 3, ":  ") == 0;
        const std::string name = parameter ? label.substr(0, label.size() - 3) : label;
        const auto it = std::find(listing.names.begin(), listing.names.end(), name);
        ASSERT_NE(it, listing.names.end()) << label;
        const std::string& listed =
            listing.values[static_cast<std::size_t>(it - listing.names.begin())];
        EXPECT_EQ(value, label == system[0].first ? listed + "    [Positiv]" : listed) << label;
    }
    EXPECT_EQ(system[8].first, "Bildwinkel: w':  ");
    EXPECT_EQ(system[15].first, "MTF-Grenzfrequenz");
    const Rows dof = RowsOf(report, "Schärfentiefe");
    ASSERT_EQ(dof.size(), 6u);
    const DepthOfFieldView view = code.DepthOfFieldRows();
    for (std::size_t i = 0; i < dof.size(); ++i) EXPECT_EQ(dof[i].second, view.values[i] + " ");
    EXPECT_EQ(dof[0].first, "Unschärfekreis");
    EXPECT_EQ(dof[5].first, "Fixfokusentfernung");
}

TEST(LensReport, LinesPutEachSectionAfterABlankLineAndEndWithTheDrawing) {
    const LensReport report = BuildLensReport(SolvedLens(), kStamp);
    const std::vector<ReportLine> lines = report.Lines();
    std::vector<std::string> headings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != ReportLine::Kind::kHeading) continue;
        ASSERT_GT(i, 0u);
        EXPECT_EQ(lines[i - 1].kind, ReportLine::Kind::kBlank);
        headings.push_back(lines[i].cells.at(0));
    }
    EXPECT_EQ(headings,
              (std::vector<std::string>{"Benutzerdefinierte Variablen", "Systemdefinition: Linse",
                                        "Erweiterte Optionen", "Schärfentiefe"}));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().kind, ReportLine::Kind::kDrawing);
    EXPECT_EQ(lines.back().cells, std::vector<std::string>{""});
}

struct FocalCase {
    const char* name;
    bool mirror;
    float focal;
    const char* heading;
    const char* focalText;
};

void PrintTo(const FocalCase& c, std::ostream* os) {
    *os << c.name;
}

class FocalMarker : public ::testing::TestWithParam<FocalCase> {};

TEST_P(FocalMarker, TellsTheKindOfElement) {
    const FocalCase& c = GetParam();
    LumarikCode code;
    code.Constants().SetMirrorMode(c.mirror);
    Choose(code, {{kParFocal, c.focal}, {kParObjectDist, -200}, {kParObjectHeight, 10}});
    ASSERT_TRUE(code.Solve(false));
    const LensReport report = BuildLensReport(code, kStamp);
    EXPECT_EQ(ValueOf(report, c.heading, "Brennweite: f':  "), c.focalText);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, FocalMarker, ::testing::Values(
    FocalCase{"PositiveLens", false, 100, "Systemdefinition: Linse", " 100.0mm    [Positiv]"},
    FocalCase{"NegativeLens", false, -100, "Systemdefinition: Linse", "-100.0mm    [Negativ]"},
    FocalCase{"ConcaveMirror", true, -50, "Systemdefinition: Spiegel", "-50.0mm    [Konkav]"},
    FocalCase{"ConvexMirror", true, 50, "Systemdefinition: Spiegel", " 50.0mm    [Konvex]"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(LensReport, ObjectAtInfinity) {
    LumarikCode code;
    Choose(code, {{kParFocal, 50}, {kParObjectDist, -200}, {kParImageAngle, 0.1f}});
    code.ObjectAtInfinityChanged(true);
    ASSERT_TRUE(code.Solve(false));
    const LensReport report = BuildLensReport(code, kStamp);
    EXPECT_EQ(ValueOf(report, "Benutzerdefinierte Variablen", "Objektweite: a:"), " Unendlich");
    const char* system = "Systemdefinition: Linse";
    EXPECT_EQ(ValueOf(report, system, "Objektweite: a:  "), " In Unendlich");
    EXPECT_EQ(ValueOf(report, system, "Vergrößerung: m':  "), " Null");
    EXPECT_EQ(ValueOf(report, system, "Objekt Bildabstand: t:  "), " ---");
    EXPECT_EQ(ValueOf(report, system, "Objekthöhe: u:  "), " ---");
    EXPECT_EQ(ValueOf(report, system, "Bildweite: a':  "), " 50.0mm");
}

// t < 4·f' has no real solution; the report still prints, with labels only, and the depth of
// field, whose list the failed solve emptied, shows its placeholder in every row.
TEST(LensReport, NoSolution) {
    LumarikCode code;
    Choose(code, {{kParFocal, 100}, {kParTrack, 300}, {kParObjectHeight, 10}});
    GiveAperture(code, kApStopRadius, 10);
    ASSERT_FALSE(code.Solve(false));
    ASSERT_TRUE(code.NoSolution());
    ASSERT_FALSE(LensReportRefusal(code).has_value());
    const LensReport report = BuildLensReport(code, kStamp);
    EXPECT_EQ(RowsOf(report, "Benutzerdefinierte Variablen").size(), 4u);
    for (const auto& [label, value] : RowsOf(report, "Systemdefinition: Linse")) {
        EXPECT_FALSE(label.empty());
        EXPECT_EQ(value.find_first_not_of(' '), std::string::npos) << label << ": " << value;
    }
    for (const auto& row : RowsOf(report, "Schärfentiefe")) EXPECT_EQ(row.second, "  --- ");
    EXPECT_EQ(report.drawingNote, "Zu diesem Parameter-Satz gibt es keine Lösungen.");
}

struct AdvancedCase {
    const char* name;
    bool advanced;
    bool mirror;
    Rows rows;
};

void PrintTo(const AdvancedCase& c, std::ostream* os) {
    *os << c.name;
}

class Advanced : public ::testing::TestWithParam<AdvancedCase> {};

TEST_P(Advanced, ListsTheOptionsInForce) {
    const AdvancedCase& c = GetParam();
    LumarikCode code;
    code.SetSeparators({',', '.'});
    code.Constants().SetMirrorMode(c.mirror);
    code.Constants().SetAdvancedOptions(c.advanced);
    code.Constants().SetN(1.5f);
    code.Constants().SetNPrime(c.mirror ? -1.5f : 1.33f);
    code.Constants().SetD(2.5f);
    code.Constants().SetWavelength(633.0f);
    Choose(code, {{kParFocal, c.mirror ? -100.0f : 100.0f}, {kParObjectDist, -300}, {5, 10}});
    ASSERT_TRUE(code.Solve(false));
    EXPECT_EQ(RowsOf(BuildLensReport(code, kStamp), "Erweiterte Optionen"), c.rows);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Report, Advanced, ::testing::Values(
    AdvancedCase{"Off", false, false, {{"Wellenlänge [für Beugungsbetrachtung]", " 546nm "}}},
    AdvancedCase{"LensOn", true, false, {
        {"Entfernung zwischen den Hauptebenen:", " 2,5 "},
        {"Brechungsindex im Objektraum", " 1,5000 "},
        {"Brechungsindex im Bildraum:", " 1,3300 "},
        {"Wellenlänge [für Beugungsbetrachtung]", " 633nm "}}},
    AdvancedCase{"MirrorOn", true, true, {
        {"Entfernung zwischen den Hauptebenen:", " 0 "},
        {"Brechungsindex im Objekt-/Bildraum", " 1,5000 "},
        {"Brechungsindex im Bildraum:", "-1,5000 "},
        {"Wellenlänge [für Beugungsbetrachtung]", " 633nm "}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace lumarik::test
