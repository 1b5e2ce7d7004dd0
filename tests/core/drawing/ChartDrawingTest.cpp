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

TEST_F(ChartPlot, EveryAreaIsOutlinedOnEveryRedraw) {
    Draw({3, 6}, ChartPoint{0.25, 20.0});
    // All areas, then the frames of the two under the mouse over them.
    ASSERT_EQ(canvas.polylines.size(), entries.size() + 2);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(canvas.polylines[i].width, 1) << i;
        EXPECT_EQ(canvas.polylines[i].colour, colours::kBlack) << i;
    }
    for (std::size_t i : {15, 16}) {
        EXPECT_EQ(canvas.polylines[i].width, 2);
        EXPECT_EQ(canvas.polylines[i].colour, colours::kGreen);
    }
    EXPECT_EQ(canvas.polylines[16].points.front().x, regions[6].front().x);
    EXPECT_NE(canvas.FindText("D Gauss"), nullptr);
    EXPECT_NE(canvas.FindText("Biogon"), nullptr);
    // The cross spans the plot area through the point.
    ASSERT_EQ(canvas.lines.size(), 2u);
    const ChartPixel p = axes.ToPixel({0.25, 20.0});
    EXPECT_EQ(canvas.lines[0].colour, colours::kRed);
    EXPECT_EQ(canvas.lines[0].y1, p.y);
    EXPECT_EQ(canvas.lines[0].x2 - canvas.lines[0].x1, 576);
    EXPECT_EQ(canvas.lines[1].x1, p.x);

    Draw({3}, std::nullopt, ChartStyle{true, 3, false});
    EXPECT_EQ(canvas.polylines.back().width, 3);
    EXPECT_EQ(canvas.polylines.back().colour, colours::kBlack);
    EXPECT_NE(canvas.FindText("Doppel Gauss"), nullptr);
    EXPECT_TRUE(canvas.lines.empty());
}

TEST_F(ChartPlot, APictureWithoutPlotAreaIsOnlyCleared) {
    axes = ResetChartAxes(false, 20, 400);
    regions = BuildLensTypeRegions(entries, axes);
    Draw({}, ChartPoint{0.25, 20.0});
    EXPECT_EQ(canvas.clears, 1);
    EXPECT_TRUE(canvas.polylines.empty() && canvas.texts.empty() && canvas.lines.empty());
}

TEST(ChartAxisStrips, SmallChartLabelsFourTicksTheEnlargedAll) {
    const ChartAxes axes = ResetChartAxes(false, 600, 400);
    for (bool all : {false, true}) {
        RecordingCanvas canvas(600, 60);
        DrawChartAxisX(canvas, axes.x, all, ',');
        EXPECT_EQ(canvas.lines.size(), kChartFNumbers.size());
        // The tick labels and the title.
        EXPECT_EQ(canvas.texts.size(), all ? 17u : 5u);
        EXPECT_NE(canvas.FindText("50"), nullptr);
        EXPECT_NE(canvas.FindText("0,5"), nullptr);
        const test::RecordedText* title = canvas.FindText("Blendenzahl [unendliche Objektweite]");
        ASSERT_NE(title, nullptr);
        // Labels under the ticks, the title 1.5 text heights below them.
        const test::RecordedText* label = canvas.FindText("50");
        EXPECT_EQ(label->y, 5);
        EXPECT_EQ(title->y, label->y + 1.5 * RecordingCanvas::kTextHeight);
        EXPECT_EQ(title->x + 3.5 * title->text.size(), 300);  // centred
        // F/50 at NA 0.01, the left end of the plot; F/0.5 at NA 1, the right end.
        EXPECT_EQ(canvas.EndingAt(12, colours::kBlack) + canvas.EndingAt(588, colours::kBlack), 2);
        EXPECT_EQ(canvas.FindText("10") != nullptr && canvas.FindText("7,0") != nullptr, all);
    }
    RecordingCanvas none(600, 60);  // an axis without plot length
    DrawChartAxisX(none, ResetChartAxes(false, 24, 400).x, true, ',');
    EXPECT_TRUE(none.lines.empty() && none.texts.empty());
    RecordingCanvas y(60, 400);
    DrawChartAxisY(y, ResetChartAxes(true, 600, 400).y, '.');
    EXPECT_EQ(y.lines.size(), 3u);  // 0.1°, 1°, 10°
    const test::RecordedText* decade = y.FindText("10.0");
    ASSERT_NE(decade, nullptr);
    // Left of the tick, centred on it.
    EXPECT_EQ(decade->x + 4 * RecordingCanvas::kCharWidth, 60 - 4 - 2);
    EXPECT_EQ(decade->y + RecordingCanvas::kTextHeight / 2, y.lines.back().y1);
    // The title is centred along the strip (a recording canvas writes turned text level).
    const test::RecordedText* title = y.FindText("Objektwinkel [halbes Feld]");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->y + RecordingCanvas::kTextHeight, 200 + 13 * RecordingCanvas::kCharWidth);
}

// The sketch's 0.7 units of height fill the 94 pixels inside the padding: the dotted axis
// spans its unit length, centred. Everything stays inside the padding and the thin rays lie
// symmetric about the axis (y 55).
TEST(FamilySketches, EveryFamilyHasOneWithAndWithoutRays) {
    const auto mirrored = [](const RecordingCanvas& c, const test::RecordedLine& l) {
        return std::any_of(c.lines.begin(), c.lines.end(), [&](const test::RecordedLine& m) {
            return std::fabs(m.x1 - l.x1) + std::fabs(m.x2 - l.x2) + std::fabs(m.y1 + l.y1 - 110) +
                       std::fabs(m.y2 + l.y2 - 110) <
                   1e-9;
        });
    };
    for (auto [mirror, count] : {std::pair{false, 15}, std::pair{true, 4}}) {
        for (int entry = 0; entry < count; ++entry) {
            RecordingCanvas plain(220, 110);
            RecordingCanvas rays(220, 110);
            DrawFamilySketch(plain, mirror, entry, false);
            DrawFamilySketch(rays, mirror, entry, true);
            EXPECT_FALSE(plain.polylines.empty()) << mirror << entry;
            EXPECT_EQ(rays.polylines.size(), plain.polylines.size());
            EXPECT_GT(rays.lines.size(), plain.lines.size()) << mirror << entry;
            const test::RecordedLine& axis = rays.lines.at(0);
            EXPECT_TRUE(axis.width == 1 && axis.style == PenStyle::kDotted);
            EXPECT_NEAR(axis.x2 - axis.x1, 94 / 0.7, 1e-9);
            EXPECT_NEAR(axis.x1 + axis.x2, 220, 1e-9);  // centred
            for (const auto& l : rays.lines) {
                EXPECT_TRUE(mirrored(rays, l) && l.width == 1) << mirror << entry;
            }
            for (const auto& line : rays.polylines) {
                for (const PixelPoint& p : line.points) {
                    EXPECT_TRUE(p.x >= 8 && p.x <= 212 && p.y >= 8 && p.y <= 102) << entry;
                }
            }
        }
    }
    RecordingCanvas blank(220, 110);
    DrawFamilySketch(blank, true, 4, true);
    EXPECT_TRUE(blank.polylines.empty() && blank.lines.empty());
}

}  // namespace
}  // namespace lumarik
