#include "ui/drawing/QPainterCanvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace lumarik {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

namespace {
constexpr std::size_t kTextCacheSize = 512;
}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, QSizeF size, TextCache* cache)
    : m_painter(painter),
      m_size(size),
      m_metrics(painter.font(), painter.device()),
      m_cache(cache != nullptr ? *cache : m_ownCache) {
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_rasterText =
        painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster;
    const QString fontKey = painter.font().key();
    const int dpi = painter.device()->logicalDpiX();
    if (m_cache.m_fontKey != fontKey || m_cache.m_dpi != dpi ||
        m_cache.m_widths.size() + m_cache.m_texts.size() > kTextCacheSize) {
        m_cache.m_fontKey = fontKey;
        m_cache.m_dpi = dpi;
        m_cache.m_widths.clear();
        m_cache.m_texts.clear();
    }
}

ScaleRect QPainterCanvas::Scale() const {
    return {0.0, 0.0, m_size.width(), m_size.height()};
}

void QPainterCanvas::Clear() {
    FillPixels(QRectF(QPointF(0, 0), m_size), colours::kWhite);
}

void QPainterCanvas::SetPen(Colour colour, PenStyle style, int width) {
    const PenKey key{colour, style, std::max(width, 1)};
    if (m_pen == key) return;
    QPen pen(ToQColor(colour));
    pen.setWidth(key.width);
    pen.setStyle(style == PenStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_pen = key;
}

void QPainterCanvas::SetAntialiased(bool on) {
    if (m_antialiased == on) return;
    m_painter.setRenderHint(QPainter::Antialiasing, on);
    m_antialiased = on;
}

void QPainterCanvas::FillPixels(const QRectF& rect, Colour colour) {
    SetAntialiased(false);
    m_painter.fillRect(rect, ToQColor(colour));
}

void QPainterCanvas::Line(double x1, double y1, double x2, double y2, Colour colour, PenStyle style,
                          int width) {
    width = std::max(width, 1);
    // The drawing puts line ends on whole pixels. A pen of odd width centred there would cover
    // two pixel rows half each and show grey and blurred; half a pixel on, it covers whole
    // pixels (on HiDPI surfaces whole device pixels as well).
    const double shift = width % 2 != 0 ? 0.5 : 0.0;
    const double across = shift - width / 2.0;
    const bool level = y1 == y2;
    const bool upright = x1 == x2;
    if (style == PenStyle::kSolid && (level || upright)) {
        // Smoothing a line along an axis changes no pixel but costs a blend per pixel.
        if (level) {
            FillPixels(QRectF(std::min(x1, x2), y1 + across, std::fabs(x2 - x1), width), colour);
        } else {
            FillPixels(QRectF(x1 + across, std::min(y1, y2), width, std::fabs(y2 - y1)), colour);
        }
        return;
    }
    SetAntialiased(!(level || upright));
    SetPen(colour, style, width);
    m_painter.drawLine(QPointF(x1 + shift, y1 + shift), QPointF(x2 + shift, y2 + shift));
}

void QPainterCanvas::Text(double x, double y, std::string_view text, Colour colour) {
    SetPen(colour, PenStyle::kSolid, 1);
    if (!m_rasterText) {
        const QString s = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
        m_painter.drawText(QPointF(x, y + m_metrics.ascent()), s);
        return;
    }
    const auto [it, added] = m_cache.m_texts.try_emplace(std::string(text));
    if (added) {
        it->second.setText(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
        it->second.setTextFormat(Qt::PlainText);
    }
    m_painter.drawStaticText(QPointF(x, y), it->second);
}

void QPainterCanvas::TextUp(double x, double y, std::string_view text, Colour colour) {
    const QTransform level = m_painter.transform();
    m_painter.translate(x, y);
    m_painter.rotate(-90.0);
    Text(0.0, 0.0, text, colour);
    m_painter.setTransform(level);
}

double QPainterCanvas::TextWidth(std::string_view text) const {
    const auto [it, added] = m_cache.m_widths.try_emplace(std::string(text), 0.0);
    if (added) {
        it->second = m_metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    }
    return it->second;
}

double QPainterCanvas::TextHeight(std::string_view) const {
    return m_metrics.height();
}

void QPainterCanvas::Box(double x1, double y1, double x2, double y2, Colour colour, bool filled) {
    // The outline covers the pixels right of and below its corners, as a line there does.
    const QRectF rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    if (filled) {
        FillPixels(rect.adjusted(0, 0, 1, 1), colour);
        return;
    }
    FillPixels(QRectF(rect.left(), rect.top(), rect.width() + 1, 1), colour);
    FillPixels(QRectF(rect.left(), rect.bottom(), rect.width() + 1, 1), colour);
    FillPixels(QRectF(rect.left(), rect.top(), 1, rect.height()), colour);
    FillPixels(QRectF(rect.right(), rect.top(), 1, rect.height()), colour);
}

void QPainterCanvas::Circle(double x, double y, double radius, Colour colour, bool filled) {
    SetAntialiased(true);
    SetPen(colour, PenStyle::kSolid, 1);
    if (filled) m_painter.setBrush(ToQColor(colour));
    m_painter.drawEllipse(QPointF(x, y), radius, radius);
    if (filled) m_painter.setBrush(Qt::NoBrush);
}

void QPainterCanvas::Polyline(const std::vector<PixelPoint>& points, Colour colour, PenStyle style,
                              int width) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon << QPointF(p.x, p.y);
    SetAntialiased(true);
    SetPen(colour, style, width);
    m_painter.drawPolyline(polygon);
}

void QPainterCanvas::Polygon(const std::vector<PixelPoint>& points, Colour colour) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon << QPointF(p.x, p.y);
    // Filled areas lie under outlines drawn after them: their edges need no smoothing, which
    // would cost more than the rest of a drawing.
    SetAntialiased(false);
    m_painter.setPen(Qt::NoPen);
    m_pen.reset();
    m_painter.setBrush(ToQColor(colour));
    m_painter.drawPolygon(polygon);
    m_painter.setBrush(Qt::NoBrush);
}

QImage BlankDrawingImage(QSize size, qreal devicePixelRatio) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    return image;
}

}  // namespace lumarik
