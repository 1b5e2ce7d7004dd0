// The picture box of the system drawing: paints through a QPainterCanvas and hands mouse
// presses, moves and releases to its owner, which runs the drag through the core.
#pragma once

#include <QWidget>
#include <functional>

#include "core/drawing/Canvas.h"

namespace lumarik {

class DrawingView : public QWidget {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void(Canvas&)> paint;
        std::function<void(double x, double y)> press;
        std::function<void(double x, double y)> move;
        // Also called when the mouse grab is lost in the middle of a drag.
        std::function<void()> release;
        std::function<void()> copy;
        std::function<void()> save;
    };

    explicit DrawingView(QWidget* parent = nullptr);
    void SetHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    // The drawing as an image of `size` device-independent pixels at `ratio`.
    QImage Render(QSize size, qreal ratio, const std::function<void(Canvas&)>& paint) const;
    // The same picture as an SVG document (vector graphics, `size` in pixels).
    QByteArray RenderSvg(QSize size, const std::function<void(Canvas&)>& paint) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Release();

    Hooks m_hooks;
    bool m_pressed = false;
};

}  // namespace lumarik
