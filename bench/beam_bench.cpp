// Times one beam calculation as the window runs it after every change: SolveBeam (with the
// derived results) and the texts of the result lists and the extra-information tab, in the
// ordinary mode, the laser-diode mode and the circularised laser-diode mode.
#include <benchmark/benchmark.h>

#include "core/beam/GaussianBeam.h"

namespace {

using lumarik::GaussianBeam;

void Choose(GaussianBeam& beam, int number, float value) {
    beam.AddBeamVar(0, number, true);
    lumarik::VarCollection& list = beam.Selection(0);
    const int position = list.PositionOf(number);
    list.SetVarValue(position, value);
    list.SetVarValDef(position, true);
}

void BeamCycle(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    GaussianBeam beam;
    beam.SetDiodeMode(mode >= 1);
    beam.SetCircularise(mode == 2);
    beam.SetUseM2(true);
    beam.SetM2(0, 1.3);
    beam.SetM2(1, 1.8);
    beam.SetDetectorOn(true);
    beam.SetDetectorDistance(120);
    Choose(beam, lumarik::kBeamFocal, 100.0f);
    Choose(beam, lumarik::kBeamObjectDist, 300.0f);
    Choose(beam, lumarik::kBeamObjDivergence, 0.001f);
    beam.SetDiodeParamValue(0.003);
    for (auto _ : state) {
        const bool ok = beam.SolveBeam(true);
        auto rows = beam.ListBeamResults(ok);
        auto depth = beam.DepthOfFocusText(0);
        auto spot = beam.MinimumSpotText();
        benchmark::DoNotOptimize(rows.data());
        benchmark::DoNotOptimize(depth.data());
        benchmark::DoNotOptimize(spot.data());
        if (!ok) state.SkipWithError("no solution");
    }
}

}  // namespace

BENCHMARK(BeamCycle)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2);
