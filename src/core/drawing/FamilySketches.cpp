// The cross-sections of the design families: each family is a few lens elements or mirrors in
// sketch units, scaled into the canvas, with rays from a distant object where asked for.
#include <algorithm>
#include <cmath>

#include "core/drawing/ChartDrawing.h"

namespace lumarik {
namespace {

// Sketch units: the axis runs along x from 0 to 1, heights y from -0.35 to 0.35.
constexpr double kSketchHalfHeight = 0.35;
constexpr double kSketchPadding = 8.0;
constexpr double kLeastEdge = 0.012;  // an element's thickness at its rim
constexpr int kSurfaceSteps = 12;
const Colour kGlass = 0x7F3F00u;  // dark blue
const Colour kRay = colours::kRed;

// A lens element: the vertex of its front surface at x, its thickness on the axis, its
// half height, and the sags of front and back at the rim (positive where the surface bulges
// outwards: a biconvex element has both positive).
struct SketchElement {
    double x, thickness, halfHeight, frontSag, backSag;
};

// A mirror facing the light from the left: vertex at x, sag at the rim towards the light
// (negative for a concave primary), with a hole for the light to pass to the image behind.
struct SketchMirror {
    double x, halfHeight, sag;
    bool hole;
};

struct Sketch {
    std::vector<SketchElement> elements;
    std::vector<SketchMirror> mirrors;  // primary first, then the secondary
    double focus;                       // x of the image point on the axis
};

const std::vector<Sketch>& LensSketches() {
    static const std::vector<Sketch> sketches = {
        {{{0.08, 0.04, 0.32, 0.10, -0.16},
          {0.30, 0.03, 0.2, 0.05, -0.08},
          {0.48, 0.07, 0.12, 0.03, 0.03},
          {0.58, 0.07, 0.12, 0.03, 0.03}},
         {},
         0.85},
        {{{0.22, 0.04, 0.2, 0.06, -0.09},
          {0.36, 0.08, 0.15, 0.03, 0.03},
          {0.48, 0.08, 0.15, 0.03, 0.03},
          {0.62, 0.04, 0.2, -0.09, 0.06}},
         {},
         0.9},
        {{{0.08, 0.04, 0.26, 0.06, -0.10},
          {0.22, 0.03, 0.18, 0.03, -0.05},
          {0.45, 0.07, 0.13, 0.03, 0.03},
          {0.55, 0.03, 0.13, -0.03, -0.02},
          {0.62, 0.07, 0.13, 0.03, 0.03}},
         {},
         0.92},
        {{{0.22, 0.08, 0.2, 0.05, 0.01},
          {0.31, 0.06, 0.17, 0.05, -0.07},
          {0.44, 0.06, 0.17, -0.07, 0.05},
          {0.51, 0.08, 0.2, 0.01, 0.05}},
         {},
         0.9},
        {{{0.28, 0.1, 0.18, 0.05, 0.04},
          {0.42, 0.04, 0.14, -0.04, -0.04},
          {0.52, 0.1, 0.18, 0.04, 0.05}},
         {},
         0.9},
        {{{0.4, 0.05, 0.18, -0.05, 0.08}}, {}, 0.9},
        {{{0.15, 0.1, 0.2, 0.06, 0.02},
          {0.25, 0.03, 0.2, -0.02, -0.01},
          {0.52, 0.09, 0.16, 0.04, 0.03},
          {0.61, 0.03, 0.16, -0.03, -0.01}},
         {},
         0.85},
        {{{0.3, 0.05, 0.06, 0.01, 0.02},
          {0.42, 0.07, 0.1, 0.02, 0.03},
          {0.56, 0.09, 0.14, 0.03, 0.04},
          {0.68, 0.11, 0.13, 0.0, 0.05}},
         {},
         0.9},
        {{{0.38, 0.1, 0.18, 0.05, 0.03}, {0.48, 0.03, 0.18, -0.03, -0.005}}, {}, 0.92},
        {{{0.42, 0.18, 0.14, 0.07, 0.03}}, {}, 0.75},
        {{{0.33, 0.08, 0.14, 0.03, 0.04}, {0.48, 0.08, 0.14, 0.03, 0.04}}, {}, 0.85},
        {{{0.26, 0.07, 0.17, 0.05, 0.0},
          {0.36, 0.04, 0.15, -0.03, -0.04},
          {0.47, 0.04, 0.15, -0.04, -0.03},
          {0.54, 0.07, 0.17, 0.0, 0.05}},
         {},
         0.9},
        {{{0.28, 0.1, 0.18, 0.06, 0.02},
          {0.38, 0.03, 0.18, -0.02, -0.04},
          {0.52, 0.08, 0.15, 0.03, 0.03}},
         {},
         0.9},
        {{{0.28, 0.09, 0.18, 0.05, 0.01},
          {0.40, 0.03, 0.14, -0.04, -0.04},
          {0.50, 0.03, 0.15, -0.02, -0.01},
          {0.53, 0.08, 0.16, 0.01, 0.05}},
         {},
         0.9},
        {{{0.26, 0.08, 0.18, 0.05, 0.02},
          {0.35, 0.08, 0.18, 0.03, 0.03},
          {0.47, 0.04, 0.14, -0.04, -0.04},
          {0.57, 0.09, 0.18, 0.04, 0.05}},
         {},
         0.9},
    };
    return sketches;
}

const std::vector<Sketch>& MirrorSketches() {
    static const std::vector<Sketch> sketches = {
        {{{0.2, 0.02, 0.22, 0.0, 0.0}},
         {{0.75, 0.24, -0.04, true}, {0.45, 0.07, -0.01, false}},
         0.88},
        {{{0.12, 0.02, 0.22, 0.0, 0.0}}, {{0.82, 0.26, -0.06, false}}, 0.45},
        {{}, {{0.75, 0.26, -0.05, true}, {0.4, 0.07, -0.01, false}}, 0.88},
        {{}, {{0.8, 0.26, -0.06, false}}, 0.35},
    };
    return sketches;
}

struct SketchFrame {
    double left, middle, scale;
    PixelPoint At(double x, double y) const { return {left + x * scale, middle - y * scale}; }
};

void DrawElement(Canvas& canvas, const SketchFrame& f, SketchElement e) {
    // Sags that would let the surfaces cross before the rim are cut down to a thin rim.
    const double rim = e.thickness - e.frontSag - e.backSag;
    if (rim < kLeastEdge) {
        const double cut = (e.thickness - kLeastEdge) / (e.frontSag + e.backSag);
        e.frontSag *= cut;
        e.backSag *= cut;
    }
    std::vector<PixelPoint> outline;
    for (int i = -kSurfaceSteps; i <= kSurfaceSteps; ++i) {
        const double s = static_cast<double>(i) / kSurfaceSteps;
        outline.push_back(f.At(e.x + e.frontSag * s * s, e.halfHeight * s));
    }
    for (int i = kSurfaceSteps; i >= -kSurfaceSteps; --i) {
        const double s = static_cast<double>(i) / kSurfaceSteps;
        outline.push_back(f.At(e.x + e.thickness - e.backSag * s * s, e.halfHeight * s));
    }
    outline.push_back(outline.front());
    canvas.Polyline(outline, kGlass, PenStyle::kSolid, 1);
}

double MirrorX(const SketchMirror& m, double y) {
    const double s = y / m.halfHeight;
    return m.x + m.sag * s * s;
}

void DrawMirror(Canvas& canvas, const SketchFrame& f, const SketchMirror& m) {
    constexpr double kHole = 0.25;  // share of the half height
    for (int side : {-1, 1}) {
        std::vector<PixelPoint> curve;
        for (int i = 0; i <= kSurfaceSteps; ++i) {
            double s = static_cast<double>(i) / kSurfaceSteps;
            if (m.hole)
                s = kHole + (1.0 - kHole) * s;
            else if (side > 0 && i == 0)
                continue;
            const double y = side * m.halfHeight * s;
            curve.push_back(f.At(MirrorX(m, y), y));
        }
        if (!m.hole && side < 0) std::reverse(curve.begin(), curve.end());
        canvas.Polyline(curve, kGlass, PenStyle::kSolid, 3);
    }
}

void DrawRays(Canvas& canvas, const SketchFrame& f, const Sketch& sketch) {
    const PixelPoint image = f.At(sketch.focus, 0.0);
    if (!sketch.mirrors.empty()) {
        const SketchMirror& primary = sketch.mirrors.front();
        for (double share : {-0.8, -0.5, 0.5, 0.8}) {
            const double y = primary.halfHeight * share;
            const PixelPoint hit = f.At(MirrorX(primary, y), y);
            canvas.Line(f.At(0.0, y).x, hit.y, hit.x, hit.y, kRay, PenStyle::kSolid, 1);
            if (sketch.mirrors.size() > 1) {
                const SketchMirror& secondary = sketch.mirrors[1];
                const double ys = secondary.halfHeight * share;
                const PixelPoint back = f.At(MirrorX(secondary, ys), ys);
                canvas.Line(hit.x, hit.y, back.x, back.y, kRay, PenStyle::kSolid, 1);
                canvas.Line(back.x, back.y, image.x, image.y, kRay, PenStyle::kSolid, 1);
            } else {
                canvas.Line(hit.x, hit.y, image.x, image.y, kRay, PenStyle::kSolid, 1);
            }
        }
        return;
    }
    const SketchElement& first = sketch.elements.front();
    const SketchElement& last = sketch.elements.back();
    for (double share : {-0.7, 0.0, 0.7}) {
        const double y = first.halfHeight * share;
        const double yLast = last.halfHeight * share;
        const PixelPoint in = f.At(first.x, y);
        const PixelPoint out = f.At(last.x + last.thickness, yLast);
        canvas.Line(f.At(0.0, y).x, in.y, in.x, in.y, kRay, PenStyle::kSolid, 1);
        canvas.Line(in.x, in.y, out.x, out.y, kRay, PenStyle::kSolid, 1);
        canvas.Line(out.x, out.y, image.x, image.y, kRay, PenStyle::kSolid, 1);
    }
}

}  // namespace

void DrawFamilySketch(Canvas& canvas, bool mirror, int entry, bool withRays) {
    canvas.Clear();
    const std::vector<Sketch>& sketches = mirror ? MirrorSketches() : LensSketches();
    if (entry < 0 || entry >= static_cast<int>(sketches.size())) return;
    const ScaleRect area = canvas.Scale();
    const double width = area.width - 2.0 * kSketchPadding;
    const double height = area.height - 2.0 * kSketchPadding;
    if (width <= 0.0 || height <= 0.0) return;
    const double scale = std::min(width, height / (2.0 * kSketchHalfHeight));
    const SketchFrame frame{area.left + kSketchPadding + (width - scale) / 2.0,
                            area.top + area.height / 2.0, scale};
    const Sketch& sketch = sketches[static_cast<std::size_t>(entry)];
    canvas.Line(frame.At(0.0, 0.0).x, frame.middle, frame.At(1.0, 0.0).x, frame.middle,
                colours::kBlack, PenStyle::kDotted, 1);
    for (const SketchElement& e : sketch.elements) DrawElement(canvas, frame, e);
    for (const SketchMirror& m : sketch.mirrors) DrawMirror(canvas, frame, m);
    if (withRays) DrawRays(canvas, frame, sketch);
}

}  // namespace lumarik
