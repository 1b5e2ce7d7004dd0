#include "core/model/ParaxialSolver.h"

#include <algorithm>

#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

constexpr int kF = kParFocal;
constexpr int kA = kParObjectDist;
constexpr int kAp = kParImageDist;
constexpr int kM = kParMagnification;
constexpr int kT = kParTrack;
constexpr int kU = kParObjectHeight;
constexpr int kW = kParObjectAngle;
constexpr int kUp = kParImageHeight;
constexpr int kWp = kParImageAngle;
constexpr int kFo = kParObjectFocal;

constexpr int PairKey(int p, int q) {
    return p * 10 + q;
}

}  // namespace

void ParaxialSolver::Store(int number, double value) {
    m_v[static_cast<std::size_t>(number)] = Single(value);
}

void ParaxialSolver::SetObjectFocal() {
    Store(kFo, -static_cast<double>(m_c.rho) * Val(kF));
}

void ParaxialSolver::StoreMagnification() {
    Store(kM, Div(-Val(kFo) * Val(kAp), Val(kF) * Val(kA)));
}

void ParaxialSolver::StoreTrack() {
    Store(kT, -Val(kA) + m_c.d + Val(kAp));
}

void ParaxialSolver::StoreInfinite(int number) {
    Store(number, kInfinity);
    Store(kM, 0.0);
    Store(kT, 0.0);
}

bool ParaxialSolver::StoreFocalFromDistances() {
    if (Val(kAp) == 0.0 || Val(kA) == 0.0) return false;
    const float k = Single(1.0 / Val(kAp) - m_c.rho / Val(kA));
    if (k == 0.0f) return false;
    Store(kF, 1.0 / k);
    SetObjectFocal();
    return true;
}

bool ParaxialSolver::Solve(int t1, int t2, int t3) {
    if (!(0 <= t1 && t1 < t2 && t2 < t3 && t3 < kSelectableCount)) return false;
    if (t2 < kFirstFieldPar) return SolveTwoDistancesAndField(t1, t2, t3);
    if (t1 < kFirstFieldPar) return SolveDistanceAndTwoFields(t1, t2, t3);
    return SolveThreeFields(t1, t2, t3);
}

bool ParaxialSolver::SolveTwoDistancesAndField(int t1, int t2, int t3) {
    if (t3 < kFirstFieldPar) return false;
    return SolvePair(t1, t2) && CompleteField(t3);
}

bool ParaxialSolver::SolveDistanceAndTwoFields(int t1, int t2, int t3) {
    const double rho = m_c.rho;
    // Which distance the two fields give, and the pair it forms with the chosen distance t1;
    // -1 where the selection rules refuse the combination.
    int derived = -1;
    switch (PairKey(t2, t3)) {
        case PairKey(kU, kW):
        case PairKey(kU, kWp):
            derived = t1 == kA ? -1 : kA;
            break;
        case PairKey(kU, kUp):
            derived = t1 == kM ? -1 : kM;
            break;
        case PairKey(kW, kUp):
        case PairKey(kUp, kWp):
            derived = t1 == kAp ? -1 : kAp;
            break;
        default:
            break;
    }
    if (derived < 0) return false;

    switch (PairKey(t2, t3)) {
        case PairKey(kU, kW):
            Store(kWp, Atan(rho * Tan(Val(kW))));
            Store(kA, Div(Val(kU), Tan(Val(kW))));
            break;
        case PairKey(kU, kWp):
            Store(kW, Atan(Div(Tan(Val(kWp)), rho)));
            Store(kA, Div(Val(kU), Tan(Val(kW))));
            break;
        case PairKey(kU, kUp):
            Store(kM, Div(Val(kUp), Val(kU)));
            break;
        case PairKey(kW, kUp):
            Store(kWp, Atan(rho * Tan(Val(kW))));
            Store(kAp, Div(Val(kUp), Tan(Val(kWp))));
            break;
        default:  // u', w'
            Store(kW, Atan(Div(Tan(Val(kWp)), rho)));
            Store(kAp, Div(Val(kUp), Tan(Val(kWp))));
            break;
    }

    if (!SolvePair(std::min(t1, derived), std::max(t1, derived))) return false;

    switch (PairKey(t2, t3)) {
        case PairKey(kU, kW):
        case PairKey(kU, kWp):
            Store(kUp, Val(kAp) * Tan(Val(kWp)));
            break;
        case PairKey(kU, kUp):
            Store(kW, Atan(Div(Val(kU), Val(kA))));
            Store(kWp, Atan(rho * Tan(Val(kW))));
            break;
        default:  // w, u' and u', w'
            Store(kU, Val(kA) * Tan(Val(kW)));
            break;
    }
    return true;
}

