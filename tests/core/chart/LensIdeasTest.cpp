#include "core/chart/LensIdeas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/model/ModelTestSupport.h"
#include "support/Recording.h"

namespace lumarik {
namespace {

const ChartAxes kLensChart = ResetChartAxes(false, 600, 400);

std::string Px(ChartPixel p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// What the chart code makes of both catalogues: on a picture of 6000 × 4000 (where a hundredth
// of a catalogue value moves the pixels) each family's label and the area at t = 0, π/2, π, 3π/2;
// on 600 × 400 the pixels inside each area, the families under each label and under a few
// pixels, the axes, their texts and the read-outs.
std::string ChartDump() {
    std::ostringstream out;
    for (bool mirror : {false, true}) {
        const ChartAxes big = ResetChartAxes(mirror, 6000, 4000);
        const ChartAxes chart = ResetChartAxes(mirror, 600, 400);
        const std::vector<LensTypeEntry> entries = BuildLensTypeCatalogue(mirror);
        const auto regions = BuildLensTypeRegions(entries, chart);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const LensTypeEntry& e = entries[i];
            out << (mirror ? "mirror " : "lens ") << i << ":";
            for (std::size_t n = 0; n < e.names.size(); ++n) {
                out << " [" << e.names[n] << "|" << e.shortNames.at(n) << "] label "
                    << Px(big.ToPixel(e.labelPositions.at(n))) << " hits"
                    << LensClassText(entries,
                                     FindLensTypesAt(regions, chart.ToPixel(e.labelPositions[n])));
            }
            const std::vector<ChartPixel> area = LensTypeRegion(e, big);
            out << "; area";
            for (int t : {0, 25, 50, 75}) out << " " << Px(area.at(t));
            int inside = 0;  // near π·a·b of the 600 × 400 picture
            for (int y = 0; y < 400; ++y) {
                for (int x = 0; x < 600; ++x) inside += RegionContains(regions[i], {x, y});
            }
            out << "; " << inside << " pixels inside\n";
        }
        for (ChartPixel p : {ChartPixel{406, 124}, ChartPixel{473, 253}, ChartPixel{287, 21},
                             ChartPixel{300, 200}, ChartPixel{5, 5}}) {
            out << "pixel " << Px(p) << ": inside";
            for (std::size_t i = 0; i < regions.size(); ++i) {
                if (RegionContains(regions[i], p)) out << " " << i;
            }
            out << "; hits" << LensClassText(entries, FindLensTypesAt(regions, p)) << "\n";
        }
    }
    const ChartAxes& chart = kLensChart;
    for (const ChartAxis& axis : {chart.x, chart.y, ResetChartAxes(true, 600, 400).y}) {
        out << "axis of " << axis.decades << " decades from " << axis.minimum << ":";
        for (double v : {0.01, 0.1, 1.0, 10.0, 100.0}) out << " " << v << "->" << axis.ToPixel(v);
        for (int p : {11, 12, 200, 388, 389, 588, 589}) out << " " << p << "->" << axis.ToValue(p);
        out << "\n";
    }
    out << "no plot area: " << ResetChartAxes(false, 24, 400).x.ToValue(12) << ", area points "
        << LensTypeRegion(BuildLensTypeCatalogue(false)[0], ResetChartAxes(false, 24, 24)).size()
        << "; on 26 × 26, where P1 and P2 meet:";
    const auto tiny =
        LensTypeRegion(BuildLensTypeCatalogue(false)[0], ResetChartAxes(false, 26, 26));
    for (int t : {0, 25}) out << " " << Px(tiny.at(t));
    out << "\nticks:";
    for (double f : kChartFNumbers) {
        out << " " << ChartTickText(f, ',') << (SmallChartLabelsTick(f) ? "*" : "");
    }
    out << "; decades";
    for (double d : {0.1, 1.0, 10.0}) out << " " << ChartDecadeText(d, ',');
    out << "\n";
    // Read-outs without conjugates (a' = 0) name no effective number; the margin reads nothing.
    for (ChartPixel p : {ChartPixel{chart.x.ToPixel(0.25), 200}, ChartPixel{5, 12}}) {
        for (auto [focal, image] : {std::pair{50.0, 100.0}, {-50.0, 100.0}, {50.0, 0.0}}) {
            for (bool complete : {false, true}) {
                const ChartReadout r =
                    ReadOutAt(chart, p, focal, image, complete, complete ? '.' : ',');
                out << "read-out " << Px(p) << " f' " << focal << " a' " << image
                    << (complete ? " complete" : "") << ": field " << r.field << " NA " << r.na
                    << " F " << r.fNumber << " F(eff) " << r.fEffective << " radius " << r.radius
                    << " [" << r.small << "] [" << r.full << "]\n";
            }
        }
    }
    return out.str();
}

TEST(LensIdeasTest, ChartsAsRecorded) {
    test::ExpectRecording("chart/lens_ideas.txt", ChartDump());
}

// t = 0 lies at P2, t = π at P1 and t = π/2 as far from the centre as P3, to the rounding of the
// half axes.
TEST(LensIdeasTest, EachAreaRunsThroughItsAxisEnds) {
    for (bool mirror : {false, true}) {
        for (const LensTypeEntry& entry : BuildLensTypeCatalogue(mirror)) {
            const std::vector<ChartPixel> region = LensTypeRegion(entry, kLensChart);
            ASSERT_EQ(region.size(), 101u);
            EXPECT_EQ(region.front(), region.back());
            const ChartPixel p1 = kLensChart.ToPixel(entry.regionPoints[0]);
            const ChartPixel p2 = kLensChart.ToPixel(entry.regionPoints[1]);
            const ChartPixel p3 = kLensChart.ToPixel(entry.regionPoints[2]);
            const double cx = (p1.x + p2.x) / 2.0, cy = (p1.y + p2.y) / 2.0;
            EXPECT_LE(std::hypot(region[0].x - p2.x, region[0].y - p2.y), 2) << entry.names[0];
            EXPECT_LE(std::hypot(region[50].x - p1.x, region[50].y - p1.y), 2) << entry.names[0];
            EXPECT_NEAR(std::hypot(region[25].x - cx, region[25].y - cy),
                        std::hypot(p3.x - cx, p3.y - cy), 2.0)
                << entry.names[0];
        }
    }
}

using test::Choose;
using test::GiveAperture;

constexpr float kDegree = 3.14159265f / 180.0f;

TEST(LensIdeasTest, ConcaveMirrorWithAStopRadiusHasAPoint) {
    LumarikCode code;
    code.Constants().SetMirrorMode(true);
    Choose(code,
           {{kParFocal, -100.0f}, {kParObjectDist, kInfinity}, {kParObjectAngle, 2 * kDegree}});
    code.SetObjectAtInfinity(true);
    GiveAperture(code, kApStopRadius, 10.0f);
    ASSERT_TRUE(code.Solve(true));
    const std::optional<ChartPoint> p = CurrentChartPoint(code);
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(p->na, 0.1, 1e-6);
    EXPECT_NEAR(p->field, 2.0, 1e-4);
}

TEST(ChartClick, MovesTheValuesAndKeepsTheChoice) {
    LumarikCode code;
    Choose(code, {{kParFocal, 50.0f}, {kParObjectDist, -200.0f}, {kParObjectHeight, 5.0f}});
    GiveAperture(code, kApStopRadius, 12.5f);
    ASSERT_TRUE(code.Solve(true));
    ASSERT_TRUE(ApplyChartPoint(code, 0.1f, 10.0f));
    EXPECT_EQ(code.Selected().Numbers(),
              (std::vector<int>{kParFocal, kParObjectDist, kParObjectHeight}));
    EXPECT_EQ(code.Apertures().VarType(1), kApStopRadius);
    EXPECT_NEAR(std::fabs(code.Value(kParObjectAngle)), 10.0f * kDegree, 1e-6);
    EXPECT_NEAR(code.Apertures().VarValue(1), 50.0 / (2 * 5.0), 1e-4);
    const float u = code.Selected().VarValue(3);
    EXPECT_NEAR(std::fabs(u), 200.0 * std::tan(10.0 * kDegree), 1e-2);
    // The limits take the new value in.
    EXPECT_LE(code.Selected().LimLow(3), u);
    EXPECT_GE(code.Selected().LimHih(3), u);
}

TEST(ChartClick, AnUnsolvableSystemStaysAsItWas) {
    LumarikCode code;
    Choose(code, {{kParFocal, 0.0f}, {kParObjectDist, -200.0f}, {kParImageAngle, 0.1f}});
    GiveAperture(code, kApFNumber, 4.0f);
    EXPECT_FALSE(ApplyChartPoint(code, 0.1f, 10.0f));
    EXPECT_EQ(code.Selected().Numbers(),
              (std::vector<int>{kParFocal, kParObjectDist, kParImageAngle}));
    EXPECT_EQ(code.Selected().VarValue(3), 0.1f);
    EXPECT_EQ(code.Apertures().VarValue(1), 4.0f);
}

}  // namespace
}  // namespace lumarik
