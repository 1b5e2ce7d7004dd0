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
        DrawChartPlot(canvas,
                      ChartScene{entries, regions, axes, std::move(hits), current, std::nullopt},
                      style);
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

// At every size of both charts the names neither overlap nor leave the picture, and a large
// enlarged chart shows every family in full.
TEST_F(ChartPlot, NamesNeitherOverlapNorLeaveThePicture) {
    for (bool mirror : {false, true}) {
        entries = BuildLensTypeCatalogue(mirror);
        for (bool enlarged : {false, true}) {
            for (int width = 150; width <= 900; width += 50) {
                const int height = width * 2 / 3;
                axes = ResetChartAxes(mirror, width, height);
                regions = BuildLensTypeRegions(entries, axes);
                const RecordingCanvas measure(width, height);
                const std::vector<PlacedLabel> labels = PlaceChartLabels(
                    measure, ChartScene{entries, regions, axes, {}, std::nullopt, std::nullopt},
                    ChartStyle{enlarged, 2, true});
                for (std::size_t i = 0; i < labels.size(); ++i) {
                    const PlacedLabel& a = labels[i];
                    EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= width && a.bottom <= height)
                        << a.text << " at " << width;
                    for (std::size_t j = 0; j < i; ++j) {
                        const PlacedLabel& b = labels[j];
                        EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom &&
                                     b.top < a.bottom)
                            << a.text << " on " << b.text << " at " << width;
                    }
                }
                if (enlarged && width == 900) {
                    std::size_t names = 0;
                    for (const LensTypeEntry& e : entries) names += e.labelPositions.size();
                    EXPECT_EQ(labels.size(), names) << mirror;
                }
            }
        }
    }
}

// The tick labels of the enlarged chart's x strip never run together, however narrow.
TEST_F(ChartPlot, TickLabelsAreThinnedRatherThanRunTogether) {
    for (int width = 100; width <= 900; width += 25) {
        RecordingCanvas strip(width, 60);
        DrawChartAxisX(strip, ResetChartAxes(false, width, 400).x, true, ',');
        std::vector<std::pair<double, double>> spans;
        for (const test::RecordedText& t : strip.texts) {
            if (t.y > 10) continue;  // the title below the labels
            spans.push_back({t.x, t.x + RecordingCanvas::kCharWidth * t.text.size()});
        }
        for (std::size_t i = 1; i < spans.size(); ++i) {
            EXPECT_GT(spans[i].first, spans[i - 1].second) << width;
        }
    }
}

// A system beyond the axes keeps its cross at the edge it leaves by, with a marker there.
TEST_F(ChartPlot, ASystemBeyondTheAxesIsMarkedAtItsEdge) {
    Draw({}, ChartPoint{0.25, 1000.0});  // far above the 100° decade
    const double top = axes.y.margin;
    bool marked = false;
    for (const test::RecordedPolyline& line : canvas.polylines) {
        if (line.colour != colours::kRed) continue;
        marked = true;
        double highest = 1e9;
        for (const PixelPoint& p : line.points) highest = std::min(highest, p.y);
        EXPECT_LT(highest, top);  // the tip points out of the plot
    }
    EXPECT_TRUE(marked);
}

}  // namespace
}  // namespace lumarik
