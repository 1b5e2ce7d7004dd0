#include "ui/chart/ApFldChart.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/chart/ChartTexts.h"
#include "ui/drawing/QPainterCanvas.h"
#include "ui/shell/UserStore.h"

namespace lumarik {

QFont SmallChartFont() {
    QFont font = QApplication::font();
    font.setPointSize(7);
    return font;
}

class ApFldPlotView : public QWidget {
public:
    explicit ApFldPlotView(ApFldChart& chart) : m_chart(chart) {
        setObjectName(QStringLiteral("pctApFldPlot"));
        setAccessibleName(charttexts::kAccPlot);
        setMouseTracking(true);
        setFocusPolicy(Qt::TabFocus);  // a click leaves the focus where it is
        setFont(SmallChartFont());
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_chart.PaintPlot(painter, size());
    }
    void resizeEvent(QResizeEvent*) override { m_chart.Rebuild(); }
    void mouseMoveEvent(QMouseEvent* event) override { m_chart.MouseAt(At(event)); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            emit m_chart.Clicked(At(event));
        }
    }
    // With the keyboard's cross-hair the read-out returns to it.
    void leaveEvent(QEvent*) override {
        if (m_chart.Cursor()) {
            m_chart.MoveCursor(0, 0);
        } else {
            m_chart.MouseLeft();
        }
    }
    void focusInEvent(QFocusEvent*) override { m_chart.StartCursor(); }
    void focusOutEvent(QFocusEvent*) override { m_chart.EndCursor(); }
    void keyPressEvent(QKeyEvent* event) override {
        // A step of a fiftieth of the plot, a pixel with Shift.
        const int step = event->modifiers() & Qt::ShiftModifier ? 1 : std::max(1, width() / 50);
        switch (event->key()) {
            case Qt::Key_Left:
                return m_chart.MoveCursor(-step, 0);
            case Qt::Key_Right:
                return m_chart.MoveCursor(step, 0);
            case Qt::Key_Up:
                return m_chart.MoveCursor(0, -step);
            case Qt::Key_Down:
                return m_chart.MoveCursor(0, step);
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (const std::optional<ChartPixel> at = m_chart.Cursor())
                    emit m_chart.Clicked(*at);
                return;
            default:
                QWidget::keyPressEvent(event);
        }
    }

private:
    static ChartPixel At(const QMouseEvent* event) {
        const QPoint p = event->position().toPoint();
        return {p.x(), p.y()};
    }
    ApFldChart& m_chart;
};

class ApFldAxisView : public QWidget {
public:
    ApFldAxisView(ApFldChart& chart, bool vertical) : m_chart(chart), m_vertical(vertical) {
        setObjectName(vertical ? QStringLiteral("pctApFldAxisY") : QStringLiteral("pctApFldAxisX"));
        setFont(SmallChartFont());
        const QFontMetrics metrics(font());
        if (vertical) {
            setFixedWidth(metrics.height() + metrics.horizontalAdvance(QStringLiteral("100.0")) +
                          10);
        } else {
            setFixedHeight(metrics.height() * 7 / 2 + 6);
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPainterCanvas canvas(painter, size());
        m_chart.PaintAxis(canvas, m_vertical);
    }

private:
    ApFldChart& m_chart;
    bool m_vertical;
};

ApFldChart::ApFldChart(bool enlarged, Prompter* prompter, QWidget* parent)
    : QWidget(parent), m_enlarged(enlarged), m_prompter(prompter) {
    m_style.longNames = enlarged;
    m_style.highlightWidth = enlarged ? 3 : 2;
    m_style.highlight = !enlarged;
    m_plot = new ApFldPlotView(*this);
    m_axisX = new ApFldAxisView(*this, false);
    m_axisY = new ApFldAxisView(*this, true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_axisY, 0, 0);
    layout->addWidget(m_plot, 0, 1);
    layout->addWidget(m_axisX, 1, 1);
}

void ApFldChart::SetMirrorMode(bool mirror) {
    if (mirror == m_mirror) return;
    m_mirror = mirror;
    m_entriesStale = true;
    m_hits.clear();
    Rebuild();
}

const std::vector<LensTypeEntry>& ApFldChart::Entries() const {
    Update();
    return m_entries;
}

const ChartAxes& ApFldChart::Axes() const {
    Update();
    return m_axes;
}

void ApFldChart::SetCurrent(std::optional<ChartPoint> current) {
    if (current.has_value() == m_current.has_value() &&
        (!current || (current->na == m_current->na && current->field == m_current->field))) {
        return;
    }
    m_current = current;
    m_plot->update();
}

void ApFldChart::SetSample(std::optional<double> na) {
    m_sampleNa = na;
    m_plot->update();
}

void ApFldChart::Rebuild() {
    m_areasStale = true;
    m_background = QImage();
    m_plot->update();
    m_axisX->update();
    m_axisY->update();
}

void ApFldChart::Update() const {
    if (m_entriesStale) {
        m_entries = BuildLensTypeCatalogue(m_mirror);
        m_entriesStale = false;
        m_areasStale = true;
    }
    if (m_areasStale) {
        m_axes = ResetChartAxes(m_mirror, m_plot->width(), m_plot->height());
        m_regions = BuildLensTypeRegions(m_entries, m_axes);
        m_areasStale = false;
    }
}

void ApFldChart::PaintPlot(QPainter& painter, QSize size) {
    Update();
    const qreal ratio = m_plot->devicePixelRatioF();
    if (m_background.isNull() || m_background.size() != size * ratio) {
        m_background = BlankDrawingImage(size, ratio);
        QPainter background(&m_background);
        background.setFont(m_plot->font());
        QPainterCanvas canvas(background, size);
        DrawChartPlot(canvas,
                      ChartScene{m_entries, m_regions, m_axes, {}, std::nullopt, std::nullopt},
                      m_style);
    }
    painter.drawImage(QPointF(0, 0), m_background);
    QPainterCanvas canvas(painter, size);
    DrawChartOverlay(
        canvas, ChartScene{m_entries, m_regions, m_axes, m_hits, m_current, m_sampleNa}, m_style);
    if (m_cursor) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawLine(QPointF(m_cursor->x + 0.5, 0), QPointF(m_cursor->x + 0.5, size.height()));
        painter.drawLine(QPointF(0, m_cursor->y + 0.5), QPointF(size.width(), m_cursor->y + 0.5));
    }
}

