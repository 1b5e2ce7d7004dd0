#include "core/drawing/DrgRoutinesGB.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/beam/BeamRelations.h"
#include "core/beam/GaussianBeam.h"
#include "core/drawing/DrawingTexts.h"
#include "core/format/Format.h"

namespace lumarik {
namespace {

constexpr double kPlotInset = 15.0;    // plot area from the panel's left, right and top edge
constexpr double kLabelStrip = 45.0;   // from the panel's bottom edge: the labels' strip
constexpr int kLabelRows = 3;          // s, s' and I; P, P', F and F'; the image waist's limit
constexpr double kLabelSpacing = 3.0;  // between two labels that would overlap
constexpr double kWideAspect = 1.1;
constexpr double kTallAspect = 0.9;
constexpr double kEnvelopeSag = 0.25;  // pixels between an envelope chord and the curve
constexpr int kInsetSteps = 100;
constexpr double kInsetSag = 0.25;  // pixels between a thinned inset curve and its samples
constexpr double kInsetHalf = 5.0;  // the insets span −5..5 in both coordinates
constexpr double kInsetHeightShare = 0.35;
constexpr double kInsetWidthShare = 0.2;
constexpr double kInsetLeast = 30.0;  // pixels; smaller insets are left out
constexpr double kInsetGap = 4.0;     // between the envelope and an inset, and between insets
constexpr double kInsetLabelPad = 2.0;
constexpr double kLegendSample = 24.0;  // the line that shows a section's style in the legend
constexpr double kPointRadius = 5.0;
constexpr double kPointMarkHeight = 0.02;  // of ymax, for F and F'
constexpr double kLensShiftAtZeroGap = 8.0;
constexpr double kImageMarkLength = 15.0;
constexpr double kImageMarkWidth = 3.0;
constexpr double kObjRayleighRow = 14.0;
constexpr double kImgRayleighRow = 20.0;
constexpr double kHandleLimit = 1e9;
constexpr double kLabelGap = 3.0;
constexpr double kCylinderGap = 3.0;  // pixels between the two faces of a cylinder lens
constexpr double kReadoutTop = 2.0;
constexpr double kReadoutPad = 2.0;
constexpr double kCursorTop = 15.0;
constexpr double kFlatBeyond = 10000.0;  // mm; larger curvature radii in exponent form

// RGB with red in the low byte.
constexpr Colour kShadeRed = 0xDCDCFFu;
constexpr Colour kShadeBlue = 0xFFDCDCu;
constexpr Colour kPrintShadeRed = 0x7878FFu;
constexpr Colour kPrintShadeBlue = 0xFF7878u;
constexpr Colour kInsetAxes = 0xA0A0A0u;

float HandlePixel(double pixels) {
    if (std::isnan(pixels)) return static_cast<float>(kHandleLimit);
    return static_cast<float>(std::clamp(pixels, -kHandleLimit, kHandleLimit));
}

bool Finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

// Draws the world polyline as clipped runs of pixel points: a segment cut by the clip ends one
// run, the next visible segment starts another.
void ClippedPolyline(Canvas& canvas, const DrawTransform& t, const ClipRect& clip,
                     const std::vector<PixelPoint>& world, Colour colour,
                     PenStyle style = PenStyle::kSolid) {
    std::vector<PixelPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) canvas.Polyline(run, colour, style, 1);
        run.clear();
    };
    for (std::size_t i = 1; i < world.size(); ++i) {
        double z1 = world[i - 1].x, y1 = world[i - 1].y, z2 = world[i].x, y2 = world[i].y;
        const bool startKept = clip.Contains(z1, y1);
        if (!ClipSegment(clip, z1, y1, z2, y2)) {
            flush();
            continue;
        }
        if (!startKept || run.empty()) {
            flush();
            run.push_back({t.X(z1), t.Y(y1)});
        }
        run.push_back({t.X(z2), t.Y(y2)});
        if (!clip.Contains(world[i].x, world[i].y)) flush();
    }
    flush();
}

// Marks the point between `first` and `last` farthest from their chord, when it lies further
// than `tolerance`, and so on in both halves (Douglas–Peucker).
void MarkBends(const std::vector<PixelPoint>& points, std::size_t first, std::size_t last,
               double tolerance, std::vector<bool>& kept) {
    const PixelPoint& a = points[first];
    const double dx = points[last].x - a.x, dy = points[last].y - a.y;
    const double length = std::hypot(dx, dy);
    double farthest = tolerance;
    std::size_t at = first;
    for (std::size_t i = first + 1; i < last; ++i) {
        const double cross = (points[i].x - a.x) * dy - (points[i].y - a.y) * dx;
        const double off = length > 0.0 ? std::fabs(cross) / length
                                        : std::hypot(points[i].x - a.x, points[i].y - a.y);
        if (off > farthest) {
            farthest = off;
            at = i;
        }
    }
    if (at == first) return;
    kept[at] = true;
    MarkBends(points, first, at, tolerance, kept);
    MarkBends(points, at, last, tolerance, kept);
}

// The points that matter for a polyline: each point left out lies within `tolerance` of the
// chord between the points kept on either side of it.
std::vector<PixelPoint> Thinned(const std::vector<PixelPoint>& points, double tolerance) {
    if (points.size() <= 2) return points;
    std::vector<bool> kept(points.size(), false);
    kept.front() = kept.back() = true;
    MarkBends(points, 0, points.size() - 1, tolerance, kept);
    std::vector<PixelPoint> thinned;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (kept[i]) thinned.push_back(points[i]);
    }
    return thinned;
}

