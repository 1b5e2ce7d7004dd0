#include "ui/drawing/DrawingView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/drawing/QPainterCanvas.h"

namespace lumarik {

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Picture DrawingView::PictureOf(std::function<void(Canvas&)> paint) const {
    return {size(), accessibleName(), OnCanvas(size(), font(), std::move(paint))};
}

void DrawingView::Redraw() {
    m_stale = true;
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_stale || m_picture.devicePixelRatio() != ratio ||
        m_picture.deviceIndependentSize() != QSizeF(size())) {
        // The screen keeps its laid-out texts from picture to picture; exports lay out anew.
        m_picture = RenderPicture(
            {size(), accessibleName(), OnCanvas(size(), font(), m_hooks.paint, &m_texts)}, ratio);
        m_stale = false;
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0.0, 0.0), m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
    if (!m_hooks.overlay) return;
    QPainterCanvas canvas(painter, QSizeF(size()), &m_texts);
    m_hooks.overlay(canvas);
}

// With the focus, Ctrl+C copies the picture as the context menu does.
void DrawingView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy) && m_hooks.copy) {
        m_hooks.copy();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DrawingView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void DrawingView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
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
    ExecPictureMenu(*this, event->globalPos(), kDrawingPictureTexts, m_hooks.copy, m_hooks.save);
}

}  // namespace lumarik
