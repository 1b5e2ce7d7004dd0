#include "core/drawing/ChartDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

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

// A trace without what rules hold: each text stands on a white box of its own size, painted
// just before it, and the areas' outlines come first, black, in the catalogue's order. An
// outline painted again (an area under the mouse) is named by its number.
std::string Essentials(const std::string& trace,
                       const std::vector<std::vector<ChartPixel>>& regions = {}) {
    std::vector<std::string> outlines;
    for (const auto& region : regions) {
        RecordingCanvas c;
        std::vector<PixelPoint> points;
        for (const ChartPixel& p : region) points.push_back({double(p.x), double(p.y)});
        c.Polyline(points, colours::kBlack, PenStyle::kSolid, 1);
        outlines.push_back(c.trace.substr(0, c.trace.find(" #")));
    }
    std::string kept, box;
    std::size_t next = 0;
    std::istringstream in(trace);
    for (std::string row; std::getline(in, row);) {
        const std::string head = row.substr(0, row.find(" #"));
        const std::string tail = row.substr(head.size());
        const auto outline = std::find(outlines.begin(), outlines.end(), head);
        if (outline != outlines.end()) {
            const auto i = static_cast<std::size_t>(outline - outlines.begin());
            if (i == next && tail == " #000000 0 1") {
                ++next;
            } else {
                kept += "area " + std::to_string(i) + tail + "\n";
            }
            continue;
        }
        if (row.rfind("box", 0) == 0 && tail == " #ffffff 1 0") {
            box = row;
            continue;
        }
        double x = 0, y = 0;
        if (!box.empty() && std::sscanf(row.c_str(), "text %lf %lf", &x, &y) == 2) {
            const double w = RecordingCanvas::kCharWidth * (row.size() - row.find('#') - 12);
            char expected[80];
            std::snprintf(expected, sizeof expected, "box %.2f %.2f %.2f %.2f", x, y, x + w,
                          y + RecordingCanvas::kTextHeight);
            EXPECT_EQ(box, std::string(expected) + " #ffffff 1 0") << row;
            box.clear();
        }
        kept += row + "\n";
    }
    EXPECT_EQ(next, regions.size());
    EXPECT_EQ(box, "");
    return kept;
}

// What is painted: the small chart with two areas under the mouse and the cross, the enlarged
// one without highlight, both axis strips of each and every family sketch.
TEST_F(ChartPlot, MatchesTheReviewedRecordings) {
    Draw({3, 6}, ChartPoint{0.25, 20.0});
    test::ExpectRecorded("chart_small", Essentials(canvas.trace, regions));
    Draw({3}, std::nullopt, ChartStyle{true, 3, false});
    test::ExpectRecorded("chart_enlarged", Essentials(canvas.trace, regions));
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
    // The labels hold the ticks they stand on; the ticks' places are the axes' business.
    std::string labels;
    std::istringstream strips(Essentials(trace));
    for (std::string row; std::getline(strips, row);)
        if (row.rfind("text", 0) == 0) labels += row + "\n";
    test::ExpectRecorded("chart_axes", labels);
    // Every family sketch: the rays as the points they pass through, on one line, and each
    // outline by every sixth point and its last (the rule test below holds the shape between).
    trace.clear();
    for (auto [mirror, count] : {std::pair{false, 15}, std::pair{true, 4}}) {
        for (int entry = 0; entry < count; ++entry) {
            RecordingCanvas sketch(220, 110);
            DrawFamilySketch(sketch, mirror, entry, true);
            std::string rays = std::string(mirror ? "mirror " : "lens ") + std::to_string(entry);
            std::string outlines;
            std::istringstream in(sketch.trace);
            double x = -1, y = -1;
            for (std::string row; std::getline(in, row);) {
                std::istringstream cells(row);
                std::string call, cell;
                std::vector<std::string> xy;
                cells >> call;
                while (cells >> cell && cell[0] != '#') xy.push_back(cell);
                if (call == "polyline") {
                    outlines += "outline";
                    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
                        if (i % 12 == 0 || i + 2 == xy.size())
                            outlines += " " + xy[i] + " " + xy[i + 1];
                    }
                    outlines += " " + row.substr(row.find('#')) + "\n";
                }
                if (call != "line" || row.substr(row.find('#')) != "#0000ff 0 1") continue;
                // A ray goes on from where the last segment ended, or starts anew after a '|'.
                if (std::stod(xy[0]) != x || std::stod(xy[1]) != y)
                    rays += " | " + xy[0] + " " + xy[1];
                rays += " " + xy[2] + " " + xy[3];
                x = std::stod(xy[2]);
                y = std::stod(xy[3]);
            }
            trace += rays + "\n" + outlines;
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

// A system beyond the axes keeps its cross at the edge it leaves by, with a marker there: a
// triangle whose tip points out of the plot, as far from the middle of its base as either end
// of the base, which is square to the tip.
TEST_F(ChartPlot, ASystemBeyondTheAxesIsMarkedAtItsEdge) {
    const double left = axes.x.margin, right = axes.x.size - axes.x.margin;
    const double top = axes.y.margin, bottom = axes.y.size - axes.y.margin;
    // Above the 100° decade, left of K = 50, right of K = 0.5, below 0.1°, and both of the last.
    for (const ChartPoint& system :
         {ChartPoint{0.25, 1000.0}, ChartPoint{0.001, 20.0}, ChartPoint{3.0, 20.0},
          ChartPoint{0.25, 0.01}, ChartPoint{3.0, 0.01}}) {
        Draw({}, system);
        const auto& lines = canvas.polylines;
        ASSERT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const auto& l) { return l.colour == colours::kRed; }),
                  1)
            << system.na << " " << system.field;
        const test::RecordedPolyline& marker = lines.back();  // the overlay comes last
        ASSERT_EQ(marker.points.size(), 4u);
        EXPECT_EQ(marker.colour, colours::kRed);
        const PixelPoint& tip = marker.points[0];
        const PixelPoint &a = marker.points[1], &b = marker.points[2];
        const PixelPoint middle{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
        EXPECT_TRUE(tip.x < left || tip.x > right || tip.y < top || tip.y > bottom);
        EXPECT_NEAR(std::hypot(tip.x - middle.x, tip.y - middle.y),
                    std::hypot(a.x - middle.x, a.y - middle.y), 1e-9);
        EXPECT_NEAR((tip.x - middle.x) * (a.x - middle.x) + (tip.y - middle.y) * (a.y - middle.y),
                    0.0, 1e-9);
    }
}

}  // namespace
}  // namespace lumarik