// One section's beam as the drawing reads it: positions from the object waist, radii scaled by
// the section's drawing factor.
struct SectionBeam {
    double p = 0.0, pPrime = 0.0, f = 0.0, fPrime = 0.0;
    double imageWaist = 0.0, imageWaistMax = 0.0, detector = 0.0, geometricImage = 0.0;
    double r = 0.0, rImage = 0.0, zr = 0.0, zrImage = 0.0;
    double lensRadius = 0.0, detectorRadius = 0.0, smallestSpot = 0.0;
    double factor = 1.0;
    double focal = 0.0;
    double sOverF = 0.0, sImageOverF = 0.0, zrOverF = 0.0, m = 0.0;
};

SectionBeam ReadSection(const GaussianBeam& beam, int axis) {
    SectionBeam s;
    const auto res = [&](int k) { return beam.GetBeamResult(axis, k); };
    const auto val = [&](int n) { return beam.GetBeamValue(axis, n); };
    s.p = res(kResP);
    s.pPrime = res(kResPPrime);
    s.f = res(kResF);
    s.fPrime = res(kResFPrime);
    s.imageWaist = res(kResImageWaist);
    s.imageWaistMax = res(kResImageWaistMax);
    s.detector = res(kResDetector);
    s.geometricImage = res(kResGeometricImage);
    s.factor = beam.GetBeamMFactor(axis);
    s.lensRadius = res(kResLensRadius) * s.factor;
    s.detectorRadius = res(kResDetectorRadius) * s.factor;
    s.smallestSpot = res(kResSmallestSpotRadius) * s.factor;
    s.r = std::fabs(val(kBeamObjRadius));
    s.rImage = std::fabs(val(kBeamImgRadius));
    s.zr = std::fabs(val(kBeamObjRayleigh));
    s.zrImage = std::fabs(val(kBeamImgRayleigh));
    s.focal = val(kBeamFocal);
    s.sOverF = res(kResSOverF);
    s.sImageOverF = res(kResSImageOverF);
    s.zrOverF = res(kResZrOverF);
    s.m = val(kBeamMag);
    return s;
}

// The labels written in one strip, so that a label never covers another one, also one of the
// other section where both share a panel.
struct LabelRow {
    PixelBox strip;  // where labels may stand
    std::vector<PixelBox> boxes;
    std::vector<std::pair<std::string, double>> written;  // text and the x it was centred on
};

// Where a label of the given box goes: where it is, when that covers no label written; else the
// nearest place beside a written label that covers none and stays within [left, right]. With no
// such place it stays where it is.
double FreeLabelX(const std::vector<PixelBox>& written, const PixelBox& label, double left,
                  double right) {
    const double width = label.Width();
    const auto free = [&](double x) {
        if (x < left || x + width > right) return false;
        const PixelBox at{x, label.top, x + width, label.bottom};
        return std::none_of(written.begin(), written.end(),
                            [&](const PixelBox& box) { return box.Overlaps(at); });
    };
    if (free(label.left)) return label.left;
    double best = label.left;
    double bestShift = INFINITY;
    for (const PixelBox& box : written) {
        for (double x : {std::round(box.right + kLabelSpacing),
                         std::round(box.left - kLabelSpacing - width)}) {
            const double shift = std::fabs(x - label.left);
            if (shift < bestShift && free(x)) {
                best = x;
                bestShift = shift;
            }
        }
    }
    return best;
}

class SectionPainter {
public:
    SectionPainter(Canvas& canvas, const GaussianBeam& beam, const SectionBeam& s,
                   const DrawTransform& t, const ClipRect& clip, const BeamDrawOptions& options,
                   LabelRow& labels)
        : m_canvas(canvas),
          m_labels(labels),
          m_beam(beam),
          m_s(s),
          m_t(t),
          m_clip(clip),
          m_options(options) {}

    void Axis() { Segment(m_t.zMin, 0.0, m_t.zMax, 0.0, colours::kBlack, PenStyle::kSolid); }

    // The shaded insides first: in the single panel of a laser diode both sections' shades lie
    // under both sections' outlines.
    void Shades(bool printing) {
        EachSide(
            [&](const std::vector<PixelPoint>& upper, Colour, Colour shade, Colour printShade) {
                std::vector<PixelPoint> inside = upper;
                for (auto it = upper.rbegin(); it != upper.rend(); ++it)
                    inside.push_back({it->x, -it->y});
                inside = ClipPolygon(m_clip, inside);
                for (PixelPoint& p : inside) p = {m_t.X(p.x), m_t.Y(p.y)};
                if (inside.size() >= 3) m_canvas.Polygon(inside, printing ? printShade : shade);
            });
    }

    // The y section sharing the panel with the x section is told apart by its dotted outline.
    void Outlines(PenStyle sectionStyle) {
        const auto outline = [&](const std::vector<PixelPoint>& upper, Colour colour,
                                 PenStyle style) {
            std::vector<PixelPoint> lower = upper;
            for (PixelPoint& p : lower) p.y = -p.y;
            ClippedPolyline(m_canvas, m_t, m_clip, upper, colour, style);
            ClippedPolyline(m_canvas, m_t, m_clip, lower, colour, style);
        };
        EachSide([&](const std::vector<PixelPoint>& upper, Colour colour, Colour, Colour) {
            outline(upper, colour, sectionStyle);
        });
        // A virtual object waist (behind the lens): the incoming beam converges toward it, and
        // its continuation beyond the lens, which the light never takes, is dotted.
        const SectionBeam& s = m_s;
        if (s.p < 0.0) {
            outline(UpperEnvelope(s.p, 0.0, 0.0, s.r), colours::kRed, PenStyle::kDotted);
        }
    }

