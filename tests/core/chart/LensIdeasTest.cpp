#include "core/chart/LensIdeas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "core/model/ModelTestSupport.h"
#include "support/Recording.h"

namespace lumarik {
namespace {

std::string Px(ChartPixel p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// The two catalogues as the chart shows them, on a picture of 6000 × 4000 where a hundredth of a
// catalogue value moves the pixels: each family's names, its labels and its area at t = 0, π/2,
// π, 3π/2.
std::string CatalogueDump() {
    std::ostringstream out;
    for (bool mirror : {false, true}) {
        const ChartAxes big = ResetChartAxes(mirror, 6000, 4000);
        const std::vector<LensTypeEntry> entries = BuildLensTypeCatalogue(mirror);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const LensTypeEntry& e = entries[i];
            out << (mirror ? "mirror " : "lens ") << i << ":";
            for (std::size_t n = 0; n < e.names.size(); ++n) {
                out << " [" << e.names[n] << "|" << e.shortNames.at(n) << "] label "
                    << Px(big.ToPixel(e.labelPositions.at(n)));
            }
            const std::vector<ChartPixel> area = LensTypeRegion(e, big);
            out << "; area";
            for (int t : {0, 25, 50, 75}) out << " " << Px(area.at(t));
            out << "\n";
        }
    }
    return out.str();
}

TEST(LensIdeasTest, CataloguesAsRecorded) {
    test::ExpectRecording("chart/lens_ideas.txt", CatalogueDump());
}

// Against the ellipse itself: a pixel well inside the ellipse through P1 and P2 whose other half
// axis reaches P3 is inside the area, one well outside is not; every label stands in its own
// family's area, and the hit test names the first two areas under a pixel in catalogue order.
TEST(LensIdeasTest, AreasAreTheEllipsesAndHoldTheirLabels) {
    for (bool mirror : {false, true}) {
        const ChartAxes chart = ResetChartAxes(mirror, 600, 400);
        const std::vector<LensTypeEntry> entries = BuildLensTypeCatalogue(mirror);
        ASSERT_EQ(entries.size(), mirror ? 4u : 15u);
        const auto regions = BuildLensTypeRegions(entries, chart);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const LensTypeEntry& e = entries[i];
            const ChartPixel p1 = chart.ToPixel(e.regionPoints[0]);
            const ChartPixel p2 = chart.ToPixel(e.regionPoints[1]);
            const ChartPixel p3 = chart.ToPixel(e.regionPoints[2]);
            const double cx = (p1.x + p2.x) / 2.0, cy = (p1.y + p2.y) / 2.0;
            const double a = std::hypot(p2.x - p1.x, p2.y - p1.y) / 2;
            const double b = std::hypot(p3.x - cx, p3.y - cy);
            const double ex = (p2.x - p1.x) / (2 * a), ey = (p2.y - p1.y) / (2 * a);
            const int reach = static_cast<int>(std::max(a, b)) + 4;  // the box around it
            for (int y = int(cy) - reach; y <= int(cy) + reach; ++y) {
                for (int x = int(cx) - reach; x <= int(cx) + reach; ++x) {
                    const double u = (x - cx) * ex + (y - cy) * ey;
                    const double v = (y - cy) * ex - (x - cx) * ey;
                    const double r = std::sqrt(u * u / (a * a) + v * v / (b * b));
                    const double band = 2.5 / std::min(a, b);  // the rounding of the pixels
                    if (std::fabs(r - 1) < band) continue;
                    ASSERT_EQ(RegionContains(regions[i], {x, y}), r < 1)
                        << e.names[0] << " at " << Px({x, y});
                }
            }
            for (const ChartPoint& label : e.labelPositions) {
                EXPECT_TRUE(RegionContains(regions[i], chart.ToPixel(label))) << e.names[0];
            }
            EXPECT_EQ(e.shortNames.size(), e.names.size());
            EXPECT_EQ(e.labelPositions.size(), e.names.size());
        }
    }
    // Doppel Gauss, Petzval and the spaced triplet overlap there.
    const auto lens = BuildLensTypeCatalogue(false);
    const auto regions = BuildLensTypeRegions(lens, ResetChartAxes(false, 600, 400));
    ASSERT_TRUE(RegionContains(regions[14], {406, 124}));
    EXPECT_EQ(FindLensTypesAt(regions, {406, 124}), (std::vector<int>{3, 6}));
    EXPECT_EQ(LensClassText(lens, {}), "");
    EXPECT_EQ(LensClassText(lens, {3, 6}), " Doppel Gauss | Petzval");
}

// The even-odd rule with half-open edges: a pixel on a square's left edge is inside, one on its
// right edge is not, so two areas that share an edge never both claim its pixels.
TEST(LensIdeasTest, AreaEdgesAreHalfOpen) {
    const std::vector<ChartPixel> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    EXPECT_TRUE(RegionContains(square, {0, 5}));
    EXPECT_TRUE(RegionContains(square, {9, 5}));
    EXPECT_FALSE(RegionContains(square, {10, 5}));
    EXPECT_FALSE(RegionContains(square, {-1, 5}));
}

// Each axis spans its decades over the plot area between the margins of 12 pixels; inside it
// a pixel reads a value that maps back to the same pixel, outside it reads 0.
TEST(LensIdeasTest, AxesAreLogarithmicBetweenTheMargins) {
    const ChartAxes lens = ResetChartAxes(false, 600, 400);
    const ChartAxis mirrorY = ResetChartAxes(true, 600, 400).y;
    EXPECT_EQ(lens.x.ToPixel(0.01), 12);
    EXPECT_EQ(lens.x.ToPixel(0.1), 300);
    EXPECT_EQ(lens.x.ToPixel(1.0), 588);
    EXPECT_EQ(lens.y.ToPixel(0.1), 388);
    EXPECT_EQ(lens.y.ToPixel(100.0), 12);
    EXPECT_EQ(mirrorY.ToPixel(10.0), 12);
    for (const ChartAxis& axis : {lens.x, lens.y, mirrorY}) {
        const int first = 12, last = axis.size - 12;
        EXPECT_NEAR(axis.ToValue(axis.vertical ? last : first), axis.minimum, 1e-12);
        EXPECT_NEAR(axis.ToValue(axis.vertical ? first : last),
                    axis.minimum * std::pow(10.0, axis.decades), 1e-9);
        EXPECT_EQ(axis.ToValue(first - 1), 0.0);
        EXPECT_EQ(axis.ToValue(last + 1), 0.0);
        for (int p = first; p <= last; ++p) EXPECT_EQ(axis.ToPixel(axis.ToValue(p)), p);
    }
    // Too small a picture has no plot area and no areas; where P1 and P2 meet on one pixel the
    // area stays on the picture.
    EXPECT_EQ(ResetChartAxes(false, 24, 400).x.ToValue(12), 0.0);
    EXPECT_TRUE(
        LensTypeRegion(BuildLensTypeCatalogue(false)[0], ResetChartAxes(false, 24, 24)).empty());
    for (ChartPixel p :
         LensTypeRegion(BuildLensTypeCatalogue(false)[0], ResetChartAxes(false, 26, 26))) {
        EXPECT_TRUE(p.x >= 12 && p.x <= 14 && p.y >= 12 && p.y <= 14) << Px(p);
    }
}

TEST(LensIdeasTest, TickAndDecadeTexts) {
    std::string ticks;
    for (double f : kChartFNumbers) {
        ticks += " " + ChartTickText(f, ',') + (SmallChartLabelsTick(f) ? "*" : "");
    }
    EXPECT_EQ(ticks, " 50* 25 15 10 7,0 5,0* 4,0 3,0 2,0 1,5 1,2 1,0* 0,8 0,7 0,6 0,5*");
    EXPECT_EQ(ChartDecadeText(0.1, ',') + " " + ChartDecadeText(10.0, '.'), "0,1 10.0");
}

// At NA 0.25 the F-number is 1/(2·NA) = 2, the stop radius f'/(2F) and the working F-number
// |F·a'/f'|, NA' = 1/(2·F(eff)); without conjugates (a' = 0) and in the margin nothing more.
TEST(LensIdeasTest, ReadOutFollowsTheAperture) {
    const ChartReadout r = ReadOut({0.25, 3.0}, -50.0, 100.0, false, ',');
    EXPECT_DOUBLE_EQ(r.fNumber, 2.0);
    EXPECT_DOUBLE_EQ(r.fEffective, 4.0);
    EXPECT_DOUBLE_EQ(r.radius, -12.5);
    EXPECT_EQ(r.field, 3.0);
    EXPECT_EQ(r.small, "F/2,0");
    EXPECT_EQ(r.full, "F/2,0  F(eff)/4,0  NA':0,125");
    EXPECT_EQ(ReadOut({0.25, 3.0}, 50.0, 100.0, true, '.').small, "F/4.0 effektiv");
    const ChartReadout noImage = ReadOut({0.25, 3.0}, 50.0, 0.0, true, '.');
    EXPECT_EQ(noImage.small + "|" + noImage.full, "F/2.0|F/2.0");
    const ChartAxes chart = ResetChartAxes(false, 600, 400);
    const ChartReadout at = ReadOutAt(chart, {chart.x.ToPixel(0.25), 200}, 50.0, 100.0, false, '.');
    EXPECT_NEAR(at.na, 0.25, 0.002);
    EXPECT_NEAR(at.field, std::sqrt(10.0), 1e-3);
    const ChartReadout margin = ReadOutAt(chart, {5, 12}, 50.0, 100.0, true, '.');
    EXPECT_EQ(margin.na, 0.0);
    EXPECT_EQ(margin.fNumber, 0.0);
    EXPECT_EQ(margin.small + margin.full, "");
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
