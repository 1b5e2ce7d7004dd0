// The user's own symbols as the symbols dialog edits them, those of the lens/mirror mode
// (section "Symbols") and those of the beam mode (section "SymbolsGB"): loading them,
// committing typed symbols, the checks before they are kept and the settings entries that keep
// them; and putting the symbols of the chosen style in use.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/beam/BeamCatalogue.h"
#include "core/ini/INICode.h"
#include "core/model/Catalogue.h"

namespace lumarik {

inline constexpr std::string_view kSymbolsSection = "Symbols";
inline constexpr std::string_view kBeamSymbolsSection = "SymbolsGB";

// The user symbols of the settings file in `section`.
SymbolReader SymbolsFromIni(const INICode& ini, std::string_view section = kSymbolsSection);

// Puts the symbols of the style (UnitType) in use in both modes: for the user style those of
// "Symbols" and "SymbolsGB", the standard symbols otherwise.
void ApplySymbolStyle(int unitType, const INICode& ini, ParameterCatalogue& catalogue,
                      BeamSymbols& beamSymbols);

inline constexpr std::string_view kSymbolsEmptyMessage =
    "Alle Symbole müssen definiert werden [nicht leer lassen]! ";
// "Zwei oder mehrere Symbole sind identisch [s]. Alle Symbole dürfen nur einmal auftreten. "
std::string SymbolsRepeatMessage(std::string_view symbol);

// The editable symbols, in slots: parameters 0..8 (the object-side focal length is never
// edited) in slots 0..8, then the cardinal points 0..5.
constexpr int kUserSymbolCount = kSelectableCount + kCardinalCount;
constexpr int CardinalSlot(int cardinal) {
    return kSelectableCount + cardinal;
}

// The editable beam symbols: the quantities 0..10 in slots 0..10, then the results that the
// listing names by their symbols, the cardinal points first.
inline constexpr std::array<int, 11> kEditedBeamResults = {
    kResP,          kResPPrime,     kResF,          kResFPrime,         kResN,
    kResNPrime,     kResLensRadius, kResAiryRadius, kResDetectorRadius, kResSOverF,
    kResSImageOverF};
constexpr int kBeamUserSymbolCount =
    kBeamSelectableCount + static_cast<int>(kEditedBeamResults.size());
constexpr int BeamResultSlot(std::size_t index) {
    return kBeamSelectableCount + static_cast<int>(index);
}

// The symbol as the settings file gives it back after it has been written: line breaks turned
// into blanks, cut to kMaxProfileString code points, trimmed. Keeping exactly this text makes a
// symbol look the same after a restart, and lets the checks see the symbols a restart would
// see ("a " beside "a" is a repeat).
std::string StoredSymbol(std::string_view typed);

// The message of the first check that fails, nothing when the symbols may be kept: every
// symbol must be non-empty after trimming, then no symbol may repeat an earlier one (exact,
// case-sensitive comparison; the message names the first repeat).
std::optional<std::string> CheckUserSymbols(const std::vector<std::string>& symbols);

// The characters offered for dragging into a symbol box, one UTF-8 text each, from code 255
// down to 33 of Windows-1252 without the digits and without 126..159 (the tilde, DEL and the
// block where Windows-1252 differs from Latin-1, so each code is also its Unicode code point).
std::vector<std::string> SymbolCharacters();

class UserSymbolEditor {
public:
    // Loads the user symbols of every slot from userSymbols, the standard symbol where the
    // user has none, whatever symbol style is in force.
    UserSymbolEditor(const ParameterCatalogue& catalogue, const SymbolReader& userSymbols);
    // The same for the beam symbols, kept in "SymbolsGB".
    static UserSymbolEditor ForBeam(const SymbolReader& userSymbols);

    std::string_view Section() const { return m_section; }
    int Count() const { return static_cast<int>(m_symbols.size()); }

    // The name text of the slot's parameter or cardinal point: label text and settings key.
    const std::string& Name(int slot) const;
    const std::string& Symbol(int slot) const;

    // A typed symbol: kept as StoredSymbol(typed) when that is not empty and differs from
    // the slot's symbol. Returns whether the symbol changed; the box shows Symbol(slot)
    // afterwards in every case, so an emptied box returns to its old symbol.
    bool Commit(int slot, std::string_view typed);
    bool Changed() const { return m_changed; }
    void ClearChanged() { m_changed = false; }

    std::optional<std::string> Check() const;
    // One entry of the editor's section per slot keyed by its name text, then
    // Options/UnitType = unitType.
    std::vector<IniEntry> Entries(int unitType) const;

private:
    explicit UserSymbolEditor(std::string_view section) : m_section(section) {}
    void Add(std::string_view name, std::string_view standard, const SymbolReader& userSymbols);
    bool IsSlot(int slot) const { return slot >= 0 && slot < Count(); }

    std::string_view m_section;
    std::vector<std::string> m_names;
    std::vector<std::string> m_symbols;
    bool m_changed = false;
};

}  // namespace lumarik