    // The position markers of the table of positions, with their labels in the bottom strip.
    void Markers(double labelTop, bool zeroGap) {
        const SectionBeam& s = m_s;
        const GaussianBeam& b = m_beam;
        const BeamSymbols& symbols = b.Symbols();
        const double ymax = m_t.yMax;
        Segment(0.0, 0.0, 0.0, s.r * s.factor, colours::kRed, PenStyle::kDotted);
        Label(0.0, labelTop, symbols.Symbol(kBeamObjectDist), colours::kRed);
        // With P' on P the front plane steps aside, so that both lines show.
        const double pShift = zeroGap ? m_t.ZLength(kLensShiftAtZeroGap) : 0.0;
        Segment(s.p - pShift, -s.lensRadius, s.p - pShift, s.lensRadius, colours::kBlack,
                PenStyle::kSolid);
        Segment(s.pPrime, -s.lensRadius, s.pPrime, s.lensRadius, colours::kBlack, PenStyle::kSolid);
        Segment(s.f, 0.0, s.f, kPointMarkHeight * ymax, colours::kBlack, PenStyle::kSolid);
        Segment(s.fPrime, 0.0, s.fPrime, kPointMarkHeight * ymax, colours::kBlack,
                PenStyle::kSolid);
        const double pointRow = labelTop + m_canvas.TextHeight("P") + 1.0;
        if (m_options.drawPoints) {
            Label(s.p - pShift, pointRow, symbols.ResultSymbol(kResP), colours::kBlack);
            Label(s.pPrime, pointRow, symbols.ResultSymbol(kResPPrime), colours::kBlack);
            Label(s.f, pointRow, symbols.ResultSymbol(kResF), colours::kBlack);
            Label(s.fPrime, pointRow, symbols.ResultSymbol(kResFPrime), colours::kBlack);
        }
        Segment(s.imageWaist, 0.0, s.imageWaist, s.rImage * s.factor, colours::kBlue,
                PenStyle::kDotted);
        Label(s.imageWaist, labelTop, symbols.Symbol(kBeamImageDist), colours::kBlue);
        Segment(s.imageWaistMax, 0.0, s.imageWaistMax, s.smallestSpot, colours::kBlack,
                PenStyle::kSolid);
        // Often between the image waist and F': a row of its own.
        Label(s.imageWaistMax, pointRow + m_canvas.TextHeight("s"),
              symbols.ResultSymbol(kResImageWaistMax), colours::kBlack);
        if (b.DetectorOn()) {
            Segment(s.detector, 0.0, s.detector, s.detectorRadius, colours::kGreen,
                    PenStyle::kDotted);
        }
        // The geometric image hangs from the top of the plot; far away it is not drawn at all.
        if (s.geometricImage >= m_t.zMin && s.geometricImage <= m_t.zMax) {
            const double x = std::round(m_t.X(s.geometricImage));
            const double top = std::round(m_t.Y(m_t.yMax));
            for (double dx = -1.0; dx < kImageMarkWidth - 1.0; dx += 1.0) {
                m_canvas.Line(x + dx, top, x + dx, top + kImageMarkLength, colours::kBlack,
                              PenStyle::kSolid, 1);
            }
            Label(s.geometricImage, labelTop, symbols.ResultSymbol(kResGeometricImage),
                  colours::kBlack);
        }
    }

    // A cylinder lens that acts in this section: two faces; one that acts in the other: dotted.
    void Cylinder(double z, double halfHeight, bool acting) {
        if (acting) {
            const double gap = m_t.ZLength(kCylinderGap);
            Segment(z - gap, -halfHeight, z - gap, halfHeight, colours::kBlack, PenStyle::kSolid);
            Segment(z + gap, -halfHeight, z + gap, halfHeight, colours::kBlack, PenStyle::kSolid);
            Segment(z - gap, halfHeight, z + gap, halfHeight, colours::kBlack, PenStyle::kSolid);
            Segment(z - gap, -halfHeight, z + gap, -halfHeight, colours::kBlack, PenStyle::kSolid);
        } else {
            Segment(z, -halfHeight, z, halfHeight, colours::kBlack, PenStyle::kDotted);
        }
    }

private:
    void Segment(double z1, double y1, double z2, double y2, Colour colour, PenStyle style) {
        DrawSegment(m_canvas, m_t, m_clip, z1, z2, y1, y2, colour, style, 1);
    }

    // Centred below the plot on z, while z lies in the range; a label that would cover one
    // already written moves to the nearest free place beside it. The same label at the same
    // place (both sections of one panel) is written once.
    void Label(double z, double top, std::string_view text, Colour colour) {
        if (!(z >= m_clip.zMin && z <= m_clip.zMax)) return;
        const double centre = m_t.X(z);
        for (const auto& [written, at] : m_labels.written) {
            if (written == text && std::fabs(at - centre) < 0.5) return;
        }
        const double width = m_canvas.TextWidth(text);
        const double x = std::round(centre - width / 2.0), y = std::round(top);
        PixelBox box{x, y, x + width, y + m_canvas.TextHeight(text)};
        box.left = FreeLabelX(m_labels.boxes, box, m_labels.strip.left, m_labels.strip.right);
        box.right = box.left + width;
        m_labels.boxes.push_back(box);
        m_labels.written.emplace_back(std::string(text), centre);
        m_canvas.Text(box.left, box.top, text, colour);
    }

