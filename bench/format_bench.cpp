// Number display on its own: Format with the patterns the listings, boxes and labels use most,
// for floats (the stored values) and doubles (intermediate results), over values of many
// magnitudes so that neither the digits nor the rounding repeat from one call to the next.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/format/Format.h"

namespace lumarik {
namespace {

constexpr std::size_t kValueCount = 1024;

// Values from 1e-5 to 1e6 with both signs, from a fixed linear congruential sequence.
template <typename T>
std::array<T, kValueCount> Values() {
    std::array<T, kValueCount> values{};
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    for (T& v : values) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        const double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
        const double magnitude = std::pow(10.0, -5.0 + 11.0 * unit);
        v = static_cast<T>((state & 1) != 0 ? -magnitude : magnitude);
    }
    return values;
}

template <typename T>
void FormatPattern(benchmark::State& state, const char* pattern) {
    const std::array<T, kValueCount> values = Values<T>();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = Format(values[i], pattern, ',');
        benchmark::DoNotOptimize(text.data());
        i = (i + 1) % kValueCount;
    }
}

void FormatFloat(benchmark::State& state, const char* pattern) {
    FormatPattern<float>(state, pattern);
}

void FormatDouble(benchmark::State& state, const char* pattern) {
    FormatPattern<double>(state, pattern);
}

BENCHMARK_CAPTURE(FormatFloat, Listing, "0.0#");
BENCHMARK_CAPTURE(FormatFloat, ManyDecimals, "0.00######");
BENCHMARK_CAPTURE(FormatFloat, UnitAndSections, " 0.0##mm;-0.0##mm");
BENCHMARK_CAPTURE(FormatFloat, Exponent, " 0.00e+0;-0.00e+0");
BENCHMARK_CAPTURE(FormatFloat, General, "");
BENCHMARK_CAPTURE(FormatDouble, Listing, "0.0#");
BENCHMARK_CAPTURE(FormatDouble, Ratio, " 0.0#####");
BENCHMARK_CAPTURE(FormatDouble, Exponent, " 0.00e+0#mm");
BENCHMARK_CAPTURE(FormatDouble, General, "");

}  // namespace
}  // namespace lumarik
