// The printed beam report as data: refusals, a solved beam, the laser diode, a failed section.
#include <gtest/gtest.h>

#include <cmath>
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

// The first and last of the eleven quantities, the paraxial image after s', the radius at the
// lens after zr and the one at the detector after r'; a radius typed without M² is not marked.
TEST(BeamReport, SolvedBeamWithTheDetector) {
    GaussianBeam beam;
    beam.SetDetectorOn(true);
    beam.SetDetectorDistance(150);
    ChooseBeam(beam, {{kBeamFocal, 100}, {kBeamObjectDist, 200}, {kBeamObjRadius, 0.5}});
    ASSERT_TRUE(beam.SolveBeam(true));
    ExpectRecording(
        "reports/beam_detector.txt",
        PageText(BuildBeamReport(beam, kStamp),
                 "Brennweite|Wellen|Bildweite|[parax|Rayleigh|Strahlradius|Strahl rad[in"
                 "]: r:|Strahl rad[aus]|Detektor|Airy|Schärfe",
                 true));
}

// The y section's values in brackets while it is solved; circularised with an image-side
// quantity it has none.
TEST(BeamReport, DiodeWithMultimodeAndAYSectionWithoutSolution) {
    const char* kDiodeRows =
        "Diodenlaser|[zirkularisiert|Systemdefinition|Brennweite: f':  |[paraxiale|"
        "Strahl div[in]: w [e|Strahl div[aus]w' [e|Strahl rad[aus]|Strahlradius [L|Airy|Lösung";
    GaussianBeam beam;
    beam.SetDiodeMode(true);
    beam.SetUseM2(true);
    beam.SetM2(1, 2.25);
    ChooseBeam(beam, {{kBeamFocal, 50}, {kBeamObjectDist, 100}, {kBeamObjDivergence, 0.001}});
    beam.SetDiodeParamValue(0.003);
    ASSERT_TRUE(beam.SolveBeam(true));
    ExpectRecording("reports/beam_diode.txt", PageText(BuildBeamReport(beam, kStamp), kDiodeRows));
    beam.SetCircularise(true);
    beam.Selection(0).Remove(kBeamObjDivergence);
    ChooseBeam(beam, {{kBeamImgDivergence, 0.001}});
    ASSERT_TRUE(beam.SolveBeam(true) && !beam.AxisSolved(1));
    ExpectRecording("reports/beam_diode_y_unsolved.txt",
                    PageText(BuildBeamReport(beam, kStamp), kDiodeRows));
}

// Exactly 99 % of the power through the lens is not yet clipped, the next smaller aperture is:
// 1 − exp(−2a²/w²) = 0.99 at a = w·√(ln 100 / 2), then moved to the exact boundary.
TEST(BeamReport, ClippedBelowNinetyNinePercent) {
    GaussianBeam beam;
    ChooseBeam(beam, {{kBeamFocal, 100}, {kBeamObjectDist, 200}, {kBeamObjRadius, 0.5}});
    ASSERT_TRUE(beam.SolveBeam(true));
    double a = beam.GetBeamResult(0, kResLensRadius) * std::sqrt(std::log(100.0) / 2);
    auto passed = [&] {
        beam.SetOption(BeamOption::kLensAperture, a);
        return beam.LensTransmission().value();
    };
    for (int i = 0; i < 10000 && passed() != 0.99; ++i)
        a = std::nextafter(a, passed() < 0.99 ? 1.0 : 0.0);
    ASSERT_EQ(passed(), 0.99);
    const char* kLens = "Leistung durch";
    EXPECT_EQ(PageText(BuildBeamReport(beam, kStamp), kLens),
              "R\tLeistung durch die Linsenöffnung: \t 99.00 %\n");
    while (passed() == 0.99) a = std::nextafter(a, 0.0);
    EXPECT_EQ(PageText(BuildBeamReport(beam, kStamp), kLens),
              "R\tLeistung durch die Linsenöffnung: \t 99.00 %  [beschnitten]\n");
}

}  // namespace
}  // namespace lumarik::test
