#include "core/model/Catalogue.h"

#include <cfloat>
#include <cmath>

#include "core/format/Format.h"

namespace lumarik {

namespace {

struct ParameterEntry {
    std::string_view name;
    std::string_view symbol;
    std::string_view unit;
    float factor;
    std::string_view pattern;
};

constexpr float kDegree = static_cast<float>(3.14159265358979323846 / 180.0);

constexpr ParameterEntry kNoParameter{"", "", "", 1.0f, ""};

constexpr std::array<ParameterEntry, kValueCount> kParameters = {{
    {"Brennweite: ", "f'", "mm", 1.0f, "0.0#"},
    {"Objektweite: ", "a", "mm", 1.0f, "0.0#"},
    {"Bildweite: ", "a'", "mm", 1.0f, "0.0#"},
    {"Vergrößerung: ", "m'", "x", 1.0f, "0.00######"},
    {"Objekt Bildabstand: ", "t", "mm", 1.0f, "0.0#"},
    {"Objekthöhe: ", "u", "mm", 1.0f, "0.0#"},
    {"Objektwinkel: ", "w", "Grad", kDegree, "0.0##"},
    {"Bildhöhe: ", "u'", "mm", 1.0f, "0.0#"},
    {"Bildwinkel: ", "w'", "Grad", kDegree, "0.0##"},
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    kNoParameter,
    {"Brennweite [Obj]: ", "f", "mm", 1.0f, "0.0#"},
}};

struct ApertureEntry {
    std::string_view name;
    std::string_view unit;
    float factor;
    std::string_view pattern;
    std::string_view caption;
};

constexpr std::array<ApertureEntry, kApertureCount> kApertures = {{
    {"Blendenradius", "mm", 1.0f, "0.0#", "Blendenradius"},
    {"Blendenzahl [unendliche Objektweite]", "", 1.0f, "0.0###",
     "Blendenzahl [unendliche Objektweite]"},
    {"NA [objektseitig] ", "", 1.0f, "0.0###", "NA [Numerische Apertur - Objektraum]"},
    {"NA' [bildseitig]", "", 1.0f, "0.0###", "NA' [Numerische Apertur - Bildraum]"},
    {"Airy-Radius", "mm", 1.0f, "0.0###", ""},
}};

struct CardinalEntry {
    std::string_view name;
    std::string_view symbol;
};

// The nodal-point names have no colon.
constexpr std::array<CardinalEntry, kCardinalCount> kCardinals = {{
    {"erster Hauptpunkt: ", "P"},
    {"zweiter Hauptpunkt: ", "P'"},
    {"vorderer Brennpunkt: ", "F"},
    {"hinterer Brennpunkt: ", "F'"},
    {"vorderer Knotenpunkt ", "N"},
    {"hinterer Knotenpunkt ", "N'"},
}};

const ParameterEntry& EntryOf(int number) {
    if (number < 0 || number >= kValueCount) return kNoParameter;
    return kParameters[static_cast<std::size_t>(number)];
}

const ApertureEntry& Aperture(int k) {
    static constexpr ApertureEntry kNone{"", "", 1.0f, "", ""};
    if (k < 0 || k >= kApertureCount) return kNone;
    return kApertures[static_cast<std::size_t>(k)];
}

bool IsCardinal(int i) {
    return i >= 0 && i < kCardinalCount;
}

const std::string& EmptyText() {
    static const std::string kEmpty;
    return kEmpty;
}

// Display value of an internal one. A float stays a float (shown with 7 significant digits);
// only a quotient beyond the float range is shown as a double.
std::string FormatScaled(float internal, float factor, std::string_view pattern, char sep) {
    if (factor == 1.0f) return Format(internal, pattern, sep);
    const double scaled = static_cast<double>(internal) / factor;
    if (std::fabs(scaled) <= FLT_MAX) return Format(static_cast<float>(scaled), pattern, sep);
    return Format(scaled, pattern, sep);
}

}  // namespace

ParameterCatalogue::ParameterCatalogue() {
    RebuildSymbols(kSymbolsStandard, nullptr);
}

std::string_view ParameterCatalogue::Name(int number) const {
    return EntryOf(number).name;
}

std::string_view ParameterCatalogue::DefaultSymbol(int number) const {
    return EntryOf(number).symbol;
}

const std::string& ParameterCatalogue::Symbol(int number) const {
    if (number < 0 || number >= kValueCount) return EmptyText();
    return m_symbols[static_cast<std::size_t>(number)];
}

std::string ParameterCatalogue::Label(int number) const {
    std::string label(Name(number));
    label += Symbol(number);
    return label;
}

std::string_view ParameterCatalogue::Unit(int number) const {
    return EntryOf(number).unit;
}

float ParameterCatalogue::UnitFactor(int number) const {
    return EntryOf(number).factor;
}

std::string_view ParameterCatalogue::Pattern(int number) const {
    return EntryOf(number).pattern;
}

std::string_view ParameterCatalogue::ApertureName(int k) const {
    return Aperture(k).name;
}

std::string_view ParameterCatalogue::ApertureUnit(int k) const {
    return Aperture(k).unit;
}

float ParameterCatalogue::ApertureUnitFactor(int k) const {
    return Aperture(k).factor;
}

std::string_view ParameterCatalogue::AperturePattern(int k) const {
    return Aperture(k).pattern;
}

std::string_view ParameterCatalogue::ApertureCaption(int k) const {
    return Aperture(k).caption;
}

std::string_view ParameterCatalogue::CardinalName(int i) const {
    return IsCardinal(i) ? kCardinals[static_cast<std::size_t>(i)].name : std::string_view();
}

std::string_view ParameterCatalogue::CardinalDefaultSymbol(int i) const {
    return IsCardinal(i) ? kCardinals[static_cast<std::size_t>(i)].symbol : std::string_view();
}

const std::string& ParameterCatalogue::CardinalSymbol(int i) const {
    return IsCardinal(i) ? m_cardinalSymbols[static_cast<std::size_t>(i)] : EmptyText();
}

void ParameterCatalogue::RebuildSymbols(int unitType, const SymbolReader& userSymbols) {
    m_unitType = unitType;
    const bool user = unitType == kSymbolsUser && userSymbols;
    for (std::size_t i = 0; i < kParameters.size(); ++i) {
        const ParameterEntry& entry = kParameters[i];
        const bool named = entry.name.find_first_not_of(' ') != std::string_view::npos;
        m_symbols[i] =
            user && named ? userSymbols(entry.name, entry.symbol) : std::string(entry.symbol);
    }
    for (std::size_t i = 0; i < kCardinals.size(); ++i) {
        m_cardinalSymbols[i] = user ? userSymbols(kCardinals[i].name, kCardinals[i].symbol)
                                    : std::string(kCardinals[i].symbol);
    }
}

std::string ParameterCatalogue::ValueText(int number, float internal, char decimalSep) const {
    const ParameterEntry& entry = EntryOf(number);
    std::string text = FormatScaled(internal, entry.factor, entry.pattern, decimalSep);
    text += entry.unit;
    return text;
}

std::string ParameterCatalogue::ApertureValueText(int k, float internal, char decimalSep) const {
    const ApertureEntry& entry = Aperture(k);
    std::string text = FormatScaled(internal, entry.factor, entry.pattern, decimalSep);
    text += entry.unit;
    return text;
}

}  // namespace lumarik
