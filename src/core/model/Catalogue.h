// The vocabulary of the first-order model: the numbers of the distance/field parameters, the
// aperture parameters and the cardinal points, with their names, symbols, units, unit factors
// and display patterns, and the symbols in use under the symbol option.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace lumarik {

// Distance/field parameter numbers, the indexes of the value table. 0..4 form the distance
// group (the magnification counts as one), 5..8 the field group; 20 is always computed.
enum Parameter : int {
    kParFocal = 0,          // f'  image-side focal length
    kParObjectDist = 1,     // a   object distance
    kParImageDist = 2,      // a'  image distance
    kParMagnification = 3,  // m'  lateral magnification
    kParTrack = 4,          // t   object-to-image distance
    kParObjectHeight = 5,   // u
    kParObjectAngle = 6,    // w   (radians)
    kParImageHeight = 7,    // u'
    kParImageAngle = 8,     // w'  (radians)
    kParObjectFocal = 20,   // f   object-side focal length
};
constexpr int kFirstFieldPar = 5;    // numbers below are distances
constexpr int kSelectableCount = 9;  // numbers 0..8 can be chosen
constexpr int kValueCount = 21;      // entries 9..19 carry no parameter

// Aperture numbers, the indexes of the aperture value table.
enum ApertureParameter : int {
    kApStopRadius = 0,  // r (mm)
    kApFNumber = 1,     // K for an infinitely distant object
    kApNA = 2,          // object-side numerical aperture
    kApNAImage = 3,     // image-side numerical aperture NA'
    kApAiryRadius = 4,  // mm
};
constexpr int kApertureCount = 5;
constexpr int kSelectableApertureCount = 4;  // the Airy radius has no check box

// Cardinal points, positions measured from the object-side principal point P.
constexpr int kCardP = 0;
constexpr int kCardPPrime = 1;
constexpr int kCardF = 2;
constexpr int kCardFPrime = 3;
constexpr int kCardN = 4;
constexpr int kCardNPrime = 5;
constexpr int kCardinalCount = 6;

// Symbol option (settings key UnitType): standard symbols or the user's own.
constexpr int kSymbolsStandard = 0;
constexpr int kSymbolsUser = 1;

// Supplies one user symbol: key is the name text of a parameter or cardinal point, the
// result falls back to defaultSymbol when the user has none.
using SymbolReader =
    std::function<std::string(std::string_view key, std::string_view defaultSymbol)>;

class ParameterCatalogue {
public:
    ParameterCatalogue();

    // Parameter numbers 0..20; numbers without a parameter (9..19, or outside the table) have
    // empty texts and the unit factor 1.
    std::string_view Name(int number) const;
    std::string_view DefaultSymbol(int number) const;
    const std::string& Symbol(int number) const;
    // Name text immediately followed by the symbol in use, e.g. "Brennweite: f'".
    std::string Label(int number) const;
    std::string_view Unit(int number) const;
    // internal value = display value × factor (π/180 for the angles, held as a float).
    float UnitFactor(int number) const;
    std::string_view Pattern(int number) const;

    // Aperture numbers 0..4.
    std::string_view ApertureName(int k) const;
    std::string_view ApertureUnit(int k) const;
    float ApertureUnitFactor(int k) const;
    std::string_view AperturePattern(int k) const;
    // Caption of the selection box (empty for the Airy radius, which has none).
    std::string_view ApertureCaption(int k) const;

    // Cardinal points 0..5.
    std::string_view CardinalName(int i) const;
    std::string_view CardinalDefaultSymbol(int i) const;
    const std::string& CardinalSymbol(int i) const;

    // Fills the symbols in use of the parameters and the cardinal points: the standard
    // symbols for option 0 (and any unknown option), the user symbols for option 1. Every
    // parameter with a name and every cardinal point is asked for, keyed by its name text.
    void RebuildSymbols(int unitType, const SymbolReader& userSymbols);
    int UnitType() const { return m_unitType; }

    // Display text of an internal value: value ÷ factor, formatted with the pattern, the unit
    // following without a blank ("50.0mm", "0.25x", "30.0Grad").
    std::string ValueText(int number, float internal, char decimalSep) const;
    std::string ApertureValueText(int k, float internal, char decimalSep) const;

private:
    std::array<std::string, kValueCount> m_symbols;
    std::array<std::string, kCardinalCount> m_cardinalSymbols;
    int m_unitType = kSymbolsStandard;
};

}  // namespace lumarik
