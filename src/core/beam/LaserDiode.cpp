// The laser-diode part of GaussianBeam: the y section built from the solved x section, the
// circularisation by two crossed cylinder lenses and the state of the laser-diode controls.
//
// Circularisation gives the y section a lens of its own such that both sections leave with the
// same image waist radius. With the waist in the front focal plane (s = f', collimation mode 0)
// r' = |f'|·w, so f'y·wy = f'x·wx; with s = f' + zr (mode 1, the farthest image waist) the
// same holds with a common factor 1/√2. Hence, for the y quantity t with value U:
//   t = w:  f'y = f'x·wx / U      t = r:  f'y = f'x·U / rx      t = zr: f'y = f'x·√(U / zrx)
#include <cfloat>
#include <cmath>

#include "core/beam/BeamRelations.h"
#include "core/beam/BeamTexts.h"
#include "core/beam/GaussianBeam.h"
#include "core/format/Format.h"
#include "core/model/ValueEntry.h"
#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

constexpr int kDefaultDiodeNumber = kBeamObjDivergence;

bool InDiodeRange(int n) {
    return IsObjectBeamNumber(n);
}

bool IsValueNumber(int n) {
    return n >= 0 && n < kBeamSelectableCount;
}

}  // namespace

int GaussianBeam::GetDiodeParamNumber() const {
    const VarCollection& list = m_lists[0];
    if (list.Count() == kMaxBeamSelected) return list.VarType(kMaxBeamSelected);
    return m_diodeParamNumber == 0 ? kDefaultDiodeNumber : m_diodeParamNumber;
}

void GaussianBeam::SetDiodeParamNumber(int n) {
    if (InDiodeRange(n)) m_diodeParamNumber = n;
}

double GaussianBeam::GetDiodeParamValue() {
    const int t = GetDiodeParamNumber();
    if (!IsValueNumber(t)) return 0.0;
    double& u = m_diodeValues[static_cast<std::size_t>(t)];
    if (u == 0.0) u = Val(0, t);
    return u;
}

void GaussianBeam::SetDiodeParamValue(double value) {
    const int t = GetDiodeParamNumber();
    if (IsValueNumber(t) && std::isfinite(value))
        m_diodeValues[static_cast<std::size_t>(t)] = value;
}

void GaussianBeam::LoadDiodeParam(int storedNumber, std::optional<double> storedValue) {
    if (!InDiodeRange(storedNumber)) {
        m_diodeParamNumber = kDefaultDiodeNumber;
        m_diodeValues[kDefaultDiodeNumber] = Val(0, kDefaultDiodeNumber);
        return;
    }
    m_diodeParamNumber = storedNumber;
    const double value =
        storedValue && std::isfinite(*storedValue) ? *storedValue : Val(0, storedNumber);
    m_diodeValues[static_cast<std::size_t>(storedNumber)] = value;
}

std::pair<int, double> GaussianBeam::DiodeParamSetting() const {
    const int t = GetDiodeParamNumber();
    const int n = InDiodeRange(t) ? t : m_diodeParamNumber;
    if (!IsValueNumber(n)) return {n, 0.0};
    const double u = m_diodeValues[static_cast<std::size_t>(n)];
    return {n, u == 0.0 ? Val(0, n) : u};
}

void GaussianBeam::ChooseDiodeParamType(int number) {
    if (!InDiodeRange(number)) return;
    m_diodeParamNumber = number;
    // The y section's own value of the chosen quantity, never another quantity's.
    if (m_solved[1] && Val(1, number) != 0.0) {
        m_diodeValues[static_cast<std::size_t>(number)] = Val(1, number);
    }
}

std::vector<DiodeParamEntry> GaussianBeam::DiodeParamEntries() const {
    std::vector<DiodeParamEntry> entries;
    for (int n = kBeamObjRadius; n <= kBeamObjRayleigh; ++n) {
        entries.push_back({std::string(BeamAltName(n)) + m_symbols.Symbol(n), n});
    }
    return entries;
}

