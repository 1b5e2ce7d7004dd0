// The paraxial solver of one thin lens or mirror: from three chosen distance/field values in
// the value table it completes f', f, a, a', m', t, u, w, u' and w'.
//
//    object space, index n              P   P'         image space, index n'
//                                       |   |
//   ^ u      O                          |   |
//   |        |  .  w                    |   |
//   |        |        .                 |   |
//  -+--------+---------------.----------+---+----------------------+------->  light
//            |                          |   |    .  w'             |
//            |                          |   |           .          v u'
//            |                          |   |                   .  O'
//            |<-------- a (< 0) ------->|<d>|<---- a' (> 0) ------>|
//            |<-------------- t = -a + d + a' -------------------->|
//
// Distances run from the principal planes P (object side) and P' (image side), positive in
// the direction of the light: a real object has a < 0, a real image of a lens a' > 0. Heights
// are positive above the axis; w and w' are the chief-ray angles through P and P', signed so
// that u = a·tan w (a real object above the axis has w < 0). A mirror is the same model with
// n' = -n and d = 0 (ρ = -1), so its real image lies at a' < 0.
//
//   ρ = n / n'             f = -ρ·f'             1/f' = 1/a' - ρ/a
//   m' = -(f·a')/(f'·a) = ρ·a'/a                 t = -a + d + a'
//   tan w' = ρ·tan w       u = a·tan w           u' = a'·tan w'
//
// An infinite distance is the marker kInfinity; m' and t are then 0. Every value is computed
// in double and stored as a float before the next step uses it; exact tests (a = f, m' = 0,
// ...) compare the stored floats. Division by zero, overflow of a float entry and domain
// errors throw CalcError, which the caller turns into "no solution".
#pragma once

#include <array>

#include "core/model/Catalogue.h"

namespace lumarik {

using ValueTable = std::array<float, kValueCount>;

struct SolverConstants {
    float rho = 1.0f;     // n / n'
    float invRho = 1.0f;  // n' / n
    float n = 1.0f;
    float nPrime = 1.0f;
    float d = 0.0f;  // principal-plane separation, mm
    bool objectAtInfinity = false;
};

// Works on a value table that already holds the three given values at their numbers. Every
// solve returns false when the values admit no solution (or the choice is one the selection
// rules refuse); the entries written before the failure stay in the table.
class ParaxialSolver {
public:
    ParaxialSolver(ValueTable& values, const SolverConstants& constants)
        : m_v(values), m_c(constants) {}

    // t1 < t2 < t3 are the chosen numbers (0..8); picks the case from them.
    bool Solve(int t1, int t2, int t3);

    // t1, t2 < 5 <= t3.
    bool SolveTwoDistancesAndField(int t1, int t2, int t3);
    // t1 < 5 <= t2 < t3: the two fields give one more distance-group value first.
    bool SolveDistanceAndTwoFields(int t1, int t2, int t3);
    // t1 >= 5; only u, u' and one angle determine a system.
    bool SolveThreeFields(int t1, int t2, int t3);

    // The ten distance pairs p < q (both 0..4).
    bool SolvePair(int p, int q);
    // Completes the field quantities from the given one (5..8) after a distance pair.
    bool CompleteField(int given);

private:
    double Val(int number) const { return m_v[static_cast<std::size_t>(number)]; }
    void Store(int number, double value);
    void SetObjectFocal();
    void StoreMagnification();
    void StoreTrack();
    // Stores the infinite distance and the m' and t that go with it.
    void StoreInfinite(int number);
    // f' from 1/f' = 1/a' - ρ/a; false for a zero distance or an afocal result.
    bool StoreFocalFromDistances();

    bool FocalObject();          // f', a
    bool FocalImage();           // f', a'
    bool FocalMagnification();   // f', m'
    bool FocalTrack();           // f', t
    bool ObjectImage();          // a, a'
    bool ObjectMagnification();  // a, m'
    bool ObjectTrack();          // a, t
    bool ImageMagnification();   // a', m'
    bool ImageTrack();           // a', t
    bool MagnificationTrack();   // m', t

    ValueTable& m_v;
    SolverConstants m_c;
};

}  // namespace lumarik
