// The variable record: one chosen parameter with its value and slider limits,
// all in internal units (millimetres, radians, plain ratios).
#pragma once

#include <cstdint>

namespace lumarik {

class CVarType {
public:
    std::int16_t nVarType = 0;  // parameter number (distance/field or aperture number)
    float sVarValue = 0.0f;
    bool bVarValDef = false;
    float sLimLow = 0.0f;
    float sLimHih = 0.0f;
    bool bLimLowDef = false;
    bool bLimHihDef = false;

    void CopyTo(CVarType& cVarTrg) const { cVarTrg = *this; }
};

}  // namespace lumarik
