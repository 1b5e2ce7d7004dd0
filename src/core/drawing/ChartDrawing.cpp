#include "core/drawing/ChartDrawing.h"

#include <algorithm>
#include <cmath>

namespace lumarik {
namespace {

constexpr int kTickLength = 4;
constexpr int kCrossWidth = 2;

std::vector<PixelPoint> ToPoints(const std::vector<ChartPixel>& region) {
    std::vector<PixelPoint> points;
    points.reserve(region.size());
    for (const ChartPixel& p : region) points.push_back({double(p.x), double(p.y)});
    return points;
}

// A name with its top-left corner half its width left of the anchor, on white so that it
// stays readable over the outlines.
void Label(Canvas& canvas, double x, double y, const std::string& text) {
    const double left = x - std::round(canvas.TextWidth(text) / 2.0);
    canvas.Box(left, y, left + canvas.TextWidth(text), y + canvas.TextHeight(text), colours::kWhite,
               true);
    canvas.Text(left, y, text, colours::kBlack);
}

}  // namespace

void DrawChartPlot(Canvas& canvas, const ChartScene& scene, const ChartStyle& style) {
    canvas.Clear();
    const ChartAxes& axes = scene.axes;
    if (axes.Empty()) return;
    for (std::size_t i = 0; i < scene.entries.size() && i < scene.regions.size(); ++i) {
        canvas.Polyline(ToPoints(scene.regions[i]), colours::kBlack, PenStyle::kSolid, 1);
    }
    for (const LensTypeEntry& entry : scene.entries) {
        const std::vector<std::string>& names = style.longNames ? entry.names : entry.shortNames;
        for (std::size_t k = 0; k < names.size() && k < entry.labelPositions.size(); ++k) {
            const ChartPixel anchor = axes.ToPixel(entry.labelPositions[k]);
            Label(canvas, anchor.x, anchor.y, names[k]);
        }
    }
    DrawChartOverlay(canvas, scene, style);
}

void DrawChartOverlay(Canvas& canvas, const ChartScene& scene, const ChartStyle& style) {
    const ChartAxes& axes = scene.axes;
    if (axes.Empty()) return;
    const Colour frame = style.highlight ? colours::kGreen : colours::kBlack;
    for (int hit : scene.hits) {
        if (hit < 0 || hit >= static_cast<int>(scene.regions.size())) continue;
        canvas.Polyline(ToPoints(scene.regions[static_cast<std::size_t>(hit)]), frame,
                        PenStyle::kSolid, style.highlightWidth);
    }
    if (scene.current) {
        const ChartPixel p = axes.ToPixel(*scene.current);
        const double left = axes.x.margin;
        const double right = axes.x.size - axes.x.margin;
        const double top = axes.y.margin;
        const double bottom = axes.y.size - axes.y.margin;
        canvas.Line(left, p.y, right, p.y, colours::kRed, PenStyle::kSolid, kCrossWidth);
        canvas.Line(p.x, top, p.x, bottom, colours::kRed, PenStyle::kSolid, kCrossWidth);
    }
}

void DrawChartAxisX(Canvas& canvas, const ChartAxis& x, bool allLabels, char decimal) {
    canvas.Clear();
    if (x.PlotLength() <= 0) return;
    double labelsBottom = kTickLength;
    for (double f : kChartFNumbers) {
        const int px = x.ToPixel(1.0 / (2.0 * f));
        canvas.Line(px, 0, px, kTickLength, colours::kBlack, PenStyle::kSolid, 1);
        if (!allLabels && !SmallChartLabelsTick(f)) continue;
        const std::string text = ChartTickText(f, decimal);
        Label(canvas, px, kTickLength + 1, text);
        labelsBottom = kTickLength + 1 + canvas.TextHeight(text);
    }
    const std::string title(kChartAxisTitleX);
    const double height = canvas.TextHeight(title);
    canvas.Text(x.size / 2.0 - std::round(canvas.TextWidth(title) / 2.0),
                labelsBottom + 1.5 * height - height, title, colours::kBlack);
}

void DrawChartAxisY(Canvas& canvas, const ChartAxis& y, char decimal) {
    canvas.Clear();
    if (y.PlotLength() <= 0) return;
    const double right = canvas.Scale().width;
    for (int decade = 0; decade <= y.decades; ++decade) {
        const double value = y.minimum * std::pow(10.0, decade);
        const int py = y.ToPixel(value);
        canvas.Line(right - kTickLength, py, right, py, colours::kBlack, PenStyle::kSolid, 1);
        const std::string text = ChartDecadeText(value, decimal);
        const double height = canvas.TextHeight(text);
        canvas.Text(right - kTickLength - 2 - canvas.TextWidth(text), py - height / 2.0, text,
                    colours::kBlack);
    }
    const std::string title(kChartAxisTitleY);
    canvas.TextUp(2.0, y.size / 2.0 + std::round(canvas.TextWidth(title) / 2.0), title,
                  colours::kBlack);
}

}  // namespace lumarik
