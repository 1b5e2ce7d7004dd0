// The aperture values of a solved system (stop radius, F-number, numerical apertures, Airy
// radius, MTF cut-off) completed from the one that is given, the effective F-number, and the
// positions of the cardinal points.
#pragma once

#include <array>

#include "core/model/Catalogue.h"

namespace lumarik {

using ApertureTable = std::array<float, kApertureCount>;
using CardinalTable = std::array<float, kCardinalCount>;

// The first-order system the aperture values are computed for; distances as in the value
// table (a = kInfinity for an object at infinity), n' < 0 for a mirror.
struct ApertureSystem {
    float focal = 0.0f;       // f'
    float objectDist = 0.0f;  // a
    float imageDist = 0.0f;   // a'
    float n = 1.0f;
    float nPrime = 1.0f;
    float wavelength = 546.1f;  // nm
};

// The arcsine the aperture step has always used. Below 1 in magnitude it is the arcsine;
// from 1 on (a numerical aperture that no system has) it continues with π/2 plus the arcsine
// of the fractional part x - floor(x), and is π/2 for a fractional part above 0.999.
double ArcSine(double x);

// Writes `given` into entry k (0..4) and completes the others from it, each stored as a float
// before the next step uses it. Returns the MTF cut-off in line pairs per millimetre.
//
//   NA  = n·sin(atan(r/|a|))     NA' = n'·sin(atan(r/|a'|))    (0 for a zero distance)
//   K   = f'/(2·r)               F-number for an object at infinity (0 for r = 0)
//   ρA  = 0.61·λ·|a'|/|n'·r|     Airy radius (0 while NA' = 0)
//   ν   = 2·n'·r/(a'·λ)          MTF cut-off, signed; shown as its magnitude
//
// The numerical apertures carry the sign of their index, so a mirror's NA' is negative, and
// a given NA (NA') gives r = |a|·tan(arcsin(NA/n)) (r = |a'|·tan(arcsin(NA'/n'))), the inverse
// of its formula. A given Airy radius sets NA' = 0.61·λ/ρA and r = a'·NA'/n'. The Airy
// radius, the effective F-number and ν are the paraxial forms of 0.61·λ/NA', 1/(2·NA') and
// 2·NA'/λ with NA' ≈ n'·r/a', so the three always agree.
//
// Throws CalcError (a zero distance or F-number in a division, a float overflow) with the
// entries computed so far left in the table.
float CompleteApertureTable(int k, float given, const ApertureSystem& system, ApertureTable& table);

// The working F-number |a'/(2·n'·r)|: 0 when a' = 0 or r/a' = 0 (no aperture), and FLT_MAX
// for a stop so small that the quotient leaves the float range. Never throws.
float EffectiveFNumber(float stopRadius, float imageDist, float nPrime);

// Positions from the object-side principal point P, indexed kCardP..kCardNPrime:
//   P = 0, P' = d, F = f, F' = d + f', N = f + f', N' = d + f' + f.
// With equal indices (f = -f') the nodal points fall on the principal points; for a mirror
// (d = 0, f = f') F = F' = f' and N = N' = 2·f', the centre of curvature. Throws CalcError
// when a position leaves the float range.
CardinalTable CardinalPoints(float focal, float objectFocal, float d);

}  // namespace lumarik
