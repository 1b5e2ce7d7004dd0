// The surface the drawings paint on: the screen widget, the printer and image export each
// implement it, the tests record what is painted. All coordinates are the canvas's own scale
// units (pixels), x to the right and y downwards.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumarik {

// RGB with red in the low byte (255 = red, 16711680 = blue); the canvas converts.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour kBlack = 0x000000u;
constexpr Colour kRed = 0x0000FFu;
constexpr Colour kGreen = 0x00FF00u;
constexpr Colour kBlue = 0xFF0000u;
constexpr Colour kMagenta = 0xFF00FFu;
constexpr Colour kWhite = 0xFFFFFFu;
}  // namespace colours

enum class PenStyle { kSolid, kDotted };

// The canvas's coordinate system: the scale units of its left and top edge and its size.
struct ScaleRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

struct PixelPoint {
    double x = 0.0;
    double y = 0.0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual ScaleRect Scale() const = 0;
    // Paints the whole surface in the background colour.
    virtual void Clear() = 0;
    virtual void Line(double x1, double y1, double x2, double y2, Colour colour, PenStyle style,
                      int width) = 0;
    // (x, y) is the top-left corner of the text's box.
    virtual void Text(double x, double y, std::string_view text, Colour colour) = 0;
    // Text turned to read upwards, as along a y axis; (x, y) is the bottom-left corner of the
    // turned text's box. A surface that cannot turn text writes it level, ending at y.
    virtual void TextUp(double x, double y, std::string_view text, Colour colour) {
        Text(x, y - TextHeight(text), text, colour);
    }
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;
    // Corners (x1, y1) and (x2, y2) in any order; outlined with a solid pen of width 1.
    virtual void Box(double x1, double y1, double x2, double y2, Colour colour, bool filled) = 0;
    virtual void Circle(double x, double y, double radius, Colour colour, bool filled) = 0;
    virtual void Polyline(const std::vector<PixelPoint>& points, Colour colour, PenStyle style,
                          int width) = 0;
    // The closed polygon filled, without an outline. A canvas that cannot fill draws the edge.
    virtual void Polygon(const std::vector<PixelPoint>& points, Colour colour) {
        if (points.empty()) return;
        std::vector<PixelPoint> closed = points;
        closed.push_back(points.front());
        Polyline(closed, colour, PenStyle::kSolid, 1);
    }
};

}  // namespace lumarik
