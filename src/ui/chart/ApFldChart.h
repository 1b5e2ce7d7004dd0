// The aperture/field chart as a widget: the plot picture pctApFldPlot between its axis strips
// pctApFldAxisY (left) and pctApFldAxisX (below), painted through the Canvas. It holds the
// catalogue of the mode in force, works out axes and areas when first needed after the plot is
// resized (a chart on a hidden tab never needs them),
// highlights the areas under the mouse and reports moves and clicks in plot pixels. Its context
// menu copies or saves the picture. The small chart of the main window and the enlarged window
// each have one.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/chart/LensIdeas.h"
#include "core/drawing/ChartDrawing.h"
#include "ui/drawing/PictureExport.h"

namespace lumarik {

class Prompter;

class ApFldChart : public QWidget {
    Q_OBJECT

public:
    // The enlarged chart names the families in full, labels every tick and frames the areas
    // under the mouse 3 pixels wide in black; the small one 2 pixels wide in green. Without a
    // prompter the picture cannot be saved.
    explicit ApFldChart(bool enlarged, Prompter* prompter = nullptr, QWidget* parent = nullptr);

    // The catalogue and axes of lens or mirror systems; nothing when they are in force.
    void SetMirrorMode(bool mirror);
    bool MirrorMode() const { return m_mirror; }
    void SetCurrent(std::optional<ChartPoint> current);
    // The aperture of a chosen sample system, marked in the plot.
    void SetSample(std::optional<double> na);
    std::optional<ChartPoint> Current() const { return m_current; }

    const std::vector<LensTypeEntry>& Entries() const;
    const ChartAxes& Axes() const;
    // The areas under the mouse, as last found.
    const std::vector<int>& Hits() const { return m_hits; }
    QWidget* Plot() const { return m_plot; }
    // The plot with its axis strips and the system's cross, without the highlight under the
    // mouse.
    Picture PictureOf() const;

    // The design families whose areas hold the pixel.
    std::vector<int> TypesAt(ChartPixel pixel) const;
    // The keyboard's cross-hair while the plot has the focus: it starts on the system's point
    // (or in the middle), arrow keys move it as the mouse would (Hovered), Enter clicks there.
    std::optional<ChartPixel> Cursor() const { return m_cursor; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

signals:
    void Hovered(ChartPixel pixel);
    // The mouse left the plot.
    void Left();
    // The mouse button was released over the plot.
    void Clicked(ChartPixel pixel);

private:
    friend class ApFldPlotView;
    friend class ApFldAxisView;
    void Rebuild();
    // The catalogue, axes and areas for the mode and the plot's size, where they are out of date.
    void Update() const;
    void PaintPlot(QPainter& painter, QSize size);
    void PaintAxis(Canvas& canvas, bool vertical) const;
    void PaintPicture(QPainter& painter) const;
    void MouseAt(ChartPixel pixel);
    void MouseLeft();
    void StartCursor();
    void MoveCursor(int dx, int dy);
    void EndCursor();

    bool m_enlarged;
    Prompter* m_prompter;
    bool m_mirror = false;
    ChartStyle m_style;
    // Worked out by Update(), on the first use after a change.
    mutable std::vector<LensTypeEntry> m_entries;
    mutable ChartAxes m_axes;
    mutable std::vector<std::vector<ChartPixel>> m_regions;
    mutable bool m_entriesStale = true;
    mutable bool m_areasStale = true;
    std::vector<int> m_hits;
    std::optional<ChartPoint> m_current;
    std::optional<ChartPixel> m_cursor;
    std::optional<double> m_sampleNa;
    // The areas and names as painted at the last rebuild; moves paint the overlay on it.
    QImage m_background;
    QWidget* m_plot = nullptr;
    QWidget* m_axisX = nullptr;
    QWidget* m_axisY = nullptr;
};

// The application font at 7 pt, for the chart's pictures and read-out.
QFont SmallChartFont();

}  // namespace lumarik