bool ParaxialSolver::SolveThreeFields(int t1, int t2, int t3) {
    // u and u' with one angle; with both angles chosen the system is over-determined (ρ ties
    // them) and one of the heights is missing.
    int angle = -1;
    if (t1 == kU && t2 == kW && t3 == kUp) angle = kW;
    if (t1 == kU && t2 == kUp && t3 == kWp) angle = kWp;
    if (angle < 0) return false;

    if (angle == kW) {
        Store(kWp, Atan(m_c.rho * Tan(Val(kW))));
    } else {
        Store(kW, Atan(Div(Tan(Val(kWp)), m_c.rho)));
    }
    Store(kA, Div(Val(kU), Tan(Val(kW))));
    Store(kAp, Div(Val(kUp), Tan(Val(kWp))));
    Store(kF, Div(1.0, Div(1.0, Val(kAp)) - Div(m_c.n, static_cast<double>(m_c.nPrime) * Val(kA))));
    SetObjectFocal();
    StoreMagnification();
    StoreTrack();
    return true;
}

bool ParaxialSolver::SolvePair(int p, int q) {
    switch (PairKey(p, q)) {
        case PairKey(kF, kA):
            return FocalObject();
        case PairKey(kF, kAp):
            return FocalImage();
        case PairKey(kF, kM):
            return FocalMagnification();
        case PairKey(kF, kT):
            return FocalTrack();
        case PairKey(kA, kAp):
            return ObjectImage();
        case PairKey(kA, kM):
            return ObjectMagnification();
        case PairKey(kA, kT):
            return ObjectTrack();
        case PairKey(kAp, kM):
            return ImageMagnification();
        case PairKey(kAp, kT):
            return ImageTrack();
        case PairKey(kM, kT):
            return MagnificationTrack();
        default:
            return false;
    }
}

bool ParaxialSolver::CompleteField(int given) {
    const double rho = m_c.rho;
    switch (given) {
        case kU:
            Store(kW, Atan(Div(Val(kU), Val(kA))));
            Store(kWp, Atan(rho * Tan(Val(kW))));
            Store(kUp, Val(kAp) * Tan(Val(kWp)));
            return true;
        case kW:
            Store(kU, Val(kA) * Tan(Val(kW)));
            Store(kWp, Atan(rho * Tan(Val(kW))));
            Store(kUp, Val(kAp) * Tan(Val(kWp)));
            return true;
        case kUp:
            Store(kWp, Atan(Div(Val(kUp), Val(kAp))));
            Store(kW, Atan(Div(Tan(Val(kWp)), rho)));
            Store(kU, Val(kA) * Tan(Val(kW)));
            return true;
        case kWp:
            Store(kUp, Val(kAp) * Tan(Val(kWp)));
            Store(kW, Atan(Div(Tan(Val(kWp)), rho)));
            Store(kU, Val(kA) * Tan(Val(kW)));
            return true;
        default:
            return false;
    }
}

bool ParaxialSolver::FocalObject() {
    SetObjectFocal();
    if (m_v[kA] == kInfinity || m_c.objectAtInfinity) {
        Store(kAp, Val(kF));
        Store(kM, 0.0);
        Store(kT, 0.0);
    } else if (m_v[kA] == m_v[kFo]) {
        StoreInfinite(kAp);
    } else {
        Store(kAp, Div(Val(kF), 1.0 - Div(Val(kFo), Val(kA))));
        StoreMagnification();
        StoreTrack();
    }
    return true;
}

bool ParaxialSolver::FocalImage() {
    SetObjectFocal();
    if (m_c.objectAtInfinity || m_v[kAp] == m_v[kF]) {
        StoreInfinite(kA);
    } else {
        Store(kA, Div(Val(kFo), 1.0 - Div(Val(kF), Val(kAp))));
        StoreMagnification();
        StoreTrack();
    }
    return true;
}

