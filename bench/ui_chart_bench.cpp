// One mouse move over the small aperture/field chart: the hit test of the 15 lens areas and
// the redraw of the plot through the QPainter canvas. The mouse alternates between a pixel in
// two areas and one in none, so that every move changes the highlight and repaints.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "UiBench.h"
#include "ui/chart/ApFldChart.h"

namespace {

void BM_ChartMouseMove(benchmark::State& state) {
    lumarik::ApFldChart chart(false);
    chart.resize(330, 260);  // the small chart on the extra-information tab
    chart.show();
    QApplication::processEvents();
    QWidget* plot = chart.Plot();
    const lumarik::ChartAxes& axes = chart.Axes();
    const lumarik::ChartPixel inTwo = axes.ToPixel({0.3, 12.0});
    const lumarik::ChartPixel inNone = axes.ToPixel({0.9, 50.0});
    bool flip = false;
    for (auto _ : state) {
        const lumarik::ChartPixel p = flip ? inTwo : inNone;
        flip = !flip;
        const QPointF at(p.x, p.y);
        QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        plot->repaint();
    }
    state.SetLabel(std::to_string(plot->width()) + " x " + std::to_string(plot->height()) +
                   " plot");
}
BENCHMARK(BM_ChartMouseMove)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    return lumarik::bench::RunOffscreen(argc, argv);
}
