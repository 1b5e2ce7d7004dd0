// The closed-form relations of Gaussian-beam imaging by one thin lens: each takes three known
// quantities and returns the fourth, or nothing when the inputs admit no physical answer. They
// are pure functions; the solver decides which one to apply and stores the results.
#pragma once

#include <optional>

namespace lumarik {

//                     object side            |           image side
//                                            |
//      waist r, w, zr                        |                    waist r', w', zr'
//          >-----------<                    /|\                    >-----<
//   -------+---------------------------------+---------------------+-------------> light
//          |<------------- s --------------->|<-------- s' ------->|
//                                          lens f'
//
//   s  > 0: the object waist lies in front of the lens (a real beam coming in);
//   s' > 0: the image waist lies behind the lens;  f' > 0: a converging lens.
//   m = r'/r > 0 is the waist magnification; zr' = m²·zr, w' = w/m.
//
// With the complex beam parameter q = z + i·zr (z measured from the waist along the light)
// the lens maps 1/q to 1/q − 1/f'. Starting from q = s + i·zr at the lens this gives
//   s'  = f'·(s·(s − f') + zr²) / ((s − f')² + zr²)
//   m²  = f'² / ((s − f')² + zr²)
// which for zr -> 0 is the thin-lens law 1/s + 1/s' = 1/f'. The relations below are these two
// equations solved for other unknowns. Where one leads to a quadratic, `alt` picks the second
// root; where the quadratic's leading coefficient vanishes the equation is linear and its one
// root is returned whatever `alt` says.

// Roots of a·x² + b·x + c = 0 as (−b − √D)/(2a) ("minus") and (−b + √D)/(2a) ("plus"),
// evaluated without cancellation. With a = 0 both are the root −c/b of the linear equation.
// Nothing when D < 0, when a = b = 0, or a root is not finite.
struct QuadraticRoots {
    double minus = 0.0;
    double plus = 0.0;
};
std::optional<QuadraticRoots> SolveQuadratic(double a, double b, double c);

// s' from s, f', zr. Fails for f' = 0 and for s = f' with zr = 0.
std::optional<double> ImageDistance(double s, double f, double zr);
// s from s', f', zr' (the mirror image of ImageDistance).
std::optional<double> ObjectDistance(double sImage, double f, double zrImage);
// m = 1/√((1 − s/f')² + (zr/f')²); fails for f' = 0 or a zero sum.
std::optional<double> MagFromObject(double s, double f, double zr);
// m = √((1 − s'/f')² + (zr'/f')²); fails for f' = 0 or m = 0.
std::optional<double> MagFromImage(double sImage, double f, double zrImage);
// m = √|zr'/zr|; fails when either is 0.
std::optional<double> MagFromRayleigh(double zr, double zrImage);
// s = f' + √(f'²/m² − zr²), alt: f' − √…; fails for f' = 0, m = 0 or a negative radicand.
std::optional<double> ObjectDistanceFromMag(double m, double f, double zr, bool alt);
// f' from s, m, zr: (1 − 1/m²)·f'² − 2s·f' + s² + zr² = 0; the default root is
// (s − √D)/k with k = 1 − 1/m², alt (s + √D)/k; for m = ±1: f' = (s² + zr²)/(2s).
std::optional<double> FocalFromObjectMag(double s, double m, double zr, bool alt);
// f' from s', m, zr': (1 − m²)·f'² − 2s'·f' + s'² + zr'² = 0, roots as above;
// for m = ±1: f' = (s'² + zr'²)/(2s').
std::optional<double> FocalFromImageMag(double sImage, double m, double zrImage, bool alt);
// f' from s, s', zr: (s + s')·f'² − (2ss' + s² + zr²)·f' + s'·(s² + zr²) = 0; default the
// "minus" root, alt the "plus" root (both are real lenses: s = s' = 50, zr = 10 gives 26 and
// 50); for s + s' = 0 the linear root.
std::optional<double> FocalFromObjectConj(double s, double sImage, double zr, bool alt);
// f' from s, s', zr': the mirror image, (s + s')·f'² − (2ss' + s'² + zr'²)·f' + s·(s'² + zr'²).
std::optional<double> FocalFromImageConj(double s, double sImage, double zrImage, bool alt);
// m from s, f', zr' with zr = zr'/m²: (f' − s)²·u² − f'²·u + zr'² = 0 for u = m²; default the
// larger root, alt the smaller; for s = f': m = zr'/|f'|.
std::optional<double> MagFromObjDistImgRayleigh(double s, double f, double zrImage, bool alt);
// m from s', f', zr with zr' = m²·zr: zr²·u² − f'²·u + (f' − s')² = 0; default the larger root,
// alt the smaller. m = 0 (the smaller root at s' = f') is no solution.
std::optional<double> MagFromImgDistObjRayleigh(double sImage, double f, double zr, bool alt);

// The three quantities of one side of a single-mode beam, λ in mm.
struct BeamWaist {
    double radius = 0.0;      // r, 1/e² intensity
    double divergence = 0.0;  // w, far-field half angle in radians
    double rayleigh = 0.0;    // zr = π·r²/λ = r/w
};
enum class WaistKind { kRadius, kDivergence, kRayleigh };
// From one given quantity, taken as its absolute value; nothing for 0 or λ <= 0.
std::optional<BeamWaist> WaistFromGiven(WaistKind kind, double value, double lambda);

// Radius at distance z from a waist of radius r0: |r0|·√(1 + (λz/(πr0²))²); 0 for r0 = 0.
double BeamRadiusAt(double z, double r0, double lambda);
// Wavefront radius of curvature at z: z·(1 + (πr0²/(λz))²); kBeamInfinite for z = 0.
double WavefrontRadiusAt(double z, double r0, double lambda);

// The object-waist distance that makes the beam smallest at distance d behind the lens: the
// waist plane imaged onto d, s = d·f'/(d − f'), giving the radius r·|1 − d/f'| there. A
// negative s (a virtual waist) is replaced by 0, where the radius follows from the beam
// relations. Nothing for d = f' (every s gives r·f'/zr) or f' = 0.
struct MinimumSpot {
    double objectDistance = 0.0;
    double radius = 0.0;
};
std::optional<MinimumSpot> FindMinimumSpot(double d, double f, double r, double lambda);

// The share of the power of a Gaussian beam with 1/e² radii wx and wy (an elliptical spot,
// axes along x and y) that passes a centred round aperture of radius a. Round: 1 − exp(−2a²/w²).
// Elliptical: in polar coordinates the radial integral is closed,
//   P(a) = 1/(2π·wx·wy) ∫ (1 − exp(−2a²·k(θ)))/k(θ) dθ,  k = cos²θ/wx² + sin²θ/wy²,
// and the angle integral is taken numerically (its integrand is smooth and periodic, so the
// trapezoidal rule converges fast). Nothing unless a >= 0 and both radii are finite and > 0.
std::optional<double> TransmittedFraction(double a, double wx, double wy);

}  // namespace lumarik
