// Shared helpers of the beam tests: an independent model of the beam through a thin lens built
// on the ABCD law of the complex beam parameter, random systems, and a way to choose beam
// quantities with values.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <initializer_list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/beam/GaussianBeam.h"
#include "support/DataTable.h"

namespace lumarik::test {

constexpr double kLambda = 632.8e-6;  // mm, the default wavelength

// q = z + i·zr after a waist; the lens maps 1/q to 1/q − 1/f'. The image waist lies where the
// real part of q' vanishes: s' = −Re q', zr' = Im q'.
struct BeamSystem {
    double f = 0.0, s = 0.0, zr = 0.0;

    std::complex<double> ImageQ() const {
        return 1.0 / (1.0 / std::complex<double>(s, zr) - 1.0 / f);
    }
    double SImage() const { return -ImageQ().real(); }
    double ZrImage() const { return ImageQ().imag(); }
    double M() const { return std::sqrt(ZrImage() / zr); }
    double R() const { return std::sqrt(zr * kLambda / kBeamPi); }
    // The value of beam number 0..10 in this system (internal units).
    double Value(int n) const {
        const double w = R() / zr;
        const double values[] = {f, s, SImage(), M(), 0, R(), w, zr, R() * M(), w / M(), ZrImage()};
        return values[n];
    }
};

// Beam radius from the beam parameter: 1/q = 1/Rc − i·λ/(π·w²).
inline double RadiusFromQ(std::complex<double> q) {
    return std::sqrt(-kLambda / (kBeamPi * (1.0 / q).imag()));
}

// |f'| in 20..500 mm of either sign, the object waist from two focal lengths behind to four in
// front of the lens, zr from 0.02 to 2 focal lengths.
inline BeamSystem RandomSystem(std::mt19937& rng) {
    std::uniform_real_distribution<double> focal(20.0, 500.0), place(-2.0, 4.0),
        rayleigh(0.02, 2.0);
    std::bernoulli_distribution negative(0.35);
    const double fa = focal(rng);
    return BeamSystem{negative(rng) ? -fa : fa, place(rng) * fa, rayleigh(rng) * fa};
}

inline bool Near(double actual, double expected, double tolerance, double scale = 0.0) {
    return std::fabs(actual - expected) <= tolerance * (std::fabs(expected) + std::fabs(scale));
}

struct Given {
    int number;
    double value;
};

// "1=50 2=50 7=10": quantity numbers with their values.
inline std::vector<Given> GivenFrom(const std::string& text) {
    std::vector<Given> given;
    for (const auto& [number, value] : NumberedValues(text)) given.push_back({number, value});
    return given;
}

inline std::vector<int> NumbersIn(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<int>(in), std::istream_iterator<int>()};
}

// Chooses beam quantities without carry-over, each with its value.
inline void ChooseBeam(GaussianBeam& beam, std::initializer_list<Given> given, int axis = 0) {
    for (const Given& g : given) {
        ASSERT_TRUE(beam.AddBeamVar(axis, g.number, true)) << "number " << g.number;
        VarCollection& list = beam.Selection(axis);
        list.SetVarValue(list.PositionOf(g.number), static_cast<float>(g.value));
        list.SetVarValDef(list.PositionOf(g.number), true);
    }
}

// The beam table agrees with the ABCD law for its own f', s and zr.
inline void ExpectConsistent(const GaussianBeam& beam, int axis, double tolerance) {
    auto v = [&](int n) { return beam.GetBeamValue(axis, n); };
    const BeamSystem sys{v(kBeamFocal), v(kBeamObjectDist), v(kBeamObjRayleigh)};
    EXPECT_TRUE(Near(v(kBeamImageDist), sys.SImage(), tolerance, sys.f)) << v(kBeamImageDist);
    for (int n : {kBeamMag, kBeamObjRadius, kBeamImgRadius, kBeamImgDivergence, kBeamImgRayleigh}) {
        EXPECT_TRUE(Near(v(n), sys.Value(n), tolerance))
            << n << ": " << v(n) << " vs " << sys.Value(n);
    }
    EXPECT_EQ(v(kBeamObjectFocal), -sys.f);
}

}  // namespace lumarik::test