    // The object side from its waist to P (a virtual waist: from the left end to P), the image
    // side from P' to the detector or the end.
    template <typename Draw>
    void EachSide(Draw draw) {
        const SectionBeam& s = m_s;
        const std::vector<PixelPoint> object =
            s.p < 0.0 ? UpperEnvelope(m_t.zMin, s.p, 0.0, s.r) : UpperEnvelope(0.0, s.p, 0.0, s.r);
        if (!object.empty()) draw(object, colours::kRed, kShadeRed, kPrintShadeRed);
        const double end = m_beam.DetectorOn() ? s.detector : m_t.zMax;
        const std::vector<PixelPoint> image = UpperEnvelope(s.pPrime, end, s.imageWaist, s.rImage);
        if (!image.empty()) draw(image, colours::kBlue, kShadeBlue, kPrintShadeBlue);
    }

    // w(z) = r·√(1 + ((z − waist)/zr)²)·factor in millimetres over the visible part of
    // `from`..`to`; empty when nothing of it shows or it is not finite. The steps are as short
    // as the bend at the waist needs for the chords to stay within kEnvelopeSag pixels of the
    // curve, and no shorter than a pixel column.
    std::vector<PixelPoint> UpperEnvelope(double from, double to, double waist, double r) const {
        const double lo = std::max(from, static_cast<double>(m_t.zMin));
        const double hi = std::min(to, static_cast<double>(m_t.zMax));
        if (!(hi > lo)) return {};
        const double lambda = m_beam.GetWavelengthMm();
        const double columns = std::ceil((hi - lo) * m_t.xScale);
        // w'' at the waist is r/zr² = λ²/(π²·r³); in pixels it grows by yScale/xScale².
        const double bend = lambda * lambda / (kBeamPi * kBeamPi * r * r * r) * m_s.factor *
                            m_t.yScale / (m_t.xScale * m_t.xScale);
        const double step = std::sqrt(8.0 * kEnvelopeSag / bend);
        const double steps = std::clamp(std::ceil(columns / step), 1.0, std::max(columns, 1.0));
        const int count =
            std::isfinite(steps) ? static_cast<int>(steps) : static_cast<int>(columns);
        std::vector<PixelPoint> upper;
        upper.reserve(static_cast<std::size_t>(count) + 1);
        for (int i = 0; i <= count; ++i) {
            const double z = lo + (hi - lo) * i / count;
            const double w = BeamRadiusAt(z - waist, r, lambda) * m_s.factor;
            if (!Finite(z, w)) return {};
            upper.push_back({z, w});
        }
        return upper;
    }

    Canvas& m_canvas;
    LabelRow& m_labels;
    const GaussianBeam& m_beam;
    const SectionBeam& m_s;
    const DrawTransform& m_t;
    const ClipRect& m_clip;
    const BeamDrawOptions& m_options;
};

// The normalised inset in the square `box`: y(x) over s/f' = −5..5 with the current system
// marked.
void Inset(Canvas& canvas, const PixelBox& box, double (*curve)(double, double), double zrOverF,
           bool plotted, double currentX, double currentY, std::string_view xLabel,
           std::string_view yLabel) {
    const double left = box.left, bottom = box.bottom, side = box.Width();
    canvas.Box(left, bottom - side, left + side, bottom, colours::kWhite, true);
    canvas.Box(left, bottom - side, left + side, bottom, colours::kBlack, false);
    DrawTransform t;
    t.xLeft = static_cast<float>(left);
    t.xScale = static_cast<float>(side / (2.0 * kInsetHalf));
    t.yBottom = static_cast<float>(bottom);
    t.yScale = t.xScale;
    t.zMin = t.yMin = static_cast<float>(-kInsetHalf);
    t.zMax = t.yMax = static_cast<float>(kInsetHalf);
    const ClipRect clip{-kInsetHalf, kInsetHalf, -kInsetHalf, kInsetHalf};
    DrawSegment(canvas, t, clip, -kInsetHalf, kInsetHalf, 0.0, 0.0, kInsetAxes, PenStyle::kSolid,
                1);
    DrawSegment(canvas, t, clip, 0.0, 0.0, -kInsetHalf, kInsetHalf, kInsetAxes, PenStyle::kSolid,
                1);
    canvas.Text(left + side - canvas.TextWidth(xLabel) - kInsetLabelPad,
                bottom - canvas.TextHeight(xLabel) - 1.0, xLabel, colours::kBlack);
    canvas.Text(left + kInsetLabelPad, bottom - side + 1.0, yLabel, colours::kBlack);
    if (!plotted) return;
    std::vector<PixelPoint> points;
    points.reserve(kInsetSteps + 1);
    for (int i = 0; i <= kInsetSteps; ++i) {
        const double x = -kInsetHalf + 2.0 * kInsetHalf * i / kInsetSteps;
        const double y = curve(x, zrOverF);
        if (std::isfinite(y)) points.push_back({x, y});
    }
    // Sampled evenly, the flat stretches of a curve carry far more points than they show.
    ClippedPolyline(canvas, t, clip, Thinned(points, kInsetSag / t.xScale), colours::kRed);
    if (clip.Contains(currentX, currentY)) {
        canvas.Circle(t.X(currentX), t.Y(currentY), kPointRadius, colours::kBlue, false);
    }
}

// s'/f' = 1 + (x − 1)/((x − 1)² + (zr/f')²) and m = 1/√((1 − x)² + (zr/f')²), x = s/f'.
double ImageOverFocal(double x, double k) {
    const double denominator = (x - 1.0) * (x - 1.0) + k * k;
    return denominator == 0.0 ? NAN : 1.0 + (x - 1.0) / denominator;
}