bool GaussianBeam::BuildDiodeSection() {
    VarCollection& yList = m_lists[1];
    yList.Clear();
    const int t = GetDiodeParamNumber();
    if (!IsValueNumber(t)) return false;
    try {
        const double fx = Val(0, kBeamFocal);
        const double sx = Val(0, kBeamObjectDist);
        const double u = GetDiodeParamValue();
        double fy = fx;
        double sy = sx;
        if (m_circularise) {
            const double uAbs = std::fabs(u);
            switch (t) {
                case kBeamObjDivergence:
                    fy = Div(Val(0, kBeamObjDivergence) * fx, uAbs);
                    break;
                case kBeamObjRadius:
                    fy = Div(fx * uAbs, Val(0, kBeamObjRadius));
                    break;
                case kBeamObjRayleigh:
                    fy = fx * Sqrt(Div(uAbs, Val(0, kBeamObjRayleigh)));
                    break;
                default:
                    fy = 0.0;
                    break;
            }
            // The y lens stands as far from its waist, relative to its focal point, as the x lens.
            sy = fy + sx - fx;
        }
        auto record = [](int n, double value) {
            CVarType r;
            r.nVarType = static_cast<std::int16_t>(n);
            r.sVarValue = Single(value);
            r.bVarValDef = true;
            return r;
        };
        const CVarType objectRecord = record(kBeamObjectDist, sy);
        const CVarType focalRecord = record(kBeamFocal, fy);
        const CVarType beamRecord = record(t, u);
        yList.Add(objectRecord);
        yList.Add(focalRecord);
        yList.Add(beamRecord);
    } catch (const CalcError&) {
        yList.Clear();
        return false;
    }
    return yList.Count() == kMaxBeamSelected;
}

std::optional<double> GaussianBeam::ObjectRayleighOfList(int axis) const {
    for (const CVarType& record : Selection(axis).Records()) {
        if (!IsObjectBeamNumber(record.nVarType)) continue;
        if (!record.bVarValDef) return std::nullopt;
        const auto waist = WaistFromGiven(static_cast<WaistKind>(record.nVarType - kBeamObjRadius),
                                          record.sVarValue, m_wavelengthMm);
        if (!waist) return std::nullopt;
        return waist->rayleigh;
    }
    return std::nullopt;
}

std::optional<double> GaussianBeam::CircularisationValue(int axis, int position) const {
    const VarCollection& list = Selection(axis);
    if (list.Count() < 2 || list.VarType(1) != kBeamFocal || list.VarType(2) != kBeamObjectDist) {
        return std::nullopt;
    }
    if (position != 1 && position != 2) return std::nullopt;
    const int partner = 3 - position;
    if (!list.VarValDef(partner)) return std::nullopt;
    double zr = 0.0;
    if (m_collimationMode == 1) {
        const auto rayleigh = ObjectRayleighOfList(axis);
        if (!rayleigh) return std::nullopt;
        zr = *rayleigh;
    }
    const double v = list.VarValue(partner);
    return position == 2 ? v + zr : v - zr;
}

void GaussianBeam::ApplyCircularisationCoupling(int axis) {
    if (!m_diodeMode || !m_circularise) return;
    const auto value = CircularisationValue(axis, 2);
    if (!value) return;
    VarCollection& list = m_lists[static_cast<std::size_t>(axis)];
    // The coupled s of the value rows is the user's as much as a typed one: its limits open
    // around it. (The y section's list has no rows.)
    if (axis == 0) {
        WriteValueOpeningLimits(list, 2, Single(*value), m_limitMargin);
        return;
    }
    list.SetVarValue(2, Single(*value));
    list.SetVarValDef(2, true);
}

bool GaussianBeam::CoupleCircularisationPartner(int position) {
    if (!m_diodeMode || !m_circularise || (position != 1 && position != 2)) return false;
    const int partner = 3 - position;
    const auto value = CircularisationValue(0, partner);
    if (!value || std::fabs(*value) > FLT_MAX) return false;
    WriteValueOpeningLimits(m_lists[0], partner, static_cast<float>(*value), m_limitMargin);
    return true;
}

void GaussianBeam::AddSolvedBeamVar(int number) {
    const double v = Val(0, number);
    if (m_solved[0] && std::isfinite(v) && std::fabs(v) <= FLT_MAX) {
        CVarType solved;
        solved.nVarType = static_cast<std::int16_t>(number);
        solved.sVarValue = static_cast<float>(v);
        solved.bVarValDef = true;
        m_lists[0].Add(CarriedRecord(number, solved, m_limitMargin));
    } else {
        AddBeamVar(0, number, false);
    }
}

void GaussianBeam::EqualiseFocalAndObject() {
    VarCollection& list = m_lists[0];
    const int pf = list.PositionOf(kBeamFocal);
    const int ps = list.PositionOf(kBeamObjectDist);
    if (pf == 0 || ps == 0) return;
    if (!list.VarValDef(pf) && list.VarValDef(ps) && list.VarValue(ps) != 0.0f) {
        list.SetVarValue(pf, list.VarValue(ps));
        list.SetVarValDef(pf, true);
    }
    if (list.VarValDef(pf) && list.VarValue(pf) != 0.0f) {
        list.SetVarValue(ps, list.VarValue(pf));
        list.SetVarValDef(ps, true);
    }
}

