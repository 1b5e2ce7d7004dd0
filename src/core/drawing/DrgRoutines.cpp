#include "core/drawing/DrgRoutines.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/drawing/DrawingTexts.h"
#include "core/model/LumarikCode.h"
#include "core/model/Options.h"
#include "core/numeric/Calc.h"

namespace lumarik {
namespace {

constexpr double kMargin = 10.0;       // pixels on every side of the picture
constexpr double kRemoteRatio = 10.0;  // a conjugate this many times farther is remote
constexpr double kEmptyBound = 1e30;   // start of the world box before anything is included
constexpr double kFallbackHalf = 1.0;  // mm on each side of a system without length
constexpr double kHandleLimit = 1e9;   // pixels; far beyond any hit
constexpr double kRemoteLabelGap = 10.0;
constexpr double kArrowLabelGap = 2.0;
constexpr double kLabelLift = 1.2;       // text heights above the axis or a tip
constexpr double kNodalLabelGap = 10.0;  // pixels between the axis and a nodal label's foot
constexpr double kPointTick = 4.0;
constexpr double kShiftLeft = -0.75;  // text widths, for labels of coinciding points
constexpr double kShiftRight = 0.7;
constexpr double kLabelGap = 2.0;  // pixels between labels that would overlap

// Lens and mirror symbol, pixels.
constexpr double kLongEnd = 8.0;
constexpr double kShortEnd = 4.0;
constexpr double kWing = 3.0;
constexpr double kCap = 3.0;

// Everything the drawing reads from the solved model, once per drawing.
struct Situation {
    double a = 0.0;   // object distance, from P
    double ap = 0.0;  // image distance, from P'
    double u = 0.0;
    double up = 0.0;
    double fp = 0.0;
    double d = 0.0;
    double r = 0.0;  // aperture radius
    std::array<double, kCardinalCount> cardinal{};
    bool mirror = false;
    bool aperture = false;
    bool objectAtInfinity = false;
    bool objectRemote = false;
    bool imageAtInfinity = false;
    bool imageRemote = false;
    bool virtualObject = false;
    bool imageDotted = false;  // a virtual image, not at infinity
    bool construction = false;
    bool drawPoints = false;
    bool nodalPoints = false;
    // The image-side conjugate the rays run to. An image at infinity is put |a'| ahead of the
    // lens (behind it for a mirror), in the direction of w', so the rays leave the lens
    // parallel instead of running back to -1e20.
    double imageZ = 0.0;
    double imageY = 0.0;
};

Situation Read(const LumarikCode& code, const Options& options) {
    Situation s;
    s.a = code.Value(kParObjectDist);
    s.ap = code.Value(kParImageDist);
    s.u = code.Value(kParObjectHeight);
    s.up = code.Value(kParImageHeight);
    s.fp = code.Value(kParFocal);
    s.d = code.Constants().D();
    s.mirror = code.Constants().MirrorMode();
    s.aperture = !code.ApertureMissing();
    s.r = s.aperture ? std::fabs(code.ApertureValue(kApStopRadius)) : 0.0;
    for (int i = 0; i < kCardinalCount; ++i) {
        s.cardinal[static_cast<std::size_t>(i)] = code.CardinalPoint(i);
    }
    const bool hide = options.hideRemConj;
    s.objectAtInfinity = code.Value(kParObjectDist) == kInfinity;
    s.imageAtInfinity = code.IsImageAtInfinity() || code.Value(kParImageDist) == kInfinity;
    s.objectRemote =
        s.objectAtInfinity || (hide && std::fabs(s.a) > kRemoteRatio * std::fabs(s.ap));
    // An image at infinity is always remote: its distance would shrink the drawing to a dot.
    s.imageRemote = s.imageAtInfinity || (hide && std::fabs(s.ap) > kRemoteRatio * std::fabs(s.a));
    s.virtualObject = code.IsVirtualObject();
    s.imageDotted = code.IsVirtualImage() && !s.imageAtInfinity;
    s.construction = options.drawHaltingRay;
    s.drawPoints = options.drawPoints;
    s.nodalPoints = code.Constants().N() != code.Constants().NPrime();
    if (s.imageAtInfinity) {
        const double side = s.mirror ? -1.0 : 1.0;
        const double wp = code.Value(kParImageAngle);
        const double sign = wp > 0.0 ? 1.0 : (wp < 0.0 ? -1.0 : 0.0);
        s.imageZ = s.d + side * std::fabs(s.ap);
        s.imageY = side * sign * std::fabs(s.up);
    } else {
        s.imageZ = s.d + s.ap;
        s.imageY = s.up;
    }
    return s;
}

// A remote conjugate is left out; the side it would take gets the length of the other side.
WorldBox ComputeExtents(const Situation& s) {
    double zMin = kEmptyBound;
    double zMax = -kEmptyBound;
    const auto include = [&](double z) {
        zMin = std::min(zMin, z);
        zMax = std::max(zMax, z);
    };
    if (s.objectRemote) {
        zMin = s.imageRemote ? 0.0 : -std::fabs(s.ap);
    } else {
        include(s.a);
        include(0.0);
    }
    include(s.d);
    if (!s.imageRemote) {
        include(s.d + s.ap);
    } else if (!s.objectRemote) {
        include(s.d + (s.mirror ? -std::fabs(s.a) : std::fabs(s.a)));
    }
    for (double z : s.cardinal) include(z);
    if (s.aperture) {
        if (zMin == 0.0) zMin -= s.r;
        if (zMax == s.d) zMax += s.r;
    }

    double half = 0.0;
    if (!s.objectRemote) half = std::max(half, std::fabs(s.u));
    if (s.aperture) half = std::max(half, s.r);
    if (!s.imageRemote) half = std::max(half, std::fabs(s.up));
    if (s.aperture) {
        if (s.objectRemote) {
            half = std::max(half, 1.2 * s.r + (s.imageRemote ? 0.0 : std::fabs(s.up)));
        } else if (s.imageRemote) {
            half = std::max(half, s.r + std::fabs(s.u));
        }
    }
    // f' = 0 with the object at infinity leaves nothing but the lens.
    if (!(zMax > zMin)) {
        zMin = std::min(0.0, s.d) - kFallbackHalf;
        zMax = std::max(0.0, s.d) + kFallbackHalf;
    }
    if (half == 0.0) half = 0.1 * (zMax - zMin);
    if (s.construction && (s.a < 0.0 || s.virtualObject)) half *= 1.1;
    return {zMin, zMax, -half, half};
}

// The largest box with the world's aspect ratio, centred in the inner rectangle.
DrawTransform Fit(const WorldBox& world, double left, double top, double width, double height) {
    const double worldWidth = world.zMax - world.zMin;
    const double worldHeight = world.yMax - world.yMin;
    const double boxRatio = width / height;
    const double worldRatio = worldWidth / worldHeight;
    double usedWidth = width;
    double usedHeight = height;
    if (worldRatio <= boxRatio) {
        usedWidth = width * worldRatio / boxRatio;
    } else {
        usedHeight = height * boxRatio / worldRatio;
    }
    DrawTransform t;
    t.xLeft = static_cast<float>(left + (width - usedWidth) / 2.0);
    t.xScale = static_cast<float>(usedWidth / worldWidth);
    t.yBottom = static_cast<float>(top + (height + usedHeight) / 2.0);
    t.yScale = static_cast<float>(usedHeight / worldHeight);
    t.zMax = static_cast<float>(world.zMax);
    t.zMin = static_cast<float>(world.zMin);
    t.yMax = static_cast<float>(world.yMax);
    t.yMin = static_cast<float>(world.yMin);
    return t;
}

// Normally the aperture radius; in construction-ray mode, and without an aperture, the larger
// of the heights that are drawn.
double LensHalfHeight(const Situation& s) {
    if (!s.construction && s.aperture) return s.r;
    double h = -1.0;
    if (!s.objectRemote) h = std::fabs(s.u);
    if (!s.imageRemote) h = std::max(h, std::fabs(s.up));
    if (h < 0.0) h = s.r;
    return h;
}

float HandleValue(double pixels) {
    return static_cast<float>(std::clamp(pixels, -kHandleLimit, kHandleLimit));
}

PenStyle Pen(bool dotted) {
    return dotted ? PenStyle::kDotted : PenStyle::kSolid;
}

class Painter {
public:
    Painter(Canvas& canvas, const Situation& s, const DrawTransform& t, const ClipRect& clip,
            double h, const ScaleRect& picture)
        : m_canvas(canvas),
          m_s(s),
          m_t(t),
          m_clip(clip),
          m_h(h),
          m_picture{picture.left, picture.left + picture.width, picture.top,
                    picture.top + picture.height} {}

