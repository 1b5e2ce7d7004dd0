#include "core/help/HelpFigures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "core/drawing/DrawingTestSupport.h"

namespace lumarik {

void PrintTo(HelpFigure figure, std::ostream* os) {
    *os << "figure " << static_cast<int>(figure);
}

namespace {

// Records texts and line ends. Text metrics are a little generous (7 pixels a character,
// 16 high), so that labels that clear each other here clear each other on the screen.
class FigureCanvas : public Canvas {
public:
    struct Label {
        double left, top, right, bottom;
        std::string text;
    };

    FigureCanvas(double width, double height) : m_scale{0.0, 0.0, width, height} {}

    ScaleRect Scale() const override { return m_scale; }
    void Clear() override { ++clears; }
    void Line(double x1, double y1, double x2, double y2, Colour, PenStyle, int) override {
        points.push_back({x1, y1});
        points.push_back({x2, y2});
    }
    void Text(double x, double y, std::string_view text, Colour) override {
        labels.push_back({x, y, x + TextWidth(text), y + TextHeight(text), std::string(text)});
    }
    double TextWidth(std::string_view text) const override {
        // Characters, not bytes: the labels hold umlauts and Greek letters.
        const auto continuation = std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        });
        return 7.0 * static_cast<double>(text.size() - static_cast<std::size_t>(continuation));
    }
    double TextHeight(std::string_view) const override { return 16.0; }
    void Box(double, double, double, double, Colour, bool) override {}
    void Circle(double x, double y, double, Colour, bool) override { points.push_back({x, y}); }
    void Polyline(const std::vector<PixelPoint>& p, Colour, PenStyle, int) override {
        points.insert(points.end(), p.begin(), p.end());
    }

    bool HasLabel(std::string_view text) const {
        return std::any_of(labels.begin(), labels.end(),
                           [&](const Label& l) { return l.text == text; });
    }

    int clears = 0;
    std::vector<Label> labels;
    std::vector<PixelPoint> points;

private:
    ScaleRect m_scale;
};

// The sizes the help window gives a figure: its smallest, its own, and a large window.
const double kScales[] = {kHelpFigureMinScale, 1.0, 1.6};

class HelpFigureLayoutTest
    : public ::testing::TestWithParam<std::tuple<HelpFigure, double, double>> {};

TEST_P(HelpFigureLayoutTest, EverythingIsOnTheCanvasAndNoLabelsOverlap) {
    const auto [figure, scale, aspect] = GetParam();
    const double width = kHelpFigureWidth * scale * aspect;
    const double height = kHelpFigureHeight * scale;
    FigureCanvas canvas(width, height);
    DrawHelpFigure(canvas, figure);
    EXPECT_EQ(canvas.clears, 1);
    ASSERT_FALSE(canvas.labels.empty());
    for (const PixelPoint& p : canvas.points) {
        EXPECT_TRUE(p.x >= -0.5 && p.x <= width + 0.5 && p.y >= -0.5 && p.y <= height + 0.5)
            << p.x << ", " << p.y;
    }
    const auto& labels = canvas.labels;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const auto& a = labels[i];
        EXPECT_TRUE(a.left >= 0.0 && a.top >= 0.0 && a.right <= width && a.bottom <= height)
            << a.text;
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            const auto& b = labels[j];
            const bool apart =
                a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
            EXPECT_TRUE(apart) << "'" << a.text << "' and '" << b.text << "'";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFigures, HelpFigureLayoutTest,
                         ::testing::Combine(::testing::ValuesIn(kAllHelpFigures),
                                            ::testing::ValuesIn(kScales),
                                            ::testing::Values(1.0, 1.5)));

// Every figure at its own size against its reviewed recording. The first figures of the lens,
// the mirror and the principal planes show the shared parts in full: the axis, the lens and
// mirror symbols, arrowheads, ticks, hatching and the lines of the dimensions. The others leave
// out those: their dimensions are held by the labels in the middle of them.
class FigureTrace : public test::RecordingCanvas {
public:
    FigureTrace(bool full) : RecordingCanvas(kHelpFigureWidth, kHelpFigureHeight), m_full(full) {}
    void Clear() override {
        RecordingCanvas::Clear();
        trace.clear();
    }
    void Line(double x1, double y1, double x2, double y2, Colour c, PenStyle s, int w) override {
        const bool slanted = x1 != x2 && y1 != y2;
        const bool stroke = std::hypot(x2 - x1, y2 - y1) < 12.1 && (slanted || c == 0x505050u);
        const bool shared = (c == 0x505050u && y1 == y2) || (c == colours::kBlack && w == 2) ||
                            (c == 0x808080u && y1 == y2);
        if (m_full || !(stroke || shared)) RecordingCanvas::Line(x1, y1, x2, y2, c, s, w);
    }

private:
    bool m_full;
};

TEST(HelpFigureTest, MatchesTheReviewedRecordings) {
    const char* names[] = {"conjugates_lens", "conjugates_mirror",    "aperture_lens",
                           "aperture_mirror", "cardinal_points_lens", "cardinal_points_mirror",
                           "depth_of_field",  "depth_of_focus",       "hyperfocal",
                           "gaussian_beam"};
    for (std::size_t i = 0; i < kAllHelpFigures.size(); ++i) {
        FigureTrace canvas(i < 2 || i == 4);
        DrawHelpFigure(canvas, kAllHelpFigures[i]);
        test::ExpectRecorded(std::string("help_") + names[i], canvas.trace);
    }
}

}  // namespace
}  // namespace lumarik
