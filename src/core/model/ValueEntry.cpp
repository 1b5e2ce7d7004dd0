#include "core/model/ValueEntry.h"

#include <cfloat>
#include <cmath>

#include "core/format/Rounding.h"
#include "core/numeric/Calc.h"

namespace lumarik {
namespace {

float Opened(float value, double factor) {
    const double limit = factor * value;
    return FitsSingle(limit) ? static_cast<float>(limit) : value;
}

}  // namespace

bool FitsSingle(double value) {
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

bool ExtendLimits(CVarType& record, float value, float margin) {
    const double p = margin;
    bool changed = false;
    const bool setHigh = record.bLimHihDef ? value > record.sLimHih : value != 0.0f;
    if (setHigh) {
        record.sLimHih = Opened(value, value > 0.0f ? 1.0 + p : 1.0 - p);
        record.bLimHihDef = true;
        changed = true;
    }
    const bool setLow = record.bLimLowDef ? value < record.sLimLow : value != 0.0f;
    if (setLow) {
        record.sLimLow = Opened(value, value > 0.0f ? 1.0 - p : 1.0 + p);
        record.bLimLowDef = true;
        changed = true;
    }
    return changed;
}

void WriteValueOpeningLimits(VarCollection& collection, int position, float value, float margin) {
    CVarType record = collection.Item(position);
    collection.SetVarValue(position, value);
    collection.SetVarValDef(position, true);
    if (!ExtendLimits(record, value, margin)) return;
    collection.SetLimLow(position, record.sLimLow);
    collection.SetLimHih(position, record.sLimHih);
    collection.SetLimLowDef(position, record.bLimLowDef);
    collection.SetLimHihDef(position, record.bLimHihDef);
}

std::optional<int> SliderPosition(const CVarType& record, int minimum, int maximum) {
    if (!record.bLimLowDef || !record.bLimHihDef) return std::nullopt;
    const double lo = record.sLimLow;
    const double hi = record.sLimHih;
    if (hi == lo) return std::nullopt;
    const double exact = minimum + (record.sVarValue - lo) * (maximum - minimum) / (hi - lo);
    if (!std::isfinite(exact) || exact < minimum - 0.5 || exact > maximum + 0.5) {
        return std::nullopt;
    }
    const long position = RoundHalfEven(exact);
    if (position < minimum || position > maximum) return std::nullopt;
    return static_cast<int>(position);
}

float SliderValue(const CVarType& record, int position, int minimum, int maximum) {
    const double lo = record.sLimLow;
    const double hi = record.sLimHih;
    const double value = lo + (hi - lo) * (position - minimum) / (maximum - minimum);
    return FitsSingle(value) ? static_cast<float>(value) : record.sVarValue;
}

}  // namespace lumarik