    void Axis() { Segment(m_t.zMin, 0.0, m_t.zMax, 0.0, colours::kBlack, PenStyle::kSolid, 1); }

    void Rays() {
        const Situation& s = m_s;
        if (!s.construction) {
            Bundle(s.a, s.u, 0.0, s.virtualObject);
            Bundle(s.imageZ, s.imageY, s.d, s.imageDotted);
            return;
        }
        const double nodal = s.mirror ? 0.0 : s.cardinal[kCardN];
        const double nodalPrime = s.mirror ? s.d : s.cardinal[kCardNPrime];
        if (!s.objectRemote) {
            Ray(s.a, s.u, 0.0, s.u, colours::kRed, s.virtualObject);
            Ray(s.imageZ, s.imageY, s.d, s.u, colours::kRed, s.imageDotted);
        }
        Ray(s.a, s.u, nodal, 0.0, colours::kGreen, s.virtualObject);
        Ray(s.imageZ, s.imageY, nodalPrime, 0.0, colours::kGreen, s.imageDotted);
        if (!s.imageRemote) {
            Ray(s.a, s.u, 0.0, s.up, colours::kBlue, s.virtualObject);
            Ray(s.imageZ, s.imageY, s.d, s.up, colours::kBlue, s.imageDotted);
        }
    }