void ApFldChart::PaintAxis(Canvas& canvas, bool vertical) const {
    Update();
    const char decimal = UserSeparators().decimal;
    if (vertical) {
        DrawChartAxisY(canvas, m_axes.y, decimal);
    } else {
        DrawChartAxisX(canvas, m_axes.x, m_enlarged, decimal);
    }
}

Picture ApFldChart::PictureOf() const {
    return {size(), charttexts::kAccPlot, [this](QPainter& painter) { PaintPicture(painter); }};
}

void ApFldChart::PaintPicture(QPainter& painter) const {
    Update();
    for (const QWidget* part : {m_axisY, m_plot, m_axisX}) {
        painter.save();
        painter.translate(part->pos());
        painter.setFont(part->font());
        QPainterCanvas canvas(painter, part->size());
        if (part == m_plot) {
            DrawChartPlot(canvas,
                          ChartScene{m_entries, m_regions, m_axes, {}, m_current, m_sampleNa},
                          m_style);
        } else {
            PaintAxis(canvas, part == m_axisY);
        }
        painter.restore();
    }
}

void ApFldChart::contextMenuEvent(QContextMenuEvent* event) {
    ExecPictureMenu(
        *this, event->globalPos(), charttexts::kPicture,
        [this] { CopyPicture(PictureOf(), devicePixelRatioF()); },
        [this] {
            if (m_prompter) SavePicture(*m_prompter, charttexts::kPicture, PictureOf());
        });
}

void ApFldChart::MouseAt(ChartPixel pixel) {
    Update();
    std::vector<int> hits = FindLensTypesAt(m_regions, pixel);
    if (hits != m_hits) {
        m_hits = std::move(hits);
        m_plot->update();
    }
    emit Hovered(pixel);
}

void ApFldChart::MouseLeft() {
    if (!m_hits.empty()) {
        m_hits.clear();
        m_plot->update();
    }
    emit Left();
}

void ApFldChart::StartCursor() {
    ChartPixel at{m_plot->width() / 2, m_plot->height() / 2};
    if (m_current) at = Axes().ToPixel(*m_current);
    m_cursor = at;
    MoveCursor(0, 0);
}

void ApFldChart::MoveCursor(int dx, int dy) {
    if (!m_cursor) return;
    m_cursor = ChartPixel{std::clamp(m_cursor->x + dx, 0, std::max(0, m_plot->width() - 1)),
                          std::clamp(m_cursor->y + dy, 0, std::max(0, m_plot->height() - 1))};
    MouseAt(*m_cursor);
    m_plot->update();
}

void ApFldChart::EndCursor() {
    if (!m_cursor) return;
    m_cursor.reset();
    MouseLeft();
    m_plot->update();
}

std::vector<int> ApFldChart::TypesAt(ChartPixel pixel) const {
    Update();
    return FindLensTypesAt(m_regions, pixel);
}

}  // namespace lumarik
