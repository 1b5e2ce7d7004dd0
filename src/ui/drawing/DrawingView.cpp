#include "ui/drawing/DrawingView.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/drawing/QPainterCanvas.h"

namespace lumarik {
namespace {
const QString kCopyDrawing = QStringLiteral("Zeichnung kopieren");
const QString kSaveDrawing = QStringLiteral("Zeichnung speichern …");
}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QImage DrawingView::Render(QSize size, qreal ratio,
                           const std::function<void(Canvas&)>& paint) const {
    QImage image = BlankDrawingImage(size, ratio);
    QPainter painter(&image);
    painter.setFont(font());
    QPainterCanvas canvas(painter, QSizeF(size), &m_texts);
    if (paint) paint(canvas);
    return image;
}

QByteArray DrawingView::RenderSvg(QSize size, const std::function<void(Canvas&)>& paint) const {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(accessibleName());
    QPainter painter(&generator);
    painter.setFont(font());
    QPainterCanvas canvas(painter, QSizeF(size));
    canvas.Clear();
    if (paint) paint(canvas);
    painter.end();
    return buffer.data();
}

void DrawingView::Redraw() {
    m_stale = true;
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_stale || m_picture.devicePixelRatio() != ratio ||
        m_picture.deviceIndependentSize() != QSizeF(size())) {
        m_picture = Render(size(), ratio, m_hooks.paint);
        m_stale = false;
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0.0, 0.0), m_picture);
    if (!m_hooks.overlay) return;
    QPainterCanvas canvas(painter, QSizeF(size()), &m_texts);
    m_hooks.overlay(canvas);
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // A press while a drag still runs means its release was lost.
    if (m_pressed) Release();
    m_pressed = true;
    if (m_hooks.press) m_hooks.press(event->position().x(), event->position().y());
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (m_pressed) {
        if (m_hooks.move) m_hooks.move(at.x(), at.y());
    } else if (m_hooks.hover) {
        m_hooks.hover(at.x(), at.y());
    }
}

void DrawingView::leaveEvent(QEvent* event) {
    if (m_hooks.leave) m_hooks.leave();
    QWidget::leaveEvent(event);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_pressed) Release();
}

bool DrawingView::event(QEvent* event) {
    const QEvent::Type type = event->type();
    if (m_pressed && (type == QEvent::UngrabMouse || type == QEvent::FocusOut ||
                      type == QEvent::WindowDeactivate || type == QEvent::Hide)) {
        Release();
    }
    return QWidget::event(event);
}

void DrawingView::Release() {
    m_pressed = false;
    if (m_hooks.release) m_hooks.release();
}

void DrawingView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(kCopyDrawing);
    QAction* save = menu.addAction(kSaveDrawing);
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == copy && m_hooks.copy) m_hooks.copy();
    if (chosen == save && m_hooks.save) m_hooks.save();
}

}  // namespace lumarik
