// One beam drawing into a 900 × 600 image through the QPainter canvas, as the picture box paints
// it after every beam calculation and on every move of a beam drag: f' = 100, s = 200, r = 0.5
// at 632.8 nm, ordinary and as a laser diode (two sections side by side).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "UiBench.h"
#include "core/document/LumarikDocument.h"
#include "core/drawing/DrgRoutinesGB.h"
#include "ui/drawing/QPainterCanvas.h"

namespace {

void BM_RedrawBeam(benchmark::State& state) {
    const bool diode = state.range(0) != 0;
    lumarik::LumarikDocument doc;
    doc.SetBeamMode(true);
    const std::pair<lumarik::BeamQuantity, const char*> typed[] = {
        {lumarik::kBeamFocal, "100"},
        {lumarik::kBeamObjectDist, "200"},
        {lumarik::kBeamObjRadius, "0.5"}};
    for (const auto& [n, text] : typed) doc.SelectBeamParameter(n, true);
    for (int row = 0; row < 3; ++row) doc.CommitValue(row, typed[row].second, "", true, nullptr);
    if (diode) {
        doc.SwitchDiodeMode(true);
        doc.CommitBeamOption(lumarik::BeamOption::kDiodeParam, "0.25");
    }
    doc.RecalcBeam();

    QImage image = lumarik::BlankDrawingImage(QSize(900, 600), 1.0);
    lumarik::DrgRoutinesGB drawing;
    lumarik::TextCache texts;
    for (auto _ : state) {
        // A painter per picture, as each paint event of the picture box makes one; the box
        // keeps its laid-out texts.
        QPainter painter(&image);
        lumarik::QPainterCanvas canvas(painter, QSizeF(900, 600), &texts);
        if (!drawing.RedrawBeam(canvas, doc.Beam(), doc.BeamDrawing(), false)) {
            state.SkipWithError("the beam was not solved");
            return;
        }
    }
    state.SetLabel(diode ? "laser diode" : "ordinary");
}
BENCHMARK(BM_RedrawBeam)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return lumarik::bench::RunOffscreen(argc, argv);
}
