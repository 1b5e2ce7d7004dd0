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
    auto* slider = window.findChild<QScrollBar*>("hscVarValue_0");
    int position = 0;
    for (auto _ : state) {
        slider->setValue(position);
        position = (position + 1) % 101;
    }
    window.hide();
}
BENCHMARK(BM_SliderStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
