// Shared helpers of the model tests: a recording diagnostics sink, a way to put a chosen set
// of parameters with values into a LumarikCode (also from the cells of a data table), and an
// independent double-precision model of the thin lens that the solver results are compared with.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/model/LumarikCode.h"
#include "core/model/ModelDiagnostics.h"
#include "core/numeric/Calc.h"
#include "support/DataTable.h"

namespace lumarik::test {

class RecordingDiagnostics : public ModelDiagnostics {
public:
    void Report(const std::string& text) override { reports.push_back(text); }
    std::vector<std::string> reports;
};

struct Given {
    friend void PrintTo(const Given& g, std::ostream* os) { *os << g.number << "=" << g.value; }
    int number;
    float value;
};

// Chooses the parameters without carry-over and gives them their values (internal units).
inline void Choose(LumarikCode& code, std::initializer_list<Given> given) {
    for (const Given& g : given) {
        ASSERT_TRUE(code.AddVar(g.number, true)) << "parameter " << g.number;
        const int position = code.Selected().PositionOf(g.number);
        code.Selected().SetVarValue(position, g.value);
        code.Selected().SetVarValDef(position, true);
    }
}

// Chooses aperture parameter k with its value, replacing any aperture chosen before.
inline void GiveAperture(LumarikCode& code, int k, float value) {
    code.Apertures().Clear();
    ASSERT_TRUE(code.AddApVar(k, true));
    code.Apertures().SetVarValue(1, value);
    code.Apertures().SetVarValDef(1, true);
}

struct Optics {
    bool advanced = false;
    bool mirror = false;
    float n = 1.0f;
    float nPrime = 1.0f;
    float d = 0.0f;

    double Rho() const { return mirror ? -1.0 : advanced ? static_cast<double>(n) / nPrime : 1.0; }
    double D() const { return advanced && !mirror ? d : 0.0; }
    void ApplyTo(LumarikCode& code) const {
        code.Constants().SetMirrorMode(mirror);
        code.Constants().SetAdvancedOptions(advanced);
        code.Constants().SetN(n);
        code.Constants().SetNPrime(nPrime);
        code.Constants().SetD(d);
    }
};

// The system of three cells of a data table from cells[at]: the optics (Air, Mirror, or
// "n n' d" of a lens between two media), 1 for an object at infinity, the given values.
inline void SetUpSystem(LumarikCode& code, const DataRow& cells, std::size_t at) {
    Optics optics;
    if (cells.at(at) == "Mirror") optics.mirror = true;
    if (cells.at(at) != "Air" && !optics.mirror) {
        optics.advanced = true;
        std::istringstream(cells.at(at)) >> optics.n >> optics.nPrime >> optics.d;
    }
    optics.ApplyTo(code);
    for (const auto& [number, value] : NumberedValues(cells.at(at + 2))) {
        Choose(code, {{number, static_cast<float>(value)}});
    }
    code.SetObjectAtInfinity(cells.at(at + 1) == "1");
}

inline std::string RowName(const ::testing::TestParamInfo<DataRow>& info) {
    return info.param.at(0);
}

// Every value of a solved system, indexed like the value table.
using Reference = std::array<double, kValueCount>;

inline constexpr std::array<int, 10> kSolvedNumbers = {0, 1, 2, 3, 4, 5, 6, 7, 8, 20};

// The system of focal length fp with the object at a, from one field value (number 5..8),
// straight from 1/f' = 1/a' - ρ/a and tan w' = ρ·tan w.
inline Reference ReferenceSystem(const Optics& optics, double fp, double a, int field,
                                 double fieldValue) {
    const double rho = optics.Rho();
    Reference r{};
    r[kParFocal] = fp;
    r[kParObjectFocal] = -rho * fp;
    r[kParObjectDist] = a;
    const double ap = r[kParImageDist] = 1.0 / (1.0 / fp + rho / a);
    r[kParMagnification] = rho * ap / a;
    r[kParTrack] = -a + optics.D() + ap;
    double w = field == kParObjectAngle ? fieldValue : std::atan(fieldValue / a);
    if (field == kParImageHeight || field == kParImageAngle) {
        const double wp = field == kParImageAngle ? fieldValue : std::atan(fieldValue / ap);
        w = std::atan(std::tan(wp) / rho);
    }
    r[kParObjectAngle] = w;
    r[kParImageAngle] = std::atan(rho * std::tan(w));
    r[kParObjectHeight] = a * std::tan(w);
    r[kParImageHeight] = ap * std::tan(r[kParImageAngle]);
    return r;
}

// The object distance that f' and t give, found without the solver's quadratic: the image of
// a, 1/(1/f' + ρ/a), must stand at t + a - d. Multiplied out, q(a) = (t + a - d)(a + ρ·f') - a·f'
// has no pole; its sign changes on a fine logarithmic scan of both signs are bisected. Of the
// two systems a real object takes the one farther from the element (the smaller a), otherwise
// the larger distance is taken.
inline double ObjectDistanceFromFocalAndTrack(const Optics& optics, double fp, double t) {
    const double rho = optics.Rho();
    const auto q = [&](double a) { return (t + a - optics.D()) * (a + rho * fp) - a * fp; };
    std::vector<double> grid;
    for (double x = 1e-3; x < 1e7; x *= 1.01) {
        grid.push_back(x);
        grid.push_back(-x);
    }
    std::sort(grid.begin(), grid.end());
    std::vector<double> roots;
    for (std::size_t i = 1; i < grid.size(); ++i) {
        double lo = grid[i - 1], hi = grid[i];
        if ((q(lo) < 0) == (q(hi) < 0)) continue;
        for (int step = 0; step < 200; ++step) {
            const double mid = (lo + hi) / 2;
            ((q(mid) < 0) == (q(lo) < 0) ? lo : hi) = mid;
        }
        roots.push_back(lo);
    }
    if (roots.empty()) {  // a double root touches zero without a change of sign
        const auto low = std::min_element(grid.begin(), grid.end(), [&](double x, double y) {
            return std::fabs(q(x)) < std::fabs(q(y));
        });
        double lo = *std::prev(low), hi = *std::next(low);
        for (int step = 0; step < 300; ++step) {
            const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
            if (std::fabs(q(m1)) < std::fabs(q(m2))) {
                hi = m2;
            } else {
                lo = m1;
            }
        }
        if (std::fabs(q(lo)) < 1e-9 * (t * t + fp * fp)) roots = {lo, lo};
    }
    EXPECT_EQ(roots.size(), 2u) << "f' " << fp << ", t " << t;
    if (roots.empty()) return 0.0;
    return roots.front() < 0.0 ? roots.front() : roots.back();
}

inline ::testing::AssertionResult Near(double actual, double expected, double relative) {
    const double tolerance = relative * std::fabs(expected) + 1e-9;
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " differs from " << expected << " by more than " << tolerance;
}

inline const char* ShortName(int number) {
    static constexpr std::array<const char*, kSelectableCount> kNames = {"f", "a", "a_", "m", "t",
                                                                         "u", "w", "u_", "w_"};
    return number == kParObjectFocal ? "fo" : kNames[static_cast<std::size_t>(number)];
}

}  // namespace lumarik::test
