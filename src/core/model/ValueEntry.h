// The arithmetic of the value rows: opening the slider limits around a typed value and
// mapping between a record's value and its slider position.
#pragma once

#include <optional>

#include "core/model/CVarType.h"
#include "core/model/VarCollection.h"

namespace lumarik {

// Moves the limits of `record` so that the new internal value v lies within them; an
// undefined limit is opened around v by the margin p (v > 0: v·(1 − p) .. v·(1 + p); v ≤ 0:
// v·(1 + p) .. v·(1 − p)), a defined one is moved only when v crosses it, and a value of 0
// leaves undefined limits undefined. Returns true when a limit was set.
bool ExtendLimits(CVarType& record, float value, float margin);

// Writes `value` into the record at `position` of `collection` with limits opened around it as
// for a typed value (a drag, a coupled value).
void WriteValueOpeningLimits(VarCollection& collection, int position, float value, float margin);

// The slider position of the record's value between its limits, rounded halves to even;
// nothing when a limit is undefined, the limits are equal or the position lies outside
// minimum..maximum (the slider then keeps its place).
std::optional<int> SliderPosition(const CVarType& record, int minimum, int maximum);

// The internal value at a slider position: lo + (hi − lo)·(position − min)/(max − min).
float SliderValue(const CVarType& record, int position, int minimum, int maximum);

// True when the internal value can be stored in a table entry (a finite float).
bool FitsSingle(double value);

}  // namespace lumarik
