// The printed beam report as data: when it is refused, its rows for a solved beam with the
// detector, the laser diode with M² and a y section without solution, and a failed x section.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/beam/BeamTestSupport.h"
#include "core/report/BeamReport.h"

namespace lumarik::test {
namespace {

const ReportStamp kStamp{"Lumarik", "1.2.3", "1. Januar 2030"};

// The table still holds the last solution; a failed one must not print it as a result.
TEST(BeamReport, RefusalAndAFailedXSection) {
    GaussianBeam beam;
    ChooseBeam(beam, {{kBeamFocal, 100}, {kBeamObjectDist, 200}});
    EXPECT_EQ(BeamReportRefusal(beam), "Sie haben noch nicht alle Parameter ausgewählt! ");
    ChooseBeam(beam, {{kBeamObjRadius, 0.5}});
    EXPECT_FALSE(BeamReportRefusal(beam).has_value());
    ASSERT_TRUE(beam.SolveBeam(true));
    beam.Selection(0).SetVarValue(1, 0.0f);
    ASSERT_FALSE(beam.SolveBeam(true));
    const PrintedReport report = BuildBeamReport(beam, kStamp);
    for (const ReportRow& row : report.sections.at(1).rows) EXPECT_EQ(row.value, "") << row.label;
    EXPECT_EQ(report.sections[0].rows.at(0).value, " 0.0mm");  // zero keeps the sign's place
    EXPECT_EQ(report.drawingNote, "Zu diesem Parameter-Satz gibt es keine Lösungen.");
    beam.Selection(0).SetVarValDef(3, false);
    EXPECT_EQ(BeamReportRefusal(beam),
              "Sie haben noch nicht für alle Parameter Werte eingetragen! ");
}

// The eleven quantities, the paraxial image after s', the radius at the lens after zr and the
// one at the detector after r'.
TEST(BeamReport, SolvedBeamWithTheDetector) {
    GaussianBeam beam;
    beam.SetDetectorOn(true);
    beam.SetDetectorDistance(150);
    ChooseBeam(beam, {{kBeamFocal, 100}, {kBeamObjectDist, 200}, {kBeamObjRadius, 0.5}});
    ASSERT_TRUE(beam.SolveBeam(true));
    const PrintedReport report = BuildBeamReport(beam, kStamp);
    EXPECT_EQ(report.header, "Vendrel Lumarik 1.2.3 Gaußstrahl");
    EXPECT_TRUE(report.notes.empty() && report.drawingNote.empty());
    ASSERT_EQ(report.sections.size(), 2u);
    const std::vector<ReportRow>& user = report.sections[0].rows;
    ASSERT_EQ(user.size(), 4u);
    EXPECT_EQ(user[1].label + user[1].value + "|" + user[3].label + user[3].value,
              "Objektweite: s: 200.0mm|Wellenlänge: 632.8nm");
    EXPECT_EQ(report.sections[1].heading, "Systemdefinition: ");
    const std::vector<ReportRow>& system = report.sections[1].rows;
    ASSERT_EQ(system.size(), 14u);
    EXPECT_EQ(system[2].label + system[2].value,
              "Bildweite: s':  " + beam.BeamValueText(kBeamImageDist));
    EXPECT_EQ(system[3].label + system[3].value, "[paraxiale Bildweite 200.0mm]");
    EXPECT_EQ(system[9].label + system[9].value,
              "Strahlradius [Linse]: R" + beam.ShownRadiusText(kResLensRadius, "0.0##"));
    EXPECT_EQ(system[11].label + system[11].value,
              "Strahlradius [Detektor]: Rd" + beam.ShownRadiusText(kResDetectorRadius, "0.0##"));
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
    EXPECT_FALSE(report.Lines().front().bold);  // a note heads the page in plain type
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
    EXPECT_EQ(report.notes.at(1), "[zirkularisiert - min Divergenz]");
    for (const ReportRow& row : report.sections[1].rows)
        EXPECT_EQ(row.value.find(" ["), std::string::npos) << row.label << row.value;
}

}  // namespace
}  // namespace lumarik::test
