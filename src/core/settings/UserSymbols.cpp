#include "core/settings/UserSymbols.h"

#include "core/ini/IniDocument.h"
#include "core/settings/LumarikSettings.h"

namespace lumarik {

SymbolReader SymbolsFromIni(const INICode& ini, std::string_view section) {
    return [&ini, section](std::string_view key, std::string_view defaultSymbol) {
        return ini.ReadString(section, key, defaultSymbol);
    };
}

void ApplySymbolStyle(int unitType, const INICode& ini, ParameterCatalogue& catalogue,
                      BeamSymbols& beamSymbols) {
    catalogue.RebuildSymbols(unitType, SymbolsFromIni(ini));
    beamSymbols.Rebuild(unitType, SymbolsFromIni(ini, kBeamSymbolsSection));
}

std::string SymbolsRepeatMessage(std::string_view symbol) {
    std::string message = "Zwei oder mehrere Symbole sind identisch [";
    message += symbol;
    message += "]. Alle Symbole dürfen nur einmal auftreten. ";
    return message;
}

std::string StoredSymbol(std::string_view typed) {
    // Through the file's own writer and reader, so that this never drifts from them.
    constexpr std::string_view kKey = "Symbol";
    IniDocument document;
    if (!document.Set(kSymbolsSection, kKey, typed)) return {};
    return ReadProfileString(document, kSymbolsSection, kKey, "");
}

std::optional<std::string> CheckUserSymbols(const std::vector<std::string>& symbols) {
    for (const std::string& symbol : symbols) {
        if (TrimBlanks(symbol).empty()) return std::string(kSymbolsEmptyMessage);
    }
    for (std::size_t i = 1; i < symbols.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (symbols[i] == symbols[j]) return SymbolsRepeatMessage(symbols[i]);
        }
    }
    return std::nullopt;
}

std::vector<std::string> SymbolCharacters() {
    std::vector<std::string> characters;
    for (int code = 255; code >= 33; --code) {
        const bool offered = code <= 47 || (code >= 58 && code <= 125) || code >= 160;
        if (!offered) continue;
        std::string utf8;
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
        characters.push_back(std::move(utf8));
    }
    return characters;
}

void UserSymbolEditor::Add(std::string_view name, std::string_view standard,
                           const SymbolReader& userSymbols) {
    m_names.emplace_back(name);
    m_symbols.push_back(userSymbols ? userSymbols(name, standard) : std::string(standard));
}

UserSymbolEditor::UserSymbolEditor(const ParameterCatalogue& catalogue,
                                   const SymbolReader& userSymbols)
    : m_section(kSymbolsSection) {
    for (int number = 0; number < kSelectableCount; ++number) {
        Add(catalogue.Name(number), catalogue.DefaultSymbol(number), userSymbols);
    }
    for (int i = 0; i < kCardinalCount; ++i) {
        Add(catalogue.CardinalName(i), catalogue.CardinalDefaultSymbol(i), userSymbols);
    }
}

UserSymbolEditor UserSymbolEditor::ForBeam(const SymbolReader& userSymbols) {
    UserSymbolEditor editor(kBeamSymbolsSection);
    for (int n = 0; n < kBeamSelectableCount; ++n) {
        editor.Add(BeamName(n), BeamDefaultSymbol(n), userSymbols);
    }
    for (int k : kEditedBeamResults) {
        editor.Add(BeamResultName(k), BeamResultDefaultSymbol(k), userSymbols);
    }
    return editor;
}

const std::string& UserSymbolEditor::Name(int slot) const {
    static const std::string kNone;
    return IsSlot(slot) ? m_names[static_cast<std::size_t>(slot)] : kNone;
}

const std::string& UserSymbolEditor::Symbol(int slot) const {
    static const std::string kNone;
    return IsSlot(slot) ? m_symbols[static_cast<std::size_t>(slot)] : kNone;
}

bool UserSymbolEditor::Commit(int slot, std::string_view typed) {
    if (!IsSlot(slot)) return false;
    std::string symbol = StoredSymbol(typed);
    std::string& current = m_symbols[static_cast<std::size_t>(slot)];
    if (symbol.empty() || symbol == current) return false;
    current = std::move(symbol);
    m_changed = true;
    return true;
}

std::optional<std::string> UserSymbolEditor::Check() const {
    return CheckUserSymbols(m_symbols);
}

std::vector<IniEntry> UserSymbolEditor::Entries(int unitType) const {
    std::vector<IniEntry> entries;
    entries.reserve(m_symbols.size() + 1);
    for (std::size_t i = 0; i < m_symbols.size(); ++i) {
        entries.push_back(IniEntry{std::string(m_section), m_names[i], m_symbols[i]});
    }
    entries.push_back(UnitTypeEntry(unitType));
    return entries;
}

}  // namespace lumarik
