// The aperture/field chart painted on a Canvas: the plot with the family areas, their names,
// the highlighted areas under the mouse and the cross of the current system; the two axis
// strips; and the cross-section sketches of the design families. The small chart, the
// enlarged window and an exported picture all paint through these.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/chart/LensIdeas.h"
#include "core/drawing/Canvas.h"

namespace lumarik {

struct ChartStyle {
    bool longNames = false;  // the enlarged window names the families in full
    int highlightWidth = 2;  // the frame of an area under the mouse (3 in the enlarged window)
    bool highlight = true;   // green frames; otherwise black
};

struct ChartScene {
    const std::vector<LensTypeEntry>& entries;
    const std::vector<std::vector<ChartPixel>>& regions;  // parallel to entries
    const ChartAxes& axes;
    std::vector<int> hits;              // areas under the mouse
    std::optional<ChartPoint> current;  // the system, drawn as a red cross
    std::optional<double> sampleNa;     // a chosen sample system, a dotted blue line at its NA
};

// A family name where the plot shows it.
struct PlacedLabel {
    double left = 0, top = 0, right = 0, bottom = 0;
    std::string text;
};

// The names in catalogue order, each centred below its anchor, moved sideways into the picture
// and, where it would cover a name placed before it, moved a line down or up; where that does
// not help, the short name and then its first letters with a point are tried. A name that finds
// no free place is left out (the read-out names the family). No two placed names overlap and
// none leaves the picture.
std::vector<PlacedLabel> PlaceChartLabels(const Canvas& canvas, const ChartScene& scene,
                                          const ChartStyle& style);

// Clears the plot and draws every area, every placed name and then the overlay; on a picture
// without a plot area only the clearing.
void DrawChartPlot(Canvas& canvas, const ChartScene& scene, const ChartStyle& style);
// What changes with the mouse and the system: the highlight frames of the hit areas and the
// cross. A system beyond the axes keeps its cross at the edge it leaves by, marked there with a
// small triangle pointing out. A window keeps the rest as a picture and paints only this over
// it.
void DrawChartOverlay(Canvas& canvas, const ChartScene& scene, const ChartStyle& style);

// The x strip as wide as the plot: ticks at the F-numbers, their labels (all, or only those of
// the small chart; a label that would run into the one before it is left out) and the title
// below. The y strip as high as the plot: a tick and label at
// each decade and the title turned along it.
void DrawChartAxisX(Canvas& canvas, const ChartAxis& x, bool allLabels, char decimal);
void DrawChartAxisY(Canvas& canvas, const ChartAxis& y, char decimal);

// A simple cross-section of family `entry` of the lens or mirror catalogue, scaled into the
// canvas, optionally with rays from a distant object; a blank canvas for an unknown entry.
void DrawFamilySketch(Canvas& canvas, bool mirror, int entry, bool withRays);

}  // namespace lumarik