double Magnification(double x, double k) {
    const double sum = (1.0 - x) * (1.0 - x) + k * k;
    return sum > 0.0 ? 1.0 / std::sqrt(sum) : NAN;
}

std::string Slash(const std::string& a, const std::string& b) {
    return a + "/" + b;
}

bool YSectionDrawn(const GaussianBeam& beam) {
    return beam.DiodeMode() && beam.AxisSolved(1);
}

// The axis labels of the insets: s/f' under both, s'/f' and m at their left.
struct InsetLabels {
    explicit InsetLabels(const BeamSymbols& symbols)
        : x(Slash(symbols.Symbol(kBeamObjectDist), symbols.Symbol(kBeamFocal))),
          ratio(Slash(symbols.Symbol(kBeamImageDist), symbols.Symbol(kBeamFocal))),
          m(symbols.Symbol(kBeamMag)) {}
    std::string x, ratio, m;
};

// The largest radius drawn within the range. Each part of an envelope grows away from its
// waist, so it is largest at the end of its visible stretch farther from the waist: the object
// side from its waist to P (a virtual waist: from the left end to P, continued dotted to the
// waist), the image side from P' to the detector or the right end. The radius at the lens when
// no part shows.
double LargestRadiusShown(const GaussianBeam& beam, const ZRange& range, int sections) {
    const double lambda = beam.GetWavelengthMm();
    double ymax = 0.0;
    for (int axis = 0; axis < sections; ++axis) {
        const SectionBeam s = ReadSection(beam, axis);
        const auto largest = [&](double from, double to, double waist, double r) {
            const double lo = std::max(from, range.zMin), hi = std::min(to, range.zMax);
            if (!(hi >= lo)) return 0.0;
            const double far = std::fabs(lo - waist) > std::fabs(hi - waist) ? lo : hi;
            return BeamRadiusAt(far - waist, r, lambda) * s.factor;
        };
        const double end = beam.DetectorOn() ? s.detector : range.zMax;
        const double object =
            s.p < 0.0 ? largest(range.zMin, 0.0, 0.0, s.r) : largest(0.0, s.p, 0.0, s.r);
        double radius = std::max(object, largest(s.pPrime, end, s.imageWaist, s.rImage));
        if (!(radius > 0.0)) radius = s.lensRadius;
        if (std::isfinite(radius)) ymax = std::max(ymax, radius);
    }
    return ymax;
}

// One text of a section's legend, at x from the legend's left on its row.
struct LegendPart {
    std::string_view text;
    Colour colour;
    double x;
    int row;
};

// A section's legend as it flows over rows above its plot within `room`: its name (in a shared
// panel followed by a stretch of its line style), then after the first name of the panel the
// two parts of the colour key, each on the first free row when it does not fit beside what
// stands before it. `rows` is the number of rows the panel's legend takes.
std::vector<LegendPart> LegendFlow(const Canvas& canvas, bool shared, int axis, double room,
                                   int& rows) {
    const std::string_view name = axis == 0 ? drawtexts::kSectionX : drawtexts::kSectionY;
    rows = shared ? 2 : 1;
    std::vector<LegendPart> parts{{name, colours::kBlack, 0.0, shared ? axis : 0}};
    if (shared && axis == 1) {
        int keyRows = 0;
        LegendFlow(canvas, shared, 0, room, keyRows);
        rows = keyRows;
        return parts;
    }
    double x = canvas.TextWidth(name) + canvas.TextWidth("  ");
    if (shared) x += canvas.TextWidth(" ") + kLegendSample;
    int row = parts.front().row;
    for (const auto& [text, colour] : {std::pair{drawtexts::kLegendObjectSide, colours::kRed},
                                       std::pair{drawtexts::kLegendImageSide, colours::kBlue}}) {
        const double width = canvas.TextWidth(text);
        if (x > 0.0 && x + width > room) {
            row = rows++;
            x = 0.0;
        }
        parts.push_back({text, colour, x, row});
        x += width;
    }
    return parts;
}

// The room of a legend line over the panel's plot.
double LegendRoom(const PixelBox& panel) {
    return panel.Width() - 2.0 * kPlotInset - kLabelGap;
}

}  // namespace

bool ScaleModeUsesDistance(int mode) {
    return mode == kScaleFromObject || mode == kScaleAroundLens || mode == kScaleToImage;
}

double FixedDistanceInUse(const GaussianBeam& beam, double stored) {
    return stored > 0.0 ? stored : beam.BeamExtentMax() - beam.BeamExtentMin();
}

ZRange BeamScaleRange(const GaussianBeam& beam, int mode, double fixedDistance) {
    const ZRange automatic{beam.BeamExtentMin(), beam.BeamExtentMax()};
    const double length = FixedDistanceInUse(beam, fixedDistance);
    const double p = beam.GetBeamResult(0, kResP);
    const double pPrime = beam.GetBeamResult(0, kResPPrime);
    const double focal = std::fabs(beam.GetBeamValue(0, kBeamFocal));
    ZRange range = automatic;
    switch (mode) {
        case kScaleFromObject:
            range = {0.0, length};
            break;
        case kScaleAroundLens: {
            const double centre = (p + pPrime) / 2.0;
            range = {centre - length, centre + length};
            break;
        }
        case kScaleToImage: {
            const double waist = beam.GetBeamResult(0, kResImageWaist);
            range = {waist - length, waist};
            break;
        }
        case kScaleTwoFocal:
        case kScaleThreeFocal:
        case kScaleFourFocal: {
            const double times = mode - kScaleTwoFocal + 2;
            range = {p - times * focal, pPrime + times * focal};
            break;
        }
        default:
            break;
    }
    if (!Finite(range.zMin, range.zMax) || !(range.zMax > range.zMin)) range = automatic;
    if (!Finite(range.zMin, range.zMax) || !(range.zMax > range.zMin)) range = {p - 1.0, p + 1.0};
    return range;
}