    void Arrows() {
        const Situation& s = m_s;
        Segment(s.a, 0.0, s.a, s.u, colours::kBlack, Pen(s.virtualObject), 1);
        Segment(s.d + s.ap, 0.0, s.d + s.ap, s.up, colours::kBlack, Pen(s.imageDotted), 1);
        ObjectLabel();
        ImageLabel();
        if (!s.objectRemote) TakeArrow(s.a, s.u);
        if (!s.imageRemote) TakeArrow(s.d + s.ap, s.up);
    }

    void Lens(std::string_view pLabel, std::string_view pPrimeLabel) {
        const Situation& s = m_s;
        if (s.d != 0.0) {
            // Blanks the rays between the principal planes.
            DrawBox(m_canvas, m_t, 0.0, s.d, std::min(m_h, m_clip.yMax),
                    std::max(-m_h, m_clip.yMin), colours::kWhite, true);
        }
        Segment(0.0, m_h, 0.0, -m_h, colours::kBlack, PenStyle::kSolid, 2);
        const double top = std::round(m_t.Y(m_h));
        const double bottom = std::round(m_t.Y(-m_h));
        const double xP = std::round(m_t.X(0.0));
        if (s.mirror) {
            const double side = s.fp > 0.0 ? 1.0 : -1.0;
            PixelLine(xP, top, xP + side * kWing, top - kLongEnd, 2);
            PixelLine(xP, bottom, xP + side * kWing, bottom + kLongEnd, 2);
        } else {
            const double zPPrime = s.d + m_t.ZLength(1.0);
            Segment(zPPrime, m_h, zPPrime, -m_h, colours::kBlack, PenStyle::kSolid, 2);
            const double xPPrime = std::round(m_t.X(zPPrime));
            if (s.aperture) {
                PixelLine(xP, top, xP - kCap, top, 2);
                PixelLine(xP, bottom, xP - kCap, bottom, 2);
                PixelLine(xPPrime, top, xPPrime + kCap, top, 2);
                PixelLine(xPPrime, bottom, xPPrime + kCap, bottom, 2);
            }
            const double outerP = s.d < 0.0 ? 1.0 : -1.0;
            PlaneEnds(xP, top, bottom, outerP);
            PlaneEnds(xPPrime, top, bottom, -outerP);
        }
        if (s.drawPoints) {
            const bool exchanged = s.d < 0.0;
            const double axis = m_t.Y(0.0);
            PointLabel(0.0, pLabel, colours::kRed, exchanged ? -kShiftLeft : kShiftLeft, axis,
                       -1.0);
            PointLabel(s.d, pPrimeLabel, colours::kRed, exchanged ? -kShiftRight : kShiftRight,
                       axis, 1.0);
        }
    }

