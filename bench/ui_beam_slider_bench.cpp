// One beam slider step on the main window, offscreen: the value change, SolveBeam, the beam
// listing and the row labels, as a user dragging the thumb in beam mode sees them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>

#include "UiBench.h"

namespace {

void BM_BeamSliderStep(benchmark::State& state) {
    lumarik::bench::SolvedWindow solved;
    lumarik::frmLumarik& window = solved.window;
    window.show();
    // f' = 100, s = 200, r = 0.5 in beam mode.
    for (const char* box :
         {"chkGaussBeamMode", "chkVarTypeGB_0", "chkVarTypeGB_1", "chkVarTypeGB_5"}) {
        window.findChild<QCheckBox*>(box)->click();
    }
    const char* values[] = {"100", "200", "0.5"};
    for (int row = 0; row < 3; ++row) {
        auto* edit = window.findChild<QLineEdit*>(QStringLiteral("txtVarType_%1").arg(row));
        edit->setText(values[row]);
        emit edit->editingFinished();
    }
    lumarik::bench::StepFirstSlider(state, window);
    window.hide();
}
BENCHMARK(BM_BeamSliderStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return lumarik::bench::RunOffscreen(argc, argv);
}
