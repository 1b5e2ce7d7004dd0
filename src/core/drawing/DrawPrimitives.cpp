#include "core/drawing/DrawPrimitives.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumarik {
namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kBelow = 4;
constexpr int kAbove = 8;

// Every cut puts one end on a border for good, so two cuts per end suffice.
constexpr int kMaxCuts = 4;

constexpr double kTextPixelLimit = 100000.0;

int OutCode(const ClipRect& clip, double z, double y) {
    int code = 0;
    if (z < clip.zMin) {
        code |= kLeft;
    } else if (z > clip.zMax) {
        code |= kRight;
    }
    if (y < clip.yMin) {
        code |= kBelow;
    } else if (y > clip.yMax) {
        code |= kAbove;
    }
    return code;
}

// Moves the end (z, y), whose outcode is `code`, onto the border it lies beyond, along the
// line to the other end (zo, yo).
void Cut(const ClipRect& clip, int code, double zo, double yo, double& z, double& y) {
    if (code & kAbove) {
        z = zo + (z - zo) * (clip.yMax - yo) / (y - yo);
        y = clip.yMax;
    } else if (code & kBelow) {
        z = zo + (z - zo) * (clip.yMin - yo) / (y - yo);
        y = clip.yMin;
    } else if (code & kRight) {
        y = yo + (y - yo) * (clip.zMax - zo) / (z - zo);
        z = clip.zMax;
    } else {
        y = yo + (y - yo) * (clip.zMin - zo) / (z - zo);
        z = clip.zMin;
    }
}

}  // namespace

bool ClipSegment(const ClipRect& clip, double& z1, double& y1, double& z2, double& y2) {
    if (!std::isfinite(z1) || !std::isfinite(y1) || !std::isfinite(z2) || !std::isfinite(y2)) {
        return false;
    }
    int code1 = OutCode(clip, z1, y1);
    int code2 = OutCode(clip, z2, y2);
    for (int cut = 0; cut <= kMaxCuts; ++cut) {
        if ((code1 | code2) == 0) return true;
        if ((code1 & code2) != 0) return false;
        if (code1 != 0) {
            Cut(clip, code1, z2, y2, z1, y1);
            code1 = OutCode(clip, z1, y1);
        } else {
            Cut(clip, code2, z1, y1, z2, y2);
            code2 = OutCode(clip, z2, y2);
        }
    }
    return false;
}

std::vector<PixelPoint> ClipPolygon(const ClipRect& clip, const std::vector<PixelPoint>& polygon) {
    // Each edge of the rectangle as "inside" and the crossing of an edge of the polygon with it.
    struct Border {
        bool vertical;  // a border at constant z
        double at;
        bool keepAbove;
    };
    const Border borders[] = {{true, clip.zMin, true},
                              {true, clip.zMax, false},
                              {false, clip.yMin, true},
                              {false, clip.yMax, false}};
    std::vector<PixelPoint> points = polygon;
    for (const Border& b : borders) {
        if (points.empty()) break;
        const auto inside = [&](const PixelPoint& p) {
            const double v = b.vertical ? p.x : p.y;
            return b.keepAbove ? v >= b.at : v <= b.at;
        };
        const auto cross = [&](const PixelPoint& p, const PixelPoint& q) {
            const double t = b.vertical ? (b.at - p.x) / (q.x - p.x) : (b.at - p.y) / (q.y - p.y);
            return b.vertical ? PixelPoint{b.at, p.y + t * (q.y - p.y)}
                              : PixelPoint{p.x + t * (q.x - p.x), b.at};
        };
        std::vector<PixelPoint> kept;
        kept.reserve(points.size() + 4);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const PixelPoint& p = points[i];
            const PixelPoint& q = points[(i + 1) % points.size()];
            if (inside(p)) {
                kept.push_back(p);
                if (!inside(q)) kept.push_back(cross(p, q));
            } else if (inside(q)) {
                kept.push_back(cross(p, q));
            }
        }
        points = std::move(kept);
    }
    return points;
}

bool DrawSegment(Canvas& canvas, const DrawTransform& transform, const ClipRect& clip, double z1,
                 double z2, double y1, double y2, Colour colour, PenStyle style, int width) {
    if (!ClipSegment(clip, z1, y1, z2, y2)) return false;
    canvas.Line(std::round(transform.X(z1)), std::round(transform.Y(y1)),
                std::round(transform.X(z2)), std::round(transform.Y(y2)), colour, style, width);
    return true;
}

bool DrawText(Canvas& canvas, const DrawTransform& transform, const ClipRect& clip, double z,
              double y, std::string_view text, Colour colour, bool noClip) {
    if (!noClip && !clip.Contains(z, y)) return false;
    double x = transform.X(z);
    double top = transform.Y(y);
    if (!std::isfinite(x) || !std::isfinite(top)) return false;
    x = std::clamp(x, -kTextPixelLimit, kTextPixelLimit);
    top = std::clamp(top, -kTextPixelLimit, kTextPixelLimit);
    canvas.Text(x, top, text, colour);
    return true;
}

void DrawBox(Canvas& canvas, const DrawTransform& transform, double z1, double z2, double yTop,
             double yBottom, Colour colour, bool filled) {
    canvas.Box(transform.X(z1), transform.Y(yTop), transform.X(z2), transform.Y(yBottom), colour,
               filled);
}

}  // namespace lumarik
