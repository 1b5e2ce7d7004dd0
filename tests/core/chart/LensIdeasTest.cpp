#include "core/chart/LensIdeas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/model/ModelTestSupport.h"

namespace lumarik {
namespace {

const ChartAxes kLensChart = ResetChartAxes(false, 600, 400);

std::vector<int> HitsAt(bool mirror, ChartPixel p, const ChartAxes& axes = kLensChart) {
    return FindLensTypesAt(BuildLensTypeRegions(BuildLensTypeCatalogue(mirror), axes), p);
}

TEST(LensIdeasTest, AxisMapsValuesToPixelsAndBack) {
    struct Case {
        ChartAxis axis;
        double value;
        int pixel;
    };
    const ChartAxes mirror = ResetChartAxes(true, 600, 400);
    for (const Case& c :
         {Case{kLensChart.x, 0.01, 12}, Case{kLensChart.x, 0.1, 300}, Case{kLensChart.x, 1.0, 588},
          Case{kLensChart.y, 0.1, 388}, Case{kLensChart.y, 100.0, 12}, Case{kLensChart.y, 1.0, 263},
          Case{mirror.y, 10.0, 12}, Case{mirror.y, 1.0, 200}}) {
        EXPECT_EQ(c.axis.ToPixel(c.value), c.pixel) << c.value;
        EXPECT_NEAR(c.axis.ToValue(c.pixel), c.value, c.value * 0.01) << c.value;
    }
    // The margins and a picture without a plot area read 0.
    EXPECT_EQ(kLensChart.x.ToValue(11), 0.0);
    EXPECT_EQ(kLensChart.x.ToValue(589), 0.0);
    EXPECT_EQ(kLensChart.y.ToValue(389), 0.0);
    EXPECT_EQ(ResetChartAxes(false, 24, 400).x.ToValue(12), 0.0);
}

TEST(LensIdeasTest, EachAreaRunsThroughItsAxisEnds) {
    for (bool mirror : {false, true}) {
        for (const LensTypeEntry& entry : BuildLensTypeCatalogue(mirror)) {
            const std::vector<ChartPixel> region = LensTypeRegion(entry, kLensChart);
            ASSERT_EQ(region.size(), 101u);
            EXPECT_EQ(region.front(), region.back());
            const ChartPixel p1 = kLensChart.ToPixel(entry.regionPoints[0]);
            const ChartPixel p2 = kLensChart.ToPixel(entry.regionPoints[1]);
            // t = 0 lies at P2 and t = π at P1, to the rounding of the half axis.
            EXPECT_LE(std::abs(region[0].x - p2.x) + std::abs(region[0].y - p2.y), 2)
                << entry.names[0];
            EXPECT_LE(std::abs(region[50].x - p1.x) + std::abs(region[50].y - p1.y), 2)
                << entry.names[0];
            // A quarter turn on, the other half axis: as far from the centre as P3.
            const ChartPixel p3 = kLensChart.ToPixel(entry.regionPoints[2]);
            const double cx = (p1.x + p2.x) / 2.0, cy = (p1.y + p2.y) / 2.0;
            EXPECT_NEAR(std::hypot(region[25].x - cx, region[25].y - cy),
                        std::hypot(p3.x - cx, p3.y - cy), 2.0)
                << entry.names[0];
        }
    }
}

TEST(LensIdeasTest, AtMostTwoFamiliesInCatalogueOrder) {
    const std::vector<LensTypeEntry> lenses = BuildLensTypeCatalogue(false);
    struct Case {
        ChartPixel pixel;
        std::vector<int> hits;
        std::string text;
    };
    // (406, 124) lies in D Gauss, Petzval and aufgesp. Triplet: the third is never reported.
    for (const Case& c :
         {Case{{406, 124}, {3, 6}, " Doppel Gauss | Petzval"},
          Case{{kLensChart.x.ToPixel(0.4), kLensChart.y.ToPixel(1.2)}, {7}, " Mikroskopobjektiv"},
          Case{{5, 5}, {}, ""}}) {
        const std::vector<int> hits = HitsAt(false, c.pixel);
        EXPECT_EQ(hits, c.hits) << c.text;
        EXPECT_EQ(LensClassText(lenses, hits), c.text);
    }
    const std::vector<std::vector<ChartPixel>> regions = BuildLensTypeRegions(lenses, kLensChart);
    EXPECT_TRUE(RegionContains(regions[14], {406, 124}));
    // The mirror catalogue knows no fisheye where the lens catalogue has one.
    const ChartPixel fisheye = kLensChart.ToPixel({0.09, 85});
    EXPECT_EQ(HitsAt(false, fisheye), std::vector<int>{0});
    EXPECT_TRUE(HitsAt(true, fisheye).empty());
}

TEST(LensIdeasTest, TinyChartsBuildNoDegenerateAreas) {
    EXPECT_TRUE(
        LensTypeRegion(BuildLensTypeCatalogue(false)[0], ResetChartAxes(false, 24, 24)).empty());
    // A few pixels of plot: P1 and P2 fall on one pixel.
    const ChartAxes tiny = ResetChartAxes(false, 26, 26);
    for (const LensTypeEntry& entry : BuildLensTypeCatalogue(false)) {
        for (const ChartPixel& p : LensTypeRegion(entry, tiny)) {
            EXPECT_TRUE(p.x >= 0 && p.x <= 26 && p.y >= 0 && p.y <= 26) << entry.names[0];
        }
    }
}

TEST(LensIdeasTest, ReadOutBlanksTheMarginsAndNamesTheEffectiveNumber) {
    const ChartPixel f2 = {kLensChart.x.ToPixel(0.25), 200};
    ChartReadout r = ReadOutAt(kLensChart, f2, 50.0, 100.0, false, ',');
    EXPECT_NEAR(r.fNumber, 2.0, 0.02);
    EXPECT_NEAR(r.radius, 12.5, 0.1);
    EXPECT_EQ(r.small, "F/1,994");
    r = ReadOutAt(kLensChart, f2, 50.0, 100.0, true, '.');
    EXPECT_NEAR(r.fEffective, 4.0, 0.04);
    EXPECT_EQ(r.small, "F/3.987 effektiv");
    EXPECT_EQ(r.full, "F/1.994  F(eff)/3.987  NA':0.125");
    // The margin reads NA 0: no F-number at all; no conjugates: no effective number.
    r = ReadOutAt(kLensChart, {5, 200}, 50.0, 100.0, true, '.');
    EXPECT_EQ(r.small + r.full, "");
    r = ReadOutAt(kLensChart, f2, 0.0, 0.0, true, '.');
    EXPECT_EQ(r.small.find("effektiv"), std::string::npos);
    EXPECT_EQ(r.full.find("F(eff)"), std::string::npos);
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
    const std::vector<CVarType> before = code.Selected().Records();
    EXPECT_FALSE(ApplyChartPoint(code, 0.1f, 10.0f));
    ASSERT_EQ(code.Selected().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(code.Selected().Item(i + 1).nVarType, before[i].nVarType);
        EXPECT_EQ(code.Selected().Item(i + 1).sVarValue, before[i].sVarValue);
    }
    EXPECT_EQ(code.Apertures().VarValue(1), 4.0f);
}

}  // namespace
}  // namespace lumarik
