#include "core/drawing/ChartDrawing.h"

#include <algorithm>
#include <cmath>

namespace lumarik {
namespace {

constexpr int kTickLength = 4;
constexpr int kCrossWidth = 2;
constexpr double kEdgeMarker = 6.0;  // the half width of the triangle at the plot's edge

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

constexpr double kLabelGap = 1.0;
constexpr std::size_t kAbbreviationLetters = 5;

bool Overlap(const PlacedLabel& a, const PlacedLabel& b) {
    return a.left < b.right + kLabelGap && b.left < a.right + kLabelGap &&
           a.top < b.bottom + kLabelGap && b.top < a.bottom + kLabelGap;
}

// The texts to try for one name: the style's, the short one, its first letters with a point.
std::vector<std::string> LabelTexts(const LensTypeEntry& entry, std::size_t k, bool longNames) {
    std::vector<std::string> texts;
    const auto add = [&texts](std::string text) {
        if (!text.empty() && std::find(texts.begin(), texts.end(), text) == texts.end())
            texts.push_back(std::move(text));
    };
    const std::string& shortName = k < entry.shortNames.size() ? entry.shortNames[k] : "";
    add(longNames && k < entry.names.size() ? entry.names[k] : shortName);
    add(shortName);
    const std::size_t first = shortName.find_first_not_of(' ');
    if (first != std::string::npos && shortName.size() - first > kAbbreviationLetters + 1) {
        add(shortName.substr(first, kAbbreviationLetters) + ".");
    }
    return texts;
}

}  // namespace

std::vector<PlacedLabel> PlaceChartLabels(const Canvas& canvas, const ChartScene& scene,
                                          const ChartStyle& style) {
    std::vector<PlacedLabel> placed;
    const ChartAxes& axes = scene.axes;
    const double width = axes.x.size;
    const double height = axes.y.size;
    for (const LensTypeEntry& entry : scene.entries) {
        for (std::size_t k = 0; k < entry.labelPositions.size(); ++k) {
            const ChartPixel anchor = axes.ToPixel(entry.labelPositions[k]);
            bool done = false;
            for (const std::string& text : LabelTexts(entry, k, style.longNames)) {
                const double w = canvas.TextWidth(text);
                const double h = canvas.TextHeight(text);
                for (const double shift : {0.0, 1.0, -1.0, 2.0, -2.0}) {
                    PlacedLabel label;
                    label.left =
                        std::clamp(anchor.x - std::round(w / 2.0), 0.0, std::max(0.0, width - w));
                    label.top = anchor.y + shift * h;
                    label.right = label.left + w;
                    label.bottom = label.top + h;
                    label.text = text;
                    if (label.top < 0.0 || label.bottom > height || label.right > width) continue;
                    const bool free = std::none_of(
                        placed.begin(), placed.end(),
                        [&](const PlacedLabel& other) { return Overlap(label, other); });
                    if (!free) continue;
                    placed.push_back(std::move(label));
                    done = true;
                    break;
                }
                if (done) break;
            }
        }
    }
    return placed;
}

void DrawChartPlot(Canvas& canvas, const ChartScene& scene, const ChartStyle& style) {
    canvas.Clear();
    const ChartAxes& axes = scene.axes;
    if (axes.Empty()) return;
    for (std::size_t i = 0; i < scene.entries.size() && i < scene.regions.size(); ++i) {
        canvas.Polyline(ToPoints(scene.regions[i]), colours::kBlack, PenStyle::kSolid, 1);
    }
    for (const PlacedLabel& label : PlaceChartLabels(canvas, scene, style)) {
        canvas.Box(label.left, label.top, label.right, label.bottom, colours::kWhite, true);
        canvas.Text(label.left, label.top, label.text, colours::kBlack);
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
    if (scene.sampleNa) {
        const double x = std::clamp(double(axes.x.ToPixel(*scene.sampleNa)), double(axes.x.margin),
                                    double(axes.x.size - axes.x.margin));
        canvas.Line(x, axes.y.margin, x, axes.y.size - axes.y.margin, colours::kBlue,
                    PenStyle::kDotted, kCrossWidth);
    }
    if (scene.current) {
        const ChartPixel p = axes.ToPixel(*scene.current);
        const double left = axes.x.margin;
        const double right = axes.x.size - axes.x.margin;
        const double top = axes.y.margin;
        const double bottom = axes.y.size - axes.y.margin;
        const double x = std::clamp(double(p.x), left, right);
        const double y = std::clamp(double(p.y), top, bottom);
        canvas.Line(left, y, right, y, colours::kRed, PenStyle::kSolid, kCrossWidth);
        canvas.Line(x, top, x, bottom, colours::kRed, PenStyle::kSolid, kCrossWidth);
        // The direction in which the system lies beyond the plot, one pixel step per axis.
        const double dx = p.x < left ? -1.0 : p.x > right ? 1.0 : 0.0;
        const double dy = p.y < top ? -1.0 : p.y > bottom ? 1.0 : 0.0;
        if (dx != 0.0 || dy != 0.0) {
            const double tipX = x + dx * kEdgeMarker;
            const double tipY = y + dy * kEdgeMarker;
            // The base is square to the direction of the tip.
            canvas.Polygon({{tipX, tipY},
                            {x - dy * kEdgeMarker, y + dx * kEdgeMarker},
                            {x + dy * kEdgeMarker, y - dx * kEdgeMarker}},
                           colours::kRed);
        }
    }
}

void DrawChartAxisX(Canvas& canvas, const ChartAxis& x, bool allLabels, char decimal) {
    canvas.Clear();
    if (x.PlotLength() <= 0) return;
    double labelsBottom = kTickLength;
    double lastRight = -1e9;
    const double gap = canvas.TextWidth(" ");
    for (double f : kChartFNumbers) {
        const int px = x.ToPixel(1.0 / (2.0 * f));
        canvas.Line(px, 0, px, kTickLength, colours::kBlack, PenStyle::kSolid, 1);
        if (!allLabels && !SmallChartLabelsTick(f)) continue;
        const std::string text = ChartTickText(f, decimal);
        const double left = px - std::round(canvas.TextWidth(text) / 2.0);
        if (left < lastRight + gap) continue;
        Label(canvas, px, kTickLength + 1, text);
        lastRight = left + canvas.TextWidth(text);
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
