#include "core/chart/LensIdeas.h"

#include <algorithm>
#include <cmath>

#include "core/format/Format.h"
#include "core/model/LumarikCode.h"
#include "core/model/ValueEntry.h"
#include "core/numeric/Calc.h"

namespace lumarik {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kRegionSteps = 100;

struct FamilyRow {
    std::vector<std::string> names;
    std::vector<std::string> shortNames;  // empty: the long names
    std::vector<ChartPoint> labels;
    std::array<ChartPoint, 3> points;
};

const std::vector<FamilyRow>& LensRows() {
    static const std::vector<FamilyRow> rows = {
        {{"Fischauge"}, {"Fisch"}, {{0.09, 97}}, {{{0.052, 92}, {0.15, 80}, {0.085, 60}}}},
        {{"Angulon", "Biogon"},
         {},
         {{0.06, 80}, {0.06, 65}},
         {{{0.033, 70}, {0.11, 55}, {0.05, 48}}}},
        {{"Retrofokus"}, {"Retro"}, {{0.165, 55}}, {{{0.11, 75}, {0.26, 38}, {0.14, 35}}}},
        {{"Doppel Gauss"}, {"D Gauss"}, {{0.22, 22}}, {{{0.1, 30}, {0.52, 14}, {0.2, 12}}}},
        {{"Triplet"}, {}, {{0.075, 15}}, {{{0.038, 30}, {0.205, 8}, {0.082, 11}}}},
        {{"Landschaftslinse"}, {}, {{0.046, 13}}, {{{0.028, 16}, {0.068, 8.5}, {0.039, 8}}}},
        {{"Petzval"}, {}, {{0.4, 8.5}}, {{{0.22, 14}, {0.61, 7}, {0.3, 7}}}},
        {{"Mikroskopobjektiv"}, {"Mikro"}, {{0.4, 1.5}}, {{{0.16, 1.7}, {0.92, 0.8}, {0.3, 0.6}}}},
        {{"Achromatisches Dublet"},
         {"Achromat"},
         {{0.08, 0.55}},
         {{{0.06, 0.9}, {0.15, 0.27}, {0.07, 0.3}}}},
        {{"Optical Disk Objektiv"},
         {"OD Obj"},
         {{0.45, 0.5}},
         {{{0.25, 0.5}, {0.9, 0.37}, {0.41, 0.3}}}},
        {{"Halo"}, {}, {{0.2, 0.6}}, {{{0.125, 1.1}, {0.25, 0.2}, {0.105, 0.4}}}},
        {{"Orthometar"}, {}, {{0.07, 40}}, {{{0.04, 45}, {0.11, 28}, {0.055, 26}}}},
        {{"Hemiplanar"}, {}, {{0.07, 5}}, {{{0.04, 10}, {0.105, 2.2}, {0.042, 3.3}}}},
        {{"Tessar"}, {}, {{0.13, 20}}, {{{0.09, 25}, {0.1666, 15}, {0.1, 15}}}},
        {{" aufgesp. Triplet"}, {}, {{0.21, 13}}, {{{0.1666, 15}, {0.25, 10}, {0.18, 9}}}},
    };
    return rows;
}

const std::vector<FamilyRow>& MirrorRows() {
    static const std::vector<FamilyRow> rows = {
        {{" Schmidt Cass"}, {}, {{0.18, 5}}, {{{0.117, 6.35}, {0.28, 3.7}, {0.15, 3.2}}}},
        {{"Schmidt"}, {}, {{0.45, 4}}, {{{0.27, 5.8}, {0.65, 2.2}, {0.33, 2.6}}}},
        {{"Cassegrain", "Ritchey-Chretien"},
         {},
         {{0.11, 1.0}, {0.08, 1.2}},
         {{{0.05, 1.2}, {0.2, 0.65}, {0.09, 0.6}}}},
        {{"Parabel"}, {}, {{0.045, 0.35}}, {{{0.025, 0.33}, {0.1, 0.28}, {0.05, 0.21}}}},
    };
    return rows;
}

int RoundPixel(double v) {
    return static_cast<int>(std::lround(v));
}

bool Usable(double v) {
    return std::isfinite(v) && v > 0.0;
}

}  // namespace

std::vector<LensTypeEntry> BuildLensTypeCatalogue(bool mirrorMode) {
    std::vector<LensTypeEntry> entries;
    for (const FamilyRow& row : mirrorMode ? MirrorRows() : LensRows()) {
        LensTypeEntry entry;
        entry.names = row.names;
        entry.shortNames = row.shortNames.empty() ? row.names : row.shortNames;
        entry.labelPositions = row.labels;
        entry.regionPoints = row.points;
        entries.push_back(std::move(entry));
    }
    return entries;
}

