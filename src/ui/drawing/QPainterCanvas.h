// The Canvas on a QPainter: one implementation for the screen widget, the printer and image
// export. Slanted lines, curves and text are antialiased; lines along the axes and boxes are
// filled as whole-pixel rectangles, which look the same and cost far less. On HiDPI screens and
// images with a device pixel ratio the painter's scale keeps lines and text crisp.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QStaticText>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/drawing/Canvas.h"

class QPainter;

namespace lumarik {

QColor ToQColor(Colour colour);

// Texts laid out once and reused by every picture painted with the same font on the same kind
// of surface: their widths and, on raster surfaces, the laid-out glyphs. Laying text out costs
// several times more than painting it. The owner of a picture box keeps one for its pictures.
class TextCache {
private:
    friend class QPainterCanvas;
    QString m_fontKey;
    int m_dpi = 0;
    std::unordered_map<std::string, double> m_widths;
    std::unordered_map<std::string, QStaticText> m_texts;
};

class QPainterCanvas : public Canvas {
public:
    // The painter paints a surface of `size` device-independent pixels; without a cache of its
    // own the canvas keeps one for its lifetime.
    QPainterCanvas(QPainter& painter, QSizeF size, TextCache* cache = nullptr);

    ScaleRect Scale() const override;
    void Clear() override;
    void Line(double x1, double y1, double x2, double y2, Colour colour, PenStyle style,
              int width) override;
    void Text(double x, double y, std::string_view text, Colour colour) override;
    void TextUp(double x, double y, std::string_view text, Colour colour) override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void Box(double x1, double y1, double x2, double y2, Colour colour, bool filled) override;
    void Circle(double x, double y, double radius, Colour colour, bool filled) override;
    void Polyline(const std::vector<PixelPoint>& points, Colour colour, PenStyle style,
                  int width) override;
    void Polygon(const std::vector<PixelPoint>& points, Colour colour) override;

private:
    struct PenKey {
        Colour colour;
        PenStyle style;
        int width;
        bool operator==(const PenKey& o) const {
            return colour == o.colour && style == o.style && width == o.width;
        }
    };
    void SetPen(Colour colour, PenStyle style, int width);
    void SetAntialiased(bool on);
    void FillPixels(const QRectF& rect, Colour colour);

    QPainter& m_painter;
    QSizeF m_size;
    QFontMetricsF m_metrics;
    TextCache m_ownCache;
    TextCache& m_cache;
    bool m_rasterText = false;  // other surfaces (printer, SVG) take the text as text
    // What the painter holds, so that repeated calls leave its state alone.
    std::optional<PenKey> m_pen;
    bool m_antialiased = true;
};

// An image of `size` device-independent pixels at the given device pixel ratio, white.
QImage BlankDrawingImage(QSize size, qreal devicePixelRatio);

}  // namespace lumarik