BeamLayout LayoutForAspect(double width, double height) {
    if (height == 0.0) return width > 0.0 ? BeamLayout::kSideBySide : BeamLayout::kOne;
    const double aspect = width / std::fabs(height);
    if (aspect > kWideAspect) return BeamLayout::kSideBySide;
    if (aspect < kTallAspect) return BeamLayout::kStacked;
    return BeamLayout::kOne;
}

void PaintReadout(Canvas& canvas, const BeamReadout& readout) {
    if (!readout.shown) return;
    canvas.Line(readout.cursorX, readout.cursorTop, readout.cursorX, readout.cursorBottom,
                colours::kBlack, PenStyle::kSolid, 1);
    // Too wide for the picture, the curvature goes to a second line, and a line still too wide
    // breaks at its blanks; what is then wider than the room right of the cursor moves left.
    const ScaleRect picture = canvas.Scale();
    const double right = picture.left + picture.width - kReadoutPad;
    const std::string_view text(readout.text);
    std::vector<std::string_view> parts{text};
    const std::size_t cut = text.find(drawtexts::kCurvature);
    if (readout.textX + canvas.TextWidth(text) > right && cut != std::string::npos)
        parts = {text.substr(0, cut), text.substr(cut + 1)};
    std::vector<std::string_view> lines;
    for (std::string_view part : parts) {
        while (readout.textX + canvas.TextWidth(part) > right) {
            std::size_t blank = part.rfind(' ');
            while (blank != std::string_view::npos && blank > 0 &&
                   readout.textX + canvas.TextWidth(part.substr(0, blank)) > right)
                blank = part.rfind(' ', blank - 1);
            if (blank == std::string_view::npos || blank == 0) break;
            lines.push_back(part.substr(0, blank));
            part = part.substr(blank + 1);
        }
        lines.push_back(part);
    }
    // One white block under all lines, so that nothing beneath shows between them.
    double widest = 0.0, height = 0.0;
    for (std::string_view line : lines) {
        widest = std::max(widest, canvas.TextWidth(line));
        height += canvas.TextHeight(line);
    }
    const double x = std::max(picture.left + kReadoutPad, std::min(readout.textX, right - widest));
    double top = readout.textY;
    canvas.Box(x - kReadoutPad, top, x + widest + kReadoutPad, top + height, colours::kWhite, true);
    for (std::string_view line : lines) {
        canvas.Text(x, top, line, colours::kBlack);
        top += canvas.TextHeight(line);
    }
}

bool LayoutBeamPanel(const PixelBox& panel, double legendHeight, double labelStrip,
                     double leastInset, BeamPanelLayout& layout) {
    layout = {};
    const PixelBox plot{panel.left + kPlotInset, panel.top + kPlotInset + legendHeight,
                        panel.right - kPlotInset, panel.bottom - labelStrip};
    layout.labels = {panel.left, plot.bottom, panel.right, panel.bottom};
    layout.envelope = plot;
    if (plot.Empty()) return false;
    // Whole pixels keep the insets' frames sharp.
    const double side =
        std::floor(std::min(kInsetHeightShare * plot.Height(), kInsetWidthShare * plot.Width()));
    if (!(side >= leastInset)) return true;
    auto& [ratio, magnification] = layout.insets;
    layout.insetsBeside = plot.Width() > plot.Height() && 2.0 * side + kInsetGap <= plot.Height();
    if (layout.insetsBeside) {
        layout.envelope.right = plot.right - side - kInsetGap;
        ratio = {plot.right - side, plot.top, plot.right, plot.top + side};
    } else {
        layout.envelope.bottom = plot.bottom - side - kInsetGap;
        ratio = {plot.left, plot.bottom - side, plot.left + side, plot.bottom};
    }
    magnification = {plot.right - side, plot.bottom - side, plot.right, plot.bottom};
    return !layout.envelope.Empty();
}

