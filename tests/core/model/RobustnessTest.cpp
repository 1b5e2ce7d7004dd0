// Whatever values and constants are given, a solve returns, leaves only finite numbers in the
// tables, the memory, the value texts, the results listing and the depth-of-field list, and
// shows a failure as the no-solution state.
#include <random>
#include <string>

#include "ModelTestSupport.h"
#include "core/model/ValueEntry.h"

namespace lumarik::test {
namespace {

constexpr std::array<float, 12> kAwkward = {0.0f,     -0.0f,  1e-30f,     -1e-30f,
                                            1e30f,    -1e30f, kInfinity,  3.4e38f,
                                            -3.4e38f, 1.0f,   1.5707964f, 1e-45f};

bool AllFinite(const LumarikCode& code) {
    std::vector<double> v(code.Values().begin(), code.Values().end());
    for (int k = 0; k < kApertureCount; ++k) {
        v.insert(v.end(), {code.ApertureValue(k), code.ApertureMemory(k).sVarValue});
    }
    for (int i = 0; i < kCardinalCount; ++i) v.push_back(code.CardinalPoint(i));
    for (int n = 0; n < kSelectableCount; ++n) v.push_back(code.Memory(n).sVarValue);
    const DofTable& dof = code.DepthOfField().Table();
    v.insert(v.end(), dof.begin(), dof.end());
    v.insert(v.end(), {code.MtfCutOff(), code.EffectiveFNumber()});
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

// The texts show numbers only; " Infinity" is the depth-of-field list's infinite far limit.
bool TextsAreNumbers(LumarikCode& code) {
    std::string all = code.CofCBoxText();
    for (const std::string& text : code.Listing().values) all += text;
    for (const std::string& text : code.DepthOfFieldRows().values) all += text;
    for (int number : kSolvedNumbers) all += code.ValueText(number, code.Value(number));
    for (std::size_t at; (at = all.find("Infinity")) != std::string::npos;) all.erase(at, 8);
    for (const char* bad : {"nan", "NaN", "inf", "Inf"}) {
        if (all.find(bad) != std::string::npos) return false;
    }
    return true;
}

TEST(Robustness, EverySelectionWithRandomValuesAndConstants) {
    std::mt19937 engine(20240611u);
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(engine); };
    const auto pick = [&](int n) { return std::uniform_int_distribution<>(0, n - 1)(engine); };
    const auto awkward = [&] { return kAwkward[static_cast<std::size_t>(pick(12))]; };
    // A quarter awkward values, the rest spread over 1e-6 .. 1e6 with either sign.
    const auto value = [&] {
        if (chance(0.25)) return awkward();
        const float v = std::pow(10.0f, std::uniform_real_distribution<float>(-6, 6)(engine));
        return chance(0.5) ? v : -v;
    };
    const auto index = [&] {
        return chance(0.2) ? awkward() : std::uniform_real_distribution<float>(1, 3)(engine);
    };
    const auto sets = AdmissibleSelections();
    int solved = 0;
    LumarikCode code;
    for (int run = 0; run < 50000; ++run) {
        if (run % 7 == 0) code = LumarikCode();
        code.Selected().Clear();
        Optics{chance(0.5), chance(0.3), index(), index(), value()}.ApplyTo(code);
        for (int number : sets[static_cast<std::size_t>(run) % sets.size()]) {
            Choose(code, {{number, value()}});
        }
        code.SetObjectAtInfinity(code.Selected().Contains(kParObjectDist) && chance(0.2));
        code.Apertures().Clear();
        if (chance(0.8)) {
            code.AddApVar(pick(kApertureCount), true);
            code.Apertures().SetVarValue(1, value());
            code.Apertures().SetVarValDef(1, chance(0.95));
        }
        code.Constants().SetWavelength(chance(0.1) ? awkward() : 546.1f);
        code.DepthOfField().SetCofCType(pick(3));
        code.DepthOfField().SetCofCCustomVal(chance(0.5) ? 0.025f : std::fabs(value()));

        ResultsView view = code.Refresh(code.Solve(chance(0.5)));
        if (chance(0.1)) view = code.ApertureCycle();
        ASSERT_TRUE(AllFinite(code) && view.ok == !code.NoSolution() &&
                    view.showNoSolution == !view.ok && view.drawSystem == view.ok &&
                    (run % 10 != 0 || TextsAreNumbers(code)))
            << "run " << run;
        solved += view.ok ? 1 : 0;
    }
    // Both outcomes must occur often for the property to mean anything.
    EXPECT_TRUE(solved > 5000 && solved < 49500) << solved;
}

// A value is stored only when a float holds it: finite and within ±FLT_MAX, either sign.
TEST(FitsSingle, OnlyFiniteValuesWithinTheFloatRange) {
    for (double v : {0.0, 3.4e38, -3.4e38, 1e-45}) EXPECT_TRUE(FitsSingle(v)) << v;
    for (double v : {3.5e38, -3.5e38, std::nan(""), -HUGE_VAL}) EXPECT_FALSE(FitsSingle(v)) << v;
}

}  // namespace
}  // namespace lumarik::test
