// Start-up of the main window, offscreen: built from an empty settings folder and shown, beside
// a trivial Qt window with one label as the yardstick. Peak memory is a property of the process:
// compare it by running one benchmark per process (--benchmark_filter=Trivial, =MainWindow);
// the counter gives the process's peak resident size in MiB.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include "UiBench.h"
#include "ui/mainwindow/frmLumarik.h"
#include "ui/shell/AppContext.h"

namespace {

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// Shows the window and lets the event loop lay it out and paint it once.
void ShowAndSettle(QWidget& window) {
    window.show();
    QApplication::processEvents();
}

void BM_TrivialWindowStart(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Lumarik")));
        ShowAndSettle(window);
    }
    state.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(BM_TrivialWindowStart)->Unit(benchmark::kMillisecond);

void BM_MainWindowStart(benchmark::State& state) {
    const QTemporaryDir dir;
    lumarik::bench::SilentPrompter prompter;
    // The sample catalogue the program ships, which the beam panel reads at start.
    const lumarik::AppContext context{dir.path(), &prompter,
                                      QStringLiteral(LUMARIK_SOURCE_DATA_DIR)};
    for (auto _ : state) {
        lumarik::frmLumarik window(context);
        ShowAndSettle(window);
    }
    state.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The page of new features is remembered in the per-user store: a test store, not the
    // user's.
    QStandardPaths::setTestModeEnabled(true);
    return lumarik::bench::RunOffscreen(argc, argv);
}