bool DrgRoutinesGB::Arrange(const Canvas& canvas, const GaussianBeam& beam,
                            const BeamDrawOptions& options, int sections) {
    const ScaleRect picture = canvas.Scale();
    m_layout = sections == 2 ? LayoutForAspect(picture.width, picture.height) : BeamLayout::kOne;
    m_pictureLeft = picture.left;
    m_pictureTop = picture.top;
    const ZRange range = BeamScaleRange(beam, options.scaleMode, options.fixedDistance);
    const double ymax = LargestRadiusShown(beam, range, sections);
    if (!(ymax > 0.0) || !std::isfinite(ymax)) return false;
    const double textHeight = canvas.TextHeight("Ag");
    const double labelStrip = std::max(kLabelStrip, kLabelGap + kLabelRows * textHeight + 2.0);
    // Two labels in each inset, in opposite corners, that must not meet.
    const InsetLabels insetLabels(beam.Symbols());
    double leastInset = std::max(kInsetLeast, 2.0 * textHeight + 3.0);
    for (const std::string& label : {insetLabels.x, insetLabels.ratio, insetLabels.m})
        leastInset = std::max(leastInset, canvas.TextWidth(label) + 2.0 * kInsetLabelPad);
    for (int i = 0; i < sections; ++i) {
        Section& s = m_sections[static_cast<std::size_t>(i)];
        PixelBox& panel = s.panel;
        panel = {picture.left, picture.top, picture.left + picture.width,
                 picture.top + picture.height};
        if (m_layout == BeamLayout::kSideBySide) {
            const double middle = picture.left + picture.width / 2.0;
            (i == 0 ? panel.right : panel.left) = middle;
        } else if (m_layout == BeamLayout::kStacked) {
            const double middle = picture.top + picture.height / 2.0;
            (i == 0 ? panel.bottom : panel.top) = middle;
        }
        int legendRows = 0;
        if (sections == 2)
            LegendFlow(canvas, m_layout == BeamLayout::kOne, i, LegendRoom(panel), legendRows);
        if (!LayoutBeamPanel(panel, legendRows * textHeight, labelStrip, leastInset, s.layout))
            return false;
        const PixelBox& envelope = s.layout.envelope;
        DrawTransform& t = s.transform;
        t.xLeft = static_cast<float>(envelope.left);
        t.xScale = static_cast<float>(envelope.Width() / (range.zMax - range.zMin));
        t.yBottom = static_cast<float>(envelope.bottom);
        t.yScale = static_cast<float>(envelope.Height() / (2.0 * ymax));
        t.zMin = static_cast<float>(range.zMin);
        t.zMax = static_cast<float>(range.zMax);
        t.yMin = static_cast<float>(-ymax);
        t.yMax = static_cast<float>(ymax);
        if (!(t.xScale > 0.0f) || !(t.yScale > 0.0f) || !std::isfinite(t.xScale) ||
            !std::isfinite(t.yScale)) {
            return false;
        }
        s.clip = {t.zMin, t.zMax, t.yMin, t.yMax};
    }
    return true;
}

void DrgRoutinesGB::StoreHandles(const GaussianBeam& beam) {
    const SectionBeam s = ReadSection(beam, 0);
    const DrawTransform& t = m_sections[0].transform;
    auto& p = m_handles.position;
    const double axis = t.Y(0.0);
    p[kBeamHandleAxisY] = HandlePixel(axis);
    p[kBeamHandleObjRadiusY] = HandlePixel(t.Y(s.r * s.factor));
    p[kBeamHandleObjRayleighY] = HandlePixel(axis + kObjRayleighRow);
    p[kBeamHandleLensRadiusY] = HandlePixel(t.Y(s.lensRadius));
    p[kBeamHandleImgRadiusY] = HandlePixel(t.Y(s.rImage * s.factor));
    p[kBeamHandleImgRayleighY] = HandlePixel(axis + kImgRayleighRow);
    p[kBeamHandleDetectorRadiusY] = HandlePixel(t.Y(s.detectorRadius));
    p[kBeamHandleObjWaistX] = HandlePixel(t.X(0.0));
    p[kBeamHandleObjRayleighX] = HandlePixel(t.X(s.zr));
    p[kBeamHandleFX] = HandlePixel(t.X(s.f));
    p[kBeamHandlePX] = HandlePixel(t.X(s.p));
    p[kBeamHandlePPrimeX] = HandlePixel(t.X(s.pPrime));
    p[kBeamHandleFPrimeX] = HandlePixel(t.X(s.fPrime));
    p[kBeamHandleImgWaistX] = HandlePixel(t.X(s.imageWaist));
    p[kBeamHandleImgRayleighX] = HandlePixel(t.X(s.imageWaist - s.zrImage));
    p[kBeamHandleDetectorX] = HandlePixel(t.X(s.detector));
    m_handles.valid = true;
}

