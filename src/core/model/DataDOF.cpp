#include "core/model/DataDOF.h"

#include <cmath>
#include <string_view>

#include "core/format/Format.h"
#include "core/numeric/Calc.h"

namespace lumarik {

namespace {

struct SizePattern {
    double above;  // the pattern serves magnitudes above this one
    std::string_view pattern;
};

constexpr std::string_view kExponentPattern = " 0.00e+0;-0.00e+0";

constexpr std::array<SizePattern, 6> kSmallPatterns = {{
    {10.0, " 0.0;-0.0"},
    {1.0, " 0.0#;-0.0#"},
    {0.1, " 0.00#;-0.00#"},
    {0.01, " 0.000#;-0.000#"},
    {0.001, " 0.0000#;-0.0000#"},
    {0.0001, " 0.00000#;-0.00000#"},
}};

constexpr std::array<SizePattern, 6> kDistancePatterns = {{
    {1e6, kExponentPattern},
    {1000.0, " 0;-0"},
    {1.0, " 0.00;-0.00"},
    {0.1, " 0.000;-0.000"},
    {0.01, " 0.0000;-0.0000"},
    {0.001, " 0.00000;-0.00000"},
}};

template <std::size_t N>
std::string SizedText(double value, const std::array<SizePattern, N>& patterns, char decimalSep) {
    const double magnitude = std::fabs(value);
    std::string_view pattern = kExponentPattern;
    for (const SizePattern& p : patterns) {
        if (magnitude > p.above) {
            pattern = p.pattern;
            break;
        }
    }
    std::string text = Format(value, pattern, decimalSep);
    text += "mm";
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A real object (a < 0, at infinity included) imaged to a real image (on the side of the
// light leaving the element: a' of the sign of n') at a finite distance.
DofState Classify(const DofSystem& system) {
    const double imageDist = system.imageDist;
    if (system.objectDist == system.objectFocal || !(std::fabs(imageDist) < -kDofInfinity)) {
        return DofState::kImageAtInfinity;
    }
    if (!(system.objectDist < 0.0f)) return DofState::kVirtualObject;
    if (!(imageDist * system.nPrime > 0.0)) return DofState::kVirtualImage;
    return DofState::kEvaluated;
}

}  // namespace

void DataDOF::SetCofCCustomVal(float millimetres) {
    m_cofcCustom = std::isfinite(millimetres) && millimetres > 0.0f ? millimetres : kDefaultCofC;
}

float DataDOF::CircleOfConfusion(float airyRadius) const {
    switch (m_cofcType) {
        case kCofCCustom:
            return m_cofcCustom;
        case kCofCAiry:
            return Single(2.0 * std::fabs(static_cast<double>(airyRadius)));
        default:
            return 0.0f;
    }
}

void DataDOF::Evaluate(const DofSystem& system) {
    m_state = Classify(system);
    if (m_state != DofState::kEvaluated) return;
    m_state = DofState::kFailed;
    try {
        const double c = CircleOfConfusion(system.airyRadius);
        const double r = std::fabs(static_cast<double>(system.stopRadius));
        m_table[kDofCofC] = c;
        if (c == 0.0 || r == 0.0) {
            for (int i = kDofFocusDepth; i < kDofRowCount; ++i) m_table[i] = 0.0;
            m_state = DofState::kEvaluated;
            return;
        }
        const double epsilon = Div(c, 2.0 * r);
        const double a = system.objectDist;
        const double f = system.objectFocal;
        const double x = Checked(epsilon * (1.0 - Div(a, f)));
        const double nearLimit = Div(-a, 1.0 - x);
        const double farLimit = x <= -1.0 ? kDofInfinity : Div(-a, 1.0 + x);
        const double focusDepth = Checked(epsilon * std::fabs(system.imageDist));
        const double hyperfocal = Checked(Div(std::fabs(f), epsilon) + std::fabs(f));
        m_table[kDofFocusDepth] = focusDepth;
        m_table[kDofHyperfocal] = hyperfocal;
        m_table[kDofNear] = nearLimit;
        m_table[kDofFar] = farLimit;
        m_table[kDofFieldDepth] = Checked(farLimit - nearLimit);
        m_state = DofState::kEvaluated;
    } catch (const CalcError&) {
        // The rows show the evaluation error.
    }
}

std::array<std::string, kDofRowCount> DataDOF::ValueTexts(char decimalSep) const {
    std::array<std::string, kDofRowCount> texts;
    texts[kDofCofC] = " " + DofSmallValueText(m_table[kDofCofC], decimalSep);
    texts[kDofFocusDepth] = "±" + Trimmed(DofDistanceText(m_table[kDofFocusDepth], decimalSep));
    texts[kDofFieldDepth] = " " + DofDistanceText(m_table[kDofFieldDepth], decimalSep);
    for (int row : {kDofNear, kDofFar, kDofHyperfocal}) {
        texts[row] = " " + DofDistanceText(-m_table[row], decimalSep);
    }
    return texts;
}

std::string DofSmallValueText(double value, char decimalSep) {
    if (value == 0.0) return " 0.0mm";
    return SizedText(value, kSmallPatterns, decimalSep);
}

std::string DofDistanceText(double value, char decimalSep) {
    if (value == 0.0) return " 0.0";
    if (std::fabs(value) >= 1e20) return " Infinity";
    return SizedText(value, kDistancePatterns, decimalSep);
}

}  // namespace lumarik
