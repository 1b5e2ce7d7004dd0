#include "core/beam/BeamRelations.h"

#include <algorithm>
#include <cmath>

#include "core/beam/BeamCatalogue.h"

namespace lumarik {

namespace {

std::optional<double> Finite(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

// m from m² = u; a zero or non-finite magnification is no solution.
std::optional<double> MagFromSquare(double u) {
    if (!(u > 0.0) || !std::isfinite(u)) return std::nullopt;
    return Finite(std::sqrt(u));
}

// A lens of zero power is no solution.
std::optional<double> Focal(double f) {
    if (f == 0.0) return std::nullopt;
    return Finite(f);
}

std::optional<double> Pick(const std::optional<QuadraticRoots>& roots, bool plus) {
    if (!roots) return std::nullopt;
    return plus ? roots->plus : roots->minus;
}

}  // namespace

std::optional<QuadraticRoots> SolveQuadratic(double a, double b, double c) {
    if (a == 0.0) {
        if (b == 0.0) return std::nullopt;
        const auto x = Finite(-c / b);
        if (!x) return std::nullopt;
        return QuadraticRoots{*x, *x};
    }
    const double disc = b * b - 4.0 * a * c;
    if (!std::isfinite(disc) || disc < 0.0) return std::nullopt;
    const double root = std::sqrt(disc);
    // q carries the sign of −b so that b and √D never cancel; q/a and c/q are the two roots.
    const double q = b >= 0.0 ? -0.5 * (b + root) : 0.5 * (root - b);
    if (q == 0.0) return QuadraticRoots{0.0, 0.0};  // b = 0 and c = 0: the double root 0
    const double big = q / a;
    const double small = c / q;
    if (!std::isfinite(big) || !std::isfinite(small)) return std::nullopt;
    // For b >= 0, q/a = (−b − √D)/(2a); otherwise q/a = (−b + √D)/(2a).
    return b >= 0.0 ? QuadraticRoots{big, small} : QuadraticRoots{small, big};
}

std::optional<double> ImageDistance(double s, double f, double zr) {
    if (f == 0.0) return std::nullopt;
    const double x = s / f - 1.0;
    const double y = zr / f;
    const double den = x * x + y * y;
    if (den == 0.0) return std::nullopt;
    return Finite(f * (1.0 + x / den));
}

std::optional<double> ObjectDistance(double sImage, double f, double zrImage) {
    return ImageDistance(sImage, f, zrImage);
}

std::optional<double> MagFromObject(double s, double f, double zr) {
    if (f == 0.0) return std::nullopt;
    const double x = 1.0 - s / f;
    const double y = zr / f;
    const double sum = x * x + y * y;
    if (!(sum > 0.0)) return std::nullopt;
    return MagFromSquare(1.0 / sum);
}

std::optional<double> MagFromImage(double sImage, double f, double zrImage) {
    if (f == 0.0) return std::nullopt;
    const double x = 1.0 - sImage / f;
    const double y = zrImage / f;
    return MagFromSquare(x * x + y * y);
}

std::optional<double> MagFromRayleigh(double zr, double zrImage) {
    if (zr == 0.0 || zrImage == 0.0) return std::nullopt;
    return MagFromSquare(std::fabs(zrImage / zr));
}

std::optional<double> ObjectDistanceFromMag(double m, double f, double zr, bool alt) {
    if (f == 0.0 || m == 0.0) return std::nullopt;
    const double d = f * f / (m * m) - zr * zr;
    if (!std::isfinite(d) || d < 0.0) return std::nullopt;
    const double root = std::sqrt(d);
    return Finite(alt ? f - root : f + root);
}

std::optional<double> FocalFromObjectMag(double s, double m, double zr, bool alt) {
    if (m == 0.0) return std::nullopt;
    const double k = 1.0 - 1.0 / (m * m);
    return Focal(Pick(SolveQuadratic(k, -2.0 * s, s * s + zr * zr), alt).value_or(0.0));
}

std::optional<double> FocalFromImageMag(double sImage, double m, double zrImage, bool alt) {
    if (m == 0.0) return std::nullopt;
    const double k = 1.0 - m * m;
    return Focal(Pick(SolveQuadratic(k, -2.0 * sImage, sImage * sImage + zrImage * zrImage), alt)
                     .value_or(0.0));
}

std::optional<double> FocalFromObjectConj(double s, double sImage, double zr, bool alt) {
    const double b = 2.0 * s * sImage + s * s + zr * zr;
    const double c = sImage * (s * s + zr * zr);
    return Focal(Pick(SolveQuadratic(s + sImage, -b, c), alt).value_or(0.0));
}

std::optional<double> FocalFromImageConj(double s, double sImage, double zrImage, bool alt) {
    const double b = 2.0 * s * sImage + sImage * sImage + zrImage * zrImage;
    const double c = s * (sImage * sImage + zrImage * zrImage);
    return Focal(Pick(SolveQuadratic(s + sImage, -b, c), alt).value_or(0.0));
}

std::optional<double> MagFromObjDistImgRayleigh(double s, double f, double zrImage, bool alt) {
    if (f == 0.0) return std::nullopt;
    const double a = (f - s) * (f - s);
    const auto roots = SolveQuadratic(a, -f * f, zrImage * zrImage);
    if (!roots) return std::nullopt;
    return MagFromSquare(alt ? roots->minus : roots->plus);
}

std::optional<double> MagFromImgDistObjRayleigh(double sImage, double f, double zr, bool alt) {
    if (f == 0.0 || zr == 0.0) return std::nullopt;
    const auto roots = SolveQuadratic(zr * zr, -f * f, (f - sImage) * (f - sImage));
    if (!roots) return std::nullopt;
    return MagFromSquare(alt ? roots->minus : roots->plus);
}

std::optional<BeamWaist> WaistFromGiven(WaistKind kind, double value, double lambda) {
    const double v = std::fabs(value);
    if (v == 0.0 || !(lambda > 0.0) || !std::isfinite(v)) return std::nullopt;
    BeamWaist waist;
    switch (kind) {
        case WaistKind::kRadius:
            waist.radius = v;
            waist.divergence = lambda / (kBeamPi * v);
            waist.rayleigh = waist.radius / waist.divergence;
            break;
        case WaistKind::kDivergence:
            waist.divergence = v;
            waist.radius = lambda / (kBeamPi * v);
            waist.rayleigh = waist.radius / waist.divergence;
            break;
        case WaistKind::kRayleigh:
            waist.rayleigh = v;
            waist.radius = std::sqrt(v * lambda / kBeamPi);
            waist.divergence = lambda / (kBeamPi * waist.radius);
            break;
    }
    if (!std::isfinite(waist.radius) || !std::isfinite(waist.divergence) ||
        !std::isfinite(waist.rayleigh) || waist.radius == 0.0 || waist.divergence == 0.0 ||
        waist.rayleigh == 0.0) {
        return std::nullopt;
    }
    return waist;
}

double BeamRadiusAt(double z, double r0, double lambda) {
    if (r0 == 0.0) return 0.0;
    // √(r0² + (λz/(π·r0))²), the same without squaring r0 (no underflow for tiny waists).
    const double a = std::fabs(r0);
    return std::hypot(a, lambda * z / (kBeamPi * a));
}

double WavefrontRadiusAt(double z, double r0, double lambda) {
    if (z == 0.0) return kBeamInfinite;
    const double x = kBeamPi * r0 * r0 / (lambda * z);
    return z * (1.0 + x * x);
}

std::optional<MinimumSpot> FindMinimumSpot(double d, double f, double r, double lambda) {
    if (f == 0.0 || d == f || r == 0.0 || !(lambda > 0.0)) return std::nullopt;
    double s = d * f / (d - f);
    if (!std::isfinite(s)) return std::nullopt;
    if (s < 0.0) s = 0.0;
    const double zr = kBeamPi * r * r / lambda;
    const auto sImage = ImageDistance(s, f, zr);
    const auto m = MagFromObject(s, f, zr);
    if (!sImage || !m) return std::nullopt;
    const double radius = BeamRadiusAt(d - *sImage, std::fabs(r) * *m, lambda);
    if (!std::isfinite(radius)) return std::nullopt;
    return MinimumSpot{s, radius};
}

std::optional<double> TransmittedFraction(double a, double wx, double wy) {
    const auto usable = [](double w) { return std::isfinite(w) && w > 0.0; };
    if (!(std::isfinite(a) && a >= 0.0) || !usable(wx) || !usable(wy)) return std::nullopt;
    if (wx == wy) return 1.0 - std::exp(-2.0 * a * a / (wx * wx));
    // 4·256 steps over the full turn: the symmetry of the ellipse would allow a quarter, the
    // whole turn keeps the rule plain.
    constexpr int kSteps = 1024;
    constexpr double kTurn = 2.0 * 3.14159265358979323846;
    double sum = 0.0;
    for (int i = 0; i < kSteps; ++i) {
        const double theta = kTurn * i / kSteps;
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        const double k = c * c / (wx * wx) + s * s / (wy * wy);
        sum += -std::expm1(-2.0 * a * a * k) / k;
    }
    const double fraction = sum * (kTurn / kSteps) / (kTurn * wx * wy);
    return std::clamp(fraction, 0.0, 1.0);
}

}  // namespace lumarik
