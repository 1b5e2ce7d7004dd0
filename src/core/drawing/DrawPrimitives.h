// The drawing transform from optical coordinates to canvas pixels and the clipped segment,
// text and box operations that the system drawing and the beam drawing share.
#pragma once

#include <string_view>
#include <vector>

#include "core/drawing/Canvas.h"

namespace lumarik {

// Optical coordinates are millimetres: z along the axis (light travels towards +z), y upwards.
// Pixels: x to the right, y downwards.
//   X(z) = (z - zMin)·xScale + xLeft        Y(y) = yBottom - (y - yMin)·yScale
// The fit keeps the aspect ratio, so xScale equals yScale.
struct DrawTransform {
    float xLeft = 0.0f;    // pixel x of zMin
    float xScale = 1.0f;   // pixels per mm
    float yBottom = 0.0f;  // pixel y of yMin
    float yScale = 1.0f;
    float zMax = 0.0f;
    float zMin = 0.0f;
    float yMax = 0.0f;
    float yMin = 0.0f;

    double X(double z) const { return (z - zMin) * xScale + xLeft; }
    double Y(double y) const { return yBottom - (y - yMin) * yScale; }
    double ZAt(double pixelX) const { return (pixelX - xLeft) / xScale + zMin; }
    double YAt(double pixelY) const { return (yBottom - pixelY) / yScale + yMin; }
    // A length of n pixels in millimetres.
    double ZLength(double pixels) const { return pixels / xScale; }
    double YLength(double pixels) const { return pixels / yScale; }
};

// A closed rectangle; used in millimetres for the drawing's clip and in pixels for symbols.
struct ClipRect {
    double zMin = 0.0;
    double zMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;

    bool Contains(double z, double y) const {
        return z >= zMin && z <= zMax && y >= yMin && y <= yMax;
    }
};

// Cohen–Sutherland: cuts the segment to the part inside the rectangle; false when nothing is
// left. Outcodes 1 left of zMin, 2 right of zMax, 4 below yMin, 8 above yMax. Each cut is
// computed from the other end, so an end at the infinity marker (1e20) leaves no rounding
// error on the border.
bool ClipSegment(const ClipRect& clip, double& z1, double& y1, double& z2, double& y2);

// Sutherland–Hodgman: the part of the closed polygon (z, y in x, y) inside the rectangle; empty
// when nothing is left.
std::vector<PixelPoint> ClipPolygon(const ClipRect& clip, const std::vector<PixelPoint>& polygon);

// Clips (z1, y1)–(z2, y2), maps what is left to whole pixels and draws it; true when drawn.
bool DrawSegment(Canvas& canvas, const DrawTransform& transform, const ClipRect& clip, double z1,
                 double z2, double y1, double y2, Colour colour, PenStyle style, int width);

// The text's top-left corner at (z, y). Unless noClip, nothing is drawn when (z, y) lies outside
// the clip rectangle; with noClip the pixel position is limited to ±100000.
bool DrawText(Canvas& canvas, const DrawTransform& transform, const ClipRect& clip, double z,
              double y, std::string_view text, Colour colour, bool noClip);

void DrawBox(Canvas& canvas, const DrawTransform& transform, double z1, double z2, double yTop,
             double yBottom, Colour colour, bool filled);

}  // namespace lumarik
