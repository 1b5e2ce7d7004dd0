#include "core/model/ModeSwitches.h"

#include "core/model/LumarikCode.h"
#include "core/model/ValueEntry.h"
#include "core/numeric/Calc.h"

namespace lumarik {
namespace {

constexpr std::string_view kIndexObjectRange =
    "Die Brechzahl im Objektraum muss zwischen 1.0 und 3.0 liegen!";
constexpr std::string_view kIndexImageRange =
    "Die Brechzahl im Bildraum muss zwischen 1.0 und 3.0 liegen!";

bool IsSet(bool defined, float value) {
    return defined && value != kInfinity;
}

}  // namespace

bool SwitchLensMirror(LumarikCode& model, bool toMirror) {
    EffectiveConstants& constants = model.Constants();
    if (constants.MirrorMode() == toMirror) return false;
    constants.SetMirrorMode(toMirror);
    const float nPrime = constants.StoredNPrime();
    if ((toMirror && nPrime > 0.0f) || (!toMirror && nPrime < 0.0f)) constants.SetNPrime(-nPrime);

    VarCollection& selected = model.Selected();
    const int position = selected.PositionOf(kParFocal);
    if (position == 0) return true;
    const CVarType old = selected.Item(position);
    if (IsSet(old.bVarValDef, old.sVarValue)) selected.SetVarValue(position, -old.sVarValue);
    // The limits change places: the new upper limit is the negated old lower one.
    selected.SetLimHihDef(position, old.bLimLowDef);
    selected.SetLimLowDef(position, old.bLimHihDef);
    if (old.bLimLowDef) selected.SetLimHih(position, -old.sLimLow);
    if (old.bLimHihDef) selected.SetLimLow(position, -old.sLimHih);
    return true;
}

void MakeObjectDistanceNegative(LumarikCode& model) {
    VarCollection& selected = model.Selected();
    const int position = selected.PositionOf(kParObjectDist);
    if (position == 0) return;
    CVarType r = selected.Item(position);
    if (!IsSet(r.bVarValDef, r.sVarValue)) return;
    if (r.sVarValue < 0.0f && (!r.bLimHihDef || r.sLimHih < 0.0f)) return;
    const double p = model.LimitMargin();
    if (r.sVarValue > 0.0f) r.sVarValue = -r.sVarValue;
    if (r.bLimLowDef) {
        if (r.sLimLow > 0.0f) r.sLimLow = -r.sLimLow;
        if (r.sVarValue < r.sLimLow) r.sLimLow = static_cast<float>((1.0 + p) * r.sVarValue);
    }
    if (r.bLimHihDef) {
        if (r.sLimHih > 0.0f) r.sLimHih = -r.sLimHih;
        if (r.sVarValue > r.sLimHih) r.sLimHih = static_cast<float>((1.0 - p) * r.sVarValue);
    }
    selected.SetVarValue(position, r.sVarValue);
    selected.SetLimLow(position, r.sLimLow);
    selected.SetLimHih(position, r.sLimHih);
}

AdvancedCommit CommitAdvancedValue(LumarikCode& model, int row, double x,
                                   const std::function<void()>& beforeStore) {
    using Outcome = AdvancedCommit::Outcome;
    EffectiveConstants& c = model.Constants();
    float current = 0.0f;
    switch (row) {
        case kAdvSeparation:
            current = c.D();
            break;
        case kAdvIndexObject:
            current = c.N();
            break;
        case kAdvIndexImage:
            current = c.NPrime();
            break;
        case kAdvWavelength:
            current = c.Wavelength();
            break;
        default:
            return {};
    }
    if (!FitsSingle(x) || static_cast<float>(x) == current) return {};
    if (row == kAdvIndexObject && (x < 1.0 || x > 3.0))
        return {Outcome::kRefused, kIndexObjectRange};
    if (row == kAdvIndexImage && (x < 1.0 || x > 3.0)) return {Outcome::kRefused, kIndexImageRange};
    if (row == kAdvWavelength && (x < kLeastWavelengthNm || x > kGreatestWavelengthNm)) {
        return {Outcome::kRefused, kWavelengthRange};
    }
    if (beforeStore) beforeStore();
    const float value = static_cast<float>(x);
    switch (row) {
        case kAdvSeparation:
            c.SetD(value);
            break;
        case kAdvIndexObject:
            c.SetN(value);
            if (c.MirrorMode()) c.SetNPrime(-value);
            break;
        case kAdvIndexImage:
            c.SetNPrime(value);
            break;
        default:
            c.SetWavelength(value);
            break;
    }
    return {Outcome::kAccepted, {}};
}

}  // namespace lumarik
