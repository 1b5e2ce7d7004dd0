// The vocabulary of the Gaussian-beam mode: the numbers of the beam quantities and of the derived
// results, their names (listing set and laser-diode set), symbols, units, scales and display
// patterns, and the user-replaceable symbols in use.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace lumarik {

// Beam quantity numbers, the indexes of a beam value table. 0..10 can be chosen (4 is computed
// only, its box is never shown); 15 and 20 are always computed; the others carry nothing.
enum BeamQuantity : int {
    kBeamFocal = 0,           // f'  image-side focal length
    kBeamObjectDist = 1,      // s   object waist -> lens, > 0 in front of the lens
    kBeamImageDist = 2,       // s'  lens -> image waist, > 0 behind the lens
    kBeamMag = 3,             // m   waist magnification r'/r
    kBeamWaistToWaist = 4,    // t
    kBeamObjRadius = 5,       // r   waist radius at 1/e² intensity
    kBeamObjDivergence = 6,   // w   far-field half angle (radians)
    kBeamObjRayleigh = 7,     // zr
    kBeamImgRadius = 8,       // r'
    kBeamImgDivergence = 9,   // w'
    kBeamImgRayleigh = 10,    // zr'
    kBeamParaxialImage = 15,  // geometric image distance of the waist plane
    kBeamObjectFocal = 20,    // f = -f'
};
constexpr int kBeamSelectableCount = 11;
constexpr int kBeamValueCount = 21;
constexpr int kFirstObjectBeam = 5;  // 5..7 object side, 8..10 image side
constexpr int kFirstImageBeam = 8;
constexpr int kBeamSideOffset = 3;  // image-side number - object-side number of the same kind

inline bool IsObjectBeamNumber(int n) {
    return n >= kFirstObjectBeam && n < kFirstImageBeam;
}
inline bool IsImageBeamNumber(int n) {
    return n >= kFirstImageBeam && n < kBeamSelectableCount;
}
inline bool IsConjugateNumber(int n) {
    return n >= 0 && n < kFirstObjectBeam;
}

// Derived results, positions measured along the axis from the object waist.
constexpr int kResObjectWaist = 0;
constexpr int kResP = 1;
constexpr int kResPPrime = 2;
constexpr int kResF = 3;
constexpr int kResFPrime = 4;
constexpr int kResN = 5;
constexpr int kResNPrime = 6;
constexpr int kResImageWaist = 7;
constexpr int kResImageWaistMax = 8;  // farthest image waist reachable with this object zr
constexpr int kResSmallestSpotPos = 9;
constexpr int kResDetector = 10;
constexpr int kResGeometricImage = 11;
constexpr int kResSmallestSpotRadius = 12;
constexpr int kResLensRadius = 13;  // beam radius at the lens
constexpr int kResAiryRadius = 14;
constexpr int kResDetectorRadius = 15;
constexpr int kResSOverF = 16;
constexpr int kResSImageOverF = 17;
constexpr int kResZrOverF = 18;
constexpr int kBeamResultCount = 19;

// Constants of the beam relations. π is the decimal the program has always used.
constexpr double kBeamPi = 3.141592654;
constexpr double kDefaultWavelengthNm = 632.8;
constexpr double kNmToMm = 1e-6;
constexpr double kBeamInfinite = 5e20;  // paraxial image distance of a waist in the focal plane
constexpr double kAiryFactor = 0.61;

// Numbers outside the tables have empty texts and the scale 1.
std::string_view BeamName(int n);     // listing and report
std::string_view BeamAltName(int n);  // laser-diode parameter list
std::string_view BeamDefaultSymbol(int n);
std::string_view BeamUnit(int n);
double BeamScale(int n);  // stored = entered × scale
std::string_view BeamPattern(int n);
std::string_view BeamResultName(int k);
std::string_view BeamResultDefaultSymbol(int k);

// Supplies a user symbol for a name text, falling back to defaultSymbol.
using BeamSymbolReader =
    std::function<std::string(std::string_view key, std::string_view defaultSymbol)>;

// The symbols in use for the beam quantities and results.
class BeamSymbols {
public:
    BeamSymbols();

    const std::string& Symbol(int n) const;
    const std::string& ResultSymbol(int k) const;
    // Back to the default symbols.
    void Reset();
    // The symbols of the symbol style (settings key UnitType): for the user style (1) every
    // quantity and result with a name asks the reader, keyed by its (primary) name; any other
    // style, or no reader, gives the default symbols.
    void Rebuild(int unitType, const BeamSymbolReader& userSymbols);
    int UnitType() const { return m_unitType; }

    // Name immediately followed by the symbol: "Brennweite: f'".
    std::string Label(int n) const;
    // Result name, ": " and symbol: "Strahlradius [Linse]: R".
    std::string ResultLabel(int k) const;

private:
    std::array<std::string, kBeamValueCount> m_symbols;
    std::array<std::string, kBeamResultCount> m_resultSymbols;
    int m_unitType = 0;
};

}  // namespace lumarik
