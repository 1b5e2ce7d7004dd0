// Depth of field of the solved system for a circle of confusion: depth of focus, depth of
// field, near and far limits of sharpness and the hyperfocal distance, the choice of the
// circle of confusion, and the value texts of the depth-of-field list.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lumarik {

// Rows of the depth-of-field table and list.
constexpr int kDofCofC = 0;        // circle of confusion c (mm)
constexpr int kDofFocusDepth = 1;  // depth of focus, image side (mm)
constexpr int kDofFieldDepth = 2;  // depth of field, object side (mm)
constexpr int kDofNear = 3;        // near limit
constexpr int kDofFar = 4;         // far limit, kDofInfinity when there is none
constexpr int kDofHyperfocal = 5;  // hyperfocal distance
constexpr int kDofRowCount = 6;

// The infinity marker as the depth-of-field table (doubles) holds it.
constexpr double kDofInfinity = -1e20;

// Circle-of-confusion types (settings key CofCType); any other type gives c = 0.
constexpr int kCofCCustom = 0;          // the user's value (CofCCustomVal)
constexpr int kCofCAiry = 1;            // the smallest physically possible one, the Airy diameter
constexpr float kDefaultCofC = 0.025f;  // mm

// What the evaluation reads from the solved system.
struct DofSystem {
    float fNumber = 0.0f;           // K, the F-number for an object at infinity
    float effectiveFNumber = 0.0f;  // Ne, the working F-number
    float focal = 0.0f;             // f' as the value table holds it
    float objectDist = 0.0f;        // a, negative for a real object
    float airyRadius = 0.0f;        // for the circle of confusion of kCofCAiry
    bool mirror = false;
};

using DofTable = std::array<double, kDofRowCount>;

class DataDOF {
public:
    int CofCType() const { return m_cofcType; }
    void SetCofCType(int type) { m_cofcType = static_cast<std::int16_t>(type); }
    float CofCCustomVal() const { return m_cofcCustom; }
    // A value that is not positive and finite (only a damaged settings file has one; a stored
    // 0 means "not set") gives the default 0.025 mm.
    void SetCofCCustomVal(float millimetres);
    // By type: the custom value, or the Airy diameter 2·|airyRadius|, or 0. Throws CalcError
    // when the Airy diameter leaves the float range.
    float CircleOfConfusion(float airyRadius) const;

    // Fills the table for the circle of confusion of the type. Near limit, far limit and hyperfocal
    // distance are stored as positive distances in front of the element. With Ne, c or f' zero
    // every entry but c is 0. A run-time error leaves Valid() false.
    //
    //   f' in the formulas is the focal length that brings a real object to a real image on
    //   the far side: -f' for a mirror, whose image space is folded back. K takes the sign of
    //   that f' (|K|·sign f'), so that a concave mirror gives the values of the equivalent lens.
    //   depth of focus = Ne·c          H = f'²/(c·K) + f'          x = (f' + a)·c·K/f'²
    //   near = -a/(1 - x)              far = -a/(1 + x), infinite when not positive
    //   depth of field = far - near
    void Evaluate(const DofSystem& system);
    const DofTable& Table() const { return m_table; }
    bool Valid() const { return m_valid; }

    // The six value texts of the list: c in the small-value format; depth of focus as "±" and
    // its distance text; the other rows in the distance format with a blank in front, the
    // limits and the hyperfocal distance negated so that they read as object distances.
    std::array<std::string, kDofRowCount> ValueTexts(char decimalSep) const;

private:
    DofTable m_table{};
    bool m_valid = false;
    std::int16_t m_cofcType = kCofCCustom;
    float m_cofcCustom = kDefaultCofC;
};

// Texts of small lengths (the circle of confusion): 0 is " 0.0mm"; otherwise a blank or the
// minus and as many decimals as the size asks for (" 0.025mm", " 2.50e-5mm") with "mm".
std::string DofSmallValueText(double value, char decimalSep);
// Texts of distances: 0 is " 0.0" without a unit, |v| >= 1e20 " Infinity"; otherwise a blank
// or the minus, a precision by size (" 199.80mm", " 100100mm", " 1.00e+7mm") and "mm".
std::string DofDistanceText(double value, char decimalSep);

}  // namespace lumarik
