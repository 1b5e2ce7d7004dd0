// The aperture/field chart without a window: the design families of lens and mirror systems
// and their areas in the plane of numerical aperture (x) against half field angle in degrees
// (y), both logarithmic; the mapping between chart values and pixels, the hit test under the
// mouse, the read-out texts, and the chart click that moves the system to a new aperture and
// field while the user's choice of parameters stays as it is.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumarik {

class LumarikCode;

// A point of the chart in its own values: numerical aperture and half field angle (degrees).
struct ChartPoint {
    double na = 0.0;
    double field = 0.0;
};

struct ChartPixel {
    int x = 0;
    int y = 0;
    bool operator==(const ChartPixel& o) const { return x == o.x && y == o.y; }
};

// One design family. Its area is the ellipse through P1 and P2 (the ends of one axis) whose
// other half axis reaches P3.
struct LensTypeEntry {
    std::vector<std::string> names;       // one or two long names
    std::vector<std::string> shortNames;  // the same count; never empty
    std::vector<ChartPoint> labelPositions;
    std::array<ChartPoint, 3> regionPoints;
};

// The lens catalogue (15 families) or the mirror catalogue (4), in their fixed order.
std::vector<LensTypeEntry> BuildLensTypeCatalogue(bool mirrorMode);

// One logarithmic axis of a chart picture. x grows to the right, y upwards on the screen.
struct ChartAxis {
    bool vertical = false;
    int margin = 12;  // pixels between the picture's edge and the plot area
    double minimum = 0.01;
    int decades = 2;
    int size = 0;  // the picture's width (x) or height (y)

    // The plot area's length; 0 or less when the picture is too small to hold one.
    int PlotLength() const { return size - 2 * margin; }
    int ToPixel(double value) const;
    // 0 outside the plot area and on a picture without one.
    double ToValue(int pixel) const;
};

struct ChartAxes {
    ChartAxis x;
    ChartAxis y;
    bool Empty() const { return x.PlotLength() <= 0 || y.PlotLength() <= 0; }
    ChartPixel ToPixel(ChartPoint p) const { return {x.ToPixel(p.na), y.ToPixel(p.field)}; }
};

// x 0.01 .. 1 over 2 decades; y from 0.1° over 3 decades (lens systems) or 2 (mirrors).
ChartAxes ResetChartAxes(bool mirrorMode, int width, int height);

// The closed polygon of an area (101 points, the last repeating the first); empty when the
// plot area is empty.
std::vector<ChartPixel> LensTypeRegion(const LensTypeEntry& entry, const ChartAxes& axes);
std::vector<std::vector<ChartPixel>> BuildLensTypeRegions(const std::vector<LensTypeEntry>& entries,
                                                          const ChartAxes& axes);
// The even-odd rule: a point inside an odd number of the polygon's edge crossings.
bool RegionContains(const std::vector<ChartPixel>& region, ChartPixel p);

constexpr std::size_t kMaxReportedLensTypes = 2;

// The areas under a pixel: their catalogue indexes (at most two, in catalogue order).
std::vector<int> FindLensTypesAt(const std::vector<std::vector<ChartPixel>>& regions, ChartPixel p);

// "" for no family, " Name" for one, " First | Second" for two (first long names).
std::string LensClassText(const std::vector<LensTypeEntry>& entries, const std::vector<int>& hits);

// The tick marks of the x axis, as F-numbers; the small chart labels only some of them.
inline constexpr std::array<double, 16> kChartFNumbers = {50, 25,  15,  10, 7,   5,   4,   3,
                                                          2,  1.5, 1.2, 1,  0.8, 0.7, 0.6, 0.5};
bool SmallChartLabelsTick(double fNumber);
// "0.0" below F/10, "0" from there on, with the decimal separator given.
std::string ChartTickText(double fNumber, char decimal);
// A decade of the y axis, "0.0#".
std::string ChartDecadeText(double degrees, char decimal);

inline constexpr std::string_view kChartAxisTitleX = "Blendenzahl [unendliche Objektweite]";
inline constexpr std::string_view kChartAxisTitleY = "Objektwinkel [halbes Feld]";
inline constexpr std::string_view kChartUndoTip =
    "Anklicken zum Zurücksetzen der Apertur-Feld-Einstellungen";
inline constexpr std::string_view kChartEnlargeTip =
    "Anklicken zum Vergössern des Apertur-Feld-Diagramms";

// What the system looks like at a chart pixel.
struct ChartReadout {
    double field = 0.0;  // degrees
    double na = 0.0;
    double fNumber = 0.0;     // 1/(2·NA)
    double fEffective = 0.0;  // |F·a'/f'| for the current conjugates
    double radius = 0.0;      // f'/(2·F), mm
    std::string small;        // "F/2.8" or, for a complete system, "F/3.1 effektiv"
    std::string full;         // "F/2.8  F(eff)/3.1  NA':0.161"
};

// A value that is 0 or not finite is left out of the texts (the margins of the chart read 0).
ChartReadout ReadOutAt(const ChartAxes& axes, ChartPixel p, double focalLength,
                       double imageDistance, bool complete, char decimal);
// The same for a point of the chart's values (the current system's own).
ChartReadout ReadOut(ChartPoint point, double focalLength, double imageDistance, bool complete,
                     char decimal);

// Three parameters and an aperture value in force, and the last calculation solved them.
bool ChartSystemComplete(const LumarikCode& model);

// Where the current system lies on the chart: x = 1/(2·|F|) with F the F-number for an
// infinitely distant object, y = |w| in degrees. Nothing unless the system is complete and
// both coordinates are finite and greater than 0.
std::optional<ChartPoint> CurrentChartPoint(const LumarikCode& model);

// Moves the system to (sNA, sField) keeping the user's choice: the F-number and the object
// field angle are given for the solve in place of the chosen aperture parameter and the third
// parameter where needed, and afterwards every chosen parameter takes the value the solve
// gave it (its limits opened around a value that left them). A failed solve puts every record
// back as it was, solves that, and returns false.
bool ApplyChartPoint(LumarikCode& model, float sNA, float sField);

}  // namespace lumarik
