// The printed beam report as data: when it is refused, its rows for a solved beam, the laser
// diode with M² and a y section without solution, and an x section whose solution failed.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/beam/BeamTestSupport.h"
#include "core/report/BeamReport.h"

namespace lumarik::test {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

const ReportStamp kStamp{"Lumarik", "1.2.3", "1. Januar 2030"};

Rows RowsOf(const ReportSection& section) {
    Rows rows;
    for (const ReportRow& row : section.rows) rows.emplace_back(row.label, row.value);
    return rows;
}

TEST(BeamReport, RefusedWithoutThreeQuantitiesWithValues) {
    GaussianBeam beam;
    ChooseBeam(beam, {{kBeamFocal, 100}, {kBeamObjectDist, 200}});
    EXPECT_EQ(BeamReportRefusal(beam), "Sie haben noch nicht alle Parameter ausgewählt! ");
    ChooseBeam(beam, {{kBeamObjRadius, 0.5}});
    EXPECT_FALSE(BeamReportRefusal(beam).has_value());
    beam.Selection(0).SetVarValDef(3, false);
    EXPECT_EQ(BeamReportRefusal(beam),
              "Sie haben noch nicht für alle Parameter Werte eingetragen! ");
}

TEST(BeamReport, SolvedBeamWithTheDetector) {
    GaussianBeam beam;
    beam.SetDetectorOn(true);
    beam.SetDetectorDistance(150);
    ChooseBeam(beam, {{kBeamFocal, 100}, {kBeamObjectDist, 200}, {kBeamObjRadius, 0.5}});
    ASSERT_TRUE(beam.SolveBeam(true));
    const PrintedReport report = BuildBeamReport(beam, kStamp);
    EXPECT_EQ(report.header, "Vendrel Lumarik 1.2.3 Gaußstrahl");
    EXPECT_TRUE(report.notes.empty());
    EXPECT_EQ(report.drawingNote, "");
    ASSERT_EQ(report.sections.size(), 2u);
    EXPECT_EQ(report.sections[0].heading, "Benutzerdefinierte Variablen");
    EXPECT_EQ(RowsOf(report.sections[0]), (Rows{{"Brennweite: f':", " 100.0mm"},
                                                {"Objektweite: s:", " 200.0mm"},
                                                {"Strahl rad[in]: r:", " 0.5mm"},
                                                {"Wellenlänge:", " 632.8nm"}}));
    EXPECT_EQ(report.sections[1].heading, "Systemdefinition: ");
    const Rows system = RowsOf(report.sections[1]);
    std::vector<std::string> labels;
    for (const auto& [label, value] : system) labels.push_back(label);
    EXPECT_EQ(
        labels,
        (std::vector<std::string>{
            "Brennweite: f':  ", "Objektweite: s:  ", "Bildweite: s':  ", "[paraxiale Bildweite",
            "Vergrößerung:m:  ", "Taille zu Taillet: t:  ", "Strahl rad[in]: r:  ",
            "Strahl div[in]: w:  ", "Rayleigh[in]zr:  ", "Strahlradius [Linse]: R",
            "Strahl rad[aus]: r':  ", "Strahlradius [Detektor]: Rd",
            "Strahl div[aus]w':  ", "Rayleigh[aus]: zr':  "}));
    EXPECT_EQ(system[2].second, beam.BeamValueText(kBeamImageDist));
    EXPECT_EQ(system[3].second, " 200.0mm]");
    EXPECT_EQ(system[9].second, beam.ShownRadiusText(kResLensRadius, "0.0##"));
    EXPECT_EQ(system[11].second.back(), 'm');
}

TEST(BeamReport, DiodeWithMultiModeAndAYSectionWithoutSolution) {
    GaussianBeam beam;
    beam.SetDiodeMode(true);
    beam.SetUseM2(true);
    beam.SetM2(1, 2.25);
    ChooseBeam(beam, {{kBeamFocal, 50}, {kBeamObjectDist, 100}, {kBeamObjDivergence, 0.001}});
    beam.SetDiodeParamValue(0.003);
    ASSERT_TRUE(beam.SolveBeam(true));
    PrintedReport report = BuildBeamReport(beam, kStamp);
    EXPECT_EQ(report.notes, std::vector<std::string>{"Diodenlaser [rechteckiger Strahl]"});
    EXPECT_EQ(report.sections[1].heading, "Systemdefinition [Multimode-Ergebnisse] M²:  1.0 [2.3]");
    EXPECT_EQ(report.sections[1].rows[0].value, " 50.0 [50.0]mm");
    // At the lens: r·√(1 + (s/zr)²), the y section's times √2.25.
    EXPECT_EQ(report.sections[1].rows[9].value, " 0.225 [0.461]mm");

    // Circularised with an image-side quantity the y section has no solution: no brackets.
    beam.SetCircularise(true);
    beam.Selection(0).Remove(kBeamObjDivergence);
    ChooseBeam(beam, {{kBeamImgDivergence, 0.001}});
    ASSERT_TRUE(beam.SolveBeam(true));
    ASSERT_FALSE(beam.AxisSolved(1));
    report = BuildBeamReport(beam, kStamp);
    EXPECT_EQ(report.notes, (std::vector<std::string>{"Diodenlaser [rechteckiger Strahl]",
                                                      "[zirkularisiert - min Divergenz]"}));
    for (const ReportRow& row : report.sections[1].rows) {
        EXPECT_EQ(row.value.find(" ["), std::string::npos) << row.label << row.value;
    }
}

// The table still holds the last solution; a failed one must not print it as a result.
TEST(BeamReport, AFailedXSectionPrintsLabelsOnly) {
    GaussianBeam beam;
    ChooseBeam(beam, {{kBeamFocal, 100}, {kBeamObjectDist, 200}, {kBeamObjRadius, 0.5}});
    ASSERT_TRUE(beam.SolveBeam(true));
    beam.Selection(0).SetVarValue(1, 0.0f);
    ASSERT_FALSE(beam.SolveBeam(true));
    const PrintedReport report = BuildBeamReport(beam, kStamp);
    for (const ReportRow& row : report.sections[1].rows) EXPECT_EQ(row.value, "") << row.label;
    EXPECT_EQ(report.drawingNote, "Zu diesem Parameter-Satz gibt es keine Lösungen.");
}

}  // namespace
}  // namespace lumarik::test