int ChartAxis::ToPixel(double value) const {
    const double share = std::log10(value / minimum) / decades;
    const double along = PlotLength() * share;
    return RoundPixel(vertical ? (size - margin) - along : margin + along);
}

double ChartAxis::ToValue(int pixel) const {
    const int length = PlotLength();
    const int r = vertical ? (size - margin) - pixel : pixel - margin;
    if (length <= 0 || r < 0 || r > length) return 0.0;
    return minimum * std::pow(10.0, decades * static_cast<double>(r) / length);
}

ChartAxes ResetChartAxes(bool mirrorMode, int width, int height) {
    ChartAxes axes;
    axes.x = ChartAxis{false, 12, 0.01, 2, width};
    axes.y = ChartAxis{true, 12, 0.1, mirrorMode ? 2 : 3, height};
    return axes;
}

std::vector<ChartPixel> LensTypeRegion(const LensTypeEntry& entry, const ChartAxes& axes) {
    if (axes.Empty()) return {};
    const ChartPixel p1 = axes.ToPixel(entry.regionPoints[0]);
    const ChartPixel p2 = axes.ToPixel(entry.regionPoints[1]);
    const ChartPixel p3 = axes.ToPixel(entry.regionPoints[2]);
    const int cx = RoundPixel((p1.x + p2.x) / 2.0);
    const int cy = RoundPixel((p1.y + p2.y) / 2.0);
    const int hx = RoundPixel((p2.x - p1.x) / 2.0);
    const int hy = RoundPixel((p2.y - p1.y) / 2.0);
    const double a = std::hypot(hx, hy);
    // P1 and P2 on one pixel: no direction to turn by.
    const double cosPhi = a > 0.0 ? hx / a : 1.0;
    const double sinPhi = a > 0.0 ? hy / a : 0.0;
    const double b = std::hypot(p3.x - cx, p3.y - cy);
    std::vector<ChartPixel> points;
    points.reserve(kRegionSteps + 1);
    for (int i = 0; i < kRegionSteps; ++i) {
        const double t = 2.0 * kPi * i / kRegionSteps;
        const double u = a * std::cos(t);
        const double v = b * std::sin(t);
        points.push_back(
            {RoundPixel(cx + u * cosPhi - v * sinPhi), RoundPixel(cy + u * sinPhi + v * cosPhi)});
    }
    points.push_back(points.front());
    return points;
}

std::vector<std::vector<ChartPixel>> BuildLensTypeRegions(const std::vector<LensTypeEntry>& entries,
                                                          const ChartAxes& axes) {
    std::vector<std::vector<ChartPixel>> regions;
    for (const LensTypeEntry& entry : entries) regions.push_back(LensTypeRegion(entry, axes));
    return regions;
}

bool RegionContains(const std::vector<ChartPixel>& region, ChartPixel p) {
    bool inside = false;
    const std::size_t n = region.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const ChartPixel& a = region[i];
        const ChartPixel& b = region[j];
        if ((a.y > p.y) != (b.y > p.y)) {
            const double crossX = a.x + static_cast<double>(p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < crossX) inside = !inside;
        }
    }
    return inside;
}

std::vector<int> FindLensTypesAt(const std::vector<std::vector<ChartPixel>>& regions,
                                 ChartPixel p) {
    std::vector<int> hits;
    for (std::size_t i = 0; i < regions.size() && hits.size() < kMaxReportedLensTypes; ++i) {
        if (RegionContains(regions[i], p)) hits.push_back(static_cast<int>(i));
    }
    return hits;
}

std::string LensClassText(const std::vector<LensTypeEntry>& entries, const std::vector<int>& hits) {
    std::string text;
    for (int hit : hits) {
        text += text.empty() ? " " : " | ";
        text += entries[static_cast<std::size_t>(hit)].names.front();
    }
    return text;
}

bool SmallChartLabelsTick(double fNumber) {
    return fNumber == 50 || fNumber == 5 || fNumber == 1 || fNumber == 0.5;
}

std::string ChartTickText(double fNumber, char decimal) {
    return Format(fNumber, fNumber < 10 ? "0.0" : "0", decimal);
}

std::string ChartDecadeText(double degrees, char decimal) {
    return Format(degrees, "0.0#", decimal);
}

