// One redraw of the system drawing into a 900 × 600 image through the QPainter canvas, as the
// picture box paints it after every calculation and on every mouse move of a drag: f' = 100,
// a = -250, u = 10 with an F-number of 4, plain and with construction rays and the points.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>

#include "UiBench.h"
#include "core/drawing/DrgRoutines.h"
#include "core/model/Options.h"
#include "ui/drawing/QPainterCanvas.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/Prompter.h"

namespace {

void BM_Redraw(benchmark::State& state) {
    lumarik::bench::SolvedWindow solved;
    lumarik::frmLumarik& window = solved.window;

    lumarik::Options options;
    options.drawHaltingRay = state.range(0) != 0;
    options.drawPoints = state.range(0) != 0;
    QImage image = lumarik::BlankDrawingImage(QSize(900, 600), 1.0);
    lumarik::DrgRoutines routines;
    {
        QPainter painter(&image);
        lumarik::QPainterCanvas canvas(painter, QSizeF(900, 600));
        if (!routines.Redraw(canvas, window.Model(), options, false)) {
            state.SkipWithError("the system was not solved");
            return;
        }
    }
    for (auto _ : state) {
        // A painter per picture, as each paint event of the picture box makes one.
        QPainter painter(&image);
        lumarik::QPainterCanvas canvas(painter, QSizeF(900, 600));
        benchmark::DoNotOptimize(routines.Redraw(canvas, window.Model(), options, false));
    }
    state.SetLabel(state.range(0) != 0 ? "construction rays and points" : "plain");
}
BENCHMARK(BM_Redraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return lumarik::bench::RunOffscreen(argc, argv);
}