    // Focal points (index kCardF) or nodal points (kCardN) with their ticks and labels.
    void Points(int first, std::string_view label, std::string_view primeLabel, Colour colour) {
        const double z = m_s.cardinal[static_cast<std::size_t>(first)];
        const double zPrime = m_s.cardinal[static_cast<std::size_t>(first + 1)];
        const double tick = m_t.YLength(kPointTick);
        Segment(z, 0.0, z, tick, colour, PenStyle::kSolid, 1);
        Segment(zPrime, 0.0, zPrime, tick, colour, PenStyle::kSolid, 1);
        // Points that fall on one pixel (always in mirror mode) get their labels side by side.
        const bool apart = m_s.mirror || std::fabs(m_t.X(z) - m_t.X(zPrime)) < 0.5;
        double top = m_t.Y(0.0);
        if (first == kCardN) {
            top -= kNodalLabelGap +
                   std::max(m_canvas.TextHeight(label), m_canvas.TextHeight(primeLabel));
        }
        PointLabel(z, label, colour, apart ? kShiftLeft : 0.0, top, -1.0);
        PointLabel(zPrime, primeLabel, colour, apart ? kShiftRight : 0.0, top, 1.0);
    }

private:
    struct PixelBox {
        double left, right, top, bottom;
    };

    void Segment(double z1, double y1, double z2, double y2, Colour colour, PenStyle style,
                 int width) {
        DrawSegment(m_canvas, m_t, m_clip, z1, z2, y1, y2, colour, style, width);
    }

    // Symbol strokes are given in pixels; they stay inside the picture.
    void PixelLine(double x1, double y1, double x2, double y2, int width) {
        const ClipRect picture{m_picture.left, m_picture.right, m_picture.top, m_picture.bottom};
        if (!ClipSegment(picture, x1, y1, x2, y2)) return;
        m_canvas.Line(x1, y1, x2, y2, colours::kBlack, PenStyle::kSolid, width);
    }

    // The part of a ray between a conjugate point and a plane, dotted for a virtual conjugate;
    // the dotted ray continues solid beyond the plane, away from the conjugate, over the
    // horizontal length h: the real part of the bundle.
    void Ray(double conjZ, double conjY, double planeZ, double planeY, Colour colour, bool dotted) {
        Segment(conjZ, conjY, planeZ, planeY, colour, Pen(dotted), 1);
        if (!dotted || planeZ == conjZ || m_h == 0.0) return;
        const double slope = (planeY - conjY) / (planeZ - conjZ);
        const double dz = planeZ > conjZ ? m_h : -m_h;
        Segment(planeZ, planeY, planeZ + dz, planeY + slope * dz, colour, PenStyle::kSolid, 1);
    }

    void Bundle(double conjZ, double conjY, double planeZ, bool dotted) {
        Ray(conjZ, conjY, planeZ, 0.0, colours::kBlack, dotted);
        Ray(conjZ, conjY, planeZ, m_h, colours::kBlack, dotted);
        Ray(conjZ, conjY, planeZ, -m_h, colours::kBlack, dotted);
        Ray(conjZ, 0.0, planeZ, m_h, colours::kRed, dotted);
    }

    // Positive lens: the plane line runs on into an outward arrowhead; negative: inward. Only
    // the wing on the outer side of this plane is drawn; P and P' together make the symbol.
    void PlaneEnds(double x, double top, double bottom, double outer) {
        const bool positive = m_s.fp > 0.0;
        const double tip = positive ? kLongEnd : kShortEnd;
        const double wing = positive ? kShortEnd : kLongEnd;
        PixelLine(x, top, x, top - tip, 1);
        PixelLine(x, top - tip, x + outer * kWing, top - wing, 1);
        PixelLine(x, bottom, x, bottom + tip, 1);
        PixelLine(x, bottom + tip, x + outer * kWing, bottom + wing, 1);
    }

    bool OnAxisInClip(double z) const { return m_clip.Contains(z, 0.0); }

    // Shows the whole label inside the picture, on whole pixels. With a side (-1 left, +1
    // right), a label that would cover an arrow or a label shown before it moves sideways to
    // the nearest place where it covers nothing (to `side` when both ways are as near); it
    // stays where it is when there is no such place.
    void Label(double x, double top, std::string_view text, Colour colour, double side = 0.0) {
        const double width = m_canvas.TextWidth(text);
        const double height = m_canvas.TextHeight(text);
        x = std::clamp(x, m_picture.left, std::max(m_picture.left, m_picture.right - width));
        top = std::clamp(top, m_picture.top, std::max(m_picture.top, m_picture.bottom - height));
        const auto covers = [&](double left) {
            return std::any_of(m_taken.begin(), m_taken.end(), [&](const PixelBox& b) {
                return left < b.right + kLabelGap && left + width + kLabelGap > b.left &&
                       top < b.bottom && top + height > b.top;
            });
        };
        if (side != 0.0 && covers(x)) {
            double best = x;
            double bestShift = -1.0;
            for (const PixelBox& b : m_taken) {
                for (double left : {b.left - kLabelGap - width, b.right + kLabelGap}) {
                    if (left < m_picture.left || left + width > m_picture.right || covers(left)) {
                        continue;
                    }
                    const double shift = std::fabs(left - x);
                    if (bestShift < 0.0 || shift < bestShift ||
                        (shift == bestShift && (left - x) * side > 0.0)) {
                        best = left;
                        bestShift = shift;
                    }
                }
            }
            x = best;
        }
        x = std::round(x);
        top = std::round(top);
        m_taken.push_back({x, x + width, top, top + height});
        m_canvas.Text(x, top, text, colour);
    }

