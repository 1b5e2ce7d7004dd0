#include "ui/drawing/QPainterCanvas.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace lumarik {

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QPainterCanvas::QPainterCanvas(QPainter& painter, QSizeF size)
    : m_painter(painter), m_size(size), m_metrics(painter.font(), painter.device()) {
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

ScaleRect QPainterCanvas::Scale() const {
    return {0.0, 0.0, m_size.width(), m_size.height()};
}

void QPainterCanvas::Clear() {
    m_painter.fillRect(QRectF(QPointF(0, 0), m_size), Qt::white);
}

void QPainterCanvas::SetPen(Colour colour, PenStyle style, int width) {
    QPen pen(ToQColor(colour));
    pen.setWidth(std::max(width, 1));
    pen.setStyle(style == PenStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
}

void QPainterCanvas::Line(double x1, double y1, double x2, double y2, Colour colour, PenStyle style,
                          int width) {
    width = std::max(width, 1);
    SetPen(colour, style, width);
    // The drawing puts line ends on whole pixels. A pen of odd width centred there would cover
    // two pixel rows half each and show grey and blurred; half a pixel on, it covers whole
    // pixels (on HiDPI surfaces whole device pixels as well).
    const double shift = width % 2 != 0 ? 0.5 : 0.0;
    m_painter.drawLine(QPointF(x1 + shift, y1 + shift), QPointF(x2 + shift, y2 + shift));
}

void QPainterCanvas::Text(double x, double y, std::string_view text, Colour colour) {
    m_painter.setPen(ToQColor(colour));
    const QString s = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    m_painter.drawText(QPointF(x, y + m_metrics.ascent()), s);
}

void QPainterCanvas::TextUp(double x, double y, std::string_view text, Colour colour) {
    m_painter.save();
    m_painter.translate(x, y);
    m_painter.rotate(-90.0);
    Text(0.0, 0.0, text, colour);
    m_painter.restore();
}

double QPainterCanvas::TextWidth(std::string_view text) const {
    return m_metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

double QPainterCanvas::TextHeight(std::string_view) const {
    return m_metrics.height();
}

void QPainterCanvas::Box(double x1, double y1, double x2, double y2, Colour colour, bool filled) {
    const QRectF rect = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    SetPen(colour, PenStyle::kSolid, 1);
    if (filled) m_painter.setBrush(ToQColor(colour));
    m_painter.drawRect(rect);
    m_painter.setBrush(Qt::NoBrush);
}

void QPainterCanvas::Circle(double x, double y, double radius, Colour colour, bool filled) {
    SetPen(colour, PenStyle::kSolid, 1);
    if (filled) m_painter.setBrush(ToQColor(colour));
    m_painter.drawEllipse(QPointF(x, y), radius, radius);
    m_painter.setBrush(Qt::NoBrush);
}

void QPainterCanvas::Polyline(const std::vector<PixelPoint>& points, Colour colour, PenStyle style,
                              int width) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon << QPointF(p.x, p.y);
    SetPen(colour, style, width);
    m_painter.drawPolyline(polygon);
}

void QPainterCanvas::Polygon(const std::vector<PixelPoint>& points, Colour colour) {
    QPolygonF polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon << QPointF(p.x, p.y);
    // Filled areas lie under outlines drawn after them: their edges need no smoothing, which
    // would cost more than the rest of a drawing.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(ToQColor(colour));
    m_painter.drawPolygon(polygon);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
}

QImage BlankDrawingImage(QSize size, qreal devicePixelRatio) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    return image;
}

}  // namespace lumarik
