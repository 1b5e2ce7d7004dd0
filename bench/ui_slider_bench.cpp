// One slider step on the main window, offscreen: the value change, the solve, the listing
// and the label refresh, as a user dragging the thumb sees them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include "UiBench.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/AppContext.h"
#include "ui/shell/Prompter.h"

namespace {

void BM_SliderStep(benchmark::State& state) {
    lumarik::bench::SolvedWindow solved;
    lumarik::frmLumarik& window = solved.window;
    window.show();
    lumarik::bench::StepFirstSlider(state, window);
    window.hide();
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return lumarik::bench::RunOffscreen(argc, argv);
}