bool DrgRoutinesGB::RedrawBeam(Canvas& canvas, const GaussianBeam& beam,
                               const BeamDrawOptions& options, bool dragInProgress) {
    canvas.Clear();
    const bool frozen = dragInProgress && m_sectionCount > 0;
    if (!beam.AxisSolved(0)) {
        if (!frozen) {
            m_sectionCount = 0;
            m_handles.valid = false;
        }
        return false;
    }
    const int sections = YSectionDrawn(beam) ? 2 : 1;
    if (!frozen) {
        m_sectionCount = Arrange(canvas, beam, options, sections) ? sections : 0;
        if (m_sectionCount == 0) {
            m_handles.valid = false;
            return false;
        }
        StoreHandles(beam);
    }
    const int drawn = std::min(sections, m_sectionCount);
    const bool circularised = drawn == 2 && beam.Circularise();
    const bool shared = m_layout == BeamLayout::kOne;
    std::array<SectionBeam, 2> read{};
    for (int axis = 0; axis < drawn; ++axis)
        read[static_cast<std::size_t>(axis)] = ReadSection(beam, axis);

    const InsetLabels insetLabels(beam.Symbols());
    const bool zeroGap = beam.Optics().principalGap == 0.0;
    std::array<LabelRow, 2> labels{};
    const auto painter = [&](int axis) {
        const Section& section = m_sections[static_cast<std::size_t>(axis)];
        LabelRow& row = labels[static_cast<std::size_t>(shared ? 0 : axis)];
        row.strip = section.layout.labels;
        return SectionPainter(canvas, beam, read[static_cast<std::size_t>(axis)], section.transform,
                              section.clip, options, row);
    };
    // In the single panel the sections overlap: every shade goes under every outline, and the
    // insets over both.
    for (int axis = 0; axis < drawn; ++axis) {
        SectionPainter section = painter(axis);
        section.Axis();
        section.Shades(options.printing);
    }
    const double textHeight = canvas.TextHeight("Ag");
    for (int axis = 0; axis < drawn; ++axis) {
        const Section& section = m_sections[static_cast<std::size_t>(axis)];
        const SectionBeam& s = read[static_cast<std::size_t>(axis)];
        SectionPainter drawer = painter(axis);
        const PenStyle style = shared && axis == 1 ? PenStyle::kDotted : PenStyle::kSolid;
        drawer.Outlines(style);
        drawer.Markers(section.layout.labels.top + kLabelGap, zeroGap);
        if (circularised) {
            const SectionBeam& other = read[static_cast<std::size_t>(1 - axis)];
            drawer.Cylinder(s.p, s.lensRadius, true);
            drawer.Cylinder(other.p, s.lensRadius, false);
        }
        if (sections == 2) {
            // Red and blue tell the object and the image side in both sections: the names are
            // black, the key follows the first name of the panel, and in the shared panel a
            // stretch of line after each name shows its style.
            const double left = section.panel.left + kPlotInset + kLabelGap;
            const double top = section.panel.top + kPlotInset;
            int rows = 0;
            for (const LegendPart& part :
                 LegendFlow(canvas, shared, axis, LegendRoom(section.panel), rows)) {
                const double y = top + part.row * textHeight;
                canvas.Text(left + part.x, y, part.text, part.colour);
                if (shared && part.colour == colours::kBlack) {
                    const double x = left + canvas.TextWidth(part.text) + canvas.TextWidth(" ");
                    const double middle = std::round(y + textHeight / 2.0);
                    canvas.Line(x, middle, x + kLegendSample, middle, colours::kBlack, style, 1);
                }
            }
        }
    }
    for (int axis = 0; axis < drawn; ++axis) {
        const Section& section = m_sections[static_cast<std::size_t>(axis)];
        const SectionBeam& s = read[static_cast<std::size_t>(axis)];
        const auto& [ratio, magnification] = section.layout.insets;
        if (!ratio.Empty() && (axis == 0 || !shared)) {
            const bool plotted = s.focal != 0.0;
            Inset(canvas, ratio, ImageOverFocal, s.zrOverF, plotted, s.sOverF, s.sImageOverF,
                  insetLabels.x, insetLabels.ratio);
            Inset(canvas, magnification, Magnification, s.zrOverF, plotted, s.sOverF, s.m,
                  insetLabels.x, insetLabels.m);
        }
    }
    return true;
}

BeamReadout DrgRoutinesGB::ReadoutAt(double x, double y, const GaussianBeam& beam,
                                     char decimalSep) const {
    BeamReadout readout;
    if (m_sectionCount == 0 || !beam.AxisSolved(0)) return readout;
    int axis = 0;
    if (m_sectionCount == 2) {
        if (m_layout == BeamLayout::kSideBySide && x >= m_sections[1].panel.left) axis = 1;
        if (m_layout == BeamLayout::kStacked && y >= m_sections[1].panel.top) axis = 1;
    }
    if (axis == 1 && !beam.AxisSolved(1)) return readout;
    const Section& section = m_sections[static_cast<std::size_t>(axis)];
    const PixelBox& envelope = section.layout.envelope;
    if (x < envelope.left || x > envelope.right) return readout;
    const DrawTransform& t = section.transform;
    const SectionBeam s = ReadSection(beam, axis);
    const bool objectSide = t.ZAt(x) < s.p;
    const double waist = objectSide ? 0.0 : s.imageWaist;
    const double r0 = objectSide ? s.r : s.rImage;
    // On the waist's pixel column the mouse is at the waist.
    const double distance = std::fabs(x - t.X(waist)) < 0.5 ? 0.0 : t.ZAt(x) - waist;
    const double radius = beam.BeamRadiusAt(distance, r0) * s.factor;
    const double curvature = beam.WavefrontRadiusAt(distance, r0);
    const auto shown = [&](double value, std::string_view pattern) {
        return std::isfinite(value) ? Format(value, pattern, decimalSep) : std::string();
    };
    std::string text(objectSide ? drawtexts::kToObject : drawtexts::kToImage);
    text += shown(distance, "0.0mm");
    text += drawtexts::kRadius;
    text += shown(radius, "0.0##mm");
    // One panel for both sections of a laser diode: the y section's radius at the same place
    // follows in brackets, as in the listing.
    if (m_sectionCount == 2 && m_layout == BeamLayout::kOne && beam.AxisSolved(1)) {
        const SectionBeam y = ReadSection(beam, 1);
        const double z = t.ZAt(x);
        const bool yObject = z < y.p;
        const double yRadius =
            beam.BeamRadiusAt(z - (yObject ? 0.0 : y.imageWaist), yObject ? y.r : y.rImage) *
            y.factor;
        text += " [" + shown(yRadius, "0.0##mm") + "]";
    }
    text += drawtexts::kCurvature;
    if (distance == 0.0) {
        text += drawtexts::kPlane;
    } else {
        text += shown(curvature, std::fabs(curvature) < kFlatBeyond ? "0.0##mm" : "0.0e+00mm");
    }
    readout.shown = true;
    readout.text = std::move(text);
    readout.textX = m_pictureLeft + kReadoutPad;
    readout.textY = m_pictureTop + kReadoutTop;
    readout.cursorX = std::round(x);
    readout.cursorTop = m_pictureTop + kCursorTop;
    readout.cursorBottom = envelope.bottom;
    return readout;
}

}  // namespace lumarik
