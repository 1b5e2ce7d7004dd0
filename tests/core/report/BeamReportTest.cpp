// The printed beam report as data: refusals, a solved beam, the laser diode, a failed section.
#include <gtest/gtest.h>

#include <string>

#include "core/beam/BeamTestSupport.h"
#include "core/report/BeamReport.h"
#include "core/report/ReportText.h"
#include "support/Recording.h"

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
    ExpectRecording("reports/beam_failed.txt",
                    PageText(BuildBeamReport(beam, kStamp),
                             "Brennweite|Strahlradius [Linse]|Schärfentiefe|Zu diesem"));
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
    ExpectRecording("reports/beam_detector.txt", PageText(BuildBeamReport(beam, kStamp)));
}

// The y section's values in brackets while it is solved; circularised with an image-side
// quantity it has none.
TEST(BeamReport, DiodeWithMultimodeAndAYSectionWithoutSolution) {
    const char* kDiodeRows =
        "Diodenlaser|[zirkularisiert|Systemdefinition|Brennweite: f':  |[paraxiale|Strahl div|"
        "Strahl rad[aus]|Strahlradius [Linse]|Airy|Lösung";
    GaussianBeam beam;
    beam.SetDiodeMode(true);
    beam.SetUseM2(true);
    beam.SetM2(1, 2.25);
    ChooseBeam(beam, {{kBeamFocal, 50}, {kBeamObjectDist, 100}, {kBeamObjDivergence, 0.001}});
    beam.SetDiodeParamValue(0.003);
    ASSERT_TRUE(beam.SolveBeam(true));
    ExpectRecording("reports/beam_diode.txt",
                    PageText(BuildBeamReport(beam, kStamp), kDiodeRows));
    beam.SetCircularise(true);
    beam.Selection(0).Remove(kBeamObjDivergence);
    ChooseBeam(beam, {{kBeamImgDivergence, 0.001}});
    ASSERT_TRUE(beam.SolveBeam(true) && !beam.AxisSolved(1));
    ExpectRecording("reports/beam_diode_y_unsolved.txt",
                    PageText(BuildBeamReport(beam, kStamp), kDiodeRows));
}

}  // namespace
}  // namespace lumarik::test