    // The arrow of a conjugate at z: point labels keep off it.
    void TakeArrow(double z, double height) {
        if (!OnAxisInClip(z)) return;
        const double x = m_t.X(z);
        const double y1 = m_t.Y(std::clamp(height, m_clip.yMin, m_clip.yMax));
        const double y2 = m_t.Y(0.0);
        m_taken.push_back({x - 1.0, x + 1.0, std::min(y1, y2), std::max(y1, y2)});
    }

    // Centred on z, moved by `shift` text widths; shown while its point is within the clip.
    void PointLabel(double z, std::string_view text, Colour colour, double shift, double top,
                    double side) {
        if (!OnAxisInClip(z)) return;
        const double width = m_canvas.TextWidth(text);
        Label(m_t.X(z) - width / 2.0 + shift * width, top, text, colour, side);
    }

    void ObjectLabel() {
        const Situation& s = m_s;
        const std::string_view text = s.objectAtInfinity ? drawtexts::kObjectAtInfinity
                                      : s.objectRemote   ? drawtexts::kObjectRemote
                                                         : drawtexts::kObject;
        const double width = m_canvas.TextWidth(text);
        const double height = m_canvas.TextHeight(text);
        if (s.objectRemote) {
            // At the left border, where the object's rays come in.
            double x = m_t.X(s.a) - kRemoteLabelGap - width;
            if (x < m_picture.left) {
                x = m_t.X(m_t.zMin) - width;
                if (x < m_picture.left) x = m_picture.left;
            }
            // With the tip outside the box the label stands on its top edge, above the rays
            // that come in from the border.
            const bool tipInBox = s.u >= m_t.yMin && s.u <= m_t.yMax;
            Label(x, tipInBox ? m_t.Y(s.u) : m_t.Y(m_t.yMax) - height, text, colours::kBlack);
            return;
        }
        if (!OnAxisInClip(s.a)) return;
        const double axis = m_t.Y(0.0);
        if (s.imageRemote) {
            Label(m_t.X(s.a) - width - kArrowLabelGap, m_t.Y(s.u) - height / 2.0, text,
                  colours::kBlack);
        } else {
            Label(m_t.X(s.a) - width / 2.0, s.u > 0.0 ? axis : axis - kLabelLift * height, text,
                  colours::kBlack);
        }
    }

    void ImageLabel() {
        const Situation& s = m_s;
        const std::string_view text = s.imageAtInfinity ? drawtexts::kImageAtInfinity
                                      : s.imageRemote   ? drawtexts::kImageRemote
                                                        : drawtexts::kImage;
        const double width = m_canvas.TextWidth(text);
        const double height = m_canvas.TextHeight(text);
        if (s.imageRemote) {
            // At the border on the image side: right for a lens, left for a mirror.
            double x = 0.0;
            if (s.mirror) {
                x = std::max(m_t.X(m_t.zMin) - width, m_picture.left);
            } else {
                x = m_t.X(m_t.zMax);
                if (x + width > m_picture.right) x = m_picture.right - width;
            }
            Label(x, m_t.Y(m_t.yMax), text, colours::kBlack);
            return;
        }
        const double z = s.d + s.ap;
        if (!OnAxisInClip(z)) return;
        double top = m_t.Y(0.0);
        if (s.objectRemote) {
            top = s.up >= 0.0 ? m_t.Y(s.up) - kLabelLift * height : m_t.Y(s.up);
        } else if (s.up <= 0.0) {
            top -= kLabelLift * height;
        }
        Label(m_t.X(z) - width / 2.0, top, text, colours::kBlack);
    }

