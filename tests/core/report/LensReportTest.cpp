// The printed lens report as data: its sections follow the listing for a lens, mark the kind of
// element, show an object at infinity, a system without solution and the advanced options.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/model/ModelTestSupport.h"
#include "core/report/LensReport.h"
#include "core/report/ReportText.h"
#include "support/Recording.h"

namespace lumarik::test {
namespace {

const ReportStamp kStamp{"Lumarik", "1.2.3", "1. Januar 2030"};

// The page of a solved lens in air, reviewed once: f' 100, a -200 (a' 200, m' -1), r 10; of
// the rows each loop writes, the first and the last.
TEST(LensReport, SolvedLens) {
    LumarikCode code;
    Choose(code, {{kParFocal, 100}, {kParObjectDist, -200}, {kParObjectHeight, 10}});
    GiveAperture(code, kApStopRadius, 10);
    ASSERT_TRUE(code.Solve(false));
    ExpectRecording(
        "reports/lens_solved.txt",
        PageText(BuildLensReport(code, kStamp),
                 "Brennweite|Blenden|Bildwinkel|Airy|MTF|Wellenl|Unschärfe|Fixfokus", true));
}

// A mirror with a negative focal length is concave. The advanced options show d, n, n' and the
// wavelength in the user's separator when they are in force, else the wavelength alone.
TEST(LensReport, KindOfElementAndAdvancedOptions) {
    // clang-format off
    const struct { const char* name; float focal; bool mirror, advanced; } cases[] = {
        {"lens_negative_advanced", -100, false, true}, {"mirror_concave_advanced", -50, true, true},
        {"mirror_convex", 50, true, false}};
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
        // The system's heading and first row (f' with its kind), and the advanced options.
        const std::string kept =
            PageText(BuildLensReport(code, kStamp),
                     "Systemdefinition|Brennweite: f':  |Erweiterte|Entfernung|Brechungs|Wellenl");
        ExpectRecording(std::string("reports/") + c.name + ".txt", kept);
    }
}

// t < 4·f' has no real solution; the report still prints, with labels only, and the depth of
// field, whose list the failed solve emptied, shows its placeholder in every row.
TEST(LensReport, ObjectAtInfinityAndNoSolution) {
    LumarikCode far;
    Choose(far, {{kParFocal, 50}, {kParObjectDist, -200}, {kParImageAngle, 0.1f}});
    far.ObjectAtInfinityChanged(true);
    ASSERT_TRUE(far.Solve(false));
    RecordingDiagnostics diagnostics;  // no aperture chosen: none is looked up
    far.SetDiagnostics(&diagnostics);
    ExpectRecording("reports/lens_object_at_infinity.txt",
                    PageText(BuildLensReport(far, kStamp),
                             "Objektweite|Vergrößerung|Objekt Bildabstand|Objekthöhe|Unschärfe"));
    EXPECT_TRUE(diagnostics.reports.empty());

    LumarikCode code;
    Choose(code, {{kParFocal, 100}, {kParTrack, 300}, {kParObjectHeight, 10}});
    GiveAperture(code, kApStopRadius, 10);
    ASSERT_FALSE(code.Solve(false));
    EXPECT_FALSE(LensReportRefusal(code).has_value());
    ExpectRecording("reports/lens_no_solution.txt",
                    PageText(BuildLensReport(code, kStamp),
                             "Brennweite: f':  |Bildhöhe|Unschärfe|Fixfokus|Zu diesem"));
}

}  // namespace
}  // namespace lumarik::test