bool ParaxialSolver::FocalMagnification() {
    SetObjectFocal();
    if (m_v[kM] == 0.0f) {
        Store(kAp, Val(kF));
        Store(kA, kInfinity);
        Store(kT, 0.0);
    } else {
        Store(kAp, (1.0 - Val(kM)) * Val(kF));
        Store(kA, (1.0 - Div(1.0, Val(kM))) * Val(kFo));
        StoreTrack();
    }
    return true;
}

// With a' = x the track gives a = d + x - t, and the imaging equation turns into
// x² + B·x + C = 0. Of the two systems, a real object takes the one farther from the element
// (the reduced image); otherwise the larger object distance.
bool ParaxialSolver::FocalTrack() {
    SetObjectFocal();
    const double fp = Val(kF);
    const double d = m_c.d;
    const double t = Val(kT);
    const double b = -fp - Val(kFo) + d - t;
    const double c = fp * (t - d);
    const double disc = b * b - 4.0 * c;
    if (disc < 0.0) return false;
    const double root = Sqrt(disc);
    const double x1 = -(b + root) / 2.0;
    const double x2 = -(b - root) / 2.0;
    const double y1 = d + x1 - t;
    const double y2 = d + x2 - t;
    if (y1 < 0.0) {
        Store(kA, y1);
        Store(kAp, x1);
    } else {
        Store(kA, y2);
        Store(kAp, x2);
    }
    StoreMagnification();
    return true;
}

bool ParaxialSolver::ObjectImage() {
    if (m_c.objectAtInfinity) {
        Store(kF, Val(kAp));
        SetObjectFocal();
        Store(kM, 0.0);
        Store(kT, 0.0);
        return true;
    }
    if (!StoreFocalFromDistances()) return false;
    StoreMagnification();
    StoreTrack();
    return true;
}

// m' = 0 is degenerate (a' = 0, so f' = 0) but accepted.
bool ParaxialSolver::ObjectMagnification() {
    Store(kAp, Val(kM) * Val(kA) * m_c.invRho);
    if (m_v[kM] == 0.0f) {
        Store(kF, Val(kAp));
        SetObjectFocal();
        Store(kT, 0.0);
        return true;
    }
    if (!StoreFocalFromDistances()) return false;
    StoreTrack();
    return true;
}

bool ParaxialSolver::ObjectTrack() {
    Store(kAp, Val(kA) - m_c.d + Val(kT));
    const float denominator = Single(Val(kA) - m_c.rho * Val(kAp));
    if (denominator == 0.0f) return false;
    Store(kF, Div(Val(kA) * Val(kAp), denominator));
    SetObjectFocal();
    Store(kAp, Div(Val(kF), 1.0 - Div(Val(kFo), Val(kA))));
    StoreMagnification();
    return true;
}

bool ParaxialSolver::ImageMagnification() {
    if (m_v[kM] == 0.0f) {
        Store(kA, kInfinity);
        Store(kF, Val(kAp));
        SetObjectFocal();
        Store(kT, 0.0);
        return true;
    }
    Store(kA, Div(m_c.rho * Val(kAp), Val(kM)));
    if (!StoreFocalFromDistances()) return false;
    StoreTrack();
    return true;
}

bool ParaxialSolver::ImageTrack() {
    Store(kA, Val(kAp) + m_c.d - Val(kT));
    const float denominator = Single(Val(kA) - m_c.rho * Val(kAp));
    if (denominator == 0.0f) return false;
    Store(kF, Div(Val(kA) * Val(kAp), denominator));
    SetObjectFocal();
    Store(kA, Div(Val(kFo), 1.0 - Div(Val(kF), Val(kAp))));
    StoreMagnification();
    return true;
}

bool ParaxialSolver::MagnificationTrack() {
    const float difference = Single(Val(kM) - m_c.rho);
    if (difference == 0.0f) return false;
    Store(kA, Div(m_c.rho * (Val(kT) - m_c.d), difference));
    Store(kAp, Val(kM) * Val(kA) * m_c.invRho);
    Store(kF, Div(1.0, Div(1.0, Val(kAp)) - Div(m_c.rho, Val(kA))));
    SetObjectFocal();
    return true;
}

}  // namespace lumarik
