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

// What the evaluation reads from the solved system (distances from the principal planes,
// positive in the direction of the light).
struct DofSystem {
    float stopRadius = 0.0f;   // r, the stop at the element
    float objectFocal = 0.0f;  // f = -f'·n/n', the object-side focal length
    float objectDist = 0.0f;   // a, negative for a real object; kInfinity at infinity
    float imageDist = 0.0f;    // a'
    float nPrime = 1.0f;       // n', negative for a mirror, whose real images have a' < 0
    float airyRadius = 0.0f;   // for the circle of confusion of kCofCAiry
};

// Why the table holds values or not. Depth of field exists only where a real object is
// imaged to a real image at a finite distance.
enum class DofState {
    kEvaluated,
    kFailed,  // a run-time error ended the evaluation
    kImageAtInfinity,
    kVirtualObject,
    kVirtualImage,  // a diverging element or an object inside the focal length
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

    // Fills the table for the circle of confusion of the type, where the depth of field is
    // defined (State() says why not); near limit, far limit and hyperfocal distance are stored
    // as positive distances in front of the element. With c or r zero every entry but c is 0.
    //
    // The values are the exact thin-lens geometry: a point whose image lies at a'x gives a
    // blur of diameter 2r·|a' - a'x|/|a'x| in the image plane a', so the near and far points
    // are those imaged to a'/(1 - ε) and a'/(1 + ε), ε = c/(2r). With 1/a' - ρ/a = 1/f' and
    // f = -ρ·f' (this holds for lenses in any media and, with ρ = -1, for mirrors):
    //   x = ε·(1 - a/f)            near = -a/(1 - x)        far = -a/(1 + x), infinite for x <= -1
    //   depth of focus = ±ε·|a'| (the image plane may move so far)
    //   hyperfocal distance H = |f|·(1 + ε)/ε (focused there, the far limit is at infinity)
    //   depth of field = far - near
    // In air with K = f'/(2r) and Ne = a'/(2r) these are the familiar H = f'²/(c·K) + f' and
    // depth of focus Ne·c.
    void Evaluate(const DofSystem& system);
    const DofTable& Table() const { return m_table; }
    DofState State() const { return m_state; }

    // The six value texts of the list: c in the small-value format; depth of focus as "±" and
    // its distance text; the other rows in the distance format with a blank in front, the
    // limits and the hyperfocal distance negated so that they read as object distances.
    std::array<std::string, kDofRowCount> ValueTexts(char decimalSep) const;

private:
    DofTable m_table{};
    DofState m_state = DofState::kFailed;
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
