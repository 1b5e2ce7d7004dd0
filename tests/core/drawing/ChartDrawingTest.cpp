#include "core/drawing/ChartDrawing.h"

#include <gtest/gtest.h>

#include "core/drawing/DrawingTestSupport.h"

namespace lumarik {
namespace {

using test::RecordingCanvas;

struct ChartPlot : ::testing::Test {
    std::vector<LensTypeEntry> entries = BuildLensTypeCatalogue(false);
    ChartAxes axes = ResetChartAxes(false, 600, 400);
    std::vector<std::vector<ChartPixel>> regions = BuildLensTypeRegions(entries, axes);
    RecordingCanvas canvas{600, 400};
    void Draw(std::vector<int> hits, std::optional<ChartPoint> current, ChartStyle style = {}) {
        DrawChartPlot(canvas, ChartScene{entries, regions, axes, std::move(hits), current}, style);
    }
};

// Every call painted: the small chart with two areas under the mouse and the cross, the
// enlarged one without highlight, both axis strips of each and every family sketch.
TEST_F(ChartPlot, MatchesTheReviewedRecordings) {
    Draw({3, 6}, ChartPoint{0.25, 20.0});
    test::ExpectRecorded("chart_small", canvas.trace);
    Draw({3}, std::nullopt, ChartStyle{true, 3, false});
    test::ExpectRecorded("chart_enlarged", canvas.trace);
    // Each strip and sketch clears its canvas first.
    std::string trace;
    const auto add = [&](double width, double height, auto draw) {
        RecordingCanvas strip(width, height);
        draw(strip);
        trace += strip.trace;
    };
    add(600, 60, [&](Canvas& c) { DrawChartAxisX(c, axes.x, false, ','); });
    add(600, 60, [&](Canvas& c) { DrawChartAxisX(c, axes.x, true, '.'); });
    add(60, 400, [&](Canvas& c) { DrawChartAxisY(c, axes.y, ','); });
    add(60, 400, [&](Canvas& c) { DrawChartAxisY(c, ResetChartAxes(true, 600, 400).y, '.'); });
    test::ExpectRecorded("chart_axes", trace);
    trace.clear();
    for (auto [mirror, count] : {std::pair{false, 15}, std::pair{true, 4}}) {
        for (int entry = 0; entry < count; ++entry) {
            for (bool rays : {false, true}) {
                RecordingCanvas sketch(220, 110);
                DrawFamilySketch(sketch, mirror, entry, rays);
                trace += sketch.trace;
            }
        }
    }
    test::ExpectRecorded("family_sketches", trace);
}

// A plot or axis without length, and an unknown sketch, paint nothing.
TEST_F(ChartPlot, NothingIsPaintedWithoutRoom) {
    axes = ResetChartAxes(false, 20, 400);
    regions = BuildLensTypeRegions(entries, axes);
    Draw({}, ChartPoint{0.25, 20.0});
    EXPECT_EQ(canvas.clears, 1);
    EXPECT_TRUE(canvas.points.empty() && canvas.texts.empty());
    RecordingCanvas axis(600, 60);
    DrawChartAxisX(axis, ResetChartAxes(false, 24, 400).x, true, ',');
    EXPECT_TRUE(axis.points.empty() && axis.texts.empty());
    RecordingCanvas blank(220, 110);
    DrawFamilySketch(blank, true, 4, true);
    EXPECT_TRUE(blank.points.empty());
}

}  // namespace
}  // namespace lumarik