ChartReadout ReadOutAt(const ChartAxes& axes, ChartPixel p, double focalLength,
                       double imageDistance, bool complete, char decimal) {
    return ReadOut({axes.x.ToValue(p.x), axes.y.ToValue(p.y)}, focalLength, imageDistance, complete,
                   decimal);
}

ChartReadout ReadOut(ChartPoint point, double focalLength, double imageDistance, bool complete,
                     char decimal) {
    ChartReadout r;
    r.field = point.field;
    r.na = point.na;
    if (!Usable(r.na)) return r;
    r.fNumber = 1.0 / (2.0 * r.na);
    r.fEffective = std::fabs(r.fNumber * imageDistance / focalLength);
    r.radius = focalLength / (2.0 * r.fNumber);
    const std::string f = Format(r.fNumber, "0.0##", decimal);
    const bool effective = complete && Usable(r.fEffective);
    r.small = effective ? "F/" + Format(r.fEffective, "0.0##", decimal) + " effektiv" : "F/" + f;
    r.full = "F/" + f;
    if (Usable(r.fEffective)) {
        r.full += "  F(eff)/" + Format(r.fEffective, "0.0##", decimal);
        // The image-side aperture of the working F-number.
        r.full += "  NA':" + Format(1.0 / (2.0 * r.fEffective), "0.0##", decimal);
    }
    return r;
}

bool ChartSystemComplete(const LumarikCode& model) {
    return model.Selected().Count() >= kMaxSelected && !model.ApertureMissing() &&
           !model.NoSolution();
}

std::optional<ChartPoint> CurrentChartPoint(const LumarikCode& model) {
    if (!ChartSystemComplete(model)) return std::nullopt;
    const ChartPoint p{
        1.0 / (2.0 * std::fabs(model.ApertureValue(kApFNumber))),
        std::fabs(model.Value(kParObjectAngle) / model.Catalogue().UnitFactor(kParObjectAngle))};
    if (!Usable(p.na) || !Usable(p.field)) return std::nullopt;
    return p;
}

namespace {

void PutBack(VarCollection& records, const std::vector<CVarType>& saved) {
    records.Clear();
    for (const CVarType& record : saved) records.AppendCopy(record);
}

// The saved records with the values the solve gave their parameters.
std::vector<CVarType> Solved(std::vector<CVarType> saved, bool aperture, const LumarikCode& model) {
    for (CVarType& record : saved) {
        const float value =
            aperture ? model.ApertureValue(record.nVarType) : model.Value(record.nVarType);
        if (record.bVarValDef && value == record.sVarValue) continue;
        ExtendLimits(record, value, model.LimitMargin());
        record.sVarValue = value;
        record.bVarValDef = true;
    }
    return saved;
}

}  // namespace

bool ApplyChartPoint(LumarikCode& model, float sNA, float sField) {
    VarCollection& selected = model.Selected();
    VarCollection& apertures = model.Apertures();
    const std::vector<CVarType> savedSelected = selected.Records();
    const std::vector<CVarType> savedApertures = apertures.Records();
    const ParameterCatalogue& catalogue = model.Catalogue();

    const int last = selected.Count();
    if (last == 0) return false;
    if (!selected.Contains(kParObjectAngle)) {
        CVarType w;
        w.nVarType = static_cast<std::int16_t>(kParObjectAngle);
        std::vector<CVarType> records = savedSelected;
        records.back() = w;
        PutBack(selected, records);
    }
    const float current = model.Value(kParObjectAngle);
    const float w = sField * catalogue.UnitFactor(kParObjectAngle);
    const int wPosition = selected.PositionOf(kParObjectAngle);
    selected.SetVarValue(wPosition, current < 0.0f ? -w : w);
    selected.SetVarValDef(wPosition, true);

    CVarType fNumber;
    fNumber.nVarType = static_cast<std::int16_t>(kApFNumber);
    fNumber.sVarValue =
        static_cast<float>(1.0 / (2.0 * sNA)) * catalogue.ApertureUnitFactor(kApFNumber);
    fNumber.bVarValDef = true;
    PutBack(apertures, {fNumber});

    if (!model.Solve(true)) {
        PutBack(selected, savedSelected);
        PutBack(apertures, savedApertures);
        model.Solve(true);
        return false;
    }
    PutBack(selected, Solved(savedSelected, false, model));
    PutBack(apertures, Solved(savedApertures, true, model));
    return true;
}

}  // namespace lumarik
