// One full calculation of the first-order model as a value change runs it: the solve with the
// aperture step, the cardinal points and the depth of field, then the twenty listing rows and
// the six depth-of-field rows as texts. Format alone is timed alongside, since the texts cost
// most of it.
#include <benchmark/benchmark.h>

#include "core/format/Format.h"
#include "core/model/LumarikCode.h"

namespace lumarik {
namespace {

void Give(VarCollection& collection, int number, float value) {
    const int position = collection.PositionOf(number);
    collection.SetVarValue(position, value);
    collection.SetVarValDef(position, true);
}

LumarikCode LensWithStop() {
    LumarikCode code;
    code.SetSeparators({',', '.'});
    for (const auto& [number, value] :
         {std::pair{kParFocal, 100.0f}, std::pair{kParObjectDist, -200.0f},
          std::pair{kParObjectHeight, 10.0f}}) {
        code.AddVar(number, true);
        Give(code.Selected(), number, value);
    }
    code.AddApVar(kApStopRadius, true);
    Give(code.Apertures(), kApStopRadius, 12.5f);
    return code;
}

void FullCalculation(benchmark::State& state) {
    LumarikCode code = LensWithStop();
    float objectDist = -200.0f;
    for (auto _ : state) {
        // A slider move: a new value each time, so nothing is served from a previous run.
        objectDist = objectDist < -400.0f ? -200.0f : objectDist - 0.37f;
        code.Selected().SetVarValue(code.Selected().PositionOf(kParObjectDist), objectDist);
        const bool ok = code.Solve(true);
        const ListingRows rows = code.Listing();
        const DepthOfFieldView dof = code.DepthOfFieldRows();
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(rows.values.data());
        benchmark::DoNotOptimize(dof.values.data());
    }
}
BENCHMARK(FullCalculation);

void SolveOnly(benchmark::State& state) {
    LumarikCode code = LensWithStop();
    for (auto _ : state) benchmark::DoNotOptimize(code.Solve(true));
}
BENCHMARK(SolveOnly);

void FormatOneValue(benchmark::State& state) {
    float value = 123.456f;
    for (auto _ : state) {
        value += 0.001f;
        benchmark::DoNotOptimize(Format(value, "0.0#", ','));
    }
}
BENCHMARK(FormatOneValue);

}  // namespace
}  // namespace lumarik