void GaussianBeam::SetUpCircularisation() {
    if (!m_diodeMode) return;
    VarCollection& list = m_lists[0];
    auto add = [this](int n) { AddBeamVar(0, n, false); };
    auto remove = [this](int n) { RemoveBeamVar(0, n); };
    // An image-side beam quantity cannot define a y section with its own lens: it becomes the
    // object-side quantity of the same kind, which the y section then takes as well.
    auto toObjectSide = [&](bool solved) {
        const int last = list.Count() > 0 ? list.VarType(list.Count()) : -1;
        if (!IsImageBeamNumber(last)) return;
        const int objectNumber = last - kBeamSideOffset;
        remove(last);
        if (solved) {
            AddSolvedBeamVar(objectNumber);
        } else {
            add(objectNumber);
        }
        m_diodeParamNumber = objectNumber;
    };
    const std::vector<int> numbers = list.Numbers();
    switch (numbers.size()) {
        case 0:
            add(kBeamFocal);
            add(kBeamObjectDist);
            add(kBeamObjDivergence);
            break;
        case 1: {
            const int only = numbers[0];
            if (only == kBeamFocal) {
                add(kBeamObjectDist);
            } else if (only == kBeamObjectDist) {
                add(kBeamFocal);
            } else if (IsConjugateNumber(only)) {
                remove(only);
                add(kBeamFocal);
                add(kBeamObjectDist);
            } else {
                toObjectSide(false);
                add(kBeamFocal);
                add(kBeamObjectDist);
            }
            add(kBeamObjDivergence);  // refused when the list is full
            break;
        }
        case 2: {
            if (numbers[0] != kBeamFocal || numbers[1] != kBeamObjectDist) {
                if (numbers[0] == kBeamFocal) {
                    add(kBeamObjectDist);
                } else if (numbers[0] == kBeamObjectDist) {
                    add(kBeamFocal);
                } else {
                    remove(numbers[1]);
                    add(kBeamFocal);
                    add(kBeamObjectDist);
                }
                if (list.Count() == kMaxBeamSelected) remove(list.VarType(kMaxBeamSelected));
            }
            add(kBeamObjDivergence);
            EqualiseFocalAndObject();
            break;
        }
        default: {
            bool equalise = true;
            if (numbers[0] == kBeamFocal && numbers[1] == kBeamObjectDist) {
                // already in form
            } else if (numbers[0] == kBeamFocal) {
                remove(numbers[1]);
                AddSolvedBeamVar(kBeamObjectDist);
            } else if (numbers[0] == kBeamObjectDist) {
                remove(IsConjugateNumber(numbers[1]) ? numbers[1] : numbers[2]);
                AddSolvedBeamVar(kBeamFocal);
            } else {
                remove(numbers[0]);
                remove(numbers[1]);
                AddSolvedBeamVar(kBeamFocal);
                AddSolvedBeamVar(kBeamObjectDist);
                equalise = false;
            }
            toObjectSide(true);
            if (equalise) EqualiseFocalAndObject();
            break;
        }
    }
}

void GaussianBeam::SwitchDiodeMode(bool on) {
    m_diodeMode = on;
    if (on && m_circularise) SetUpCircularisation();
}

void GaussianBeam::SwitchCircularisation(bool on) {
    m_circularise = on;
    if (on) SetUpCircularisation();
}

double GaussianBeam::ShownDiodeValue(int t) const {
    if (!IsValueNumber(t)) return 0.0;
    const double stored = m_diodeValues[static_cast<std::size_t>(t)];
    return stored == 0.0 ? Val(0, t) : stored;
}

DiodeControls GaussianBeam::DiodeControlStates() const {
    DiodeControls c;
    const bool circularised = m_diodeMode && m_circularise;
    c.circulariseEnabled = m_diodeMode;
    c.circulariseTicked = circularised;
    c.collimationEnabled = circularised;
    c.paramTypeEnabled = m_diodeMode;
    c.paramValueEnabled = m_diodeMode;
    c.diodeM2Enabled = m_diodeMode && m_useM2;
    c.m2Enabled = m_useM2;
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        c.selectionEnabled[static_cast<std::size_t>(n)] = !circularised || IsObjectBeamNumber(n);
    }
    c.altSolutionEnabled = AltSolutionEnabled();
    c.collimationIndex = m_collimationMode;
    const int t = GetDiodeParamNumber();
    c.paramTypeIndex = InDiodeRange(t) ? t - kBeamObjRadius : -1;
    c.paramValueText = OptionText(BeamOption::kDiodeParam);
    c.diodeM2Text = OptionText(BeamOption::kDiodeM2);
    return c;
}

std::string GaussianBeam::ModeCaption() const {
    std::string caption(beamtexts::kCaptionBeam);
    if (m_diodeMode) {
        caption += beamtexts::kCaptionDiode;
        if (m_circularise) caption += beamtexts::kCaptionCircularised[m_collimationMode];
    }
    return caption;
}

}  // namespace lumarik
