#include "core/beam/BeamCatalogue.h"

#include <utility>

#include "core/model/Catalogue.h"

namespace lumarik {

namespace {

struct BeamEntry {
    std::string_view symbol;
    std::string_view name;
    std::string_view altName;
    std::string_view unit;
    double scale;
    std::string_view pattern;
};

constexpr BeamEntry kNoEntry{"", "", "", "", 1.0, ""};

// clang-format off
constexpr std::array<BeamEntry, kBeamValueCount> kBeamTable = {{
    {"f'",  "Brennweite: ",          "Brennweite: ",                "mm",   1.0,   "0.0#"},
    {"s",   "Objektweite: ",         "Abstand 'Objekttaille': ",    "mm",   1.0,   "0.0#"},
    {"s'",  "Bildweite: ",           "Abstand 'Bildtaille': ",      "mm",   1.0,   "0.0#"},
    {"m",   "Vergrößerung: ",        "Vergrößerung: ",              "x",    1.0,   "0.00##"},
    {"t",   "Taille zu Taille: ",    "Taille zu Taille: ",          "mm",   1.0,   "0.0#"},
    {"r",   "Strahl rad[in]: ",      "Strahltaille radius: ",       "mm",   1.0,   "0.0###"},
    {"w",   "Strahl div[in]: ",      "Strahldivergenz: ",           "mrad", 0.001, "0.0##"},
    {"zr",  "Rayleigh[in]",          "Rayleighlänge: ",             "mm",   1.0,   "0.0#"},
    {"r'",  "Strahl rad[aus]: ",     "Strahltaille radius: ",       "mm",   1.0,   "0.0###"},
    {"w'",  "Strahl div[aus]",       "Strahldivergenz: ",           "mrad", 0.001, "0.0##"},
    {"zr'", "Rayleigh[aus]: ",       "Rayleighlänge: ",             "mm",   1.0,   "0.0#"},
    kNoEntry, kNoEntry, kNoEntry, kNoEntry,
    {"",    "paraxialer Bildabstand", "paraxiale bildweite",        "",     1.0,   ""},
    kNoEntry, kNoEntry, kNoEntry, kNoEntry,
    {"f",   "Brennweite: ",          "Brennweite: ",                "mm",   1.0,   "0.0#"},
}};

struct ResultEntry {
    std::string_view symbol;
    std::string_view name;
};

constexpr std::array<ResultEntry, kBeamResultCount> kResultTable = {{
    {"",    ""},
    {"P",   "erster Hauptpunkt: "},
    {"P'",  "zweiter Hauptpunkt: "},
    {"F",   "vorderer Brennpunkt: "},
    {"F'",  "hinterer Brennpunkt: "},
    {"N",   "vorderer Knotenpunkt: "},
    {"N'",  "hinterer Knotenpunkt: "},
    {"s'",  "Bildposition "},
    {"s'm", "Bildpos. [max]: "},
    {"sp",  "Position des kleinsten Spots"},
    {"d",   "Detektorposition"},
    {"l'",  "geometrische Bildposition"},
    {"Rsp", "Radius des kleinsten Spots"},
    {"R",   "Strahlradius [Linse]"},
    {"rA'", "Airy-Radius"},
    {"Rd",  "Strahlradius [Detektor]"},
    {"s/f", "Verhältnis s/f"},
    {"s'/f", "Verhältnis s'/f"},
    {"zr/f", "Verhältnis zr/f"},
}};
// clang-format on

const BeamEntry& Entry(int n) {
    if (n < 0 || n >= kBeamValueCount) return kNoEntry;
    return kBeamTable[static_cast<std::size_t>(n)];
}

const ResultEntry& Result(int k) {
    static constexpr ResultEntry kNoResult{"", ""};
    if (k < 0 || k >= kBeamResultCount) return kNoResult;
    return kResultTable[static_cast<std::size_t>(k)];
}

const std::string kNoSymbol;

}  // namespace

std::string_view BeamName(int n) {
    return Entry(n).name;
}
std::string_view BeamAltName(int n) {
    return Entry(n).altName;
}
std::string_view BeamDefaultSymbol(int n) {
    return Entry(n).symbol;
}
std::string_view BeamUnit(int n) {
    return Entry(n).unit;
}
double BeamScale(int n) {
    return Entry(n).scale;
}
std::string_view BeamPattern(int n) {
    return Entry(n).pattern;
}
std::string_view BeamResultName(int k) {
    return Result(k).name;
}
std::string_view BeamResultDefaultSymbol(int k) {
    return Result(k).symbol;
}

BeamSymbols::BeamSymbols() {
    Reset();
}

const std::string& BeamSymbols::Symbol(int n) const {
    if (n < 0 || n >= kBeamValueCount) return kNoSymbol;
    return m_symbols[static_cast<std::size_t>(n)];
}

const std::string& BeamSymbols::ResultSymbol(int k) const {
    if (k < 0 || k >= kBeamResultCount) return kNoSymbol;
    return m_resultSymbols[static_cast<std::size_t>(k)];
}

void BeamSymbols::Reset() {
    for (int n = 0; n < kBeamValueCount; ++n) {
        m_symbols[static_cast<std::size_t>(n)] = std::string(BeamDefaultSymbol(n));
    }
    for (int k = 0; k < kBeamResultCount; ++k) {
        m_resultSymbols[static_cast<std::size_t>(k)] = std::string(BeamResultDefaultSymbol(k));
    }
}

void BeamSymbols::Rebuild(int unitType, const BeamSymbolReader& reader) {
    m_unitType = unitType;
    Reset();
    if (unitType != kSymbolsUser || !reader) return;
    for (int n = 0; n < kBeamValueCount; ++n) {
        // f shares its name text with f' and so would take over the user's f' symbol.
        if (BeamName(n).empty() || n == kBeamObjectFocal) continue;
        m_symbols[static_cast<std::size_t>(n)] = reader(BeamName(n), BeamDefaultSymbol(n));
    }
    for (int k = 0; k < kBeamResultCount; ++k) {
        if (BeamResultName(k).empty()) continue;
        m_resultSymbols[static_cast<std::size_t>(k)] =
            reader(BeamResultName(k), BeamResultDefaultSymbol(k));
    }
}

std::string BeamSymbols::Label(int n) const {
    return std::string(BeamName(n)) + Symbol(n);
}

std::string BeamSymbols::ResultLabel(int k) const {
    return std::string(BeamResultName(k)) + ": " + ResultSymbol(k);
}

}  // namespace lumarik