    Canvas& m_canvas;
    std::vector<PixelBox> m_taken;  // the labels shown so far and the arrows
    const Situation& m_s;
    const DrawTransform& m_t;
    const ClipRect& m_clip;
    double m_h;
    PixelBox m_picture;
};

}  // namespace

bool SystemSolved(const LumarikCode& code) {
    if (code.NoSolution() || code.Selected().Count() != kMaxSelected) return false;
    const auto& records = code.Selected().Records();
    return std::all_of(records.begin(), records.end(),
                       [](const CVarType& record) { return record.bVarValDef; });
}

bool DrgRoutines::Redraw(Canvas& canvas, const LumarikCode& code, const Options& options,
                         bool dragInProgress) {
    canvas.Clear();
    return DrawSystem(canvas, code, options, dragInProgress);
}

bool DrgRoutines::DrawSystem(Canvas& canvas, const LumarikCode& code, const Options& options,
                             bool dragInProgress) {
    const ScaleRect picture = canvas.Scale();
    const double left = picture.left + kMargin;
    const double top = picture.top + kMargin;
    const double width = picture.width - 2.0 * kMargin;
    const double height = picture.height - 2.0 * kMargin;
    if (!SystemSolved(code) || !(width > 0.0) || !(height > 0.0)) {
        if (!dragInProgress) m_handles.valid = false;
        return false;
    }
    const Situation s = Read(code, options);
    // During a drag the whole transform of the press is kept, not only the world box: a press
    // that changes the chosen parameters may relayout the window and resize the picture, and
    // the grab handles of the press must still lie where the drawing shows them.
    const bool frozen = dragInProgress && m_hasExtents;
    if (!frozen) {
        m_extents = ComputeExtents(s);
        m_hasExtents = true;
        m_transform = Fit(m_extents, left, top, width, height);
    }
    const DrawTransform& t = m_transform;
    m_clip.yMin = t.YAt(top + height);
    m_clip.yMax = t.YAt(top);
    if (dragInProgress) {
        // Never less than at the press: the rounded transform can put the picture's edge a
        // hair inside an element drawn on it, which would vanish as the drag starts.
        m_clip.zMin = std::min(t.ZAt(left), m_extents.zMin);
        m_clip.zMax = std::max(t.ZAt(left + width), m_extents.zMax);
    } else {
        m_clip.zMin = m_extents.zMin;
        m_clip.zMax = m_extents.zMax;
    }
    m_lensHeight = LensHalfHeight(s);

    if (!frozen) {
        GrabHandles& g = m_handles;
        g.position[kHandleAxisY] = HandleValue(t.Y(0.0));
        g.position[kHandleObjectTipY] = HandleValue(t.Y(s.u));
        g.position[kHandleImageTipY] = HandleValue(t.Y(s.up));
        g.position[kHandleLensTopY] = HandleValue(t.Y(m_lensHeight));
        g.position[kHandleLensBottomY] = HandleValue(t.Y(-m_lensHeight));
        g.position[kHandleObjectX] = HandleValue(t.X(s.a));
        g.position[kHandleFX] = HandleValue(t.X(s.cardinal[kCardF]));
        g.position[kHandlePX] = HandleValue(t.X(0.0));
        g.position[kHandlePPrimeX] = HandleValue(t.X(s.d));
        g.position[kHandleFPrimeX] = HandleValue(t.X(s.cardinal[kCardFPrime]));
        g.position[kHandleImageX] = HandleValue(t.X(s.d + s.ap));
        g.valid = true;
        g.objectShown = !s.objectRemote;
        g.imageShown = !s.imageRemote;
        g.apertureDefined = s.aperture;
    }

    Painter painter(canvas, s, t, m_clip, m_lensHeight, picture);
    painter.Axis();
    painter.Rays();
    painter.Arrows();
    const ParameterCatalogue& catalogue = code.Catalogue();
    painter.Lens(catalogue.CardinalSymbol(kCardP), catalogue.CardinalSymbol(kCardPPrime));
    if (s.drawPoints) {
        painter.Points(kCardF, catalogue.CardinalSymbol(kCardF),
                       catalogue.CardinalSymbol(kCardFPrime), colours::kBlue);
        if (s.nodalPoints) {
            painter.Points(kCardN, catalogue.CardinalSymbol(kCardN),
                           catalogue.CardinalSymbol(kCardNPrime), colours::kMagenta);
        }
    }
    return true;
}

}  // namespace lumarik
