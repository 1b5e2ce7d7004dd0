// The user's own symbols of the lens/mirror mode as the symbols dialog edits them: loading
// them from section "Symbols", committing typed symbols, the checks before they are kept and
// the settings entries that keep them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini/INICode.h"
#include "core/model/Catalogue.h"

namespace lumarik {

inline constexpr std::string_view kSymbolsSection = "Symbols";

// The user symbols of the settings file, section "Symbols".
SymbolReader SymbolsFromIni(const INICode& ini);

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
    // One "Symbols" entry per slot keyed by its name text, then Options/UnitType = unitType.
    std::vector<IniEntry> Entries(int unitType) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_symbols;
    bool m_changed = false;
};

}  // namespace lumarik
